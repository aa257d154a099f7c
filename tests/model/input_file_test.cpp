// Input file: exact written forms, reading old and new files, the optional material-model section, and
// refusing damaged files without touching the model.
#include "model/input_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>

#include "model/defaults.h"
#include "model/file_write.h"
#include "model/model_edits.h"
#include "temp_folder.h"

namespace tarnix {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

// The reset model with one rectangle, one line of three bars and one load of 100 kip and 50 k-ft.
const std::string kExample =
    Lines({"\"\"", "\"arema\"", "\"english\"", "4000,60000,36000,3605000,2.9E+07,2.9E+07", ".85,.85,.003",
           ".9,.7,.85", "1,1,1", "1", "0,24,12,1", "0", "1", "2.5,7,0,3,.79", "0", "0", "0", "1",
           "100,50,0,0", "0,1,1", "1,1,0,0", "1"});

ProjectModel ExampleModel() {
  ProjectModel m;
  ResetAll(m);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 24, 12, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 1);
  m.lines[1] = {2.5f, 7, 0, 3, 0.79f};
  SetLoadCount(m, 1);
  EditLoadValue(m, 1, LoadValue::P, "100");
  EditLoadValue(m, 1, LoadValue::M, "50");
  return m;
}

ProjectModel Read(const std::string& text) {
  ProjectModel m;
  ResetAll(m);
  const Status status = ReadInputText(m, text);
  EXPECT_TRUE(status.ok()) << status.message << ": " << status.detail;
  return m;
}

std::string Written(const ProjectModel& m) { return FormatInputFile(m).value_or("<no file form>"); }

TEST(InputFile, ExampleIsWrittenLineForLineAndReadsBack) {
  EXPECT_EQ(Written(ExampleModel()), kExample);

  const ProjectModel m = Read(kExample);
  EXPECT_EQ(m.lines[1].Abl, 0.79f);
  EXPECT_EQ(m.loads[1].P, 100000.0f);  // kip and k-ft in the file, lb and lb-in inside
  EXPECT_EQ(m.loads[1].M, 600000.0f);
  EXPECT_EQ(m.inc, 0.05f);  // control parameters follow the file's unit system
  EXPECT_EQ(Written(m), kExample);
}

TEST(InputFile, LoadsKeepOneDecimalInDisplayedUnits) {
  ProjectModel m = ExampleModel();
  EditLoadValue(m, 1, LoadValue::P, "12.34");
  EditLoadValue(m, 1, LoadValue::M, "56.78");
  EditLoadValue(m, 1, LoadValue::V, "-0.04");  // rounds to zero: written as 0, not -0
  const std::string text = Written(m);
  EXPECT_NE(text.find("\r\n12.3,56.8,0,0\r\n"), std::string::npos);
  EXPECT_EQ(Read(text).loads[1].M, 681600.0f);  // 56.8 k-ft

  std::string metric = kExample;
  metric.replace(metric.find("english"), 7, "metric");
  EXPECT_EQ(Read(metric).loads[1].M, 5e7f);  // 50 kN-m in N-mm
}

TEST(InputFile, TitlesOfOldFilesKeysAndQuotes) {
  ProjectModel m = ExampleModel();
  m.title = "Pier 3";
  const std::string old = kExample.substr(kExample.find("\"arema\""));  // older files have no title
  ASSERT_TRUE(ReadInputText(m, old).ok());
  EXPECT_EQ(Written(m), Lines({"\"Pier 3\""}) + old);
  m.title = "english";  // a title that looks like a key
  EXPECT_EQ(Written(Read(Written(m))), Written(m));
  m.title = "Column \"C1\", level 2\r\nnorth";
  EXPECT_EQ(Read(Written(m)).title, "Column 'C1', level 2  north");
}

TEST(InputFile, CountsBelowOneKeepStorageAndReadNoRows) {
  ProjectModel m = ExampleModel();
  m.nr = -2;  // a count typed as a negative number
  SetRecordCount(m, RecordKind::ConcreteCircle, 1);
  m.circles[1] = {12, 12, 1};
  const std::string text = Written(m);
  EXPECT_NE(text.find("\r\n-2\r\n1\r\n12,12,1\r\n"), std::string::npos);

  ProjectModel back = ExampleModel();
  ASSERT_TRUE(ReadInputText(back, text).ok());
  EXPECT_EQ(back.rects[1].D, 24.0f);  // untouched by the file
  EXPECT_EQ(Written(back), text);
}

