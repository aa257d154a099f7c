// Write-through of the text fields.
#include "editor/field_edits.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "editor/record_navigation.h"
#include "model/bar_sizes.h"
#include "model/defaults.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "base/conventions.h"
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
template <>
SingleBar* ShownRecord(ProjectModel& m) { return Shown(m.singleBars, m.nsb, m.currentSingleBar); }
// The corners of a polygon are numbered from 1 in the window and stored from 0.
template <>
Vertex* ShownRecord(ProjectModel& m) {
  ConcretePolygon* polygon = CurrentPolygon(m);
  const int at = m.currentVertex;
  if (polygon == nullptr || at < 1 || at > static_cast<int>(polygon->vertices.size())) return nullptr;
  return &polygon->vertices[static_cast<size_t>(at - 1)];
}

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

}  // namespace

bool StartsWithNumber(std::string_view text) {
  size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return false;
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i < text.size() && text[i] == '.') ++i;
  return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

namespace {

bool IsCount(const FieldDescriptor& d) {
  return std::holds_alternative<RecordKind>(d.slot) || std::holds_alternative<LoadCount>(d.slot) ||
         std::holds_alternative<CornerCount>(d.slot);
}

bool IsStrengthOrModulus(Field field) {
  return field == Field::fpc || field == Field::fy || field == Field::fs || field == Field::Ec ||
         field == Field::Er || field == Field::Es;
}

// The material-model defaults are worked out from these.
bool DrivesMaterialDefaults(Field field) { return IsStrengthOrModulus(field) && field != Field::Ec; }

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
  } else if (std::holds_alternative<CornerCount>(d.slot)) {
    // Corners added at the end start at the origin; fewer corners drop the last ones.
    if (ConcretePolygon* polygon = CurrentPolygon(m); polygon != nullptr) {
      if (const auto n = LenientCount(text)) polygon->vertices.resize(static_cast<size_t>(*n));
    }
    effect.refreshWindow = true;
  } else if (const auto size = FindBarSize(text); field == Field::sba && size) {
    // A bar named by its size takes that size's area, in the project's units.
    if (SingleBar* bar = ShownRecord<SingleBar>(m)) bar->area = size->AreaIn(m.unitSystem());
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

std::string FieldProblem(Field field, std::string_view text) {
  if (field == Field::title) return {};
  if (field == Field::sba && FindBarSize(text)) return {};
  if (!StartsWithNumber(text)) return kNotANumber;
  const FieldDescriptor& d = DescriptorOf(field);
  const double value = LenientDouble(text);
  if (IsCount(d)) {
    const std::optional<int> n = LenientCount(text);
    if (!n || *n < 0) return "a count cannot be negative";
    if (*n > kMaxRecordCount) return "at most " + FormatPlain(kMaxRecordCount) + " records";
  }
  if (std::holds_alternative<int ReinforcingLine::*>(d.slot) ||
      std::holds_alternative<int ReinforcingArc::*>(d.slot)) {
    if (value < 0) return "a number of bars cannot be negative";
  }
  if (d.unit == UnitKind::Area && value < 0) return "an area cannot be negative";
  if (IsStrengthOrModulus(field) && !(value > 0)) return "must be greater than 0";
  return {};
}

EditEffect EditField(ProjectModel& m, Field field, std::string_view text) {
  // A record field of an empty list, or a point the curve does not have, shows nothing and takes nothing.
  if (field != Field::title && FieldText(m, field).empty()) return {};
  // Text the field cannot mean leaves the model at its last valid value; the window marks the field.
  if (std::string problem = FieldProblem(field, text); !problem.empty()) {
    EditEffect refused;
    refused.problem = std::move(problem);
    return refused;
  }
  const ProjectModel before = m;
  EditEffect effect = Store(m, field, text);
  if (DrivesMaterialDefaults(field)) {
    FollowMaterialDefaults(m, before);
    for (Field model : {Field::fc0, Field::ec0, Field::Eci, Field::esp, Field::ecu, Field::fcu, Field::fcc,
                        Field::strainr, Field::stressr, Field::strains, Field::stresss})
      effect.derived.push_back(model);
  }
  if (field == Field::cover) {
    effect.status = DeriveCoreDimensions(m);
    effect.derived = {Field::Dc, Field::xcl, Field::ycl};
  }
  if (field == Field::einc) {
    SetMaximumStrain(m);
    effect.derived = {Field::eend};
  }
  if (field == Field::ebeg || field == Field::eend || field == Field::einc) effect.status = StrainIncrementsText(m);
  m.modified = 1;
  return effect;
}

std::string FieldText(const ProjectModel& m, Field field) {
  const FieldDescriptor& d = DescriptorOf(field);
  if (const auto* kind = std::get_if<RecordKind>(&d.slot)) return FormatPlain(RecordCount(m, *kind));
  if (std::holds_alternative<LoadCount>(d.slot)) return FormatPlain(m.ns);
  if (std::holds_alternative<CornerCount>(d.slot)) {
    const ConcretePolygon* polygon = CurrentPolygon(m);
    return polygon == nullptr ? std::string() : FormatPlain(static_cast<int>(polygon->vertices.size()));
  }
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

std::string FieldNote(const ProjectModel& m, Field field) {
  const float spiral = CriteriaFor(m.criteria).revised.phiSpiral;
  // The field holds the tied-column value; the code fixes the spiral one.
  if (field == Field::phiC && spiral > 0) return "spiral " + FormatPlain(spiral);
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

void FieldProblems::Set(Field field, std::string problem) {
  Set(DescriptorOf(field).tip, std::move(problem));
}

void FieldProblems::Set(const std::string& name, std::string problem) {
  const auto found = std::find_if(problems_.begin(), problems_.end(),
                                  [&name](const auto& entry) { return entry.first == name; });
  if (found != problems_.end()) problems_.erase(found);
  if (!problem.empty()) problems_.emplace_back(name, std::move(problem));
}

std::string FieldProblems::Of(Field field) const {
  const std::string name = DescriptorOf(field).tip;
  for (const auto& [refused, problem] : problems_)
    if (refused == name) return problem;
  return {};
}

Status FieldProblems::RequireNone() const {
  if (problems_.empty()) return Status::Success();
  const auto& [name, problem] = problems_.front();
  return Status::Failure(kFieldNeedsCorrection, name + ": " + problem);
}

std::string StrainIncrementsText(const ProjectModel& m) {
  if (!(m.einc > 0)) return {};
  const double steps = (static_cast<double>(m.eend) - m.ebeg) / m.einc + 1;
  // nearbyint rounds in the default mode, to nearest with halves to even.
  return "Number of strain increments = " + FormatPlain(std::nearbyint(steps));
}

}  // namespace tarnix
