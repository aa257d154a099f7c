// Report assembly.
#include "report/report_writer.h"

namespace tarnix {

void ReportWriter::Line(std::string_view text) {
  text_ += text;
  text_ += "\r\n";
}

void WriteReport(const ProjectModel& /*m*/, ReportWriter& /*out*/) {
  // The report sections are written by their own writers as they are added to the program; until then the
  // report stays empty rather than showing anything that was not computed.
}

}  // namespace tarnix
