// Bilinear idealisation of a moment-curvature curve and the local ductility of the member: event labels,
// first tension yield, cracked inertia, the plastic moment that keeps the area under the curve after first
// yield, the idealised yield curvature, the plastic hinge length and the member's deflections.
#pragma once

#include <vector>

#include "curvature/moment_curvature.h"

namespace tarnix {

struct ProjectModel;

/// Idealisation of one load condition's curve. Curvatures are strain per length unit, moments in lb-in /
/// N-mm. Values that the curve cannot give stay 0 with their `has...` flag false.
struct McIdealization {
  std::vector<const char*> labels;  ///< event label of every point ("" for most), by point index
  bool hasFirstYield = false;
  int firstYieldPoint = 0;      ///< index into the points, when hasFirstYield
  float phiY = 0;               ///< first yield curvature
  float My = 0;                 ///< first yield moment (along the angle)
  bool hasIcr = false;
  float Icr = 0;                ///< cracked moment of inertia My / (Eci phiY)
  float firstYieldStrain = 0;   ///< strain at the extreme tension steel at first yield (negative)
  float area = 0;               ///< area under the curve from first yield to the last point
  bool hasMp = true;
  float Mp = 0;                 ///< idealised plastic moment
  float phiU = 0;               ///< ultimate curvature (last point)
  float phiYi = 0;              ///< idealised yield curvature
  /// Whether the last point is an ultimate point. A curve that ended because no depth balances its load
  /// past that point has none: phiU, Mp and phiYi, measured to it, are then not the section's.
  bool hasUltimate = true;
};

/// The moment of a point along the curves' neutral-axis angle, Mx cos + My sin (Mx itself at angle 0):
/// the moment that the idealisation and the ductility use.
float MomentAlong(const McResult& r, const McPoint& p);

/// The idealisation of the curve of load condition `load`, on the moments along the angle.
McIdealization IdealizeMomentCurvature(const ProjectModel& m, int load);

/// Plastic hinge length, yield and ultimate deflections and local member ductility of the member.
struct MemberDuctilityResult {
  float Lp = 0;
  float deltaY = 0;
  float deltaU = 0;
  bool hasDuctility = false;
  float ductility = 0;
};
MemberDuctilityResult MemberDuctility(const ProjectModel& m, float phiYi, float phiU);

}  // namespace tarnix
