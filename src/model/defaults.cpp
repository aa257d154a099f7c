// Reset, criteria defaults, values derived from f'c, and control-parameter defaults.
#include "model/defaults.h"

#include <algorithm>
#include <cmath>

#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "base/number_format.h"

namespace tarnix {
namespace {

bool IsOneOf(const std::string& key, std::initializer_list<const char*> keys) {
  for (const char* k : keys) {
    if (key == k) return true;
  }
  return false;
}

// The square root of a strength; a strength typed as zero or negative gives a modulus of 0 rather than
// a value that is not a number.
double RootOf(float strength) { return strength > 0 ? std::sqrt(static_cast<double>(strength)) : 0.0; }

struct Strengths {
  float fpc, fy, fs, Ec, Er, Es;
};
struct Factors {
  float phiT, phiC, phiS, a1, b1, em, phiConc, phiReinf, phiStl;
};

// The CSA stress-block factors from f'c, each at least 0.67.
void CsaStressBlock(ProjectModel& m) {
  m.a1 = std::max(RoundTo(0.85 - 0.0015 * m.fpc, 3), 0.67f);
  m.b1 = std::max(RoundTo(0.97 - 0.0025 * m.fpc, 3), 0.67f);
}

// round3(0.85 - slope (fpc - offset) / step), then above 0.85 becomes 0.85 and below 0.65 becomes 0.65.
float ClampedBeta(float fpc, double offset, double slope, double step) {
  const float b1 = RoundTo(0.85 - slope * (fpc - offset) / step, 3);
  return std::max(std::min(b1, 0.85f), 0.65f);
}

}  // namespace

const CriteriaEntry kCriteriaList[7] = {
    {"USER DEFINED", "ud"}, {"AASHTO", "aashto"},   {"AASHTO LRFD", "lrfd"}, {"ACI 318", "aci02"},
    {"AREMA", "arema"},     {"CAN/CSA-S6", "s6"}, {"CSA-A23.3", "csa"},
};

float RoundTo(double x, int decimals) { return static_cast<float>(RoundHalfAway(x, decimals)); }

void ResetAll(ProjectModel& m) {
  m.title.clear();
  m.criteria = "arema";
  m.units = "english";

  // The reset strengths and factors are those of AREMA in English units.
  ApplyCriteriaDefaults(m);

  // The records stay in storage; a count below 1 hides them.
  m.nr = m.nc = m.nl = m.na = m.nb = m.np = m.ns = 0;

  m.Ieff = 1;
  m.Keff = 1;
  m.L = 0;
  m.Vri = 1;
  m.Vrj = 1;
  m.Mri = 0;
  m.Mrj = 0;
  m.SlendernessOption = 1;
  m.PerformMomentCurvature = 0;

  m.concreteModel = m.reinfModel = m.steelModel = 2;
  ApplyMaterialModelDefaults(m);
  m.confinementOption = 1;
  ApplyConfinementDefaults(m);

  // A reset leaves inc at 0.01 (finer than the English default 0.05) until the control defaults are
  // applied again by a change of criteria or units or by loading a file.
  ApplyControlDefaults(m);
  m.inc = 0.01f;
  m.ParkModel = 2;

  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = 1;
  m.OutputSlenderness = m.OutputSectionAnalysis = m.OutputMomentCurvature = 0;
  ClearResults(m);
}

void ApplyCriteriaDefaults(ProjectModel& m) {
  SetUnitFactors(m);
  const std::string& c = m.criteria;
  const bool english = m.units == "english";

  Strengths s{};
  if (IsOneOf(c, {"aci", "aci02", "aashto", "arema", "ud"})) {
    s = english ? Strengths{4000, 60000, 36000, 3605000, 29000000, 29000000}
                : Strengths{25, 420, 250, 23500, 200000, 200000};
  } else if (c == "lrfd") {
    s = english ? Strengths{4000, 60000, 36000, 3640000, 29000000, 29000000}
                : Strengths{25, 420, 250, 24000, 200000, 200000};
  } else if (c == "csa") {
    s = {25, 400, 260, 22500, 200000, 200000};
  } else if (c == "ohbdc") {
    s = {30, 400, 260, 27400, 200000, 200000};
  } else if (c == "s6") {
    s = {30, 400, 260, 25650, 200000, 200000};
  } else {
    return;
  }
  m.fpc = s.fpc, m.fy = s.fy, m.fs = s.fs, m.Ec = s.Ec, m.Er = s.Er, m.Es = s.Es;

  Factors f{};
  if (IsOneOf(c, {"aci", "aashto", "arema", "ud"})) {
    f = {0.9f, 0.7f, 0.85f, 0.85f, 0.85f, 0.003f, 1, 1, 1};
  } else if (c == "aci02") {
    f = {0.9f, 0.65f, 0.75f, 0.85f, 0.85f, 0.003f, 1, 1, 1};
  } else if (c == "lrfd") {
    f = {0.9f, 0.75f, 0.9f, 0.85f, 0.85f, 0.003f, 1, 1, 1};
  } else if (c == "csa") {
    f = {1, 1, 1, 0, 0, 0.0035f, 0.65f, 0.85f, 0.9f};
  } else if (c == "ohbdc") {
    f = {1, 1, 1, 0.85f, 0.85f, 0.003f, 0.75f, 0.9f, 0.9f};
  } else {  // "s6"
    f = {1, 1, 1, 0, 0, 0.0035f, 0.75f, 0.9f, 0.9f};
  }
  m.phiT = f.phiT, m.phiC = f.phiC, m.phiS = f.phiS, m.a1 = f.a1, m.b1 = f.b1, m.em = f.em;
  m.phiConc = f.phiConc, m.phiReinf = f.phiReinf, m.phiStl = f.phiStl;
  if (c == "csa" || c == "s6") CsaStressBlock(m);
}

void DeriveFromConcreteStrength(ProjectModel& m) {
  const std::string& c = m.criteria;
  const bool english = m.units == "english";
  const float fpc = m.fpc;
  const double root = RootOf(fpc);
  if (IsOneOf(c, {"aci", "aci02", "aashto", "arema"})) {
    m.b1 = english ? ClampedBeta(fpc, 4000, 0.05, 1000) : ClampedBeta(fpc, 30, 0.05, 7);
    m.Ec = RoundTo((english ? 57000 : 4700) * root, 0);
  } else if (c == "lrfd") {
    m.b1 = english ? ClampedBeta(fpc, 4000, 0.05, 1000) : ClampedBeta(fpc, 28, 0.05, 7);
    m.Ec = english ? RoundTo(1820000 * RootOf(fpc / 1000.0f), 0) : RoundTo(4800 * root, 0);
  } else if (c == "ohbdc") {
    m.b1 = ClampedBeta(fpc, 30, 0.08, 10);
    m.Ec = RoundTo(5000 * root, 0);
  } else if (c == "csa") {
    CsaStressBlock(m);
    m.Ec = fpc <= 40 ? RoundTo(4500 * root, 0) : RoundTo((3300 * root + 6900) * std::pow(2400.0 / 2300.0, 1.5), 0);
  } else if (c == "s6") {
    CsaStressBlock(m);
    m.Ec = RoundTo((3000 * root + 6900) * std::pow(2450.0 / 2300.0, 1.5), 0);
  }
}

void ApplyControlDefaults(ProjectModel& m) {
  const bool english = m.units == "english";
  m.cbeg = english ? 0.5f : 10.0f;
  m.inc = english ? 0.05f : 1.0f;
  m.cinc = english ? 0.05f : 1.0f;
  m.binc = 20;
  m.ebeg = 0.0005f;
  m.einc = 0.0005f;
  m.bsinc = 20;
  m.cend = 0;
  m.pinc = 100;
  m.eend = 0.01f;
  m.rcinc = 100;
  m.ccinc = 100;
  m.psinc = 100;
}

void ChooseCriteria(ProjectModel& m, const std::string& key) {
  m.criteria = key;
  if (key == "ud") m.SlendernessOption = 1;
  if (key == "s6" || key == "csa") m.units = "metric";
  ApplyControlDefaults(m);
  ApplyCriteriaDefaults(m);
}

void ChooseUnits(ProjectModel& m, bool english) {
  const bool metricCriteria = IsOneOf(m.criteria, {"csa", "ohbdc", "s6"});
  m.units = english && !metricCriteria ? "english" : "metric";
  ApplyCriteriaDefaults(m);
  ApplyMaterialModelDefaults(m);
  ApplyControlDefaults(m);
}

void EditConcreteStrength(ProjectModel& m, std::string_view text) {
  m.fpc = LenientFloat(text);
  if (m.criteria != "ud") DeriveFromConcreteStrength(m);
}

}  // namespace tarnix
