// Drawing primitives of the cross-section.
#include "plot/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

#include "model/bar_sizes.h"
#include "model/project_model.h"
#include "base/number_format.h"
#include "section/geometry.h"
#include "section/projection.h"
#include "section/section_properties.h"

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

// What the pointer resting on a record's shape shows: the record, and for a bar its place and size.
std::string RecordName(RecordKind kind) {
  switch (kind) {
    case RecordKind::ConcreteRect: return "Concrete rectangle";
    case RecordKind::ConcreteCircle: return "Concrete circle";
    case RecordKind::ConcretePolygon: return "Concrete polygon";
    case RecordKind::ReinforcingLine: return "Bar line";
    case RecordKind::ReinforcingArc: return "Bar arc";
    case RecordKind::SingleBar: return "Single bar";
    case RecordKind::SteelRect: return "Steel rectangle";
    case RecordKind::SteelPipe: return "Steel pipe";
  }
  return "";
}

std::string ShapeTip(const DrawShape& s, int bar, float area, UnitSystem units) {
  std::string tip = RecordName(s.source) + " " + std::to_string(s.record);
  if (s.role == ShapeRole::Hole) tip += " (subtracted)";
  if (s.role != ShapeRole::Bar) return tip;
  if (bar > 0) tip += ", bar " + std::to_string(bar);
  const char* length = units.Label(UnitKind::Length);
  const std::string size = BarSizeNameOf(area, units);
  const std::string areaText = FormatPlain(RoundHalfAway(area, 3)) + " " + units.Label(UnitKind::Area);
  tip += "\n" + (size.empty() ? "Area " + areaText : size + " (" + areaText + ")");
  return tip + "\nx = " + Length(s.x, length) + ", y = " + Length(s.y, length);
}

// The part of the convex polygon `box` where n.p <= limit (Sutherland-Hodgman against one half-plane).
std::vector<Vertex> ClipToHalfPlane(const std::vector<Vertex>& box, double nx, double ny, double limit) {
  std::vector<Vertex> kept;
  for (size_t k = 0; k < box.size(); ++k) {
    const Vertex a = box[k], b = box[(k + 1) % box.size()];
    const double da = nx * a.x + ny * a.y - limit, db = nx * b.x + ny * b.y - limit;
    if (da <= 0) kept.push_back(a);
    if ((da < 0 && db > 0) || (da > 0 && db < 0)) {
      const double t = da / (da - db);
      kept.push_back({static_cast<float>(a.x + t * (b.x - a.x)), static_cast<float>(a.y + t * (b.y - a.y))});
    }
  }
  return kept;
}

