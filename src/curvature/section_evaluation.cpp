// Fibre integration of the section for the moment-curvature analysis.
#include "curvature/section_evaluation.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace tarnix {
namespace {

// The part of a slice of width `width` and area `area` that lies in the cover: all of it within `cover`
// of the record's top or bottom, else the two side strips.
float CoverArea(float area, double width, double cover, bool inCoverBand) {
  if (inCoverBand) return area;
  if (!(width > 0)) return area;
  return static_cast<float>(std::clamp(area * 2 * cover / width, 0.0, static_cast<double>(area)));
}

// Gives every fibre the level of its depth, adding a level for each depth not met before.
void AssignLevels(std::vector<SteelDivision>& fibres, std::vector<SteelLevel>& levels) {
  std::unordered_map<float, int> levelOf;
  for (SteelDivision& fibre : fibres) {
    const auto [at, added] = levelOf.emplace(fibre.depth, static_cast<int>(levels.size()));
    if (added) levels.push_back({fibre.depth, false});
    fibre.level = at->second;
    if (fibre.displacesConcrete) levels[static_cast<size_t>(fibre.level)].displacesConcrete = true;
  }
}

}  // namespace

SectionSlices SliceSection(ProjectModel& m) {
  SectionSlices s;
  s.concYbar = m.sectionProperties.concYbar;
  const bool confined = m.concreteModel == ConcreteModel::Mander && Confinement::Confined(m.confinementOption);
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
  for (const Bar& bar : AllBars(m)) s.bars.push_back({bar.area, bar.depth, true});

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
  AssignLevels(s.bars, s.barLevels);
  AssignLevels(s.steel, s.steelLevels);
  return s;
}

SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              bool& firstNonPositive, EvaluationScratch& scratch) {
  SectionForces out;
  if (!(c > 0)) return out;
  const double strainPerDepth = static_cast<double>(e) / c;
  const bool mander = mm.concreteModel == ConcreteModel::Mander;
  const bool confined = mander && Confinement::Confined(mm.confinementOption);
  const auto strainAt = [&](float depth) { return static_cast<float>((c - depth) * strainPerDepth); };

  // The concrete stress of the core, which steel in compression displaces.
  const auto coreStress = [&](float strain) {
    if (!mander) return ConcreteStress(mm, strain, out.events);
    const ManderStresses stresses =
        ManderStress(mm, strain, out.events, confined ? ManderParts::Confined : ManderParts::Unconfined);
    return confined ? stresses.confined : stresses.unconfined;
  };

  double P = 0, firstMoment = 0, tension = 0;
  const auto add = [&](double force, double depth) {
    P += force;
    firstMoment += force * depth;
  };
  for (const ConcreteSlice& slice : s.concrete) {
    const float strain = strainAt(slice.depth);
    // Concrete in tension carries nothing and raises no event, and adding a zero force would leave both
    // sums exactly as they are.
    if (strain < 0) continue;
    float core, cover;
    if (!confined) {
      core = cover = mander ? ManderStress(mm, strain, out.events, ManderParts::Unconfined).unconfined
                            : ConcreteStress(mm, strain, out.events);
    } else {
      // Only the stresses that multiply an area are worked out.
      const ManderParts parts = slice.coverArea == 0  ? ManderParts::Confined
                                : slice.coreArea == 0 ? ManderParts::Unconfined
                                                      : ManderParts::Both;
      const ManderStresses stresses = ManderStress(mm, strain, out.events, parts);
      core = stresses.confined;
      cover = stresses.unconfined;
    }
    add(slice.sign * (static_cast<double>(cover) * slice.coverArea + static_cast<double>(core) * slice.coreArea),
        slice.depth);
  }

  // Steel stresses once per level, then the forces fibre by fibre in their fixed order. Steel in tension
  // adds to the tension force; in compression it replaces concrete where it displaces it, and a net force
  // below zero counts as nothing.
  const auto addSteel = [&](const std::vector<SteelDivision>& fibres, const std::vector<SteelLevel>& levels,
                            const StressStrainCurve& curve, std::vector<float>& stress,
                            std::vector<float>& concrete) {
    stress.resize(levels.size());
    concrete.resize(levels.size());
    for (size_t i = 0; i < levels.size(); ++i) {
      const float strain = strainAt(levels[i].depth);
      stress[i] = SteelCurveStress(curve, strain, out.events);
      concrete[i] = levels[i].displacesConcrete && levels[i].depth <= c ? coreStress(strain) : 0.0f;
    }
    for (const SteelDivision& fibre : fibres) {
      const size_t level = static_cast<size_t>(fibre.level);
      double fibreStress = stress[level];
      if (fibre.depth > c) {
        add(fibreStress * fibre.area, fibre.depth);
        tension += fibreStress * fibre.area;
        continue;
      }
      if (fibre.displacesConcrete) fibreStress -= concrete[level];
      add(std::max(0.0, fibreStress * fibre.area), fibre.depth);
    }
  };
  addSteel(s.bars, s.barLevels, mm.reinforcing, scratch.barStress, scratch.barConcrete);
  addSteel(s.steel, s.steelLevels, mm.structural, scratch.steelStress, scratch.steelConcrete);

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

SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              bool& firstNonPositive) {
  EvaluationScratch scratch;
  return EvaluateSection(s, mm, e, c, firstNonPositive, scratch);
}

}  // namespace tarnix
