// The rules of every design criteria key, as one table.
#include "criteria/criteria.h"

#include <algorithm>
#include <cmath>

#include "base/number_format.h"

namespace tarnix {
namespace {

float Round(double x, int decimals) { return static_cast<float>(RoundHalfAway(x, decimals)); }

// The square root of a strength; a strength of zero or less gives a modulus of 0 rather than a value that
// is not a number.
double RootOf(double strength) { return strength > 0 ? std::sqrt(strength) : 0.0; }

// round3(0.85 - slope (fpc - offset) / step), then above 0.85 becomes 0.85 and below 0.65 becomes 0.65.
float ClampedBeta(float fpc, double offset, double slope, double step) {
  const float b1 = Round(0.85 - slope * (fpc - offset) / step, 3);
  return std::max(std::min(b1, 0.85f), 0.65f);
}

// The CSA A23.3 stress-block factors (10.1.7), each at least 0.67.
float CsaAlpha1(float fpc) { return std::max(Round(0.85 - 0.0015 * fpc, 3), 0.67f); }
float CsaBeta1(float fpc) { return std::max(Round(0.97 - 0.0025 * fpc, 3), 0.67f); }

// ACI 318-99 (and AASHTO, AREMA): b1 falls by 0.05 per 1000 psi above 4000 psi (per 7 MPa above 30 MPa);
// Ec = 57000 sqrt(f'c) psi or 4700 sqrt(f'c) MPa.
DerivedConcrete AciConcrete(float fpc, UnitSystem units) {
  const bool english = units.IsEnglish();
  return {english ? ClampedBeta(fpc, 4000, 0.05, 1000) : ClampedBeta(fpc, 30, 0.05, 7), std::nullopt,
          Round((english ? 57000 : 4700) * RootOf(fpc), 0)};
}

// ACI 318-02: as above, but in SI units b1 falls from 28 MPa (ACI 318M-02 10.2.7.3: 0.85 up to 28 MPa,
// 0.05 less per 7 MPa above, at least 0.65).
DerivedConcrete Aci02Concrete(float fpc, UnitSystem units) {
  DerivedConcrete derived = AciConcrete(fpc, units);
  if (units.IsMetric()) derived.b1 = ClampedBeta(fpc, 28, 0.05, 7);
  return derived;
}

// ACI 318-19: b1 by Table 22.2.2.4.3, as ACI 318-02 (per 7 MPa above 28 MPa in SI) with 0.85 below the
// table's lowest strength as well; the SI table holds 0.65 from 55 MPa on, where its line still gives 0.657.
// Ec = 57000 sqrt(f'c) psi or 4700 sqrt(f'c) MPa (19.2.2.1(b), normalweight concrete).
DerivedConcrete Aci19Concrete(float fpc, UnitSystem units) {
  DerivedConcrete derived = Aci02Concrete(fpc, units);
  if (units.IsMetric() && fpc >= 55) derived.b1 = 0.65f;
  return derived;
}

// AASHTO LRFD: b1 as ACI 318 but from 28 MPa in metric; Ec = 1820 sqrt(f'c ksi) ksi or 4800 sqrt(f'c) MPa.
DerivedConcrete LrfdConcrete(float fpc, UnitSystem units) {
  if (units.IsEnglish()) {
    return {ClampedBeta(fpc, 4000, 0.05, 1000), std::nullopt, Round(1820000 * RootOf(fpc / 1000.0f), 0)};
  }
  return {ClampedBeta(fpc, 28, 0.05, 7), std::nullopt, Round(4800 * RootOf(fpc), 0)};
}

// OHBDC (1991): b1 falls by 0.08 per 10 MPa above 30 MPa; Ec = 5000 sqrt(f'c).
DerivedConcrete OhbdcConcrete(float fpc, UnitSystem) {
  return {ClampedBeta(fpc, 30, 0.08, 10), std::nullopt, Round(5000 * RootOf(fpc), 0)};
}

// CSA A23.3: Ec = 4500 sqrt(f'c) up to 40 MPa, else (3300 sqrt(f'c) + 6900) (2400 / 2300)^1.5 (8.6.2).
DerivedConcrete CsaConcrete(float fpc, UnitSystem) {
  const double root = RootOf(fpc);
  const float Ec =
      fpc <= 40 ? Round(4500 * root, 0) : Round((3300 * root + 6900) * std::pow(2400.0 / 2300.0, 1.5), 0);
  return {CsaBeta1(fpc), CsaAlpha1(fpc), Ec};
}

// CAN/CSA-S6: Ec = (3000 sqrt(f'c) + 6900) (2450 / 2300)^1.5.
DerivedConcrete S6Concrete(float fpc, UnitSystem) {
  const float Ec = Round((3000 * RootOf(fpc) + 6900) * std::pow(2450.0 / 2300.0, 1.5), 0);
  return {CsaBeta1(fpc), CsaAlpha1(fpc), Ec};
}

constexpr CriteriaStrengths kAciEnglish{4000, 60000, 36000, 3605000, 29000000, 29000000};
constexpr CriteriaStrengths kAciMetric{25, 420, 250, 23500, 200000, 200000};
constexpr CriteriaFactors kWorkingFactors{0.9f, 0.7f, 0.85f, 0.85f, 0.85f, 0.003f, 1, 1, 1};

// Factors of the CSA-type codes: a1 and b1 (0 here) follow f'c.
constexpr CriteriaStrengths kCsa{25, 400, 260, 22500, 200000, 200000};
constexpr CriteriaStrengths kOhbdc{30, 400, 260, 27400, 200000, 200000};
constexpr CriteriaStrengths kS6{30, 400, 260, 25650, 200000, 200000};

// ACI 318-19. fs of structural steel is not a code value: the older ACI default.
constexpr CriteriaStrengths kAci19Metric{28, 420, 250, 24870, 200000, 200000};

// The least Cm from end moments. ACI 318-19 6.6.4.5.3 writes Cm = 0.6 - 0.4 M1/M2 without the older
// floor of 0.4. UNCONFIRMED against the code text: check before release.
constexpr float kAci19CmFloor = 0.0f;

// ACI 318-19 has no kl/r limit of 100 on moment magnification; the 1.4 limit on second-order moments of
// 6.2.5.3 takes its place. UNCONFIRMED (the absence is not proven): check before release.
constexpr float kAci19MagnifierKlrLimit = 0.0f;

// Table 22.4.2.1 of ACI 318-19 has no row for composite columns, which the code refers to AISC 360.
// UNCONFIRMED: check before release.
constexpr bool kAci19CompositeOutside = true;

constexpr RevisedAciRules kAci19Rules{
    0.75f,  // phi of spiral columns, Table 21.2.2
    true,   // spiral confinement makes a spiral column
    80000, 550,  // fy in Po, 22.4.2.1
    true,   // M1/M2 negative in single curvature, 6.6.4.5.3
    kAci19CmFloor,
    ColumnStiffness::GrossConcrete,  // 6.6.4.4.4(a)
    true,   // betads for the sway critical load, 6.6.4.6.2(b)
    true,   // along the length always, 6.6.4.6.4
    1.4f,   // second-order moment limit, 6.2.5.3
    kAci19MagnifierKlrLimit,
    kAci19CompositeOutside,
    true,   // slender wall by 11.8
};

using SF = SlendernessFamily;
using KL = BracedKlrLimit;
using PR = PhiRule;

// Each row: key, list caption, echo line, slenderness heading; default strengths (English, metric); metric
// only, user defined; factors, a1 and b1 from f'c, the f'c derivation; compression caps (tied, spiral); phi
// rule, slenderness family, braced kl/r limit; then the provisions of the moment magnifier and the material
// curves, each named where it stands, and the rules ACI 318-19 revised.
const CriteriaRules kRules[] = {
    {"ud", "USER DEFINED", nullptr, "SLENDERNESS PER USER DEFINED CRITERIA:",  //
     kAciEnglish, kAciMetric, /*metricOnly=*/false, /*userDefined=*/true,      //
     kWorkingFactors, /*stressBlockFromStrength=*/false, nullptr, 1.0, 1.0,    //
     PR::AxialLoadTransition, SF::None, KL::Uncapped,                          //
     /*swayCmFromEndMoments=*/false, /*minimumMoment=*/false, /*stabilityIndexLimit=*/false,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, /*revised=*/{}},
    {"aashto", "AASHTO", "Design Criteria = AASHTO", "SLENDERNESS PER AASHTO:",  //
     kAciEnglish, kAciMetric, /*metricOnly=*/false, /*userDefined=*/false,       //
     kWorkingFactors, /*stressBlockFromStrength=*/false, AciConcrete, 0.80, 0.85,  //
     PR::AxialLoadTransition, SF::Aashto, KL::Uncapped,                            //
     /*swayCmFromEndMoments=*/false, /*minimumMoment=*/false, /*stabilityIndexLimit=*/false,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/true, /*revised=*/{}},
    {"lrfd", "AASHTO LRFD", "Design Criteria = AASHTO LRFD", "SLENDERNESS PER AASHTO LRFD:",  //
     {4000, 60000, 36000, 3640000, 29000000, 29000000}, {25, 420, 250, 24000, 200000, 200000},  //
     /*metricOnly=*/false, /*userDefined=*/false,                                               //
     {0.9f, 0.75f, 0.9f, 0.85f, 0.85f, 0.003f, 1, 1, 1}, /*stressBlockFromStrength=*/false, LrfdConcrete,
     0.80, 0.85, PR::AxialLoadTransition, SF::Aashto, KL::Uncapped,  //
     /*swayCmFromEndMoments=*/false, /*minimumMoment=*/false, /*stabilityIndexLimit=*/false,
     /*compositeModifiedProperties=*/true, /*expectedMaterialProperties=*/false, /*revised=*/{}},
    {"aci02", "ACI 318-02", "Design Criteria = ACI-318", "SLENDERNESS PER ACI-318:",  //
     kAciEnglish, kAciMetric, /*metricOnly=*/false, /*userDefined=*/false,        //
     {0.9f, 0.65f, 0.75f, 0.85f, 0.85f, 0.003f, 1, 1, 1}, /*stressBlockFromStrength=*/false, Aci02Concrete,
     0.80, 0.85, PR::NetTensileStrain, SF::Aci, KL::Capped40,  //
     /*swayCmFromEndMoments=*/true, /*minimumMoment=*/true, /*stabilityIndexLimit=*/true,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, /*revised=*/{}},
    {"arema", "AREMA", "Design Criteria = AREMA", "SLENDERNESS PER AREMA:",           //
     kAciEnglish, kAciMetric, /*metricOnly=*/false, /*userDefined=*/false,           //
     kWorkingFactors, /*stressBlockFromStrength=*/false, AciConcrete, 0.80, 0.85,  //
     PR::AxialLoadTransition, SF::Aashto, KL::Uncapped,                            //
     /*swayCmFromEndMoments=*/false, /*minimumMoment=*/false, /*stabilityIndexLimit=*/false,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, /*revised=*/{}},
    {"s6", "CAN/CSA-S6", "Design Criteria = CAN/CSA-S6", "SLENDERNESS PER CAN/CSA-S6:",  //
     kS6, kS6, /*metricOnly=*/true, /*userDefined=*/false,                              //
     {1, 1, 1, 0, 0, 0.0035f, 0.75f, 0.9f, 0.9f}, /*stressBlockFromStrength=*/true, S6Concrete, 0.75, 0.80,
     PR::AxialLoadTransition, SF::Aci, KL::Uncapped,  //
     /*swayCmFromEndMoments=*/false, /*minimumMoment=*/false, /*stabilityIndexLimit=*/false,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, /*revised=*/{}},
    {"csa", "CSA-A23.3", "Design Criteria = CSA A23.3", "SLENDERNESS PER CSA A23.3:",  //
     kCsa, kCsa, /*metricOnly=*/true, /*userDefined=*/false,                          //
     {1, 1, 1, 0, 0, 0.0035f, 0.65f, 0.85f, 0.9f}, /*stressBlockFromStrength=*/true, CsaConcrete, 0.80, 0.85,
     PR::AxialLoadTransition, SF::Aci, KL::CsaA23,  //
     /*swayCmFromEndMoments=*/true, /*minimumMoment=*/true, /*stabilityIndexLimit=*/false,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, /*revised=*/{}},
    {"aci19", "ACI 318-19", "Design Criteria = ACI 318-19", "SLENDERNESS PER ACI 318-19:",  //
     kAciEnglish, kAci19Metric, /*metricOnly=*/false, /*userDefined=*/false,                 //
     {0.9f, 0.65f, 0.75f, 0.85f, 0.85f, 0.003f, 1, 1, 1}, /*stressBlockFromStrength=*/false, Aci19Concrete,
     0.80, 0.85, PR::NetTensileStrainFromYield, SF::Aci, KL::Capped40,  //
     /*swayCmFromEndMoments=*/true, /*minimumMoment=*/true, /*stabilityIndexLimit=*/true,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, kAci19Rules},
    // Older editions, after the others so that the list keeps its order.
    {"aci", "ACI 318-99", "Design Criteria = ACI-318 (1999)", "SLENDERNESS PER ACI-318 (1999):",  //
     kAciEnglish, kAciMetric, /*metricOnly=*/false, /*userDefined=*/false,                  //
     kWorkingFactors, /*stressBlockFromStrength=*/false, AciConcrete, 0.80, 0.85,           //
     PR::AxialLoadTransition, SF::Aci, KL::Capped40,                                        //
     /*swayCmFromEndMoments=*/true, /*minimumMoment=*/true, /*stabilityIndexLimit=*/true,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, /*revised=*/{}},
    {"ohbdc", "OHBDC (1991)", "Design Criteria = OHBDC (1991)", "SLENDERNESS PER OHBDC (1991):",  //
     kOhbdc, kOhbdc, /*metricOnly=*/true, /*userDefined=*/false,                          //
     {1, 1, 1, 0.85f, 0.85f, 0.003f, 0.75f, 0.9f, 0.9f}, /*stressBlockFromStrength=*/false, OhbdcConcrete,
     0.75, 0.80, PR::AxialLoadTransition, SF::Aci, KL::Uncapped,  //
     /*swayCmFromEndMoments=*/false, /*minimumMoment=*/false, /*stabilityIndexLimit=*/false,
     /*compositeModifiedProperties=*/false, /*expectedMaterialProperties=*/false, /*revised=*/{}},
};

}  // namespace

const CriteriaRules* FindCriteria(std::string_view key) {
  for (const CriteriaRules& rules : kRules) {
    if (key == rules.key) return &rules;
  }
  return nullptr;
}

const CriteriaRules& CriteriaFor(std::string_view key) {
  const CriteriaRules* rules = FindCriteria(key);
  return rules != nullptr ? *rules : kRules[0];
}

const std::vector<const CriteriaRules*>& CriteriaList() {
  static const std::vector<const CriteriaRules*> list = [] {
    std::vector<const CriteriaRules*> entries;
    for (const CriteriaRules& rules : kRules) {
      if (rules.caption != nullptr) entries.push_back(&rules);
    }
    return entries;
  }();
  return list;
}

}  // namespace tarnix
