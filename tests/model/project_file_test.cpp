// Project file: an exact round trip of every value it keeps, every example input file carried through it
// unchanged, the written form of loads, and damaged files refused with their line and column.
#include "model/project_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "model/defaults.h"
#include "model/file_write.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

// A value of the model the project file keeps, by the expression that reaches it.
struct FloatField {
  const char* name;
  float& (*at)(ProjectModel&);
};
struct IntField {
  const char* name;
  int& (*at)(ProjectModel&);
  int value;  ///< a value the file accepts, other than the reset one
};
#define FLOAT(expr) FloatField{#expr, [](ProjectModel& m) -> float& { return m.expr; }}
#define INT(expr, value) IntField{#expr, [](ProjectModel& m) -> int& { return m.expr; }, value}
#define LOAD(i)                                                                                           \
  FLOAT(loads[i].P), FLOAT(loads[i].M), FLOAT(loads[i].My), FLOAT(loads[i].V), FLOAT(loads[i].T),        \
      FLOAT(loads[i].di), FLOAT(loads[i].dj), FLOAT(loads[i].ri), FLOAT(loads[i].rj),                    \
      FLOAT(loads[i].M1ns), FLOAT(loads[i].M2ns), FLOAT(loads[i].M1s), FLOAT(loads[i].M2s),              \
      FLOAT(loads[i].BetaD), FLOAT(loads[i].BetaDs), FLOAT(loads[i].endY.M1ns), FLOAT(loads[i].endY.M2ns), \
      FLOAT(loads[i].endY.M1s), FLOAT(loads[i].endY.M2s), FLOAT(loads[i].endY.BetaD),                    \
      FLOAT(loads[i].endY.BetaDs)
#define POINT(table, p) FLOAT(table[p].strain), FLOAT(table[p].stress)

// Everything an input file holds, and the values of two dimensions.
const FloatField kFloats[] = {
    FLOAT(fpc), FLOAT(fy), FLOAT(fs), FLOAT(Ec), FLOAT(Er), FLOAT(Es), FLOAT(a1), FLOAT(b1), FLOAT(em),
    FLOAT(phiT), FLOAT(phiC), FLOAT(phiS), FLOAT(phiConc), FLOAT(phiReinf), FLOAT(phiStl),
    FLOAT(rects[1].Yt), FLOAT(rects[1].D), FLOAT(rects[1].W), FLOAT(rects[1].X), FLOAT(rects[2].Yt),
    FLOAT(rects[2].D), FLOAT(rects[2].W), FLOAT(rects[2].X), FLOAT(circles[1].Yc), FLOAT(circles[1].Rc),
    FLOAT(circles[1].Xc), FLOAT(lines[1].Yb), FLOAT(lines[1].Lb), FLOAT(lines[1].Ab), FLOAT(lines[1].Abl),
    FLOAT(lines[1].Xb), FLOAT(arcs[1].Y0), FLOAT(arcs[1].R0), FLOAT(arcs[1].Abeg), FLOAT(arcs[1].Atot),
    FLOAT(arcs[1].Aba), FLOAT(arcs[1].X0), FLOAT(steelRects[1].Ytb), FLOAT(steelRects[1].Db),
    FLOAT(steelRects[1].Wb), FLOAT(steelRects[1].Xcb), FLOAT(pipes[1].Ycp), FLOAT(pipes[1].Rcp),
    FLOAT(pipes[1].tp), FLOAT(pipes[1].Xcp), FLOAT(polygons[1].vertices[0].x),
    FLOAT(polygons[1].vertices[0].y),
    FLOAT(polygons[1].vertices[2].x), FLOAT(polygons[1].vertices[2].y), FLOAT(singleBars[1].x),
    FLOAT(singleBars[1].y), FLOAT(singleBars[1].area), LOAD(1), LOAD(2), FLOAT(L), FLOAT(Keff), FLOAT(Ieff),
    FLOAT(memberY.L), FLOAT(memberY.Keff), FLOAT(memberY.Ieff), FLOAT(mcAngle), FLOAT(ec0), FLOAT(fc0),
    FLOAT(Eci), FLOAT(ecu), FLOAT(fcu), FLOAT(fcc), FLOAT(esp), FLOAT(cover), FLOAT(ds), FLOAT(Dc), FLOAT(st),
    FLOAT(sl), FLOAT(xcl), FLOAT(ycl), FLOAT(fyh), FLOAT(esf), POINT(rpBL, 1), POINT(rpBL, 4), POINT(spBL, 1),
    POINT(spBL, 4), POINT(rpPA, 1), POINT(rpPA, 6), POINT(spPA, 1), POINT(spPA, 6)};
