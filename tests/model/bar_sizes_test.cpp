#include "model/bar_sizes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarnix {
namespace {

// Every area is the nominal circle's (to the rounding of the printed areas), and each series grows from the smallest bar up.
TEST(BarSizes, AreasAreTheNominalCirclesAndGrow) {
  const BarSize* previous = nullptr;
  for (const BarSize& b : AllBarSizes()) {
    SCOPED_TRACE(std::string(b.name));
    const double circle = 3.14159265 * b.diameter * b.diameter / 4;
    EXPECT_NEAR(b.area / circle, 1.0, 0.02);  // #4: 0.20 printed for 0.196
    if (previous && previous->series == b.series) {
      EXPECT_GT(b.area, previous->area);
    }
    previous = &b;
  }
}

TEST(BarSizes, NamesUnitsAndSeries) {
  ASSERT_TRUE(FindBarSize(" #8 "));
  EXPECT_FLOAT_EQ(FindBarSize("#8")->AreaIn(UnitSystem::English), 0.79f);
  EXPECT_NEAR(FindBarSize("#8")->AreaIn(UnitSystem::Metric), 0.79 * 645.16, 0.01);    // 509.7 mm^2
  EXPECT_NEAR(FindBarSize("25m")->DiameterIn(UnitSystem::English), 25.2 / 25.4, 1e-6);
  EXPECT_FLOAT_EQ(FindBarSize("20MM")->area, 314.2f);
  EXPECT_FALSE(FindBarSize("#12"));
  EXPECT_FALSE(FindBarSize(""));
  EXPECT_EQ(BarSizesFor(UnitSystem::English).size(), 11u);  // #3-#11, #14, #18
  EXPECT_EQ(BarSizesFor(UnitSystem::Metric).size(), 17u);   // 10M-55M and 10-40 mm
}

}  // namespace
}  // namespace tarnix
