// The section seen across a neutral axis at any angle: the depth of a point across the axis, the section's
// extent in that direction, and the exact area and centroid of the part of each concrete record (and of the
// bands of a steel rectangle) on the compression side of a line parallel to the axis. Every analysis that
// works with depths runs on these unchanged; at angle 0 they are the upright section's own depths and zones,
// computed as before.
#pragma once

#include <vector>

#include "section/geometry.h"

namespace tarnix {

/// A neutral-axis orientation (see base/conventions.h): n = (-sin theta, cos theta) points from the
/// compression side into the section, and the depth of a point is d = n.p - origin, origin being the
/// least n.q over the section (the added concrete and the steel shapes). At angle 0 the depth is the
/// point's y itself, measured from the reference line, exactly as in the upright section.
struct Orientation {
  float angle = 0;     ///< degrees, as given
  bool upright = true;  ///< the angle is a whole number of turns: depth = y
  double nx = 0, ny = 1;
  double origin = 0;

  /// Depth of the point (x, y) across the axis.
  double Depth(double x, double y) const { return upright ? y : nx * x + ny * y - origin; }
};

/// The orientation of neutral-axis angle `degrees` for the model's section. Angles that are whole turns
/// (0, 360, -360 ...) are upright.
Orientation OrientationFor(const ProjectModel& m, float degrees);

/// The section's extent across the axis: from depth 0 to the deepest point of the added concrete and the
/// steel shapes (for the upright section, the deepest point below the reference line).
float SectionDepthAcross(const ProjectModel& m, const Orientation& o);

/// Area and centroid of a part of a record (sign not applied); area 0 when the part is empty.
struct PlaneZone {
  float area = 0;
  float x = 0;
  float y = 0;
};

/// The part of each record at depths up to `a` across the axis (the compression zone of a stress block of
/// depth a). The upright section takes RectZone and CircleZone; at other angles rectangles and polygons
/// are clipped exactly and circles cut by the circular-segment formulas.
PlaneZone RectZoneAt(const ConcreteRect& rect, const Orientation& o, float a);
PlaneZone CircleZoneAt(const ConcreteCircle& circle, const Orientation& o, float a);
PlaneZone PolygonZoneAt(const std::vector<Vertex>& polygon, const Orientation& o, float a);

/// The part of a polygon between depths d1 < d2 across the axis.
PlaneZone PolygonBand(const std::vector<Vertex>& polygon, const Orientation& o, double d1, double d2);
/// The part of a circle between depths d1 < d2 across the axis (the difference of two segments).
PlaneZone CircleBand(const ConcreteCircle& circle, const Orientation& o, double d1, double d2);

/// The four corners of a concrete or steel rectangle.
std::vector<Vertex> RectCorners(float x, float top, float depth, float width);

/// Every steel rectangle cut into `rectStrips` strips of equal thickness across the axis (upright: across
/// its depth, as SteelRectStrips), then every pipe into `pipeFibres` fibres around its wall, each with its
/// centroid and whether it lies in the concrete (as SteelShapePieces).
std::vector<Strip> SteelShapePiecesAt(const ProjectModel& m, const Orientation& o, int rectStrips,
                                      int pipeFibres);

}  // namespace tarnix
