// Fibre integration of the section for the moment-curvature analysis.
#include "curvature/section_evaluation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "section/projection.h"

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

// The extent of a record across the axis.
struct Extent {
  double low = 0, high = 0;
};
Extent ExtentOf(const std::vector<Vertex>& corners, const Orientation& o) {
  Extent e{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  for (const Vertex& v : corners) {
    e.low = std::min(e.low, o.Depth(v.x, v.y));
    e.high = std::max(e.high, o.Depth(v.x, v.y));
  }
  return e;
}

// An added record whose shallowest point is at `depth`, and whether it has a cover.
void AddedAt(SectionSlices& s, double depth, bool covered) {
  s.concreteTop =
      s.hasConcrete ? std::min(s.concreteTop, static_cast<float>(depth)) : static_cast<float>(depth);
  s.hasConcrete = true;
  s.hasCover = s.hasCover || covered;
}

// A confined core whose shallowest point is at `depth`.
void CoreAt(SectionSlices& s, double depth) {
  s.coreTop = s.hasCore ? std::min(s.coreTop, static_cast<float>(depth)) : static_cast<float>(depth);
  s.hasCore = true;
}

// The slices from `first` on are horizontal bands of a record centred on x: their forces act on that line.
void PlaceOnLine(std::vector<ConcreteSlice>& slices, size_t first, float x) {
  for (size_t j = first; j < slices.size(); ++j) {
    ConcreteSlice& slice = slices[j];
    slice.x = slice.coverX = x;
    slice.y = slice.coverY = slice.depth;
  }
}

// What a record's slices hold: all core (unconfined, subtracted, or without a cover), all cover (a cover
// that leaves no core), or a confined core inside its cover.
enum class Role { Core, Cover, Confined };

// A band of a record, all of it core or all cover.
void SetWhole(ConcreteSlice& slice, const PlaneZone& band, bool cover) {
  (cover ? slice.coverArea : slice.coreArea) = band.area;
  slice.x = slice.coverX = band.x;
  slice.y = slice.coverY = band.y;
}

// A band of a confined record: its core and the rest as cover, each with its own centroid.
void SetParts(ConcreteSlice& slice, const PlaneZone& band, const PlaneZone& core) {
  slice.coreArea = core.area;
  const PlaneZone& inner = core.area > 0 ? core : band;
  slice.x = slice.coverX = inner.x;
  slice.y = slice.coverY = inner.y;
  const double coverArea = static_cast<double>(band.area) - core.area;
  if (!(coverArea > 0)) return;
  slice.coverArea = static_cast<float>(coverArea);
  slice.coverX = static_cast<float>(
      (static_cast<double>(band.area) * band.x - static_cast<double>(core.area) * core.x) / coverArea);
  slice.coverY = static_cast<float>(
      (static_cast<double>(band.area) * band.y - static_cast<double>(core.area) * core.y) / coverArea);
}

// A record of extent `whole` across the axis cut into n slices by `band(d1, d2)`; a confined one has its
// core (extent `core`, cut by `coreBand`; unused otherwise) between cover bands, the slices shared as
// across the upright section.
template <class Band, class CoreBand>
void SliceRecord(SectionSlices& s, int n, int sign, Role role, Extent whole, Extent core, Band band,
                 CoreBand coreBand) {
  if (!(whole.high > whole.low)) return;
  const auto parts = [&](double d1, double d2, ConcreteSlice& slice) {
    if (role == Role::Confined) {
      SetParts(slice, band(d1, d2), coreBand(d1, d2));
    } else {
      SetWhole(slice, band(d1, d2), role == Role::Cover);
    }
  };
  if (role != Role::Confined) {
    AddBand(s.concrete, whole.low, whole.high, n, sign, parts);
  } else {
    const BandSlices k = ShareSlices(n, whole.high - whole.low, core.low - whole.low);
    AddBand(s.concrete, whole.low, core.low, k.cover, sign, parts);
    AddBand(s.concrete, core.low, core.high, k.core, sign, parts);
    AddBand(s.concrete, core.high, whole.high, k.cover, sign, parts);
    CoreAt(s, core.low);
  }
  if (sign > 0) AddedAt(s, whole.low, role != Role::Core);
}

// The deepest point of the steel shapes across the axis (0 without shapes).
float DeepestSteel(const ProjectModel& m, const Orientation& o) {
  double deepest = 0;
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    const SteelRect& r = m.steelRects[static_cast<size_t>(i)];
    deepest = std::max(deepest, ExtentOf(RectCorners(r.Xcb, r.Ytb, r.Db, r.Wb), o).high);
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const SteelPipe& p = m.pipes[static_cast<size_t>(i)];
    deepest = std::max(deepest, o.Depth(p.Xcp, p.Ycp) + p.Rcp + p.tp / 2.0);
  }
  return static_cast<float>(deepest);
}