// A model with slender-member data for two loads and the full material-model section (Mander concrete
// with spirals, Park reinforcing and Park structural steel).
ProjectModel FullModel() {
  ProjectModel m = ExampleModel();
  m.title = "Bent 4, column B";
  SetRecordCount(m, RecordKind::SteelPipe, 1);
  m.pipes[1] = {12, 4.5f, 0.375f};
  SetLoadCount(m, 2);
  for (int i = 1; i <= 2; ++i) {
    LoadCondition& c = m.loads[static_cast<size_t>(i)];
    c.P = 250000.0f * i, c.M = 1.2e6f, c.di = 0.25f, c.rj = -0.5f;
    c.M1ns = -120000, c.M2ns = 240000.0f * i, c.BetaD = 0.6f, c.Tloads = i - 1;
  }
  m.L = 144, m.Keff = 1.2f;
  SetSlendernessOption(m, 2);
  SetPerformMomentCurvature(m, 1);
  m.concreteModel = 3;
  m.ec0 = 0.002f, m.fc0 = 5200, m.ecu = 0.018f, m.fcu = 0, m.esp = 0.005f, m.fcc = 7450, m.Eci = 4110328;
  m.confinementOption = 2;
  m.ds = 0.5f, m.st = 3, m.cover = 2.5f, m.fyh = 60000, m.esf = 0.09f, m.Dc = 19;
  m.sl = 3, m.xcl = 0, m.ycl = 0, m.nx = 0, m.ny = 0;
  m.reinfModel = m.steelModel = m.ParkModel = 2;
  // The reset's grade 60 Park points; the structural steel's twice as far and at 0.6 the stress.
  for (int p = 1; p <= 6; ++p) m.spPA[p] = {m.rpPA[p].strain * 2, m.rpPA[p].stress * 0.6f};
  return m;
}

TEST(InputFile, SlendernessAndMaterialModelSectionsRoundTrip) {
  const std::string text = Written(FullModel());
  // Three passes over the loads: deflections and rotations, end moments, then the sustained-load ratios.
  EXPECT_NE(
      text.find("\r\n2\r\n.25,0,0,-.5\r\n.25,0,0,-.5\r\n-10,20,0,0\r\n-10,40,0,0\r\n.6,0,0\r\n.6,0,1\r\n"
                "3,2,2\r\n.002,5200,.018,0,.005,7450,4110328\r\n2\r\n.5,3,2.5,60000,.09,19\r\n3,0,0,0,0\r\n"
                "2\r\n-.09,-90000\r\n"),
      std::string::npos)
      << text;

  const ProjectModel m = Read(text);
  EXPECT_EQ(m.OutputMomentCurvature, 1);
  EXPECT_EQ(m.loads[2].M2ns, 480000.0f);
  EXPECT_EQ(Written(m), text);
}

TEST(InputFile, MissingOrBrokenMaterialSectionOnlyClearsTheRequest) {
  // A file that ends right after the slenderness option.
  ProjectModel m = FullModel();
  ASSERT_TRUE(ReadInputText(m, kExample).ok());
  EXPECT_EQ(m.PerformMomentCurvature, 0);
  EXPECT_EQ(m.OutputMomentCurvature, 1);  // left as it was

  // A section that breaks off inside the confinement rows keeps what was read before the break.
  std::string text = Written(FullModel());
  text.resize(text.find(".5,3,2.5,60000"));
  const ProjectModel broken = Read(text + "garbage\r\n");
  EXPECT_EQ(broken.PerformMomentCurvature, 0);
  EXPECT_EQ(broken.fcc, 7450.0f);
}

