// Completeness rules of the model. Comparisons with zero are exact: only a value that was never entered
// (or was typed as 0) counts as missing.
#include "model/input_check.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"
#include "criteria/criteria.h"

namespace tarnix {
namespace {

using Part = InputLocation::Part;

InputLocation ModelValue(std::string value) { return {Part::Model, {}, {}, 0, std::move(value)}; }
InputLocation Record(RecordKind kind, int index, std::string value = {}) {
  return {Part::Records, kind, {}, index, std::move(value)};
}
InputLocation Load(int index, std::string value = {}) {
  return {Part::Loads, {}, {}, index, std::move(value)};
}

// A model value the user is told about by its field name ("spalling strain esp"), and its short name.
struct NamedValue {
  const char* name;
  const char* shortName;
  float value;
};

// "Simple concrete model: no spalling strain esp" for the first value that is 0.
InputProblem FirstMissing(const std::string& owner, std::initializer_list<NamedValue> values) {
  for (const NamedValue& v : values) {
    if (v.value == 0) return {owner + ": no " + v.name, ModelValue(v.shortName)};
  }
  return {};
}

std::string RecordName(const char* kind, int i) { return std::string(kind) + " " + std::to_string(i); }

bool HasConcrete(const ProjectModel& m) { return m.nr >= 1 || m.nc >= 1 || m.npg >= 1; }
bool HasReinforcing(const ProjectModel& m) { return m.nl >= 1 || m.na >= 1 || m.nsb >= 1; }

// "x 2E+06 lies beyond 1000000" for a coordinate that is not finite or not within the largest length.
std::string CoordinateProblem(const char* name, float value) {
  if (!std::isfinite(value)) return std::string(name) + " is not a finite number";
  if (std::fabs(value) > kMaxLength) {
    return std::string(name) + " " + FormatPlain(value) + " lies beyond " + FormatPlain(kMaxLength);
  }
  return {};
}

// Twice the signed area of the triangle a, b, c: positive when c lies to the left of a -> b. In double
// precision the differences and products of float coordinates of like size are exact, so corners on one
// line give exactly 0.
double Cross(const Vertex& a, const Vertex& b, const Vertex& c) {
  return (static_cast<double>(b.x) - a.x) * (static_cast<double>(c.y) - a.y) -
         (static_cast<double>(b.y) - a.y) * (static_cast<double>(c.x) - a.x);
}

int Side(const Vertex& a, const Vertex& b, const Vertex& c) {
  const double cross = Cross(a, b, c);
  return (cross > 0) - (cross < 0);
}

// p lies within the bounding box of the segment a-b (used for points already known to be on its line).
bool WithinBox(const Vertex& a, const Vertex& b, const Vertex& p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// The closed segments a-b and c-d have a point in common.
bool SegmentsMeet(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d) {
  const int abc = Side(a, b, c), abd = Side(a, b, d), cda = Side(c, d, a), cdb = Side(c, d, b);
  if (abc * abd < 0 && cda * cdb < 0) return true;
  return (abc == 0 && WithinBox(a, b, c)) || (abd == 0 && WithinBox(a, b, d)) ||
         (cda == 0 && WithinBox(c, d, a)) || (cdb == 0 && WithinBox(c, d, b));
}

// Why a polygon is no region: too few corners, a corner out of range, an edge of no length, no area, or
// edges that cross or touch away from their shared corner. Edge k joins corners k and k + 1 (the last
// joins the last corner to the first).
std::string PolygonProblem(const ConcretePolygon& polygon) {
  const std::vector<Vertex>& v = polygon.vertices;
  const size_t n = v.size();
  if (n < 3) return "fewer than 3 vertices";
  for (size_t k = 0; k < n; ++k) {
    for (const auto& [name, value] : {std::pair{"x", v[k].x}, std::pair{"y", v[k].y}}) {
      std::string problem = CoordinateProblem(name, value);
      if (!problem.empty()) return "vertex " + std::to_string(k + 1) + ": " + problem;
    }
  }
  const auto edge = [&v, n](size_t k) {
    return std::pair<const Vertex&, const Vertex&>{v[k], v[(k + 1) % n]};
  };
  for (size_t k = 0; k < n; ++k) {
    const auto [a, b] = edge(k);
    if (a.x == b.x && a.y == b.y) return "its edge " + std::to_string(k + 1) + " has no length";
  }
  // Corners on one line enclose nothing (every other polygon without crossing edges has an area).
  const auto onFirstEdge = [&v](const Vertex& p) { return Side(v[0], v[1], p) == 0; };
  if (std::all_of(v.begin() + 2, v.end(), onFirstEdge)) return "no area";
  const auto edges = [](size_t i, size_t j, const char* what) {
    return "its edges " + std::to_string(i + 1) + " and " + std::to_string(j + 1) + " " + what;
  };
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = i + 1; j < n; ++j) {
      const auto [a, b] = edge(i);
      const auto [c, d] = edge(j);
      if (j == i + 1 || (i == 0 && j == n - 1)) {
        // Adjacent edges share one corner; they overlap when they fold back along one line.
        const Vertex& shared = j == i + 1 ? b : a;
        const Vertex& p = j == i + 1 ? a : b;
        const Vertex& q = j == i + 1 ? d : c;
        const double along = (static_cast<double>(p.x) - shared.x) * (static_cast<double>(q.x) - shared.x) +
                             (static_cast<double>(p.y) - shared.y) * (static_cast<double>(q.y) - shared.y);
        if (Side(p, shared, q) == 0 && along > 0) return edges(i, j, "overlap");
      } else if (SegmentsMeet(a, b, c, d)) {
        return edges(i, j, "cross");
      }
    }
  }
  return {};
}

InputProblem ShapesProblem(const ProjectModel& m) {
  // A negative count is an empty list like 0.
  const bool concrete = HasConcrete(m);
  const bool reinforcing = HasReinforcing(m);
  const bool steel = m.nb >= 1 || m.np >= 1;
  const InputLocation rectangles = Record(RecordKind::ConcreteRect, 0);
  if (!concrete && reinforcing) return {"no concrete section around the reinforcing", rectangles};
  if (!concrete && !steel) return {"no concrete section", rectangles};
  for (int i = 1; i <= ListSize(m.nl); ++i) {
    if (m.lines[static_cast<size_t>(i)].Nbl < 1)
      return {RecordName("reinforcing line", i) + ": no bars", Record(RecordKind::ReinforcingLine, i, "Nbl")};
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    if (m.arcs[static_cast<size_t>(i)].Nba < 1)
      return {RecordName("reinforcing arc", i) + ": no bars", Record(RecordKind::ReinforcingArc, i, "Nba")};
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    std::string problem = PolygonProblem(m.polygons[static_cast<size_t>(i)]);
    if (!problem.empty())
      return {RecordName("polygon", i) + ": " + problem, Record(RecordKind::ConcretePolygon, i)};
  }
  for (int i = 1; i <= ListSize(m.nsb); ++i) {
    const SingleBar& bar = m.singleBars[static_cast<size_t>(i)];
    const auto problem = [i](const char* value, const std::string& text) {
      return InputProblem{RecordName("single bar", i) + ": " + text, Record(RecordKind::SingleBar, i, value)};
    };
    for (const auto& [name, value] : {std::pair{"x", bar.x}, std::pair{"y", bar.y}}) {
      const std::string text = CoordinateProblem(name, value);
      if (!text.empty()) return problem(name, text);
    }
    if (!std::isfinite(bar.area)) return problem("area", "area is not a finite number");
    if (!(bar.area > 0)) return problem("area", "no area");
    if (bar.area > kMaxArea) {
      return problem("area", "area " + FormatPlain(bar.area) + " lies beyond " + FormatPlain(kMaxArea));
    }
  }
  return {};
}

InputProblem OptionsProblem(const ProjectModel& m) {
  const struct {
    const char* name;
    const char* shortName;
    int value;
    const OptionValues& allowed;
  } options[] = {
      {"slenderness option", "SlendernessOption", m.SlendernessOption, kSlendernessOptions},
      {"restraints: Vri", "Vri", m.Vri, kFlags},
      {"restraints: Vrj", "Vrj", m.Vrj, kFlags},
      {"restraints: Mri", "Mri", m.Mri, kFlags},
      {"restraints: Mrj", "Mrj", m.Mrj, kFlags},
      {"concrete model", "concreteModel", m.concreteModel, kConcreteModels},
      {"reinforcing model", "reinfModel", m.reinfModel, kSteelModels},
      {"steel model", "steelModel", m.steelModel, kSteelModels},
      {"Park model", "ParkModel", m.ParkModel, kStrainHardenings},
      {"confinement option", "confinementOption", m.confinementOption, kConfinements},
  };
  for (const auto& o : options) {
    std::string problem = OptionProblem(o.name, o.value, o.allowed);
    if (!problem.empty()) return {problem, ModelValue(o.shortName)};
  }
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    std::string problem = OptionProblem(RecordName("concrete rectangle", i) + ": rsign",
                                        m.rects[static_cast<size_t>(i)].rsign, kSigns);
    if (!problem.empty()) return {problem, Record(RecordKind::ConcreteRect, i, "rsign")};
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    std::string problem = OptionProblem(RecordName("concrete circle", i) + ": csign",
                                        m.circles[static_cast<size_t>(i)].csign, kSigns);
    if (!problem.empty()) return {problem, Record(RecordKind::ConcreteCircle, i, "csign")};
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    std::string problem =
        OptionProblem(RecordName("polygon", i) + ": psign", m.polygons[static_cast<size_t>(i)].psign, kSigns);
    if (!problem.empty()) return {problem, Record(RecordKind::ConcretePolygon, i, "psign")};
  }
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    std::string problem = OptionProblem(RecordName("load condition", i) + ": Tloads",
                                        m.loads[static_cast<size_t>(i)].Tloads, kFlags);
    if (!problem.empty()) return {problem, Load(i, "Tloads")};
  }
  return {};
}

