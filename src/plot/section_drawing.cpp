// Drawing primitives of the cross-section.
#include "plot/section_drawing.h"

#include <algorithm>
#include <cmath>

#include "model/project_model.h"
#include "base/number_format.h"
#include "section/geometry.h"

namespace tarnix {
namespace {

constexpr double kDegrees = 3.14159265358979323846 / 180.0;

template <typename Record>
const Record& At(const std::vector<Record>& records, int number) {
  return records[static_cast<size_t>(number)];
}

struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool empty = true;
  void Add(double l, double t, double r, double b) {
    if (!(std::isfinite(l) && std::isfinite(t) && std::isfinite(r) && std::isfinite(b))) return;
    if (empty) {
      *this = {l, t, r, b, false};
      return;
    }
    left = std::min(left, l);
    top = std::min(top, t);
    right = std::max(right, r);
    bottom = std::max(bottom, b);
  }
  void Add(const DrawShape& s) {
    if (s.kind == ShapeKind::Rectangle) return Add(s.x, s.y, s.x + s.w, s.y + s.h);
    if (s.kind == ShapeKind::Polygon) {
      for (const Vertex& v : s.corners) Add(v.x, v.y, v.x, v.y);
      return;
    }
    const double r = s.kind == ShapeKind::Ring ? s.r + s.t / 2 : s.r;
    Add(s.x - r, s.y - r, s.x + r, s.y + r);
  }
};

DrawShape Rectangle(ShapeRole role, double centre, double top, double width, double depth, RecordKind source,
                    int record) {
  DrawShape s;
  s.source = source;
  s.record = record;
  s.kind = ShapeKind::Rectangle;
  s.role = role;
  s.x = centre - width / 2;
  s.y = top;
  s.w = width;
  s.h = depth;
  return s;
}

DrawShape Circle(ShapeRole role, double x, double y, double r, RecordKind source, int record) {
  DrawShape s;
  s.source = source;
  s.record = record;
  s.kind = ShapeKind::Circle;
  s.role = role;
  s.x = x;
  s.y = y;
  s.r = r;
  return s;
}

// Half the width of the added concrete at a depth, and the depth of its top there; 0 and the depth itself
// where there is no concrete.
struct Face {
  double halfWidth = 0;
  double top = 0;
};
Face ConcreteFace(const ProjectModel& m, double depth) {
  Face face{0, depth};
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = At(m.rects, i);
    if (r.rsign < 0 || depth < r.Yt || depth > r.Yt + r.D) continue;
    face.halfWidth = std::max(face.halfWidth, r.W / 2.0);
    face.top = std::min(face.top, static_cast<double>(r.Yt));
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = At(m.circles, i);
    const double dy = depth - c.Yc;
    if (c.csign < 0 || std::abs(dy) > c.Rc) continue;
    face.halfWidth = std::max(face.halfWidth, std::sqrt(static_cast<double>(c.Rc) * c.Rc - dy * dy));
    face.top = std::min(face.top, static_cast<double>(c.Yc - c.Rc));
  }
  return face;
}

// A shape that can be drawn: finite, with a positive size. A record just added reads 0 everywhere, and
// half-typed values may be negative; such records have nothing to show yet.
bool Drawn(const DrawShape& s) {
  const bool finite = std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.w) && std::isfinite(s.h) &&
                      std::isfinite(s.r) && std::isfinite(s.t);
  switch (s.kind) {
    case ShapeKind::Rectangle: return finite && s.w > 0 && s.h > 0;
    case ShapeKind::Circle: return finite && (s.r > 0 || s.role == ShapeRole::Bar);
    case ShapeKind::Ring: return finite && s.r > 0 && s.t > 0;
    case ShapeKind::Polygon:
      return s.corners.size() >= 3 && std::all_of(s.corners.begin(), s.corners.end(), [](const Vertex& v) {
               return std::isfinite(v.x) && std::isfinite(v.y);
             });
  }
  return false;
}

bool IsVertical(const ReinforcingLine& line) {
  return line.Nbl >= 2 &&
         std::abs(line.Lb * std::cos(line.Ab * kDegrees)) <= 1e-6 * std::max(1.0f, std::abs(line.Lb));
}

// Horizontal positions of the bars of a line. The model keeps only the depths of the bars: a horizontal or
// inclined line is centred on the section's axis.
std::vector<double> LineBarOffsets(const ReinforcingLine& line) {
  std::vector<double> x(static_cast<size_t>(std::max(line.Nbl, 0)), 0.0);
  if (line.Nbl < 2 || IsVertical(line)) return x;
  const double run = line.Lb * std::cos(line.Ab * kDegrees);
  for (int j = 1; j <= line.Nbl; ++j)
    x[static_cast<size_t>(j - 1)] = run * (j - 1) / (line.Nbl - 1) - run / 2;
  return x;
}

