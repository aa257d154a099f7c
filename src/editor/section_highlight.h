// Which shapes of the section drawing belong to the record the engineer is editing.
#pragma once

#include <map>
#include <vector>

#include "editor/field_descriptors.h"
#include "model/project_model.h"
#include "plot/section_drawing.h"

namespace tarnix {

/// The rows selected in the tables of the lists (1-based record numbers).
using SelectedRecords = std::map<RecordList, std::vector<int>>;

/// The list a drawn record belongs to and the tab that shows that list.
struct ListOnTab {
  RecordList list;
  MainTab tab;
};
/// The list and tab of a record of `kind`.
ListOnTab ListOfRecord(RecordKind kind);

/// Marks the shapes of the records edited on the tab in front: on the concrete tab the rectangles, circles
/// and polygons, on the reinforcing tab every bar of the lines and arcs and the single bars, on the steel
/// shape tab the rectangular shapes and pipes; of each list the records selected in `selected`, or its current record where none is
/// selected. On the other tabs nothing is marked.
void MarkCurrentRecords(const ProjectModel& m, MainTab tab, SectionDrawing& drawing,
                        const SelectedRecords& selected = {});

}  // namespace tarnix
