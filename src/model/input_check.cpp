// Completeness rules of the model. Comparisons with zero are exact: only a value that was never entered
// (or was typed as 0) counts as missing.
#include "model/input_check.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"
#include "criteria/criteria.h"

namespace tarnix {
namespace {

// A model value the user is told about by its field name, as the window and the file name it.
struct NamedValue {
  const char* name;
  float value;
};

// "Simple concrete model: no spalling strain esp" for the first value that is 0.
std::string FirstMissing(const std::string& owner, std::initializer_list<NamedValue> values) {
  for (const NamedValue& v : values) {
    if (v.value == 0) return owner + ": no " + v.name;
  }
  return {};
}

std::string RecordName(const char* kind, int i) { return std::string(kind) + " " + std::to_string(i); }

std::string ShapesProblem(const ProjectModel& m) {
  // A negative count is an empty list like 0.
  const bool concrete = m.nr >= 1 || m.nc >= 1;
  const bool reinforcing = m.nl >= 1 || m.na >= 1;
  const bool steel = m.nb >= 1 || m.np >= 1;
  if (!concrete && reinforcing) return "no concrete section around the reinforcing";
  if (!concrete && !steel) return "no concrete section";
  for (int i = 1; i <= ListSize(m.nl); ++i) {
    if (m.lines[static_cast<size_t>(i)].Nbl < 1) return RecordName("reinforcing line", i) + ": no bars";
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    if (m.arcs[static_cast<size_t>(i)].Nba < 1) return RecordName("reinforcing arc", i) + ": no bars";
  }
  return {};
}

std::string OptionsProblem(const ProjectModel& m) {
  const struct {
    const char* name;
    int value;
    const OptionValues& allowed;
  } options[] = {
      {"slenderness option", m.SlendernessOption, kSlendernessOptions},
      {"restraints: Vri", m.Vri, kFlags},
      {"restraints: Vrj", m.Vrj, kFlags},
      {"restraints: Mri", m.Mri, kFlags},
      {"restraints: Mrj", m.Mrj, kFlags},
      {"concrete model", m.concreteModel, kConcreteModels},
      {"reinforcing model", m.reinfModel, kSteelModels},
      {"steel model", m.steelModel, kSteelModels},
      {"Park model", m.ParkModel, kStrainHardenings},
      {"confinement option", m.confinementOption, kConfinements},
  };
  for (const auto& o : options) {
    std::string problem = OptionProblem(o.name, o.value, o.allowed);
    if (!problem.empty()) return problem;
  }
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    std::string problem = OptionProblem(RecordName("concrete rectangle", i) + ": rsign",
                                        m.rects[static_cast<size_t>(i)].rsign, kSigns);
    if (!problem.empty()) return problem;
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    std::string problem = OptionProblem(RecordName("concrete circle", i) + ": csign",
                                        m.circles[static_cast<size_t>(i)].csign, kSigns);
    if (!problem.empty()) return problem;
  }
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    std::string problem = OptionProblem(RecordName("load condition", i) + ": Tloads",
                                        m.loads[static_cast<size_t>(i)].Tloads, kFlags);
    if (!problem.empty()) return problem;
  }
  return {};
}

std::string LoadsAndMemberProblem(const ProjectModel& m) {
  if (m.ns >= 1 && !IsSet(m.PerformMomentCurvature)) {
    for (int i = 1; i <= m.ns; ++i) {
      const LoadCondition& load = m.loads[static_cast<size_t>(i)];
      if (load.P == 0 && load.M == 0) return RecordName("load condition", i) + ": no axial load or moment";
    }
  }
  if (m.SlendernessOption != Slenderness::None) {
    if (!(m.L > 0)) return "member: no length L";
    if (!(m.Keff > 0)) return "member: no effective length factor Keff";
  }
  return {};
}

// A steel curve runs from its tension end (point 1) to its compression end: every value finite, the strains
// rising strictly, the first half of the points in tension (strain and stress at most 0) and the second
// half in compression, so that the curve changes sign once, at the origin. A damaged or mistyped table
// would otherwise read as a bar that fractures at the first strain step.
template <size_t N>
std::string CurveProblem(const std::string& name, const std::array<StressStrainPoint, N>& table) {
  constexpr int points = static_cast<int>(N) - 1;
  const std::string tensionPoints = "points 1 to " + std::to_string(points / 2) + " are in tension";
  const std::string compressionPoints =
      "points " + std::to_string(points / 2 + 1) + " to " + std::to_string(points) + " are in compression";
  for (int p = 1; p <= points; ++p) {
    const StressStrainPoint& point = table[static_cast<size_t>(p)];
    const std::string at = name + ", point " + std::to_string(p) + ": ";
    if (!std::isfinite(point.strain) || !std::isfinite(point.stress)) return at + "not a finite number";
    const bool tension = p <= points / 2;
    const auto wrongSide = [&](const char* what, float value) {
      return at + what + " " + FormatPlain(value) + " lies on the " + (tension ? "compression" : "tension") +
             " side; " + (tension ? tensionPoints : compressionPoints);
    };
    if (tension ? point.strain > 0 : point.strain < 0) return wrongSide("strain", point.strain);
    if (tension ? point.stress > 0 : point.stress < 0) return wrongSide("stress", point.stress);
    if (point.strain == 0 && point.stress != 0) {
      return at + "stress " + FormatPlain(point.stress) + " at strain 0; the curve passes through the origin";
    }
    const float before = table[static_cast<size_t>(p - 1)].strain;
    if (p > 1 && !(point.strain > before)) {
      return at + "strain " + FormatPlain(point.strain) + " does not rise above point " +
             std::to_string(p - 1) + " (" + FormatPlain(before) + ")";
    }
  }
  return {};
}

