// Turning the section upside down: every depth measured from the other face.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// The bottom of the section H: the largest bottom depth of the concrete rectangles and circles, the
/// steel shapes and the pipes (outer face, Ycp + Rcp + tp / 2); 0 when there are none.
float SectionBottom(const ProjectModel& m);

/// Measures every record from the bottom: a rectangle's or shape's top becomes H - top - depth, a
/// circle's, pipe's or arc's centre and a line's first bar H minus the depth; line angles Ab and arc start
/// angles Abeg turn by 180 degrees (below 180 up, else down), so that inverting twice restores the
/// section when H stays the same.
void InvertSection(ProjectModel& m);

}  // namespace tarnix
