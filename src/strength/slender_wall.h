// Slender wall design per ACI 318: a wall panel of the first concrete rectangle with the first reinforcing
// line as its tension steel, its moment capacity from the effective steel area and its magnified moment.
#pragma once

namespace tarnix {

struct ProjectModel;

/// Designs the wall for every load condition of a member with length L > 0 and stores the reinforcing
/// ratio, its maximum, the cracking moment, and per load the capacity phiMnAse and the magnified moment Mc
/// in the model's slenderness result block. Uses the strength reduction factor that the section analysis
/// found for each load. A load at or beyond the panel's buckling load has the outcome Buckling instead of a
/// magnified moment; a section without the wall's rectangle or reinforcing line gets `wallProblem`.
void ComputeSlenderWall(ProjectModel& m);

/// The moment capacity the wall's magnified moment of load condition i is judged against: phiMnAse, or
/// under ACI 318-19 phi Mn of the section at the load from the interaction diagram. 0 without one.
float WallMomentCapacity(const ProjectModel& m, int i);

/// The wall design found load condition i's magnified moment above the wall's moment capacity.
bool WallMomentExceeded(const ProjectModel& m, int i);

}  // namespace tarnix
