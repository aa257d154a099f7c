// Write-through of the text fields.
#include "editor/field_edits.h"

#include <cmath>

#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "base/number_format.h"
#include "section/confinement.h"

namespace tarnix {
namespace {

// The record shown in a list's editor; null when the list is empty or the index has no record.
template <typename Record>
Record* Shown(std::vector<Record>& records, int count, int current) {
  if (current < 1 || current > ListSize(count) || current >= static_cast<int>(records.size())) return nullptr;
  return &records[static_cast<size_t>(current)];
}

// The record of each type that the editors show; the model itself holds its own values.
template <typename Record>
Record* ShownRecord(ProjectModel& m);
template <>
ProjectModel* ShownRecord(ProjectModel& m) { return &m; }
template <>
ConcreteRect* ShownRecord(ProjectModel& m) { return Shown(m.rects, m.nr, m.currentRect); }
template <>
ConcreteCircle* ShownRecord(ProjectModel& m) { return Shown(m.circles, m.nc, m.currentCirc); }
template <>
ReinforcingLine* ShownRecord(ProjectModel& m) { return Shown(m.lines, m.nl, m.currentLine); }
template <>
ReinforcingArc* ShownRecord(ProjectModel& m) { return Shown(m.arcs, m.na, m.currentArc); }
template <>
SteelPipe* ShownRecord(ProjectModel& m) { return Shown(m.pipes, m.np, m.currentPipe); }
template <>
SteelRect* ShownRecord(ProjectModel& m) { return Shown(m.steelRects, m.nb, m.currentBar); }

// The plain number a field edits: a float or a whole number, neither for the other kinds of field or when
// the record does not exist.
struct NumberSlot {
  float* real = nullptr;
  int* whole = nullptr;
};

struct NumberSlotOf {
  ProjectModel& m;
  template <typename Record, typename Value>
  NumberSlot operator()(Value Record::*member) const {
    Record* record = ShownRecord<Record>(m);
    if (record == nullptr) return {};
    return Slot(&(record->*member));
  }
  template <typename Other>
  NumberSlot operator()(Other) const {
    return {};
  }
  static NumberSlot Slot(float* value) { return {value, nullptr}; }
  static NumberSlot Slot(int* value) { return {nullptr, value}; }
};

NumberSlot NumberOf(ProjectModel& m, const FieldDescriptor& d) { return std::visit(NumberSlotOf{m}, d.slot); }

// Stores the text in the field; returns what else has to be shown.
EditEffect Store(ProjectModel& m, Field field, std::string_view text) {
  const FieldDescriptor& d = DescriptorOf(field);
  EditEffect effect;
  if (const auto* kind = std::get_if<RecordKind>(&d.slot)) {
    SetRecordCountText(m, *kind, text);
    effect.refreshWindow = true;
  } else if (std::holds_alternative<LoadCount>(d.slot)) {
    SetLoadCountText(m, text);
    effect.refreshWindow = true;
  } else if (const auto* load = std::get_if<LoadValue>(&d.slot)) {
    EditLoadValue(m, m.currentLoad, *load, text);
  } else if (const auto* point = std::get_if<PointValue>(&d.slot)) {
    EditStressStrainPoint(m, point->curve, point->part, text);
  } else if (std::holds_alternative<TitleText>(d.slot)) {
    m.title = std::string(text);
  } else if (field == Field::fpc) {
    EditConcreteStrength(m, text);
    effect.derived = {Field::a1, Field::b1, Field::Ec};
  } else if (field == Field::fc0) {
    DeriveInitialModulus(m, text);
    effect.derived = {Field::Eci};
  } else if (const NumberSlot slot = NumberOf(m, d); slot.whole != nullptr) {
    if (const auto n = LenientCount(text)) *slot.whole = *n;
  } else if (slot.real != nullptr) {
    *slot.real = LenientFloat(text);
  }
  return effect;
}

}  // namespace

EditEffect EditField(ProjectModel& m, Field field, std::string_view text) {
  // A record field of an empty list, or a point the curve does not have, shows nothing and takes nothing.
  if (field != Field::title && FieldText(m, field).empty()) return {};
  EditEffect effect = Store(m, field, text);
  if (field == Field::cover) {
    effect.status = DeriveCoreDimensions(m);
    effect.derived = {Field::Dc, Field::xcl, Field::ycl};
  }
  if (field == Field::einc) {
    SetMaximumStrain(m);
    effect.derived = {Field::eend};
  }
  if (field == Field::ebeg || field == Field::eend || field == Field::einc) effect.status = StrainIncrementsText(m);
  // The control parameters are not kept in the input file (they are reset from the unit system on every
  // load), so editing them leaves nothing that saving could keep.
  if (FormOf(field) != FieldForm::ControlParameters) m.modified = 1;
  return effect;
}

std::string FieldText(const ProjectModel& m, Field field) {
  const FieldDescriptor& d = DescriptorOf(field);
  if (const auto* kind = std::get_if<RecordKind>(&d.slot)) return FormatPlain(RecordCount(m, *kind));
  if (std::holds_alternative<LoadCount>(d.slot)) return FormatPlain(m.ns);
  if (std::holds_alternative<TitleText>(d.slot)) return m.title;
  if (const auto* load = std::get_if<LoadValue>(&d.slot)) {
    if (m.currentLoad < 1 || m.currentLoad > ListSize(m.ns)) return {};
    return FormatFixed(DisplayedLoadValue(m, m.currentLoad, *load), 1);
  }
  if (const auto* point = std::get_if<PointValue>(&d.slot)) {
    const StressStrainPoint* shown = CurrentStressStrainPoint(m, point->curve);
    if (shown == nullptr) return {};
    return FormatPlain(point->part == PointPart::Strain ? shown->strain : shown->stress);
  }
  const NumberSlot slot = NumberOf(const_cast<ProjectModel&>(m), d);  // the slot is only read here
  if (slot.whole != nullptr) return FormatPlain(*slot.whole);
  if (slot.real != nullptr) return FormatPlain(*slot.real);
  return {};
}

const std::vector<Field>& MainWindowFields() {
  static const std::vector<Field> fields = [] {
    std::vector<Field> main;
    for (const FieldDescriptor& d : FieldDescriptors()) {
      if (FormOf(d.id) == FieldForm::Main) main.push_back(d.id);
    }
    return main;
  }();
  return fields;
}

std::string StrainIncrementsText(const ProjectModel& m) {
  if (!(m.einc > 0)) return {};
  const double steps = (static_cast<double>(m.eend) - m.ebeg) / m.einc + 1;
  // nearbyint rounds in the default mode, to nearest with halves to even.
  return "Number of strain increments = " + FormatPlain(std::nearbyint(steps));
}

}  // namespace tarnix
