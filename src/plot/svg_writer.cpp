// A small SVG writer for the charts and the section drawing.
#include "plot/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "base/number_format.h"
#include "model/file_write.h"
#include "model/project_model.h"
#include "plot/surface_charts.h"

namespace tarnix {
namespace {

std::string N(double v) { return FormatFixed(v, 2); }

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Header(double width, double height) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         N(width) + "\" height=\"" + N(height) + "\" viewBox=\"0 0 " + N(width) + " " + N(height) +
         "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n<rect width=\"100%\" height=\"100%\" "
         "fill=\"#ffffff\"/>\n";
}

std::string Text(double x, double y, const std::string& text, const std::string& attributes = "") {
  return "<text x=\"" + N(x) + "\" y=\"" + N(y) + "\"" + (attributes.empty() ? "" : " " + attributes) + ">" +
         Escaped(text) + "</text>\n";
}

// Text centred on (x, y), reading upward.
std::string VerticalText(double x, double y, const std::string& text, const std::string& attributes) {
  return "<text x=\"0\" y=\"0\" " + attributes + " text-anchor=\"middle\" transform=\"translate(" + N(x) +
         " " + N(y) + ") rotate(-90)\">" + Escaped(text) + "</text>\n";
}

std::string Line(double x1, double y1, double x2, double y2, const std::string& attributes) {
  return "<line x1=\"" + N(x1) + "\" y1=\"" + N(y1) + "\" x2=\"" + N(x2) + "\" y2=\"" + N(y2) + "\" " +
         attributes + "/>\n";
}

// Maps chart values to document pixels inside the frame's plot area.
struct ChartMap {
  const Chart& chart;
  const SvgFrame& f;
  double Width() const { return f.width - f.left - f.right; }
  double Height() const { return f.height - f.top - f.bottom; }
  double X(double x) const { return f.left + (x - chart.x.min) / (chart.x.max - chart.x.min) * Width(); }
  double Y(double y) const { return f.top + (chart.y.max - y) / (chart.y.max - chart.y.min) * Height(); }
};

std::string MarkerSymbol(MarkerKind kind, double x, double y, const char* colour) {
  const std::string fill = "fill=\"" + std::string(colour) + "\"";
  switch (kind) {
    case MarkerKind::SpecialPoint:
      return "<circle cx=\"" + N(x) + "\" cy=\"" + N(y) + "\" r=\"4.5\" " + fill + "/>";
    case MarkerKind::LoadCondition:
      return "<rect x=\"" + N(x - 4) + "\" y=\"" + N(y - 4) + "\" width=\"8\" height=\"8\" " + fill + "/>";
    case MarkerKind::ExceededLoad:  // a diamond, larger than the square of a load within its capacity
      return "<path d=\"M" + N(x) + " " + N(y - 6) + " L" + N(x + 6) + " " + N(y) + " L" + N(x) + " " +
             N(y + 6) + " L" + N(x - 6) + " " + N(y) + " Z\" " + fill + "/>";
    case MarkerKind::Event:
      return "<path d=\"M" + N(x) + " " + N(y - 5) + " L" + N(x + 5) + " " + N(y + 4) + " L" + N(x - 5) +
             " " + N(y + 4) + " Z\" " + fill + "/>";
  }
  return "";
}

std::string Axes(const ChartMap& map) {
  const Chart& c = map.chart;
  const SvgFrame& f = map.f;
  std::string svg = "<g stroke=\"#d9d9d9\" stroke-width=\"1\">\n";
  for (const AxisTick& t : c.x.ticks)
    svg += Line(map.X(t.value), f.top, map.X(t.value), f.top + map.Height(), "");
  for (const AxisTick& t : c.y.ticks)
    svg += Line(f.left, map.Y(t.value), f.left + map.Width(), map.Y(t.value), "");
  svg += "</g>\n";
  // The zero lines carry the chart: tension below, compression above, positive moments to the right.
  if (c.x.min < 0 && c.x.max > 0) {
    svg += Line(map.X(0), f.top, map.X(0), f.top + map.Height(), "stroke=\"#808080\" stroke-width=\"1\"");
  }
  if (c.y.min < 0 && c.y.max > 0) {
    svg += Line(f.left, map.Y(0), f.left + map.Width(), map.Y(0), "stroke=\"#808080\" stroke-width=\"1\"");
  }
  svg += "<rect x=\"" + N(f.left) + "\" y=\"" + N(f.top) + "\" width=\"" + N(map.Width()) + "\" height=\"" +
         N(map.Height()) + "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"1\"/>\n";
  svg += "<g font-size=\"12\" fill=\"#000000\">\n";
  for (const AxisTick& t : c.x.ticks) {
    svg += Text(map.X(t.value), f.top + map.Height() + 18, t.label, "text-anchor=\"middle\"");
  }
  for (const AxisTick& t : c.y.ticks)
    svg += Text(f.left - 8, map.Y(t.value) + 4, t.label, "text-anchor=\"end\"");
  svg += "</g>\n";
  const double midX = f.left + map.Width() / 2, midY = f.top + map.Height() / 2;
  svg += Text(midX, f.height - 18, c.x.Caption(), "font-size=\"14\" text-anchor=\"middle\"");
  svg += VerticalText(22, midY, c.y.Caption(), "font-size=\"14\"");
  return svg;
}

std::string Legend(const ChartMap& map) {
  const Chart& c = map.chart;
  std::string svg = "<g font-size=\"12\">\n";
  std::vector<const ChartMarker*> named;  // the markers that name a legend entry
  for (const ChartMarker& m : c.markers)
    if (!m.legend.empty()) named.push_back(&m);
  const double rows = static_cast<double>(c.series.size() + named.size());
  const double boxHeight = 20.0 * rows + 6;
  double y = c.legend == LegendPlace::BottomRight ? map.f.top + map.Height() - boxHeight - 4 : map.f.top + 18;
  const double x = map.f.left + map.Width() + (c.legend == LegendPlace::OutsideRight ? 24 : -230);
  svg += "<rect x=\"" + N(x - 8) + "\" y=\"" + N(y - 14) + "\" width=\"232\" height=\"" +
         N(boxHeight) +
         "\" fill=\"#ffffff\" fill-opacity=\"0.85\" stroke=\"#bfbfbf\"/>\n";
  for (const ChartSeries& s : c.series) {
    svg += Line(x, y - 4, x + 28, y - 4,
                "stroke=\"" + std::string(SeriesColour(s.colour)) + "\" stroke-width=\"2\"" +
                    (s.style == SeriesStyle::Dashed ? " stroke-dasharray=\"6 4\"" : ""));
    svg += Text(x + 36, y, s.name);
    y += 20;
  }
  for (const ChartMarker* m : named) {
    svg += MarkerSymbol(m->kind, x + 14, y - 4, MarkerColour(m->kind));
    svg += Text(x + 36, y, m->legend);
    y += 20;
  }
  return svg + "</g>\n";
}

// Length units of the drawing to document pixels, one scale for both directions.
struct DrawingMap {
  double scale = 1, originX = 0, originY = 0, left = 0, top = 0;
  double X(double x) const { return originX + (x - left) * scale; }
  double Y(double y) const { return originY + (y - top) * scale; }
};

const char* ShapeFill(ShapeRole role) {
  switch (role) {
    case ShapeRole::Concrete:
      return "#d0d0d0";
    case ShapeRole::Hole:
      return "#ffffff";
    case ShapeRole::Steel:
      return "#5b7fa6";
    case ShapeRole::Pipe:
      return "none";
    case ShapeRole::Bar:
      return "#202020";
  }
  return "none";
}

std::string Shape(const DrawShape& s, const DrawingMap& map) {
  const std::string fill = std::string("fill=\"") + ShapeFill(s.role) + "\"";
  const std::string stroke = s.role == ShapeRole::Bar ? "" : " stroke=\"#303030\" stroke-width=\"1\"";
  switch (s.kind) {
    case ShapeKind::Rectangle:
      return "<rect x=\"" + N(map.X(s.x)) + "\" y=\"" + N(map.Y(s.y)) + "\" width=\"" + N(s.w * map.scale) +
             "\" height=\"" + N(s.h * map.scale) + "\" " + fill + stroke + "/>\n";
    case ShapeKind::Circle:
      return "<circle cx=\"" + N(map.X(s.x)) + "\" cy=\"" + N(map.Y(s.y)) + "\" r=\"" +
             N(std::max(s.r * map.scale, 1.0)) + "\" " + fill + stroke + "/>\n";
    case ShapeKind::Ring:
      return "<circle cx=\"" + N(map.X(s.x)) + "\" cy=\"" + N(map.Y(s.y)) + "\" r=\"" + N(s.r * map.scale) +
             "\" fill=\"none\" stroke=\"" + ShapeFill(ShapeRole::Steel) + "\" stroke-width=\"" +
             N(std::max(s.t * map.scale, 1.0)) + "\"/>\n";
    case ShapeKind::Polygon: {
      std::string points;
      for (const Vertex& v : s.corners) points += (points.empty() ? "" : " ") + N(map.X(v.x)) + "," + N(map.Y(v.y));
      return "<polygon points=\"" + points + "\" " + fill + stroke + "/>\n";
    }
  }
  return "";
}

std::string DimensionLine(const Dimension& d, const DrawingMap& map) {
  const double x1 = map.X(d.x1), y1 = map.Y(d.y1), x2 = map.X(d.x2), y2 = map.Y(d.y2);
  const bool horizontal = y1 == y2;
  std::string svg = Line(x1, y1, x2, y2, "stroke=\"#000000\" stroke-width=\"1\"");
  // Short ticks across the ends, as on a drawing.
  for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
    svg += horizontal ? Line(x, y - 5, x, y + 5, "stroke=\"#000000\"")
                      : Line(x - 5, y, x + 5, y, "stroke=\"#000000\"");
  }
  const double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
  if (horizontal) return svg + Text(mx, my - 7, d.text, "font-size=\"13\" text-anchor=\"middle\"");
  return svg + VerticalText(mx - 7, my, d.text, "font-size=\"13\"");
}

}  // namespace

