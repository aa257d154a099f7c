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
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

// The walk's bound past the section: a neutral axis 100 section depths down, where no strain of the
// section is more than 1 % below the top fibre's.
constexpr double kDeepestAxisOverDepth = 100;

// A force group: total force and first moment of the forces about the top reference line. Carrying the
// first moment instead of a force-weighted depth needs no division when a group's total is zero.
struct ForceGroup {
  double force = 0;
  double moment = 0;
  void Add(double f, double depth) {
    force += f;
    moment += f * depth;
  }
};

// Po with the bars yielding at fy, or at a lower stress where the criteria limits fy in Po.
double NominalSquashLoad(const ProjectModel& m, double fy) {
  const SectionProperties& p = m.sectionProperties;
  // The concrete that the bars, and the steel lying in the concrete, take the place of carries nothing; a
  // shape outside the concrete (a tube around its fill, a bare shape) displaces none, as in the walk.
  const double net = static_cast<double>(p.concArea) - p.reinfArea - p.steelDisplacedArea;
  return static_cast<double>(m.phiConc) * m.a1 * m.fpc * net +
         fy * m.phiReinf * p.reinfArea + static_cast<double>(m.fs) * m.phiStl * p.steelArea;
}
double NominalSquashLoad(const ProjectModel& m) { return NominalSquashLoad(m, m.fy); }

// The forces of the section at one neutral-axis depth, summed over all groups.
struct StepForces {
  double axial = 0;          // all groups
  double firstMoment = 0;    // sum of F y about the top reference line
  double tensionAxial = 0;   // the bars and steel in tension only
  double tensileStrain = 0;  // most tensile bar strain, 0 or negative
};

// Strain compatibility with a rectangular stress block: the concrete block, the bars and the steel shapes
// at a neutral-axis depth c, the top fibre at the ultimate concrete strain.
class StrainCompatibility {
 public:
  // The model's full-circle arcs must already be normalized.
  explicit StrainCompatibility(const ProjectModel& m)
      : m_(m),
        bars_(AllBars(m)),
        steel_(SteelShapePieces(m, m.binc, m.pinc)),
        blockStress_(static_cast<double>(m.phiConc) * m.a1 * m.fpc),
        barYield_(static_cast<double>(m.phiReinf) * m.fy),
        steelYield_(static_cast<double>(m.phiStl) * m.fs) {}

  StepForces At(float c) const {
    const ProjectModel& m = m_;
    const float a = m.b1 * c;
    const double strainPerDepth = static_cast<double>(m.em) / c;  // strain at y is (c - y) em / c

    ForceGroup rects, circles, barsCompression, barsTension, steelCompression, steelTension;
    for (int i = 1; i <= ListSize(m.nr); ++i) {
      const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
      const Zone zone = RectZone(r, a);
      if (zone.area > 0) rects.Add(blockStress_ * r.rsign * zone.area, zone.centroid);
    }
    for (int i = 1; i <= ListSize(m.nc); ++i) {
      const ConcreteCircle& circle = m.circles[static_cast<size_t>(i)];
      const Zone zone = CircleZone(circle, a);
      if (zone.area > 0) circles.Add(blockStress_ * circle.csign * zone.area, zone.centroid);
    }

    StepForces out;
    for (const Bar& bar : bars_) {
      const double strain = (c - bar.depth) * strainPerDepth;
      out.tensileStrain = std::min(out.tensileStrain, strain);
      double stress = m.Er * strain;
      if (bar.depth <= c) {
        stress = std::min(stress, barYield_);
        // A bar inside the stress block replaces concrete that the block already counts.
        const double f =
            bar.depth <= a ? std::max(0.0, (stress - blockStress_) * bar.area) : stress * bar.area;
        barsCompression.Add(f, bar.depth);
      } else {
        barsTension.Add(std::max(stress, -barYield_) * bar.area, bar.depth);
      }
    }
    for (const Strip& piece : steel_) {
      double stress = (c - piece.depth) * m.Es * strainPerDepth;
      if (piece.depth <= c) {
        stress = std::min(stress, steelYield_);
        const double f = piece.depth <= a && piece.displacesConcrete
                             ? std::max(0.0, (stress - blockStress_) * piece.area)
                             : stress * piece.area;
        steelCompression.Add(f, piece.depth);
      } else {
        steelTension.Add(std::max(stress, -steelYield_) * piece.area, piece.depth);
      }
    }

    for (const ForceGroup* g : {&rects, &circles, &barsCompression, &barsTension, &steelCompression, &steelTension}) {
      out.axial += g->force;
      out.firstMoment += g->moment;
    }
    out.tensionAxial = barsTension.force + steelTension.force;
    return out;
  }

  // The diagram's axial force and moment about the gross concrete centroid at depth c.
  SectionPoint PointAt(float c) const {
    const StepForces f = At(c);
    return {static_cast<float>(f.axial), static_cast<float>(m_.sectionProperties.concYbar * f.axial - f.firstMoment),
            static_cast<float>(f.tensileStrain)};
  }

