// Fibre integration of the section for the moment-curvature analysis.
#include "curvature/section_evaluation.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace tarnix {
namespace {

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

// Numbers of slices of the top cover band, the core and the bottom cover band of a confined record of
// height `height`: `total` slices shared in proportion to the bands' heights, at least one each.
struct BandSlices {
  int cover = 0;
  int core = 0;
};
BandSlices ShareSlices(int total, double height, double cover) {
  BandSlices n;
  n.cover = std::max(1, static_cast<int>(std::lround(total * cover / height)));
  n.core = std::max(1, total - 2 * n.cover);
  return n;
}

// Area of a circle of radius r centred at depth yc that lies above depth a (exact segment area; the arc
// cosine is the exact one here, as thin slices are differences of two segments).
double CircleAbove(double r, double yc, double a) {
  if (!(r > 0) || a <= yc - r) return 0;
  if (a >= yc + r) return std::acos(-1.0) * r * r;
  const double theta = std::acos((yc - a) / r);
  return r * r * (theta - std::cos(theta) * std::sin(theta));
}

// The band [top, bottom] cut into n slices of equal height, each given its area by `areas(y1, y2)`.
template <class Areas>
void AddBand(std::vector<ConcreteSlice>& out, double top, double bottom, int n, int sign, Areas areas) {
  const double dy = (bottom - top) / n;
  for (int j = 0; j < n; ++j) {
    const double y1 = top + dy * j, y2 = j + 1 == n ? bottom : top + dy * (j + 1);
    ConcreteSlice slice{static_cast<float>((y1 + y2) / 2), 0, 0, sign};
    areas(y1, y2, slice);
    out.push_back(slice);
  }
}

}  // namespace

