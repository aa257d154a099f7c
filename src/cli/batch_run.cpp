// Command line of tarnix-run.
#include "cli/batch_run.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>
#include <tuple>

#include "base/number_format.h"
#include "base/version.h"
#include "model/bar_sizes.h"
#include "model/defaults.h"
#include "model/design_settings.h"
#include "model/file_write.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "plot/svg_writer.h"
#include "report/csv_export.h"
#include "run/calculation_run.h"
#include "run/design_search.h"
#include "run/verification.h"
#include "strength/slender_wall.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

constexpr const char* kUsage =
    "Usage: tarnix-run INPUT [-o OUTPUT.out] [--csv DIR] [--svg DIR] [--no-mc] [--save-input FILE]\n"
    "  or:  tarnix-run INPUT INPUT ... [-j N] [--csv DIR] [--svg DIR] [--no-mc]\n"
    "  or:  tarnix-run INPUT --design [--apply OUT.json] [design options]\n"
    "  or:  tarnix-run --verify [DIR]\n"
    "\n"
    "Loads INPUT, a project file (NAME.json) or an input file (any other name, NAME.in),\n"
    "runs the calculation and writes the report to OUTPUT.out (default: INPUT with the\n"
    "extension .out). Every report section is written; the moment-curvature analysis\n"
    "runs when the input carries the material models and asks for it.\n"
    "With several inputs each gets its own report beside it (and its own folder\n"
    "DIR/NAME for --csv and --svg); one summary line per file tells how it ended and the\n"
    "worst ratio of design moment to moment capacity among its load conditions.\n"
    "\n"
    "  -o OUTPUT.out        report file\n"
    "  --csv DIR            also write the interaction diagram and moment-curvature\n"
    "                       curves as CSV files into DIR\n"
    "  --svg DIR            also write the charts and the section drawing as SVG into DIR\n"
    "  --no-mc              skip the moment-curvature analysis\n"
    "  -j N                 run N inputs at a time (1 to 64, default 1)\n"
    "  --progress           show the progress of the analyses on standard error\n"
    "  --save-input FILE    write the input as loaded to FILE: a project file when FILE\n"
    "                       ends in .json, else an input file (refused for a project\n"
    "                       of two dimensions, which an input file cannot hold); with\n"
    "                       no -o, --csv or --svg nothing else is done\n"
    "  --verify [DIR]       run the worked examples of DIR (default: the verification\n"
    "                       examples of this program) and print expected against\n"
    "                       computed values; exit status 1 when any check fails\n"
    "  --design             search the lightest arrangement of longitudinal bars that\n"
    "                       carries every load condition (the concrete outline, materials\n"
    "                       and loads as entered): the report ends with a DESIGN section\n"
    "                       and design.csv is written beside it (or into --csv DIR).\n"
    "                       Settings come from the project file's \"design\" member, else\n"
    "                       from the section: bars around one rectangle or on one circle,\n"
    "                       the sizes of the units, cover 1.5 in (40 mm), tie #4 (10M)\n"
    "  --apply OUT          with --design: save the model with the best arrangement as\n"
    "                       a project file (OUT.json) or an input file\n"
    "  --pattern P          rectangular or circular\n"
    "  --sizes LIST         bar sizes to try, comma-separated (\"#6,#8,#10\")\n"
    "  --cover C            clear cover to the tie, in the model's length unit\n"
    "  --tie SIZE           tie (or spiral) size\n"
    "  --bars MIN-MAX       bars per face (rectangular) or on the circle (circular)\n"
    "  --count N            only arrangements of N bars in all\n"
    "  --size SIZE          only bars of this size\n"
    "  --full-table         check every arrangement, not only up to the lightest that\n"
    "                       passes\n"
    "  --help               show this text\n"
    "  --version            show the version of the program\n"
    "\n"
    "Exit status: 0 on success, 1 when the input cannot be read, is incomplete or a\n"
    "file cannot be written, or the design search finds no arrangement, 2 for a wrong\n"
    "command line.\n";

