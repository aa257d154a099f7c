// The criteria the program offers reach every place that stores or prints them.
#include "criteria/criteria.h"

#include <gtest/gtest.h>

#include "model/defaults.h"
#include "model/input_file.h"
#include "report/input_echo.h"

namespace tarnix {
namespace {

// Every entry of the window's list survives a save and a load of the input file in both unit systems,
// and the report's echo names it; criteria defined in metric units only stay metric.
TEST(Criteria, ListEntriesRoundTripThroughTheInputFileAndTheEcho) {
  const auto& list = CriteriaList();
  for (const CriteriaRules* rules : list) {
    for (const bool english : {true, false}) {
      SCOPED_TRACE(std::string(rules->key) + (english ? " english" : " metric"));
      ProjectModel m;
      ResetAll(m);
      ChooseCriteria(m, rules->key);
      ChooseUnits(m, english);
      EXPECT_EQ(m.unitSystem().IsEnglish(), english && !rules->metricOnly);

      const auto text = FormatInputFile(m);
      ASSERT_TRUE(text.has_value());
      ProjectModel back;
      ASSERT_TRUE(ReadInputText(back, *text).ok());
      EXPECT_EQ(back.criteria, rules->key);
      EXPECT_EQ(back.units, m.units);
      EXPECT_EQ(back.fpc, m.fpc);

      ReportWriter out;
      WriteInputEcho(back, std::tm{}, out);
      if (rules->echoLine != nullptr) {
        EXPECT_NE(out.Text().find(rules->echoLine), std::string::npos);
      }
    }
  }
}

}  // namespace
}  // namespace tarnix
