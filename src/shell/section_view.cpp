// The section view.
#include "shell/section_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace tarnix {
namespace {

// Room around the extent for the texts of the dimension lines.
constexpr double kMargin = 44;

const QColor kBackground(Qt::white);
const QColor kConcrete(0xd0, 0xd0, 0xd0);
const QColor kOutline(0x30, 0x30, 0x30);
const QColor kSteel(0x5b, 0x7f, 0xa6);
const QColor kBar(0x20, 0x20, 0x20);
const QColor kHighlight(0xd9, 0x48, 0x1c);  // the record being edited

// Length units of the drawing to widget pixels, one scale both ways; depth runs down as on the page.
struct DrawingMap {
  double scale = 1, originX = 0, originY = 0, left = 0, top = 0;
  QPointF P(double x, double y) const { return {originX + (x - left) * scale, originY + (y - top) * scale}; }
  double L(double length) const { return length * scale; }
};

DrawingMap Fit(const SectionDrawing& d, const QRectF& area) {
  const double w = d.right - d.left, h = d.bottom - d.top;
  DrawingMap map;
  map.scale = std::max(1e-9, std::min((area.width() - 2 * kMargin) / w, (area.height() - 2 * kMargin) / h));
  map.left = d.left;
  map.top = d.top;
  map.originX = area.left() + (area.width() - w * map.scale) / 2;
  map.originY = area.top() + (area.height() - h * map.scale) / 2;
  return map;
}

QRectF Disc(const DrawingMap& map, const DrawShape& s, double radius) {
  const QPointF c = map.P(s.x, s.y);
  return {c.x() - radius, c.y() - radius, 2 * radius, 2 * radius};
}

QPolygonF Outline(const DrawingMap& map, const DrawShape& s) {
  QPolygonF outline;
  for (const Vertex& v : s.corners) outline << map.P(v.x, v.y);
  return outline;
}

void Paint(QPainter& p, const DrawShape& s, const DrawingMap& map) {
  const QPen outline(kOutline, 1.2);
  switch (s.role) {
    case ShapeRole::Concrete:
      p.setPen(outline);
      p.setBrush(kConcrete);
      break;
    case ShapeRole::Hole:
      p.setPen(outline);
      p.setBrush(kBackground);
      break;
    case ShapeRole::Steel:
    case ShapeRole::Pipe:
      p.setPen(QPen(kOutline, 1));
      p.setBrush(kSteel);
      break;
    case ShapeRole::Bar:
      p.setPen(Qt::NoPen);
      p.setBrush(kBar);
      break;
  }
  switch (s.kind) {
    case ShapeKind::Rectangle:
      p.drawRect(QRectF(map.P(s.x, s.y), QSizeF(map.L(s.w), map.L(s.h))));
      break;
    case ShapeKind::Circle:
      // A bar too small for the scale still shows where it is.
      p.drawEllipse(Disc(map, s, std::max(map.L(s.r), s.role == ShapeRole::Bar ? 1.5 : 0.5)));
      break;
    case ShapeKind::Ring: {
      const double wall = std::max(map.L(s.t), 1.5);
      QPainterPath ring;
      ring.setFillRule(Qt::OddEvenFill);
      ring.addEllipse(Disc(map, s, map.L(s.r) + wall / 2));
      ring.addEllipse(Disc(map, s, std::max(0.0, map.L(s.r) - wall / 2)));
      p.drawPath(ring);
      break;
    }
    case ShapeKind::Polygon:
      p.drawPolygon(Outline(map, s));
      break;
  }
}

// The record being edited, drawn over everything else so that no later shape hides it: its bars filled
// and ringed in the highlight colour, its concrete or steel outlined.
void PaintHighlight(QPainter& p, const DrawShape& s, const DrawingMap& map) {
  p.setPen(QPen(kHighlight, 2.5));
  p.setBrush(Qt::NoBrush);
  switch (s.kind) {
    case ShapeKind::Rectangle:
      p.drawRect(QRectF(map.P(s.x, s.y), QSizeF(map.L(s.w), map.L(s.h))));
      break;
    case ShapeKind::Circle:
      if (s.role == ShapeRole::Bar) {
        p.setBrush(kHighlight);
        p.drawEllipse(Disc(map, s, std::max(map.L(s.r), 1.5) + 2));
      } else {
        p.drawEllipse(Disc(map, s, map.L(s.r)));
      }
      break;
    case ShapeKind::Ring:
      p.drawEllipse(Disc(map, s, map.L(s.r) + std::max(map.L(s.t), 1.5) / 2));
      break;
    case ShapeKind::Polygon:
      p.drawPolygon(Outline(map, s));
      break;
  }
}

void Arrowhead(QPainter& p, QPointF tip, QPointF towards) {
  const QLineF back(tip, towards);
  const double size = std::min(8.0, back.length() / 3);
  QLineF side = back;
  side.setLength(size);
  QLineF left = side, right = side;
  left.setAngle(side.angle() + 20);
  right.setAngle(side.angle() - 20);
  p.drawPolygon(QPolygonF({tip, left.p2(), right.p2()}));
}

void Paint(QPainter& p, const Dimension& d, const DrawingMap& map) {
  const QPointF a = map.P(d.x1, d.y1), b = map.P(d.x2, d.y2);
  const bool horizontal = d.y1 == d.y2;
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::black);
  p.drawLine(a, b);
  Arrowhead(p, a, b);
  Arrowhead(p, b, a);
  // Short extension ticks across the ends, as on a drawing.
  const QPointF across = horizontal ? QPointF(0, 6) : QPointF(6, 0);
  p.drawLine(a - across, a + across);
  p.drawLine(b - across, b + across);

  const QString text = QString::fromStdString(d.text);
  const QPointF middle = (a + b) / 2;
  p.save();
  p.translate(middle);
  if (!horizontal) p.rotate(-90);  // the text of a vertical dimension reads upward, left of its line
  const QRectF box(-150, -24, 300, 20);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, text);
  p.restore();
}

}  // namespace

SectionView::SectionView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(360, 360);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  setAutoFillBackground(true);
}

void SectionView::ShowDrawing(const SectionDrawing& drawing) {
  drawing_ = drawing;
  update();
}

void SectionView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font = p.font();
  font.setPixelSize(13);
  p.setFont(font);
  if (!drawing_.Drawable()) {
    p.drawText(rect().adjusted(24, 24, -24, -24), Qt::AlignCenter | Qt::TextWordWrap,
               QString::fromStdString(drawing_.message));
    return;
  }
  if (!(drawing_.right > drawing_.left) || !(drawing_.bottom > drawing_.top)) return;  // nothing shown yet
  const DrawingMap map = Fit(drawing_, rect());
  for (const DrawShape& s : drawing_.shapes) Paint(p, s, map);
  for (const DrawShape& s : drawing_.shapes) {
    if (s.highlighted) PaintHighlight(p, s, map);
  }
  for (const Dimension& d : drawing_.dimensions) Paint(p, d, map);
}

void SectionView::mouseDoubleClickEvent(QMouseEvent*) { emit RedrawRequested(); }

}  // namespace tarnix
