// Which shapes of the section drawing belong to the record the engineer is editing.
#pragma once

#include "editor/field_descriptors.h"
#include "model/project_model.h"
#include "plot/section_drawing.h"

namespace tarnix {

/// Marks the shapes of the records shown in the frames of the tab in front: on the concrete tab the
/// current rectangle and circle, on the reinforcing tab every bar of the current line and of the current
/// arc, on the steel shape tab the current rectangular shape and pipe. On the other tabs nothing is marked.
void MarkCurrentRecords(const ProjectModel& m, MainTab tab, SectionDrawing& drawing);

}  // namespace tarnix
