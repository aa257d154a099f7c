// The bar design search: a column sized by hand, the limits on spacing and steel ratio, a load nothing
// carries, and the best arrangement saved, read back and run to the utilisation the search reported.
#include "run/design_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/project_file.h"
#include "report/csv_export.h"
#include "run/calculation_run.h"
#include "strength/section_analysis.h"
#include "temp_folder.h"
#include "test_sections.h"

namespace tarnix {
namespace {

// A 16 x 16 in column, f'c 4000 psi, fy 60000 psi, ACI 318-19, bent about the horizontal axis by one
// load: 4 bars (one in each corner) of the sizes asked for, cover 1.5 in to a #3 tie.
ProjectModel SquareColumn(float P, float Mkft) {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, "aci19");
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 16, 16, 1};
  m.fpc = 4000, m.fy = 60000, m.Er = 29e6f, m.a1 = 0.85f, m.b1 = 0.85f, m.em = 0.003f;
  m.phiT = 0.9f, m.phiC = 0.65f;
  SetLoadCount(m, 1);
  m.loads[1].P = P * 1000;
  m.loads[1].M = Mkft * 12000;
  return m;
}

DesignSettings CornerBars(std::vector<std::string> sizes) {
  DesignSettings s;
  s.sizes = std::move(sizes);
  s.cover = 1.5f;
  s.tie = "#3";
  s.minBars = s.maxBars = 2;
  return s;
}

const DesignCandidate* Find(const DesignResult& r, const std::string& size, int barsX, int barsY) {
  for (const DesignCandidate& c : r.candidates)
    if (c.size == size && c.barsX == barsX && c.barsY == barsY) return &c;
  return nullptr;
}

// Design moment capacity phi Mn (k-in) at P = 0 of the square column with two bars of area Ab (in^2) and
// diameter db at each face, by strain compatibility with the top bars above the stress block (checked)
// and the bottom bars yielding (checked), tension-controlled (phi 0.9, checked):
//   Cc = 0.85 f'c b beta1 c = 0.85 x 4 x 16 x 0.85 c = 46.24 c kip
//   Cs = As' Es 0.003 (c - d') / c = 87 As' (c - d') / c kip,  T = As fy = 60 As kip
//   Cc + Cs - T = 0  ->  46.24 c^2 + (87 - 60) As c - 87 As d' = 0   (As = As' = 2 Ab)
//   Mn = Cc (8 - a / 2) + Cs (8 - d') + T (d - 8) about the centroid at mid-depth.
double HandCapacity(double Ab, double db) {
  const double As = 2 * Ab, dTop = 1.5 + 0.375 + db / 2, d = 16 - dTop;
  const double B = 27 * As, C = -87 * As * dTop;
  const double c = (-B + std::sqrt(B * B - 4 * 46.24 * C)) / (2 * 46.24);
  const double a = 0.85 * c;
  EXPECT_LT(a, dTop);                        // the top bars displace no block concrete
  const double fsTop = 87 * (c - dTop) / c;  // ksi, within +-60: elastic
  EXPECT_LT(std::abs(fsTop), 60.0);
  EXPECT_GT(0.003 * (d - c) / c, 60.0 / 29000 + 0.003);  // tension-controlled: phi 0.9
  const double Mn = 46.24 * c * (8 - a / 2) + As * fsTop * (8 - dTop) + 60 * As * (d - 8);
  return 0.9 * Mn;
}