const IntField kInts[] = {
    INT(nr, 2), INT(nc, 1), INT(nl, 1), INT(na, 1), INT(nb, 1), INT(np, 1), INT(ns, 2), INT(npg, 1),
    INT(nsb, 1), INT(rects[1].rsign, -1), INT(circles[1].csign, -1), INT(polygons[1].psign, -1),
    INT(lines[1].Nbl, 7), INT(arcs[1].Nba, 9), INT(loads[2].Tloads, 1), INT(Vri, 0), INT(Vrj, 1), INT(Mri, 1),
    INT(Mrj, 1), INT(memberY.Vri, 1), INT(memberY.Mrj, 1), INT(SlendernessOption, 4), INT(surfaceAngles, 36),
    INT(concreteModel, 3), INT(reinfModel, 1), INT(steelModel, 1), INT(ParkModel, 1),
    INT(confinementOption, 4), INT(nx, 3), INT(ny, 5), INT(PerformMomentCurvature, 1)};

ProjectModel Reset() {
  ProjectModel m;
  ResetAll(m);
  return m;
}

TEST(ProjectFile, EveryValueRoundTripsExactly) {
  ProjectModel m = Reset();
  m.title = "Pier 3, \"north\"\tcolumn";
  m.units = "metric";
  SetUnitFactors(m);
  m.rects.resize(3), m.circles.resize(2), m.lines.resize(2), m.arcs.resize(2), m.steelRects.resize(2);
  m.pipes.resize(2), m.loads.resize(3), m.polygons.resize(2), m.singleBars.resize(2);
  m.polygons[1].vertices.resize(3);
  for (const IntField& f : kInts) f.at(m) = f.value;
  // Values with no short decimal form (n / 3, of every size), so that each must be written to the last
  // digit that tells it apart.
  int n = 0;
  for (const FloatField& f : kFloats) {
    ++n;
    f.at(m) = static_cast<float>(n / 3.0 * std::pow(-10.0, n % 9 - 4));
  }

  const std::string text = FormatProjectFile(m).value_or("");
  ASSERT_FALSE(text.empty());
  ProjectModel back = Reset();
  const Status read = ReadProjectText(back, text);
  ASSERT_TRUE(read.ok()) << read.detail << "\n" << text;
  EXPECT_EQ(back.title, m.title);
  EXPECT_EQ(back.units, "metric");
  for (const FloatField& f : kFloats) EXPECT_EQ(f.at(back), f.at(m)) << f.name;
  for (const IntField& f : kInts) EXPECT_EQ(f.at(back), f.value) << f.name;
  EXPECT_EQ(back.polygons[1].vertices.size(), 3u);
  EXPECT_EQ(FormatProjectFile(back), text);
}

// The example and verification input files, through the project file and back, give the same input file.
TEST(ProjectFile, EveryExampleInputFileComesBackUnchanged) {
  int files = 0;
  for (const char* folder : {TARNIX_EXAMPLES_DIR, TARNIX_EXAMPLES_DIR "/verification"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().extension() != ".in") continue;
      SCOPED_TRACE(entry.path().string());
      ++files;
      ProjectModel in = Reset();
      ASSERT_TRUE(LoadInputFile(in, entry.path().string()).ok());
      const std::string json = FormatProjectFile(in).value_or("");
      ProjectModel back = Reset();
      ASSERT_TRUE(ReadProjectText(back, json).ok()) << ReadProjectText(back, json).detail;
      EXPECT_EQ(FormatInputFile(back), FormatInputFile(in));
      EXPECT_EQ(FormatInputFile(back), ReadFileContent(entry.path().string(), 1 << 20));
    }
  }
  EXPECT_GE(files, 15);
}

