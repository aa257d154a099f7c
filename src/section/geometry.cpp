// Section geometry. pi is 3.1416 in every geometric formula; only ArcCos uses the exact value.
#include "section/geometry.h"

#include <algorithm>
#include <cmath>

namespace tarnix {
namespace {

constexpr double kDegreesToRadians = kPi / 180.0;

template <typename Record>
const Record& At(const std::vector<Record>& records, int number) {
  return records[static_cast<size_t>(number)];
}

}  // namespace

float ArcCos(float x) {
  if (x >= 1) return 0.0f;
  if (x <= -1) return static_cast<float>(4.0 * std::atan(1.0));
  const double v = x;
  return static_cast<float>(std::atan(-v / std::sqrt(1.0 - v * v)) + 2.0 * std::atan(1.0));
}

float LineBarDepth(const ReinforcingLine& line, int j) {
  if (line.Nbl < 2) return line.Yb;
  return static_cast<float>(line.Yb - static_cast<double>(line.Lb) * (j - 1) *
                                          std::sin(line.Ab * kDegreesToRadians) / (line.Nbl - 1));
}

float ArcBarDepth(const ReinforcingArc& arc, int j) {
  const double angle =
      arc.Nba < 2 ? arc.Abeg : arc.Abeg + static_cast<double>(arc.Atot) * (j - 1) / (arc.Nba - 1);
  return static_cast<float>(arc.Y0 - static_cast<double>(arc.R0) * std::sin(angle * kDegreesToRadians));
}

float LineBarX(const ReinforcingLine& line, int j) {
  if (line.Nbl < 2) return line.Xb;
  const double run = static_cast<double>(line.Lb) * std::cos(line.Ab * kDegreesToRadians);
  return static_cast<float>(line.Xb + run * (j - 1) / (line.Nbl - 1) - run / 2);
}

float ArcBarX(const ReinforcingArc& arc, int j) {
  const double angle =
      arc.Nba < 2 ? arc.Abeg : arc.Abeg + static_cast<double>(arc.Atot) * (j - 1) / (arc.Nba - 1);
  return static_cast<float>(arc.X0 + static_cast<double>(arc.R0) * std::cos(angle * kDegreesToRadians));
}

void NormalizeFullArc(ReinforcingArc& arc) {
  if (arc.Atot == 360 && arc.Nba >= 1) arc.Atot = static_cast<float>(360.0 * (1.0 - 1.0 / arc.Nba));
}

void NormalizeFullArcs(ProjectModel& m) {
  for (int i = 1; i <= ListSize(m.na); ++i) NormalizeFullArc(m.arcs[static_cast<size_t>(i)]);
}

long long BarCount(const ProjectModel& m) {
  long long n = 0;
  for (int i = 1; i <= ListSize(m.nl); ++i) n += std::max(At(m.lines, i).Nbl, 0);
  for (int i = 1; i <= ListSize(m.na); ++i) n += std::max(At(m.arcs, i).Nba, 0);
  return n + ListSize(m.nsb);
}

std::vector<Bar> AllBars(const ProjectModel& m) {
  std::vector<Bar> bars;
  for (int i = 1; i <= ListSize(m.nl); ++i) {
    const ReinforcingLine& line = At(m.lines, i);
    for (int j = 1; j <= line.Nbl; ++j) bars.push_back({line.Abl, LineBarDepth(line, j), LineBarX(line, j)});
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    const ReinforcingArc& arc = At(m.arcs, i);
    for (int j = 1; j <= arc.Nba; ++j) bars.push_back({arc.Aba, ArcBarDepth(arc, j), ArcBarX(arc, j)});
  }
  for (int i = 1; i <= ListSize(m.nsb); ++i) {
    const SingleBar& bar = At(m.singleBars, i);
    bars.push_back({bar.area, bar.y, bar.x});
  }
  return bars;
}

Zone RectZone(const ConcreteRect& rect, float a) {
  if (rect.Yt >= a) return {};
  if (rect.Yt + rect.D <= a) return {rect.W * rect.D, rect.Yt + rect.D / 2};
  return {rect.W * (a - rect.Yt), rect.Yt + (a - rect.Yt) / 2};
}

Zone CircleZone(const ConcreteCircle& circle, float a) {
  const float r = circle.Rc;
  if (r <= 0 || circle.Yc - r >= a) return {};
  if (circle.Yc + r <= a) return {static_cast<float>(kPi * r * r), circle.Yc};
  // theta is half the angle that the chord at depth a subtends at the centre.
  const double theta = ArcCos((circle.Yc - a) / r);
  const double diameter = 2.0 * r;
  const double area = (theta - std::cos(theta) * std::sin(theta)) * diameter * diameter / 4.0;
  if (area <= 0) return {};
  const double sine = std::sin(theta);
  const double centroid = circle.Yc - diameter * diameter * diameter * sine * sine * sine / (12.0 * area);
  return {static_cast<float>(area), static_cast<float>(centroid)};
}

std::vector<Strip> SteelRectStrips(const SteelRect& shape, int n) {
  n = std::max(n, 1);
  // Always across the depth: for bending about a horizontal axis a shape's depth is what matters, even
  // when the shape is wider than deep (a square plate is no line).
  const double thickness = static_cast<double>(shape.Db) / n;
  const float area = static_cast<float>(static_cast<double>(shape.Wb) * shape.Db / n);
  std::vector<Strip> strips(static_cast<size_t>(n));
  for (int j = 0; j < n; ++j) {
    strips[static_cast<size_t>(j)] = {area, static_cast<float>(shape.Ytb + thickness * (j + 0.5)), false, shape.Xcb};
  }
  return strips;
}

std::vector<Strip> PipeFibres(const SteelPipe& pipe, int n) {
  n = std::max(n, 1);
  const double step = kTwoPi / n;
  const float area = static_cast<float>(static_cast<double>(pipe.Rcp) * kTwoPi * pipe.tp / n);
  std::vector<Strip> fibres(static_cast<size_t>(n));
  for (int j = 0; j < n; ++j) {
    const double angle = step / 2 + j * step;
    fibres[static_cast<size_t>(j)] = {area, static_cast<float>(pipe.Ycp + pipe.Rcp * std::sin(angle)), false,
                                      static_cast<float>(pipe.Xcp + pipe.Rcp * std::cos(angle))};
  }
  return fibres;
}

bool InsideConcrete(const ProjectModel& m, double x, double y) {
  // Faces are found to a millionth of the record's size, so that a fibre set on a face by trigonometry
  // counts the same whichever way its last bit rounds; a steel fibre on the face of the concrete is taken
  // as displacing it, the side of the lower strength and stiffness.
  constexpr double kFace = 1e-6;
  const auto inRect = [&](const ConcreteRect& r, double grow) {
    const double half = r.W / 2.0, bottom = static_cast<double>(r.Yt) + r.D;
    const double dx = grow * half, dy = grow * r.D;
    return std::abs(x - r.X) <= half + dx && y >= r.Yt - dy && y <= bottom + dy;
  };
  const auto inCircle = [&](const ConcreteCircle& c, double grow) {
    const double radius = c.Rc * (1 + grow);
    return (x - c.Xc) * (x - c.Xc) + (y - c.Yc) * (y - c.Yc) <= radius * radius;
  };
  bool inside = false;
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = At(m.rects, i);
    if (r.rsign <= 0 ? inRect(r, -kFace) : inRect(r, kFace)) {
      if (r.rsign <= 0) return false;
      inside = true;
    }
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = At(m.circles, i);
    if (c.csign <= 0 ? inCircle(c, -kFace) : inCircle(c, kFace)) {
      if (c.csign <= 0) return false;
      inside = true;
    }
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    const ConcretePolygon& p = At(m.polygons, i);
    if (InsidePolygon(p.vertices, x, y, p.psign <= 0 ? -kFace : kFace)) {
      if (p.psign <= 0) return false;
      inside = true;
    }
  }
  return inside;
}

