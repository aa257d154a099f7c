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

// The steel strips and fibres of every shape, cut once for the whole walk.
std::vector<Strip> SteelPieces(const ProjectModel& m) {
  std::vector<Strip> pieces;
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    const auto strips = SteelRectStrips(m.steelRects[static_cast<size_t>(i)], m.binc);
    pieces.insert(pieces.end(), strips.begin(), strips.end());
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const auto fibres = PipeFibres(m.pipes[static_cast<size_t>(i)], m.pinc);
    pieces.insert(pieces.end(), fibres.begin(), fibres.end());
  }
  return pieces;
}

// Po with the bars yielding at fy, or at a lower stress where the criteria limits fy in Po.
double NominalSquashLoad(const ProjectModel& m, double fy) {
  const SectionProperties& p = m.sectionProperties;
  // The concrete that the bars, and steel shapes inside the concrete, take the place of carries nothing;
  // a shape outside the concrete (a tube around its fill, a bare shape) displaces none, as in the walk.
  const float net = p.concArea - p.reinfArea - (p.steelEmbedded ? p.steelArea : 0.0f);
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
        steel_(SteelPieces(m)),
        blockStress_(static_cast<double>(m.phiConc) * m.a1 * m.fpc),
        barYield_(static_cast<double>(m.phiReinf) * m.fy),
        steelYield_(static_cast<double>(m.phiStl) * m.fs),
        steelDisplacesConcrete_(m.sectionProperties.steelDepth != m.sectionProperties.sectionDepth) {}

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
        const double f = piece.depth <= a && steelDisplacesConcrete_
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
  bool steelDisplacesConcrete_;
};

}  // namespace

float SquashLoad(const ProjectModel& m) { return static_cast<float>(NominalSquashLoad(m)); }

bool IsSpiralColumn(const ProjectModel& m) {
  if (m.nl < 1) return true;
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
  const int n = static_cast<int>(steps);
  d.idDepth.assign(static_cast<size_t>(n) + 1, 0.0f);
  d.idAxial.assign(static_cast<size_t>(n) + 1, 0.0f);
  d.idMoment.assign(static_cast<size_t>(n) + 1, 0.0f);
  d.idTensileStrain.assign(static_cast<size_t>(n) + 1, 0.0f);
  d.PnMax = MaximumAxialCapacity(m);
  d.spiralColumn = IsSpiralColumn(m);
  d.capacity.assign(static_cast<size_t>(ListSize(m.ns)) + 1, LoadCapacity{CompressionPhi(m), 0, 0, 1, 1});

  NormalizeFullArcs(m);
  const StrainCompatibility section(m);
  const SectionAtDepth pointAt = [&section](float c) { return section.PointAt(c); };
  bool searchingPureBending = true;
  bool searchingBalanced = true;
  for (int k = 1; k <= n; ++k) {
    const size_t K = static_cast<size_t>(k);
    d.idDepth[K] = k == 1 ? m.inc : d.idDepth[K - 1] + m.inc;
    const StepForces f = section.At(d.idDepth[K]);
    const double P = f.axial;

    if (P >= d.PnMax || k == n) {
      d.idCount = k;
      d.idAxial[K] = d.PnMax;
      d.idMoment[K] = 0;
      break;
    }

    // Mn = e P with e = concYbar - sum(F y) / P, the resultant's height above the gross centroid; the
    // resultant lies at or below the centroid (e <= 0) when Mn and P do not have the same sign.
    bool resultantBelowCentroid;
    if (k == 1) {
      d.idAxial[K] = static_cast<float>(f.tensionAxial);
      d.idMoment[K] = 0;
      resultantBelowCentroid = true;  // e is taken as 0 at the maximum tension point
    } else {
      const double mn = props.concYbar * P - f.firstMoment;
      d.idAxial[K] = static_cast<float>(P);
      d.idMoment[K] = static_cast<float>(mn);
      resultantBelowCentroid = (P > 0 && mn <= 0) || (P < 0 && mn >= 0);
    }
    d.idTensileStrain[K] = static_cast<float>(f.tensileStrain);

    if (P >= 0 && searchingPureBending) {
      d.idMoment[K] = static_cast<float>(std::abs(f.firstMoment));
      d.idPureBending = k;
      searchingPureBending = false;
    }
    if (resultantBelowCentroid && !searchingPureBending) {
      d.idCount = k;
      break;
    }
    if (d.idDepth[K] >= props.cBalanced && searchingBalanced) {
      d.idBalanced = k;
      searchingBalanced = false;
    }
    EvaluateLoadConditions(m, d, k, static_cast<float>(f.tensileStrain), pointAt);
  }

  // A pure compression load takes the last point, known only now.
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    if (cap.capFound == 0 && cap.capPoint == 0) cap.capPoint = d.idCount;
  }
  m.interactionDiagram = std::move(d);
}

}  // namespace tarnix
