// Strength of a rectangle with bar layers worked by hand: the rectangular stress block 0.85 f'c over
// a = beta1 c with the extreme fibre at 0.003, elastic-perfectly plastic bars, and bars inside the block net
// of the concrete they displace (ACI 318-19 22.2; Wight and MacGregor, Reinforced Concrete, ch. 11).
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "model/project_model.h"

namespace tarnix {

struct HandLayer {
  double area, depth;
};

struct HandRectangle {
  double b, h;
  std::vector<HandLayer> layers;
  double fc = 4000, fy = 60000, Es = 29e6, beta1 = 0.85;
};

/// The first concrete rectangle and the bar lines of a model, as a hand section.
inline HandRectangle HandSectionOf(const ProjectModel& m) {
  HandRectangle s{m.rects[1].W, m.rects[1].D, {}, m.fpc, m.fy, m.Er, m.b1};
  for (int i = 1; i <= m.nl; ++i) {
    const ReinforcingLine& line = m.lines[static_cast<size_t>(i)];
    s.layers.push_back({line.Nbl * static_cast<double>(line.Abl), line.Yb});
  }
  return s;
}

/// Axial force, moment about mid-depth and the net tensile strain (positive) of the most tensile layer at
/// neutral-axis depth c.
struct HandPoint {
  double P, M, tensileStrain;
};
inline HandPoint HandAt(const HandRectangle& s, double c) {
  const double a = std::min(s.beta1 * c, s.h);
  const double block = 0.85 * s.fc * s.b * a;
  HandPoint p{block, block * (s.h / 2 - a / 2), 0};
  for (const HandLayer& layer : s.layers) {
    const double strain = 0.003 * (c - layer.depth) / c;
    p.tensileStrain = std::max(p.tensileStrain, -strain);
    double stress = std::clamp(s.Es * strain, -s.fy, s.fy);
    if (layer.depth <= a) stress = std::max(0.0, stress - 0.85 * s.fc);
    p.P += stress * layer.area;
    p.M += stress * layer.area * (s.h / 2 - layer.depth);
  }
  return p;
}

/// The depth c at which phi(point) Pn equals the load, by bisection, and phi and phi Mn there; c may lie
/// beyond the section (up to ten times its depth), where every bar is in compression.
struct HandCapacity {
  double c, phi, phiMn;
};
inline HandCapacity HandCapacityAt(const HandRectangle& s, double load,
                                   const std::function<double(const HandPoint&)>& phiOf) {
  double below = 1e-6 * s.h, above = 10 * s.h;
  for (int i = 0; i < 200; ++i) {
    const double c = (below + above) / 2;
    const HandPoint p = HandAt(s, c);
    (phiOf(p) * p.P < load ? below : above) = c;
  }
  const HandPoint p = HandAt(s, above);
  return {above, phiOf(p), phiOf(p) * p.M};
}

}  // namespace tarnix
