// Record navigation of the main window: one record of each list shown at a time, moved by Previous and
// Next, with the frame caption naming the record shown.
#pragma once

#include <string>
#include <vector>

#include "editor/field_descriptors.h"
#include "model/project_model.h"

namespace tarnix {

/// Number of the record or point shown (1-based).
int CurrentIndex(const ProjectModel& m, RecordList list);
/// The model's current index of the list, to move it.
int& CurrentRecord(ProjectModel& m, RecordList list);
/// Number of records in the list (0 for a count below 1); for the point lists StressStrainPointCount.
int ListLength(const ProjectModel& m, RecordList list);

/// Next moves to the following record while the current one is below the list's length; Previous moves
/// back while it is above 1. Each returns true when it moved (the frame is then shown again).
bool ShowNext(ProjectModel& m, RecordList list);
bool ShowPrevious(ProjectModel& m, RecordList list);

/// The frame caption: "SECTION NO ", "LINE NO ", "ARC NO ", "SHAPE NO ", "LOAD CONDITION NO ",
/// "REINFORCING POINT NO " or "STEEL POINT NO " followed by the current index.
std::string FrameCaption(const ProjectModel& m, RecordList list);

/// The fields of the list's frame, shown again after every move.
std::vector<Field> FrameFields(RecordList list);

}  // namespace tarnix