SvgFrame ChartFrame(const Chart& chart) {
  // A 580 x 580 plot area, and room on the right for the legend.
  if (chart.equalScale) return SvgFrame{940, 700, 90, 50, 270, 70};
  return {};
}

std::string ChartSvg(const Chart& chart) { return ChartSvg(chart, ChartFrame(chart)); }

std::string ChartSvg(const Chart& chart, const SvgFrame& frame) {
  std::string svg = Header(frame.width, frame.height);
  svg +=
      Text(frame.width / 2, 30, chart.title, "font-size=\"18\" font-weight=\"bold\" text-anchor=\"middle\"");
  if (!chart.Plottable() || !(chart.x.max > chart.x.min) || !(chart.y.max > chart.y.min)) {
    return svg +
           Text(frame.width / 2, frame.height / 2, chart.message, "font-size=\"14\" text-anchor=\"middle\"") +
           "</svg>\n";
  }
  const ChartMap map{chart, frame};
  svg += Axes(map);
  for (const ChartSeries& s : chart.series) {
    svg += "<polyline fill=\"none\" stroke=\"" + std::string(SeriesColour(s.colour)) +
           "\" stroke-width=\"2\"" + (s.style == SeriesStyle::Dashed ? " stroke-dasharray=\"6 4\"" : "") +
           " points=\"";
    for (size_t k = 0; k < s.points.size(); ++k) {
      svg += (k == 0 ? "" : " ") + N(map.X(s.points[k].x)) + "," + N(map.Y(s.points[k].y));
    }
    svg += "\"><title>" + Escaped(s.name) + "</title></polyline>\n";
  }
  for (const ChartMarker& marker : chart.markers) {
    const double x = map.X(marker.at.x), y = map.Y(marker.at.y);
    // The tip becomes the element's title: a browser shows the values when the pointer rests on the marker.
    svg += "<g>" + MarkerSymbol(marker.kind, x, y, MarkerColour(marker.kind)) + "<title>" +
           Escaped(marker.tip) + "</title></g>\n";
    // Labels near the right edge go to the left of their marker so that they stay inside the document.
    const bool flip = x > frame.width - frame.right - 110;
    svg += Text(flip ? x - 7 : x + 7, y - 7, marker.label,
                flip ? "font-size=\"12\" text-anchor=\"end\"" : "font-size=\"12\"");
  }
  return svg + Legend(map) + "</svg>\n";
}

