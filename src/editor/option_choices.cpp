// Option buttons, check boxes and the criteria list.
#include "editor/option_choices.h"

#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

int* ConcreteSign(ProjectModel& m, RecordKind kind) {
  if (kind == RecordKind::ConcreteRect && m.currentRect >= 1 && m.currentRect <= ListSize(m.nr)) {
    return &m.rects[static_cast<size_t>(m.currentRect)].rsign;
  }
  if (kind == RecordKind::ConcreteCircle && m.currentCirc >= 1 && m.currentCirc <= ListSize(m.nc)) {
    return &m.circles[static_cast<size_t>(m.currentCirc)].csign;
  }
  return nullptr;
}

int& OutputFlag(ProjectModel& m, OutputOption option) {
  switch (option) {
    case OutputOption::InputEcho: return m.OutputInputEcho;
    case OutputOption::SectionProperties: return m.OutputSectionProperties;
    case OutputOption::InteractionDiagram: return m.OutputInteractionDiagram;
    case OutputOption::Slenderness: return m.OutputSlenderness;
    case OutputOption::SectionAnalysis: return m.OutputSectionAnalysis;
    case OutputOption::MomentCurvature: return m.OutputMomentCurvature;
  }
  return m.OutputInputEcho;
}

}  // namespace

bool SelectCriteria(ProjectModel& m, int listIndex) {
  constexpr int entries = static_cast<int>(sizeof kCriteriaList / sizeof kCriteriaList[0]);
  if (m.refreshing || listIndex < 0 || listIndex >= entries) return false;
  ChooseCriteria(m, kCriteriaList[listIndex].key);
  m.modified = 1;
  return true;
}

bool SelectUnits(ProjectModel& m, bool english) {
  if (m.refreshing) return false;
  ChooseUnits(m, english);
  m.modified = 1;
  return true;
}

bool SelectConcreteModel(ProjectModel& m, int model) {
  if (m.refreshing) return false;
  ChooseConcreteModel(m, model);
  m.modified = 1;
  return true;
}

bool SelectSteelModel(ProjectModel& m, int model) {
  if (m.refreshing) return false;
  ChooseSteelModel(m, model);
  m.modified = 1;
  return true;
}

bool SelectSlendernessOption(ProjectModel& m, int option) {
  if (m.refreshing) return false;
  SetSlendernessOption(m, option);
  m.modified = 1;
  return true;
}

bool SelectPerformMomentCurvature(ProjectModel& m, bool ticked) {
  if (m.refreshing) return false;
  SetPerformMomentCurvature(m, ticked ? 1 : 0);
  m.modified = 1;
  return true;
}

void SelectConcreteSign(ProjectModel& m, RecordKind kind, bool add) {
  int* sign = ConcreteSign(m, kind);
  if (m.refreshing || sign == nullptr) return;
  *sign = add ? 1 : -1;
  m.modified = 1;
}

bool ShownAsAdded(const ProjectModel& m, RecordKind kind) {
  const int* sign = ConcreteSign(const_cast<ProjectModel&>(m), kind);
  return sign == nullptr || *sign != -1;
}

bool SelectConfinementOption(ProjectModel& m, int option) {
  if (m.refreshing) return false;
  ChooseConfinementOption(m, option);
  m.modified = 1;
  return true;
}

void SelectParkModel(ProjectModel& m, int model) {
  if (m.refreshing) return;
  m.ParkModel = model;
  m.modified = 1;
}

std::string SelectOutputOption(ProjectModel& m, OutputOption option, bool ticked) {
  if (m.refreshing) return {};
  if (option == OutputOption::Slenderness) return SetOutputSlenderness(m, ticked ? 1 : 0);
  OutputFlag(m, option) = ticked ? 1 : 0;
  return {};
}

int OutputOptionValue(const ProjectModel& m, OutputOption option) {
  return OutputFlag(const_cast<ProjectModel&>(m), option);
}

}  // namespace tarnix
