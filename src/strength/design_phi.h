// The strength reduction factor of a point of an interaction diagram, as a load lying on the design curve
// at that point would take it.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// The factor phi of a diagram point with nominal axial force Pn and most tensile bar strain
/// `tensileStrain` (0 or negative): the phi that a load P = phi Pn takes there (LoadPhi of
/// strength/section_analysis.h), so that (phi Pn, phi Mn) is a point of the design curve. `d` is the
/// diagram the point belongs to (its balanced point bounds phi under the older criteria).
float DesignPointPhi(const ProjectModel& m, const InteractionDiagram& d, float Pn, float tensileStrain);

}  // namespace tarnix
