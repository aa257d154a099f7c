// Worked examples against the analyses: the expected-value file, the named quantities and the table.
#include "run/verification.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "curvature/idealization.h"
#include "run/calculation_run.h"
#include "model/defaults.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/project_file.h"
#include "model/model_edits.h"
#include "model/project_model.h"
#include "base/number_format.h"
#include "section/confinement.h"
#include "section/section_properties.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

// A quantity split into its name, the load condition it belongs to and the strain of a
// moment-curvature point.
struct QuantityName {
  std::string name;
  int load = 0;
  double strain = 0;
};

const std::vector<std::string>& PlainNames() {
  static const std::vector<std::string> names = {
      "sectionDepth", "steelDepth", "reinfDepth", "cBalanced",     "concArea",      "concYbar",
      "concIo",       "concI",      "reinfArea",  "reinfYbar",     "reinfIo",       "reinfI",
      "steelArea",    "steelYbar",  "steelIo",    "steelI",        "transArea",     "transYbar",
      "transI",       "PnMax",      "tensionPn",  "pureBendingPn", "pureBendingMn", "balancedDepth",
      "balancedPn",   "balancedMn", "fcc",        "ecu",       "concXbar",      "concIoY",
      "concIxyO",     "transXbar",  "transIY",    "transIxy"};
  return names;
}

bool IsOneOf(const std::string& word, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return word == n; });
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

std::vector<std::string> Words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// "capMoment 2", "mcMoment 1 at strain 0.003" or a plain name; empty when not in the vocabulary.
std::optional<QuantityName> ReadQuantity(const std::string& text) {
  const std::vector<std::string> w = Words(text);
  if (w.empty()) return std::nullopt;
  QuantityName q{w[0]};
  if (w.size() == 1) {
    const auto& names = PlainNames();
    if (std::find(names.begin(), names.end(), q.name) == names.end()) return std::nullopt;
    return q;
  }
  const std::optional<int> load = ParseFileInt(w[1]);
  if (!load || *load < 1 || w[1].find('.') != std::string::npos) return std::nullopt;
  q.load = *load;
  if (w.size() == 2 && IsOneOf(q.name, {"capPhi", "capAxial", "capMoment", "Cm", "deltaNs", "deltaS", "M2min",
                                         "Mc", "phiMnAse", "mcYieldCurvature", "mcDuctility", "McY", "biaxAngle",
                                         "biaxDepth", "biaxPhi", "biaxAxial", "biaxMomentX", "biaxMomentY"})) {
    return q;
  }
  if (w.size() == 5 && IsOneOf(q.name, {"mcMoment", "mcDepth", "mcAxial"}) && w[2] == "at" &&
      w[3] == "strain") {
    const std::optional<double> strain = ParseFileDouble(w[4]);
    if (!strain || !(*strain > 0)) return std::nullopt;
    q.strain = *strain;
    return q;
  }
  return std::nullopt;
}

struct Value {
  double value = 0;
  std::string problem;
};

Value Found(double v) { return {v, {}}; }
Value Missing(std::string why) { return {0, std::move(why)}; }

Value SectionValue(const SectionProperties& p, const std::string& name) {
  const std::pair<const char*, float> fields[] = {
      {"sectionDepth", p.sectionDepth}, {"steelDepth", p.steelDepth}, {"reinfDepth", p.reinfDepth},
      {"cBalanced", p.cBalanced},       {"concArea", p.concArea},     {"concYbar", p.concYbar},
      {"concIo", p.concIo},             {"concI", p.concI},           {"reinfArea", p.reinfArea},
      {"reinfYbar", p.reinfYbar},       {"reinfIo", p.reinfIo},       {"reinfI", p.reinfI},
      {"steelArea", p.steelArea},       {"steelYbar", p.steelYbar},   {"steelIo", p.steelIo},
      {"steelI", p.steelI},             {"transArea", p.transArea},   {"transYbar", p.transYbar},
      {"transI", p.transI},             {"concXbar", p.concXbar},     {"concIoY", p.concIoY},
      {"concIxyO", p.concIxyO},         {"transXbar", p.transXbar},   {"transIY", p.transIY},
      {"transIxy", p.transIxy}};
  for (const auto& [field, v] : fields) {
    if (name == field) return Found(v);
  }
  return Missing("not a section property");
}

