// The moment-curvature request of the benchmarks' heavy section.
#pragma once

#include "model/defaults.h"
#include "model/model_edits.h"
#include "test_sections.h"

namespace tarnix {

/// Asks for the moment-curvature analysis of the heavy section with the default control parameters, its
/// Mander confined concrete crushing at a strain of 0.03 with f'cc 7500 psi.
inline void AskHeavyMomentCurvature(ProjectModel& m) {
  ApplyControlDefaults(m);
  SetPerformMomentCurvature(m, 1);
  // Asking for the analysis applies the material model defaults: the heavy section's own values again.
  m.concreteModel = 3;
  m.ecu = 0.03f;
  m.fcc = 7500;
}

}  // namespace tarnix