// 4 #8: c = 2.2356 in, phi Mn = 1092 k-in = 91.0 k-ft; 4 #9: c = 2.5014 in, phi Mn = 1344 k-in = 112.0 k-ft.
// At Mu = 100 k-ft the search must take 4 #9: 4 #7 (2.40 in^2) is below 1 % of 256 in^2, 4 #8 does not
// carry the load, and 4 #10 is heavier than 4 #9 and not checked.
TEST(DesignSearch, SmallestCornerBarsThatCarryTheMomentByStrainCompatibility) {
  const double phiMn8 = HandCapacity(0.79, 1.0), phiMn9 = HandCapacity(1.00, 1.128);
  EXPECT_NEAR(phiMn8 / 12, 91.0, 0.1);
  EXPECT_NEAR(phiMn9 / 12, 112.0, 0.1);
  const ProjectModel m = SquareColumn(0, 100);
  const DesignResult r = SearchDesign(m, CornerBars({"#7", "#8", "#9", "#10"}));
  ASSERT_TRUE(r.problem.empty()) << r.problem;
  ASSERT_EQ(r.passing, 1);
  const DesignCandidate& best = r.candidates.front();
  EXPECT_EQ(best.size, "#9");
  EXPECT_EQ(best.count, 4);
  EXPECT_NEAR(best.rho, 4.0 / 256, 1e-6);
  EXPECT_NEAR(best.utilisation, 100 * 12 / phiMn9, 2e-4);
  EXPECT_EQ(best.worstLoad, 1);
  const struct {
    const char* size;
    DesignRejection rejection;
    double utilisation;  // 0: not checked against the load
  } rows[] = {
      {"#7", DesignRejection::RatioLow, 0},
      {"#8", DesignRejection::Load, 100 * 12 / phiMn8},
      {"#10", DesignRejection::NotChecked, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.size);
    const DesignCandidate* c = Find(r, row.size, 2, 2);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->rejection, row.rejection);
    EXPECT_NEAR(c->utilisation, row.utilisation, 2e-4);
  }
  EXPECT_EQ(Find(r, "#8", 2, 2)->failedLoad, 1);

  // 0.5 % above the capacity of 4 #9, which the section analysis would let pass: the search takes 4 #10.
  const DesignResult over = SearchDesign(SquareColumn(0, 1.005 * phiMn9 / 12), CornerBars({"#9", "#10"}));
  ASSERT_EQ(over.passing, 1);
  EXPECT_EQ(over.candidates.front().size, "#10");
  EXPECT_EQ(Find(over, "#9", 2, 2)->rejection, DesignRejection::Load);

  // The full table checks 4 #10 as well, which passes after 4 #9.
  DesignSettings full = CornerBars({"#7", "#8", "#9", "#10"});
  full.fullTable = true;
  const DesignResult all = SearchDesign(m, full);
  ASSERT_EQ(all.passing, 2);
  EXPECT_EQ(all.candidates[0].size, "#9");
  EXPECT_EQ(all.candidates[1].size, "#10");
}

