// The interaction diagram walk: the neutral axis moves down from the top in steps of inc; at each step the
// forces of the concrete stress block, the bars and the steel shapes give the axial force and the moment
// about the gross concrete centroid.
#include "strength/interaction_diagram.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "criteria/criteria.h"
#include "model/project_model.h"
#include "section/geometry.h"
#include "section/section_properties.h"
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

// The walk's bound past the section: a neutral axis 100 section depths down, where no strain of the
// section is more than 1 % below the top fibre's.
constexpr double kDeepestAxisOverDepth = 100;

// A force group: total force and first moments of the forces about the top reference line (sum F y) and
// the vertical line x = 0 (sum F x). Carrying first moments instead of force-weighted positions needs no
// division when a group's total is zero. The upright walk of a model bent about the horizontal axis alone
// skips sum F x: no moment about the vertical axis is asked of it.
template <bool kWithX>
struct ForceGroup {
  double force = 0;
  double moment = 0;
  double momentX = 0;
  void Add(double f, double y, double x) {
    force += f;
    moment += f * y;
    if constexpr (kWithX) momentX += f * x;
  }
};

// Po with the bars yielding at fy, or at a lower stress where the criteria limits fy in Po.
double NominalSquashLoad(const ProjectModel& m, double fy) {
  const SectionProperties& p = m.sectionProperties;
  // The concrete that the bars, and the steel lying in the concrete, take the place of carries nothing; a
  // shape outside the concrete (a tube around its fill, a bare shape) displaces none, as in the walk.
  const double net = static_cast<double>(p.concArea) - p.reinfArea - p.steelDisplacedArea;
  return static_cast<double>(m.phiConc) * m.a1 * m.fpc * net + fy * m.phiReinf * p.reinfArea +
         static_cast<double>(m.fs) * m.phiStl * p.steelArea;
}
double NominalSquashLoad(const ProjectModel& m) { return NominalSquashLoad(m, m.fy); }