SectionSlices SliceSection(ProjectModel& m) {
  SectionSlices s;
  s.concYbar = m.sectionProperties.concYbar;
  const bool confined = m.concreteModel == ConcreteModel::Mander && Confinement::Confined(m.confinementOption);
  const double cover = std::max(0.0, static_cast<double>(m.cover));
  const auto top = [&](double y) {
    s.concreteTop = s.hasConcrete ? std::min(s.concreteTop, static_cast<float>(y)) : static_cast<float>(y);
    s.hasConcrete = true;
  };
  const auto coreTop = [&](double y) {
    s.coreTop = s.hasCore ? std::min(s.coreTop, static_cast<float>(y)) : static_cast<float>(y);
    s.hasCore = true;
  };

  const int rectSlices = std::max(m.rcinc, 1);
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    if (!(r.D > 0) || !(r.W > 0)) continue;
    const double yt = r.Yt, yb = static_cast<double>(r.Yt) + r.D, width = r.W;
    const auto whole = [&](double y1, double y2, ConcreteSlice& slice) {
      slice.coreArea = static_cast<float>(width * (y2 - y1));
    };
    if (!confined || r.rsign <= 0 || cover == 0) {
      AddBand(s.concrete, yt, yb, rectSlices, r.rsign, whole);
    } else if (2 * cover >= r.D || 2 * cover >= width) {
      AddBand(s.concrete, yt, yb, rectSlices, r.rsign, [&](double y1, double y2, ConcreteSlice& slice) {
        slice.coverArea = static_cast<float>(width * (y2 - y1));
      });
    } else {
      // Cover bands above and below the core, all cover; between them the core with the side strips.
      const BandSlices n = ShareSlices(rectSlices, r.D, cover);
      const auto band = [&](double y1, double y2, ConcreteSlice& slice) {
        slice.coverArea = static_cast<float>(width * (y2 - y1));
      };
      AddBand(s.concrete, yt, yt + cover, n.cover, r.rsign, band);
      AddBand(s.concrete, yt + cover, yb - cover, n.core, r.rsign,
              [&](double y1, double y2, ConcreteSlice& slice) {
                slice.coverArea = static_cast<float>(2 * cover * (y2 - y1));
                slice.coreArea = static_cast<float>((width - 2 * cover) * (y2 - y1));
              });
      AddBand(s.concrete, yb - cover, yb, n.cover, r.rsign, band);
      coreTop(yt + cover);
    }
    if (r.rsign > 0) top(yt);
  }

  const int circleSlices = std::max(m.ccinc, 1);
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = m.circles[static_cast<size_t>(i)];
    if (!(c.Rc > 0)) continue;
    const double yc = c.Yc, R = c.Rc;
    const auto whole = [&](double y1, double y2, ConcreteSlice& slice) {
      slice.coreArea = static_cast<float>(CircleAbove(R, yc, y2) - CircleAbove(R, yc, y1));
    };
    if (!confined || c.csign <= 0 || cover == 0) {
      AddBand(s.concrete, yc - R, yc + R, circleSlices, c.csign, whole);
    } else if (cover >= R) {
      AddBand(s.concrete, yc - R, yc + R, circleSlices, c.csign,
              [&](double y1, double y2, ConcreteSlice& slice) {
                slice.coverArea = static_cast<float>(CircleAbove(R, yc, y2) - CircleAbove(R, yc, y1));
              });
    } else {
      // The core is the circle of radius R - cover; the cover is the ring around it.
      const double core = R - cover;
      const auto ring = [&](double y1, double y2, ConcreteSlice& slice) {
        const double all = CircleAbove(R, yc, y2) - CircleAbove(R, yc, y1);
        const double inner = CircleAbove(core, yc, y2) - CircleAbove(core, yc, y1);
        slice.coreArea = static_cast<float>(inner);
        slice.coverArea = static_cast<float>(std::max(0.0, all - inner));
      };
      const BandSlices n = ShareSlices(circleSlices, 2 * R, cover);
      AddBand(s.concrete, yc - R, yc - core, n.cover, c.csign, ring);
      AddBand(s.concrete, yc - core, yc + core, n.core, c.csign, ring);
      AddBand(s.concrete, yc + core, yc + R, n.cover, c.csign, ring);
      coreTop(yc - core);
    }
    if (c.csign > 0) top(yc - R);
  }
  s.hasCover = confined && s.hasConcrete && cover > 0;
  if (confined && cover == 0 && s.hasConcrete) coreTop(s.concreteTop);

  NormalizeFullArcs(m);
  for (const Bar& bar : AllBars(m)) s.bars.push_back({bar.area, bar.depth, true});

  for (const Strip& piece : SteelShapePieces(m, m.bsinc, m.psinc)) {
    s.steel.push_back({piece.area, piece.depth, piece.displacesConcrete});
  }
  AssignLevels(s.bars, s.barLevels);
  AssignLevels(s.steel, s.steelLevels);
  const auto extremes = [](const std::vector<SteelDivision>& fibres, float& top, float& bottom) {
    for (size_t j = 0; j < fibres.size(); ++j) {
      top = j == 0 ? fibres[j].depth : std::min(top, fibres[j].depth);
      bottom = j == 0 ? fibres[j].depth : std::max(bottom, fibres[j].depth);
    }
  };
  extremes(s.bars, s.barTop, s.barBottom);
  extremes(s.steel, s.steelTop, s.steelBottom);
  return s;
}

double EventMargin(const SectionSlices& s, const MaterialModels& mm, McEvent event, float e, float c) {
  constexpr double kNever = 1e30;
  const double perDepth = static_cast<double>(e) / c;
  const auto strainAt = [&](double depth) { return (c - depth) * perDepth; };
  // The steel curves: tension yield below the tension yield strain, compression yield above the
  // compression yield strain, fracture beyond the first or last point; the deepest fibre is the most
  // tensile.
  const struct {
    const StressStrainCurve& curve;
    bool any;
    float top, bottom;
  } steels[] = {{mm.reinforcing, !s.bars.empty(), s.barTop, s.barBottom},
                {mm.structural, !s.steel.empty(), s.steelTop, s.steelBottom}};
  for (const auto& steel : steels) {
    const StressStrainCurve& curve = steel.curve;
    if (event != curve.tensionYield && event != curve.compressionYield && event != curve.fail) continue;
    if (!steel.any) return kNever;
    const int last = curve.pointCount;
    const double most = strainAt(steel.top), least = strainAt(steel.bottom);
    if (event == curve.tensionYield) return least - curve.points[last == 4 ? 2 : 3].strain;
    if (event == curve.compressionYield) return curve.points[last == 4 ? 3 : 4].strain - most;
    return std::min(least - curve.points[1].strain, curve.points[last].strain - most);
  }
  const double top = s.hasConcrete ? strainAt(s.concreteTop) : 0;
  const bool mander = mm.concreteModel == ConcreteModel::Mander;
  switch (event) {
    case McEvent::ConcCompFail:
      if (!s.hasConcrete || mander) return kNever;
      return (mm.concreteModel == ConcreteModel::Linear ? mm.ecu : mm.esp) - top;
    case McEvent::ConfReinfFail:
      if (!s.hasConcrete || !mander) return kNever;
      return mm.ecu - (s.hasCore ? strainAt(s.coreTop) : top);
    case McEvent::ConcSpalling:
      return s.hasConcrete && mander ? mm.esp - top : kNever;
    default:
      return kNever;
  }
}

SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              EvaluationScratch& scratch, SteelBeyondEnds beyond) {
  SectionForces out;
  if (!(c > 0)) return out;
  const double strainPerDepth = static_cast<double>(e) / c;
  const bool mander = mm.concreteModel == ConcreteModel::Mander;
  const bool confined = mander && Confinement::Confined(mm.confinementOption);
  const auto strainAt = [&](float depth) { return static_cast<float>((c - depth) * strainPerDepth); };

  // The concrete's events are judged at its extreme fibres below; the strain falls with depth, so no slice
  // or displaced area passes a limit before them.
  McEvents ignored;
  if (s.hasConcrete) {
    const float top = strainAt(s.concreteTop);
    if (!mander) {
      ConcreteStress(mm, top, out.events);
    } else if (!confined) {
      ManderStress(mm, top, out.events);  // unconfined everywhere: crushing and spalling at the top
    } else {
      McEvents cover, core;
      if (s.hasCover) ManderStress(mm, top, cover, ManderParts::Unconfined);
      if (cover.Has(McEvent::ConcSpalling)) out.events.Raise(McEvent::ConcSpalling);
      if (s.hasCore) ManderStress(mm, strainAt(s.coreTop), core, ManderParts::Confined);
      if (core.Has(McEvent::ConfReinfFail)) out.events.Raise(McEvent::ConfReinfFail);
    }
  }

  // The concrete stress of the core, which steel in compression displaces.
  const auto coreStress = [&](float strain) {
    if (!mander) return ConcreteStress(mm, strain, ignored);
    const ManderStresses stresses =
        ManderStress(mm, strain, ignored, confined ? ManderParts::Confined : ManderParts::Unconfined);
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
      core = cover = mander ? ManderStress(mm, strain, ignored, ManderParts::Unconfined).unconfined
                            : ConcreteStress(mm, strain, ignored);
    } else {
      // Only the stresses that multiply an area are worked out.
      const ManderParts parts = slice.coverArea == 0  ? ManderParts::Confined
                                : slice.coreArea == 0 ? ManderParts::Unconfined
                                                      : ManderParts::Both;
      const ManderStresses stresses = ManderStress(mm, strain, ignored, parts);
      core = stresses.confined;
      cover = stresses.unconfined;
    }
    add(slice.sign *
            (static_cast<double>(cover) * slice.coverArea + static_cast<double>(core) * slice.coreArea),
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
    const float first = curve.points[1].strain, last = curve.points[curve.pointCount].strain;
    for (size_t i = 0; i < levels.size(); ++i) {
      const float strain = strainAt(levels[i].depth);
      if (beyond == SteelBeyondEnds::Held && (strain < first || strain > last)) {
        out.events.Raise(curve.fail);
        stress[i] = SteelCurveStress(curve, std::min(std::max(strain, first), last), out.events);
      } else {
        stress[i] = SteelCurveStress(curve, strain, out.events);
      }
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
  return out;
}

SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              SteelBeyondEnds beyond) {
  EvaluationScratch scratch;
  return EvaluateSection(s, mm, e, c, scratch, beyond);
}

}  // namespace tarnix
