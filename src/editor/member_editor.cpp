// Editing rules of the member properties and slenderness parameters windows.
#include "editor/member_editor.h"

#include <algorithm>

#include "model/model_edits.h"
#include "base/number_format.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

// One accessor for reading and writing, const or not.
template <typename Model>
auto& MemberValue(Model& m, MemberField field) {
  switch (field) {
    case MemberField::L:
      return m.L;
    case MemberField::Keff:
      return m.Keff;
    case MemberField::Ieff:
      break;
  }
  return m.Ieff;
}

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

// The end moments are load values with a unit factor; the other fields are stored as typed.
bool IsMoment(SlenderField field, LoadValue& which) {
  switch (field) {
    case SlenderField::M1ns:
      which = LoadValue::M1ns;
      return true;
    case SlenderField::M2ns:
      which = LoadValue::M2ns;
      return true;
    case SlenderField::M1s:
      which = LoadValue::M1s;
      return true;
    case SlenderField::M2s:
      which = LoadValue::M2s;
      return true;
    default:
      return false;
  }
}

template <typename Load>
auto& PlainValue(Load& load, SlenderField field) {
  switch (field) {
    case SlenderField::BetaD:
      return load.BetaD;
    case SlenderField::BetaDs:
      return load.BetaDs;
    case SlenderField::di:
      return load.di;
    case SlenderField::dj:
      return load.dj;
    case SlenderField::ri:
      return load.ri;
    default:
      return load.rj;
  }
}

}  // namespace

void EditMemberField(ProjectModel& m, MemberField field, std::string_view text) {
  MemberValue(m, field) = LenientFloat(text);
  m.modified = 1;
}

std::string MemberFieldText(const ProjectModel& m, MemberField field) {
  return FormatPlain(MemberValue(m, field));
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

void EditSlenderField(ProjectModel& m, SlenderField field, std::string_view text) {
  const int number = CurrentSlenderLoad(m);
  if (number == 0) return;
  m.modified = 1;
  LoadValue moment;
  if (IsMoment(field, moment)) {
    EditLoadValue(m, number, moment, text);
  } else {
    PlainValue(m.loads[static_cast<size_t>(number)], field) = LenientFloat(text);
  }
}

std::string SlenderFieldText(const ProjectModel& m, SlenderField field) {
  const int number = CurrentSlenderLoad(m);
  if (number == 0) return "";
  LoadValue moment;
  if (IsMoment(field, moment)) return FormatFixed(DisplayedLoadValue(m, number, moment), 1);
  return FormatPlain(PlainValue(m.loads[static_cast<size_t>(number)], field));
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
