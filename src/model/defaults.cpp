// Reset and control-parameter defaults.
#include "model/defaults.h"

namespace tarnix {

void ResetAll(ProjectModel& m) {
  m.title.clear();
  m.criteria = "arema";
  m.units = "english";

  m.Es = m.Er = 29000000;
  m.ForceUnitFactor = 1000;
  m.MomentUnitFactor = 12000;
  m.fpc = 4000;
  m.fy = 60000;
  m.fs = 36000;
  m.Ec = 3605000;

  m.phiT = 0.9f;
  m.phiC = 0.7f;
  m.phiS = 0.85f;
  m.a1 = 0.85f;
  m.b1 = 0.85f;
  m.em = 0.003f;
  m.phiConc = m.phiReinf = m.phiStl = 1.0f;

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
  m.confinementOption = 1;

  // A reset leaves inc at 0.01 (finer than the English default 0.05) until the control defaults are
  // applied again by a change of criteria or units or by loading a file.
  m.inc = 0.01f;
  m.binc = 20;
  m.ebeg = 0.0005f;
  m.einc = 0.0005f;
  m.bsinc = 20;
  m.pinc = 100;
  m.cbeg = 0.5f;
  m.cend = 0;
  m.cinc = 0.05f;
  m.eend = 0.01f;
  m.rcinc = 100;
  m.ccinc = 100;
  m.psinc = 100;
  m.ParkModel = 2;

  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = 1;
  m.OutputSlenderness = m.OutputSectionAnalysis = m.OutputMomentCurvature = 0;
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

}  // namespace tarnix
