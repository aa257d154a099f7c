// Editing rules of the member properties and slenderness parameters windows.
#include "editor/member_editor.h"

#include <algorithm>

#include "editor/field_edits.h"
#include "model/model_edits.h"
#include "base/number_format.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

int& RestraintFlag(ProjectModel& m, Restraint which) {
  switch (which) {
    case Restraint::ShearI:
      return m.Vri;
    case Restraint::ShearJ:
      return m.Vrj;
    case Restraint::MomentI:
      return m.Mri;
    case Restraint::MomentJ:
      break;
  }
  return m.Mrj;
}

const std::vector<MemberFieldDescriptor> kMemberFields = {
    {MemberField::L, "L", "Member length", "L: Length of member", UnitKind::Length, &ProjectModel::L},
    {MemberField::Keff, "Keff", "Effective length factor", "Keff: Effective length factor (click the caption to derive it from the end restraints)", UnitKind::None, &ProjectModel::Keff},
    {MemberField::Ieff, "Ieff", "Stiffness factor", "Ieff: Factor for effective moment of inertia", UnitKind::None,
     &ProjectModel::Ieff},
};

const std::vector<SlenderFieldDescriptor> kSlenderFields = {
    {SlenderField::M1ns, "Smaller end moment, non-sway", "M1ns: Minimum end moment due to non-sway loads", UnitKind::Moment,
     LoadValue::M1ns},
    {SlenderField::M2ns, "Larger end moment, non-sway", "M2ns: Maximum end moment due to non-sway loads", UnitKind::Moment,
     LoadValue::M2ns},
    {SlenderField::M1s, "Smaller end moment, sway", "M1s: Minimum end moment due to sway loads", UnitKind::Moment, LoadValue::M1s},
    {SlenderField::M2s, "Larger end moment, sway", "M2s: Maximum end moment due to sway loads", UnitKind::Moment, LoadValue::M2s},
    {SlenderField::BetaD, "Sustained axial load ratio", "BetaD: Ratio of sustained to total axial load", UnitKind::None,
     &LoadCondition::BetaD},
    {SlenderField::BetaDs, "Sustained shear ratio", "BetaDs: Ratio of sustained to total shear load", UnitKind::None,
     &LoadCondition::BetaDs},
    {SlenderField::di, "Initial deflection, end i", "di: Initial lateral deflection at end i", UnitKind::Length, &LoadCondition::di},
    {SlenderField::dj, "Initial deflection, end j", "dj: Initial lateral deflection at end j", UnitKind::Length, &LoadCondition::dj},
    {SlenderField::ri, "Initial rotation, end i", "ri: Initial rotation at end i (degrees)", UnitKind::Degrees, &LoadCondition::ri},
    {SlenderField::rj, "Initial rotation, end j", "rj: Initial rotation at end j (degrees)", UnitKind::Degrees, &LoadCondition::rj},
};

template <typename Descriptor, typename Id>
const Descriptor& Find(const std::vector<Descriptor>& table, Id id) {
  return *std::find_if(table.begin(), table.end(), [id](const Descriptor& d) { return d.id == id; });
}

}  // namespace

const std::vector<MemberFieldDescriptor>& MemberFieldDescriptors() { return kMemberFields; }

const std::vector<SlenderFieldDescriptor>& SlenderFieldDescriptors() { return kSlenderFields; }

std::string EditMemberField(ProjectModel& m, MemberField field, std::string_view text) {
  if (!StartsWithNumber(text)) return kNotANumber;
  m.*Find(kMemberFields, field).value = LenientFloat(text);
  m.modified = 1;
  return {};
}

std::string MemberFieldText(const ProjectModel& m, MemberField field) {
  return FormatPlain(m.*Find(kMemberFields, field).value);
}

bool SetRestraint(ProjectModel& m, Restraint which, bool ticked) {
  if (m.refreshing != 0) return false;
  RestraintFlag(m, which) = ticked ? 1 : 0;
  m.modified = 1;
  return true;
}

bool InitialDeflectionIEnabled(const ProjectModel& m) { return m.Vri != 1; }

std::string DeriveKeff(ProjectModel& m) {
  if (SetKeffFromRestraints(m)) m.modified = 1;
  return MemberFieldText(m, MemberField::Keff);
}

int CurrentSlenderLoad(const ProjectModel& m) {
  if (m.ns < 1) return 0;
  return std::clamp(m.currentSlenderLoad, 1, m.ns);
}

std::string EditSlenderField(ProjectModel& m, SlenderField field, std::string_view text) {
  const int number = CurrentSlenderLoad(m);
  if (number == 0) return {};
  if (!StartsWithNumber(text)) return kNotANumber;
  m.modified = 1;
  const auto& value = Find(kSlenderFields, field).value;
  if (const auto* moment = std::get_if<LoadValue>(&value)) {
    EditLoadValue(m, number, *moment, text);
  } else {
    m.loads[static_cast<size_t>(number)].*std::get<float LoadCondition::*>(value) = LenientFloat(text);
  }
  return {};
}

std::string SlenderFieldText(const ProjectModel& m, SlenderField field) {
  const int number = CurrentSlenderLoad(m);
  if (number == 0) return "";
  const auto& value = Find(kSlenderFields, field).value;
  if (const auto* moment = std::get_if<LoadValue>(&value)) {
    return FormatFixed(DisplayedLoadValue(m, number, *moment), 1);
  }
  return FormatPlain(m.loads[static_cast<size_t>(number)].*std::get<float LoadCondition::*>(value));
}

bool SetTransverseLoads(ProjectModel& m, bool ticked) {
  const int number = CurrentSlenderLoad(m);
  if (m.refreshing != 0 || number == 0) return false;
  m.loads[static_cast<size_t>(number)].Tloads = ticked ? 1 : 0;
  m.modified = 1;
  return true;
}

bool NextSlenderLoad(ProjectModel& m) {
  const int number = CurrentSlenderLoad(m);
  if (number == 0 || number >= m.ns) return false;
  m.currentSlenderLoad = number + 1;
  return true;
}

bool PreviousSlenderLoad(ProjectModel& m) {
  const int number = CurrentSlenderLoad(m);
  if (number <= 1) return false;
  m.currentSlenderLoad = number - 1;
  return true;
}

std::string SlenderLoadCaption(const ProjectModel& m) {
  return "LOAD CONDITION NO " + std::to_string(CurrentSlenderLoad(m));
}

}  // namespace tarnix
