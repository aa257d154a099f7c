// The View menu: the diagram computed on demand, and the plotted load condition.
#include "editor/view_actions.h"

#include <gtest/gtest.h>

#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/model_edits.h"
#include "test_sections.h"

namespace tarnix {
namespace {

TEST(ViewActions, TheDiagramIsComputedOnlyWhenThereIsNone) {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 1);
  m.loads[1].P = 100000;
  ASSERT_TRUE(PrepareView(m, false).ok());
  EXPECT_EQ(m.interactionDiagram.idCount, 0);  // the drawing needs no diagram
  ASSERT_TRUE(PrepareView(m, true).ok());
  const int points = m.interactionDiagram.idCount;

  // The diagram of the last calculation is shown as it is, even after an edit.
  m.lines[1].Abl = 2;
  ASSERT_TRUE(PrepareView(m, true).ok());
  EXPECT_EQ(m.interactionDiagram.idCount, points);
}

TEST(ViewActions, PlotLoadStaysWithinTheLoadConditions) {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 1);
  m.mcPlotLoad = 3;
  EXPECT_FALSE(StartPlotLoadChoice(m));  // one load: plotted at once
  EXPECT_EQ(m.mcPlotLoad, 1);
  SetLoadCount(m, 3);
  EXPECT_TRUE(StartPlotLoadChoice(m));

  const struct {
    const char* typed;
    int load;
  } typed[] = {{"3", 3}, {"7", 3}, {"-2", 1}, {"2.6", 3}, {"abc", 1}, {"99999999999", 1}};
  for (const auto& t : typed) {
    m.mcPlotLoad = 2;
    TypePlotLoad(m, t.typed);
    EXPECT_EQ(m.mcPlotLoad, t.load) << t.typed;
  }
}

}  // namespace
}  // namespace tarnix
