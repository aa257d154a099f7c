// Fuzz target: a file (an input file, or a project file when it opens with '{') read and calculated as the
// batch tool does, with every result written to text (the
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
#include "model/project_file.h"
#include "plot/surface_charts.h"
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
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const size_t first = text.find_first_not_of(" \t\r\n");
  const bool project = first != std::string_view::npos && text[first] == '{';
  if (!(project ? ReadProjectText(m, text) : ReadInputText(m, text)).ok()) return 0;
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
    if (IsTwoDimensional(m)) {
      Check(InteractionSurfaceCsv(m));
      for (int k = 1; k <= m.ns; ++k) {
        Check(ChartSvg(MomentContourChart(m, k)));
        Check(ChartSvg(LoadDirectionChart(m, k)));
      }
    }
  }
  Check(ChartSvg(InteractionChart(m)));
  Check(SectionSvg(DrawSection(m)));
  for (int k = 1; m.momentCurvature.ran() && k <= m.ns; ++k) Check(ChartSvg(MomentCurvatureChart(m, k)));
  return 0;
}
