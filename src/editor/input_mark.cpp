// Marks of input problems.
#include "editor/input_mark.h"

#include "editor/record_navigation.h"

namespace tarnix {
namespace {

using Part = InputLocation::Part;

RecordList ListOf(RecordKind kind) {
  switch (kind) {
    case RecordKind::ConcreteRect:
      return RecordList::ConcreteRect;
    case RecordKind::ConcreteCircle:
      return RecordList::ConcreteCircle;
    case RecordKind::ReinforcingLine:
      return RecordList::ReinforcingLine;
    case RecordKind::ReinforcingArc:
      return RecordList::ReinforcingArc;
    case RecordKind::SteelRect:
      return RecordList::SteelRect;
    case RecordKind::SteelPipe:
      return RecordList::SteelPipe;
    case RecordKind::ConcretePolygon:
      return RecordList::ConcretePolygon;
    case RecordKind::SingleBar:
      return RecordList::SingleBar;
  }
  return RecordList::ConcreteRect;
}

// The tab of a field's frame; the confinement window opens from the stress-strain tab.
MainTab TabOf(Field field) {
  const FieldDescriptor& d = DescriptorOf(field);
  return FormOf(field) == FieldForm::Main ? DescriptorOf(d.group).tab : MainTab::StressStrain;
}

// The column of `list` that shows the value named `value`: the field of that name, or for a curve point
// its strain or stress.
std::optional<Field> ColumnOf(RecordList list, const std::string& value) {
  for (const FieldDescriptor& d : FieldDescriptors()) {
    if (d.record != list) continue;
    if (const auto* point = std::get_if<PointValue>(&d.slot)) {
      if (value == (point->part == PointPart::Strain ? "strain" : "stress")) return d.id;
    } else if (value == d.name) {
      return d.id;
    }
  }
  return std::nullopt;
}

// The values chosen by buttons, and the tab that holds them or the button to their window.
struct ChosenValue {
  const char* name;
  MainTab tab;
};
const ChosenValue kChosenValues[] = {
    {"criteria", MainTab::Criteria},
    {"units", MainTab::Criteria},
    {"SlendernessOption", MainTab::Loads},
    {"Vri", MainTab::Loads},
    {"Vrj", MainTab::Loads},
    {"Mri", MainTab::Loads},
    {"Mrj", MainTab::Loads},
    {"concreteModel", MainTab::StressStrain},
    {"reinfModel", MainTab::StressStrain},
    {"steelModel", MainTab::StressStrain},
    {"ParkModel", MainTab::StressStrain},
    {"confinementOption", MainTab::StressStrain},
};

InputMark TableMarkOf(RecordList list, int row, const std::string& value) {
  InputMark mark;
  mark.tab = TabOf(FrameFields(list).front());
  mark.table = TableMark{list, row, ColumnOf(list, value)};
  return mark;
}

InputMark ModelValueMark(const std::string& value) {
  InputMark mark;
  for (const FieldDescriptor& d : FieldDescriptors()) {
    if (!d.record && value == d.name) {
      mark.tab = TabOf(d.id);
      mark.field = d.id;
      return mark;
    }
  }
  // The member properties open with the slenderness parameters from the loads tab.
  for (const MemberFieldDescriptor& d : MemberFieldDescriptors()) {
    if (value == d.name) {
      mark.tab = MainTab::Loads;
      mark.member = d.id;
      return mark;
    }
  }
  for (const ChosenValue& chosen : kChosenValues) {
    if (value == chosen.name) mark.tab = chosen.tab;
  }
  return mark;
}

}  // namespace

bool TableMark::Covers(int cellRow, std::optional<Field> cellColumn) const {
  return row != 0 && cellRow == row && (!column || column == cellColumn);
}

InputMark MarkOf(const InputProblem& problem) {
  const InputLocation& where = problem.where;
  InputMark mark;
  switch (where.part) {
    case Part::None:
      break;
    case Part::Model:
      mark = ModelValueMark(where.value);
      break;
    case Part::Records:
      mark = TableMarkOf(ListOf(where.records), where.index, where.value);
      break;
    case Part::Loads:
      mark = TableMarkOf(RecordList::Load, where.index, where.value);
      break;
    case Part::Curve:
      mark = TableMarkOf(
          where.curve == SteelCurve::Reinforcing ? RecordList::ReinforcingPoint : RecordList::SteelPoint,
          where.index, where.value);
      break;
  }
  mark.problem = problem.text;
  return mark;
}

std::optional<InputMark> IncompleteInputMark(const ProjectModel& m) {
  const InputProblem problem = LocateInputProblem(m);
  if (problem.text.empty()) return std::nullopt;
  return MarkOf(problem);
}

}  // namespace tarnix
