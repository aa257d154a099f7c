// Slender wall design per ACI 318 (alternative design of slender walls).
#include "strength/slender_wall.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "criteria/criteria.h"
#include "model/project_model.h"
#include "strength/slenderness.h"
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

constexpr const char* kNoWall = "Slender wall design needs a concrete rectangle and a reinforcing line";
constexpr const char* kBadWall =
    "Slender wall design needs a positive wall width, thickness, effective depth and material strengths";

// ACI 318-19 11.8.3.1(c): the axial load acts as steel of area Pu h / (2 fy d) added to As. The exact form
// of this term is UNCONFIRMED (one explicit source): check before release.
double Aci19WallSteelArea(double As, double P, double fy, double h, double d) { return As + P / fy * h / (2 * d); }

// ACI 318-19 11.8.3.1(c): the modular ratio in Icr is at least 6.
constexpr double kAci19WallLeastModularRatio = 6.0;
// ACI 318-19 11.8.3.1(b): the fixed stiffness reduction in the deflection, not a strength factor.
constexpr double kAci19WallStiffnessFactor = 0.75;

// The cracked wall of ACI 318-19 11.8.3.1(c) under axial load P: the bars with the load as added steel Ase,
// the stress block a, the neutral axis c and Icr.
struct CrackedWall {
  double Ase = 0, a = 0, c = 0, Icr = 0;
};

CrackedWall CrackedWallOf(const ProjectModel& m, double P, double b, double h, double d) {
  CrackedWall w;
  w.Ase = Aci19WallSteelArea(m.sectionProperties.reinfArea, P, m.fy, h, d);
  w.a = w.Ase * m.fy / (static_cast<double>(m.a1) * m.fpc * b);
  w.c = w.a / m.b1;
  const double modularRatio = std::max(static_cast<double>(m.Er) / m.Ec, kAci19WallLeastModularRatio);
  w.Icr = modularRatio * w.Ase * (d - w.c) * (d - w.c) + b * w.c * w.c * w.c / 3;
  return w;
}

// One load of a wall by ACI 318-19 11.8: phi Mn of the section at the load from the interaction
// diagram, which must be tension-controlled and reach Mcr; Mu = Mua + Pu Delta_u with
// Delta_u = 5 Mu lc^2 / (0.75 48 Ec Icr), solved in closed form as Mua / (1 - 5 Pu lc^2 / (0.75 48 Ec Icr)),
// the limit of the iteration (11.8.3.1(d)).
void DesignAci19Wall(ProjectModel& m, int i, double b, double h, double d) {
  SlendernessResults& s = m.slenderness;
  const size_t n = static_cast<size_t>(i);
  const LoadCondition& load = m.loads[n];
  const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
  const LoadCapacity cap = n < capacity.size() ? capacity[n] : LoadCapacity{};
  const CrackedWall w = CrackedWallOf(m, load.P, b, h, d);
  if (!(w.Ase > 0)) {
    s.outcome[n] = SlenderOutcome::TensionExceeded;
    return;
  }
  // Kept as a report line beside phi Mn of the section.
  s.phiMnAse[n] = static_cast<float>(cap.capPhi * w.Ase * m.fy * (d - w.a / 2));
  s.wallNotTensionControlled[n] = !(cap.capPhi >= m.phiT);
  s.wallCrackingGoverns[n] = cap.capMoment < s.Mcr;

  const double Icr = w.Icr;
  const double K = 5.0 * m.L * m.L / (kAci19WallStiffnessFactor * 48 * m.Ec * Icr);
  const double stability = 1.0 - K * load.P;
  if (!(stability > 0)) {
    s.outcome[n] = SlenderOutcome::Buckling;
    return;
  }
  s.Mc[n] = static_cast<float>(load.M / stability);
  s.wallMomentExceeded[n] = !s.wallCrackingGoverns[n] && !s.wallNotTensionControlled[n] &&
                            MomentCapacityExceeded(s.Mc[n], cap.capMoment);
}

