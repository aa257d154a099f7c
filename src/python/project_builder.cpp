#include "python/project_builder.h"

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "base/number_format.h"
#include "criteria/criteria.h"
#include "editor/field_edits.h"
#include "editor/member_editor.h"
#include "editor/option_choices.h"
#include "editor/record_table.h"
#include "model/defaults.h"
#include "model/input_check.h"
#include "model/model_edits.h"

namespace py = pybind11;

namespace tarnix {
namespace {

[[noreturn]] void Refuse(const std::string& where, const std::string& problem) {
  throw py::value_error(where + ": " + problem);
}

// A number given in Python, as a finite single-precision value.
float Number(py::handle value, const std::string& where) {
  if (py::isinstance<py::bool_>(value) ||
      !(py::isinstance<py::float_>(value) || py::isinstance<py::int_>(value) ||
        py::hasattr(value, "__float__"))) {
    Refuse(where, kNotANumber);
  }
  const double number = py::float_(py::reinterpret_borrow<py::object>(value)).cast<double>();
  if (!std::isfinite(number) || std::fabs(number) > std::numeric_limits<float>::max()) {
    Refuse(where, "out of range");
  }
  return static_cast<float>(number);
}

int WholeNumber(py::handle value, const std::string& where) {
  if (py::isinstance<py::bool_>(value) || !py::isinstance<py::int_>(value))
    Refuse(where, "not a whole number");
  return value.cast<int>();
}

// A coded option: one of its numbers, refused with the completeness check's message otherwise.
int Option(py::handle value, const std::string& where, const std::string& name, const OptionValues& allowed) {
  const int option = WholeNumber(value, where);
  if (const std::string problem = OptionProblem(name, option, allowed); !problem.empty())
    Refuse(where, problem);
  return option;
}

bool Flag(py::handle value, const std::string& where) {
  if (!py::isinstance<py::bool_>(value) &&
      !(py::isinstance<py::int_>(value) && value.cast<long>() >= 0 && value.cast<long>() <= 1)) {
    Refuse(where, "not true or false");
  }
  return value.cast<bool>();
}

// What the engineer types: a text as it is, a number in the shortest digits that read back to the same
// single-precision value (so the field's rule sees exactly the number given).
std::string Typed(py::handle value, const std::string& where) {
  if (py::isinstance<py::str>(value)) return value.cast<std::string>();
  return FormatFileFloat(Number(value, where));
}

// The keyword arguments, each taken once; any left over at the end is a name the program does not know.
class Arguments {
 public:
  Arguments(const py::dict& values, std::string where) : where_(std::move(where)) {
    for (const auto& item : values) {
      if (!py::isinstance<py::str>(item.first)) Refuse(where_, "a name that is not a text");
      values_.emplace_back(item.first.cast<std::string>(), py::reinterpret_borrow<py::object>(item.second));
    }
  }
  const py::object* Take(const std::string& name) {
    for (auto& [key, value] : values_) {
      if (key == name) {
        taken_.insert(name);
        return &value;
      }
    }
    return nullptr;
  }
  std::string Where(const std::string& name) const { return where_.empty() ? name : where_ + "." + name; }
  void Finish() const {
    for (const auto& entry : values_) {
      if (taken_.count(entry.first) > 0) continue;
      const std::string unknown = "unknown name \"" + entry.first + "\"";
      if (where_.empty()) throw py::value_error(unknown);
      Refuse(where_, unknown);
    }
  }