// Each damaged file is refused with the line and what the line should have held, or as no input file at
// all, and leaves the model as it was. Lines of kExample: 4 strengths, 6 phi factors, 8 nr, 9 the rectangle,
// 17 the load, 18 the member, 19 the restraints, 20 the slenderness option.
TEST(InputFile, DamagedFilesAreRefusedWithTheLineAndLeaveTheModelUntouched) {
  const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20);
  const std::string park = "-.09,-90000\r\n-.01035,-60000\r\n-.00207,-60000\r\n";
  const struct {
    std::string text;
    const char* reason;
  } cases[] = {
      {"", "the file is empty"},
      {kExample.substr(0, kExample.find("0,1,1")),  // ends before the member row
       "line 18: expected 3 items (member: L, Keff, Ieff), the file ends here"},
      {kExample.substr(0, kExample.find("\"english\"")),
       "line 3: expected 1 item (unit system), the file ends here"},
      {png, "not an input file: line 2 holds binary data"},
      {std::string("\x7f" "ELF\x02\x01\x01", 7) + std::string(4096, '\0'),
       "not an input file: line 1 holds binary data"},
      {"Dear engineer,\r\nplease find the column attached.\r\n",
       "not an input file: the first lines hold no design criteria and unit system"},
      {"\"T\"\r\n\"aci2025\"\r\n\"english\"\r\n", "line 2: unknown design criteria \"aci2025\""},
      {"aci2025\r\nmetric\r\n", "line 1: unknown design criteria \"aci2025\""},  // older file, no title
      {replaced(kExample, "\"english\"", "\"English\""), "line 3: unknown unit system \"English\""},
      {replaced(kExample, "4000,60000", "4000,6OOOO"), "line 4: fy \"6OOOO\" is not a number"},
      {replaced(kExample, "4000,60000", "nan,60000"), "line 4: fpc \"nan\" is not a number"},
      {replaced(kExample, "4000,60000", "4000,0x1p4"), "line 4: fy \"0x1p4\" is not a number"},
      {replaced(kExample, ".9,.7,.85", ".9,.7"), "line 6: expected 3 items (phiT, phiC, phiS), found 2"},
      {replaced(kExample, "\r\n1\r\n0,24,12,1", "\r\n1000000000\r\n0,24,12,1"),
       "line 8: nr 1000000000 is more than 10000 concrete rectangles"},
      {replaced(kExample, "\r\n1\r\n0,24,12,1", "\r\n2\r\n0,24,12,1"),  // count without its rows
       "line 10: expected 4 items (concrete rectangle 2: Yt, D, W, rsign), found 1"},
      {replaced(kExample, "100,50,0,0", "100,1e305,0,0"),
       "line 17: load condition 1: M \"1e305\" is out of range"},
      // Option numbers outside their range, the slenderness option that crashed the report's echo first.
      {replaced(kExample, "1,1,0,0\r\n1\r\n", "1,1,0,0\r\n-1\r\n"),
       "line 20: slenderness option -1 is not one of 1, 2, 3, 4"},
      {replaced(kExample, "0,24,12,1", "0,24,12,0"),
       "line 9: concrete rectangle 1: rsign 0 is not one of 1, -1"},
      {replaced(kExample, "1,1,0,0", "1,2,0,0"), "line 19: restraints: Vrj 2 is not one of 0, 1"},
      {std::string(3u << 20, 'x'), "line 2: expected 1 item (design criteria), the file ends here"},
      // The material-model section may end anywhere, but its option numbers are checked as well: lines 21
      // to 24 hold the models, the concrete curve, the confinement or Park model, and the Park points.
      {kExample + "4,2,2\r\n", "line 21: concrete model 4 is not one of 1, 2, 3"},
      {kExample + "2,0,2\r\n", "line 21: reinforcing model 0 is not one of 1, 2"},
      {kExample + "3,2,2\r\n.002,5200,.018,0,.005,7450,4110328\r\n-1\r\n",
       "line 23: confinement option -1 is not one of 1, 2, 3, 4, 5"},
      {kExample + "2,2,2\r\n.002,5200,.005,0,.005,0,4110328\r\n3\r\n" + park,
       "line 23: Park model 3 is not one of 1, 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 200));
    ProjectModel m = ExampleModel();
    m.title = "before";
    const std::string before = Written(m);
    const Status status = ReadInputText(m, c.text);
    EXPECT_EQ(status.message, "Error reading input file");
    EXPECT_EQ(status.detail, c.reason);
    EXPECT_EQ(Written(m), before);
  }
}

TEST(InputFile, ReaderAcceptsOtherNumberSpellingsAndLineEnds) {
  std::string text = kExample;
  for (const auto& [from, to] : {std::pair<std::string, std::string>{".85,.85,.003", "0.85, +0.85 ,3E-3"},
                                 {"2.9E+07,2.9E+07", "29000000,2.9e7"}}) {
    text.replace(text.find(from), from.size(), to);
  }
  text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());  // Unix line ends
  EXPECT_EQ(Written(Read(text + "\n\n")), kExample);
}

using InputFileOnDisk = TempFolderTest;

TEST_F(InputFileOnDisk, WriteReplacesOnlyWhenEverythingCanBeWritten) {
  const std::string path = Path("column.in");
  ProjectModel m = ExampleModel();
  ASSERT_TRUE(WriteInputFile(m, path).ok());
  EXPECT_EQ(ReadFileContent(path, 1 << 20).value_or(""), kExample);

  // Incomplete input and values without a file form leave the earlier file as it was.
  ProjectModel empty;
  ResetAll(empty);
  EXPECT_EQ(WriteInputFile(empty, path).message, "Input is incomplete");
  ProjectModel bad = ExampleModel();
  bad.fpc = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(WriteInputFile(bad, path).message, "Error writing input file");
  EXPECT_EQ(ReadFileContent(path, 1 << 20).value_or(""), kExample);

  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);  // no temporary files left


  // A missing file or a folder is a read error that leaves the project as it was.
  EXPECT_EQ(LoadInputFile(m, Path("missing.in")).detail, "the file does not exist");
  EXPECT_EQ(LoadInputFile(m, dir_.string()).detail, "a folder, not a file");
  EXPECT_EQ(Written(m), kExample);
}

TEST_F(InputFileOnDisk, OutputThatCannotBeWrittenIsAFailureAndDamagesNothing) {
  namespace fs = std::filesystem;
  // A link is followed: the file it names gets the new text and the link stays a link.
  const std::string real = Path("real.out"), link = Path("link.out");
  ASSERT_TRUE(ReplaceFileContent(real, "old"));
  fs::create_symlink(real, link);
  EXPECT_TRUE(ReplaceFileContent(link, "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileContent(real, 100).value_or(""), "new");

}

}  // namespace
}  // namespace tarnix