std::string SectionSvg(const SectionDrawing& drawing, double width, double height) {
  std::string svg = Header(width, height);
  const double margin = 40;
  if (!drawing.Drawable()) {
    return svg + Text(width / 2, height / 2, drawing.message, "font-size=\"14\" text-anchor=\"middle\"") +
           "</svg>\n";
  }
  const double w = drawing.right - drawing.left, h = drawing.bottom - drawing.top;
  DrawingMap map;
  map.scale = std::min((width - 2 * margin) / w, (height - 2 * margin - 24) / h);
  map.left = drawing.left;
  map.top = drawing.top;
  map.originX = (width - w * map.scale) / 2;
  map.originY = margin;
  // The compression zone over the added concrete (its clip), under the holes, the steel and the bars.
  std::string clip, zone;
  for (const DrawShape& s : drawing.shapes) {
    if (s.role == ShapeRole::Concrete) clip += Shape(s, map);
  }
  for (const Vertex& v : drawing.compressionZone)
    zone += (zone.empty() ? "" : " ") + N(map.X(v.x)) + "," + N(map.Y(v.y));
  const std::string zoneSvg =
      zone.empty() ? std::string()
                   : "<clipPath id=\"concrete\">\n" + clip + "</clipPath>\n<polygon points=\"" + zone +
                         "\" fill=\"#e08030\" fill-opacity=\"0.43\" clip-path=\"url(#concrete)\"/>\n";
  bool zoneDrawn = false;
  for (const DrawShape& s : drawing.shapes) {
    if (!zoneDrawn && s.role != ShapeRole::Concrete) {
      svg += zoneSvg;
      zoneDrawn = true;
    }
    svg += "<g>" + Shape(s, map) + "<title>" + Escaped(s.tip) + "</title></g>\n";
  }
  if (!zoneDrawn) svg += zoneSvg;
  for (const DrawLine& line : drawing.lines) {
    const double x1 = map.X(line.x1), y1 = map.Y(line.y1), x2 = map.X(line.x2), y2 = map.Y(line.y2);
    const char* style = line.role == LineRole::CoordinateAxis  ? "stroke=\"#707070\" stroke-width=\"1\""
                        : line.role == LineRole::PrincipalAxis ? "stroke=\"#1f6f3f\" stroke-dasharray=\"9 3 2 3\""
                                                               : "stroke=\"#c01010\" stroke-width=\"2\" "
                                                                 "stroke-dasharray=\"8 4\"";
    svg += Line(x1, y1, x2, y2, style);
    const double length = std::hypot(x2 - x1, y2 - y1);
    const double ux = length > 0 ? (x2 - x1) / length : 0, uy = length > 0 ? (y2 - y1) / length : 0;
    if (line.role == LineRole::CoordinateAxis) {
      // The arrowhead as a triangle, 8 px long and 6 px wide.
      svg += "<polygon points=\"" + N(x2) + "," + N(y2) + " " + N(x2 - 8 * ux - 3 * uy) + "," +
             N(y2 - 8 * uy + 3 * ux) + " " + N(x2 - 8 * ux + 3 * uy) + "," + N(y2 - 8 * uy - 3 * ux) +
             "\" fill=\"#707070\"/>\n";
    }
    // A coordinate axis's label beside its arrow (above the x axis, right of the y axis).
    const double side = line.role == LineRole::CoordinateAxis ? 10 : 0;
    const double ahead = line.role == LineRole::CoordinateAxis ? 2 : 10;
    svg += Text(x2 + ahead * ux + side * uy, y2 + ahead * uy - side * ux + 4, line.label,
                "font-size=\"12\" text-anchor=\"middle\"");
  }
  if (drawing.hasCentroid) {
    const double x = map.X(drawing.centroidX), y = map.Y(drawing.centroidY);
    svg += "<circle cx=\"" + N(x) + "\" cy=\"" + N(y) +
           "\" r=\"6\" fill=\"#ffffff\" stroke=\"#000000\"><title>Gross concrete centroid</title></circle>\n";
    svg += "<path d=\"M" + N(x) + "," + N(y) + " h6 a6,6 0 0,0 -6,-6 z M" + N(x) + "," + N(y) +
           " h-6 a6,6 0 0,0 6,6 z\" fill=\"#000000\"/>\n";
  }
  for (const Dimension& d : drawing.dimensions) svg += DimensionLine(d, map);
  return svg + Text(width / 2, height - 12, drawing.status, "font-size=\"12\" text-anchor=\"middle\"") +
         "</svg>\n";
}