InputProblem LoadsAndMemberProblem(const ProjectModel& m) {
  if (m.ns >= 1 && !IsSet(m.PerformMomentCurvature)) {
    for (int i = 1; i <= m.ns; ++i) {
      const LoadCondition& load = m.loads[static_cast<size_t>(i)];
      // A moment about either axis is a load; only one with neither and no axial load is nothing to check.
      if (load.P == 0 && load.M == 0 && load.My == 0)
        return {RecordName("load condition", i) + ": no axial load or moment", Load(i, "P")};
    }
  }
  if (m.SlendernessOption != Slenderness::None) {
    if (!(m.L > 0)) return {"member: no length L", ModelValue("L")};
    if (!(m.Keff > 0)) return {"member: no effective length factor Keff", ModelValue("Keff")};
    // Given a length about the vertical axis, My is magnified with it: without a factor the column would
    // count as short about that axis.
    if (m.memberY.L > 0 && !(m.memberY.Keff > 0))
      return {"member about the vertical axis: no effective length factor KeffY", ModelValue("KeffY")};
  }
  return {};
}

// A steel curve runs from its tension end (point 1) to its compression end: every value finite, the strains
// rising strictly, the first half of the points in tension (strain and stress at most 0) and the second
// half in compression, so that the curve changes sign once, at the origin. A damaged or mistyped table
// would otherwise read as a bar that fractures at the first strain step.
template <size_t N>
InputProblem CurveProblem(const std::string& name, SteelCurve curve,
                          const std::array<StressStrainPoint, N>& table) {
  constexpr int points = static_cast<int>(N) - 1;
  const std::string tensionPoints = "points 1 to " + std::to_string(points / 2) + " are in tension";
  const std::string compressionPoints =
      "points " + std::to_string(points / 2 + 1) + " to " + std::to_string(points) + " are in compression";
  for (int p = 1; p <= points; ++p) {
    const StressStrainPoint& point = table[static_cast<size_t>(p)];
    const std::string at = name + ", point " + std::to_string(p) + ": ";
    const auto problem = [&](const char* value, const std::string& text) {
      return InputProblem{at + text, {Part::Curve, {}, curve, p, value}};
    };
    if (!std::isfinite(point.strain)) return problem("strain", "not a finite number");
    if (!std::isfinite(point.stress)) return problem("stress", "not a finite number");
    const bool tension = p <= points / 2;
    const auto wrongSide = [&](const char* what, float value) {
      return problem(what, std::string(what) + " " + FormatPlain(value) + " lies on the " +
                               (tension ? "compression" : "tension") + " side; " +
                               (tension ? tensionPoints : compressionPoints));
    };
    if (tension ? point.strain > 0 : point.strain < 0) return wrongSide("strain", point.strain);
    if (tension ? point.stress > 0 : point.stress < 0) return wrongSide("stress", point.stress);
    if (point.strain == 0 && point.stress != 0) {
      return problem("stress", "stress " + FormatPlain(point.stress) +
                                   " at strain 0; the curve passes through the origin");
    }
    const float before = table[static_cast<size_t>(p - 1)].strain;
    if (p > 1 && !(point.strain > before)) {
      return problem("strain", "strain " + FormatPlain(point.strain) + " does not rise above point " +
                                   std::to_string(p - 1) + " (" + FormatPlain(before) + ")");
    }
  }
  return {};
}

