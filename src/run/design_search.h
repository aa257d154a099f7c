// Design mode: the search for the lightest arrangement of longitudinal bars that carries every load
// condition. Each candidate replaces the model's bars and is checked as a calculation run checks a section
// (interaction diagram, slenderness, biaxial capacity for a section in two dimensions, the judgement of
// every load), without the moment-curvature analysis and the report.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// How one load condition of a calculated model stands against its capacity: the ratio of demand to
/// capacity (design moment to phi Mn, axial load to phi Pn for a load without moment, |Mu| / |phi Mn| on the
/// interaction surface for a section in two dimensions), or why no ratio can be measured.
struct LoadJudgement {
  double ratio = 0;
  /// "no capacity", "no design moment", "second-order moment beyond its limit" or "capacity exceeded"
  /// (a capacity point without axial or moment capacity); nullptr when the ratio was measured.
  const char* problem = nullptr;
};
LoadJudgement JudgeLoad(const ProjectModel& m, int i);

/// The model with the candidate's bars in place of its own bar lines, arcs and single bars, and no
/// results. Rectangular: a line of barsX bars along the top and along the bottom face and a line of two
/// bars at each of the barsY - 2 levels between them, centred on the rectangle; circular: one full arc of
/// barsX bars, the first at the top. The candidate must fit (DesignRejection::NoFit excluded).
ProjectModel WithArrangement(const ProjectModel& m, const DesignSettings& s, const DesignCandidate& c);

/// Searches the arrangements of the settings for the model (see DesignSettings), checking every candidate
/// within the criteria's steel ratio and the clear spacing of ACI 318-19 25.2.3 (the larger of 1.5 in
/// (40 mm) and 1.5 db; the aggregate size is not modelled) against every load condition, lightest first.
/// A candidate passes when the section analysis finds no load beyond its capacity and every load's ratio
/// of demand to capacity is at most 1 (the analysis itself lets 1 % more pass). Without `fullTable` the
/// candidates heavier than the lightest that passes are not checked.
DesignResult SearchDesign(const ProjectModel& m, const DesignSettings& s);

}  // namespace tarnix