bool WriteSvgFiles(const ProjectModel& m, const std::string& folder) {
  const std::filesystem::path dir(folder);
  auto write = [&dir](const char* name, const std::string& text) {
    return ReplaceFileContent((dir / name).string(), text);
  };
  if (!write("section.svg", SectionSvg(DrawSection(m)))) return false;
  if (!write("interaction.svg", ChartSvg(InteractionChart(m)))) return false;
  if (IsTwoDimensional(m)) {
    for (int k = 1; k <= ListSize(m.ns); ++k) {
      const std::string contour = "contour_" + std::to_string(k) + ".svg";
      const std::string direction = "pm_" + std::to_string(k) + ".svg";
      if (!write(contour.c_str(), ChartSvg(MomentContourChart(m, k))) ||
          !write(direction.c_str(), ChartSvg(LoadDirectionChart(m, k)))) {
        return false;
      }
    }
  }
  if (!IsSet(m.OutputMomentCurvature) || !m.momentCurvature.ran()) return true;
  for (int k = 1; k <= ListSize(m.ns); ++k) {
    const std::string name = "mc_" + std::to_string(k) + ".svg";
    if (!write(name.c_str(), ChartSvg(MomentCurvatureChart(m, k)))) return false;
  }
  return true;
}

}  // namespace tarnix