// The service deflection of load i by ACI 318-19 11.8.4 with its service axial load Ps and midheight
// moment Msa. Table 11.8.4.1 is bilinear in Ma: (Ma / Mcr) Delta_cr up to 2/3 Mcr, then a straight line to
// Delta_n at Mn, with Delta_cr = 5 Mcr lc^2 / (48 Ec Ig) and Delta_n = 5 Mn lc^2 / (48 Ec Icr). Icr, Ase and
// Mn = Ase fy (d - a/2) are taken with Ps (a smaller axial load gives the smaller Icr, the larger
// deflection). Ma = Msa + Ps Delta_s(Ma) is iterated from Ma = Msa; on each straight part its limit has a
// closed form, Ma = (Msa + Ps D0) / (1 - Ps k) for Delta_s = D0 + k Ma, taken on the first part it lies in.
void CheckAci19WallService(ProjectModel& m, int i, double b, double h, double d) {
  SlendernessResults& s = m.slenderness;
  const size_t n = static_cast<size_t>(i);
  const LoadCondition& load = m.loads[n];
  const double Ps = load.Ps, Msa = std::fabs(load.Ms);
  const CrackedWall w = CrackedWallOf(m, Ps, b, h, d);
  if (!(w.Ase > 0)) {
    s.wallService[n] = WallService::NoSteel;
    return;
  }
  const double Mn = w.Ase * m.fy * (d - w.a / 2);
  const double Mcr = s.Mcr, lc2 = static_cast<double>(m.L) * m.L;
  const double deltaCr = 5 * Mcr * lc2 / (48 * static_cast<double>(m.Ec) * m.sectionProperties.concIo);
  const double deltaN = 5 * Mn * lc2 / (48 * static_cast<double>(m.Ec) * w.Icr);
  const double M23 = 2.0 / 3.0 * Mcr, delta23 = 2.0 / 3.0 * deltaCr;
  // Each part: Delta_s = D0 + k Ma for Ma up to its end.
  struct Part {
    double D0, k, end;
  };
  const double k2 = (deltaN - delta23) / (Mn - M23);
  const Part parts[] = {{0, deltaCr / Mcr, std::min(M23, Mn)}, {delta23 - M23 * k2, k2, Mn}};
  // A wall whose Mn does not pass 2/3 Mcr has the first part only.
  const int count = Mn > M23 ? 2 : 1;
  s.wallService[n] = WallService::NoBalance;
  for (int k = 0; k < count; ++k) {
    const Part& part = parts[k];
    const double denominator = 1.0 - Ps * part.k;
    if (!(denominator > 0) || !std::isfinite(part.k)) break;
    const double Ma = (Msa + Ps * part.D0) / denominator;
    if (!(Ma <= part.end)) continue;
    const double deflection = part.D0 + part.k * Ma;
    s.wallServiceMoment[n] = static_cast<float>(Ma);
    s.wallServiceDeflection[n] = static_cast<float>(deflection);
    s.wallService[n] = deflection <= m.L / 150.0 ? WallService::Within : WallService::Exceeded;
    return;
  }
}

}  // namespace

