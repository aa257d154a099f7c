// Section drawing: where every record is drawn, and when the drawing can only suggest the arrangement.
#include "plot/section_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/defaults.h"
#include "model/model_edits.h"
#include "test_sections.h"

namespace tarnix {
namespace {

std::vector<DrawShape> WithRole(const SectionDrawing& d, ShapeRole role) {
  std::vector<DrawShape> shapes;
  std::copy_if(d.shapes.begin(), d.shapes.end(), std::back_inserter(shapes),
               [role](const DrawShape& s) { return s.role == role; });
  return shapes;
}

TEST(SectionDrawing, RectangularColumnIsCentredWithBarsAtTheirDepthsAndDimensioned) {
  ProjectModel m = TwoLayerColumn("aci02");  // 12 x 20 in, three bars 2.5 in from each face
  const SectionDrawing d = DrawSection(m);
  EXPECT_TRUE(d.exact);
  const auto concrete = WithRole(d, ShapeRole::Concrete);
  ASSERT_EQ(concrete.size(), 1u);
  EXPECT_EQ(concrete[0].x, -6);  // centred on the section's axis
  EXPECT_EQ(concrete[0].h, 20);

  const auto bars = WithRole(d, ShapeRole::Bar);
  ASSERT_EQ(bars.size(), 6u);
  const double expectedX[] = {-3.5, 0, 3.5};
  for (size_t j = 0; j < 3; ++j) {
    EXPECT_NEAR(bars[j].x, expectedX[j], 1e-6);
    EXPECT_FLOAT_EQ(static_cast<float>(bars[j].y), 17.5f);
    EXPECT_NEAR(bars[j + 3].x, expectedX[j], 1e-6);
    EXPECT_FLOAT_EQ(static_cast<float>(bars[j + 3].y), 2.5f);
    EXPECT_NEAR(M_PI * bars[j].r * bars[j].r, 1.0, 1e-9);  // drawn to its area
  }
  ASSERT_EQ(d.dimensions.size(), 2u);
  EXPECT_EQ(d.dimensions[1].text, "20 in");
  EXPECT_LT(d.left, -6);  // the extent holds the dimension lines outside the section
  const std::string csv = SectionCsv(d);  // a row per shape
  EXPECT_EQ(csv.rfind("role,kind,x,y,w,h,r,t\nconcrete,rectangle,-6,0,12,20,0,0\n", 0), 0u) << csv;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + static_cast<long>(d.shapes.size()));

  ChooseUnits(m, false);
  EXPECT_EQ(DrawSection(m).dimensions[0].text, "12 mm");
}

TEST(SectionDrawing, ArcBarsKeepTheirExactPlacesAndFullCirclesDoNotDoubleABar) {
  ProjectModel m = HeavySection();  // 48 in circle, 24 bars on a full 360 degree arc, pipe at the centre
  const SectionDrawing d = DrawSection(m);
  EXPECT_TRUE(d.exact);
  const auto bars = WithRole(d, ShapeRole::Bar);
  ASSERT_EQ(bars.size(), 24u);
  for (size_t j = 0; j < bars.size(); ++j) {
    const double angle = 2 * M_PI * static_cast<double>(j) / 24;
    EXPECT_NEAR(bars[j].x, 21 * std::cos(angle), 1e-4) << j;
    EXPECT_NEAR(bars[j].y, 24 - 21 * std::sin(angle), 1e-3) << j;
  }
  EXPECT_EQ(WithRole(d, ShapeRole::Pipe).size(), 1u);
}

TEST(SectionDrawing, ComplexArrangementsAreDrawnButFlagged) {
  // A hollow box: the subtracted rectangle is a hole drawn after the concrete.
  ProjectModel hollow = TwoLayerColumn("aci02");
  SetRecordCount(hollow, RecordKind::ConcreteRect, 2);
  hollow.rects[1] = {0, 20, 12, 1};
  hollow.rects[2] = {5, 10, 6, -1};
  SectionDrawing d = DrawSection(hollow);
  EXPECT_FALSE(d.exact);
  EXPECT_EQ(d.status, "Plots for complex shapes may not represent actual configuration");
  ASSERT_EQ(WithRole(d, ShapeRole::Hole).size(), 1u);
  const auto hole = std::find_if(d.shapes.begin(), d.shapes.end(),
                                 [](const DrawShape& s) { return s.role == ShapeRole::Hole; });
  EXPECT_TRUE(
      std::all_of(d.shapes.begin(), hole, [](const DrawShape& s) { return s.role == ShapeRole::Concrete; }));
  EXPECT_EQ(d.dimensions[1].text, "20 in");  // holes do not change the outline

  // Side bars on vertical lines (depths 15 and 5) stand in line with the corner bars, left then right.
  ProjectModel sides = TwoLayerColumn("aci02");
  SetRecordCount(sides, RecordKind::ReinforcingLine, 4);
  sides.lines[3] = sides.lines[4] = {15, 10, 90, 2, 0.6f};
  const auto bars = WithRole(DrawSection(sides), ShapeRole::Bar);
  ASSERT_EQ(bars.size(), 10u);
  EXPECT_NEAR(bars[6].x, -3.5, 1e-6);
  EXPECT_NEAR(bars[7].y, 5, 1e-5);
  EXPECT_NEAR(bars[8].x, 3.5, 1e-6);

}

// While a section is typed its records pass through blank (all zero), negative and overflowing values: the
// drawing leaves such a record out and measures the rest, here the 12 x 20 in column.
TEST(SectionDrawing, RecordsBeingTypedAreLeftOutAndTheRestIsMeasured) {
  const struct {
    const char* what;
    ConcreteRect second;
  } cases[] = {
      {"a blank record after a new count", {0, 0, 0, 1}},
      {"a negative width", {30, 10, -12, 1}},
      {"a depth beyond any number", {0, INFINITY, 12, 1}},
      {"a top that is not a number", {NAN, 10, 12, 1}},
  };
  for (const auto& c : cases) {
    ProjectModel m = TwoLayerColumn("aci02");
    SetRecordCount(m, RecordKind::ConcreteRect, 2);
    m.rects[1] = {0, 20, 12, 1};
    m.rects[2] = c.second;
    const SectionDrawing d = DrawSection(m);
    ASSERT_TRUE(d.Drawable()) << c.what;
    EXPECT_EQ(WithRole(d, ShapeRole::Concrete).size(), 1u) << c.what;
    ASSERT_EQ(d.dimensions.size(), 2u) << c.what;
    EXPECT_EQ(d.dimensions[0].text, "12 in") << c.what;
    EXPECT_EQ(d.dimensions[1].text, "20 in") << c.what;
    EXPECT_TRUE(std::isfinite(d.left) && std::isfinite(d.top) && std::isfinite(d.right) &&
                std::isfinite(d.bottom))
        << c.what;
  }
}

}  // namespace
}  // namespace tarnix
