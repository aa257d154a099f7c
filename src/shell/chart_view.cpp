// The chart view.
#include "shell/chart_view.h"

#include <QCategoryAxis>
#include <QCursor>
#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTextDocument>
#include <QTextOption>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <climits>

namespace tarnix {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QColor Colour(const char* rgb) { return QColor(QString::fromLatin1(rgb)); }

QFont Font(qreal points, bool bold = false) {
  QFont font;
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// An axis whose ticks and labels are exactly the plot layer's: the view formats no number itself.
QCategoryAxis* Axis(const ChartAxis& axis) {
  auto* a = new QCategoryAxis;
  a->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  a->setStartValue(axis.min);
  for (const AxisTick& tick : axis.ticks) a->append(Q(tick.label), tick.value);
  a->setRange(axis.min, axis.max);
  a->setTitleText(Q(axis.Caption()));
  a->setTitleFont(Font(10.5));
  a->setLabelsFont(Font(9.5));
  a->setLinePen(QPen(Qt::black, 1));
  a->setGridLinePen(QPen(QColor(0xd9, 0xd9, 0xd9), 1));
  return a;
}

QChart* EmptyChart() {
  auto* c = new QChart;
  c->setTitleFont(Font(12, true));
  c->setBackgroundRoundness(0);
  c->layout()->setContentsMargins(0, 0, 0, 0);
  c->legend()->setAlignment(Qt::AlignBottom);
  c->legend()->setFont(Font(9.5));
  c->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);  // dashed and solid curves tell apart
  return c;
}

QScatterSeries::MarkerShape Symbol(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::SpecialPoint:
      return QScatterSeries::MarkerShapeCircle;
    case MarkerKind::LoadCondition:
      return QScatterSeries::MarkerShapeRectangle;
    case MarkerKind::ExceededLoad:
      return QScatterSeries::MarkerShapeRotatedRectangle;
    case MarkerKind::Event:
      return QScatterSeries::MarkerShapeTriangle;
  }
  return QScatterSeries::MarkerShapeCircle;
}

// Where a label of `size` may stand at `gap` pixels from its marker at `p`, in order of preference.
std::vector<QRectF> LabelPlaces(QPointF p, QSizeF size, double gap) {
  const double w = size.width(), h = size.height();
  return {
      {p.x() + gap, p.y() - h - gap / 2, w, h},      // upper right
      {p.x() + gap, p.y() - h / 2, w, h},            // right
      {p.x() + gap, p.y() + gap / 2, w, h},          // lower right
      {p.x() - gap - w, p.y() - h - gap / 2, w, h},  // upper left
      {p.x() - gap - w, p.y() - h / 2, w, h},        // left
      {p.x() - gap - w, p.y() + gap / 2, w, h},      // lower left
      {p.x() - w / 2, p.y() - h - gap, w, h},        // above
      {p.x() - w / 2, p.y() + gap, w, h},            // below
  };
}

constexpr double kNearGap = 7, kFarGap = 24;  // pixels from a marker to its label

bool Crosses(const QLineF& segment, const QRectF& box) {
  if (box.contains(segment.p1()) || box.contains(segment.p2())) return true;
  const QLineF edges[] = {{box.topLeft(), box.topRight()},
                          {box.topRight(), box.bottomRight()},
                          {box.bottomRight(), box.bottomLeft()},
                          {box.bottomLeft(), box.topLeft()}};
  for (const QLineF& edge : edges) {
    if (segment.intersects(edge, nullptr) == QLineF::BoundedIntersection) return true;
  }
  return false;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QChartView(parent), message_(nullptr) {
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
  setMinimumSize(480, 360);
  Plot();
}

void ChartView::ShowChart(const Chart& chart) {
  chart_ = chart;
  Plot();
}

QString ChartView::Message() const { return message_->isVisible() ? message_->toPlainText() : QString(); }

void ChartView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  PlaceMessage();
  SquarePlotArea();
}

