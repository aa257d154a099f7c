// Slender wall design per ACI 318 (alternative design of slender walls).
#include "strength/slender_wall.h"

#include <cmath>
#include <string>

#include "model/project_model.h"
#include "strength/slenderness.h"
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

constexpr const char* kNoWall = "Slender wall design needs a concrete rectangle and a reinforcing line";
constexpr const char* kBadWall =
    "Slender wall design needs a positive wall width, thickness, effective depth and material strengths";

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

  s.rho = static_cast<float>(p.reinfArea / (b * d));
  // 0.6 of the balanced reinforcing ratio.
  s.rhomax = static_cast<float>(0.6 * (m.a1 * m.b1 * m.fpc / m.fy) * m.em / (m.fy / m.Er + m.em));
  // The cracking moment is a property of the wall and is reported even when the ratio is exceeded.
  const double fr = m.unitSystem().IsEnglish() ? 7.5 * std::sqrt(m.fpc) : 0.7 * std::sqrt(m.fpc);
  s.Mcr = static_cast<float>(2.0 * fr * p.concIo / h);
  s.wallRatioExceeded = s.rho > s.rhomax;
  if (s.wallRatioExceeded) return;

  const size_t size = static_cast<size_t>(ListSize(m.ns)) + 1;
  s.phiMnAse.assign(size, 0.0f);
  s.Mc.assign(size, 0.0f);
  s.outcome.assign(size, SlenderOutcome::Magnified);
  s.wallMomentExceeded.assign(size, false);
  s.wallStressExceeded.assign(size, false);
  s.wallCrackingGoverns.assign(size, false);
  const std::vector<LoadCapacity>& capacity = m.interactionDiagram.capacity;
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const size_t n = static_cast<size_t>(i);
    const LoadCondition& load = m.loads[n];
    s.Mc[n] = load.M;
    s.wallStressExceeded[n] = load.P / static_cast<double>(p.concArea) > 0.06 * m.fpc;
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

bool WallMomentExceeded(const ProjectModel& m, int i) {
  const std::vector<bool>& exceeded = m.slenderness.wallMomentExceeded;
  return m.L > 0 && m.SlendernessOption == Slenderness::SlenderWall && i >= 1 && static_cast<size_t>(i) < exceeded.size() &&
         exceeded[static_cast<size_t>(i)];
}

}  // namespace tarnix