// The walk of the diagram across the section's axis. With `loads` every load condition of the model is
// evaluated at each point as the walk goes (the upright section only).
void Walk(const ProjectModel& m, const SectionAtAngle& section, InteractionDiagram& d, bool loads) {
  const SectionProperties& props = m.sectionProperties;
  const Orientation& o = section.orientation();
  d.angle = o.angle;
  const float sectionDepth = o.upright ? props.sectionDepth : section.depthAcross();
  const double steps = m.inc > 0 ? std::nearbyint(static_cast<double>(sectionDepth) / m.inc) : -1;
  if (!(steps >= 1 && steps <= kMaxDiagramSteps)) {
    d.incrementTooSmall = true;
    return;
  }
  // Past the section depth the neutral axis goes on down, the block capped at the section and every bar
  // in compression, until the nominal axial force reaches Pn,max: Pn tends to Po > Pn,max as the strains
  // tend to em. The bound (100 section depths, at most a million steps past the section) is met only by
  // steel whose yield strain exceeds em under a cap of Po itself, and is reported.
  const int limit = static_cast<int>(std::min(kDeepestAxisOverDepth * steps, steps + kMaxDiagramSteps));
  const auto append = [&d](float depth, float axial, float moment, float momentY, float strain) {
    d.idDepth.push_back(depth);
    d.idAxial.push_back(axial);
    d.idMoment.push_back(moment);
    d.idMomentY.push_back(momentY);
    d.idTensileStrain.push_back(strain);
  };
  // Room for the walk down to the section depth and a quarter of it beyond, where most sections reach Pn,max.
  const size_t expected = static_cast<size_t>(steps * 1.25) + 2;
  for (auto* column : {&d.idDepth, &d.idAxial, &d.idMoment, &d.idMomentY, &d.idTensileStrain}) {
    column->reserve(expected);
  }
  append(0, 0, 0, 0, 0);  // slot 0 is not a point
  d.PnMax = MaximumAxialCapacity(m);
  d.spiralColumn = IsSpiralColumn(m);
  // Pn,max counts as reached within a millionth of Po: under the user-defined criteria it is Po itself,
  // which the yielded section meets only up to the rounding of its sums.
  const double reached = d.PnMax - 1e-6 * std::fabs(static_cast<double>(SquashLoad(m)));
  const float balancedDepth = section.BalancedDepth();

  const SectionAtDepth pointAt = [&section](float c) { return section.At(c); };
  bool searchingPureBending = true;
  bool searchingBalanced = true;
  for (int k = 1;; ++k) {
    const size_t K = static_cast<size_t>(k);
    float c = k == 1 ? m.inc : d.idDepth[K - 1] + m.inc;
    StressBlockForces f = section.Forces(c);
    const bool top = f.axial >= reached;
    if (top && k > 1) {
      // The top of the diagram: the depth between this step and the last at which Pn reaches Pn,max.
      float below = d.idDepth[K - 1];
      for (int halving = 0; halving < 60; ++halving) {
        const float mid = below + (c - below) / 2;
        if (!(mid > below && mid < c)) break;
        const StressBlockForces at = section.Forces(mid);
        if (at.axial >= reached) {
          c = mid, f = at;
        } else {
          below = mid;
        }
      }
    }
    if ((top && k == 1) || (!top && k == limit)) {
      d.compressionCapUnreached = !top;
      append(c, d.PnMax, 0, 0, 0);
      d.idCount = k;
      break;
    }
    const double P = top ? static_cast<double>(d.PnMax) : f.axial;

    // M = e P with e the resultant's offset from the gross centroid toward the compression side; the
    // resultant lies at or beyond the centroid (e <= 0) when the moment along the angle and P do not have
    // the same sign. Upright that moment is Mx itself.
    bool resultantBelowCentroid;
    if (k == 1) {
      append(c, static_cast<float>(f.tensionAxial), 0, 0, static_cast<float>(f.tensileStrain));
      resultantBelowCentroid = true;  // e is taken as 0 at the maximum tension point
    } else {
      const double mn = props.concYbar * f.axial - f.firstMoment;
      const double mny = f.firstMomentX - props.concXbar * f.axial;
      append(c, static_cast<float>(P), static_cast<float>(mn), static_cast<float>(mny),
             static_cast<float>(f.tensileStrain));
      const double along = o.upright ? mn : mn * o.ny - mny * o.nx;  // Mx cos t + My sin t
      resultantBelowCentroid = (P > 0 && along <= 0) || (P < 0 && along >= 0);
    }

    if (P >= 0 && searchingPureBending) {
      d.idPureBending = k;
      searchingPureBending = false;
    }
    if (resultantBelowCentroid && !searchingPureBending) {
      d.idCount = k;
      break;
    }
    if (c >= balancedDepth && searchingBalanced) {
      d.idBalanced = k;
      searchingBalanced = false;
    }
    if (loads) EvaluateLoadConditions(m, d, k, static_cast<float>(f.tensileStrain), pointAt);
    if (top) {
      // The flat top of the diagram runs from this point to the axis at Pn,max.
      append(c, d.PnMax, 0, 0, 0);
      d.idCount = k + 1;
      break;
    }
  }
}

}  // namespace

SectionAtAngle::SectionAtAngle(const ProjectModel& m, const Orientation& o)
    : m_(m),
      o_(o),
      blockStress_(static_cast<double>(m.phiConc) * m.a1 * m.fpc),
      barYield_(static_cast<double>(m.phiReinf) * m.fy),
      steelYield_(static_cast<double>(m.phiStl) * m.fs) {
  const std::vector<Bar> bars = AllBars(m);
  bars_.reserve(bars.size());
  for (const Bar& bar : bars) bars_.push_back({bar.area, bar.depth, bar.x, bar.depth, true});
  Turn(o);
}

void SectionAtAngle::Place(std::vector<Fibre>& fibres) const {
  for (Fibre& f : fibres) f.depth = o_.upright ? f.y : static_cast<float>(o_.Depth(f.x, f.y));
}

