// Result tables as CSV files for spreadsheets and scripts, in full float precision.
#pragma once

#include <string>

#include "model/project_model.h"

namespace tarnix {

/// properties.csv: header "group,area,ybar,Io,I" and one row each for the concrete, reinforcing, steel
/// and transformed groups, in the model's length units (I is about the transformed centroid).
std::string SectionPropertiesCsv(const SectionProperties& p);

/// Writes every CSV table of the last run into `folder`; false when a file cannot be written.
bool WriteCsvFiles(const ProjectModel& m, const std::string& folder);

}  // namespace tarnix
