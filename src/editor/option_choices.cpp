// Option buttons, check boxes and the criteria list.
#include "editor/option_choices.h"

#include "criteria/criteria.h"
#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "model/unit_conversion.h"

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

// A click applies its choice unless filling a window raised it; returns whether it did.
template <typename Apply>
bool Choose(ProjectModel& m, Apply apply) {
  if (m.refreshing) return false;
  apply();
  m.modified = 1;
  return true;
}

}  // namespace

bool CriteriaChangesUnits(const ProjectModel& m, int listIndex) {
  const auto& list = CriteriaList();
  if (listIndex < 0 || listIndex >= static_cast<int>(list.size())) return false;
  return list[static_cast<size_t>(listIndex)]->metricOnly && m.unitSystem().IsEnglish();
}

bool SelectCriteria(ProjectModel& m, int listIndex, bool convert) {
  const auto& list = CriteriaList();
  if (listIndex < 0 || listIndex >= static_cast<int>(list.size())) return false;
  return Choose(m, [&] {
    if (convert) ConvertUnits(m, false);
    const ProjectModel before = m;
    ChooseCriteria(m, list[static_cast<size_t>(listIndex)]->key);
    FollowMaterialDefaults(m, before);
  });
}

bool SelectUnits(ProjectModel& m, bool english, bool convert) {
  // Criteria written for metric units only keep them, converted or not.
  if (convert && !(english && CriteriaFor(m.criteria).metricOnly))
    return Choose(m, [&] { ConvertUnits(m, english); });
  return Choose(m, [&] { ChooseUnits(m, english); });
}

const char* ConvertUnitsQuestion(bool english) {
  return english ? "Convert the section, materials and loads to English units?"
                 : "Convert the section, materials and loads to metric?";
}

bool SelectConcreteModel(ProjectModel& m, int model) {
  return Choose(m, [&] { ChooseConcreteModel(m, model); });
}

bool SelectSteelModel(ProjectModel& m, int model) {
  return Choose(m, [&] { ChooseSteelModel(m, model); });
}

bool SelectSlendernessOption(ProjectModel& m, int option) {
  return Choose(m, [&] { SetSlendernessOption(m, option); });
}

bool SelectPerformMomentCurvature(ProjectModel& m, bool ticked) {
  return Choose(m, [&] { SetPerformMomentCurvature(m, ticked ? 1 : 0); });
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
  return Choose(m, [&] { ChooseConfinementOption(m, option); });
}

void SelectParkModel(ProjectModel& m, int model) {
  Choose(m, [&] { m.ParkModel = model; });
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
