// Slenderness effects of the member: moment magnification of every load condition by the moment magnifier
// method of the design criteria, and the effective length factor from the end restraints.
#pragma once

#include <string>
#include <vector>

#include "base/units.h"
#include "model/strength_results.h"

namespace tarnix {

struct ProjectModel;
struct LoadCondition;

/// What an outcome means, for the report ("Slenderness effects may be ignored", "Axial load exceeds
/// critical buckling load"); empty for a magnified load.
const char* SlenderOutcomeText(SlenderOutcome outcome);

/// The initial design moment of a load: the larger of its moment M and its end moments M2ns + M2s.
float InitialMoment(const LoadCondition& load);
/// The same about the vertical axis, by size: the larger of |My| and its end moments about that axis.
float InitialMomentY(const LoadCondition& load);

/// Load condition i has a design moment Mc: it was magnified, or its slenderness effects are negligible
/// (tension, no axial load, kl/r below the limit). False for a load at buckling, one that needs a P-delta
/// analysis, member data without a critical load, and a load the analysis did not reach.
bool DesignMomentKnown(const SlendernessResults& s, int i);
/// The same about the vertical axis (McY); false too where that axis was not analysed.
bool DesignMomentYKnown(const SlendernessResults& s, int i);

/// The minimum end moment of a braced column under axial load P (lb / N) with section depth h (in / mm):
/// P (0.6 + 0.03 h) lb-in in English units, P (15 + 0.03 h) N-mm in metric units.
double MinimumMoment(double P, double h, UnitSystem units);

/// The end-moment ratio M1/M2 in the sign convention of the criteria. End moments are entered with M1/M2
/// positive in single curvature; ACI 318-19 writes the ratio negative in single curvature, and its
/// criteria gets the reversed value. 0 when M2 is 0.
double EndMomentRatio(const ProjectModel& m, double M1, double M2);

/// Structural steel shapes (rectangles or pipes) are part of the section.
bool HasSteelShapes(const ProjectModel& m);

/// Moment magnification of every load condition of a member with length L > 0, from the model's inputs and
/// section properties; rebuilds the moment-magnification part of the model's result block. A load that
/// reaches the critical buckling load, has no compression, may ignore slenderness or needs a P-delta analysis
/// gets its message and keeps its initial moment (the larger of M and M2ns + M2s).
/// With member data for the vertical axis (memberY.L > 0) each load's My is magnified the same way with
/// that axis's member data, end moments and second moments (Iy), and the section's width as the h of the
/// minimum moment; the end moments about that axis are sizes and My gives the magnified moment's sign. The
/// sway magnifier about that axis comes from the critical load (the loads' drift and shear belong to the
/// frame of the horizontal axis). Without such data the vertical-axis lists are left empty.
void ComputeSlenderness(ProjectModel& m);

/// The effective length factor of the end restraints Vri, Vrj, Mri, Mrj (1 restrained, 0 free): braced
/// 1.0 / 0.7 / 0.5, end i free to sway 2.0 / 1.0. Returns false and leaves Keff unchanged for combinations
/// that have no tabulated factor (end j free to sway, or no rotational restraint at a swaying member).
bool SetKeffFromRestraints(ProjectModel& m);

}  // namespace tarnix