void ChartView::SquarePlotArea() {
  if (!chart_.equalScale || !chart_.Plottable()) return;
  // The title above and the legend below take the whole width; between them the plot area the layout
  // gives, its longer side's margins widened by the difference: a square, one scale on both axes.
  QChart* c = chart();
  const QSizeF size = c->size();
  const QRectF titleBox = title_->boundingRect();
  const double legendHeight =
      c->legend()->effectiveSizeHint(Qt::PreferredSize, QSizeF(size.width(), -1)).height();
  const QMargins base = margins_ + QMargins(0, static_cast<int>(titleBox.height()) + 6, 0,
                                            static_cast<int>(legendHeight) + 4);
  c->setMargins(base);
  c->layout()->activate();
  const QRectF area = c->plotArea();
  const int extra = static_cast<int>(std::abs(area.width() - area.height()) / 2);
  QMargins square = base;
  if (area.width() > area.height()) {
    square.setLeft(square.left() + extra);
    square.setRight(square.right() + extra);
  } else {
    square.setTop(square.top() + extra);
    square.setBottom(square.bottom() + extra);
  }
  c->setMargins(square);
  c->layout()->activate();
  title_->setPos((size.width() - titleBox.width()) / 2, margins_.top());
  c->legend()->setGeometry(QRectF(0, size.height() - legendHeight - margins_.bottom(), size.width(),
                                  legendHeight));
  c->legend()->update();
}

void ChartView::PlaceMessage() {
  const QSizeF size = chart()->size();
  message_->setTextWidth(size.width() * 0.8);
  const QRectF box = message_->boundingRect();
  message_->setPos((size.width() - box.width()) / 2, (size.height() - box.height()) / 2);
}

void ChartView::PlaceLabels() {
  QChart* c = chart();
  const QRectF area = c->plotArea();
  std::vector<QLineF> curves;
  for (QAbstractSeries* series : c->series()) {
    const auto* line = qobject_cast<QLineSeries*>(series);
    if (line == nullptr) continue;
    const QList<QPointF> points = line->points();
    for (qsizetype k = 1; k < points.size(); ++k) {
      curves.emplace_back(c->mapToPosition(points[k - 1], series), c->mapToPosition(points[k], series));
    }
  }
  // Every label keeps off the curves, the markers and the labels placed before it, and stays inside the
  // plot area where it can.
  std::vector<QRectF> markers, placed;
  for (const Label& label : labels_) {
    const QPointF p = c->mapToPosition(label.at, label.series);
    markers.emplace_back(p.x() - 5, p.y() - 5, 10, 10);
  }
  for (const Label& label : labels_) {
    const QPointF p = c->mapToPosition(label.at, label.series);
    QRectF best;
    int bestScore = INT_MAX;
    const QRectF box = label.item->rect();
    // Close beside the marker where there is room; where markers and curves crowd, a little further off
    // on a leader line.
    for (const double gap : {kNearGap, kFarGap}) {
      for (const QRectF& place : LabelPlaces(p, box.size(), gap)) {
        int score = (area.contains(place) ? 0 : 50) + (gap == kFarGap ? 5 : 0);
        for (const QLineF& segment : curves) score += Crosses(segment, place) ? 10 : 0;
        for (const QRectF& marker : markers) score += marker.intersects(place) ? 30 : 0;
        // Two labels side by side read as one: they keep a few pixels apart.
        const QRectF spaced = place.adjusted(-4, -1, 4, 1);
        for (const QRectF& other : placed) score += other.intersects(spaced) ? 30 : 0;
        if (score < bestScore) {
          best = place;
          bestScore = score;
        }
      }
    }
    label.item->setPos(best.topLeft() - box.topLeft());
    const QPointF end(std::clamp(p.x(), best.left(), best.right()),
                      std::clamp(p.y(), best.top(), best.bottom()));
    label.leader->setLine(QLineF(p, end));
    label.leader->setVisible(QLineF(p, end).length() > kNearGap + 2);
    placed.push_back(best);
  }
}