// The concrete records across the horizontal axis: the slices of the upright section, as horizontal
// bands with their centroids on the records' vertical centre lines.
void SliceUpright(const ProjectModel& m, bool confined, double cover, SectionSlices& s) {
  const bool covered = confined && cover > 0;
  const int rectSlices = std::max(m.rcinc, 1);
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    if (!(r.D > 0) || !(r.W > 0)) continue;
    const size_t first = s.concrete.size();
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
      CoreAt(s, yt + cover);
    }
    PlaceOnLine(s.concrete, first, r.X);
    if (r.rsign > 0) AddedAt(s, yt, covered);
  }

  const int circleSlices = std::max(m.ccinc, 1);
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = m.circles[static_cast<size_t>(i)];
    if (!(c.Rc > 0)) continue;
    const size_t first = s.concrete.size();
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
      CoreAt(s, yc - core);
    }
    PlaceOnLine(s.concrete, first, c.Xc);
    if (c.csign > 0) AddedAt(s, yc - R, covered);
  }
}

// The concrete records across an inclined axis: bands of each record between lines parallel to the axis,
// cut exactly (rectangles as polygons, circles by their segments), the core of a confined record an inner
// rectangle or circle at the cover and the cover the band less the core.
void SliceAcross(const ProjectModel& m, const Orientation& o, bool confined, double cover, SectionSlices& s) {
  // An added record of a confined section has a cover: a core inside it when there is room for one.
  const auto roleOf = [&](int sign, bool room) {
    if (!confined || sign <= 0 || cover == 0) return Role::Core;
    return room ? Role::Confined : Role::Cover;
  };
  const int rectSlices = std::max(m.rcinc, 1);
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    if (!(r.D > 0) || !(r.W > 0)) continue;
    const std::vector<Vertex> corners = RectCorners(r.X, r.Yt, r.D, r.W);
    const Role role = roleOf(r.rsign, 2 * cover < r.D && 2 * cover < r.W);
    const std::vector<Vertex> core =
        role == Role::Confined
            ? RectCorners(r.X, static_cast<float>(r.Yt + cover), static_cast<float>(r.D - 2 * cover),
                          static_cast<float>(r.W - 2 * cover))
            : std::vector<Vertex>{};
    SliceRecord(
        s, rectSlices, r.rsign, role, ExtentOf(corners, o), ExtentOf(core, o),
        [&](double d1, double d2) { return PolygonBand(corners, o, d1, d2); },
        [&](double d1, double d2) { return PolygonBand(core, o, d1, d2); });
  }
  const int circleSlices = std::max(m.ccinc, 1);
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = m.circles[static_cast<size_t>(i)];
    if (!(c.Rc > 0)) continue;
    const double centre = o.Depth(c.Xc, c.Yc), R = c.Rc;
    const Role role = roleOf(c.csign, cover < R);
    const ConcreteCircle core{c.Yc, static_cast<float>(R - cover), 1, c.Xc};
    SliceRecord(
        s, circleSlices, c.csign, role, {centre - R, centre + R}, {centre - core.Rc, centre + core.Rc},
        [&](double d1, double d2) { return CircleBand(c, o, d1, d2); },
        [&](double d1, double d2) { return CircleBand(core, o, d1, d2); });
  }
}

}  // namespace

