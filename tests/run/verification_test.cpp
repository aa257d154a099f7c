// Worked-example verification: deviations of wrong expectations, refused files and the
// command line.
#include "run/verification.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/batch_run.h"
#include "model/file_write.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

namespace fs = std::filesystem;

const std::string kSuite = std::string(TARNIX_EXAMPLES_DIR) + "/verification";

// The shipped worked examples themselves are run by the verify_examples test (tarnix-run --verify).

TEST(Verification, MalformedExpectedTextIsRefusedWithTheLineAndTheReason) {
  const struct {
    const char* text;
    const char* problem;
  } cases[] = {
      {"# only notes\n\n", "no checks"},
      {"PnMax 1316160 1e-5\n", "line 1: expected \"quantity = value tolerance\""},
      {"PnMax = 1316160\n", "line 1: expected a value and a tolerance after '='"},
      {"PnMax = 1316160 -0.01\n", "line 1: the tolerance must not be negative"},
      {"capMoment 1.5 = 1 0.01\n", "line 1: unknown quantity capMoment 1.5"},
      {"mcMoment 1 at strain -0.003 = 1 0.01\n", "line 1: unknown quantity mcMoment 1 at strain -0.003"},
  };
  for (const auto& c : cases) {
    std::vector<VerificationCheck> checks{{"left over", 1, 1}};
    EXPECT_EQ(ParseExpectedText(c.text, checks), c.problem) << c.text;
    EXPECT_TRUE(checks.empty()) << c.text;
  }

  std::vector<VerificationCheck> checks;
  EXPECT_EQ(ParseExpectedText("# source: ACI\r\n  capMoment 2  = -1.5E+06 .005\r\n"
                              "mcDepth 1 at strain .003 = 7.5 0\r\n",
                              checks),
            "");
  ASSERT_EQ(checks.size(), 2u);
  EXPECT_EQ(checks[0].quantity, "capMoment 2");
  EXPECT_EQ(checks[0].expected, -1.5e6);
  EXPECT_EQ(checks[1].quantity, "mcDepth 1 at strain .003");
}

class VerificationFiles : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    fs::copy_file(kSuite + "/rect_balanced.in", Path("column.in"));
  }
  std::vector<VerificationRow> Verify(const std::string& expected) {
    EXPECT_TRUE(ReplaceFileContent(Path("column.expected"), expected));
    return VerifyCase(Path("column.expected"));
  }
};

TEST_F(VerificationFiles, AWrongExpectedValueFailsWithItsDeviation) {
  const std::vector<VerificationRow> rows =
      Verify("PnMax = 1300000 0.01\nPnMax = 1300000 0.02\nsteelArea = 0.5 0.1\ncapMoment 3 = 5 0.1\n"
             "mcMoment 1 at strain 0.003 = 5 0.1\nMc 1 = 5 0.1\n");
  ASSERT_EQ(rows.size(), 6u);
  // PnMax is 0.80 [0.85 (4000)(384 - 6) + 60000 (6)] = 1316160.
  EXPECT_DOUBLE_EQ(rows[0].computed, 1316160);
  EXPECT_NEAR(rows[0].deviation, 16160.0 / 1300000, 1e-12);
  EXPECT_FALSE(rows[0].pass);
  EXPECT_TRUE(rows[1].pass);
  // A zero computed value against a non-zero expectation deviates by 100 %.
  EXPECT_DOUBLE_EQ(rows[2].deviation, 1);
  EXPECT_EQ(rows[3].problem, "no load condition 3");
  EXPECT_EQ(rows[4].problem, "no moment-curvature analysis");
  EXPECT_EQ(rows[5].problem, "no slenderness result");  // a column without length
  const std::string table = FormatVerificationTable(rows);
  EXPECT_NE(table.find("column PnMax                      1300000        1316160        1.24E-02    1.00E-02    FAIL\n"),
            std::string::npos)
      << table;
  EXPECT_NE(table.find("\n1 of 6 checks passed\n"), std::string::npos);
}

TEST_F(VerificationFiles, AnExampleThatCannotRunIsOneFailingRowWithTheReason) {
  fs::remove(Path("column.in"));
  std::vector<VerificationRow> rows = Verify("PnMax = 1316160 1e-5\n");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].problem, "Error reading input file: the file does not exist: column.in");

  fs::remove(Path("column.expected"));
  rows = VerifyFolder(dir_.string());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].problem, "no .expected files");
}

TEST_F(VerificationFiles, CommandLinePrintsTheTableAndExitsOneOnAFailure) {
  ASSERT_TRUE(ReplaceFileContent(Path("column.expected"), "PnMax = 1316160 1e-5\ntensionPn = -360000 1e-5\n"));
  std::ostringstream out, err;
  EXPECT_EQ(RunBatch({"--verify", dir_.string()}, out, err), 0);
  EXPECT_NE(out.str().find("\n2 of 2 checks passed\n"), std::string::npos) << out.str();

  ASSERT_TRUE(ReplaceFileContent(Path("column.expected"), "PnMax = 1316160 1e-5\ntensionPn = 360000 1e-5\n"));
  out.str("");
  EXPECT_EQ(RunBatch({"--verify", dir_.string()}, out, err), 1);
  EXPECT_NE(out.str().find("\n1 of 2 checks passed\n"), std::string::npos) << out.str();

  out.str("");
  EXPECT_EQ(RunBatch({"--verify", dir_.string(), "column.in"}, out, err), 2);
  EXPECT_EQ(err.str(), "tarnix-run: --verify takes no input file\nTry 'tarnix-run --help'.\n");
}

}  // namespace
}  // namespace tarnix
