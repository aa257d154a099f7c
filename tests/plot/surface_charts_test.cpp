// Sections of the interaction surface: the contour at an axial load, how far a ray reaches on it, and the
// charts and files drawn from them.
#include "plot/surface_charts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "hand_surface.h"
#include "model/file_write.h"
#include "plot/svg_writer.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

// The hand surface's meridians run -100 -> 0 -> 200 kip with 0 -> 50 -> 0 k-ft. At 100 kip each lies halfway
// up its upper branch, 25 k-ft along its own direction; at -50 kip halfway up the lower one, 25 k-ft; at 200
// kip the contour closes to the origin. The design meridians are 0.9 x (-100, 0), 0.9 x (0, 50) and
// 0.65 x (200, 0) = (130, 0): at 100 kip 45 x (1 - 100 / 130) = 10.385 k-ft.
TEST(SurfaceContour, InterpolatedOnEveryMeridianAtTheAxialLoad) {
  const ProjectModel m = HandSurfaceColumn();
  const struct {
    bool design;
    double P, expected;
  } cases[] = {{false, 100, 25}, {false, -50, 25}, {false, 200, 0}, {false, 0, 50}, {true, 100, 10.3846}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "P " << c.P << (c.design ? " design" : " nominal"));
    const std::vector<PlotPoint> contour = ContourAt(SurfaceCurves(m, c.design), c.P);
    ASSERT_EQ(contour.size(), 4u);
    const PlotPoint expected[] = {{c.expected, 0}, {0, c.expected}, {-c.expected, 0}, {0, -c.expected}};
    for (size_t k = 0; k < 4; ++k) {
      EXPECT_NEAR(contour[k].x, expected[k].x, 1e-4);
      EXPECT_NEAR(contour[k].y, expected[k].y, 1e-4);
    }
  }
  // Beyond the ends of the meridians there is no section.
  EXPECT_TRUE(ContourAt(SurfaceCurves(m, false), 200.5).empty());
  EXPECT_TRUE(ContourAt(SurfaceCurves(m, false), -100.5).empty());
}

// The diamond of radius 25: along an axis the ray reaches 25; at 45 degrees it meets the edge x + y = 25 at
// x = y = 12.5, 25 / sqrt 2 = 17.678 from the origin; at 30 degrees t (cos 30 + sin 30) = 25, t = 18.301.
// A contour that leaves the origin outside is met twice, and the far crossing counts; a ray past it misses.
// A contour closed to the origin (an end of the surface) is reached at 0 in every direction; one closed to
// another point only along its own line.
TEST(SurfaceContour, RayReachOnTheContour) {
  const std::vector<PlotPoint> diamond = {{25, 0}, {0, 25}, {-25, 0}, {0, -25}};
  const std::vector<PlotPoint> offset = {{10, -1}, {12, 0}, {10, 1}, {8, 0}};
  const std::vector<PlotPoint> origin = {{0, 0}, {0, 0}, {0, 0}}, point = {{3, 0}, {3, 0}, {3, 0}};
  const double degree = std::acos(-1.0) / 180;
  const struct {
    const std::vector<PlotPoint>* contour;
    double angle;
    double expected;  // negative: no crossing
  } cases[] = {{&diamond, 0, 25},       {&diamond, 90, 25}, {&diamond, 180, 25}, {&diamond, 45, 17.6777},
               {&diamond, 30, 18.3013}, {&offset, 0, 12},   {&offset, 90, -1},   {&origin, 30, 0},
               {&point, 0, 3},          {&point, 180, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "angle " << c.angle);
    const std::optional<double> reach = RayReach(*c.contour, c.angle * degree);
    ASSERT_EQ(reach.has_value(), c.expected >= 0);
    if (reach) {
      EXPECT_NEAR(*reach, c.expected, 1e-4);
    }
  }
}