// Spacing, ratio and fit decided by hand: bar centres cover + tie + db / 2 from the faces; clear spacing
// span / (bars - 1) - db against max(1.5 in, 1.5 db); rho = n Ab / Ag against 1 % and 8 % (ACI 318-19).
TEST(DesignSearch, SpacingRatioAndCoverRejectTheRightArrangements) {
  struct Row {
    const char* what;
    float width, depth, radius;  // a rectangle, or a circle when radius > 0
    const char* size;
    int barsX, barsY;
    DesignRejection rejection;
    float clear, rho;
  };
  const Row rows[] = {
      // 12 x 12, #8 at 1.5 + 0.5 + 0.5 = 2.5 in: span 7 in. Three a face: 3.5 - 1 = 2.5 >= 1.5; rho 8 x 0.79
      // / 144.
      {"three a face", 12, 12, 0, "#8", 3, 3, DesignRejection::None, 2.5f, 6.32f / 144},
      // Four a face: 7 / 3 - 1 = 1.333 < 1.5.
      {"four a face", 12, 12, 0, "#8", 4, 3, DesignRejection::Spacing, 1.3333f, 10 * 0.79f / 144},
      // 18 x 18, #11 (1.41 in, 1.56 in^2) five a face: span 18 - 2 (2 + 0.705) = 12.59, clear 12.59 / 4
      // - 1.41
      // = 1.7375: above 1.5 in, below 1.5 db = 2.115; rho 16 x 1.56 / 324 = 7.7 %.
      {"1.5 db governs", 18, 18, 0, "#11", 5, 5, DesignRejection::Spacing, 1.7375f, 16 * 1.56f / 324},
      // 12 #11 a 12 x 12: 18.72 / 144 = 13 % > 8 % (checked before the spacing).
      {"too much steel", 12, 12, 0, "#11", 4, 4, DesignRejection::RatioHigh, 6.59f / 3 - 1.41f, 18.72f / 144},
      // 4 #5 in 24 x 24: 1.24 / 576 = 0.215 % < 1 %.
      {"too little steel", 24, 24, 0, "#5", 2, 2, DesignRejection::RatioLow, 24 - 2 * 2.3125f - 0.625f,
       1.24f / 576},
      // A 4 in square has no room inside 2 + 0.5 in of cover and tie on each side.
      {"no room", 4, 4, 0, "#8", 2, 2, DesignRejection::NoFit, 4 - 5.0f - 1, 3.16f / 16},
      // Circle R 10, 8 #8 on r 7.5: chord 2 x 7.5 sin 22.5 deg = 5.740, clear 4.740; rho 6.32 / (pi 100).
      {"eight on a circle", 0, 0, 10, "#8", 8, 0, DesignRejection::None, 4.7403f, 6.32f / 314.159f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ProjectModel m = SquareColumn(100, 10);
    if (row.radius > 0) {
      SetRecordCount(m, RecordKind::ConcreteRect, 0);
      SetRecordCount(m, RecordKind::ConcreteCircle, 1);
      m.circles[1] = {row.radius, row.radius, 1};
    } else {
      m.rects[1] = {0, row.depth, row.width, 1};
    }
    DesignSettings s;
    s.pattern = row.radius > 0 ? BarPattern::Circular : BarPattern::Rectangular;
    s.sizes = {row.size};
    s.cover = 1.5f;
    s.tie = "#4";
    s.minBars = s.maxBars = row.barsX;
    if (row.barsY > 0) s.minBars = std::min(row.barsX, row.barsY), s.maxBars = std::max(row.barsX, row.barsY);
    s.fullTable = true;
    const DesignResult r = SearchDesign(m, s);
    ASSERT_TRUE(r.problem.empty()) << r.problem;
    const DesignCandidate* c = Find(r, row.size, row.barsX, row.barsY);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->rejection, row.rejection);
    if (row.rejection != DesignRejection::NoFit) {
      EXPECT_NEAR(c->clearSpacing, row.clear, 1e-3);
    }
    EXPECT_NEAR(c->rho, row.rho, 1e-5);
  }
}

// A fixed count of 8 bars leaves the arrangements with 2 nx + 2 ny - 4 = 8, nx + ny = 6: 2 x 4, 3 x 3 and
// 4 x 2 per face; a fixed size leaves that size alone.
TEST(DesignSearch, FixedCountAndSizeLeaveTheirArrangementsOnly) {
  DesignSettings s = CornerBars({"#6", "#7"});
  s.maxBars = 5;
  s.fixedCount = 8;
  s.fixedSize = "#8";
  s.fullTable = true;
  const DesignResult r = SearchDesign(SquareColumn(100, 10), s);
  std::vector<std::pair<int, int>> faces;
  for (const DesignCandidate& c : r.candidates) {
    EXPECT_EQ(c.size, "#8");
    EXPECT_EQ(c.count, 8);
    faces.emplace_back(c.barsX, c.barsY);
  }
  std::sort(faces.begin(), faces.end());
  EXPECT_EQ(faces, (std::vector<std::pair<int, int>>{{2, 4}, {3, 3}, {4, 2}}));
}

