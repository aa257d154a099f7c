// Fuzz target: a file read and calculated as the batch tool does, with every result written to text (the
// report, the CSV tables, the chart data and the SVG files), none of which may show a non-finite number.
#include <cstddef>
#include <cstdint>
#include <string>

#include "finite_text.h"
#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "plot/svg_writer.h"
#include "report/csv_export.h"
#include "report/report_writer.h"

namespace {

void Check(const std::string& text) {
  if (tarnix::HasNonFiniteNumber(text)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tarnix;
  ProjectModel m;
  ResetAll(m);
  if (!ReadInputText(m, std::string_view(reinterpret_cast<const char*>(data), size)).ok()) return 0;
  if (!CheckInputComplete(m)) return 0;
  m.title.clear();  // the one free text of the file, echoed as typed; every other word is the program's
  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = m.OutputSectionAnalysis = 1;
  SetOutputSlenderness(m, 1);
  RunAnalyses(m);

  ReportWriter report;
  std::tm time{};
  WriteReport(m, time, report);
  Check(report.Text());
  if (m.sectionProperties.problem == SectionProblem::None) {
    Check(SectionPropertiesCsv(m.sectionProperties));
    Check(InteractionDiagramCsv(m));
    Check(LoadCapacityCsv(m));
    for (int k = 1; m.momentCurvature.ran() && k <= m.ns; ++k) Check(MomentCurvatureCsv(m, k));
  }
  Check(ChartSvg(InteractionChart(m)));
  Check(SectionSvg(DrawSection(m)));
  for (int k = 1; m.momentCurvature.ran() && k <= m.ns; ++k) Check(ChartSvg(MomentCurvatureChart(m, k)));
  return 0;
}
