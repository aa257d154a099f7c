// tarnix-run: command line, exit codes, messages, the files it leaves and parallel runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <sstream>

#include "cli/batch_run.h"
#include "model/file_write.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

namespace fs = std::filesystem;

const char* kColumn =
    "\"Test column\"\r\n\"aci02\"\r\n\"english\"\r\n4000,60000,36000,3605000,2.9E+07,2.9E+07\r\n"
    ".85,.85,.003\r\n.9,.65,.75\r\n1,1,1\r\n1\r\n0,24,12,1\r\n0\r\n2\r\n2.5,7,0,3,.79\r\n21.5,7,0,3,.79\r\n"
    "0\r\n0\r\n0\r\n1\r\n100,50,0,0\r\n0,1,1\r\n1,1,0,0\r\n1\r\n";

class TarnixRun : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ASSERT_TRUE(ReplaceFileContent(Path("column.in"), kColumn));
  }

  int Run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunBatch(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return code;
  }

  std::string out_, err_;
};

TEST_F(TarnixRun, WritesTheReportBesideTheInputOrWhereAsked) {
  EXPECT_EQ(Run({Path("column.in")}), 0) << err_;
  EXPECT_TRUE(fs::exists(Path("column.out")));
  EXPECT_EQ(out_, "Report written to " + Path("column.out") + "\n");
  EXPECT_EQ(err_, "");

  EXPECT_EQ(Run({Path("column.in"), "-o", Path("elsewhere.txt"), "--no-mc"}), 0) << err_;
  EXPECT_TRUE(fs::exists(Path("elsewhere.txt")));

  // Saving the input writes the file as loaded, and no report.
  fs::remove(Path("column.out"));
  EXPECT_EQ(Run({Path("column.in"), "--save-input", Path("copy.in")}), 0) << err_;
  EXPECT_EQ(ReadFileContent(Path("copy.in"), 1 << 20).value_or(""), kColumn);
  EXPECT_FALSE(fs::exists(Path("column.out")));
}

TEST_F(TarnixRun, ProjectFilesAreReadAndWrittenByTheirExtension) {
  EXPECT_EQ(Run({Path("column.in"), "--save-input", Path("column.json")}), 0) << err_;
  const std::string project = ReadFileContent(Path("column.json"), 1 << 20).value_or("");
  EXPECT_EQ(project.rfind("{\n  \"format\": \"tarnix-project\",\n  \"version\": 1,\n", 0), 0u) << project;
  EXPECT_EQ(Run({Path("column.json"), "--save-input", Path("back.in")}), 0) << err_;
  EXPECT_EQ(ReadFileContent(Path("back.in"), 1 << 20).value_or(""), kColumn);
  EXPECT_EQ(Run({Path("column.json")}), 0) << err_;
  EXPECT_EQ(out_, "Report written to " + Path("column.out") + "\n");

  // A moment about the vertical axis has no place in an input file: refused, nothing written.
  std::string biaxial = project;
  biaxial.replace(biaxial.find("\"My\": 0"), 7, "\"My\": 20");
  ASSERT_TRUE(ReplaceFileContent(Path("biaxial.json"), biaxial));
  EXPECT_EQ(Run({Path("biaxial.json"), "--save-input", Path("biaxial.in")}), 1);
  EXPECT_EQ(err_,
            "tarnix-run: Error writing input file: the project uses two dimensions (records off the vertical "
            "axis, polygons, single bars, moments or member data about the vertical axis, surface or "
            "moment-curvature angles), which an .in file cannot hold; save it as a project file (.json): " +
                Path("biaxial.in") + "\n");
  EXPECT_FALSE(fs::exists(Path("biaxial.in")));

  ASSERT_TRUE(ReplaceFileContent(Path("cut.json"), project.substr(0, project.find("\"loads\""))));
  EXPECT_EQ(Run({Path("cut.json")}), 1);
  EXPECT_EQ(err_,
            "tarnix-run: Error reading input file: line 41, column 3: not valid JSON: syntax error while "
            "parsing object key - unexpected end of input; expected string literal: " +
                Path("cut.json") + "\n");
}

