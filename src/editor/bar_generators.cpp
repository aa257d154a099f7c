// Bar patterns of the single-bar list.
#include "editor/bar_generators.h"

#include <cmath>

#include "base/conventions.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

// From the concrete face to the centre of a bar inside the tie.
double Inset(float cover, float tie, float bar) {
  return static_cast<double>(cover) + tie + static_cast<double>(bar) / 2;
}

bool Measured(std::initializer_list<float> values) {
  for (float v : values)
    if (!std::isfinite(v) || v < 0) return false;
  return true;
}

// Position `i` of `n` evenly from a to b (the first at a, the last at b).
double Between(double a, double b, int i, int n) { return a + (b - a) * i / (n - 1); }

}  // namespace

GeneratedBars RectangularBars(const RectangularPattern& p) {
  GeneratedBars out;
  if (p.barsX < 2 || p.barsY < 2) {
    out.problem = "at least 2 bars on each face (the corner bars)";
    return out;
  }
  if (!Measured({p.width, p.depth, p.cover, p.tieDiameter, p.barDiameter}) || !std::isfinite(p.left) ||
      !std::isfinite(p.top) || !(p.barArea > 0)) {
    out.problem = "the dimensions, cover, sizes and bar area must be numbers, the area above 0";
    return out;
  }
  const double inset = Inset(p.cover, p.tieDiameter, p.barDiameter);
  if (2 * inset >= p.width || 2 * inset >= p.depth) {
    out.problem = "the bars do not fit inside the tie of the rectangle";
    return out;
  }
  const double x0 = p.left + inset, x1 = static_cast<double>(p.left) + p.width - inset;
  const double y0 = p.top + inset, y1 = static_cast<double>(p.top) + p.depth - inset;
  const auto bar = [&](double x, double y) {
    out.bars.push_back({static_cast<float>(x), static_cast<float>(y), p.barArea});
  };
  for (int i = 0; i < p.barsX; ++i) bar(Between(x0, x1, i, p.barsX), y0);          // top, left to right
  for (int j = 1; j + 1 < p.barsY; ++j) bar(x1, Between(y0, y1, j, p.barsY));      // right side, down
  for (int i = p.barsX - 1; i >= 0; --i) bar(Between(x0, x1, i, p.barsX), y1);     // bottom, right to left
  for (int j = p.barsY - 2; j >= 1; --j) bar(x0, Between(y0, y1, j, p.barsY));     // left side, up
  return out;
}

GeneratedBars CircularBars(const CircularPattern& p) {
  GeneratedBars out;
  if (p.count < 1) {
    out.problem = "at least 1 bar";
    return out;
  }
  if (!Measured({p.radius, p.outerRadius, p.cover, p.tieDiameter, p.barDiameter}) || !std::isfinite(p.xc) ||
      !std::isfinite(p.yc) || !std::isfinite(p.startAngle) || !(p.barArea > 0)) {
    out.problem = "the dimensions, cover, sizes and bar area must be numbers, the area above 0";
    return out;
  }
  const double radius =
      p.radius > 0 ? p.radius : p.outerRadius - Inset(p.cover, p.tieDiameter, p.barDiameter);
  if (!(radius > 0)) {
    out.problem = "the bars do not fit inside the tie of the circle";
    return out;
  }
  for (int i = 0; i < p.count; ++i) {
    const double angle = (p.startAngle + 360.0 * i / p.count) * std::acos(-1.0) / 180;
    // Depth grows downward: a bar above the centre has the smaller depth.
    out.bars.push_back({static_cast<float>(p.xc + radius * std::cos(angle)),
                        static_cast<float>(p.yc - radius * std::sin(angle)), p.barArea});
  }
  return out;
}

RectangularPattern RectangularPatternFor(const ProjectModel& m) {
  RectangularPattern p;
  if (m.currentRect >= 1 && m.currentRect <= ListSize(m.nr) && m.currentRect < static_cast<int>(m.rects.size())) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(m.currentRect)];
    p.left = r.X - r.W / 2;
    p.top = r.Yt;
    p.width = r.W;
    p.depth = r.D;
  }
  return p;
}

CircularPattern CircularPatternFor(const ProjectModel& m) {
  CircularPattern p;
  p.count = 8;
  p.startAngle = 90;
  if (m.currentCirc >= 1 && m.currentCirc <= ListSize(m.nc) && m.currentCirc < static_cast<int>(m.circles.size())) {
    const ConcreteCircle& c = m.circles[static_cast<size_t>(m.currentCirc)];
    p.xc = c.Xc;
    p.yc = c.Yc;
    p.outerRadius = c.Rc;
  }
  return p;
}

bool PlaceBars(ProjectModel& m, const std::vector<SingleBar>& bars, bool replace) {
  const int first = replace ? 1 : ListSize(m.nsb) + 1;
  const int count = first - 1 + static_cast<int>(bars.size());
  if (bars.empty() || count > kMaxRecordCount) return false;
  m.singleBars.resize(static_cast<size_t>(first));  // storage beyond the list is let go
  m.singleBars.insert(m.singleBars.end(), bars.begin(), bars.end());
  m.nsb = count;
  m.currentSingleBar = first;
  m.modified = 1;
  return true;
}

}  // namespace tarnix