Value DiagramValue(const InteractionDiagram& d, const std::string& name) {
  if (name == "PnMax") return Found(d.PnMax);
  if (d.idCount < 1) return Missing("no interaction diagram");
  const auto at = [&](const std::vector<float>& values, int k) { return values[static_cast<size_t>(k)]; };
  if (name == "tensionPn") return Found(at(d.idAxial, 1));
  // Index 1 stands for "not found" while the walk searches; the maximum tension point is never either.
  if (name == "pureBendingPn" || name == "pureBendingMn") {
    if (d.idPureBending <= 1) return Missing("no pure-bending point");
    return Found(at(name == "pureBendingPn" ? d.idAxial : d.idMoment, d.idPureBending));
  }
  if (d.idBalanced <= 1) return Missing("no balanced point");
  if (name == "balancedDepth") return Found(at(d.idDepth, d.idBalanced));
  return Found(at(name == "balancedPn" ? d.idAxial : d.idMoment, d.idBalanced));
}

Value CapacityValue(const ProjectModel& m, const QuantityName& q) {
  const auto& caps = m.interactionDiagram.capacity;
  if (q.load > ListSize(m.ns) || static_cast<size_t>(q.load) >= caps.size()) {
    return Missing("no load condition " + std::to_string(q.load));
  }
  const LoadCapacity& cap = caps[static_cast<size_t>(q.load)];
  if (cap.capFound == 1) return Missing("no capacity found");
  if (q.name == "capPhi") return Found(cap.capPhi);
  return Found(q.name == "capAxial" ? cap.capAxial : cap.capMoment);
}

Value BiaxialValue(const ProjectModel& m, const QuantityName& q) {
  const auto& caps = m.interactionDiagram.biaxial;
  if (q.load > ListSize(m.ns) || static_cast<size_t>(q.load) >= caps.size()) {
    return Missing("no biaxial capacity of load condition " + std::to_string(q.load));
  }
  const BiaxialCapacity& cap = caps[static_cast<size_t>(q.load)];
  if (!cap.computed || !cap.found) return Missing("no biaxial capacity found");
  const std::pair<const char*, float> fields[] = {
      {"biaxAngle", cap.angle}, {"biaxDepth", cap.depth},       {"biaxPhi", cap.phi},
      {"biaxAxial", cap.axial}, {"biaxMomentX", cap.momentX}, {"biaxMomentY", cap.momentY}};
  for (const auto& [field, v] : fields) {
    if (q.name == field) return Found(v);
  }
  return Missing("not a biaxial capacity");
}

Value SlendernessValue(const ProjectModel& m, const QuantityName& q) {
  const SlendernessResults& s = m.slenderness;
  const size_t n = static_cast<size_t>(q.load);
  if (q.load > ListSize(m.ns) || n >= s.Mc.size()) return Missing("no slenderness result");
  if (n < s.outcome.size() && s.outcome[n] != SlenderOutcome::Magnified) {
    return Missing(SlenderOutcomeText(s.outcome[n]));
  }
  if (q.name == "Mc") return Found(s.Mc[n]);
  if (q.name == "McY") {
    if (n >= s.McY.size()) return Missing("no magnification about the vertical axis");
    if (n < s.outcomeY.size() && s.outcomeY[n] != SlenderOutcome::Magnified) return Missing(SlenderOutcomeText(s.outcomeY[n]));
    return Found(s.McY[n]);
  }
  const std::pair<const char*, const std::vector<float>*> lists[] = {
      {"Cm", &s.Cm}, {"deltaNs", &s.deltaNs}, {"deltaS", &s.deltaS}, {"M2min", &s.M2min}, {"phiMnAse", &s.phiMnAse}};
  for (const auto& [name, list] : lists) {
    if (q.name == name) return n < list->size() ? Found((*list)[n]) : Missing("no slenderness result");
  }
  return Missing("not a slenderness result");
}

