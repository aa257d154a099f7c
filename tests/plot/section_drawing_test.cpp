// Section drawing: where every record is drawn, and when the drawing can only suggest the arrangement.
#include "plot/section_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "analysed_input.h"
#include "model/defaults.h"
#include "model/model_edits.h"
#include "section/geometry.h"
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


// The L-shaped wall: legs 72 x 12 in. Gross area 72 x 12 + 60 x 12 = 864 + 720 = 1584 in^2; centroid
// x = y = (864 x 36 + 720 x 6) / 1584 = 35424 / 1584 = 22.364 in. The shape is symmetric about the diagonal
// y = x, so its principal axes run along it and across it; the arm tips lie farthest from the diagonal,
// (72 - 6) / sqrt(2) = 46.7 in against 23.5 in from the cross axis, so axis 1 (the larger I) is the diagonal.
// The pointer names each bar by its size (#8 is 0.79 in^2, #6 0.44 in^2) and finds the shape under it.
TEST(SectionDrawing, WallShowsItsCentroidPrincipalAxesAndBarSizes) {
  ProjectModel m = AnalysedInput(std::string(TARNIX_EXAMPLES_DIR) + "/l_wall.json");
  const SectionDrawing d = DrawSection(m);
  ASSERT_TRUE(d.hasCentroid);
  EXPECT_NEAR(d.centroidX, 22.364, 1e-3);
  EXPECT_NEAR(d.centroidY, 22.364, 1e-3);
  std::vector<std::string> labels;
  for (const DrawLine& line : d.lines) {
    labels.push_back(line.label);
    if (line.role != LineRole::PrincipalAxis) continue;
    // Along the diagonal dx = dy, across it dx = -dy: dx dy / length^2 is 1/2 or -1/2.
    const double dx = line.x2 - line.x1, dy = line.y2 - line.y1;
    EXPECT_NEAR(dx * dy / (dx * dx + dy * dy), line.label == "1" ? 0.5 : -0.5, 1e-4) << line.label;
    EXPECT_NEAR((line.x1 + line.x2) / 2, 22.364, 1e-3);  // through the centroid
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"x", "y", "1", "2"}));

  const struct {
    double x, y;
    RecordKind kind;
    int record;
    const char* tip;
  } points[] = {
      {2.5, 2.5, RecordKind::SingleBar, 1, "Single bar 1\n#8 (0.79 in^2)\nx = 2.5 in, y = 2.5 in"},
      {20.3, 2.5, RecordKind::SingleBar, 5, "Single bar 5\n#6 (0.44 in^2)\nx = 20 in, y = 2.5 in"},
      {40, 6, RecordKind::ConcretePolygon, 1, "Concrete polygon 1"},
      {40, 40, RecordKind::ConcreteRect, 0, nullptr},  // inside the legs' box, outside the wall
  };
  for (const auto& p : points) {
    SCOPED_TRACE(std::to_string(p.x) + ", " + std::to_string(p.y));
    const DrawShape* s = ShapeAt(d, p.x, p.y, 0.5);
    if (p.tip == nullptr) {
      EXPECT_EQ(s, nullptr);
      continue;
    }
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->source, p.kind);
    EXPECT_EQ(s->record, p.record);
    EXPECT_EQ(s->tip, p.tip);
  }
  // An area that is no table size is given as it is.
  m.singleBars[1].area = 0.5f;
  EXPECT_EQ(DrawSection(m).shapes[1].tip, "Single bar 1\nArea 0.5 in^2\nx = 2.5 in, y = 2.5 in");
}

// Load 1 of the corner column (24 x 24 in, x from -12 to 12) reaches its capacity at a neutral-axis angle
// of 36.06 degrees and a depth of 17.70 in (report). n = (-sin, cos) = (-0.58856, 0.80846); the least n.p
// is at the top right corner (12, 0): -7.0627, so the axis is n.p = -7.0627 + 17.70 = 10.637. On the left
// face 7.0627 + 0.80846 y = 10.637 gives y = 4.421; on the right face -7.0627 + 0.80846 y = 10.637 gives
// y = 21.892. The compression zone is the part above it: a trapezoid of 24 x (4.421 + 21.892) / 2 = 315.8 in^2.
TEST(SectionDrawing, NeutralAxisAndCompressionZoneAtALoadsCapacity) {
  const ProjectModel m = AnalysedInput(std::string(TARNIX_TESTS_DIR) + "/report/golden/corner_column.json");
  SectionDrawing d = DrawSection(m);
  AddNeutralAxis(m, 1, d);
  EXPECT_EQ(d.status, "Load condition 1: neutral axis at its capacity, angle 36.06 degrees, depth c = 17.70 in");
  const auto axis = std::find_if(d.lines.begin(), d.lines.end(),
                                 [](const DrawLine& l) { return l.role == LineRole::NeutralAxis; });
  ASSERT_NE(axis, d.lines.end());
  const bool leftFirst = axis->x1 < axis->x2;
  EXPECT_NEAR(leftFirst ? axis->y1 : axis->y2, 4.421, 0.05);
  EXPECT_NEAR(leftFirst ? axis->y2 : axis->y1, 21.892, 0.05);
  EXPECT_NEAR(std::min(axis->x1, axis->x2), -12, 1e-4);
  EXPECT_NEAR(std::max(axis->x1, axis->x2), 12, 1e-4);
  EXPECT_NEAR(std::abs(PropertiesOf(d.compressionZone).area), 315.8, 0.6);

  // A section bent about one axis has no such capacity to draw.
  ProjectModel upright = AnalysedInput(std::string(TARNIX_EXAMPLES_DIR) + "/rect_column.in");
  SectionDrawing plain = DrawSection(upright);
  AddNeutralAxis(upright, 1, plain);
  EXPECT_TRUE(plain.compressionZone.empty());
  EXPECT_EQ(plain.status, "Load condition 1: a neutral axis is drawn for a section in two dimensions");
}

}  // namespace
}  // namespace tarnix
