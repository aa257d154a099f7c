// The record lists of the main window: the current record of each (the one the section drawing marks and
// the field rules edit), the list's length and the fields of its records.
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
/// The polygon whose corners the corner list shows; null when there is no such polygon.
ConcretePolygon* CurrentPolygon(ProjectModel& m);
const ConcretePolygon* CurrentPolygon(const ProjectModel& m);
/// Number of records in the list (0 for a count below 1); for the point lists StressStrainPointCount.
int ListLength(const ProjectModel& m, RecordList list);

/// The fields of the list's records, in the order the window shows them.
std::vector<Field> FrameFields(RecordList list);

}  // namespace tarnix