void ComputeSlenderWall(ProjectModel& m) {
  SlendernessResults& s = m.slenderness;
  s.wallProblem.clear();
  s.wallRatioExceeded = false;
  if (m.nr < 1 || m.nl < 1) {
    s.wallProblem = kNoWall;
    return;
  }
  const SectionProperties& p = m.sectionProperties;
  const double b = m.rects[1].W;   // panel width
  const double h = m.rects[1].D;   // wall thickness
  const double d = m.lines[1].Yb;  // effective depth of the tension steel
  if (!(b > 0 && h > 0 && d > 0 && m.fpc > 0 && m.fy > 0 && m.Ec > 0 && m.a1 > 0 && m.b1 > 0 && m.phiC > 0 &&
        p.concArea > 0)) {
    s.wallProblem = kBadWall;
    return;
  }

  const bool aci19 = CriteriaFor(m.criteria).revised.wallByAci19;
  s.rho = static_cast<float>(p.reinfArea / (b * d));
  // 0.6 of the balanced reinforcing ratio.
  s.rhomax = static_cast<float>(0.6 * (m.a1 * m.b1 * m.fpc / m.fy) * m.em / (m.fy / m.Er + m.em));
  // The cracking moment is a property of the wall and is reported even when the ratio is exceeded.
  // fr = 7.5 sqrt(f'c) psi; 0.62 sqrt(f'c) MPa by ACI 318-19 19.2.3.1, 0.7 sqrt(f'c) by the older rule.
  const double frMetric = aci19 ? 0.62 : 0.7;
  const double fr = (m.unitSystem().IsEnglish() ? 7.5 : frMetric) * std::sqrt(m.fpc);
  s.Mcr = static_cast<float>(2.0 * fr * p.concIo / h);
  // ACI 318-19 asks for a tension-controlled section (checked per load) instead of the ratio limit.
  s.wallRatioExceeded = !aci19 && s.rho > s.rhomax;
  if (s.wallRatioExceeded) return;

  const size_t size = static_cast<size_t>(ListSize(m.ns)) + 1;
  s.phiMnAse.assign(size, 0.0f);
  s.Mc.assign(size, 0.0f);
  s.outcome.assign(size, SlenderOutcome::Magnified);
  s.wallMomentExceeded.assign(size, false);
  s.wallStressExceeded.assign(size, false);
  s.wallCrackingGoverns.assign(size, false);
  s.wallNotTensionControlled.assign(size, false);
  const bool service = aci19 && std::any_of(m.loads.begin() + 1, m.loads.begin() + static_cast<std::ptrdiff_t>(size),
                                            [](const LoadCondition& c) { return HasServiceLoad(c); });
  s.wallService.assign(service ? size : 0, WallService::NotChecked);
  s.wallServiceMoment.assign(service ? size : 0, 0.0f);
  s.wallServiceDeflection.assign(service ? size : 0, 0.0f);
  const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const size_t n = static_cast<size_t>(i);
    const LoadCondition& load = m.loads[n];
    s.Mc[n] = load.M;
    s.wallStressExceeded[n] = load.P / static_cast<double>(p.concArea) > 0.06 * m.fpc;
    if (aci19) {
      DesignAci19Wall(m, i, b, h, d);
      if (HasServiceLoad(load)) CheckAci19WallService(m, i, b, h, d);
      continue;
    }
    // The axial load acts as additional tension steel (or relieves it under tension).
    const double Ase = (static_cast<double>(m.fy) * p.reinfArea + load.P) / m.fy;
    if (!(Ase > 0)) {
      s.outcome[n] = SlenderOutcome::TensionExceeded;
      continue;
    }
    const double a = Ase * m.fy / (static_cast<double>(m.a1) * m.fpc * b);
    const double c = a / m.b1;
    const double phi = n < capacity.size() ? capacity[n].capPhi : 0.0;
    s.phiMnAse[n] = static_cast<float>(phi * Ase * m.fy * (d - a / 2));
    s.wallCrackingGoverns[n] = s.phiMnAse[n] < s.Mcr;

    const double Icr = (static_cast<double>(m.Er) / m.Ec) * Ase * (d - c) * (d - c) + b * c * c * c / 3;
    const double K = 5.0 * m.L * m.L / (static_cast<double>(m.phiC) * 48 * m.Ec * Icr);
    const double stability = 1.0 - K * load.P;
    // At the panel's buckling load the second-order deflection grows without bound.
    if (!(stability > 0)) {
      s.outcome[n] = SlenderOutcome::Buckling;
      continue;
    }
    const double Mu = load.M / stability;
    const double deflection = K * Mu;
    s.Mc[n] = static_cast<float>(load.M + load.P * deflection);
    // Only a wall whose capacity reaches the cracking moment is designed by this method at all.
    s.wallMomentExceeded[n] = !s.wallCrackingGoverns[n] && MomentCapacityExceeded(s.Mc[n], s.phiMnAse[n]);
  }
}

float WallMomentCapacity(const ProjectModel& m, int i) {
  const size_t n = static_cast<size_t>(i);
  if (CriteriaFor(m.criteria).revised.wallByAci19) {
    const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
    return i >= 1 && n < capacity.size() ? capacity[n].capMoment : 0.0f;
  }
  const std::vector<float>& phiMnAse = m.slenderness.phiMnAse;
  return i >= 1 && n < phiMnAse.size() ? phiMnAse[n] : 0.0f;
}

bool WallMomentExceeded(const ProjectModel& m, int i) {
  const std::vector<bool>& exceeded = m.slenderness.wallMomentExceeded;
  return m.L > 0 && m.SlendernessOption == Slenderness::SlenderWall && i >= 1 && static_cast<size_t>(i) < exceeded.size() &&
         exceeded[static_cast<size_t>(i)];
}

}  // namespace tarnix