// The line n.p = limit across the box (left, top, right, bottom), or nothing where it misses the box.
std::optional<DrawLine> LineAcross(const Box& box, double nx, double ny, double limit) {
  std::vector<std::pair<double, double>> ends;
  const double xs[] = {box.left, box.right}, ys[] = {box.top, box.bottom};
  for (double x : xs) {
    if (ny != 0) {
      const double y = (limit - nx * x) / ny;
      if (y >= box.top && y <= box.bottom) ends.emplace_back(x, y);
    }
  }
  for (double y : ys) {
    if (nx != 0) {
      const double x = (limit - ny * y) / nx;
      if (x >= box.left && x <= box.right) ends.emplace_back(x, y);
    }
  }
  if (ends.size() < 2) return std::nullopt;
  // The two ends farthest apart (a corner is met twice).
  std::pair<size_t, size_t> far{0, 1};
  double longest = -1;
  for (size_t i = 0; i < ends.size(); ++i) {
    for (size_t j = i + 1; j < ends.size(); ++j) {
      const double length = std::hypot(ends[i].first - ends[j].first, ends[i].second - ends[j].second);
      if (length > longest) {
        longest = length;
        far = {i, j};
      }
    }
  }
  if (!(longest > 0)) return std::nullopt;
  DrawLine line;
  line.x1 = ends[far.first].first;
  line.y1 = ends[far.first].second;
  line.x2 = ends[far.second].first;
  line.y2 = ends[far.second].second;
  return line;
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
  const UnitSystem units = m.unitSystem();
  if (BarCount(m) > kMaxBarCount) {
    drawing.message = drawing.status = "The section has more than 100000 reinforcing bars to draw";
    return drawing;
  }
  std::vector<DrawShape> holes, bars;
  Box outline;  // concrete and steel: what the dimensions measure
  // Added concrete is drawn first and measured; subtracted concrete is drawn over it, as holes.
  const auto placeConcrete = [&](DrawShape s, bool subtracted) {
    if (!Drawn(s)) return;
    s.tip = ShapeTip(s, 0, 0, units);
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
    DrawShape s = Rectangle(ShapeRole::Steel, b.Xcb, b.Ytb, b.Wb, b.Db, RecordKind::SteelRect, i);
    if (!Drawn(s)) continue;
    s.tip = ShapeTip(s, 0, 0, units);
    drawing.shapes.push_back(s);
    outline.Add(s);
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const SteelPipe& p = At(m.pipes, i);
    DrawShape s = Circle(ShapeRole::Pipe, p.Xcp, p.Ycp, p.Rcp, RecordKind::SteelPipe, i);
    s.kind = ShapeKind::Ring;
    s.t = p.tp;
    if (!Drawn(s)) continue;
    s.tip = ShapeTip(s, 0, 0, units);
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
      DrawShape bar =
          Circle(ShapeRole::Bar, bx, LineBarDepth(line, j), barRadius(line.Abl), RecordKind::ReinforcingLine, i);
      bar.tip = ShapeTip(bar, j, line.Abl, units);
      if (Drawn(bar)) bars.push_back(bar);
    }
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    ReinforcingArc arc = At(m.arcs, i);
    NormalizeFullArc(arc);
    for (int j = 1; j <= arc.Nba; ++j) {
      const double angle =
          arc.Nba < 2 ? arc.Abeg : arc.Abeg + static_cast<double>(arc.Atot) * (j - 1) / (arc.Nba - 1);
      DrawShape bar = Circle(ShapeRole::Bar, arc.X0 + arc.R0 * std::cos(angle * kDegrees),
                             ArcBarDepth(arc, j), barRadius(arc.Aba), RecordKind::ReinforcingArc, i);
      bar.tip = ShapeTip(bar, j, arc.Aba, units);
      if (Drawn(bar)) bars.push_back(bar);
    }
  }
  for (int i = 1; i <= ListSize(m.nsb); ++i) {
    const SingleBar& b = At(m.singleBars, i);
    DrawShape bar = Circle(ShapeRole::Bar, b.x, b.y, barRadius(b.area), RecordKind::SingleBar, i);
    bar.tip = ShapeTip(bar, 0, b.area, units);
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

  const char* unit = units.Label(UnitKind::Length);
  const Box& measured = outline.empty ? all : outline;
  const double size = std::max(all.right - all.left, all.bottom - all.top);
  const double gap = 0.08 * size;
  const double dimTop = all.top - gap, dimLeft = all.left - gap;
  drawing.dimensions.push_back(
      {measured.left, dimTop, measured.right, dimTop, Length(measured.right - measured.left, unit)});
  drawing.dimensions.push_back(
      {dimLeft, measured.top, dimLeft, measured.bottom, Length(measured.bottom - measured.top, unit)});

  // The coordinate axes from the origin past the section: x to the right along the reference line, y down.
  const double reach = 0.12 * size;
  drawing.lines.push_back({std::min(all.left, 0.0), 0, std::max(all.right, 0.0) + reach, 0,
                           LineRole::CoordinateAxis, "x"});
  drawing.lines.push_back({0, std::min(all.top, 0.0), 0, std::max(all.bottom, 0.0) + reach,
                           LineRole::CoordinateAxis, "y"});
  // The gross concrete centroid and the principal axes through it, across the outline and a little beyond.
  ProjectModel properties = m;
  ComputeSectionProperties(properties);
  const SectionProperties& sp = properties.sectionProperties;
  if (sp.problem == SectionProblem::None && sp.concArea > 0) {
    drawing.hasCentroid = true;
    drawing.centroidX = sp.concXbar;
    drawing.centroidY = sp.concYbar;
    const double t = sp.concPrincipal.angle * kDegrees;
    const double half = 0.5 * std::hypot(measured.right - measured.left, measured.bottom - measured.top) +
                        0.04 * size;
    // The axis of neutral-axis angle t runs along (cos t, sin t) with y downward (base/conventions.h).
    for (const auto& [dx, dy, label] : {std::tuple{std::cos(t), std::sin(t), "1"},
                                        std::tuple{-std::sin(t), std::cos(t), "2"}}) {
      drawing.lines.push_back({sp.concXbar - half * dx, sp.concYbar - half * dy, sp.concXbar + half * dx,
                               sp.concYbar + half * dy, LineRole::PrincipalAxis, label});
    }
  }
  for (const DrawLine& line : drawing.lines) all.Add(std::min(line.x1, line.x2), std::min(line.y1, line.y2),
                                                      std::max(line.x1, line.x2), std::max(line.y1, line.y2));
  drawing.left = std::min(dimLeft, all.left);
  drawing.top = std::min(dimTop, all.top);
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

const DrawShape* ShapeAt(const SectionDrawing& drawing, double x, double y, double tolerance) {
  for (auto s = drawing.shapes.rbegin(); s != drawing.shapes.rend(); ++s) {
    bool under = false;
    switch (s->kind) {
      case ShapeKind::Rectangle:
        under = x >= s->x - tolerance && x <= s->x + s->w + tolerance && y >= s->y - tolerance &&
                y <= s->y + s->h + tolerance;
        break;
      case ShapeKind::Circle:
        under = std::hypot(x - s->x, y - s->y) <= s->r + tolerance;
        break;
      case ShapeKind::Ring:
        under = std::abs(std::hypot(x - s->x, y - s->y) - s->r) <= s->t / 2 + tolerance;
        break;
      case ShapeKind::Polygon:
        under = InsidePolygon(s->corners, x, y, 1e-6);  // its edges included
        break;
    }
    if (under) return &*s;
  }
  return nullptr;
}

std::string BarSizeNameOf(float area, UnitSystem units) {
  for (const BarSize& size : BarSizesFor(units)) {
    const float table = size.AreaIn(units);
    if (std::abs(area - table) <= 0.005f * table) return std::string(size.name);
  }
  return {};
}

void AddNeutralAxis(const ProjectModel& m, int load, SectionDrawing& drawing) {
  if (!drawing.Drawable()) return;
  const std::string name = "Load condition " + std::to_string(load);
  const BiaxialCapacity* b = BiaxialCheckOf(m.interactionDiagram, load);
  if (b == nullptr || !b->found) {
    const char* why = !IsTwoDimensional(m) ? "a neutral axis is drawn for a section in two dimensions"
                      : b == nullptr ? "no capacity on the interaction surface (none before a calculation, "
                                       "none for a load without moment)"
                                     : "no capacity, the axial load lies beyond the section's range";
    drawing.status = name + ": " + why;
    return;
  }
  const Orientation o = OrientationFor(m, b->angle);
  const double limit = o.origin + b->depth;
  // The box of the concrete and steel (the shapes less the bars), where the zone and the axis are drawn.
  Box box;
  for (const DrawShape& s : drawing.shapes) {
    if (s.role != ShapeRole::Bar) box.Add(s);
  }
  if (box.empty) return;
  const std::vector<Vertex> corners = {{static_cast<float>(box.left), static_cast<float>(box.top)},
                                       {static_cast<float>(box.right), static_cast<float>(box.top)},
                                       {static_cast<float>(box.right), static_cast<float>(box.bottom)},
                                       {static_cast<float>(box.left), static_cast<float>(box.bottom)}};
  drawing.compressionZone = ClipToHalfPlane(corners, o.nx, o.ny, limit);
  const char* unit = m.unitSystem().Label(UnitKind::Length);
  if (std::optional<DrawLine> axis = LineAcross(box, o.nx, o.ny, limit)) {
    axis->role = LineRole::NeutralAxis;
    axis->label = "NA " + std::to_string(load);
    drawing.lines.push_back(*axis);
  }
  drawing.status = name + ": neutral axis at its capacity, angle " + FormatFixed(b->angle, 2) +
                   " degrees, depth c = " + FormatFixed(b->depth, 2) + " " + unit;
}

}  // namespace tarnix
