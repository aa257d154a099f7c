// Nasty models that pass the completeness check: every one runs through the whole calculation and ends
// with results or a message that says what is wrong, never with a number that is not a number.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "finite_text.h"
#include "run/calculation_run.h"
#include "model/input_check.h"
#include "model/model_edits.h"
#include "plot/svg_writer.h"
#include "report/csv_export.h"
#include "report/report_writer.h"
#include "test_sections.h"

namespace tarnix {
namespace {

// The two-layer column with two loads and the moment-curvature analysis of the default models.
ProjectModel Base() {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 2);
  m.loads[1].P = 200000, m.loads[1].M = 1200000;
  m.loads[2].P = 50000, m.loads[2].M = 600000;
  SetPerformMomentCurvature(m, 1);
  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = m.OutputSectionAnalysis = 1;
  return m;
}

// Everything the run writes as text.
std::string AllText(ProjectModel& m) {
  RunAnalyses(m);
  ReportWriter report;
  WriteReport(m, std::tm{}, report);
  std::string text = report.Text();
  if (m.sectionProperties.problem == SectionProblem::None) {
    text += SectionPropertiesCsv(m.sectionProperties) + InteractionDiagramCsv(m) + LoadCapacityCsv(m);
    for (int k = 1; m.momentCurvature.ran() && k <= m.ns; ++k) text += MomentCurvatureCsv(m, k);
  }
  text += ChartSvg(InteractionChart(m)) + SectionSvg(DrawSection(m));
  for (int k = 1; m.momentCurvature.ran() && k <= m.ns; ++k) text += ChartSvg(MomentCurvatureChart(m, k));
  return text;
}

struct Case {
  const char* name;
  std::function<void(ProjectModel&)> change;
  const char* says = nullptr;  ///< the report line that must explain the outcome, where one must
};

TEST(DegenerateSections, EveryModelEndsWithResultsOrAMessage) {
  const Case cases[] = {
      {"bars outside the concrete", [](ProjectModel& m) { m.lines[1].Yb = 60, m.lines[2].Yb = -30; }},
      {"everything subtracted", [](ProjectModel& m) { m.rects[1].rsign = -1; },
       "The concrete records have no net area"},
      {"hole larger than the section",
       [](ProjectModel& m) {
         SetRecordCount(m, RecordKind::ConcreteRect, 2);
         m.rects[1] = {0, 20, 12, 1};
         m.rects[2] = {-5, 40, 30, -1};
       }},
      // The strain walk starts at the reference line: the top of the section must lie on it.
      {"top below the reference line", [](ProjectModel& m) { m.rects[1].Yt = 5; },
       "The top of the section lies below the reference line"},
      {"circle reaching above the reference line",
       [](ProjectModel& m) {
         SetRecordCount(m, RecordKind::ConcreteRect, 0);
         SetRecordCount(m, RecordKind::ConcreteCircle, 1);
         m.circles[1] = {9, 12, 1};
       },
       "Part of the section lies above the reference line"},
      {"no concrete modulus", [](ProjectModel& m) { m.Ec = 0; },
       "The concrete modulus of elasticity must be greater than 0"},
      {"huge dimensions", [](ProjectModel& m) { m.rects[1].W = m.rects[1].D = 1e30f; },
       "An input value is too large to analyse"},
      {"increment 0", [](ProjectModel& m) { m.inc = 0; },
       "The neutral axis increment does not fit the section depth"},
      // Under a cap of Po, bars whose yield strain exceeds em keep Pn below the cap at every depth.
      {"cap beyond strain compatibility", [](ProjectModel& m) { m.criteria = "ud", m.fy = 100000; },
       "*** The section does not reach Pn,max at the ultimate concrete strain"},
      {"strain increment 1e-30", [](ProjectModel& m) { m.einc = 1e-30f; }, "too many steps"},
      {"depth increment 1e-30", [](ProjectModel& m) { m.cinc = 1e-30f; },
       "needs too many neutral-axis depths"},
      {"huge loads", [](ProjectModel& m) { m.loads[1].P = 1e30f, m.loads[1].M = 1e30f; },
       "An input value is too large to analyse"},
      {"huge bar count", [](ProjectModel& m) { m.lines[1].Nbl = 2000000000; },
       "more than 100000 reinforcing bars"},
      {"ten thousand bar lines",
       [](ProjectModel& m) {
         SetPerformMomentCurvature(m, 0);
         ASSERT_TRUE(SetRecordCount(m, RecordKind::ReinforcingLine, kMaxRecordCount));
         for (int i = 1; i <= kMaxRecordCount; ++i)
           m.lines[static_cast<size_t>(i)] = {2.5f + 15.0f * (i % 2), 7, 0, 3, 0.01f};
       }},
      {"steel shape only",
       [](ProjectModel& m) {
         SetRecordCount(m, RecordKind::ConcreteRect, 0);
         SetRecordCount(m, RecordKind::ReinforcingLine, 0);
         SetRecordCount(m, RecordKind::SteelRect, 1);
         m.steelRects[1] = {0, 10, 1};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectModel m = Base();
    c.change(m);
    if (!CheckInputComplete(m)) continue;  // refused before anything is computed, with its message
    const std::string text = AllText(m);
    EXPECT_FALSE(HasNonFiniteNumber(text)) << text.substr(0, 4000);
    // Either the diagram exists, or the report says why not.
    const bool diagram = m.interactionDiagram.idCount > 1;
    const bool says = text.find("***") != std::string::npos;
    EXPECT_TRUE(diagram || says) << text.substr(0, 2000);
    if (c.says != nullptr) {
      EXPECT_NE(text.find(c.says), std::string::npos) << c.says;
    }
  }
  ProjectModel tooMany = Base();
  EXPECT_FALSE(SetRecordCount(tooMany, RecordKind::ReinforcingLine, 100000));
}

}  // namespace
}  // namespace tarnix
