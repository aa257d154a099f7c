// Which frames and buttons of the main window take input, and which forms its buttons open.
#pragma once

#include "editor/record_navigation.h"
#include "model/project_model.h"

namespace tarnix {

/// The slenderness options frame and "Set Slenderness Parameters": at least one load condition and a
/// criteria other than user defined (which has no slenderness rules).
bool SlendernessOptionsEnabled(const ProjectModel& m);

/// "Calc fcc" opens the confinement window only for the Mander concrete model.
bool OpensConfinementWindow(const ProjectModel& m);

/// "Set Slenderness Parameters" opens the member properties form and, except for a slender wall
/// (option 3, which has no per-load slenderness data), the slenderness form as well.
bool OpensSlendernessForm(const ProjectModel& m);

}  // namespace tarnix