// Where the vertical lines (side bars) stand: in line with the outermost bars of the other lines, as side
// bars usually are; without other lines, at the concrete face less the cover of the topmost bar.
double SideBarOffset(const ProjectModel& m) {
  double outermost = 0, topBar = INFINITY, low = -INFINITY;
  for (int i = 1; i <= ListSize(m.nl); ++i) {
    const ReinforcingLine& line = At(m.lines, i);
    for (double x : LineBarOffsets(line)) outermost = std::max(outermost, std::abs(x));
    for (int j = 1; j <= line.Nbl; ++j) {
      topBar = std::min(topBar, static_cast<double>(LineBarDepth(line, j)));
      low = std::max(low, static_cast<double>(LineBarDepth(line, j)));
    }
  }
  if (outermost > 0 || !std::isfinite(topBar)) return outermost;
  const Face face = ConcreteFace(m, (topBar + low) / 2);
  return std::max(0.0, face.halfWidth - std::max(0.0, topBar - face.top));
}

bool IsHorizontal(const ReinforcingLine& line) {
  return line.Nbl < 2 || std::abs(std::sin(line.Ab * kDegrees)) < 1e-6;
}

std::string Length(double value, const char* unit) {
  return FormatPlain(RoundHalfAway(value, 2)) + " " + unit;
}

const char* RoleName(ShapeRole role) {
  switch (role) {
    case ShapeRole::Concrete:
      return "concrete";
    case ShapeRole::Hole:
      return "hole";
    case ShapeRole::Steel:
      return "steel";
    case ShapeRole::Pipe:
      return "pipe";
    case ShapeRole::Bar:
      return "bar";
  }
  return "";
}

const char* KindName(ShapeKind kind) {
  switch (kind) {
    case ShapeKind::Rectangle:
      return "rectangle";
    case ShapeKind::Circle:
      return "circle";
    case ShapeKind::Ring:
      return "ring";
    case ShapeKind::Polygon:
      return "polygon";
  }
  return "";
}

}  // namespace

