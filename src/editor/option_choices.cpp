// Option buttons, check boxes and the criteria list.
#include "editor/option_choices.h"

#include "criteria/criteria.h"
#include "editor/field_edits.h"
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
  if (kind == RecordKind::ConcretePolygon && m.currentPolygon >= 1 && m.currentPolygon <= ListSize(m.npg)) {
    return &m.polygons[static_cast<size_t>(m.currentPolygon)].psign;
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
    case OutputOption::MomentCurvature:
      return m.PerformMomentCurvature;
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

// Choosing a criteria but keeping the engineer's strengths, moduli and control parameters (`before`):
// what the code fixes stays as the criteria set it, and its stress-block rule is applied to the kept f'c.
// User-defined criteria fix nothing, so their factors stay too.
void KeepEngineersValues(ProjectModel& m, const ProjectModel& before, const CriteriaRules& rules) {
  m.fpc = before.fpc, m.fy = before.fy, m.fs = before.fs;
  m.Ec = before.Ec, m.Er = before.Er, m.Es = before.Es;
  m.inc = before.inc, m.binc = before.binc, m.pinc = before.pinc;
  m.cbeg = before.cbeg, m.cend = before.cend, m.cinc = before.cinc;
  m.ebeg = before.ebeg, m.eend = before.eend, m.einc = before.einc;
  m.rcinc = before.rcinc, m.ccinc = before.ccinc, m.bsinc = before.bsinc, m.psinc = before.psinc;
  if (rules.userDefined) {
    m.phiT = before.phiT, m.phiC = before.phiC, m.phiS = before.phiS;
    m.phiConc = before.phiConc, m.phiReinf = before.phiReinf, m.phiStl = before.phiStl;
    m.a1 = before.a1, m.b1 = before.b1, m.em = before.em;
    return;
  }
  if (rules.derive != nullptr) {
    const DerivedConcrete derived = rules.derive(m.fpc, m.unitSystem());
    m.b1 = derived.b1;
    if (derived.a1) m.a1 = *derived.a1;
  }
}

}  // namespace

bool CriteriaChangesUnits(const ProjectModel& m, int listIndex) {
  const auto& list = CriteriaList();
  if (listIndex < 0 || listIndex >= static_cast<int>(list.size())) return false;
  return list[static_cast<size_t>(listIndex)]->metricOnly && m.unitSystem().IsEnglish();
}

bool SelectCriteria(ProjectModel& m, int listIndex, bool convert, NewCriteriaStrengths strengths) {
  const auto& list = CriteriaList();
  if (listIndex < 0 || listIndex >= static_cast<int>(list.size())) return false;
  return Choose(m, [&] {
    if (convert) ConvertUnits(m, false);
    const ProjectModel before = m;
    const CriteriaRules& rules = *list[static_cast<size_t>(listIndex)];
    ChooseCriteria(m, rules.key);
    if (strengths == NewCriteriaStrengths::KeepStrengths && m.units == before.units)
      KeepEngineersValues(m, before, rules);
    FollowMaterialDefaults(m, before);
  });
}

std::string CriteriaDefaultsQuestion(int listIndex) {
  const auto& list = CriteriaList();
  if (listIndex < 0 || listIndex >= static_cast<int>(list.size())) return {};
  return std::string("Use the default strengths and factors of ") +
         list[static_cast<size_t>(listIndex)]->caption + "?";
}

bool IsCurrentCriteria(const ProjectModel& m, int listIndex) {
  const auto& list = CriteriaList();
  return listIndex >= 0 && listIndex < static_cast<int>(list.size()) &&
         m.criteria == list[static_cast<size_t>(listIndex)]->key;
}

std::vector<std::string> ChangedValues(const ProjectModel& before, const ProjectModel& after) {
  std::vector<std::string> changed;
  if (before.units != after.units)
    changed.push_back(std::string("Units: ") + (before.unitSystem().IsEnglish() ? "English" : "metric") +
                      " to " + (after.unitSystem().IsEnglish() ? "English" : "metric"));
  for (FieldGroup group :
       {FieldGroup::MaterialStrength, FieldGroup::ReductionFactors, FieldGroup::ResistanceFactors,
        FieldGroup::StressBlock, FieldGroup::InteractionDiagram, FieldGroup::MomentCurvature}) {
    for (Field field : FieldsOf(group)) {
      const std::string was = FieldText(before, field), is = FieldText(after, field);
      if (was == is) continue;
      const std::string caption = DescriptorOf(field).caption;
      const std::string unit = UnitLabel(after, field);
      changed.push_back(caption + ": " + was + " to " + is + (unit.empty() ? "" : " " + unit));
    }
  }
  return changed;
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
  // The moment-curvature output is the analysis itself: one switch with the main window's check box.
  if (option == OutputOption::MomentCurvature) {
    SetPerformMomentCurvature(m, ticked ? 1 : 0);
    return {};
  }
  OutputFlag(m, option) = ticked ? 1 : 0;
  return {};
}

int OutputOptionValue(const ProjectModel& m, OutputOption option) {
  return OutputFlag(const_cast<ProjectModel&>(m), option);
}

}  // namespace tarnix
