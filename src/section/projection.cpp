// Projection of the section onto the direction across a neutral axis at any angle.
#include "section/projection.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarnix {
namespace {

template <typename Record>
const Record& At(const std::vector<Record>& records, int number) {
  return records[static_cast<size_t>(number)];
}

// A polygon vertex in double precision while clipping.
struct Point {
  double x, y;
};

// Keeps the part of `poly` where n.p <= limit (Sutherland-Hodgman against one half-plane: exact for any
// simple polygon, convex or not; a concave polygon cut in two keeps both parts joined by edges of zero
// area along the cut, which add nothing to the area or the first moments).
std::vector<Point> ClipBelow(const std::vector<Point>& poly, double nx, double ny, double limit) {
  std::vector<Point> out;
  const size_t n = poly.size();
  out.reserve(n + 2);
  for (size_t i = 0; i < n; ++i) {
    const Point& p = poly[i];
    const Point& q = poly[(i + 1) % n];
    const double dp = nx * p.x + ny * p.y - limit, dq = nx * q.x + ny * q.y - limit;
    if (dp <= 0) out.push_back(p);
    if ((dp < 0 && dq > 0) || (dp > 0 && dq < 0)) {
      const double t = dp / (dp - dq);
      out.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
    }
  }
  return out;
}

// Area and centroid by the shoelace formulas, about the first vertex for accuracy far from the origin.
PlaneZone AreaAndCentroid(const std::vector<Point>& poly) {
  if (poly.size() < 3) return {};
  const Point o = poly[0];
  double twiceArea = 0, sx = 0, sy = 0;
  for (size_t i = 1; i + 1 < poly.size(); ++i) {
    const double x1 = poly[i].x - o.x, y1 = poly[i].y - o.y, x2 = poly[i + 1].x - o.x, y2 = poly[i + 1].y - o.y;
    const double cross = x1 * y2 - x2 * y1;
    twiceArea += cross;
    sx += (x1 + x2) * cross;
    sy += (y1 + y2) * cross;
  }
  if (twiceArea == 0) return {};
  return {static_cast<float>(std::abs(twiceArea) / 2), static_cast<float>(o.x + sx / (3 * twiceArea)),
          static_cast<float>(o.y + sy / (3 * twiceArea))};
}

std::vector<Point> ToPoints(const std::vector<Vertex>& polygon) {
  std::vector<Point> points;
  points.reserve(polygon.size());
  for (const Vertex& v : polygon) points.push_back({v.x, v.y});
  return points;
}

// The part of a circle of radius r centred at (cx, cy) on the near side (toward -n) of the chord whose
// signed distance from the centre along n is s: area and centroid in double precision.
struct Segment {
  double area = 0, x = 0, y = 0;
};
Segment NearSegment(double cx, double cy, double r, const Orientation& o, double s) {
  if (r <= 0 || s <= -r) return {};
  if (s >= r) return {kPi * r * r, cx, cy};
  // The far side beyond distance u = -s along -n: A = r^2 acos(u / r) - u sqrt(r^2 - u^2), its centroid
  // 2 (r^2 - u^2)^(3/2) / (3 A) from the centre along -n.
  const double u = -s;
  const double h2 = r * r - u * u;
  const double area = r * r * std::acos(u / r) - u * std::sqrt(h2);
  if (area <= 0) return {};
  const double arm = 2 * h2 * std::sqrt(h2) / (3 * area);
  return {area, cx - o.nx * arm, cy - o.ny * arm};
}

PlaneZone ToZone(const Segment& s) {
  if (s.area <= 0) return {};
  return {static_cast<float>(s.area), static_cast<float>(s.x), static_cast<float>(s.y)};
}

// n.q at the extremes of each part of the section that bounds it: the added concrete and the steel shapes
// for the least, every concrete record and steel shape for the greatest.
template <typename Visit>
void VisitExtremes(const ProjectModel& m, const Orientation& o, Visit visit) {
  const auto corners = [&](const std::vector<Vertex>& corners, bool added) {
    for (const Vertex& v : corners) {
      const double d = o.nx * v.x + o.ny * v.y;
      visit(d, d, added);
    }
  };
  const auto round = [&](double x, double y, double r, bool added) {
    const double d = o.nx * x + o.ny * y;
    visit(d - r, d + r, added);
  };
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = At(m.rects, i);
    corners(RectCorners(r.X, r.Yt, r.D, r.W), r.rsign > 0);
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = At(m.circles, i);
    round(c.Xc, c.Yc, c.Rc, c.csign > 0);
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) corners(At(m.polygons, i).vertices, At(m.polygons, i).psign > 0);
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    const SteelRect& s = At(m.steelRects, i);
    corners(RectCorners(s.Xcb, s.Ytb, s.Db, s.Wb), true);
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const SteelPipe& p = At(m.pipes, i);
    round(p.Xcp, p.Ycp, p.Rcp + p.tp / 2.0, true);
  }
}

}  // namespace

