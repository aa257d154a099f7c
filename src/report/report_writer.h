// The report: its line primitives, shared by every report section, and the writer of the whole report
// (header, input data echo, output banner and the calls of the section writers).
#pragma once

#include <ctime>
#include <initializer_list>
#include <string>
#include <vector>
#include <string_view>
#include <utility>

#include "base/units.h"
#include "model/project_model.h"

namespace tarnix {

/// Builds the report text line by line (CR LF line ends). Items are appended to the current line;
/// columns are counted from 1.
class ReportWriter {
 public:
  /// n blanks.
  ReportWriter& Blanks(int n);
  /// Moves to column n with blanks; when the line already reaches column n, ends it first and places the
  /// next item in column n of a new line.
  ReportWriter& Column(int n);
  /// Text as it is.
  ReportWriter& Text(std::string_view text);
  /// A value in the general number form with its blanks (" 3 ", "-2.5 ").
  ReportWriter& Number(double value);
  /// A label followed directly by the value's plain text ("Units = 0.85").
  ReportWriter& Labelled(std::string_view label, double value);
  /// A value with `decimals` fixed decimals ("25.0").
  ReportWriter& Fixed(double value, int decimals);
  /// A value as a whole number followed by a point ("29000.").
  ReportWriter& WholeWithPoint(double value);
  /// Ends the current line.
  ReportWriter& EndLine();
  /// An empty line (ends a pending line first).
  ReportWriter& EmptyLine();

  /// Blanks(5) and the spaced heading, then Blanks(5) and the rule of 53 equals signs.
  void SectionHeading(std::string_view heading);
  /// Blanks(5) and a capitalised label ending in a colon.
  void SubHeading(std::string_view label);
  /// The seven-line star banner with `line` as its fifth line.
  void StarBanner(std::string_view line);
  /// Blanks(5), the count and the caption directly behind it (" LOAD CONDITIONS:").
  void CountHeading(int count, std::string_view caption);
  /// Blanks(5) and the units of loads and moments: "(Units = kN-m)" for metric, else "(Units = K-ft)".
  void UnitsLine(UnitSystem units);
  /// A table's heading row of (column, word) pairs followed by its one empty line.
  void TableHeading(std::initializer_list<std::pair<int, const char*>> columns);
  void TableHeading(const std::vector<std::pair<int, const char*>>& columns);

  /// The report so far; a pending line is included as it stands.
  std::string Text() const { return text_ + line_; }

 private:
  std::string text_;
  std::string line_;
};

/// "major.minor" with the revision directly behind the minor number (1.51.0 gives "1.510").
std::string BuildVersionText();

/// The time the report is dated with: now, in local time; or, when the environment variable
/// SOURCE_DATE_EPOCH holds a number of seconds, that instant in UTC, so that repeated runs give identical
/// reports.
std::tm ReportTime();

/// The report's date and time form "m/dd/yy, h:mm am" ("12/06/26, 7:05 pm").
std::string FormatReportTime(const std::tm& time);

/// Writes the whole report for the model's output options and result blocks, dated `time`.
void WriteReport(const ProjectModel& m, const std::tm& time, ReportWriter& out);

}  // namespace tarnix
