// The input data echo of the report: version and date, files, design criteria, stress-strain models,
// section configuration, loads, member and slenderness data.
#pragma once

#include <ctime>

#include "model/project_model.h"
#include "report/report_writer.h"

namespace tarnix {

/// Writes the echo of every input block that applies to the model, dated `time`.
void WriteInputEcho(const ProjectModel& m, const std::tm& time, ReportWriter& out);

}  // namespace tarnix