SectionDrawing DrawSection(const ProjectModel& m) {
  SectionDrawing drawing;
  if (BarCount(m) > kMaxBarCount) {
    drawing.message = drawing.status = "The section has more than 100000 reinforcing bars to draw";
    return drawing;
  }
  std::vector<DrawShape> holes, bars;
  Box outline;  // concrete and steel: what the dimensions measure
  // Added concrete is drawn first and measured; subtracted concrete is drawn over it, as holes.
  const auto placeConcrete = [&](const DrawShape& s, bool subtracted) {
    if (!Drawn(s)) return;
    if (subtracted) {
      holes.push_back(s);
      return;
    }
    drawing.shapes.push_back(s);
    outline.Add(s);
  };
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = At(m.rects, i);
    const ShapeRole role = r.rsign < 0 ? ShapeRole::Hole : ShapeRole::Concrete;
    placeConcrete(Rectangle(role, r.X, r.Yt, r.W, r.D, RecordKind::ConcreteRect, i), r.rsign < 0);
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = At(m.circles, i);
    const ShapeRole role = c.csign < 0 ? ShapeRole::Hole : ShapeRole::Concrete;
    placeConcrete(Circle(role, c.Xc, c.Yc, c.Rc, RecordKind::ConcreteCircle, i), c.csign < 0);
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    const ConcretePolygon& p = At(m.polygons, i);
    DrawShape s;
    s.kind = ShapeKind::Polygon;
    s.role = p.psign < 0 ? ShapeRole::Hole : ShapeRole::Concrete;
    s.source = RecordKind::ConcretePolygon;
    s.record = i;
    s.corners = p.vertices;
    placeConcrete(s, p.psign < 0);
  }
  drawing.exact = holes.empty() && ListSize(m.np) <= 1;
  drawing.shapes.insert(drawing.shapes.end(), holes.begin(), holes.end());

  for (int i = 1; i <= ListSize(m.nb); ++i) {
    const SteelRect& b = At(m.steelRects, i);
    const DrawShape s = Rectangle(ShapeRole::Steel, b.Xcb, b.Ytb, b.Wb, b.Db, RecordKind::SteelRect, i);
    if (!Drawn(s)) continue;
    drawing.shapes.push_back(s);
    outline.Add(s);
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const SteelPipe& p = At(m.pipes, i);
    DrawShape s = Circle(ShapeRole::Pipe, p.Xcp, p.Ycp, p.Rcp, RecordKind::SteelPipe, i);
    s.kind = ShapeKind::Ring;
    s.t = p.tp;
    if (!Drawn(s)) continue;
    drawing.shapes.push_back(s);
    outline.Add(s);
  }

  // Bars are drawn to their area; a bar without area still shows where it is.
  const double span =
      outline.empty ? 1.0 : std::max(outline.right - outline.left, outline.bottom - outline.top);
  auto barRadius = [span](float area) {
    return area > 0 ? std::sqrt(area / 3.14159265358979323846) : 0.01 * span;
  };
  // A section with horizontal positions is drawn as it stands. In one without, every record is on the
  // axis: vertical lines (side bars) alternate between the left and the right side.
  const bool placed = IsTwoDimensional(m);
  const double side = placed ? 0 : SideBarOffset(m);
  int verticalLines = 0;
  for (int i = 1; i <= ListSize(m.nl); ++i) {
    const ReinforcingLine& line = At(m.lines, i);
    if (!placed && !IsHorizontal(line)) drawing.exact = false;
    std::vector<double> x = LineBarOffsets(line);
    if (!placed && IsVertical(line)) std::fill(x.begin(), x.end(), verticalLines++ % 2 == 0 ? -side : side);
    for (int j = 1; j <= line.Nbl; ++j) {
      const double bx = placed ? LineBarX(line, j) : x[static_cast<size_t>(j - 1)];
      const DrawShape bar =
          Circle(ShapeRole::Bar, bx, LineBarDepth(line, j), barRadius(line.Abl), RecordKind::ReinforcingLine, i);
      if (Drawn(bar)) bars.push_back(bar);
    }
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    ReinforcingArc arc = At(m.arcs, i);
    NormalizeFullArc(arc);
    for (int j = 1; j <= arc.Nba; ++j) {
      const double angle =
          arc.Nba < 2 ? arc.Abeg : arc.Abeg + static_cast<double>(arc.Atot) * (j - 1) / (arc.Nba - 1);
      const DrawShape bar = Circle(ShapeRole::Bar, arc.X0 + arc.R0 * std::cos(angle * kDegrees),
                                   ArcBarDepth(arc, j), barRadius(arc.Aba), RecordKind::ReinforcingArc, i);
      if (Drawn(bar)) bars.push_back(bar);
    }
  }
  for (int i = 1; i <= ListSize(m.nsb); ++i) {
    const SingleBar& b = At(m.singleBars, i);
    const DrawShape bar = Circle(ShapeRole::Bar, b.x, b.y, barRadius(b.area), RecordKind::SingleBar, i);
    if (Drawn(bar)) bars.push_back(bar);
  }
  drawing.shapes.insert(drawing.shapes.end(), bars.begin(), bars.end());

  Box all = outline;
  for (const DrawShape& s : drawing.shapes) all.Add(s);
  if (all.empty || !(all.right > all.left) || !(all.bottom > all.top)) {
    drawing.shapes.clear();
    drawing.message = "The section has nothing to draw";
    drawing.status = drawing.message;
    return drawing;
  }

  const char* unit = m.unitSystem().Label(UnitKind::Length);
  const Box& measured = outline.empty ? all : outline;
  const double gap = 0.08 * std::max(all.right - all.left, all.bottom - all.top);
  const double dimTop = all.top - gap, dimLeft = all.left - gap;
  drawing.dimensions.push_back(
      {measured.left, dimTop, measured.right, dimTop, Length(measured.right - measured.left, unit)});
  drawing.dimensions.push_back(
      {dimLeft, measured.top, dimLeft, measured.bottom, Length(measured.bottom - measured.top, unit)});
  drawing.left = dimLeft;
  drawing.top = dimTop;
  drawing.right = all.right;
  drawing.bottom = all.bottom;
  drawing.status = drawing.exact ? kPlotComplete : kComplexShapes;
  return drawing;
}

std::string SectionCsv(const SectionDrawing& drawing) {
  std::string text = "role,kind,x,y,w,h,r,t\n";
  for (const DrawShape& s : drawing.shapes) {
    text += std::string(RoleName(s.role)) + "," + KindName(s.kind);
    for (double v : {s.x, s.y, s.w, s.h, s.r, s.t}) text += "," + FormatFullPrecision(v);
    for (const Vertex& v : s.corners) text += "," + FormatFullPrecision(v.x) + "," + FormatFullPrecision(v.y);
    text += "\n";
  }
  return text;
}

}  // namespace tarnix
