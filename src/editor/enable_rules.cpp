// Enable rules of the main window.
#include "editor/enable_rules.h"

#include "criteria/criteria.h"

namespace tarnix {

bool SlendernessOptionsEnabled(const ProjectModel& m) { return m.ns >= 1 && !CriteriaFor(m.criteria).userDefined; }

bool OpensConfinementWindow(const ProjectModel& m) { return m.concreteModel == ConcreteModel::Mander; }

bool OpensSlendernessForm(const ProjectModel& m) { return m.SlendernessOption != Slenderness::SlenderWall; }

}  // namespace tarnix
