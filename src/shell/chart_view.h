// A chart of the plot layer drawn with Qt Charts: the plot layer's axis ticks and labels, its series and
// labelled markers, the values of a marker under the pointer, or the reason why there is nothing to plot.
#pragma once

#include <QChartView>
#include <vector>

#include "plot/chart_data.h"

class QAbstractSeries;
class QGraphicsLineItem;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QGraphicsTextItem;

namespace tarnix {

class ChartView : public QChartView {
  Q_OBJECT

 public:
  explicit ChartView(QWidget* parent = nullptr);
  /// Replaces what the view shows by `chart`.
  void ShowChart(const Chart& chart);
  /// The chart shown.
  const Chart& Shown() const { return chart_; }
  /// The text shown instead of axes, empty while the chart is plotted.
  QString Message() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A marker's label and the point it names.
  struct Label {
    QGraphicsRectItem* item;    ///< the text on its backing
    QGraphicsLineItem* leader;  ///< from the marker to a label set further off
    QPointF at;
    QAbstractSeries* series;
  };

  void Plot();
  void PlaceMessage();
  void PlaceLabels();
  void SquarePlotArea();

  Chart chart_;
  QMargins margins_;  // the chart's own margins, widened on one side for a square plot area
  QGraphicsTextItem* message_;
  QGraphicsSimpleTextItem* title_ = nullptr;  // the title of a chart to one scale
  std::vector<Label> labels_;
};

}  // namespace tarnix