// The point table a steel model selects (1 Bilinear, 2 Park): its first point must have a strain, and
// where the analysis uses it, the whole curve must make sense.
InputProblem SteelCurveProblem(SteelCurve curve, int model, const BilinearPoints& bilinear,
                               const ParkPoints& park, bool used) {
  const std::string name =
      std::string(curve == SteelCurve::Reinforcing ? "reinforcing" : "structural steel") +
      (model == SteelModel::Bilinear ? " Bilinear" : " Park") + " curve";
  const float first = model == SteelModel::Bilinear ? bilinear[1].strain : park[1].strain;
  if (first == 0) return {name + ", point 1: no strain", {Part::Curve, {}, curve, 1, "strain"}};
  if (!used) return {};
  return model == SteelModel::Bilinear ? CurveProblem(name, curve, bilinear)
                                       : CurveProblem(name, curve, park);
}

// The Simple concrete curve falls on a straight line from fc0 at ec0, by 0.2 fc0 per (ecu - ec0), and ends at
// the spalling strain esp. Beyond ec0 + 5 (ecu - ec0) that line would give compressed concrete a tensile
// stress, so esp must not lie beyond it.
InputProblem SimpleDescentProblem(const ProjectModel& m) {
  if (m.concreteModel != ConcreteModel::Simple || !(m.ecu > m.ec0)) return {};
  const double zeroStress = m.ec0 + 5.0 * (static_cast<double>(m.ecu) - m.ec0);
  const double stressAtEsp =
      1 - 0.2 * (static_cast<double>(m.esp) - m.ec0) / (static_cast<double>(m.ecu) - m.ec0);
  if (stressAtEsp >= -1e-5) return {};
  return {"Simple concrete model: spalling strain esp " + FormatPlain(m.esp) + " lies beyond " +
              FormatPlain(zeroStress) + ", where the stress falls to 0",
          ModelValue("esp")};
}

