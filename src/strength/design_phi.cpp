// The strength reduction factor of a point on the design curve.
#include "strength/design_phi.h"

#include <algorithm>

#include "strength/section_analysis.h"

namespace tarnix {

float DesignPointPhi(const ProjectModel& m, const InteractionDiagram& d, float Pn, float tensileStrain) {
  // phi depends on the factored load phi Pn, which depends on phi: the root of g(phi) = LoadPhi(phi Pn) -
  // phi. LoadPhi never grows with the load, so g falls strictly and the root is unique within the factors'
  // range.
  float lo = std::min(m.phiC, m.phiT), hi = std::max(m.phiC, m.phiT);
  auto g = [&](float phi) { return LoadPhi(m, d, phi * Pn, tensileStrain) - phi; };
  if (g(lo) <= 0) return lo;
  if (g(hi) >= 0) return hi;
  for (int i = 0; i < 60 && hi - lo > 1e-7f; ++i) {
    const float mid = (lo + hi) / 2;
    (g(mid) > 0 ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

}  // namespace tarnix