void SectionAtAngle::Turn(const Orientation& o) {
  const bool rebuild = steel_.empty() || m_.nb > 0 || o.upright != o_.upright;
  o_ = o;
  Place(bars_);
  if (rebuild) {
    steel_.clear();
    for (const Strip& piece : SteelShapePiecesAt(m_, o_, m_.binc, m_.pinc)) {
      steel_.push_back({piece.area, piece.depth, piece.x, piece.depth, piece.displacesConcrete});
    }
  }
  Place(steel_);
  depthAcross_ = SectionDepthAcross(m_, o_);
  horizontalAxisOnly_ = o_.upright && !IsTwoDimensional(m_);
  deepestBar_ = 0;
  for (const Fibre& bar : bars_) deepestBar_ = std::max(deepestBar_, bar.depth);
  // The faces of the steel shapes, as the section properties measure the upright shapes' depth.
  deepestSteel_ = 0;
  for (int i = 1; i <= ListSize(m_.nb); ++i) {
    const SteelRect& s = m_.steelRects[static_cast<size_t>(i)];
    for (const Vertex& v : RectCorners(s.Xcb, s.Ytb, s.Db, s.Wb)) {
      deepestSteel_ = std::max(deepestSteel_, static_cast<float>(o_.Depth(v.x, v.y)));
    }
  }
  for (int i = 1; i <= ListSize(m_.np); ++i) {
    const SteelPipe& p = m_.pipes[static_cast<size_t>(i)];
    deepestSteel_ = std::max(deepestSteel_, static_cast<float>(o_.Depth(p.Xcp, p.Ycp) + p.Rcp + p.tp / 2.0));
  }
}

float SectionAtAngle::BalancedDepth() const {
  if (o_.upright) return m_.sectionProperties.cBalanced;
  return BalancedNeutralAxisDepth(m_, deepestBar_, deepestSteel_);
}

double SectionAtAngle::TensionLimit() const {
  double sum = 0;
  for (const Fibre& bar : bars_) sum -= barYield_ * bar.area;
  for (const Fibre& piece : steel_) sum -= steelYield_ * piece.area;
  return sum;
}

StressBlockForces SectionAtAngle::Forces(float c) const {
  return horizontalAxisOnly_ ? ForcesAt<false>(c) : ForcesAt<true>(c);
}

template <bool kWithX>
StressBlockForces SectionAtAngle::ForcesAt(float c) const {
  const ProjectModel& m = m_;
  const float a = m.b1 * c;
  const double strainPerDepth = static_cast<double>(m.em) / c;  // strain at depth d is (c - d) em / c

  ForceGroup<kWithX> rects, circles, polygons, barsCompression, barsTension, steelCompression, steelTension;
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    const PlaneZone zone = RectZoneAt(r, o_, a);
    if (zone.area > 0) rects.Add(blockStress_ * r.rsign * zone.area, zone.y, zone.x);
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& circle = m.circles[static_cast<size_t>(i)];
    const PlaneZone zone = CircleZoneAt(circle, o_, a);
    if (zone.area > 0) circles.Add(blockStress_ * circle.csign * zone.area, zone.y, zone.x);
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    const ConcretePolygon& polygon = m.polygons[static_cast<size_t>(i)];
    const PlaneZone zone = PolygonZoneAt(polygon.vertices, o_, a);
    if (zone.area > 0) polygons.Add(blockStress_ * (polygon.psign > 0 ? 1 : -1) * zone.area, zone.y, zone.x);
  }

  StressBlockForces out;
  for (const Fibre& bar : bars_) {
    const double strain = (c - bar.depth) * strainPerDepth;
    out.tensileStrain = std::min(out.tensileStrain, strain);
    double stress = m.Er * strain;
    if (bar.depth <= c) {
      stress = std::min(stress, barYield_);
      // A bar inside the stress block replaces concrete that the block already counts.
      const double f = bar.depth <= a ? std::max(0.0, (stress - blockStress_) * bar.area) : stress * bar.area;
      barsCompression.Add(f, bar.y, bar.x);
    } else {
      barsTension.Add(std::max(stress, -barYield_) * bar.area, bar.y, bar.x);
    }
  }
  for (const Fibre& piece : steel_) {
    double stress = (c - piece.depth) * m.Es * strainPerDepth;
    if (piece.depth <= c) {
      stress = std::min(stress, steelYield_);
      const double f = piece.depth <= a && piece.displacesConcrete
                           ? std::max(0.0, (stress - blockStress_) * piece.area)
                           : stress * piece.area;
      steelCompression.Add(f, piece.y, piece.x);
    } else {
      steelTension.Add(std::max(stress, -steelYield_) * piece.area, piece.y, piece.x);
    }
  }

  for (const ForceGroup<kWithX>* g :
       {&rects, &circles, &polygons, &barsCompression, &barsTension, &steelCompression, &steelTension}) {
    out.axial += g->force;
    out.firstMoment += g->moment;
    out.firstMomentX += g->momentX;
  }
  out.tensionAxial = barsTension.force + steelTension.force;
  return out;
}