InputProblem MomentCurvatureProblem(const ProjectModel& m) {
  if (m.ns < 1) return {"moment-curvature analysis: no load conditions", Load(0)};
  if (HasConcrete(m)) {
    InputProblem missing;
    switch (m.concreteModel) {
      case ConcreteModel::Linear:
        missing = FirstMissing("Linear concrete model", {{"ultimate strain ecu", "ecu", m.ecu},
                                                         {"ultimate stress fcu", "fcu", m.fcu}});
        break;
      case ConcreteModel::Simple:
        missing = FirstMissing("Simple concrete model", {{"unconfined strain ec0", "ec0", m.ec0},
                                                         {"unconfined stress fc0", "fc0", m.fc0},
                                                         {"ultimate strain ecu", "ecu", m.ecu},
                                                         {"spalling strain esp", "esp", m.esp}});
        break;
      default:  // Mander
        missing = FirstMissing("Mander concrete model", {{"unconfined strain ec0", "ec0", m.ec0},
                                                         {"unconfined stress fc0", "fc0", m.fc0},
                                                         {"ultimate strain ecu", "ecu", m.ecu},
                                                         {"spalling strain esp", "esp", m.esp},
                                                         {"confined stress fcc", "fcc", m.fcc}});
        if (missing.text.empty() && Confinement::TransverseBars(m.confinementOption)) {
          missing = FirstMissing("confinement", {{"bar diameter ds", "ds", m.ds},
                                                 {"spacing st", "st", m.st},
                                                 {"yield strength fyh", "fyh", m.fyh},
                                                 {"ultimate strain esf", "esf", m.esf}});
        }
        if (missing.text.empty() && m.confinementOption == Confinement::SteelCasing) {
          missing = FirstMissing(
              "confinement", {{"yield strength fyh", "fyh", m.fyh}, {"ultimate strain esf", "esf", m.esf}});
        }
        break;
    }
    if (!missing.text.empty()) return missing;
    InputProblem descent = SimpleDescentProblem(m);
    if (!descent.text.empty()) return descent;
    InputProblem curve =
        SteelCurveProblem(SteelCurve::Reinforcing, m.reinfModel, m.rpBL, m.rpPA, HasReinforcing(m));
    if (!curve.text.empty()) return curve;
  }
  // The structural steel curve is only needed by steel shapes; a file without them carries no such curve.
  const bool steelShapes = m.nb >= 1 || m.np >= 1;
  if (steelShapes) return SteelCurveProblem(SteelCurve::Structural, m.steelModel, m.spBL, m.spPA, true);
  return {};
}

}  // namespace