// The project files among the examples and the complete example of the schema's page load complete.
TEST(ProjectFile, ExampleProjectsLoadComplete) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TARNIX_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".json") continue;
    SCOPED_TRACE(entry.path().string());
    ++files;
    ProjectModel m = Reset();
    const Status loaded = LoadProjectFile(m, entry.path().string());
    ASSERT_TRUE(loaded.ok()) << loaded.detail;
    EXPECT_EQ(FindInputProblem(m), "");
  }
  EXPECT_GE(files, 2);
  const std::string page =
      ReadFileContent(TARNIX_EXAMPLES_DIR "/../docs/project-file.md", 1 << 20).value_or("");
  const size_t begin = page.find("```json\n"), end = page.find("```\n", begin + 1);
  ASSERT_NE(end, std::string::npos);
  ProjectModel m = Reset();
  const Status read = ReadProjectText(m, page.substr(begin + 8, end - begin - 8));
  EXPECT_TRUE(read.ok()) << read.detail;
  EXPECT_EQ(FindInputProblem(m), "");
  EXPECT_EQ(m.PerformMomentCurvature, 1);
}

// The smallest complete project: one rectangle, one load of 100 kip and 50 k-ft about x and 20 k-ft about y.
const std::string kSmall = R"({
  "format": "tarnix-project",
  "version": 1,
  "criteria": "aci02",
  "units": "english",
  "materials": {"fpc": 4000, "fy": 60000, "fs": 36000, "Ec": 3605000, "Er": 29000000, "Es": 29000000},
  "stressBlock": {"a1": 0.85, "b1": 0.85, "em": 0.003},
  "factors": {"phiT": 0.9, "phiC": 0.65, "phiS": 0.75, "phiConc": 1, "phiReinf": 1, "phiStl": 1},
  "rectangles": [{"top": 0, "depth": 24, "width": 12, "sign": 1}],
  "loads": [{"P": 100, "M": 50, "My": 20}],
  "member": {"L": 0, "Keff": 1, "Ieff": 1, "Vri": true, "Vrj": false, "Mri": false, "Mrj": false,
             "slenderness": 1}
}
)";

TEST(ProjectFile, LoadsAreKeptInKipAndKipFeet) {
  ProjectModel m = Reset();
  ASSERT_TRUE(ReadProjectText(m, kSmall).ok()) << ReadProjectText(m, kSmall).detail;
  EXPECT_EQ(m.loads[1].P, 100000.0f);    // 100 kip = 100 000 lb
  EXPECT_EQ(m.loads[1].M, 600000.0f);    // 50 k-ft = 50 x 12 000 lb-in
  EXPECT_EQ(m.loads[1].My, 240000.0f);   // 20 k-ft
  EXPECT_EQ(m.rects[1].X, 0.0f);         // absent: on the vertical axis
  EXPECT_EQ(m.inc, 0.05f);               // control parameters follow the file's unit system
  EXPECT_EQ(m.PerformMomentCurvature, 0);  // no material models: no moment-curvature analysis
  const std::string text = FormatProjectFile(m).value_or("");
  EXPECT_NE(text.find("\n    {\"P\": 100, \"M\": 50, \"My\": 20, \"V\": 0, "), std::string::npos) << text;
}