// The worked examples shipped with the program: those installed with this executable (found relative to
// it, so that a moved installation still finds its own), else those of the source tree it was built from.
std::string DefaultVerificationDir() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path installed = executable.parent_path() / TARNIX_INSTALLED_VERIFICATION_DIR;
    if (fs::is_directory(installed, ec)) return fs::weakly_canonical(installed, ec).string();
  }
  return TARNIX_VERIFICATION_DIR;
}

struct Options {
  std::vector<std::string> inputs;
  int jobs = 1;
  std::optional<std::string> output, csvDir, svgDir, saveInput, verifyDir;
  bool design = false;
  std::optional<std::string> apply, pattern, sizes, cover, tie, bars, count, size;
  bool fullTable = false;
  bool noMomentCurvature = false;
  bool progress = false;
  bool help = false;
  bool version = false;
};

// The option of a design setting that takes a value, if `arg` is one.
std::optional<std::optional<std::string>*> DesignValue(Options& options, const std::string& arg) {
  const std::pair<const char*, std::optional<std::string>*> table[] = {
      {"--apply", &options.apply}, {"--pattern", &options.pattern}, {"--sizes", &options.sizes},
      {"--cover", &options.cover}, {"--tie", &options.tie},         {"--bars", &options.bars},
      {"--count", &options.count}, {"--size", &options.size}};
  for (const auto& [name, target] : table)
    if (arg == name) return target;
  return std::nullopt;
}

// Parses the arguments; returns the problem as text, or nothing when they are valid.
std::optional<std::string> ParseArguments(const std::vector<std::string>& args, Options& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::optional<std::string>& target) -> std::optional<std::string> {
      if (i + 1 >= args.size()) return "option " + arg + " needs a value";
      target = args[++i];
      return std::nullopt;
    };
    std::optional<std::string> problem;
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "-o") {
      problem = value(options.output);
    } else if (arg == "--csv") {
      problem = value(options.csvDir);
    } else if (arg == "--svg") {
      problem = value(options.svgDir);
    } else if (arg == "-j") {
      std::optional<std::string> count;
      problem = value(count);
      if (!problem) {
        const std::optional<int> n = ParseFileInt(*count);
        if (!n || *n < 1 || *n > 64 || count->find('.') != std::string::npos) {
          problem = "option -j needs a number from 1 to 64";
        } else {
          options.jobs = *n;
        }
      }
    } else if (arg == "--save-input") {
      problem = value(options.saveInput);
    } else if (arg == "--design") {
      options.design = true;
    } else if (arg == "--full-table") {
      options.fullTable = true;
    } else if (const auto designValue = DesignValue(options, arg)) {
      problem = value(**designValue);
    } else if (arg == "--progress") {
      options.progress = true;
    } else if (arg == "--no-mc") {
      options.noMomentCurvature = true;
    } else if (arg == "--verify") {
      const bool hasDir = i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-';
      options.verifyDir = hasDir ? args[++i] : DefaultVerificationDir();
    } else if (!arg.empty() && arg[0] == '-') {
      problem = "unknown option " + arg;
    } else {
      options.inputs.push_back(arg);
    }
    if (problem) return problem;
  }
  if (options.verifyDir && !options.inputs.empty()) return std::string("--verify takes no input file");
  if (!options.help && !options.version && !options.verifyDir && options.inputs.empty()) {
    return std::string("no input file given");
  }
  if (options.inputs.size() > 1 && (options.output || options.saveInput)) {
    return std::string("-o and --save-input take a single input file");
  }
  const bool designOptions = options.apply || options.pattern || options.sizes || options.cover ||
                             options.tie || options.bars || options.count || options.size ||
                             options.fullTable;
  if (designOptions && !options.design) return std::string("the design options need --design");
  if (options.design && options.inputs.size() > 1) return std::string("--design takes a single input file");
  return std::nullopt;
}