Value CurvatureValue(const ProjectModel& m, const QuantityName& q) {
  const McResult& r = m.momentCurvature;
  if (!r.ran()) return Missing("no moment-curvature analysis");
  if (static_cast<size_t>(q.load) >= r.curves.size()) {
    return Missing("no load condition " + std::to_string(q.load));
  }
  const std::vector<McPoint>& points = r.curves[static_cast<size_t>(q.load)].points;
  if (q.name == "mcYieldCurvature" || q.name == "mcDuctility") {
    if (points.size() < 2) return Missing("too few points");
    const McIdealization ideal = IdealizeMomentCurvature(m, q.load);
    if (!ideal.hasFirstYield) return Missing("no tension yield");
    if (q.name == "mcYieldCurvature") return Found(ideal.phiY);
    const MemberDuctilityResult d = MemberDuctility(m, ideal.phiYi, ideal.phiU);
    if (!(m.L > 0) || !d.hasDuctility) return Missing("no member ductility");
    return Found(d.ductility);
  }
  // The point nearest the strain, within half an increment: a step's own point rather than an event's
  // point located just beside it.
  const McPoint* nearest = nullptr;
  for (const McPoint& p : points) {
    const double off = std::abs(p.strain - q.strain);
    if (off < m.einc / 2 && (nearest == nullptr || off < std::abs(nearest->strain - q.strain))) nearest = &p;
  }
  if (nearest == nullptr) return Missing("no point at strain " + FormatGeneral(q.strain));
  if (q.name == "mcMoment") return Found(MomentAlong(r, *nearest));
  return Found(q.name == "mcDepth" ? nearest->depth : nearest->axial);
}

// The confined strength and strain follow from the confinement steel only when the engineer asks for
// them, so they are worked out on a copy and leave the analysed model as the input file has it.
Value ConfinementValue(const ProjectModel& m, const std::string& name) {
  ProjectModel copy = m;
  const std::string problem = ComputeConfinement(copy);
  if (!problem.empty()) return Missing(problem);
  return Found(name == "fcc" ? copy.fcc : copy.ecu);
}

Value Compute(const ProjectModel& m, const QuantityName& q) {
  if (q.name.rfind("cap", 0) == 0) return CapacityValue(m, q);
  if (q.name.rfind("mc", 0) == 0) return CurvatureValue(m, q);
  if (q.name.rfind("biax", 0) == 0) return BiaxialValue(m, q);
  if (q.load > 0) return SlendernessValue(m, q);
  if (q.name == "fcc" || q.name == "ecu") return ConfinementValue(m, q.name);
  const Value section = SectionValue(m.sectionProperties, q.name);
  if (section.problem.empty()) return section;
  return DiagramValue(m.interactionDiagram, q.name);
}

std::vector<VerificationRow> Refused(const std::string& caseName, const std::string& why) {
  VerificationRow row;
  row.caseName = caseName;
  row.quantity = "(input)";
  row.problem = why;
  return {row};
}

std::string Padded(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text + ' ';
}

}  // namespace

std::string ParseExpectedText(std::string_view text, std::vector<VerificationCheck>& checks) {
  checks.clear();
  std::vector<VerificationCheck> read;
  std::istringstream in{std::string(text)};
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return where + "expected \"quantity = value tolerance\"";
    const std::string quantity = Trimmed(line.substr(0, equals));
    if (quantity.empty()) return where + "no quantity before '='";
    if (!ReadQuantity(quantity)) return where + "unknown quantity " + quantity;
    const std::vector<std::string> numbers = Words(std::string_view(line).substr(equals + 1));
    if (numbers.size() != 2) return where + "expected a value and a tolerance after '='";
    const std::optional<double> value = ParseFileDouble(numbers[0]);
    const std::optional<double> tolerance = ParseFileDouble(numbers[1]);
    if (!value || !tolerance) return where + "value and tolerance must be numbers";
    if (*tolerance < 0) return where + "the tolerance must not be negative";
    read.push_back({quantity, *value, *tolerance});
  }
  if (read.empty()) return "no checks";
  checks = std::move(read);
  return {};
}