// The point table a steel model selects (1 Bilinear, 2 Park): its first point must have a strain, and
// where the analysis uses it, the whole curve must make sense.
std::string SteelCurveProblem(const char* material, int model, const BilinearPoints& bilinear,
                              const ParkPoints& park, bool used) {
  const std::string name =
      std::string(material) + (model == SteelModel::Bilinear ? " Bilinear" : " Park") + " curve";
  const float first = model == SteelModel::Bilinear ? bilinear[1].strain : park[1].strain;
  if (first == 0) return name + ", point 1: no strain";
  if (!used) return {};
  return model == SteelModel::Bilinear ? CurveProblem(name, bilinear) : CurveProblem(name, park);
}

// The Simple concrete curve falls on a straight line from fc0 at ec0, by 0.2 fc0 per (ecu - ec0), and ends at
// the spalling strain esp. Beyond ec0 + 5 (ecu - ec0) that line would give compressed concrete a tensile
// stress, so esp must not lie beyond it.
std::string SimpleDescentProblem(const ProjectModel& m) {
  if (m.concreteModel != ConcreteModel::Simple || !(m.ecu > m.ec0)) return {};
  const double zeroStress = m.ec0 + 5.0 * (static_cast<double>(m.ecu) - m.ec0);
  const double stressAtEsp =
      1 - 0.2 * (static_cast<double>(m.esp) - m.ec0) / (static_cast<double>(m.ecu) - m.ec0);
  if (stressAtEsp >= -1e-5) return {};
  return "Simple concrete model: spalling strain esp " + FormatPlain(m.esp) + " lies beyond " +
         FormatPlain(zeroStress) + ", where the stress falls to 0";
}

std::string MomentCurvatureProblem(const ProjectModel& m) {
  if (m.ns < 1) return "moment-curvature analysis: no load conditions";
  const bool concrete = m.nr >= 1 || m.nc >= 1;
  if (concrete) {
    std::string missing;
    switch (m.concreteModel) {
      case ConcreteModel::Linear:
        missing = FirstMissing("Linear concrete model",
                               {{"ultimate strain ecu", m.ecu}, {"ultimate stress fcu", m.fcu}});
        break;
      case ConcreteModel::Simple:
        missing = FirstMissing("Simple concrete model", {{"unconfined strain ec0", m.ec0},
                                                         {"unconfined stress fc0", m.fc0},
                                                         {"ultimate strain ecu", m.ecu},
                                                         {"spalling strain esp", m.esp}});
        break;
      default:  // Mander
        missing = FirstMissing("Mander concrete model", {{"unconfined strain ec0", m.ec0},
                                                         {"unconfined stress fc0", m.fc0},
                                                         {"ultimate strain ecu", m.ecu},
                                                         {"spalling strain esp", m.esp},
                                                         {"confined stress fcc", m.fcc}});
        if (missing.empty() && Confinement::TransverseBars(m.confinementOption)) {
          missing = FirstMissing("confinement", {{"bar diameter ds", m.ds},
                                                 {"spacing st", m.st},
                                                 {"yield strength fyh", m.fyh},
                                                 {"ultimate strain esf", m.esf}});
        }
        if (missing.empty() && m.confinementOption == Confinement::SteelCasing) {
          missing =
              FirstMissing("confinement", {{"yield strength fyh", m.fyh}, {"ultimate strain esf", m.esf}});
        }
        break;
    }
    if (!missing.empty()) return missing;
    std::string descent = SimpleDescentProblem(m);
    if (!descent.empty()) return descent;
    const bool bars = m.nl >= 1 || m.na >= 1;
    std::string curve = SteelCurveProblem("reinforcing", m.reinfModel, m.rpBL, m.rpPA, bars);
    if (!curve.empty()) return curve;
  }
  // The structural steel curve is only needed by steel shapes; a file without them carries no such curve.
  const bool steelShapes = m.nb >= 1 || m.np >= 1;
  if (steelShapes) return SteelCurveProblem("structural steel", m.steelModel, m.spBL, m.spPA, true);
  return {};
}

}  // namespace

std::string OptionProblem(const std::string& name, int value, const OptionValues& allowed) {
  if (allowed.Holds(value)) return {};
  std::string text = name + " " + std::to_string(value) + " is not one of ";
  for (int i = 0; i < allowed.count; ++i) text += (i > 0 ? ", " : "") + std::to_string(allowed.values[i]);
  return text;
}

std::string FindInputProblem(const ProjectModel& m) {
  // A model can hold only criteria the program knows; one that does not is never analysed by guesswork.
  if (FindCriteria(m.criteria) == nullptr) return "unknown design criteria";
  if (!UnitSystem::IsKey(m.units)) return "unknown unit system";
  for (const std::string& problem : {ShapesProblem(m), OptionsProblem(m), LoadsAndMemberProblem(m)}) {
    if (!problem.empty()) return problem;
  }
  if (IsSet(m.PerformMomentCurvature)) return MomentCurvatureProblem(m);
  return {};
}

bool IsInputComplete(const ProjectModel& m) { return FindInputProblem(m).empty(); }

bool CheckInputComplete(ProjectModel& m) {
  m.inputComplete = IsInputComplete(m) ? 1 : 0;
  return m.inputComplete == 1;
}

Status RequireCompleteModel(ProjectModel& m) {
  const std::string problem = FindInputProblem(m);
  m.inputComplete = problem.empty() ? 1 : 0;
  return problem.empty() ? Status::Success() : Status::Failure(kInputIncomplete, problem);
}

}  // namespace tarnix
