// Material-model defaults. Point tables run from the most tensile point to the most compressive one,
// tension negative, and are point-symmetric about the origin.
#include "model/material_defaults.h"

#include <algorithm>
#include <cmath>

#include "criteria/criteria.h"
#include "model/defaults.h"
#include "base/number_format.h"

namespace tarnix {
namespace {

enum class Grade { Lower, Higher };

Grade SteelGrade(const ProjectModel& m, float strength, float englishLimit, float metricLimit) {
  return strength < (m.unitSystem().IsEnglish() ? englishLimit : metricLimit) ? Grade::Lower : Grade::Higher;
}
Grade ReinforcingGrade(const ProjectModel& m) { return SteelGrade(m, m.fy, 60000, 400); }
Grade StructuralGrade(const ProjectModel& m) { return SteelGrade(m, m.fs, 50000, 340); }

// The yield strain round5(strength / modulus); a modulus of 0 gives 0 instead of an infinite strain.
float YieldStrain(float strength, float modulus) {
  return modulus != 0 ? RoundTo(static_cast<double>(strength) / modulus, 5) : 0.0f;
}

// The second half of a table is the first half negated in reverse order.
template <size_t N>
void Mirror(std::array<StressStrainPoint, N>& table) {
  constexpr int points = static_cast<int>(N) - 1;
  for (int p = 1; p <= points / 2; ++p) {
    table[static_cast<size_t>(points + 1 - p)] = {-table[static_cast<size_t>(p)].strain,
                                                  -table[static_cast<size_t>(p)].stress};
  }
}

float InitialModulus(const ProjectModel& m, float fc0) {
  const double root = fc0 > 0 ? std::sqrt(static_cast<double>(fc0)) : 0.0;
  return RoundTo((m.unitSystem().IsEnglish() ? 57000 : 4700) * root, 0);
}

// Largest bar area of all reinforcing lines, arcs and single bars, 0 when there are none.
float LargestBarArea(const ProjectModel& m) {
  float largest = 0;
  for (int i = 1; i <= ListSize(m.nl); ++i) largest = std::max(largest, m.lines[static_cast<size_t>(i)].Abl);
  for (int i = 1; i <= ListSize(m.na); ++i) largest = std::max(largest, m.arcs[static_cast<size_t>(i)].Aba);
  for (int i = 1; i <= ListSize(m.nsb); ++i) {
    largest = std::max(largest, m.singleBars[static_cast<size_t>(i)].area);
  }
  return largest;
}

// Points 1 to 3 of reinforcing with expected properties from the largest bar (larger bars have less elongation).
void AashtoBarSizePoints(ProjectModel& m) {
  m.maxBarArea = LargestBarArea(m);
  const float a = m.maxBarArea;
  const bool english = m.unitSystem().IsEnglish();
  // Bar-area limits of the strain steps, in in^2 or mm^2.
  const float limits[4] = {english ? 0.79f : 510, english ? 1.0f : 645, english ? 1.56f : 1006,
                           english ? 2.25f : 1452};
  const float steps[5] = {-0.015f, -0.0125f, -0.0115f, -0.0075f, -0.005f};
  float secondStrain = steps[4];
  if (a > 0) {
    for (int k = 0; k < 4; ++k) {
      if (a <= limits[k]) {
        secondStrain = steps[k];
        break;
      }
    }
  }
  const float yield = english ? 68000.0f : 475.0f;
  m.rpPA[1] = {a > 0 && a < limits[2] ? -0.09f : -0.06f, english ? -95000.0f : -655.0f};
  m.rpPA[2] = {secondStrain, -yield};
  m.rpPA[3] = {-0.0023f, -yield};
}

void ReinforcingPoints(ProjectModel& m) {
  const Grade grade = ReinforcingGrade(m);
  const float ey = YieldStrain(m.fy, m.Er);
  if (m.reinfModel == SteelModel::Bilinear) {
    m.StressStrainPointCount = 4;
    m.rpBL[1].strain = grade == Grade::Lower ? -0.12f : -0.09f;
    m.rpBL[1].stress = -1.5f * m.fy;
    m.rpBL[2] = {-ey, -m.fy};
    Mirror(m.rpBL);
    return;
  }
  m.StressStrainPointCount = 6;
  m.rpPA[1].stress = -1.5f * m.fy;
  m.rpPA[2].stress = -m.fy;
  m.rpPA[3] = {-ey, -m.fy};
  if (grade == Grade::Lower) {
    m.rpPA[1].strain = -0.12f;
    m.rpPA[2].strain = 14 * m.rpPA[3].strain;
  } else if (grade == Grade::Higher && !CriteriaFor(m.criteria).expectedMaterialProperties) {
    m.rpPA[1].strain = -0.09f;
    m.rpPA[2].strain = 5 * m.rpPA[3].strain;
  } else if (grade == Grade::Higher) {
    AashtoBarSizePoints(m);
  }
  Mirror(m.rpPA);
}

void StructuralPoints(ProjectModel& m) {
  const Grade grade = StructuralGrade(m);
  const float es = YieldStrain(m.fs, m.Es);
  const StressStrainPoint first = grade == Grade::Lower ? StressStrainPoint{-0.2f, -1.6f * m.fs}
                                                        : StressStrainPoint{-0.18f, -1.3f * m.fs};
  if (m.steelModel == SteelModel::Bilinear) {
    m.StressStrainPointCount = 4;
    m.spBL[1] = first;
    m.spBL[2] = {-es, -m.fs};
    Mirror(m.spBL);
    return;
  }
  m.StressStrainPointCount = 6;
  m.spPA[3] = {-es, -m.fs};
  m.spPA[2].stress = -m.fs;
  {
    m.spPA[1] = first;
    m.spPA[2].strain = (grade == Grade::Lower ? 14 : 5) * m.spPA[3].strain;
  }
  Mirror(m.spPA);
}

}  // namespace

void ApplyConcreteModelDefaults(ProjectModel& m) {
  switch (m.concreteModel) {
    case ConcreteModel::Linear:
      m.ec0 = 0, m.fc0 = 0, m.ecu = m.em, m.fcu = m.fpc, m.esp = 0;
      break;
    case ConcreteModel::Simple:
      m.ec0 = 0.002f, m.fc0 = 1.3f * m.fpc, m.ecu = 0.005f, m.fcu = 0, m.esp = 0.005f;
      break;
    default:  // Mander
      m.ec0 = 0.002f, m.fc0 = 1.3f * m.fpc, m.ecu = 0, m.fcu = 0, m.esp = 0.005f;
      break;
  }
  m.fcc = 0;
  if (CriteriaFor(m.criteria).expectedMaterialProperties) {
    const float least = m.unitSystem().IsEnglish() ? 5000.0f : 34.5f;
    m.fc0 = std::max(m.fc0, least);
  }
  m.Eci = InitialModulus(m, m.fc0);
}

void ApplySteelModelDefaults(ProjectModel& m) {
  ReinforcingPoints(m);
  StructuralPoints(m);
}

void ApplyMaterialModelDefaults(ProjectModel& m) {
  ApplyConcreteModelDefaults(m);
  ApplySteelModelDefaults(m);
}

void ApplyConfinementDefaults(ProjectModel& m) {
  const bool english = m.unitSystem().IsEnglish();
  const bool metric = m.unitSystem().IsMetric();
  m.xcl = m.ycl = 0;
  m.nx = m.ny = 0;
  if (m.confinementOption == Confinement::SteelCasing) {
    m.st = m.sl = 0;
    // A steel casing: the first pipe is the casing.
    m.cover = 0;
    const bool pipe = m.np >= 1;
    m.ds = pipe ? m.pipes[1].tp : 0;
    m.Dc = pipe ? 2 * m.pipes[1].Rcp : 0;
    m.fyh = m.fs;
    const Grade grade = StructuralGrade(m);
    m.esf = grade == Grade::Lower ? 0.2f : 0.18f;
    return;
  }
  if (english) m.cover = 2.5f, m.ds = 0.5f, m.st = 12;
  if (metric) m.cover = 63, m.ds = 13, m.st = 300;
  m.Dc = 0;
  m.fyh = m.fy;
  m.sl = m.st;
  const Grade grade = ReinforcingGrade(m);
  m.esf = grade == Grade::Lower ? 0.12f : 0.09f;
  if (grade == Grade::Higher && CriteriaFor(m.criteria).expectedMaterialProperties) m.fyh = english ? 68000.0f : 475.0f;

  if ((m.confinementOption == Confinement::Spirals || m.confinementOption == Confinement::CircularHoops) && m.nc >= 1) {
    m.Dc = RoundTo(2.0 * m.circles[1].Rc - 2.0 * m.cover, 1);
  }
  if (m.confinementOption == Confinement::CrossTies && m.nr >= 1) {
    // Spacing of the bars of the first line; a line of fewer than two bars has no spacing.
    if (m.nl >= 1 && m.lines[1].Nbl >= 2) m.sl = RoundTo(m.lines[1].Lb / (m.lines[1].Nbl - 1.0), 2);
    m.xcl = RoundTo(m.rects[1].W - 2.0 * m.cover, 1);
    m.ycl = RoundTo(m.rects[1].D - 2.0 * m.cover, 1);
    m.nx = m.ny = 2;
  }
}

void SetMaximumStrain(ProjectModel& m) {
  if (m.nr < 1 && m.nc < 1 && m.npg < 1) {
    if (m.steelModel == SteelModel::Bilinear) m.eend = m.spBL[4].strain;
    if (m.steelModel == SteelModel::Park) m.eend = m.spPA[6].strain;
  } else {
    m.eend = m.concreteModel == ConcreteModel::Mander ? m.ecu : m.esp;
  }
}

void DeriveInitialModulus(ProjectModel& m, std::string_view text) {
  m.fc0 = LenientFloat(text);
  m.Eci = InitialModulus(m, m.fc0);
}

namespace {

// Takes the new default where the value still is the default of the earlier inputs; a value that the
// engineer or the file set differs from it and is kept.
void Follow(float& value, float oldDefault, float newDefault) {
  if (value == oldDefault) value = newDefault;
}

template <size_t N>
void FollowTable(std::array<StressStrainPoint, N>& table, const std::array<StressStrainPoint, N>& oldDefaults,
                 const std::array<StressStrainPoint, N>& newDefaults) {
  for (size_t p = 1; p < N; ++p) {
    Follow(table[p].strain, oldDefaults[p].strain, newDefaults[p].strain);
    Follow(table[p].stress, oldDefaults[p].stress, newDefaults[p].stress);
  }
}

}  // namespace

void FollowMaterialDefaults(ProjectModel& m, const ProjectModel& before) {
  ProjectModel oldDefaults = before;
  ApplyMaterialModelDefaults(oldDefaults);
  ProjectModel newDefaults = m;
  ApplyMaterialModelDefaults(newDefaults);
  for (float ProjectModel::*value :
       {&ProjectModel::ec0, &ProjectModel::fc0, &ProjectModel::Eci, &ProjectModel::ecu, &ProjectModel::fcu,
        &ProjectModel::fcc, &ProjectModel::esp}) {
    Follow(m.*value, oldDefaults.*value, newDefaults.*value);
  }
  FollowTable(m.rpBL, oldDefaults.rpBL, newDefaults.rpBL);
  FollowTable(m.rpPA, oldDefaults.rpPA, newDefaults.rpPA);
  FollowTable(m.spBL, oldDefaults.spBL, newDefaults.spBL);
  FollowTable(m.spPA, oldDefaults.spPA, newDefaults.spPA);
  m.maxBarArea = newDefaults.maxBarArea;
}

void ChooseConcreteModel(ProjectModel& m, int model) {
  m.concreteModel = model;
  ApplyConcreteModelDefaults(m);
}

void ChooseSteelModel(ProjectModel& m, int model) {
  m.reinfModel = m.steelModel = model;
  ApplySteelModelDefaults(m);
}

void ChooseConfinementOption(ProjectModel& m, int option) {
  m.confinementOption = option;
  ApplyConfinementDefaults(m);
}

}  // namespace tarnix