TEST_F(TarnixRun, FailuresExitNonZeroWithTheMessageAndLeaveNoReport) {
  // The column without its concrete, and with a hole as large as the concrete.
  const std::string rectangle = "\r\n1\r\n0,24,12,1\r\n";
  std::string barsOnly = kColumn, voidSection = kColumn;
  barsOnly.replace(barsOnly.find(rectangle), rectangle.size(), "\r\n0\r\n");
  voidSection.replace(voidSection.find(rectangle), rectangle.size(), "\r\n2\r\n0,24,12,1\r\n0,24,12,-1\r\n");
  ASSERT_TRUE(ReplaceFileContent(Path("bars_only.in"), barsOnly));
  ASSERT_TRUE(ReplaceFileContent(Path("void.in"), voidSection));
  const std::string kColumnText = kColumn;
  ASSERT_TRUE(ReplaceFileContent(Path("cut.in"), kColumnText.substr(0, kColumnText.find("0,1,1"))));
  const struct {
    std::vector<std::string> args;
    int code;
    std::string message;
  } cases[] = {
      {{Path("missing.in")},
       1,
       "tarnix-run: Error reading input file: the file does not exist: " + Path("missing.in") + "\n"},
      {{Path("cut.in")},
       1,
       "tarnix-run: Error reading input file: line 19: expected 3 items (member: L, Keff, Ieff), the file "
       "ends here: " + Path("cut.in") + "\n"},
      {{Path("bars_only.in")},
       1,
       "tarnix-run: Input is incomplete: no concrete section around the reinforcing: " +
           Path("bars_only.in") + "\n"},
      {{Path("void.in")},
       1,
       "tarnix-run: Calculation Error: The concrete records have no net area: " + Path("void.out") + "\n"},
      {{Path("column.in"), "-o", Path("no/folder/x.out")},
       1,
       "tarnix-run: Error writing output file: " + Path("no/folder/x.out") + "\n"},
      {{Path("column.in"), "-o", Path("column.in")},
       1,
       "tarnix-run: The report would replace the input file: " + Path("column.in") + "\n"},
      {{}, 2, "tarnix-run: no input file given\nTry 'tarnix-run --help'.\n"},
      {{Path("column.in"), Path("b.in"), "-o", Path("x.out")},
       2,
       "tarnix-run: -o and --save-input take a single input file\nTry 'tarnix-run --help'.\n"},
      {{Path("column.in"), "-j", "0"},
       2,
       "tarnix-run: option -j needs a number from 1 to 64\nTry 'tarnix-run --help'.\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << c.message;
    EXPECT_EQ(err_, c.message);
    EXPECT_EQ(out_, "");
  }
  EXPECT_EQ(ReadFileContent(Path("column.in"), 1 << 20).value_or(""), kColumn);
  for (const char* name : {"missing.out", "bars_only.out"}) {
    EXPECT_FALSE(fs::exists(Path(name))) << name;
  }
}

// The 12 x 24 in column designed with #6 and #8 bars: 1 % of 288 in^2 is 2.88 in^2, so 4 #6 (1.76) and 6 #6
// (2.64) are too little, and 4 #8 (3.16) is lighter than 8 #6 (3.52) and carries 100 kip with 50 k-ft.
TEST_F(TarnixRun, DesignWritesItsSectionItsTableAndTheBestArrangement) {
  EXPECT_EQ(
      Run({Path("column.in"), "--design", "--sizes", "#6,#8", "--bars", "2-3", "--apply", Path("best.in")}),
      0)
      << err_;
  EXPECT_EQ(out_, "Report written to " + Path("column.out") + "\nBest arrangement saved to " +
                      Path("best.in") + "\n");
  const std::string report = ReadFileContent(Path("column.out"), 1 << 22).value_or("");
  EXPECT_NE(report.find("DESIGN: THE LIGHTEST BAR ARRANGEMENT THAT CARRIES EVERY LOAD CONDITION"),
            std::string::npos);
  EXPECT_NE(report.find("Best arrangement: 4 #8 (2 x 2 bars per face)"), std::string::npos) << report;
  const std::string table = ReadFileContent(Path("design.csv"), 1 << 20).value_or("");
  EXPECT_EQ(table.find("rank,bars,size,bars_x,bars_y,As,rho,clear_spacing,min_spacing,utilisation,worst_load,"
                       "status,reason\n1,4,#8,2,2,3.16,"),
            0u)
      << table;
  // Corner bars 1.5 + 0.5 + 0.5 = 2.5 in inside each face: a line of two bars at the top and one at the
  // bottom.
  const std::string best = ReadFileContent(Path("best.in"), 1 << 20).value_or("");
  EXPECT_NE(best.find("\r\n2\r\n2.5,7,0,2,.79\r\n21.5,7,0,2,.79\r\n"), std::string::npos) << best;

  const struct {
    std::vector<std::string> args;
    int code;
    std::string message;
  } cases[] = {
      {{Path("column.in"), "--apply", Path("x.json")},
       2,
       "tarnix-run: the design options need --design\nTry 'tarnix-run --help'.\n"},
      {{Path("column.in"), "--design", "--size", "#12"},
       1,
       "tarnix-run: --size: unknown bar size #12: " + Path("column.in") + "\n"},
      {{Path("column.in"), "--design", "--sizes", "#3", "--bars", "2-2"},
       1,
       "tarnix-run: No design: no candidate meets the steel ratio limits (1 % to 8 %), the clear spacing and "
       "the "
       "cover: " +
           Path("column.in") + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(Run(c.args), c.code);
    EXPECT_EQ(err_, c.message);
  }
}

TEST_F(TarnixRun, EveryExampleRunsAndSavesBackByteForByte) {
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(TARNIX_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".in") continue;
    ++examples;
    const std::string input = entry.path().string();
    const std::string name = entry.path().stem().string();
    EXPECT_EQ(Run({input, "--save-input", Path(name + ".in")}), 0) << err_;
    EXPECT_EQ(ReadFileContent(Path(name + ".in"), 1 << 20), ReadFileContent(input, 1 << 20)) << name;
    EXPECT_EQ(Run({input, "-o", Path(name + ".out"), "--csv", Path(name), "--svg", Path(name)}), 0) << err_;
    // A curve file for every load condition whose curve the report carries.
    EXPECT_EQ(fs::exists(Path(name + "/mc_1.svg")), fs::exists(Path(name + "/mc_1.csv"))) << name;
    EXPECT_EQ(ReadFileContent(Path(name + "/loads.csv"), 1 << 20).value_or("").rfind("load,P,M,phi", 0), 0u);
    EXPECT_NE(ReadFileContent(Path(name + ".out"), 1 << 20).value_or("").find("LOAD CONDITION NO 1"),
              std::string::npos) << name;
  }
  EXPECT_GE(examples, 3);
}

TEST_F(TarnixRun, SeveralInputsRunInParallelWithTheResultsOfSingleRuns) {
  ::setenv("SOURCE_DATE_EPOCH", "1796583900", 1);
  // Every example twice under different names, and a file that cannot be read.
  std::vector<std::string> inputs;
  for (const auto& entry : fs::directory_iterator(TARNIX_EXAMPLES_DIR)) {
    if (entry.path().extension() != ".in") continue;
    for (const char* copy : {"a_", "b_"}) {
      inputs.push_back(Path(copy + entry.path().filename().string()));
      fs::copy_file(entry.path(), inputs.back());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  inputs.push_back(Path("missing.in"));
  std::vector<std::string> args = inputs;
  args.insert(args.end(), {"-j", "3"});
  EXPECT_EQ(Run(args), 1);  // the worst of the files
  EXPECT_EQ(err_,
            "tarnix-run: Error reading input file: the file does not exist: " + Path("missing.in") + "\n");
  // One line per file in command-line order; each report equals that of a run of the file alone.
  std::istringstream lines(out_);
  std::string line;
  for (const std::string& input : inputs) {
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line.rfind(input + (input == Path("missing.in") ? ": failed, " : ": done, "), 0), 0u) << line;
    if (input == Path("missing.in")) continue;
    const std::string report = fs::path(input).replace_extension(".out").string();
    const std::string parallel = ReadFileContent(report, 1 << 22).value_or("");
    ASSERT_EQ(Run({input}), 0);
    EXPECT_EQ(ReadFileContent(report, 1 << 22).value_or(""), parallel) << input;
  }
  ::unsetenv("SOURCE_DATE_EPOCH");
}

}  // namespace
}  // namespace tarnix
