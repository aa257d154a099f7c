// Defaults of the analysis settings.
#include "editor/analysis_settings.h"

#include "model/defaults.h"
#include "model/model_edits.h"

namespace tarnix {

void RestoreAnalysisDefaults(ProjectModel& m) {
  ApplyControlDefaults(m);
  m.ParkModel = StrainHardening::Complex;
  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = 1;
  DeriveOutputOptions(m);
}

}  // namespace tarnix