PolygonProperties PropertiesOf(const std::vector<Vertex>& polygon) {
  const size_t n = polygon.size();
  if (n < 3) return {};
  // Sums about the first vertex, for accuracy far from the origin, then moved to the centroid.
  const double ox = polygon[0].x, oy = polygon[0].y;
  double a2 = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
  for (size_t i = 0; i < n; ++i) {
    const double x1 = polygon[i].x - ox, y1 = polygon[i].y - oy;
    const double x2 = polygon[(i + 1) % n].x - ox, y2 = polygon[(i + 1) % n].y - oy;
    const double cross = x1 * y2 - x2 * y1;
    a2 += cross;
    sx += (x1 + x2) * cross;
    sy += (y1 + y2) * cross;
    sxx += (y1 * y1 + y1 * y2 + y2 * y2) * cross;  // 12 x integral of y^2
    syy += (x1 * x1 + x1 * x2 + x2 * x2) * cross;  // 12 x integral of x^2
    sxy += (x1 * y2 + 2 * x1 * y1 + 2 * x2 * y2 + x2 * y1) * cross;  // 24 x integral of x y
  }
  if (a2 == 0) return {};
  // A clockwise polygon has a negative signed area and negative sums alike: the ratios hold either way.
  const double sign = a2 > 0 ? 1 : -1;
  PolygonProperties p;
  p.area = std::abs(a2) / 2;
  const double cx = sx / (3 * a2), cy = sy / (3 * a2);
  p.x = ox + cx;
  p.y = oy + cy;
  p.Ixx = sign * sxx / 12 - p.area * cy * cy;
  p.Iyy = sign * syy / 12 - p.area * cx * cx;
  p.Ixy = sign * sxy / 24 - p.area * cx * cy;
  return p;
}