// Each damaged text is refused with where it goes wrong and why, and the model stays as it was.
TEST(ProjectFile, DamagedFilesAreRefusedWithLineAndColumnAndLeaveTheModelUntouched) {
  const auto replaced = [](const std::string& from, const std::string& to) {
    std::string text = kSmall;
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const struct {
    std::string text;
    const char* reason;
  } cases[] = {
      {"  \n", "the file is empty"},
      {kSmall.substr(0, kSmall.find("\"loads\"")),
       "line 10, column 3: not valid JSON: syntax error while parsing object key - unexpected end of input; "
       "expected string literal"},
      {"\"arema\"\r\n\"english\"\r\n",  // an input file of the old form
       "line 2, column 1: not valid JSON: syntax error while parsing value - unexpected string literal; "
       "expected "
       "end of input"},
      {"\n  [1, 2]", "line 2, column 3: not a project file: the text is an array, not an object"},
      {"{\"format\": \"tarnix-project\", \"version\": 1, \"x\": tru}",
       "line 1, column 49: not valid JSON: syntax error while parsing value - invalid literal; "
       "last read: '\"x\": tru}'"},
      {replaced("tarnix-project", "tarnix-drawing"),
       "line 2, column 13: not a project file: format \"tarnix-drawing\" is not \"tarnix-project\""},
      {replaced("\"version\": 1", "\"version\": 2"),
       "line 3, column 14: version 2 is newer than this program reads (1)"},
      {replaced("\"width\": 12", "\"width\": \"12\""),
       "line 9, column 51: rectangles[1].width: expected a number, found a string"},
      {replaced("\"width\"", "\"widht\""), "line 9, column 42: rectangles[1]: unknown member \"widht\""},
      {replaced("\"fpc\": 4000, ", ""), "line 6, column 16: materials: no member \"fpc\""},
      {replaced("\"sign\": 1", "\"sign\": 0"), "line 9, column 63: rectangles[1].sign 0 is not one of 1, -1"},
      {replaced("\"fy\": 60000", "\"fy\": 6e40"), "line 6, column 36: materials.fy 6e40 is out of range"},
      {replaced("\"aci02\"", "\"aci2025\""),
       "line 4, column 15: criteria: unknown design criteria \"aci2025\""},
      {replaced("\"slenderness\": 1", "\"slenderness\": 1.5"),
       "line 12, column 29: member.slenderness: expected a whole number, found a number"},
      {replaced("\"Vri\": true", "\"Vri\": 1"),
       "line 11, column 51: member.Vri: expected true or false, found a number"},
      {replaced("\"P\": 100", "\"P\": 100, \"P\": 90"), "line 10, column 24: member \"P\" is given twice"},
      // The first '[' at column 53, the 32nd (the 33rd value open) at column 84.
      {"{\"format\": \"tarnix-project\", \"version\": 1, \"title\": " + std::string(40, '['),
       "line 1, column 84: values nested more than 32 deep"},
  };
  ProjectModel m = Reset();
  ASSERT_TRUE(LoadInputFile(m, TARNIX_EXAMPLES_DIR "/rect_column.in").ok());
  const std::string before = FormatProjectFile(m).value_or("");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const Status status = ReadProjectText(m, c.text);
    EXPECT_EQ(status.message, "Error reading input file");
    EXPECT_EQ(status.detail, c.reason);
    EXPECT_EQ(FormatProjectFile(m), before);
  }
}

// The design settings: sizes read by name into the table's own spelling and written back; a group with a
// size the table lacks or a member missing is refused where it stands.
TEST(ProjectFile, DesignSettingsAreKeptAndCheckedByName) {
  const std::string design =
      R"(,
  "design": {"pattern": "circular", "sizes": "#6,#8 , 25m", "cover": 2, "tie": "#3", "minBars": 6,
             "maxBars": 12, "fixedCount": 0, "fixedSize": "", "fullTable": true}
})";
  // kSmall with the group after its last member (line 13 on).
  std::string text = kSmall.substr(0, kSmall.rfind('}'));
  text = text.substr(0, text.rfind('}') + 1) + design + "\n";
  ProjectModel m = Reset();
  const Status read = ReadProjectText(m, text);
  ASSERT_TRUE(read.ok()) << read.detail;
  ASSERT_TRUE(m.design.has_value());
  EXPECT_EQ(m.design->pattern, BarPattern::Circular);
  EXPECT_EQ(m.design->sizes, (std::vector<std::string>{"#6", "#8", "25M"}));
  EXPECT_EQ(m.design->cover, 2.0f);
  EXPECT_TRUE(m.design->fullTable);
  const std::string written = FormatProjectFile(m).value_or("");
  EXPECT_NE(written.find("\"sizes\": \"#6, #8, 25M\""), std::string::npos) << written;
  ProjectModel again = Reset();
  ASSERT_TRUE(ReadProjectText(again, written).ok());
  EXPECT_EQ(FormatProjectFile(again), written);
  // A project without the group writes none.
  ASSERT_TRUE(ReadProjectText(m, kSmall).ok());
  EXPECT_FALSE(m.design.has_value());
  EXPECT_EQ(FormatProjectFile(m).value_or("").find("design"), std::string::npos);

  const struct {
    const char* from;
    const char* to;
    const char* reason;
  } cases[] = {
      {"25m", "#12", "line 13, column 46: design.sizes: unknown bar size list \"#6,#8 , #12\""},
      {"\"#3\"", "\"\"", "line 13, column 80: design.tie: unknown tie size \"\""},
      {"\"circular\"", "\"square\"", "line 13, column 25: design.pattern: unknown bar pattern \"square\""},
      {"\"fullTable\": true", "\"full\": true", "line 14, column 63: design: unknown member \"full\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.to);
    std::string damaged = text;
    damaged.replace(damaged.find(c.from), std::string(c.from).size(), c.to);
    const Status status = ReadProjectText(m, damaged);
    EXPECT_EQ(status.detail, c.reason);
  }
}

