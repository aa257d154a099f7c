// Fibre integration of the section for the moment-curvature analysis.
#include "curvature/section_evaluation.h"

#include <algorithm>
#include <cmath>

namespace tarnix {
namespace {

// The part of a slice of width `width` and area `area` that lies in the cover: all of it within `cover`
// of the record's top or bottom, else the two side strips.
float CoverArea(float area, double width, double cover, bool inCoverBand) {
  if (inCoverBand) return area;
  if (!(width > 0)) return area;
  return static_cast<float>(std::clamp(area * 2 * cover / width, 0.0, static_cast<double>(area)));
}

}  // namespace

SectionSlices SliceSection(ProjectModel& m) {
  SectionSlices s;
  s.concYbar = m.sectionProperties.concYbar;
  const bool confined = m.concreteModel == 3 && m.confinementOption >= 2 && m.confinementOption <= 5;
  const double cover = m.cover;

  const int rectSlices = std::max(m.rcinc, 1);
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    const double dy = static_cast<double>(r.D) / rectSlices;
    const float area = static_cast<float>(static_cast<double>(r.W) * r.D / rectSlices);
    for (int j = 0; j < rectSlices; ++j) {
      const double y = r.Yt + dy * (j + 0.5);
      ConcreteSlice slice{static_cast<float>(y), 0, area, r.rsign};
      if (confined && r.rsign > 0) {
        const bool band = y <= r.Yt + cover || y >= r.Yt + r.D - cover;
        slice.coverArea = CoverArea(area, r.W, cover, band);
        slice.coreArea = area - slice.coverArea;
      }
      s.concrete.push_back(slice);
    }
  }
  const int circleSlices = std::max(m.ccinc, 1);
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = m.circles[static_cast<size_t>(i)];
    if (!(c.Rc > 0)) continue;
    const double dy = 2.0 * c.Rc / circleSlices;
    for (int j = 0; j < circleSlices; ++j) {
      const double y = c.Yc - c.Rc + dy * (j + 0.5);
      const double sine = std::sin(ArcCos(static_cast<float>((c.Yc - y) / c.Rc)));
      const double width = 2.0 * c.Rc * sine;
      const float area = static_cast<float>(width * dy);
      ConcreteSlice slice{static_cast<float>(y), 0, area, c.csign};
      if (confined && c.csign > 0) {
        const bool band = y <= c.Yc - c.Rc + cover || y >= c.Yc + c.Rc - cover;
        // The core is narrower by the cover measured square to the circle.
        slice.coverArea = CoverArea(area, width, sine > 0 ? cover / sine : width, band);
        slice.coreArea = area - slice.coverArea;
      }
      s.concrete.push_back(slice);
    }
  }

  NormalizeFullArcs(m);
  s.bars = AllBars(m);

  const bool concrete = m.sectionProperties.concArea > 0;
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    for (const Strip& strip : SteelRectStrips(m.steelRects[static_cast<size_t>(i)], m.bsinc)) {
      s.steel.push_back({strip.area, strip.depth, concrete});
    }
  }
  // Pipes displace concrete unless their lowest point is the lowest point of the concrete.
  const bool pipesInside = concrete && SteelShapesDepth(m) != ConcreteDepth(m);
  for (int i = 1; i <= ListSize(m.np); ++i) {
    for (const Strip& fibre : PipeFibres(m.pipes[static_cast<size_t>(i)], m.psinc)) {
      s.steel.push_back({fibre.area, fibre.depth, pipesInside});
    }
  }
  return s;
}

SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              bool& firstNonPositive) {
  SectionForces out;
  if (!(c > 0)) return out;
  const double strainPerDepth = static_cast<double>(e) / c;
  const bool mander = mm.concreteModel == 3;
  const bool confined = mander && mm.confinementOption >= 2 && mm.confinementOption <= 5;

  // Concrete stress of the core (used at bars and steel divisions too) and of the cover at a strain.
  const auto concrete = [&](float strain, float& core, float& cover) {
    if (!mander) {
      core = cover = ConcreteStress(mm, strain, out.events);
      return;
    }
    const ManderStresses stresses = ManderStress(mm, strain, out.events);
    core = confined ? stresses.confined : stresses.unconfined;
    cover = stresses.unconfined;
  };

  double P = 0, firstMoment = 0, tension = 0;
  const auto add = [&](double force, double depth) {
    P += force;
    firstMoment += force * depth;
  };
  for (const ConcreteSlice& slice : s.concrete) {
    const float strain = static_cast<float>((c - slice.depth) * strainPerDepth);
    float core, cover;
    concrete(strain, core, cover);
    add(slice.sign * (static_cast<double>(cover) * slice.coverArea + static_cast<double>(core) * slice.coreArea),
        slice.depth);
  }
  // Steel in tension adds to the tension force; in compression it replaces concrete where it displaces it,
  // and a net force below zero counts as nothing.
  const auto addSteel = [&](double stress, float area, float depth, float strain, bool displaces) {
    if (depth > c) {
      add(stress * area, depth);
      tension += stress * area;
      return;
    }
    if (displaces) {
      float core, cover;
      concrete(strain, core, cover);
      stress -= core;
    }
    add(std::max(0.0, stress * area), depth);
  };
  for (const Bar& bar : s.bars) {
    const float strain = static_cast<float>((c - bar.depth) * strainPerDepth);
    addSteel(ReinforcingStress(mm, strain, out.events), bar.area, bar.depth, strain, true);
  }
  for (const SteelDivision& division : s.steel) {
    const float strain = static_cast<float>((c - division.depth) * strainPerDepth);
    addSteel(SteelShapeStress(mm, strain, out.events), division.area, division.depth, strain,
             division.displacesConcrete);
  }

  out.P = P;
  out.T = tension;
  // The moment about the gross centroid needs no division by P, so a pure couple keeps its moment.
  out.M = s.concYbar * P - firstMoment;
  if (P <= 0 && firstNonPositive) {
    firstNonPositive = false;
    out.M = std::abs(firstMoment);
  }
  return out;
}

}  // namespace tarnix
