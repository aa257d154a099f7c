// Turning the section upside down: every depth measured from the other face.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// The bottom of the section H: the largest bottom depth of the concrete rectangles and circles, the
/// steel shapes and the pipes (outer face, Ycp + Rcp + tp / 2); 0 when there are none.
float SectionBottom(const ProjectModel& m);

/// Turns the section over about a horizontal line, every x kept: a rectangle's or shape's top becomes H -
/// top - depth, a circle's, pipe's or arc's centre, a line's first bar, a polygon's corner and a single bar
/// H minus the depth; line angles Ab are measured the other way round (360 - Ab), and an arc starts at its
/// old end (360 - Abeg - Atot), so that every bar lies at its old x and H minus its old depth, and
/// inverting twice restores the section when H stays the same.
void InvertSection(ProjectModel& m);

}  // namespace tarnix
