// Reset, criteria defaults, values derived from f'c, and control-parameter defaults.
#include "model/defaults.h"

#include "criteria/criteria.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "base/number_format.h"

namespace tarnix {

float RoundTo(double x, int decimals) { return static_cast<float>(RoundHalfAway(x, decimals)); }

void ResetAll(ProjectModel& m) {
  m.title.clear();
  m.design.reset();
  m.criteria = kResetCriteria;
  m.units = UnitSystem(UnitSystem::English).Key();

  // The reset strengths and factors are those of AREMA in English units.
  ApplyCriteriaDefaults(m);

  // The records stay in storage; a count below 1 hides them.
  m.nr = m.nc = m.nl = m.na = m.nb = m.np = m.ns = 0;
  // An input file of the old form has no horizontal coordinate, no moment about the vertical axis and no
  // polygon or single bar: a record it reads into storage must not keep a value of a model read before.
  ClearTwoDimensionalData(m);

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
  const CriteriaRules* rules = FindCriteria(m.criteria);
  if (rules == nullptr) return;
  const CriteriaStrengths s = rules->Strengths(m.unitSystem());
  m.fpc = s.fpc, m.fy = s.fy, m.fs = s.fs, m.Ec = s.Ec, m.Er = s.Er, m.Es = s.Es;
  const CriteriaFactors& f = rules->factors;
  m.phiT = f.phiT, m.phiC = f.phiC, m.phiS = f.phiS, m.a1 = f.a1, m.b1 = f.b1, m.em = f.em;
  m.phiConc = f.phiConc, m.phiReinf = f.phiReinf, m.phiStl = f.phiStl;
  if (rules->stressBlockFromStrength) {
    const DerivedConcrete d = rules->derive(m.fpc, m.unitSystem());
    m.a1 = d.a1.value_or(m.a1);
    m.b1 = d.b1;
  }
}

void DeriveFromConcreteStrength(ProjectModel& m) {
  const CriteriaRules* rules = FindCriteria(m.criteria);
  if (rules == nullptr || rules->derive == nullptr) return;
  const DerivedConcrete d = rules->derive(m.fpc, m.unitSystem());
  m.b1 = d.b1;
  if (d.a1) m.a1 = *d.a1;
  m.Ec = d.Ec;
}

void ApplyControlDefaults(ProjectModel& m) {
  const bool english = m.unitSystem().IsEnglish();
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
  const CriteriaRules& rules = CriteriaFor(key);
  if (rules.userDefined) m.SlendernessOption = 1;
  if (rules.metricOnly) m.units = UnitSystem(UnitSystem::Metric).Key();
  ApplyControlDefaults(m);
  ApplyCriteriaDefaults(m);
}

void ChooseUnits(ProjectModel& m, bool english) {
  const bool metricOnly = CriteriaFor(m.criteria).metricOnly;
  m.units = UnitSystem(english && !metricOnly ? UnitSystem::English : UnitSystem::Metric).Key();
  ApplyCriteriaDefaults(m);
  ApplyMaterialModelDefaults(m);
  ApplyControlDefaults(m);
}

void EditConcreteStrength(ProjectModel& m, std::string_view text) {
  m.fpc = LenientFloat(text);
  if (!CriteriaFor(m.criteria).userDefined) DeriveFromConcreteStrength(m);
}

}  // namespace tarnix