Orientation OrientationFor(const ProjectModel& m, float degrees) {
  Orientation o;
  o.angle = degrees;
  const double turn = std::fmod(static_cast<double>(degrees), 360.0);
  o.upright = turn == 0;
  if (o.upright) return o;
  // The quarter turns exactly, so that a section turned by 90 degrees is the same section.
  const double quarter = turn / 90.0;
  if (quarter == std::nearbyint(quarter)) {
    const int q = static_cast<int>(std::nearbyint(quarter)) & 3;
    const double sines[4] = {0, 1, 0, -1}, cosines[4] = {1, 0, -1, 0};
    o.nx = -sines[q];
    o.ny = cosines[q];
  } else {
    const double radians = turn * std::acos(-1.0) / 180.0;
    o.nx = -std::sin(radians);
    o.ny = std::cos(radians);
  }
  double least = std::numeric_limits<double>::infinity();
  VisitExtremes(m, o, [&least](double low, double, bool added) {
    if (added) least = std::min(least, low);
  });
  o.origin = std::isfinite(least) ? least : 0;
  return o;
}

float SectionDepthAcross(const ProjectModel& m, const Orientation& o) {
  if (o.upright) return std::max(ConcreteDepth(m), SteelShapesDepth(m));
  double deepest = 0;
  VisitExtremes(m, o, [&](double, double high, bool) { deepest = std::max(deepest, high - o.origin); });
  return static_cast<float>(deepest);
}

std::vector<Vertex> RectCorners(float x, float top, float depth, float width) {
  const float left = x - width / 2, right = x + width / 2, bottom = top + depth;
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

PlaneZone PolygonBand(const std::vector<Vertex>& polygon, const Orientation& o, double d1, double d2) {
  if (!(d2 > d1)) return {};
  std::vector<Point> part = ClipBelow(ToPoints(polygon), o.nx, o.ny, d2 + o.origin);
  part = ClipBelow(part, -o.nx, -o.ny, -(d1 + o.origin));
  return AreaAndCentroid(part);
}

PlaneZone PolygonZoneAt(const std::vector<Vertex>& polygon, const Orientation& o, float a) {
  if (o.upright) return AreaAndCentroid(ClipBelow(ToPoints(polygon), 0, 1, a));
  return AreaAndCentroid(ClipBelow(ToPoints(polygon), o.nx, o.ny, a + o.origin));
}

PlaneZone RectZoneAt(const ConcreteRect& rect, const Orientation& o, float a) {
  if (o.upright) {
    const Zone zone = RectZone(rect, a);
    return {zone.area, rect.X, zone.centroid};
  }
  if (rect.W <= 0 || rect.D <= 0) return {};
  return PolygonZoneAt(RectCorners(rect.X, rect.Yt, rect.D, rect.W), o, a);
}

PlaneZone CircleZoneAt(const ConcreteCircle& circle, const Orientation& o, float a) {
  if (o.upright) {
    const Zone zone = CircleZone(circle, a);
    return {zone.area, circle.Xc, zone.centroid};
  }
  const double centre = o.Depth(circle.Xc, circle.Yc);
  return ToZone(NearSegment(circle.Xc, circle.Yc, circle.Rc, o, a - centre));
}

PlaneZone CircleBand(const ConcreteCircle& circle, const Orientation& o, double d1, double d2) {
  if (!(d2 > d1)) return {};
  const double centre = o.Depth(circle.Xc, circle.Yc);
  const Segment far = NearSegment(circle.Xc, circle.Yc, circle.Rc, o, d2 - centre);
  const Segment near = NearSegment(circle.Xc, circle.Yc, circle.Rc, o, d1 - centre);
  const double area = far.area - near.area;
  if (!(area > 0)) return {};
  return {static_cast<float>(area), static_cast<float>((far.area * far.x - near.area * near.x) / area),
          static_cast<float>((far.area * far.y - near.area * near.y) / area)};
}

std::vector<Strip> SteelShapePiecesAt(const ProjectModel& m, const Orientation& o, int rectStrips,
                                      int pipeFibres) {
  if (o.upright) return SteelShapePieces(m, rectStrips, pipeFibres);
  std::vector<Strip> pieces;
  const int n = std::max(rectStrips, 1);
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    const SteelRect& s = At(m.steelRects, i);
    const std::vector<Vertex> corners = RectCorners(s.Xcb, s.Ytb, s.Db, s.Wb);
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const Vertex& v : corners) {
      low = std::min(low, o.Depth(v.x, v.y));
      high = std::max(high, o.Depth(v.x, v.y));
    }
    const double thickness = (high - low) / n;
    for (int j = 0; j < n; ++j) {
      const PlaneZone band = PolygonBand(corners, o, low + j * thickness, j + 1 == n ? high : low + (j + 1) * thickness);
      if (band.area <= 0) continue;
      pieces.push_back({band.area, band.y, InsideConcrete(m, band.x, band.y), band.x});
    }
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const std::vector<Strip> fibres = PipePieces(m, i, pipeFibres);
    pieces.insert(pieces.end(), fibres.begin(), fibres.end());
  }
  return pieces;
}

}  // namespace tarnix