std::vector<VerificationRow> VerifyCase(const std::string& expectedPath) {
  const std::filesystem::path path(expectedPath);
  const std::string caseName = path.stem().string();
  std::ifstream file(path, std::ios::binary);
  if (!file) return Refused(caseName, "cannot read " + path.filename().string());
  std::ostringstream text;
  text << file.rdbuf();
  std::vector<VerificationCheck> checks;
  const std::string problem = ParseExpectedText(text.str(), checks);
  if (!problem.empty()) return Refused(caseName, path.filename().string() + ", " + problem);

  // A worked example in two dimensions is a project file, NAME.json; any other an input file, NAME.in.
  std::filesystem::path input = path;
  input.replace_extension(".json");
  if (!std::filesystem::exists(input)) input.replace_extension(".in");
  ProjectModel m;
  ResetAll(m);
  const Status loaded = LoadModelFile(m, input.string());
  // The message and its reason, then the file, as the batch tool says them.
  const auto refusal = [&](const Status& status) {
    const std::string reason = status.detail.empty() ? "" : ": " + status.detail;
    return Refused(caseName, status.message + reason + ": " + input.filename().string());
  };
  if (!loaded.ok()) return refusal(loaded);
  // Every analysis on, as the batch tool runs a file.
  m.OutputInputEcho = m.OutputSectionProperties = m.OutputInteractionDiagram = 1;
  m.OutputSectionAnalysis = 1;
  SetOutputSlenderness(m, 1);
  if (const Status complete = RequireCompleteModel(m); !complete.ok()) return refusal(complete);
  RunAnalyses(m);
  if (m.sectionProperties.problem != SectionProblem::None) {
    return Refused(caseName, SectionProblemText(m.sectionProperties.problem));
  }

  std::vector<VerificationRow> rows;
  for (const VerificationCheck& check : checks) {
    VerificationRow row;
    row.caseName = caseName;
    row.quantity = check.quantity;
    row.expected = check.expected;
    row.tolerance = check.tolerance;
    const Value v = Compute(m, *ReadQuantity(check.quantity));
    row.problem = v.problem;
    if (row.problem.empty()) {
      row.computed = v.value;
      const double difference = std::abs(row.computed - row.expected);
      row.deviation = row.expected == 0 ? difference : difference / std::abs(row.expected);
      row.pass = row.deviation <= row.tolerance;
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<VerificationRow> VerifyFolder(const std::string& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".expected") files.push_back(it->path());
  }
  if (files.empty()) return Refused(folder, "no .expected files");
  std::sort(files.begin(), files.end());
  std::vector<VerificationRow> rows;
  for (const auto& file : files) {
    const std::vector<VerificationRow> caseRows = VerifyCase(file.string());
    rows.insert(rows.end(), caseRows.begin(), caseRows.end());
  }
  return rows;
}

std::string FormatVerificationTable(const std::vector<VerificationRow>& rows) {
  size_t caseWidth = 4, quantityWidth = 8;
  for (const VerificationRow& row : rows) {
    caseWidth = std::max(caseWidth, row.caseName.size());
    quantityWidth = std::max(quantityWidth, row.quantity.size());
  }
  std::string table = Padded("case", caseWidth) + Padded("quantity", quantityWidth) + Padded("expected", 14) +
                      Padded("computed", 14) + Padded("deviation", 11) + Padded("tolerance", 11) + "result\n";
  int passed = 0;
  for (const VerificationRow& row : rows) {
    passed += row.pass;
    table += Padded(row.caseName, caseWidth) + Padded(row.quantity, quantityWidth);
    if (!row.problem.empty()) {
      table += "FAIL: " + row.problem + '\n';
      continue;
    }
    table += Padded(FormatGeneral(row.expected), 14) + Padded(FormatGeneral(row.computed), 14) +
             Padded(FormatFixedExponent(row.deviation, 2), 11) + Padded(FormatFixedExponent(row.tolerance, 2), 11) +
             (row.pass ? "pass" : "FAIL") + '\n';
  }
  table += std::to_string(passed) + " of " + std::to_string(rows.size()) + " checks passed\n";
  return table;
}

bool AllPassed(const std::vector<VerificationRow>& rows) {
  return !rows.empty() && std::all_of(rows.begin(), rows.end(), [](const VerificationRow& r) { return r.pass; });
}

}  // namespace tarnix