bool InsidePolygon(const std::vector<Vertex>& polygon, double x, double y, double grow) {
  const size_t n = polygon.size();
  if (n < 3) return false;
  double size = 0;
  for (const Vertex& v : polygon) {
    size = std::max({size, std::abs(static_cast<double>(v.x) - polygon[0].x),
                     std::abs(static_cast<double>(v.y) - polygon[0].y)});
  }
  const double tolerance = std::abs(grow) * size;
  // Within the tolerance of an edge: on the face.
  for (size_t i = 0; i < n; ++i) {
    const Vertex& a = polygon[i];
    const Vertex& b = polygon[(i + 1) % n];
    const double ex = static_cast<double>(b.x) - a.x, ey = static_cast<double>(b.y) - a.y;
    const double length2 = ex * ex + ey * ey;
    const double t = length2 > 0 ? std::clamp(((x - a.x) * ex + (y - a.y) * ey) / length2, 0.0, 1.0) : 0.0;
    const double dx = x - (a.x + t * ex), dy = y - (a.y + t * ey);
    if (dx * dx + dy * dy <= tolerance * tolerance) return grow > 0;
  }
  // Off every edge: the crossing count of a ray to the right.
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const double yi = polygon[i].y, yj = polygon[j].y, xi = polygon[i].x, xj = polygon[j].x;
    if ((yi > y) != (yj > y) && x < xj + (y - yj) * (xi - xj) / (yi - yj)) inside = !inside;
  }
  return inside;
}

std::vector<Strip> SteelRectPieces(const ProjectModel& m, int i, int n) {
  std::vector<Strip> strips = SteelRectStrips(At(m.steelRects, i), n);
  for (Strip& strip : strips) strip.displacesConcrete = InsideConcrete(m, strip.x, strip.depth);
  return strips;
}

std::vector<Strip> PipePieces(const ProjectModel& m, int i, int n) {
  const SteelPipe& pipe = At(m.pipes, i);
  std::vector<Strip> fibres = PipeFibres(pipe, n);
  for (Strip& fibre : fibres) fibre.displacesConcrete = InsideConcrete(m, fibre.x, fibre.depth);
  return fibres;
}

std::vector<Strip> SteelShapePieces(const ProjectModel& m, int rectStrips, int pipeFibres) {
  std::vector<Strip> pieces;
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    const std::vector<Strip> strips = SteelRectPieces(m, i, rectStrips);
    pieces.insert(pieces.end(), strips.begin(), strips.end());
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const std::vector<Strip> fibres = PipePieces(m, i, pipeFibres);
    pieces.insert(pieces.end(), fibres.begin(), fibres.end());
  }
  return pieces;
}

float SectionTop(const ProjectModel& m) {
  float top = 0;
  bool any = false;
  const auto take = [&](float y) {
    top = any ? std::min(top, y) : y;
    any = true;
  };
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    if (At(m.rects, i).rsign > 0) take(At(m.rects, i).Yt);
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    if (At(m.circles, i).csign > 0) take(At(m.circles, i).Yc - At(m.circles, i).Rc);
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    if (At(m.polygons, i).psign > 0)
      for (const Vertex& v : At(m.polygons, i).vertices) take(v.y);
  }
  for (int i = 1; i <= ListSize(m.nb); ++i) take(At(m.steelRects, i).Ytb);
  for (int i = 1; i <= ListSize(m.np); ++i) take(At(m.pipes, i).Ycp - At(m.pipes, i).Rcp - At(m.pipes, i).tp / 2);
  return top;
}

float ConcreteDepth(const ProjectModel& m) {
  float depth = 0;
  for (int i = 1; i <= ListSize(m.nr); ++i) depth = std::max(depth, At(m.rects, i).Yt + At(m.rects, i).D);
  for (int i = 1; i <= ListSize(m.nc); ++i)
    depth = std::max(depth, At(m.circles, i).Yc + At(m.circles, i).Rc);
  for (int i = 1; i <= ListSize(m.npg); ++i)
    for (const Vertex& v : At(m.polygons, i).vertices) depth = std::max(depth, v.y);
  return depth;
}

float SteelShapesDepth(const ProjectModel& m) {
  float depth = 0;
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    depth = std::max(depth, At(m.steelRects, i).Ytb + At(m.steelRects, i).Db);
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const SteelPipe& p = At(m.pipes, i);
    depth = std::max(depth, p.Ycp + p.Rcp + p.tp / 2);
  }
  return depth;
}

}  // namespace tarnix
