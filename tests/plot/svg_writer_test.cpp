// SVG documents: well formed, and their coordinates are the chart's data in the frame.
#include "plot/svg_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>

#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/file_write.h"
#include "model/input_file.h"
#include "temp_folder.h"
#include "analysed_input.h"

namespace tarnix {
namespace {

// Checks that every element is closed in order and that text holds no bare markup characters; returns the
// problem, or "" for a well-formed document.
std::string XmlProblem(const std::string& xml) {
  std::vector<std::string> open;
  size_t pos = xml.find("<svg");
  if (pos == std::string::npos) return "no svg element";
  while ((pos = xml.find('<', pos)) != std::string::npos) {
    const size_t end = xml.find('>', pos);
    if (end == std::string::npos) return "unterminated tag";
    const std::string tag = xml.substr(pos + 1, end - pos - 1);
    const size_t nameEnd = tag.find_first_of(" />");
    if (tag[0] == '/') {
      if (open.empty() || open.back() != tag.substr(1)) return "mismatched </" + tag.substr(1) + ">";
      open.pop_back();
    } else if (tag.back() != '/') {
      open.push_back(tag.substr(0, nameEnd));
    }
    pos = end + 1;
    const size_t next = xml.find('<', pos);
    const std::string text = xml.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
    if (text.find('>') != std::string::npos) return "bare > in text";
  }
  return open.empty() ? "" : "unclosed <" + open.back() + ">";
}

// The points of the which-th polyline of a document.
std::vector<PlotPoint> PolylinePoints(const std::string& svg, size_t which) {
  size_t at = svg.find("<polyline ");
  for (size_t k = 0; k < which && at != std::string::npos; ++k) at = svg.find("<polyline ", at + 1);
  std::vector<PlotPoint> points;
  if (at == std::string::npos) return points;
  const size_t begin = svg.find("points=\"", at) + 8;
  std::istringstream in(svg.substr(begin, svg.find('"', begin) - begin));
  std::string pair;
  while (in >> pair) {
    const size_t comma = pair.find(',');
    points.push_back({std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1))});
  }
  return points;
}

ProjectModel Column() {
  ProjectModel m = TwoLayerColumn("aci02");
  SetLoadCount(m, 1);
  m.loads[1].P = 200000, m.loads[1].M = 1200000;
  RunAnalyses(m);
  return m;
}

TEST(ChartSvg, SeriesCoordinatesAreTheDataMappedIntoThePlotArea) {
  const Chart chart = InteractionChart(Column());
  const SvgFrame frame;
  const std::string svg = ChartSvg(chart, frame);
  EXPECT_EQ(XmlProblem(svg), "") << svg.substr(0, 400);
  EXPECT_NE(svg.find(">MOMENT (k-ft)</text>"), std::string::npos);
  const double width = frame.width - frame.left - frame.right,
               height = frame.height - frame.top - frame.bottom;
  for (size_t s = 0; s < chart.series.size(); ++s) {
    const std::vector<PlotPoint> drawn = PolylinePoints(svg, s);
    ASSERT_EQ(drawn.size(), chart.series[s].points.size());
    for (size_t k = 0; k < drawn.size(); ++k) {
      const double x = chart.x.min + (drawn[k].x - frame.left) / width * (chart.x.max - chart.x.min);
      const double y = chart.y.max - (drawn[k].y - frame.top) / height * (chart.y.max - chart.y.min);
      // Coordinates are written to 0.01 px.
      EXPECT_NEAR(x, chart.series[s].points[k].x, 0.006 * (chart.x.max - chart.x.min) / width);
      EXPECT_NEAR(y, chart.series[s].points[k].y, 0.006 * (chart.y.max - chart.y.min) / height);
    }
  }
  // Every marker carries its values as a title, which a browser shows on hover.
  for (const ChartMarker& marker : chart.markers) {
    EXPECT_NE(svg.find("<title>" + marker.tip + "</title>"), std::string::npos) << marker.tip;
  }
}

class SvgFiles : public TempFolderTest {};

TEST_F(SvgFiles, OneFilePerViewAndACurvePerLoadWithResults) {
  const ProjectModel m = AnalysedInput(std::string(TARNIX_EXAMPLES_DIR) + "/circular_spiral.in");
  ASSERT_TRUE(WriteSvgFiles(m, dir_.string()));
  for (const char* name : {"section.svg", "interaction.svg", "mc_1.svg", "mc_2.svg", "mc_3.svg"}) {
    EXPECT_EQ(XmlProblem(ReadFileContent(Path(name), 1 << 22).value_or("")), "") << name;
  }
  EXPECT_FALSE(std::filesystem::exists(Path("mc_4.svg")));
  EXPECT_FALSE(WriteSvgFiles(m, Path("missing/folder")));
}

}  // namespace
}  // namespace tarnix
