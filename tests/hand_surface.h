// A small interaction surface filled by hand, for the writers of the surface (so no test macros here).
#pragma once

#include "test_sections.h"

namespace tarnix {

/// The two-layer column (ACI 318-02: phi 0.9 from a net tensile strain of 0.005, 0.65 at no tension) with one
/// load P = 100 kip, Mx = 30 k-ft, My = 40 k-ft and a surface of four meridians at 0, 90, 180 and 270
/// degrees, each of three points: maximum tension (-100 kip, no moment, strain -0.01), pure bending (no axial
/// load, a 50 k-ft moment pointing at the angle, c = 5, strain -0.006) and maximum compression (200 kip, no
/// moment, c = 25, strain 0). Its sections are diamonds: at 100 kip halfway up the upper branch, 25 k-ft on
/// each axis. English units: 1 kip = 1000 lb, 1 k-ft = 12000 lb-in.
inline ProjectModel HandSurfaceColumn() {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 1);
  m.loads[1].P = 100000, m.loads[1].M = 360000, m.loads[1].My = 480000;
  const float cosines[] = {1, 0, -1, 0}, sines[] = {0, 1, 0, -1};
  for (int j = 0; j < 4; ++j) {
    InteractionDiagram d;
    d.angle = 90.0f * static_cast<float>(j);
    d.idCount = 3;
    d.idPureBending = 2;
    d.idDepth = {0, 0, 5, 25};
    d.idAxial = {0, -100000, 0, 200000};
    d.idMoment = {0, 0, 600000 * cosines[j], 0};
    d.idMomentY = {0, 0, 600000 * sines[j], 0};
    d.idTensileStrain = {0, -0.01f, -0.006f, 0};
    d.PnMax = 200000;
    m.interactionSurface.meridians.push_back(d);
  }
  return m;
}

}  // namespace tarnix
