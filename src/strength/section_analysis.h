// Strength reduction factor and capacity search of the load conditions at each point of the walk.
#pragma once

#include <functional>

#include "model/project_model.h"
#include "strength/interaction_diagram.h"

namespace tarnix {

/// The strength reduction factor for an axial load P (compression positive) at a diagram point whose most
/// tensile bar strain is `tensileStrain`. Tension takes phiT. Compression takes phiC (a spiral column's
/// own value where the criteria has one) when the section has steel shapes; under ACI 318 it follows the
/// tensile strain (phiC up to yield, phiT from 0.005 on, or from yield + 0.003 by ACI 318-19, linear
/// between); otherwise it grows linearly from phiC at the axial limit min(0.1 f'c Ag, phiC Pb) to phiT at
/// P = 0. A load of exactly zero axial force takes the compression rule at P = 0, continuous with small
/// compression loads.
float LoadPhi(const ProjectModel& m, const InteractionDiagram& d, float P, float tensileStrain);

/// The section evaluated by strain compatibility at a neutral-axis depth c, as the diagram evaluates it.
using SectionAtDepth = std::function<SectionPoint(float c)>;

/// Evaluates every load condition at point k of the walk. The first point whose factored axial force
/// reaches the load's axial load brackets the load with the point before it; the neutral-axis depth
/// between them at which phi Pn equals the load (to 1e-6 of Po) gives phi, phi Pn (the load) and phi Mn,
/// and point k stays the load's point. A load beyond the tension capacity keeps point 1. Pure axial loads
/// and loads without axial load or moment take their fixed capacities.
void EvaluateLoadConditions(const ProjectModel& m, InteractionDiagram& d, int k, float tensileStrain,
                            const SectionAtDepth& sectionAt);

/// Judges every load condition once the slenderness effects of the run are known: sets its one design
/// moment (`checkedMoment`, the larger by size of its first-order and its magnified moment), its
/// second-order ratio and, for a load with a capacity, whether the design moment exceeds phi Mn
/// (`momentExceeded`) or a load without moment exceeds phi Pn (`axialExceeded`). A two-dimensional model's
/// load also gets its design moment about the vertical axis (`checkedMomentY`: My, or its magnified moment
/// where that axis was analysed) and its biaxial capacity at the design moments (interaction diagram's
/// `biaxial`), and a load with a moment is judged by it: the design moment vector's size against phi Mn in
/// its direction, and a load without a capacity at its P exceeds the axial capacity. Every reader of a
/// load's demand takes these stored values.
void JudgeLoadConditions(ProjectModel& m);

/// Load condition i, which has a capacity point, fails a check of the run: its moment or axial capacity is
/// exceeded, or its second-order moment passes the criteria's limit; with slenderness effects it reaches
/// the critical buckling load, has no usable member data or exceeds the tension capacity of the
/// reinforcement; a slender wall exceeds its reinforcing ratio, axial stress, cracking-moment,
/// tension-control or moment limit. The report, the tables, the summary and the charts read this one verdict.
bool LoadBeyondCapacity(const ProjectModel& m, int i);

/// A moment demand above the factored capacity by more than 1 % (ratio compared in single precision); a
/// negative demand is compared by its size. Any demand exceeds a capacity of 0: a load that only the
/// maximum tension point reaches lies beyond the section's tension strength, with no moment left.
bool MomentCapacityExceeded(float demand, float capacity);
/// A load without moment whose axial load lies beyond its factored axial capacity by more than 1 %, in
/// compression or in tension; its capacity is fixed at the diagram's end of its sign. Loads with a moment
/// are checked by their moment.
bool AxialCapacityExceeded(const LoadCondition& load, const LoadCapacity& cap);

}  // namespace tarnix