// The load's direction: Mx 30, My 40 k-ft points at 53.13 degrees. On the nominal diamonds the ray meets the
// edge x + y = r at t (0.6 + 0.8) = r, t = r / 1.4: at 100 kip (r = 25) 17.857 k-ft.
TEST(SurfaceCharts, DiagramInTheLoadsDirectionAndContourAtItsAxialLoad) {
  const ProjectModel m = HandSurfaceColumn();
  const Chart direction = LoadDirectionChart(m, 1);
  ASSERT_TRUE(direction.Plottable()) << direction.message;
  bool atLoad = false;
  for (const PlotPoint& p : direction.series.at(0).points) {
    if (std::abs(p.y - 100) < 1e-9) {
      atLoad = true;
      EXPECT_NEAR(p.x, 25 / 1.4, 1e-4);
    }
  }
  EXPECT_TRUE(atLoad);
  ASSERT_FALSE(direction.markers.empty());
  EXPECT_NEAR(direction.markers.back().at.x, 50, 1e-9);  // |M| = sqrt(30^2 + 40^2)
  EXPECT_NEAR(direction.markers.back().at.y, 100, 1e-9);
  // No calculation has judged the load: it stands at its entered moments, without a verdict.
  EXPECT_EQ(direction.markers.back().kind, MarkerKind::LoadCondition);
  EXPECT_EQ(direction.markers.back().legend, kInitialMomentLoadLegend);

  const Chart contour = MomentContourChart(m, 1);
  ASSERT_TRUE(contour.Plottable()) << contour.message;
  const std::vector<PlotPoint>& diamond = contour.series.at(0).points;
  ASSERT_EQ(diamond.size(), 5u);  // closed: the first point again
  EXPECT_NEAR(diamond[1].y, 25, 1e-4);
  // One scale on both axes, the load (30, 40) in view.
  EXPECT_EQ(contour.x.min, contour.y.min);
  EXPECT_EQ(contour.x.max, contour.y.max);
  EXPECT_GE(contour.x.max, 40);

  // A surface with a flat top: each meridian reaches the 200 kip cap 20 k-ft out along its direction, then
  // closes to the axis at the cap. The diagram ends on the cap at 20 / 1.4 = 14.286 k-ft and runs in to 0.
  ProjectModel flat = HandSurfaceColumn();
  for (InteractionDiagram& d : flat.interactionSurface.meridians) {
    d.idCount = 4;
    d.idDepth.insert(d.idDepth.begin() + 3, 20);
    d.idAxial.insert(d.idAxial.begin() + 3, 200000);
    d.idMoment.insert(d.idMoment.begin() + 3, d.idMoment[2] * 0.4f);
    d.idMomentY.insert(d.idMomentY.begin() + 3, d.idMomentY[2] * 0.4f);
    d.idTensileStrain.insert(d.idTensileStrain.begin() + 3, 0);
  }
  const Chart flatChart = LoadDirectionChart(flat, 1);
  const std::vector<PlotPoint>& nominal = flatChart.series.at(0).points;
  ASSERT_GE(nominal.size(), 2u);
  EXPECT_NEAR(nominal[nominal.size() - 2].x, 20 / 1.4, 1e-4);
  EXPECT_NEAR(nominal.back().x, 0, 1e-9);
  EXPECT_NEAR(nominal.back().y, 200, 1e-9);

  ProjectModel beyond = HandSurfaceColumn();
  beyond.loads[1].P = 250000;
  EXPECT_FALSE(MomentContourChart(beyond, 1).Plottable());
}

// The diagram of the horizontal axis alone cannot judge a load bent about both axes: its marker carries the
// load's capacity on the surface and the verdict given there.
TEST(SurfaceCharts, DiagramOfTheHorizontalAxisCarriesTheBiaxialVerdict) {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 1);
  m.loads[1].P = 100000, m.loads[1].M = -360000, m.loads[1].My = 480000;
  RunAnalyses(m);
  const Chart chart = InteractionChart(m);
  EXPECT_EQ(chart.title, "INTERACTION DIAGRAM ABOUT THE HORIZONTAL AXIS");
  ASSERT_FALSE(chart.markers.empty());
  EXPECT_NE(chart.markers.back().tip.find("My = 40.0 k-ft\nphiMn = "), std::string::npos)
      << chart.markers.back().tip;
  EXPECT_NE(chart.markers.back().tip.find(" on the interaction surface\nMoment ratio = "), std::string::npos);
}

class SurfaceSvgFiles : public TempFolderTest {};

// Only a two-dimensional model has a contour and a diagram in its load's direction per load.
TEST_F(SurfaceSvgFiles, ContourAndDirectionFilesForTwoDimensionalModelsOnly) {
  ProjectModel m = HandSurfaceColumn();
  const InteractionSurface surface = m.interactionSurface;
  RunAnalyses(m);
  m.interactionSurface = surface;
  ASSERT_TRUE(WriteSvgFiles(m, dir_.string()));
  for (const char* name : {"contour_1.svg", "pm_1.svg"}) {
    const std::string svg = ReadFileContent(Path(name), 1 << 22).value_or("");
    EXPECT_NE(svg.find("<polyline"), std::string::npos) << name;
  }
  std::filesystem::remove(Path("contour_1.svg"));
  m.loads[1].My = 0;
  ASSERT_TRUE(WriteSvgFiles(m, dir_.string()));
  EXPECT_FALSE(std::filesystem::exists(Path("contour_1.svg")));
}

}  // namespace
}  // namespace tarnix
