// The interaction diagram walk: the neutral axis moves down from the top in steps of inc; at each step the
// forces of the concrete stress block, the bars and the steel shapes give the axial force and the moment
// about the gross concrete centroid.
#include "strength/interaction_diagram.h"

#include <algorithm>
#include <cmath>

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

}  // namespace

float MaximumAxialCapacity(const ProjectModel& m) {
  const SectionProperties& p = m.sectionProperties;
  const double po = static_cast<double>(m.phiConc) * m.a1 * m.fpc * (p.concArea - p.reinfArea - p.steelArea) +
                    static_cast<double>(m.fy) * m.phiReinf * p.reinfArea +
                    static_cast<double>(m.fs) * m.phiStl * p.steelArea;
  // Tied columns (with bar lines) are capped lower than spiral ones (bars on arcs only).
  const CriteriaRules& rules = CriteriaFor(m.criteria);
  const double factor = m.nl >= 1 ? rules.capTied : rules.capSpiral;
  return static_cast<float>(factor * po);
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
  d.capacity.assign(static_cast<size_t>(ListSize(m.ns)) + 1, LoadCapacity{m.phiC, 0, 0, 1, 1});

  NormalizeFullArcs(m);
  const std::vector<Bar> bars = AllBars(m);
  const std::vector<Strip> steel = SteelPieces(m);
  const double blockStress = static_cast<double>(m.phiConc) * m.a1 * m.fpc;
  const double barYield = static_cast<double>(m.phiReinf) * m.fy;
  const double steelYield = static_cast<double>(m.phiStl) * m.fs;
  const bool steelDisplacesConcrete = props.steelDepth != props.sectionDepth;

  bool searchingPureBending = true;
  bool searchingBalanced = true;
  for (int k = 1; k <= n; ++k) {
    const size_t K = static_cast<size_t>(k);
    d.idDepth[K] = k == 1 ? m.inc : d.idDepth[K - 1] + m.inc;
    const float c = d.idDepth[K];
    const float a = m.b1 * c;
    const double strainPerDepth = static_cast<double>(m.em) / c;  // strain at y is (c - y) em / c

    ForceGroup rects, circles, barsCompression, barsTension, steelCompression, steelTension;
    for (int i = 1; i <= ListSize(m.nr); ++i) {
      const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
      const Zone zone = RectZone(r, a);
      if (zone.area > 0) rects.Add(blockStress * r.rsign * zone.area, zone.centroid);
    }
    for (int i = 1; i <= ListSize(m.nc); ++i) {
      const ConcreteCircle& circle = m.circles[static_cast<size_t>(i)];
      const Zone zone = CircleZone(circle, a);
      if (zone.area > 0) circles.Add(blockStress * circle.csign * zone.area, zone.centroid);
    }

    double tensileStrain = 0;
    for (const Bar& bar : bars) {
      const double strain = (c - bar.depth) * strainPerDepth;
      tensileStrain = std::min(tensileStrain, strain);
      double stress = m.Er * strain;
      if (bar.depth <= c) {
        stress = std::min(stress, barYield);
        // A bar inside the stress block replaces concrete that the block already counts.
        const double f = bar.depth <= a ? std::max(0.0, (stress - blockStress) * bar.area) : stress * bar.area;
        barsCompression.Add(f, bar.depth);
      } else {
        barsTension.Add(std::max(stress, -barYield) * bar.area, bar.depth);
      }
    }
    for (const Strip& piece : steel) {
      double stress = (c - piece.depth) * m.Es * strainPerDepth;
      if (piece.depth <= c) {
        stress = std::min(stress, steelYield);
        const double f = piece.depth <= a && steelDisplacesConcrete ? std::max(0.0, (stress - blockStress) * piece.area)
                                                                     : stress * piece.area;
        steelCompression.Add(f, piece.depth);
      } else {
        steelTension.Add(std::max(stress, -steelYield) * piece.area, piece.depth);
      }
    }

    const ForceGroup* groups[] = {&rects, &circles, &barsCompression, &barsTension, &steelCompression, &steelTension};
    double P = 0, firstMoment = 0;
    for (const ForceGroup* g : groups) {
      P += g->force;
      firstMoment += g->moment;
    }

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
      d.idAxial[K] = static_cast<float>(barsTension.force + steelTension.force);
      d.idMoment[K] = 0;
      resultantBelowCentroid = true;  // e is taken as 0 at the maximum tension point
    } else {
      const double mn = props.concYbar * P - firstMoment;
      d.idAxial[K] = static_cast<float>(P);
      d.idMoment[K] = static_cast<float>(mn);
      resultantBelowCentroid = (P > 0 && mn <= 0) || (P < 0 && mn >= 0);
    }
    d.idTensileStrain[K] = static_cast<float>(tensileStrain);

    if (P >= 0 && searchingPureBending) {
      d.idMoment[K] = static_cast<float>(std::abs(firstMoment));
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
    EvaluateLoadConditions(m, d, k, static_cast<float>(tensileStrain));
  }

  // A pure compression load takes the last point, known only now.
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    if (cap.capFound == 0 && cap.capPoint == 0) cap.capPoint = d.idCount;
  }
  m.interactionDiagram = std::move(d);
}

}  // namespace tarnix
