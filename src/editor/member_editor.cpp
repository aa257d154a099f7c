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
      return m.Mrj;
    case Restraint::ShearIY:
      return m.memberY.Vri;
    case Restraint::ShearJY:
      return m.memberY.Vrj;
    case Restraint::MomentIY:
      return m.memberY.Mri;
    case Restraint::MomentJY:
      break;
  }
  return m.memberY.Mrj;
}

const std::vector<MemberFieldDescriptor> kMemberFields = {
    {MemberField::L, "L", "Member length", "L: Length of member", UnitKind::Length, &ProjectModel::L},
    {MemberField::Keff, "Keff", "Effective length factor", "Keff: Effective length factor (click the caption to derive it from the end restraints)", UnitKind::None, &ProjectModel::Keff},
    {MemberField::Ieff, "Ieff", "Stiffness factor", "Ieff: Factor for effective moment of inertia", UnitKind::None,
     &ProjectModel::Ieff},
    {MemberField::LY, "LY", "Member length about y", "LY: Length of member for bending about the vertical axis (0: My is not magnified)",
     UnitKind::Length, &MemberAxis::L},
    {MemberField::KeffY, "KeffY", "Effective length factor about y",
     "KeffY: Effective length factor for bending about the vertical axis", UnitKind::None, &MemberAxis::Keff},
    {MemberField::IeffY, "IeffY", "Stiffness factor about y",
     "IeffY: Factor for effective moment of inertia about the vertical axis", UnitKind::None, &MemberAxis::Ieff},
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
    {SlenderField::M1nsY, "Smaller end moment about y, non-sway", "M1nsY: Minimum end moment about the vertical axis due to non-sway loads",
     UnitKind::Moment, LoadValue::M1nsY},
    {SlenderField::M2nsY, "Larger end moment about y, non-sway", "M2nsY: Maximum end moment about the vertical axis due to non-sway loads",
     UnitKind::Moment, LoadValue::M2nsY},
    {SlenderField::M1sY, "Smaller end moment about y, sway", "M1sY: Minimum end moment about the vertical axis due to sway loads",
     UnitKind::Moment, LoadValue::M1sY},
    {SlenderField::M2sY, "Larger end moment about y, sway", "M2sY: Maximum end moment about the vertical axis due to sway loads",
     UnitKind::Moment, LoadValue::M2sY},
    {SlenderField::BetaDY, "Sustained axial load ratio about y", "BetaDY: Ratio of sustained to total axial load, vertical axis",
     UnitKind::None, &AxisEndMoments::BetaD},
    {SlenderField::BetaDsY, "Sustained shear ratio about y", "BetaDsY: Ratio of sustained to total shear load, vertical axis",
     UnitKind::None, &AxisEndMoments::BetaDs},
};

template <typename Descriptor, typename Id>
const Descriptor& Find(const std::vector<Descriptor>& table, Id id) {
  return *std::find_if(table.begin(), table.end(), [id](const Descriptor& d) { return d.id == id; });
}

}  // namespace

const std::vector<MemberFieldDescriptor>& MemberFieldDescriptors() { return kMemberFields; }

const std::vector<SlenderFieldDescriptor>& SlenderFieldDescriptors() { return kSlenderFields; }

namespace {

float& MemberValue(ProjectModel& m, MemberField field) {
  const auto& value = Find(kMemberFields, field).value;
  if (const auto* own = std::get_if<float ProjectModel::*>(&value)) return m.**own;
  return m.memberY.*std::get<float MemberAxis::*>(value);
}

float& SlenderValue(LoadCondition& load, const SlenderFieldDescriptor& d) {
  if (const auto* own = std::get_if<float LoadCondition::*>(&d.value)) return load.**own;
  return load.endY.*std::get<float AxisEndMoments::*>(d.value);
}

}  // namespace

bool AboutVerticalAxis(MemberField field) {
  return std::holds_alternative<float MemberAxis::*>(Find(kMemberFields, field).value);
}

bool AboutVerticalAxis(SlenderField field) {
  const auto& value = Find(kSlenderFields, field).value;
  if (std::holds_alternative<float AxisEndMoments::*>(value)) return true;
  const auto* moment = std::get_if<LoadValue>(&value);
  return moment != nullptr && (*moment == LoadValue::M1nsY || *moment == LoadValue::M2nsY ||
                               *moment == LoadValue::M1sY || *moment == LoadValue::M2sY);
}

bool VerticalAxisShown(const ProjectModel& m) { return m.memberY.L > 0; }

std::string EditMemberField(ProjectModel& m, MemberField field, std::string_view text) {
  if (!StartsWithNumber(text)) return kNotANumber;
  MemberValue(m, field) = LenientFloat(text);
  m.modified = 1;
  return {};
}

std::string MemberFieldText(const ProjectModel& m, MemberField field) {
  return FormatPlain(MemberValue(const_cast<ProjectModel&>(m), field));
}

bool SetRestraint(ProjectModel& m, Restraint which, bool ticked) {
  if (m.refreshing != 0) return false;
  RestraintFlag(m, which) = ticked ? 1 : 0;
  m.modified = 1;
  return true;
}

int RestraintValue(const ProjectModel& m, Restraint which) {
  return RestraintFlag(const_cast<ProjectModel&>(m), which);
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
    SlenderValue(m.loads[static_cast<size_t>(number)], Find(kSlenderFields, field)) = LenientFloat(text);
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
  return FormatPlain(SlenderValue(const_cast<LoadCondition&>(m.loads[static_cast<size_t>(number)]),
                                  Find(kSlenderFields, field)));
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