SectionPoint SectionAtAngle::PointOf(const StressBlockForces& f, double axial) const {
  const SectionProperties& p = m_.sectionProperties;
  return {static_cast<float>(axial), static_cast<float>(p.concYbar * f.axial - f.firstMoment),
          static_cast<float>(f.tensileStrain), static_cast<float>(f.firstMomentX - p.concXbar * f.axial)};
}

SectionPoint SectionAtAngle::At(float c) const {
  const StressBlockForces f = Forces(c);
  return PointOf(f, f.axial);
}

float SquashLoad(const ProjectModel& m) { return static_cast<float>(NominalSquashLoad(m)); }

bool IsSpiralColumn(const ProjectModel& m) {
  if (m.nl < 1 && m.nsb < 1) return true;
  // Spiral confinement is the confinement choice of Mander concrete in a moment-curvature analysis; only
  // then does the input file keep it, so that a saved and reloaded column stays a spiral column.
  const bool spirals = IsSet(m.PerformMomentCurvature) && m.concreteModel == ConcreteModel::Mander &&
                       m.confinementOption == Confinement::Spirals;
  return CriteriaFor(m.criteria).revised.spiralFromConfinement && spirals;
}

float CompressionPhi(const ProjectModel& m) {
  const float spiral = CriteriaFor(m.criteria).revised.phiSpiral;
  return spiral > 0 && IsSpiralColumn(m) ? spiral : m.phiC;
}

float MaximumAxialCapacity(const ProjectModel& m) {
  // Tied columns are capped lower than spiral ones.
  const CriteriaRules& rules = CriteriaFor(m.criteria);
  const double factor = IsSpiralColumn(m) ? rules.capSpiral : rules.capTied;
  const float limit =
      m.unitSystem().IsEnglish() ? rules.revised.poYieldLimitEnglish : rules.revised.poYieldLimitMetric;
  const double fy = limit > 0 ? std::min(m.fy, limit) : m.fy;
  return static_cast<float>(factor * NominalSquashLoad(m, fy));
}

void ComputeInteractionDiagram(ProjectModel& m) {
  NormalizeFullArcs(m);
  InteractionDiagram d;
  d.capacity.assign(static_cast<size_t>(ListSize(m.ns)) + 1, LoadCapacity{CompressionPhi(m), 0, 0, 1, 1});
  const SectionAtAngle section(m, OrientationFor(m, 0));
  Walk(m, section, d, true);
  if (d.incrementTooSmall) {
    m.interactionDiagram = InteractionDiagram{};
    m.interactionDiagram.incrementTooSmall = true;
    return;
  }
  // A pure compression load takes the last point, known only now.
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    if (cap.capFound == 0 && cap.capPoint == 0) cap.capPoint = d.idCount;
  }
  m.interactionDiagram = std::move(d);
}

InteractionDiagram ComputeDiagramAt(const ProjectModel& m, float angleDegrees) {
  InteractionDiagram d;
  const SectionAtAngle section(m, OrientationFor(m, angleDegrees));
  Walk(m, section, d, false);
  return d;
}

}  // namespace tarnix
