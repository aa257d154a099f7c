// Capacity of the load conditions on the interaction diagram.
#include "strength/section_analysis.h"

#include "criteria/criteria.h"
#include "model/project_model.h"

namespace tarnix {

float LoadPhi(const ProjectModel& m, const InteractionDiagram& d, float P, float tensileStrain) {
  if (P < 0) return m.phiT;
  if (m.nb != 0 || m.np != 0) return m.phiC;
  if (CriteriaFor(m.criteria).phiRule == PhiRule::NetTensileStrain) {
    const float yieldStrain = m.Er != 0 ? m.phiReinf * m.fy / m.Er : 0.0f;
    if (tensileStrain >= -yieldStrain) return m.phiC;
    if (tensileStrain <= -0.005f) return m.phiT;
    // Between yield and 0.005 only when the yield strain is below 0.005, so the divisor is not zero.
    return m.phiT - (m.phiT - m.phiC) * (-0.005f - tensileStrain) / (yieldStrain - 0.005f);
  }
  float limit = 0.1f * m.fpc * m.sectionProperties.concArea;
  if (d.idBalanced > 1 && m.phiC * d.idAxial[static_cast<size_t>(d.idBalanced)] < limit) {
    limit = m.phiC * d.idAxial[static_cast<size_t>(d.idBalanced)];
  }
  if (!(limit > 0)) return m.phiC;  // every compression load is at or above a limit of zero
  const float phi = m.phiT - (m.phiT - m.phiC) * P / limit;
  return phi < m.phiC ? m.phiC : phi;
}

void EvaluateLoadConditions(const ProjectModel& m, InteractionDiagram& d, int k, float tensileStrain) {
  const float axial = d.idAxial[static_cast<size_t>(k)];
  const float moment = d.idMoment[static_cast<size_t>(k)];
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    const float phi = LoadPhi(m, d, load.P, tensileStrain);
    if (cap.capFound == 1 && phi * axial >= load.P) {
      cap = {phi, phi * axial, phi * moment, k, 0};
    }
    // Loads without moment (or without any load) take fixed capacities, set again at every point.
    if (load.P == 0 && load.M == 0) {
      const float pureBending = d.idMoment[static_cast<size_t>(d.idPureBending)];
      cap = {m.phiT, 0, m.phiT * pureBending, d.idPureBending, 0};
    } else if (load.P > 0 && load.M == 0 && m.SlendernessOption == Slenderness::None) {
      cap = {m.phiC, m.phiC * d.PnMax, 0, 0, 0};  // the last point, known when the walk ends
    } else if (load.P < 0 && load.M == 0) {
      cap = {m.phiT, m.phiT * d.idAxial[1], m.phiT * d.idMoment[1], 1, 0};
    }
  }
}

bool MomentCapacityExceeded(float demand, float capacity) {
  if (demand == 0) return false;
  if (capacity == 0) return true;
  const float size = demand < 0 ? -demand : demand;
  return static_cast<float>(size / capacity) > 1.01f;
}

bool AxialCapacityExceeded(const LoadCondition& load, const LoadCapacity& cap) {
  if (load.M != 0 || load.P == 0) return false;
  if (cap.capAxial == 0) return true;
  // A capacity of the other sign (tension capacity for a compression load) is no capacity at all.
  const float ratio = load.P / cap.capAxial;
  return ratio < 0 || ratio > 1.01f;
}

}  // namespace tarnix
