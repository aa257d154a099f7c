// The section view.
#include "shell/section_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
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
const QColor kAxis(0x70, 0x70, 0x70);
const QColor kPrincipal(0x1f, 0x6f, 0x3f);
const QColor kNeutral(0xc0, 0x10, 0x10);
const QColor kCompression(0xe0, 0x80, 0x30, 110);  // the compression zone, over the concrete

// Length units of the drawing to widget pixels, one scale both ways; depth runs down as on the page.
struct DrawingMap {
  double scale = 1, originX = 0, originY = 0, left = 0, top = 0;
  QPointF P(double x, double y) const { return {originX + (x - left) * scale, originY + (y - top) * scale}; }
  /// The drawing's point under the widget's point `w`.
  QPointF Back(QPointF w) const { return {left + (w.x() - originX) / scale, top + (w.y() - originY) / scale}; }
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

// The outline of a shape, for the compression zone's clip.
QPainterPath ShapePath(const DrawShape& s, const DrawingMap& map) {
  QPainterPath path;
  switch (s.kind) {
    case ShapeKind::Rectangle:
      path.addRect(QRectF(map.P(s.x, s.y), QSizeF(map.L(s.w), map.L(s.h))));
      break;
    case ShapeKind::Circle:
      path.addEllipse(Disc(map, s, map.L(s.r)));
      break;
    case ShapeKind::Ring:
      path.addEllipse(Disc(map, s, map.L(s.r + s.t / 2)));
      break;
    case ShapeKind::Polygon:
      path.addPolygon(Outline(map, s));
      path.closeSubpath();
      break;
  }
  return path;
}

// The compression zone where there is added concrete; the holes drawn after it cover their part.
void PaintCompressionZone(QPainter& p, const SectionDrawing& d, const DrawingMap& map) {
  if (d.compressionZone.empty()) return;
  QPainterPath concrete;
  concrete.setFillRule(Qt::WindingFill);
  for (const DrawShape& s : d.shapes) {
    if (s.role == ShapeRole::Concrete) concrete.addPath(ShapePath(s, map));
  }
  QPolygonF zone;
  for (const Vertex& v : d.compressionZone) zone << map.P(v.x, v.y);
  p.save();
  p.setClipPath(concrete);
  p.setPen(Qt::NoPen);
  p.setBrush(kCompression);
  p.drawPolygon(zone);
  p.restore();
}

void Paint(QPainter& p, const DrawLine& line, const DrawingMap& map) {
  const QPointF a = map.P(line.x1, line.y1), b = map.P(line.x2, line.y2);
  QPen pen;
  switch (line.role) {
    case LineRole::CoordinateAxis:
      pen = QPen(kAxis, 1);
      break;
    case LineRole::PrincipalAxis:
      pen = QPen(kPrincipal, 1, Qt::DashDotLine);
      break;
    case LineRole::NeutralAxis:
      pen = QPen(kNeutral, 2, Qt::DashLine);
      break;
  }
  p.setPen(pen);
  p.drawLine(a, b);
  if (line.role == LineRole::CoordinateAxis) {
    p.setPen(QPen(kAxis, 1));
    p.setBrush(kAxis);
    Arrowhead(p, b, a);
  }
  // The label beyond the end, along the line; a coordinate axis's beside its arrow (above the x axis, right
  // of the y axis), clear of a principal axis running on along the same line.
  QLineF beyond(a, b);
  beyond.setLength(beyond.length() + (line.role == LineRole::CoordinateAxis ? 2 : 9));
  const QPointF along = beyond.p2() - b;
  const QPointF side = line.role == LineRole::CoordinateAxis && beyond.length() > 0
                           ? QPointF(along.y(), -along.x()) * (10 / QLineF(b, beyond.p2()).length())
                           : QPointF();
  const QRectF box(beyond.p2() + side - QPointF(40, 9), QSizeF(80, 18));
  p.setPen(pen.color());
  p.drawText(box, Qt::AlignCenter, QString::fromStdString(line.label));
}

// The centroid mark: a ring with two quarters filled, as drawings mark a centre of gravity.
void PaintCentroid(QPainter& p, QPointF c) {
  const double r = 6;
  const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::white);
  p.drawEllipse(disc);
  p.setBrush(Qt::black);
  p.drawPie(disc, 0, 90 * 16);
  p.drawPie(disc, 180 * 16, 90 * 16);
}

}  // namespace

SectionView::SectionView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(360, 360);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kBackground);
  setPalette(palette);
  setAutoFillBackground(true);
  setMouseTracking(true);  // the pointer resting on a shape names it
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
  bool zoneDrawn = false;
  for (const DrawShape& s : drawing_.shapes) {
    // The compression zone over the added concrete, under the holes, the steel and the bars.
    if (!zoneDrawn && s.role != ShapeRole::Concrete) {
      PaintCompressionZone(p, drawing_, map);
      zoneDrawn = true;
    }
    Paint(p, s, map);
  }
  if (!zoneDrawn) PaintCompressionZone(p, drawing_, map);
  for (const DrawLine& line : drawing_.lines) Paint(p, line, map);
  if (drawing_.hasCentroid) PaintCentroid(p, map.P(drawing_.centroidX, drawing_.centroidY));
  for (const DrawShape& s : drawing_.shapes) {
    if (s.highlighted) PaintHighlight(p, s, map);
  }
  for (const Dimension& d : drawing_.dimensions) Paint(p, d, map);
}

const DrawShape* SectionView::ShapeUnder(QPointF at) const {
  if (!drawing_.Drawable() || !(drawing_.right > drawing_.left) || !(drawing_.bottom > drawing_.top))
    return nullptr;
  const DrawingMap map = Fit(drawing_, rect());
  const QPointF point = map.Back(at);
  // A few pixels of slack, so that a small bar can be reached.
  return ShapeAt(drawing_, point.x(), point.y(), 3 / map.scale);
}

void SectionView::mouseMoveEvent(QMouseEvent* event) {
  const DrawShape* shape = ShapeUnder(event->position());
  if (shape != nullptr && !shape->tip.empty()) {
    QToolTip::showText(event->globalPosition().toPoint(), QString::fromStdString(shape->tip), this);
  } else {
    QToolTip::hideText();
  }
}

void SectionView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (const DrawShape* shape = ShapeUnder(event->position())) emit ShapeClicked(shape->source, shape->record);
}

void SectionView::mouseDoubleClickEvent(QMouseEvent*) { emit RedrawRequested(); }

}  // namespace tarnix
