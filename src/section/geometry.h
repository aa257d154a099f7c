// How the section records become geometry: bar positions, the full-circle rule of arcs, compression zones of
// concrete records above a depth, and the strips and fibres of steel shapes. Positions are (x, depth), the
// depth measured downward from the top reference line (see base/conventions.h).
#pragma once

#include <vector>

#include "model/project_model.h"

namespace tarnix {

/// Arc cosine in radians, in [0, pi], computed in double precision and rounded to single precision;
/// x at or beyond +1 gives 0 and at or beyond -1 gives pi (the exact value).
float ArcCos(float x);

/// Depth of bar j (1..Nbl) of a line; a line of fewer than two bars has its one bar at Yb. A positive
/// angle runs the line upward from the first bar.
float LineBarDepth(const ReinforcingLine& line, int j);
/// Depth of bar j (1..Nba) of an arc; angles from the horizontal, counter-clockwise, 90 at the top.
float ArcBarDepth(const ReinforcingArc& arc, int j);
/// An arc of exactly 360 degrees would put its last bar on its first: it becomes 360 (1 - 1/Nba), so the
/// bars are 360/Nba apart. The arc is changed in place; an arc without bars is left alone.
void NormalizeFullArc(ReinforcingArc& arc);
/// NormalizeFullArc on every arc of the model.
void NormalizeFullArcs(ProjectModel& m);

/// Horizontal position of bar j (1..Nbl) of a line, the line centred on Xb.
float LineBarX(const ReinforcingLine& line, int j);
/// Horizontal position of bar j (1..Nba) of an arc.
float ArcBarX(const ReinforcingArc& arc, int j);

/// A bar (area, depth, x), as placed by the line and arc rules.
struct Bar {
  float area = 0;
  float depth = 0;
  float x = 0;
};
/// Number of bars of all lines and arcs and of the single bars (negative bar counts count as none).
long long BarCount(const ProjectModel& m);
/// Every bar of every line (record order, bar order), then of every arc, then the single bars. Arcs are
/// used as they stand.
std::vector<Bar> AllBars(const ProjectModel& m);

/// Area and centroid depth of the part of a concrete record above a depth; area 0 when none of it is.
struct Zone {
  float area = 0;
  float centroid = 0;
};
/// The part of a rectangle above depth a (sign not applied).
Zone RectZone(const ConcreteRect& rect, float a);
/// The part of a circle above depth a: a circular segment (sign not applied).
Zone CircleZone(const ConcreteCircle& circle, float a);

/// A strip or fibre of a steel shape: its area, the depth of its centroid and whether it lies in the
/// concrete, taking the place of concrete that then carries no stress; x is its centroid's horizontal
/// position.
struct Strip {
  float area = 0;
  float depth = 0;
  bool displacesConcrete = false;
  float x = 0;
};
/// A steel rectangle cut across its depth into n strips of equal thickness (n below 1 counts as 1).
std::vector<Strip> SteelRectStrips(const SteelRect& shape, int n);
/// A pipe cut into n fibres of equal arc length around its mid-thickness circle (n below 1 counts as 1).
std::vector<Strip> PipeFibres(const SteelPipe& pipe, int n);

/// Whether a point (x, depth y) lies in the concrete: in an added record, its faces included, and not
/// strictly inside a subtracted one.
bool InsideConcrete(const ProjectModel& m, double x, double y);
/// The strips of steel rectangle i (1..nb) and the fibres of pipe i (1..np) with `displacesConcrete` set
/// where they lie in the concrete: a strip judged at its middle, a fibre at its place on the wall. A shape
/// embedded in the concrete displaces it, a bare shape or a tube around its fill does not.
std::vector<Strip> SteelRectPieces(const ProjectModel& m, int i, int n);
std::vector<Strip> PipePieces(const ProjectModel& m, int i, int n);
/// Every steel rectangle cut into `rectStrips` strips, then every pipe into `pipeFibres` fibres, marked as
/// by SteelRectPieces and PipePieces.
std::vector<Strip> SteelShapePieces(const ProjectModel& m, int rectStrips, int pipeFibres);

/// Area and centroid of a polygon (either way round), and its second moments about axes through the
/// centroid: Ixx about the horizontal axis (sum of y^2 dA), Iyy about the vertical (x^2 dA) and the product
/// Ixy (x y dA), x and y measured from the centroid. All 0 for a polygon without area.
struct PolygonProperties {
  double area = 0, x = 0, y = 0, Ixx = 0, Iyy = 0, Ixy = 0;
};
PolygonProperties PropertiesOf(const std::vector<Vertex>& polygon);

/// Whether a point lies in a polygon, its edges included when `grow` is positive and excluded when it is
/// negative: the point is taken as moved off an edge by `grow` times the polygon's size.
bool InsidePolygon(const std::vector<Vertex>& polygon, double x, double y, double grow);

/// Smallest top depth of the added concrete records, the steel rectangles and the pipes' outer faces (0
/// when there are none).
float SectionTop(const ProjectModel& m);

/// Largest depth of the concrete records, of the steel shapes, and of both.
float ConcreteDepth(const ProjectModel& m);
float SteelShapesDepth(const ProjectModel& m);

}  // namespace tarnix
