// The "Analysis settings" dialog's rules: what "Restore defaults" puts back.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// "Restore defaults": the control parameters of the project's unit system with complex Park strain
/// hardening, and the report of a fresh start: input echo, section properties and interaction diagram,
/// with the slenderness and section analysis parts as the loads and the slenderness option ask. The title
/// and the moment-curvature switch are the engineer's and stay.
void RestoreAnalysisDefaults(ProjectModel& m);

}  // namespace tarnix
