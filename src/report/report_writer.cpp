// Report line primitives and the order of the report's parts.
#include "report/report_writer.h"

#include <cstdlib>

#include "base/version.h"
#include "report/design_report.h"
#include "report/input_echo.h"
#include "base/number_format.h"
#include "report/section_writers.h"

namespace tarnix {

ReportWriter& ReportWriter::Blanks(int n) {
  if (n > 0) line_.append(static_cast<size_t>(n), ' ');
  return *this;
}

ReportWriter& ReportWriter::Column(int n) {
  if (static_cast<int>(line_.size()) >= n) EndLine();
  return Blanks(n - 1 - static_cast<int>(line_.size()));
}

ReportWriter& ReportWriter::Text(std::string_view text) {
  line_ += text;
  return *this;
}

ReportWriter& ReportWriter::Number(double value) { return Text(FormatReportNumber(value)); }

ReportWriter& ReportWriter::Labelled(std::string_view label, double value) {
  return Text(std::string(label) + FormatPlain(value));
}

ReportWriter& ReportWriter::Fixed(double value, int decimals) { return Text(FormatFixed(value, decimals)); }
ReportWriter& ReportWriter::WholeWithPoint(double value) { return Text(FormatWholeWithPoint(value)); }

ReportWriter& ReportWriter::EndLine() {
  text_ += line_;
  text_ += "\r\n";
  line_.clear();
  return *this;
}

ReportWriter& ReportWriter::EmptyLine() {
  if (!line_.empty()) EndLine();
  return EndLine();
}

void ReportWriter::SectionHeading(std::string_view heading) {
  Blanks(5).Text(heading).EndLine();
  Blanks(5).Text("=====================================================").EndLine();
}

void ReportWriter::SubHeading(std::string_view label) { Blanks(5).Text(label).EndLine(); }

void ReportWriter::StarBanner(std::string_view line) {
  const char* stars = "* * * * * * * * * * * * * * * * * * * * * * * * * * *";
  const char* side = "*                                                   *";
  for (std::string_view text : {std::string_view(stars), std::string_view(side),
                                std::string_view("*           P R O G R A M   T A R N I X             *"),
                                std::string_view(side), line, std::string_view(side), std::string_view(stars)}) {
    Blanks(5).Text(text).EndLine();
  }
}

void ReportWriter::CountHeading(int count, std::string_view caption) {
  Blanks(5).Text(FormatGeneral(count)).Text(caption).EndLine();
}

void ReportWriter::UnitsLine(UnitSystem units) {
  Blanks(5).Text(units.IsMetric() ? "(Units = kN-m)" : "(Units = K-ft)").EndLine();
}

void ReportWriter::TableHeading(std::initializer_list<std::pair<int, const char*>> columns) {
  TableHeading(std::vector<std::pair<int, const char*>>(columns));
}

void ReportWriter::TableHeading(const std::vector<std::pair<int, const char*>>& columns) {
  for (const auto& [column, word] : columns) Column(column).Text(word);
  EndLine();
  EmptyLine();
}

std::string BuildVersionText() {
  return std::to_string(kTarnixVersionMajor) + "." + std::to_string(kTarnixVersionMinor) +
         std::to_string(kTarnixVersionPatch);
}

std::tm ReportTime() {
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    if (end != epoch && *end == '\0' && seconds >= 0) {
      const std::time_t instant = static_cast<std::time_t>(seconds);
      std::tm utc{};
      if (gmtime_r(&instant, &utc) != nullptr) return utc;
    }
  }
  // The reentrant forms: batch runs write several reports at once.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  return localtime_r(&now, &local) != nullptr ? local : std::tm{};
}

std::string FormatReportTime(const std::tm& time) {
  const auto twoDigits = [](int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
  const int hour12 = time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12;
  return std::to_string(time.tm_mon + 1) + "/" + twoDigits(time.tm_mday) + "/" + twoDigits(time.tm_year % 100) +
         ", " + std::to_string(hour12) + ":" + twoDigits(time.tm_min) + (time.tm_hour < 12 ? " am" : " pm");
}

void WriteReport(const ProjectModel& m, const std::tm& time, ReportWriter& out) {
  // A load outside the range of the moment-curvature analysis is stated before everything else.
  if (IsSet(m.OutputMomentCurvature) && !m.momentCurvature.rejection.empty()) {
    out.Column(6).Text(m.momentCurvature.rejection).EndLine();
  }
  if (!m.title.empty()) {
    out.Blanks(5).Text(m.title).EndLine();
    out.EmptyLine();
  }
  if (IsSet(m.OutputInputEcho)) WriteInputEcho(m, time, out);
  out.EmptyLine();
  out.StarBanner("*                   OUTPUT DATA                     *");

  // Without valid section properties nothing else was computed: the properties section says why.
  if (m.sectionProperties.problem != SectionProblem::None) {
    WriteSectionPropertiesReport(m, out);
    return;
  }
  if (IsSet(m.OutputSectionProperties)) WriteSectionPropertiesReport(m, out);
  if (IsSet(m.OutputInteractionDiagram)) {
    WriteInteractionDiagramReport(m, out);
    if (IsTwoDimensional(m)) WriteInteractionSurfaceReport(m, out);
  }
  if (IsSet(m.OutputSlenderness)) {
    if (m.SlendernessOption == Slenderness::MomentMagnification) WriteSlendernessReport(m, out);
    if (m.SlendernessOption == Slenderness::SlenderWall) WriteSlenderWallReport(m, out);
  }
  if (IsSet(m.OutputSectionAnalysis) && m.SlendernessOption != Slenderness::SlenderWall) WriteSectionAnalysisReport(m, out);
  if (IsSet(m.OutputMomentCurvature)) WriteMomentCurvatureReport(m, out);
  if (m.designResult.ran) WriteDesignReport(m, out);
}

}  // namespace tarnix