bool SamePath(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

// "Error reading input file: the file does not exist": the message and, where there is one, its reason.
std::string WithReason(const Status& status) {
  return status.detail.empty() ? status.message : status.message + ": " + status.detail;
}

int Fail(std::ostream& err, const std::string& message, const std::string& path) {
  err << "tarnix-run: " << message << ": " << path << '\n';
  return 1;
}

// Status texts of the run, one line each, on standard error.
class ProgressLines : public RunObserver {
 public:
  explicit ProgressLines(std::ostream& err) : err_(err) {}
  void ShowStatus(const std::string& first, const std::string& second) override {
    err_ << first << (second.empty() ? "" : ": ") << second << '\n';
  }

 private:
  std::ostream& err_;
};

bool MakeFolder(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return std::filesystem::is_directory(dir, ec);
}

// The design settings of the model (its own, else those its section suggests) with the command line's
// changes; the problem as text when a value is not understood.
std::optional<std::string> DesignSettingsOf(const Options& o, const ProjectModel& m, DesignSettings& s) {
  s = m.design ? *m.design : DefaultDesignSettings(m);
  if (o.pattern) {
    const std::optional<BarPattern> pattern = BarPatternFromKey(*o.pattern);
    if (!pattern) return "--pattern takes rectangular or circular";
    if (*pattern != s.pattern) ChooseBarPattern(s, *pattern);  // with the other pattern's count limits
  }
  if (o.sizes) {
    const auto names = SplitBarSizeNames(*o.sizes);
    if (!names || names->empty()) return "--sizes takes bar sizes such as \"#6,#8\" or \"20M,25M\"";
    s.sizes = *names;
  }
  if (o.cover) {
    const std::optional<float> cover = ParseFileFloat(*o.cover);
    if (!cover || !(*cover >= 0)) return "--cover takes a length of 0 or more";
    s.cover = *cover;
  }
  for (const auto& [text, target, option] :
       {std::tuple{&o.tie, &s.tie, "--tie"}, std::tuple{&o.size, &s.fixedSize, "--size"}}) {
    if (!*text) continue;
    const std::optional<BarSize> b = FindBarSize(**text);
    if (!b) return std::string(option) + ": unknown bar size " + **text;
    *target = std::string(b->name);
  }
  if (o.bars) {
    const size_t dash = o.bars->find('-');
    const std::optional<int> low = ParseFileInt(o.bars->substr(0, dash));
    const std::optional<int> high = dash == std::string::npos ? low : ParseFileInt(o.bars->substr(dash + 1));
    if (!low || !high || *low < 2 || *high < *low || *high > 100) return "--bars takes MIN-MAX from 2 to 100";
    s.minBars = *low, s.maxBars = *high;
  }
  if (o.count) {
    const std::optional<int> n = ParseFileInt(*o.count);
    if (!n || *n < 1) return "--count takes a number of bars";
    s.fixedCount = *n;
  }
  if (o.fullTable) s.fullTable = true;
  return std::nullopt;
}

// The design search of a loaded model and the model with its best arrangement saved where --apply asks;
// the exit code and its message on failure.
int DesignOne(const Options& options, const std::string& input, ProjectModel& model, std::ostream& err) {
  DesignSettings settings;
  if (const auto problem = DesignSettingsOf(options, model, settings)) return Fail(err, *problem, input);
  model.design = settings;
  model.designResult = SearchDesign(model, settings);
  const DesignResult& r = model.designResult;
  if (!options.apply || r.passing == 0) return 0;
  ProjectModel applied = WithArrangement(model, settings, r.candidates.front());
  const std::string& path = *options.apply;
  const Status written =
      IsProjectFileName(path) ? WriteProjectFile(applied, path) : WriteInputFile(applied, path);
  if (!written.ok()) return Fail(err, WithReason(written), path);
  return 0;
}

// One input file from loading to the last file written; `model` keeps the results for the summary.
int RunOne(const Options& options, const std::string& input, const std::optional<std::string>& csvDir,
           const std::optional<std::string>& svgDir, ProjectModel& model, std::ostream& out,
           std::ostream& err) {
  ResetAll(model);
  const Status loaded =
      LoadModelFile(model, input);
  if (!loaded.ok()) return Fail(err, WithReason(loaded), input);
  SetInputFileNames(model, input);
  if (options.design) {
    if (const int code = DesignOne(options, input, model, err); code != 0) return code;
  }

  if (options.saveInput) {
    const std::string& path = *options.saveInput;
    const Status saved =
        IsProjectFileName(path) ? WriteProjectFile(model, path) : WriteInputFile(model, path);
    if (!saved.ok()) return Fail(err, WithReason(saved), path);
    if (!options.output && !csvDir && !svgDir) return 0;
  }

  // Every report section, as if each box of the calculation window were ticked; slenderness output is
  // refused for user-defined criteria as it is in the window.
  SelectEveryReportSection(model);
  if (options.noMomentCurvature) SetPerformMomentCurvature(model, 0);

  const std::string output =
      options.output ? *options.output : std::filesystem::path(input).replace_extension(".out").string();
  if (SamePath(output, input)) {
    return Fail(err, "The report would replace the input file", output);
  }
  SetOutputFileNames(model, output);

  for (const auto* dir : {&csvDir, &svgDir}) {
    if (*dir && !MakeFolder(**dir)) return Fail(err, "Cannot create folder", **dir);
  }

  ProgressLines progress(err);
  const Status run =
      RunCalculation(model, options.progress && options.inputs.size() == 1 ? &progress : nullptr);
  if (!run.ok()) return Fail(err, WithReason(run), run.message == kInputIncomplete ? input : output);
  if (csvDir && !WriteCsvFiles(model, *csvDir)) {
    return Fail(err, "Error writing CSV files", *csvDir);
  }
  if (svgDir && !WriteSvgFiles(model, *svgDir)) {
    return Fail(err, "Error writing SVG files", *svgDir);
  }
  out << "Report written to " << output << '\n';
  if (!options.design) return 0;
  const DesignResult& r = model.designResult;
  // design.csv beside the report, unless the CSV tables of --csv hold it.
  const std::string table = (std::filesystem::path(output).parent_path() / "design.csv").string();
  if (!csvDir && !ReplaceFileContent(table, DesignCsv(model))) {
    return Fail(err, "Error writing CSV files", table);
  }
  if (!r.problem.empty() || r.passing == 0) {
    return Fail(err, "No design: " + (r.problem.empty() ? r.nothingFound : r.problem), input);
  }
  if (options.apply) out << "Best arrangement saved to " << *options.apply << '\n';
  return 0;
}

// The folder of one input's tables or drawings in a run of several: DIR/NAME, or DIR/NAME_k when two
// inputs share a name.
std::optional<std::string> FolderOf(const std::optional<std::string>& dir,
                                    const std::vector<std::string>& inputs, size_t index) {
  if (!dir || inputs.size() == 1) return dir;
  const std::string stem = std::filesystem::path(inputs[index]).stem().string();
  int same = 0;
  for (const std::string& other : inputs) same += std::filesystem::path(other).stem().string() == stem;
  const std::string name = same > 1 ? stem + "_" + std::to_string(index + 1) : stem;
  return (std::filesystem::path(*dir) / name).string();
}

struct FileOutcome {
  int code = 0;
  std::string summary;
  std::string messages;  ///< what a single run would have written to standard error
};

// "worst capacity ratio 0.873 (load condition 3)"; "no load conditions" when no load was measured.
std::string RatioText(double worst, int load) {
  if (load == 0) return "no load conditions";
  return "worst capacity ratio " + FormatFixed(worst, 3) + " (load condition " + std::to_string(load) + ")";
}

// A slender wall is judged as its design judges it: the magnified moment against the capacity of the
// effective steel area, for loads within the axial stress limit, with the cracking moment below that
// capacity. The first load that fails a requirement is named instead of a ratio.
std::string WorstWallText(const ProjectModel& m) {
  const SlendernessResults& s = m.slenderness;
  if (!s.wallProblem.empty()) return "no slender wall design";
  if (s.wallRatioExceeded) return "maximum reinforcing ratio exceeded";
  double worst = -1;
  int worstLoad = 0;
  for (int i = 1; i <= ListSize(m.ns); ++i) {
    const size_t n = static_cast<size_t>(i);
    const std::string load = " for load condition " + std::to_string(i);
    if (n >= s.outcome.size() || n >= s.phiMnAse.size() || n >= s.Mc.size()) {
      return "no slender wall design" + load;
    }
    if (s.wallStressExceeded[n]) return "maximum axial stress exceeded" + load;
    if (s.outcome[n] == SlenderOutcome::TensionExceeded) return "no design moment" + load;
    if (n < s.wallNotTensionControlled.size() && s.wallNotTensionControlled[n]) {
      return "section not tension-controlled" + load;
    }
    if (s.wallCrackingGoverns[n]) return "cracking moment exceeds the moment capacity" + load;
    if (s.outcome[n] != SlenderOutcome::Magnified) return "no design moment" + load;
    const float capacity = WallMomentCapacity(m, i);
    if (!(capacity > 0)) return "no capacity" + load;
    if (s.wallMomentExceeded[n]) return "magnified moment exceeds the moment capacity" + load;
    const std::vector<LoadCapacity>& checked = m.interactionDiagram.capacity;
    if (n >= checked.size() || !checked[n].designKnown) return "no design moment" + load;
    const double ratio = std::abs(checked[n].checkedMoment / static_cast<double>(capacity));
    if (ratio > worst) worst = ratio, worstLoad = i;
  }
  return RatioText(worst, worstLoad);
}

}  // namespace

