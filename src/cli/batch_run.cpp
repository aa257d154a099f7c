// Command line of tarnix-run.
#include "cli/batch_run.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "model/calculation_run.h"
#include "model/defaults.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "model/project_model.h"
#include "plot/svg_writer.h"
#include "report/csv_export.h"

namespace tarnix {
namespace {

constexpr const char* kUsage =
    "Usage: tarnix-run INPUT.in [-o OUTPUT.out] [--csv DIR] [--svg DIR] [--no-mc] [--progress]\n"
    "                  [--save-input FILE]\n"
    "\n"
    "Loads INPUT.in, runs the calculation and writes the report to OUTPUT.out\n"
    "(default: INPUT with the extension .out). Every report section is written; the\n"
    "moment-curvature analysis runs when the input file carries the material models.\n"
    "\n"
    "  -o OUTPUT.out        report file\n"
    "  --csv DIR            also write the interaction diagram and moment-curvature\n"
    "                       curves as CSV files into DIR\n"
    "  --svg DIR            also write the charts and the section drawing as SVG into DIR\n"
    "  --no-mc              skip the moment-curvature analysis\n"
    "  --progress           show the progress of the analyses on standard error\n"
    "  --save-input FILE    write the input as loaded to FILE; with no -o, --csv or\n"
    "                       --svg nothing else is done\n"
    "  --help               show this text\n"
    "\n"
    "Exit status: 0 on success, 1 when the input cannot be read, is incomplete or a\n"
    "file cannot be written, 2 for a wrong command line.\n";

struct Options {
  std::string input;
  std::optional<std::string> output, csvDir, svgDir, saveInput;
  bool noMomentCurvature = false;
  bool progress = false;
  bool help = false;
};

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
    } else if (arg == "-o") {
      problem = value(options.output);
    } else if (arg == "--csv") {
      problem = value(options.csvDir);
    } else if (arg == "--svg") {
      problem = value(options.svgDir);
    } else if (arg == "--save-input") {
      problem = value(options.saveInput);
    } else if (arg == "--progress") {
      options.progress = true;
    } else if (arg == "--no-mc") {
      options.noMomentCurvature = true;
    } else if (!arg.empty() && arg[0] == '-') {
      problem = "unknown option " + arg;
    } else if (options.input.empty()) {
      options.input = arg;
    } else {
      problem = "more than one input file given";
    }
    if (problem) return problem;
  }
  if (!options.help && options.input.empty()) return std::string("no input file given");
  return std::nullopt;
}

bool SamePath(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
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

}  // namespace

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

  ProjectModel model;
  ResetAll(model);
  const Status loaded = LoadInputFile(model, options.input);
  if (!loaded.ok()) return Fail(err, loaded.message, options.input);
  SetInputFileNames(model, options.input);

  if (options.saveInput) {
    const Status saved = WriteInputFile(model, *options.saveInput);
    if (!saved.ok()) return Fail(err, saved.message, *options.saveInput);
    if (!options.output && !options.csvDir && !options.svgDir) return 0;
  }

  // Every report section, as if each box of the calculation window were ticked; slenderness output is
  // refused for user-defined criteria as it is in the window.
  model.OutputInputEcho = model.OutputSectionProperties = model.OutputInteractionDiagram = 1;
  model.OutputSectionAnalysis = 1;
  SetOutputSlenderness(model, 1);
  if (options.noMomentCurvature) SetPerformMomentCurvature(model, 0);

  const std::string output = options.output
                                 ? *options.output
                                 : std::filesystem::path(options.input).replace_extension(".out").string();
  if (SamePath(output, options.input)) {
    return Fail(err, "The report would replace the input file", output);
  }
  SetOutputFileNames(model, output);

  for (const auto* dir : {&options.csvDir, &options.svgDir}) {
    if (*dir && !MakeFolder(**dir)) return Fail(err, "Cannot create folder", **dir);
  }

  ProgressLines progress(err);
  const Status run = RunCalculation(model, options.progress ? &progress : nullptr);
  if (!run.ok()) {
    const std::string message = run.detail.empty() ? run.message : run.message + ": " + run.detail;
    return Fail(err, message, run.message == kInputIncomplete ? options.input : output);
  }
  if (options.csvDir && !WriteCsvFiles(model, *options.csvDir)) {
    return Fail(err, "Error writing CSV files", *options.csvDir);
  }
  if (options.svgDir && !WriteSvgFiles(model, *options.svgDir)) {
    return Fail(err, "Error writing SVG files", *options.svgDir);
  }
  out << "Report written to " << output << '\n';
  return 0;
}

}  // namespace tarnix
