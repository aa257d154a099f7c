// The benchmarks' heavy section with its loads and its moment-curvature request.
#pragma once

#include "model/defaults.h"
#include "model/model_edits.h"
#include "test_sections.h"

namespace tarnix {

/// The heavy section with ten load conditions from 100 kip tension to 3500 kip compression.
inline ProjectModel LoadedHeavySection() {
  ProjectModel m = HeavySection();
  SetLoadCount(m, 10);
  for (int i = 1; i <= 10; ++i) {
    m.loads[static_cast<size_t>(i)].P = -500000.0f + 400000.0f * static_cast<float>(i);
    m.loads[static_cast<size_t>(i)].M = 1.2e7f + 1.0e6f * static_cast<float>(i);
  }
  return m;
}

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