std::string WorstCapacityText(const ProjectModel& m) {
  if (m.L > 0 && m.SlendernessOption == Slenderness::SlenderWall) return WorstWallText(m);
  const InteractionDiagram& d = m.interactionDiagram;
  double worst = -1;
  int worstLoad = 0;
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < d.capacity.size(); ++i) {
    const LoadJudgement j = JudgeLoad(m, i);
    if (j.problem != nullptr) return std::string(j.problem) + " for load condition " + std::to_string(i);
    if (j.ratio > worst) worst = j.ratio, worstLoad = i;
  }
  return RatioText(worst, worstLoad);
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options options;
  if (const auto problem = ParseArguments(args, options)) {
    err << "tarnix-run: " << *problem << "\nTry 'tarnix-run --help'.\n";
    return 2;
  }
  if (options.help) {
    out << kUsage;
    return 0;
  }
  if (options.version) {
    out << "tarnix " << kTarnixVersion << '\n';
    return 0;
  }
  if (options.verifyDir) {
    out << "Worked examples in " << *options.verifyDir << "\n\n";
    const std::vector<VerificationRow> rows = VerifyFolder(*options.verifyDir);
    out << FormatVerificationTable(rows);
    return AllPassed(rows) ? 0 : 1;
  }
  if (options.inputs.size() == 1) {
    ProjectModel model;
    return RunOne(options, options.inputs[0], options.csvDir, options.svgDir, model, out, err);
  }

  // Several files: each is a project of its own, so they run side by side on the worker threads; the
  // summary lines keep the order of the command line.
  const size_t n = options.inputs.size();
  std::vector<FileOutcome> outcomes(n);
  std::atomic<size_t> next{0};
  const auto work = [&] {
    for (size_t k = next++; k < n; k = next++) {
      std::ostringstream quiet, messages;
      ProjectModel model;
      const std::string& input = options.inputs[k];
      FileOutcome& outcome = outcomes[k];
      outcome.code = RunOne(options, input, FolderOf(options.csvDir, options.inputs, k),
                            FolderOf(options.svgDir, options.inputs, k), model, quiet, messages);
      outcome.messages = messages.str();
      std::string message = outcome.messages;
      if (!message.empty() && message.back() == '\n') message.pop_back();
      outcome.summary = input + ": " +
                        (outcome.code == 0 ? "done, " + WorstCapacityText(model)
                                           : "failed, " + message.substr(message.find(": ") + 2));
    }
  };
  std::vector<std::thread> workers;
  const size_t threads = std::min(n, static_cast<size_t>(options.jobs));
  for (size_t t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();

  int code = 0;
  for (const FileOutcome& outcome : outcomes) {
    out << outcome.summary << '\n';
    err << outcome.messages;
    code = std::max(code, outcome.code);
  }
  return code;
}

}  // namespace tarnix