class ProjectFileSave : public TempFolderTest {};

TEST_F(ProjectFileSave, ChecksCompletenessAndKeepsTheEarlierFile) {
  ProjectModel m = Reset();
  ASSERT_TRUE(ReadProjectText(m, kSmall).ok());
  const std::string path = Path("column.json");
  ASSERT_TRUE(WriteProjectFile(m, path).ok());
  ProjectModel incomplete = m;
  incomplete.nr = 0;
  EXPECT_EQ(WriteProjectFile(incomplete, path).detail, "no concrete section");
  ProjectModel back = Reset();
  ASSERT_TRUE(LoadProjectFile(back, path).ok());
  EXPECT_EQ(FormatProjectFile(back), FormatProjectFile(m));

  // A model with moments about the vertical axis has no input-file form.
  const Status refused = WriteInputFile(m, Path("column.in"));
  EXPECT_EQ(refused.message, "Error writing input file");
  EXPECT_EQ(refused.detail, kInputFileIsOneDimensional);
  EXPECT_FALSE(std::filesystem::exists(Path("column.in")));
  EXPECT_FALSE(FormatInputFile(m).has_value());
}

// The member's choice of column stiffness lives in the project file only: written when chosen, read back,
// refused out of range, and a model that chooses it has no input-file form.
TEST_F(ProjectFileSave, KeepsTheColumnStiffnessChoiceOnly) {
  ProjectModel m = Reset();
  ASSERT_TRUE(ReadProjectText(m, kSmall).ok());
  ClearTwoDimensionalData(m);
  const std::string plain = FormatProjectFile(m).value_or("");
  ASSERT_FALSE(plain.empty());
  EXPECT_EQ(plain.find("columnStiffness"), std::string::npos);
  ASSERT_TRUE(FormatInputFile(m).has_value());

  m.columnStiffness = ColumnStiffnessChoice::ConcreteAndBars;
  const std::string path = Path("column.json");
  ASSERT_TRUE(WriteProjectFile(m, path).ok());
  ProjectModel back = Reset();
  ASSERT_TRUE(LoadProjectFile(back, path).ok());
  EXPECT_EQ(back.columnStiffness, ColumnStiffnessChoice::ConcreteAndBars);
  EXPECT_EQ(FormatProjectFile(back), FormatProjectFile(m));

  // So do a load's service loads, in the file's units.
  ProjectModel service = back;
  service.columnStiffness = ColumnStiffnessChoice::Criteria;
  service.loads[1].Ps = 2000, service.loads[1].Ms = 36000;
  ASSERT_TRUE(WriteProjectFile(service, path).ok());
  ASSERT_TRUE(LoadProjectFile(back, path).ok());
  EXPECT_FLOAT_EQ(back.loads[1].Ps, 2000);
  EXPECT_FLOAT_EQ(back.loads[1].Ms, 36000);
  EXPECT_EQ(WriteInputFile(service, Path("column.in")).detail, kInputFileHasProjectOnlyData);

  std::string damaged = FormatProjectFile(m).value_or("");
  damaged.replace(damaged.find("\"columnStiffness\": 2"), 21, "\"columnStiffness\": 4");
  EXPECT_FALSE(ReadProjectText(back, damaged).ok());

  const Status refused = WriteInputFile(m, Path("column.in"));
  EXPECT_EQ(refused.detail, kInputFileHasProjectOnlyData);
  EXPECT_FALSE(std::filesystem::exists(Path("column.in")));
  EXPECT_FALSE(FormatInputFile(m).has_value());
}

}  // namespace
}  // namespace tarnix
