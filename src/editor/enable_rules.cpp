// Enable rules of the main window.
#include "editor/enable_rules.h"

namespace tarnix {

bool FrameEnabled(const ProjectModel& m, RecordList list) { return ListLength(m, list) >= 1; }

bool SlendernessOptionsEnabled(const ProjectModel& m) { return m.ns >= 1 && m.criteria != "ud"; }

bool OpensConfinementWindow(const ProjectModel& m) { return m.concreteModel == 3; }

bool OpensSlendernessForm(const ProjectModel& m) { return m.SlendernessOption != 3; }

}  // namespace tarnix
