// The report text being assembled during a calculation run, and the writer of the whole report.
#pragma once

#include <string>
#include <string_view>

#include "model/project_model.h"

namespace tarnix {

/// Collects the report's lines (CR LF ended); the calculation run stores the text when it is complete, so a
/// failed run never leaves a partial report.
class ReportWriter {
 public:
  /// Appends `text` and ends the line.
  void Line(std::string_view text);
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

/// Writes the sections of the report that the output options ask for, from the model's result blocks.
void WriteReport(const ProjectModel& m, ReportWriter& out);

}  // namespace tarnix