// 3000 kip on a 16 x 16 in column: even 8 % steel (20.48 in^2) gives only 0.80 x 0.65 x (0.85 x 4 x
// (256 - 20.48) + 60 x 20.48) = 1055 kip. The search names the load.
TEST(DesignSearch, LoadNothingCarriesIsNamed) {
  ProjectModel m = SquareColumn(100, 10);
  SetLoadCount(m, 2);
  m.loads[1] = {};
  m.loads[1].P = 100000, m.loads[1].M = 120000;
  m.loads[2].P = 3000000, m.loads[2].M = 120000;
  DesignSettings s = CornerBars({"#8", "#10", "#11"});
  s.maxBars = 5;
  const DesignResult r = SearchDesign(m, s);
  EXPECT_EQ(r.passing, 0);
  EXPECT_EQ(r.nothingFound, "no candidate within 8 % steel carries load condition 2");

  // Settings that stop short of the limit name their strongest arrangement: 8 #8, 6.32 / 256 = 2.47 %.
  s.sizes = {"#8"};
  s.maxBars = 3;
  EXPECT_EQ(SearchDesign(m, s).nothingFound, "no candidate up to 2.47 % steel carries load condition 2");

  // Nothing within the limits at all.
  s.sizes = {"#3"};
  s.maxBars = 2;
  EXPECT_EQ(SearchDesign(m, s).nothingFound,
            "no candidate meets the steel ratio limits (1 % to 8 %), the clear spacing and the cover");
}

// A load the analysis refuses (beyond 1E+20) stops every candidate: the message and the table say why, the
// table's reason in quotes for its commas.
TEST(DesignSearch, SectionTheAnalysisRefusesIsNamed) {
  ProjectModel m = SquareColumn(100, 10);
  m.loads[1].P = 2e20f;
  m.designResult = SearchDesign(m, CornerBars({"#8"}));
  const std::string why =
      "An input value is too large to analyse (dimensions up to 1E+06, areas, strengths and moduli up to "
      "1E+12, loads up to 1E+20)";
  EXPECT_EQ(m.designResult.nothingFound, "no candidate can be analysed: " + why);
  EXPECT_NE(DesignCsv(m).find(",rejected,\"section not analysed: " + why + "\"\n"), std::string::npos)
      << DesignCsv(m);
}

class DesignApplied : public TempFolderTest {};

// The best arrangement, saved as a project file, read back and run as a calculation, gives the
// utilisation the search reported: for the corner column bent about both axes and slender about both.
TEST_F(DesignApplied, SavedBestArrangementRunsToTheReportedUtilisation) {
  struct Row {
    const char* file;
    std::vector<std::string> sizes;
  };
  const Row rows[] = {{"corner_column.json", {"#7", "#8", "#9"}}, {"rect_column.in", {"#8", "#9", "#10"}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    ProjectModel m;
    ASSERT_TRUE(LoadModelFile(m, std::string(TARNIX_EXAMPLES_DIR) + "/" + row.file).ok());
    DesignSettings s = DefaultDesignSettings(m);
    s.sizes = row.sizes;
    s.maxBars = 5;
    const DesignResult r = SearchDesign(m, s);
    ASSERT_GT(r.passing, 0) << r.nothingFound;
    const DesignCandidate& best = r.candidates.front();
    ProjectModel applied = WithArrangement(m, s, best);
    applied.design = s;
    ASSERT_TRUE(WriteProjectFile(applied, Path("best.json")).ok());
    ProjectModel reloaded;
    ASSERT_TRUE(LoadModelFile(reloaded, Path("best.json")).ok());
    ASSERT_TRUE(reloaded.design.has_value());
    EXPECT_EQ(reloaded.design->sizes, row.sizes);
    RunAnalyses(reloaded);
    double worst = 0;
    for (int i = 1; i <= reloaded.ns; ++i) {
      const LoadJudgement j = JudgeLoad(reloaded, i);
      ASSERT_EQ(j.problem, nullptr);
      EXPECT_FALSE(LoadBeyondCapacity(reloaded, i));
      worst = std::max(worst, j.ratio);
    }
    EXPECT_FLOAT_EQ(static_cast<float>(worst), best.utilisation);
  }
}

}  // namespace
}  // namespace tarnix