SectionSlices SliceSection(ProjectModel& m) {
  SectionSlices s;
  s.concXbar = m.sectionProperties.concXbar;
  s.concYbar = m.sectionProperties.concYbar;
  const Orientation o = OrientationFor(m, m.mcAngle);
  const bool confined =
      m.concreteModel == ConcreteModel::Mander && Confinement::Confined(m.confinementOption);
  const double cover = std::max(0.0, static_cast<double>(m.cover));
  if (o.upright) {
    SliceUpright(m, confined, cover, s);
  } else {
    SliceAcross(m, o, confined, cover, s);
  }
  // Polygons are cut the same way at every angle and carry no cover: all of one is core.
  const int polygonSlices = std::max(m.rcinc, 1);
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    const ConcretePolygon& polygon = m.polygons[static_cast<size_t>(i)];
    const Extent e = ExtentOf(polygon.vertices, o);
    const auto band = [&](double d1, double d2) { return PolygonBand(polygon.vertices, o, d1, d2); };
    SliceRecord(s, polygonSlices, polygon.psign, Role::Core, e, {}, band, band);
    if (polygon.psign > 0 && confined) CoreAt(s, e.low);
  }
  if (confined && cover == 0 && s.hasConcrete) CoreAt(s, s.concreteTop);

  NormalizeFullArcs(m);
  for (const Bar& bar : AllBars(m)) {
    s.bars.push_back({bar.area, static_cast<float>(o.Depth(bar.x, bar.depth)), true, 0, bar.x, bar.depth});
  }
  for (const Strip& piece : SteelShapePiecesAt(m, o, m.bsinc, m.psinc)) {
    s.steel.push_back({piece.area, static_cast<float>(o.Depth(piece.x, piece.depth)), piece.displacesConcrete,
                       0, piece.x, piece.depth});
  }
  s.steelFace = o.upright ? SteelShapesDepth(m) : DeepestSteel(m, o);
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

  // The force and its first moments about the reference line (depth y) and the vertical axis x = 0.
  double P = 0, firstMoment = 0, firstMomentX = 0, tension = 0;
  const auto add = [&](double force, double x, double y) {
    P += force;
    firstMoment += force * y;
    firstMomentX += force * x;
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
    const double coverForce = slice.sign * (static_cast<double>(cover) * slice.coverArea);
    const double coreForce = slice.sign * (static_cast<double>(core) * slice.coreArea);
    if (slice.coverX == slice.x && slice.coverY == slice.y) {
      add(coverForce + coreForce, slice.x, slice.y);
    } else {
      // Across an inclined axis the cover and the core of a band have centroids of their own.
      P += coverForce + coreForce;
      firstMoment += coverForce * slice.coverY + coreForce * slice.y;
      firstMomentX += coverForce * slice.coverX + coreForce * slice.x;
    }
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
        add(fibreStress * fibre.area, fibre.x, fibre.y);
        tension += fibreStress * fibre.area;
        continue;
      }
      if (fibre.displacesConcrete) fibreStress -= concrete[level];
      add(std::max(0.0, fibreStress * fibre.area), fibre.x, fibre.y);
    }
  };
  addSteel(s.bars, s.barLevels, mm.reinforcing, scratch.barStress, scratch.barConcrete);
  addSteel(s.steel, s.steelLevels, mm.structural, scratch.steelStress, scratch.steelConcrete);

  out.P = P;
  out.T = tension;
  // The moment about the gross centroid needs no division by P, so a pure couple keeps its moment.
  out.M = s.concYbar * P - firstMoment;
  out.My = firstMomentX - s.concXbar * P;
  return out;
}

SectionForces EvaluateSection(const SectionSlices& s, const MaterialModels& mm, float e, float c,
                              SteelBeyondEnds beyond) {
  EvaluationScratch scratch;
  return EvaluateSection(s, mm, e, c, scratch, beyond);
}

}  // namespace tarnix