 private:
  const ProjectModel& m_;
  std::vector<Bar> bars_;
  std::vector<Strip> steel_;
  double blockStress_, barYield_, steelYield_;
};

}  // namespace

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
  const float limit = m.unitSystem().IsEnglish() ? rules.revised.poYieldLimitEnglish : rules.revised.poYieldLimitMetric;
  const double fy = limit > 0 ? std::min(m.fy, limit) : m.fy;
  return static_cast<float>(factor * NominalSquashLoad(m, fy));
}

void ComputeInteractionDiagram(ProjectModel& m) {
  InteractionDiagram d;
  const SectionProperties& props = m.sectionProperties;
  const double steps = m.inc > 0 ? std::nearbyint(static_cast<double>(props.sectionDepth) / m.inc) : -1;
  if (!(steps >= 1 && steps <= kMaxDiagramSteps)) {
    d.incrementTooSmall = true;
    m.interactionDiagram = std::move(d);
    return;
  }
  // Past the section depth the neutral axis goes on down, the block capped at the section and every bar
  // in compression, until the nominal axial force reaches Pn,max: Pn tends to Po > Pn,max as the strains
  // tend to em. The bound (100 section depths, at most a million steps past the section) is met only by
  // steel whose yield strain exceeds em under a cap of Po itself, and is reported.
  const int limit = static_cast<int>(std::min(kDeepestAxisOverDepth * steps, steps + kMaxDiagramSteps));
  const auto append = [&d](float depth, float axial, float moment, float strain) {
    d.idDepth.push_back(depth);
    d.idAxial.push_back(axial);
    d.idMoment.push_back(moment);
    d.idTensileStrain.push_back(strain);
  };
  // Room for the walk down to the section depth and a quarter of it beyond, where most sections reach Pn,max.
  const size_t expected = static_cast<size_t>(steps * 1.25) + 2;
  for (auto* column : {&d.idDepth, &d.idAxial, &d.idMoment, &d.idTensileStrain}) column->reserve(expected);
  append(0, 0, 0, 0);  // slot 0 is not a point
  d.PnMax = MaximumAxialCapacity(m);
  d.spiralColumn = IsSpiralColumn(m);
  d.capacity.assign(static_cast<size_t>(ListSize(m.ns)) + 1, LoadCapacity{CompressionPhi(m), 0, 0, 1, 1});
  // Pn,max counts as reached within a millionth of Po: under the user-defined criteria it is Po itself,
  // which the yielded section meets only up to the rounding of its sums.
  const double reached = d.PnMax - 1e-6 * std::fabs(static_cast<double>(SquashLoad(m)));

  NormalizeFullArcs(m);
  const StrainCompatibility section(m);
  const SectionAtDepth pointAt = [&section](float c) { return section.PointAt(c); };
  bool searchingPureBending = true;
  bool searchingBalanced = true;
  for (int k = 1;; ++k) {
    const size_t K = static_cast<size_t>(k);
    float c = k == 1 ? m.inc : d.idDepth[K - 1] + m.inc;
    StepForces f = section.At(c);
    const bool top = f.axial >= reached;
    if (top && k > 1) {
      // The top of the diagram: the depth between this step and the last at which Pn reaches Pn,max.
      float below = d.idDepth[K - 1];
      for (int halving = 0; halving < 60; ++halving) {
        const float mid = below + (c - below) / 2;
        if (!(mid > below && mid < c)) break;
        const StepForces at = section.At(mid);
        if (at.axial >= reached) {
          c = mid, f = at;
        } else {
          below = mid;
        }
      }
    }
    if ((top && k == 1) || (!top && k == limit)) {
      d.compressionCapUnreached = !top;
      append(c, d.PnMax, 0, 0);
      d.idCount = k;
      break;
    }
    const double P = top ? static_cast<double>(d.PnMax) : f.axial;

    // Mn = e P with e = concYbar - sum(F y) / P, the resultant's height above the gross centroid; the
    // resultant lies at or below the centroid (e <= 0) when Mn and P do not have the same sign.
    bool resultantBelowCentroid;
    if (k == 1) {
      append(c, static_cast<float>(f.tensionAxial), 0, static_cast<float>(f.tensileStrain));
      resultantBelowCentroid = true;  // e is taken as 0 at the maximum tension point
    } else {
      const double mn = props.concYbar * f.axial - f.firstMoment;
      append(c, static_cast<float>(P), static_cast<float>(mn), static_cast<float>(f.tensileStrain));
      resultantBelowCentroid = (P > 0 && mn <= 0) || (P < 0 && mn >= 0);
    }

    if (P >= 0 && searchingPureBending) {
      d.idPureBending = k;
      searchingPureBending = false;
    }
    if (resultantBelowCentroid && !searchingPureBending) {
      d.idCount = k;
      break;
    }
    if (c >= props.cBalanced && searchingBalanced) {
      d.idBalanced = k;
      searchingBalanced = false;
    }
    EvaluateLoadConditions(m, d, k, static_cast<float>(f.tensileStrain), pointAt);
    if (top) {
      // The flat top of the diagram runs from this point to the axis at Pn,max.
      append(c, d.PnMax, 0, 0);
      d.idCount = k + 1;
      break;
    }
  }

  // A pure compression load takes the last point, known only now.
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    if (cap.capFound == 0 && cap.capPoint == 0) cap.capPoint = d.idCount;
  }
  m.interactionDiagram = std::move(d);
}

}  // namespace tarnix
