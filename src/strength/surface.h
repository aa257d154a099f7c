// The interaction surface of a section in two dimensions (the diagram at neutral-axis angles around the
// section) and the capacity of a load (P, Mx, My) in biaxial bending.
#pragma once

#include "model/strength_results.h"

namespace tarnix {

struct ProjectModel;

/// Fills m.interactionSurface with the nominal diagram at m.surfaceAngles neutral-axis angles, 360 k / n
/// degrees (n below 1 takes the default count); empties it for a model that is not two-dimensional.
/// Needs the section properties of the same model.
void ComputeInteractionSurface(ProjectModel& m);

/// The design capacity of the load (P, Mx, My) in biaxial bending (forces in lb / N, moments in lb-in /
/// N-mm about the gross concrete centroid, compression positive). For a load with a moment: the
/// neutral-axis angle and depth at which phi Pn = P (to 1e-6 of Po, phi from the most tensile bar strain as
/// for the diagram's loads) and the design moment vector (phi Mnx, phi Mny) points in the direction of
/// (Mx, My) to 1e-4 rad. found is false when P lies beyond the factored axial range (phiT times the
/// tension of every bar and steel piece yielding, up to phiC Pn,max), or where no design moment at P points
/// in the load's direction (near the ends of that range, where the surface of an unsymmetric section need
/// not surround the axis). A load without moment takes the pure axial capacity of its sign. momentRatio is
/// |M| / |phi Mn| at the same P (0 without a capacity); rayRatio is 1 / lambda, lambda (P, Mx, My) being
/// the point of the design surface on the load's ray from the origin (on the flat end at phiC Pn,max where
/// the ray meets that). Needs the section properties of the same model.
BiaxialCapacity BiaxialCapacityOf(const ProjectModel& m, float P, float Mx, float My);

}  // namespace tarnix