 private:
  std::string where_;
  std::vector<std::pair<std::string, py::object>> values_;
  std::set<std::string> taken_;
};

py::dict AsDict(py::handle value, const std::string& where) {
  if (!py::isinstance<py::dict>(value)) Refuse(where, "not a dict");
  return py::reinterpret_borrow<py::dict>(value);
}

py::list AsList(py::handle value, const std::string& where) {
  if (py::isinstance<py::str>(value) || !py::isinstance<py::sequence>(value)) Refuse(where, "not a list");
  return py::list(py::reinterpret_borrow<py::object>(value));
}

// Two numbers given as a dict of the two names or as a pair in that order: a corner (x, y), a curve point
// (strain, stress).
std::pair<float, float> Pair(py::handle value, const std::string& where, const char* first,
                             const char* second) {
  if (py::isinstance<py::dict>(value)) {
    Arguments both(AsDict(value, where), where);
    const py::object* a = both.Take(first);
    const py::object* b = both.Take(second);
    if (a == nullptr || b == nullptr) Refuse(where, std::string(first) + " and " + second + " are required");
    both.Finish();
    return {Number(*a, both.Where(first)), Number(*b, both.Where(second))};
  }
  const py::list pair = AsList(value, where);
  if (pair.size() != 2) Refuse(where, std::string("not a pair (") + first + ", " + second + ")");
  return {Number(pair[0], where), Number(pair[1], where)};
}

void Require(const EditEffect& effect, const std::string& where) {
  if (!effect.problem.empty()) Refuse(where, effect.problem);
}

// Each record of the list `name`: `make(n)` makes the list n records long (false when it cannot be that
// long), `fill(record, i)` takes the members of record i (1-based).
template <typename Make, typename Fill>
void ForEachRecord(Arguments& args, const char* name, Make make, Fill fill) {
  const py::object* given = args.Take(name);
  if (given == nullptr) return;
  const py::list rows = AsList(*given, name);
  if (rows.empty()) return;
  if (!make(static_cast<int>(rows.size()))) {
    Refuse(name, "more than " + std::to_string(kMaxRecordCount) + " records");
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    Arguments record(AsDict(rows[i], name), std::string(name) + "[" + std::to_string(i + 1) + "]");
    fill(record, i + 1);
    record.Finish();
  }
}

// A member of a record: typed into the table's cell (the field's rule), or stored as given where the
// window has no cell for it (the horizontal position, the sign of a concrete shape).
template <typename Record>
struct RecordMember {
  const char* name;
  std::variant<Field, float Record::*, int Record::*> slot;
};

template <typename Record>
void FillRecords(ProjectModel& m, Arguments& args, const char* name, RecordList list,
                 std::vector<Record>& records, const std::vector<RecordMember<Record>>& members) {
  const auto make = [&](int n) { return InsertRows(m, list, TableRows(m, list) + 1, n); };
  ForEachRecord(args, name, make, [&](Arguments& record, size_t i) {
    const int row = static_cast<int>(i);
    for (const RecordMember<Record>& member : members) {
      const py::object* value = record.Take(member.name);
      if (value == nullptr) continue;
      const std::string where = record.Where(member.name);
      if (const Field* field = std::get_if<Field>(&member.slot)) {
        Require(EditCell(m, list, row, *field, Typed(*value, where)), where);
      } else if (const auto* number = std::get_if<float Record::*>(&member.slot)) {
        records[i].*(*number) = Number(*value, where);
      } else {
        // The sign of a concrete shape: the window's add / subtract choice.
        records[i].*std::get<int Record::*>(member.slot) = Option(*value, where, "sign", kSigns);
      }
    }
  });
}

void FillPolygons(ProjectModel& m, Arguments& args) {
  const auto make = [&](int n) { return SetRecordCount(m, RecordKind::ConcretePolygon, n); };
  ForEachRecord(args, "polygons", make, [&](Arguments& record, size_t i) {
    ConcretePolygon& polygon = m.polygons[i];
    polygon = ConcretePolygon{};
    if (const py::object* sign = record.Take("sign")) {
      polygon.psign = Option(*sign, record.Where("sign"), "sign", kSigns);
    }
    const py::object* vertices = record.Take("vertices");
    if (vertices == nullptr) return;
    const py::list corners = AsList(*vertices, record.Where("vertices"));
    for (size_t k = 0; k < corners.size(); ++k) {
      const std::string where = record.Where("vertices") + "[" + std::to_string(k + 1) + "]";
      const auto [x, y] = Pair(corners[k], where, "x", "y");
      polygon.vertices.push_back({x, y});
    }
  });
}

void FillSingleBars(ProjectModel& m, Arguments& args) {
  const auto make = [&](int n) { return SetRecordCount(m, RecordKind::SingleBar, n); };
  ForEachRecord(args, "singleBars", make, [&](Arguments& record, size_t i) {
    SingleBar& bar = m.singleBars[i];
    bar = SingleBar{};
    if (const py::object* x = record.Take("x")) bar.x = Number(*x, record.Where("x"));
    if (const py::object* y = record.Take("y")) bar.y = Number(*y, record.Where("y"));
    if (const py::object* area = record.Take("area")) {
      // The area of a bar follows the rule of the bar area of a line.
      const std::string text = Typed(*area, record.Where("area"));
      if (const std::string problem = FieldProblem(Field::Abl, text); !problem.empty()) {
        Refuse(record.Where("area"), problem);
      }
      bar.area = Number(*area, record.Where("area"));
    }
  });
}

constexpr std::pair<const char*, SlenderField> kSlenderMembers[] = {
    {"M1ns", SlenderField::M1ns}, {"M2ns", SlenderField::M2ns},   {"M1s", SlenderField::M1s},
    {"M2s", SlenderField::M2s},   {"BetaD", SlenderField::BetaD}, {"BetaDs", SlenderField::BetaDs},
    {"di", SlenderField::di},     {"dj", SlenderField::dj},       {"ri", SlenderField::ri},
    {"rj", SlenderField::rj},
};

void FillLoads(ProjectModel& m, Arguments& args) {
  const auto make = [&](int n) { return InsertRows(m, RecordList::Load, 1, n); };
  ForEachRecord(args, "loads", make, [&](Arguments& record, size_t i) {
    const int row = static_cast<int>(i);
    for (const Field field : {Field::P, Field::M, Field::V, Field::T}) {
      const char* name = DescriptorOf(field).name;
      if (const py::object* value = record.Take(name)) {
        Require(EditCell(m, RecordList::Load, row, field, Typed(*value, record.Where(name))),
                record.Where(name));
      }
    }
    for (const auto& [name, field] : kSlenderMembers) {
      if (const py::object* value = record.Take(name)) {
        const std::string problem = EditSlenderCell(m, row, field, Typed(*value, record.Where(name)));
        if (!problem.empty()) Refuse(record.Where(name), problem);
      }
    }
    LoadCondition& load = m.loads[i];
    // The window has no field for the moment about the vertical axis: given in k-ft / kN-m like M.
    if (const py::object* my = record.Take("My"))
      load.My = Number(*my, record.Where("My")) * m.MomentUnitFactor;
    if (const py::object* transverse = record.Take("transverseLoads")) {
      load.Tloads = Flag(*transverse, record.Where("transverseLoads")) ? 1 : 0;
    }
    if (const py::object* endY = record.Take("endY")) {
      Arguments ends(AsDict(*endY, record.Where("endY")), record.Where("endY"));
      const std::pair<const char*, float AxisEndMoments::*> moments[] = {{"M1ns", &AxisEndMoments::M1ns},
                                                                         {"M2ns", &AxisEndMoments::M2ns},
                                                                         {"M1s", &AxisEndMoments::M1s},
                                                                         {"M2s", &AxisEndMoments::M2s}};
      for (const auto& [name, slot] : moments) {
        if (const py::object* value = ends.Take(name))
          load.endY.*slot = Number(*value, ends.Where(name)) * m.MomentUnitFactor;
      }
      for (const auto& [name, slot] :
           {std::pair{"BetaD", &AxisEndMoments::BetaD}, std::pair{"BetaDs", &AxisEndMoments::BetaDs}}) {
        if (const py::object* value = ends.Take(name)) load.endY.*slot = Number(*value, ends.Where(name));
      }
      ends.Finish();
    }
  });
}

void FillMember(ProjectModel& m, Arguments& args) {
  const py::object* given = args.Take("member");
  if (given == nullptr) return;
  Arguments member(AsDict(*given, "member"), "member");
  if (const py::object* option = member.Take("slenderness")) {
    SelectSlendernessOption(
        m, Option(*option, member.Where("slenderness"), "slenderness option", kSlendernessOptions));
  }
  for (const MemberFieldDescriptor& field : MemberFieldDescriptors()) {
    if (AboutVerticalAxis(field.id)) continue;  // given under "memberY"
    if (const py::object* value = member.Take(field.name)) {
      const std::string problem = EditMemberField(m, field.id, Typed(*value, member.Where(field.name)));
      if (!problem.empty()) Refuse(member.Where(field.name), problem);
    }
  }
  const std::pair<const char*, Restraint> restraints[] = {{"Vri", Restraint::ShearI},
                                                          {"Vrj", Restraint::ShearJ},
                                                          {"Mri", Restraint::MomentI},
                                                          {"Mrj", Restraint::MomentJ}};
  for (const auto& [name, which] : restraints) {
    if (const py::object* value = member.Take(name)) SetRestraint(m, which, Flag(*value, member.Where(name)));
  }
  member.Finish();
}

void FillMemberY(ProjectModel& m, Arguments& args) {
  const py::object* given = args.Take("memberY");
  if (given == nullptr) return;
  Arguments member(AsDict(*given, "memberY"), "memberY");
  for (const auto& [name, slot] : {std::pair{"L", &MemberAxis::L}, std::pair{"Keff", &MemberAxis::Keff},
                                   std::pair{"Ieff", &MemberAxis::Ieff}}) {
    if (const py::object* value = member.Take(name)) m.memberY.*slot = Number(*value, member.Where(name));
  }
  for (const auto& [name, slot] : {std::pair{"Vri", &MemberAxis::Vri}, std::pair{"Vrj", &MemberAxis::Vrj},
                                   std::pair{"Mri", &MemberAxis::Mri}, std::pair{"Mrj", &MemberAxis::Mrj}}) {
    if (const py::object* value = member.Take(name))
      m.memberY.*slot = Flag(*value, member.Where(name)) ? 1 : 0;
  }
  member.Finish();
}

// The coded options of the material models and confinement, chosen as the window's option buttons choose
// them (each with its defaults), before the values typed after them.
void SelectModels(ProjectModel& m, Arguments& args) {
  struct Choice {
    const char* name;
    const char* option;
    OptionValues allowed;
    bool (*select)(ProjectModel&, int);
  };
  const Choice choices[] = {
      {"concreteModel", "concrete model", kConcreteModels, SelectConcreteModel},
      {"steelModel", "steel model", kSteelModels, SelectSteelModel},
      {"parkModel", "Park model", kStrainHardenings,
       [](ProjectModel& p, int v) {
         SelectParkModel(p, v);
         return true;
       }},
      {"confinement", "confinement option", kConfinements, SelectConfinementOption},
  };
  // "Perform moment-curvature analysis" ticked or cleared first, as its defaults come with the tick.
  const py::object* analyse = args.Take("analyse");
  if (analyse != nullptr) SelectPerformMomentCurvature(m, Flag(*analyse, "analyse"));
  for (const Choice& choice : choices) {
    const py::object* value = args.Take(choice.name);
    if (value == nullptr) continue;
    const int option = Option(*value, choice.name, choice.option, choice.allowed);
    // The material models belong to the moment-curvature analysis: choosing one asks for it, as the
    // window's models are offered only then, unless the analysis is cleared in so many words.
    if (analyse == nullptr && !IsSet(m.PerformMomentCurvature)) SelectPerformMomentCurvature(m, true);
    choice.select(m, option);
  }
}

// The points of a steel curve from its tension end, {"strain": ..., "stress": ...} or (strain, stress)
// pairs, exactly `count` of them; whether they make a curve is the completeness check's to say.
void FillCurve(Arguments& args, const char* name, StressStrainPoint* points, size_t count) {
  const py::object* given = args.Take(name);
  if (given == nullptr) return;
  const py::list rows = AsList(*given, name);
  if (rows.size() != count) Refuse(name, "not " + std::to_string(count) + " points");
  for (size_t k = 0; k < count; ++k) {
    const std::string where = std::string(name) + "[" + std::to_string(k + 1) + "]";
    const auto [strain, stress] = Pair(rows[k], where, "strain", "stress");
    points[k] = {strain, stress};
  }
}

// The single values of the window's forms that a project file keeps: the design criteria and
// stress-strain tabs, the confinement window and the title (not the counts and records, which come as
// lists, nor the control parameters, which follow the unit system).
bool IsProjectValue(const FieldDescriptor& field) {
  if (field.record || FormOf(field.id) == FieldForm::ControlParameters) return false;
  return std::holds_alternative<float ProjectModel::*>(field.slot) ||
         std::holds_alternative<int ProjectModel::*>(field.slot) ||
         std::holds_alternative<TitleText>(field.slot);
}

}  // namespace

ProjectModel BuildProject(const py::dict& values) {
  ProjectModel m;
  ResetAll(m);
  Arguments args(values, "");

  if (const py::object* units = args.Take("units")) {
    const std::string key = py::str(*units).cast<std::string>();
    if (!py::isinstance<py::str>(*units) || !UnitSystem::IsKey(key)) {
      Refuse("units", "\"" + key + "\" is not \"english\" or \"metric\"");
    }
    SelectUnits(m, UnitSystem::FromKey(key).IsEnglish());
  }
  if (const py::object* criteria = args.Take("criteria")) {
    const std::string key = py::str(*criteria).cast<std::string>();
    const std::vector<const CriteriaRules*>& list = CriteriaList();
    const CriteriaRules* rules = FindCriteria(key);
    int index = -1;
    for (size_t i = 0; i < list.size(); ++i) {
      if (list[i] == rules) index = static_cast<int>(i);
    }
    if (!py::isinstance<py::str>(*criteria) || index < 0)
      Refuse("criteria", "unknown criteria \"" + key + "\"");
    const std::string units = m.units;
    SelectCriteria(m, index);
    // Criteria of metric units only switch a project to them, unless English units were asked for.
    if (m.units != units && values.contains("units"))
      Refuse("criteria", "\"" + key + "\" is for metric units only");
  }
  // A fresh project takes the control parameters of its unit system, as a file read does.
  ApplyControlDefaults(m);

  FillMember(m, args);
  SelectModels(m, args);
  for (const FieldDescriptor& field : FieldDescriptors()) {
    if (!IsProjectValue(field)) continue;
    const py::object* value = args.Take(field.name);
    if (value == nullptr) continue;
    // A field the window shows empty (a confinement value of another confinement option) takes nothing.
    if (field.id != Field::title && FieldText(m, field.id).empty())
      Refuse(field.name, "not used by this project");
    Require(EditField(m, field.id, Typed(*value, field.name)), field.name);
  }

  FillRecords<ConcreteRect>(m, args, "rectangles", RecordList::ConcreteRect, m.rects,
                            {{"top", Field::Yt},
                             {"depth", Field::D},
                             {"width", Field::W},
                             {"x", &ConcreteRect::X},
                             {"sign", &ConcreteRect::rsign}});
  FillRecords<ConcreteCircle>(m, args, "circles", RecordList::ConcreteCircle, m.circles,
                              {{"y", Field::Yc},
                               {"radius", Field::Rc},
                               {"x", &ConcreteCircle::Xc},
                               {"sign", &ConcreteCircle::csign}});
  FillPolygons(m, args);
  FillRecords<ReinforcingLine>(m, args, "barLines", RecordList::ReinforcingLine, m.lines,
                               {{"y", Field::Yb},
                                {"length", Field::Lb},
                                {"angle", Field::Ab},
                                {"bars", Field::Nbl},
                                {"barArea", Field::Abl},
                                {"x", &ReinforcingLine::Xb}});
  FillRecords<ReinforcingArc>(m, args, "barArcs", RecordList::ReinforcingArc, m.arcs,
                              {{"y", Field::Y0},
                               {"radius", Field::R0},
                               {"startAngle", Field::Abeg},
                               {"totalAngle", Field::Atot},
                               {"bars", Field::Nba},
                               {"barArea", Field::Aba},
                               {"x", &ReinforcingArc::X0}});
  FillSingleBars(m, args);
  FillRecords<SteelRect>(
      m, args, "steelShapes", RecordList::SteelRect, m.steelRects,
      {{"top", Field::Ytb}, {"depth", Field::Db}, {"width", Field::Wb}, {"x", &SteelRect::Xcb}});
  FillRecords<SteelPipe>(
      m, args, "steelPipes", RecordList::SteelPipe, m.pipes,
      {{"y", Field::Ycp}, {"radius", Field::Rcp}, {"thickness", Field::tp}, {"x", &SteelPipe::Xcp}});
  FillLoads(m, args);
  FillMemberY(m, args);
  // After every strength: a change of fy or fs gives the curves their defaults again.
  FillCurve(args, "reinforcingBilinear", &m.rpBL[1], m.rpBL.size() - 1);
  FillCurve(args, "reinforcingPark", &m.rpPA[1], m.rpPA.size() - 1);
  FillCurve(args, "steelBilinear", &m.spBL[1], m.spBL.size() - 1);
  FillCurve(args, "steelPark", &m.spPA[1], m.spPA.size() - 1);

  if (const py::object* angles = args.Take("surfaceAngles")) {
    const int n = WholeNumber(*angles, "surfaceAngles");
    if (n < 4 || n > 360) Refuse("surfaceAngles", std::to_string(n) + " is not within 4 to 360");
    m.surfaceAngles = n;
  }
  if (const py::object* angle = args.Take("mcAngle")) m.mcAngle = Number(*angle, "mcAngle");
  args.Finish();

  DeriveOutputOptions(m);
  if (const std::string problem = FindInputProblem(m); !problem.empty()) {
    throw py::value_error(std::string(kInputIncomplete) + ": " + problem);
  }
  ClearResults(m);
  m.modified = 0;
  return m;
}

}  // namespace tarnix
