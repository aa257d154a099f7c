// The DESIGN section of the report and the reasons the design table (design.csv) shares: the bar arrangements
// of a design search, the passing ones best first, the rejected ones with their reasons.
#pragma once

#include <string>

#include "model/project_model.h"
#include "report/report_writer.h"

namespace tarnix {

/// Why a candidate was rejected, in the model's units ("clear spacing 1.20 below 1.50", "steel ratio
/// 0.85 % below 1 %", "load condition 3: capacity exceeded"); empty for a passing candidate.
std::string DesignReasonText(const ProjectModel& m, const DesignResult& r, const DesignCandidate& c);

/// The DESIGN section of the model's last design search.
void WriteDesignReport(const ProjectModel& m, ReportWriter& out);

}  // namespace tarnix