void ChartView::Plot() {
  // Each chart is built afresh: a chart cleared in place keeps painting its old axes until the event loop
  // runs, and a picture taken at once would show both.
  QChart* c = EmptyChart();
  margins_ = c->margins();
  message_ = new QGraphicsTextItem(c);
  message_->setFont(Font(11));
  message_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
  labels_.clear();
  QChart* old = chart();
  setChart(c);
  delete old;
  connect(c, &QChart::plotAreaChanged, this, &ChartView::PlaceLabels);

  // A chart to one scale draws its title and legend itself, across the whole width (SquarePlotArea).
  title_ = nullptr;
  if (chart_.equalScale && chart_.Plottable()) {
    title_ = new QGraphicsSimpleTextItem(Q(chart_.title), c);
    title_->setFont(c->titleFont());
    title_->setBrush(c->titleBrush());
    c->legend()->detachFromChart();
    c->legend()->setAlignment(Qt::AlignBottom);
  } else {
    c->setTitle(Q(chart_.title));
  }
  c->legend()->setVisible(chart_.Plottable());
  message_->setPlainText(Q(chart_.message));
  message_->setVisible(!chart_.Plottable());
  if (!chart_.Plottable()) {
    PlaceMessage();
    return;
  }

  QCategoryAxis* x = Axis(chart_.x);
  QCategoryAxis* y = Axis(chart_.y);
  c->addAxis(x, Qt::AlignBottom);
  c->addAxis(y, Qt::AlignLeft);
  const auto add = [c, x, y](QXYSeries* series, bool inLegend) {
    c->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    for (QLegendMarker* marker : c->legend()->markers(series)) marker->setVisible(inLegend);
  };

  // The zero lines carry the chart: tension below, compression above, positive moments to the right.
  const QPen zeroPen(QColor(0x80, 0x80, 0x80), 1);
  if (chart_.y.min < 0 && chart_.y.max > 0) {
    auto* zero = new QLineSeries;
    zero->append(chart_.x.min, 0);
    zero->append(chart_.x.max, 0);
    zero->setPen(zeroPen);
    add(zero, false);
  }
  if (chart_.x.min < 0 && chart_.x.max > 0) {
    auto* zero = new QLineSeries;
    zero->append(0, chart_.y.min);
    zero->append(0, chart_.y.max);
    zero->setPen(zeroPen);
    add(zero, false);
  }

  for (const ChartSeries& s : chart_.series) {
    auto* line = new QLineSeries;
    line->setName(Q(s.name));
    QPen pen(Colour(SeriesColour(s.colour)), 2);
    if (s.style == SeriesStyle::Dashed) pen.setStyle(Qt::DashLine);
    line->setPen(pen);
    for (const PlotPoint& p : s.points) line->append(p.x, p.y);
    add(line, true);
  }

  for (const ChartMarker& marker : chart_.markers) {
    const bool load = marker.kind == MarkerKind::LoadCondition || marker.kind == MarkerKind::ExceededLoad;
    auto* point = new QScatterSeries;
    point->append(marker.at.x, marker.at.y);
    point->setMarkerShape(Symbol(marker.kind));
    point->setMarkerSize(marker.kind == MarkerKind::ExceededLoad ? 12 : load ? 9 : 10);
    point->setColor(Colour(MarkerColour(marker.kind)));
    point->setBorderColor(Qt::white);
    const QString tip = Q(marker.tip);
    connect(point, &QScatterSeries::hovered, this, [tip](const QPointF&, bool entered) {
      if (entered) {
        QToolTip::showText(QCursor::pos(), tip);
      } else {
        QToolTip::hideText();
      }
    });
    point->setName(Q(marker.legend));
    add(point, !marker.legend.empty());
    // A light backing keeps the text readable where a grid line or a curve runs behind it.
    auto* label = new QGraphicsRectItem(c);
    auto* text = new QGraphicsSimpleTextItem(Q(marker.label), label);
    text->setFont(Font(9, load));
    label->setRect(text->boundingRect().adjusted(-1, 0, 1, 0));
    label->setBrush(QColor(255, 255, 255, 235));
    label->setPen(Qt::NoPen);
    auto* leader = new QGraphicsLineItem(c);
    leader->setPen(QPen(QColor(0x60, 0x60, 0x60), 0.8));
    labels_.push_back({label, leader, QPointF(marker.at.x, marker.at.y), point});
  }
  // Lay the chart out now, so that the labels find their places and a picture taken at once is complete.
  c->layout()->activate();
  SquarePlotArea();
  PlaceLabels();
}

}  // namespace tarnix
