// Capacity of the load conditions on the interaction diagram.
#include "strength/section_analysis.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "criteria/criteria.h"
#include "model/project_model.h"
#include "strength/slender_wall.h"
#include "strength/slenderness.h"
#include "strength/surface.h"

namespace tarnix {
namespace {

// The capacity at the load itself, from the points k - 1 and k of the walk that bracket it: the
// neutral-axis depth at which phi Pn equals the load, found by bisection. The bracket of point 2 starts at
// c = 0, the vanishing compression zone that the maximum tension point stands for.
LoadCapacity CapacityAtLoad(const ProjectModel& m, const InteractionDiagram& d, int k, float load,
                            const SectionAtDepth& sectionAt) {
  const size_t K = static_cast<size_t>(k);
  const double tolerance = 1e-6 * std::fabs(static_cast<double>(SquashLoad(m)));
  float below = k == 2 ? 0.0f : d.idDepth[K - 1];
  float above = d.idDepth[K];
  SectionPoint at{d.idAxial[K], d.idMoment[K], d.idTensileStrain[K]};
  float phi = LoadPhi(m, d, load, at.tensileStrain);
  // Each halving gains a bit; the loop ends well before the bracket shrinks below a float step.
  for (int halving = 0; halving < 200; ++halving) {
    const float c = below + (above - below) / 2;
    if (!(c > below && c < above)) break;
    const SectionPoint p = sectionAt(c);
    const float phiHere = LoadPhi(m, d, load, p.tensileStrain);
    const double excess = static_cast<double>(phiHere) * p.axial - load;
    if (excess >= 0 || std::fabs(excess) <= tolerance) {
      at = p;
      phi = phiHere;
      above = c;
    } else {
      below = c;
    }
    if (std::fabs(excess) <= tolerance) break;
  }
  return {phi, load, phi * at.moment, k, 0};
}

float LargerBySize(float a, float b) { return std::fabs(b) > std::fabs(a) ? b : a; }

// The moments of a load as the slenderness analysis of the run leaves them.
struct Demand {
  float firstOrder = 0;
  std::optional<float> magnified;  // from the second-order analysis, where it gave one
  bool known = true;               // false where the second-order analysis gave no design moment
  bool limited = false;            // a magnified load of moment magnification, to which the criteria's
                                   // limit on second-order moments applies
  bool wall = false;               // a load designed by the slender wall method
};

// A slender wall designed by its method: the load is within the axial stress limit, its capacity reaches
// the cracking moment, its section is tension-controlled where that is required, and it was magnified.
bool WallDesigned(const SlendernessResults& s, size_t n) {
  const auto set = [n](const std::vector<bool>& flags) { return n < flags.size() && flags[n]; };
  return s.wallProblem.empty() && !s.wallRatioExceeded && n < s.outcome.size() && n < s.Mc.size() &&
         s.outcome[n] == SlenderOutcome::Magnified && !set(s.wallStressExceeded) &&
         !set(s.wallCrackingGoverns) && !set(s.wallNotTensionControlled);
}

Demand DemandOf(const ProjectModel& m, int i) {
  const size_t n = static_cast<size_t>(i);
  const LoadCondition& load = m.loads[n];
  const SlendernessResults& s = m.slenderness;
  Demand demand;
  demand.firstOrder = load.M;
  if (!(m.L > 0)) return demand;
  if (m.SlendernessOption == Slenderness::SlenderWall) {
    demand.known = WallDesigned(s, n);
    demand.wall = demand.known;
    if (demand.known) demand.magnified = s.Mc[n];
    return demand;
  }
  if (!Slenderness::Magnifies(m.SlendernessOption)) return demand;
  // The end moments are first-order moments of the member too.
  demand.firstOrder = LargerBySize(load.M, InitialMoment(load));
  // No second-order analysis exists for the general option: the first-order moment is the design moment.
  if (m.SlendernessOption == Slenderness::GeneralPDelta) return demand;
  demand.known = DesignMomentKnown(s, i);
  if (!demand.known) return demand;
  // A governing minimum moment counts as first-order moment.
  if (n < s.M2min.size()) demand.firstOrder = LargerBySize(demand.firstOrder, s.M2min[n]);
  demand.magnified = s.Mc[n];
  demand.limited = s.outcome[n] == SlenderOutcome::Magnified;
  return demand;
}

// The design moment about the vertical axis: the load's My, or the larger of it and its magnified moment
// where the slenderness analysis of that axis gave one.
float DesignMomentY(const ProjectModel& m, int i) {
  const size_t n = static_cast<size_t>(i);
  const SlendernessResults& s = m.slenderness;
  const float firstOrder = m.loads[n].My;
  return DesignMomentYKnown(s, i) ? LargerBySize(firstOrder, s.McY[n]) : firstOrder;
}

// The second-order ratio about the vertical axis of a load magnified about it: its design moment over the
// largest first-order moment about that axis (My, the end moments, a governing minimum moment); 0 where
// that axis was not magnified (ACI 318-19 6.2.5.3 limits the ratio about each axis).
float SecondOrderRatioY(const ProjectModel& m, int i, float designY) {
  const size_t n = static_cast<size_t>(i);
  const SlendernessResults& s = m.slenderness;
  if (!DesignMomentYKnown(s, i) || n >= s.outcomeY.size() || s.outcomeY[n] != SlenderOutcome::Magnified) return 0;
  float firstOrder = std::fabs(InitialMomentY(m.loads[n]));
  if (n < s.M2minY.size()) firstOrder = std::max(firstOrder, std::fabs(s.M2minY[n]));
  return firstOrder > 0 ? std::fabs(designY) / firstOrder : 0.0f;
}

}  // namespace

float LoadPhi(const ProjectModel& m, const InteractionDiagram& d, float P, float tensileStrain) {
  if (P < 0) return m.phiT;
  const float phiC = CompressionPhi(m);
  if (m.nb != 0 || m.np != 0) return phiC;
  const PhiRule rule = CriteriaFor(m.criteria).phiRule;
  if (rule == PhiRule::NetTensileStrainFromYield) {
    // ACI 318-19 Table 21.2.2: compression-controlled up to eps_ty = fy / Es, tension-controlled from
    // eps_ty + 0.003, linear between.
    const double yieldStrain = m.Er != 0 ? static_cast<double>(m.fy) / m.Er : 0.0;
    const double beyondYield = -static_cast<double>(tensileStrain) - yieldStrain;
    const double phi = phiC + (m.phiT - phiC) * beyondYield / 0.003;
    return static_cast<float>(std::min(std::max(phi, static_cast<double>(std::min(phiC, m.phiT))),
                                       static_cast<double>(std::max(phiC, m.phiT))));
  }
  if (rule == PhiRule::NetTensileStrain) {
    const float yieldStrain = m.Er != 0 ? m.phiReinf * m.fy / m.Er : 0.0f;
    // The compression-controlled factor is the member's: a spiral column's where the criteria give one.
    if (tensileStrain >= -yieldStrain) return phiC;
    if (tensileStrain <= -0.005f) return m.phiT;
    // Between yield and 0.005 only when the yield strain is below 0.005, so the divisor is not zero.
    return m.phiT - (m.phiT - phiC) * (-0.005f - tensileStrain) / (yieldStrain - 0.005f);
  }
  float limit = 0.1f * m.fpc * m.sectionProperties.concArea;
  if (d.idBalanced > 1 && m.phiC * d.idAxial[static_cast<size_t>(d.idBalanced)] < limit) {
    limit = m.phiC * d.idAxial[static_cast<size_t>(d.idBalanced)];
  }
  if (!(limit > 0)) return m.phiC;  // every compression load is at or above a limit of zero
  const float phi = m.phiT - (m.phiT - m.phiC) * P / limit;
  return phi < m.phiC ? m.phiC : phi;
}

void EvaluateLoadConditions(const ProjectModel& m, InteractionDiagram& d, int k, float tensileStrain,
                            const SectionAtDepth& sectionAt) {
  const float axial = d.idAxial[static_cast<size_t>(k)];
  const float moment = d.idMoment[static_cast<size_t>(k)];
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    // Loads without moment (or without any load) take fixed capacities, set again at every point.
    if (load.P == 0 && load.M == 0) {
      const float pureBending = d.idMoment[static_cast<size_t>(d.idPureBending)];
      cap = {m.phiT, 0, m.phiT * pureBending, d.idPureBending, 0};
    } else if (load.P > 0 && load.M == 0 && m.SlendernessOption == Slenderness::None) {
      const float phiC = CompressionPhi(m);
      cap = {phiC, phiC * d.PnMax, 0, 0, 0};  // the last point, known when the walk ends
    } else if (load.P < 0 && load.M == 0) {
      cap = {m.phiT, m.phiT * d.idAxial[1], m.phiT * d.idMoment[1], 1, 0};
    } else if (cap.capFound == 1) {
      const float phi = LoadPhi(m, d, load.P, tensileStrain);
      if (phi * axial == load.P || (k == 1 && phi * axial > load.P)) {
        cap = {phi, phi * axial, phi * moment, k, 0};
      } else if (phi * axial > load.P) {
        cap = CapacityAtLoad(m, d, k, load.P, sectionAt);
      }
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

void JudgeLoadConditions(ProjectModel& m) {
  std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
  const float limit = CriteriaFor(m.criteria).revised.secondOrderLimit;
  const bool twoDimensional = IsTwoDimensional(m);
  std::vector<BiaxialCapacity>& biaxial = m.interactionDiagram.biaxial;
  biaxial.assign(twoDimensional ? capacity.size() : 0, BiaxialCapacity{});
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < capacity.size(); ++i) {
    LoadCapacity& cap = capacity[static_cast<size_t>(i)];
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    const Demand demand = DemandOf(m, i);
    cap.checked = true;
    cap.checkedAxial = load.P;
    cap.designKnown = demand.known;
    // A magnified moment below the first-order moment (end moments that describe only part of the load's
    // moment, or a slender wall under tension) never lowers the demand.
    cap.checkedMoment =
        demand.magnified ? LargerBySize(demand.firstOrder, *demand.magnified) : demand.firstOrder;
    cap.secondOrderRatio =
        demand.magnified && demand.firstOrder != 0 ? std::fabs(cap.checkedMoment / demand.firstOrder) : 0.0f;
    cap.secondOrderExceeded = demand.limited && limit > 0 && cap.secondOrderRatio > limit;
    cap.secondOrderRatioY = 0;
    cap.momentExceeded = false;
    cap.axialExceeded = false;
    bool biaxialMoment = false;
    if (twoDimensional) {
      cap.checkedMomentY = DesignMomentY(m, i);
      cap.secondOrderRatioY = SecondOrderRatioY(m, i, cap.checkedMomentY);
      cap.secondOrderExceeded |= limit > 0 && cap.secondOrderRatioY > limit;
      biaxial[static_cast<size_t>(i)] = BiaxialCapacityOf(m, load.P, cap.checkedMoment, cap.checkedMomentY);
      biaxialMoment = cap.checkedMoment != 0 || cap.checkedMomentY != 0;
    }
    if (biaxialMoment) {
      // The design moment vector against the capacity in its own direction at the same axial load; no
      // capacity at that axial load is an axial load beyond the section's.
      const BiaxialCapacity& b = biaxial[static_cast<size_t>(i)];
      cap.axialExceeded = !b.found;
      cap.momentExceeded =
          b.found && MomentCapacityExceeded(std::hypot(cap.checkedMoment, cap.checkedMomentY),
                                            std::hypot(b.momentX, b.momentY));
    } else {
      if (cap.capFound == 1) continue;
      cap.momentExceeded = MomentCapacityExceeded(cap.checkedMoment, cap.capMoment);
      cap.axialExceeded = AxialCapacityExceeded(load, cap);
    }
    // A designed slender wall is measured against its own moment capacity as well.
    if (demand.wall) {
      cap.momentExceeded |= MomentCapacityExceeded(cap.checkedMoment, WallMomentCapacity(m, i));
    }
  }
}

bool LoadBeyondCapacity(const ProjectModel& m, int i) {
  const size_t k = static_cast<size_t>(i);
  const LoadCapacity& cap = m.interactionDiagram.capacity[k];
  if (cap.momentExceeded || cap.axialExceeded || cap.secondOrderExceeded) return true;
  const SlendernessResults& s = m.slenderness;
  const bool magnified = m.L > 0 && m.SlendernessOption == Slenderness::MomentMagnification;
  const bool wall = m.L > 0 && m.SlendernessOption == Slenderness::SlenderWall;
  if ((magnified || wall) && k < s.outcome.size() && IsSlenderFault(s.outcome[k])) return true;
  // The vertical axis, where its member data were analysed.
  const bool magnifiedY = m.SlendernessOption == Slenderness::MomentMagnification;
  if (magnifiedY && k < s.outcomeY.size() && IsSlenderFault(s.outcomeY[k])) return true;
  if (!wall || !s.wallProblem.empty()) return false;
  if (s.wallRatioExceeded) return true;
  const auto set = [k](const std::vector<bool>& flags) { return k < flags.size() && flags[k]; };
  return set(s.wallStressExceeded) || set(s.wallCrackingGoverns) || set(s.wallNotTensionControlled) ||
         set(s.wallMomentExceeded);
}

}  // namespace tarnix