std::string OptionProblem(const std::string& name, int value, const OptionValues& allowed) {
  if (allowed.Holds(value)) return {};
  std::string text = name + " " + std::to_string(value) + " is not one of ";
  for (int i = 0; i < allowed.count; ++i) text += (i > 0 ? ", " : "") + std::to_string(allowed.values[i]);
  return text;
}

InputProblem LocateInputProblem(const ProjectModel& m) {
  // A model can hold only criteria the program knows; one that does not is never analysed by guesswork.
  if (FindCriteria(m.criteria) == nullptr) return {"unknown design criteria", ModelValue("criteria")};
  if (!UnitSystem::IsKey(m.units)) return {"unknown unit system", ModelValue("units")};
  for (InputProblem (*find)(const ProjectModel&) : {ShapesProblem, OptionsProblem, LoadsAndMemberProblem}) {
    InputProblem problem = find(m);
    if (!problem.text.empty()) return problem;
  }
  if (IsSet(m.PerformMomentCurvature)) return MomentCurvatureProblem(m);
  return {};
}

std::string FindInputProblem(const ProjectModel& m) { return LocateInputProblem(m).text; }

bool IsInputComplete(const ProjectModel& m) { return FindInputProblem(m).empty(); }

bool CheckInputComplete(ProjectModel& m) { return RequireCompleteModel(m).ok(); }

Status RequireCompleteModel(ProjectModel& m) {
  const std::string problem = FindInputProblem(m);
  m.inputComplete = problem.empty() ? 1 : 0;
  return problem.empty() ? Status::Success() : Status::Failure(kInputIncomplete, problem);
}

}  // namespace tarnix
