// Reading and writing the input file. One description of the layout (the Exchange functions) serves both
// directions, so that what is written is exactly what is read.
#include "model/input_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "criteria/criteria.h"
#include "model/defaults.h"
#include "model/file_write.h"
#include "model/input_check.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "base/number_format.h"

namespace tarnix {
namespace {

// Input files are small; anything larger than this is not one.
constexpr size_t kMaxInputFileBytes = 64u << 20;

// A character that has no place in a text file: the control characters other than tab and line ends.
bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7f;
}

// An item as the reader's messages show it: in double quotes, cut short after 24 characters.
std::string Shown(std::string_view text) {
  constexpr size_t kShown = 24;
  return "\"" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...\"" : "\"");
}

// A load or end moment: stored in internal units, kept in the file in displayed units to 0.1.
struct Scaled {
  float& value;
  float factor;
};

// A coded option and the numbers it may hold.
struct Option {
  int& value;
  const OptionValues& allowed;
};

// What a row holds, for the reader's messages: the record or group it belongs to ("concrete rectangle 2",
// may be empty) and the names of its items in file order, separated by ", ".
struct Label {
  std::string owner;
  const char* items;
};

class RowWriter {
 public:
  static constexpr bool kReading = false;

  template <typename... Fields>
  bool Row(const Label&, Fields&&... fields) {
    bool first = true;
    ((Separate(first), Put(fields)), ...);
    text_ += "\r\n";
    return ok_;
  }

  bool ok() const { return ok_; }
  std::string& text() { return text_; }

 private:
  void Separate(bool& first) {
    if (!first) text_ += ',';
    first = false;
  }
  void Put(float value) {
    if (!std::isfinite(value)) ok_ = false;
    text_ += FormatFileFloat(value);
  }
  void Put(int value) { text_ += std::to_string(value); }
  void Put(const Option& option) { Put(option.value); }
  void Put(const std::string& value) {
    // The format has no escape for a double quote or a line break inside a text item; other control
    // characters would make the file look like binary data.
    text_ += '"';
    for (char c : value) text_ += c == '"' ? '\'' : (IsControl(c) || c == '\r' || c == '\n') ? ' ' : c;
    text_ += '"';
  }
  void Put(const Scaled& item) {
    const double displayed = RoundHalfAway(static_cast<double>(item.value) / item.factor, 1);
    if (!std::isfinite(displayed)) ok_ = false;
    text_ += FormatFileDouble(displayed);
  }

  std::string text_;
  bool ok_ = true;
};

// Reads rows one after the other. The first row that cannot be read stops the reading and leaves the
// reason, with its line number and what the line should have held.
class RowReader {
 public:
  static constexpr bool kReading = true;

  explicit RowReader(std::string_view text) : rest_(text) {}

  template <typename... Fields>
  bool Row(const Label& label, Fields&&... fields) {
    if (!problem_.empty()) return false;
    constexpr size_t expected = sizeof...(Fields);
    if (!NextLine()) return Fail(label, expected, "the file ends here");
    if (!split_) return Fail(label, expected, "a text item has no closing quote");
    if (items_.size() != expected) return Fail(label, expected, "found " + std::to_string(items_.size()));
    size_t i = 0;
    return (Get(label, i++, fields) && ...);
  }

  /// Stops the reading at the line last read, for `reason`.
  bool Refuse(const std::string& reason) {
    problem_ = "line " + std::to_string(line_) + ": " + reason;
    outOfRange_ = true;
    return false;
  }

  /// Why the reading stopped ("line 12: ..."); empty while every row was read.
  const std::string& problem() const { return problem_; }
  /// The reading stopped at a value outside its range, not at the end or a malformed row.
  bool outOfRange() const { return outOfRange_; }
  /// The reading stopped at the end of the file.
  bool ended() const { return ended_; }
  /// Number of the line last read.
  int line() const { return line_; }

 private:
  struct Item {
    std::string_view text;
    bool quoted = false;
  };

  static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

  // Splits the next line that is not blank into its items.
  bool NextLine() {
    while (!rest_.empty()) {
      size_t end = rest_.find_first_of("\r\n");
      std::string_view line = rest_.substr(0, end);
      if (end == std::string_view::npos) {
        rest_ = {};
      } else {
        const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
        rest_.remove_prefix(end + (crlf ? 2 : 1));
      }
      ++line_;
      if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
      split_ = Split(line);
      return true;
    }
    ++line_;  // the end of the file is where the next line would be
    ended_ = true;
    return false;
  }

  bool Split(std::string_view line) {
    items_.clear();
    size_t i = 0;
    while (true) {
      while (i < line.size() && IsBlank(line[i])) ++i;
      Item item;
      if (i < line.size() && line[i] == '"') {
        const size_t close = line.find('"', i + 1);
        if (close == std::string_view::npos) return false;
        item.text = line.substr(i + 1, close - i - 1);
        item.quoted = true;
        i = close + 1;
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i < line.size() && line[i] != ',') return false;
      } else {
        const size_t comma = std::min(line.find(',', i), line.size());
        item.text = line.substr(i, comma - i);
        while (!item.text.empty() && IsBlank(item.text.back())) item.text.remove_suffix(1);
        i = comma;
      }
      items_.push_back(item);
      if (i >= line.size()) return true;
      ++i;  // the comma
    }
  }

  // "line 9: expected 4 items (concrete rectangle 1: Yt, D, W, rsign), found 3"
  bool Fail(const Label& label, size_t expected, const std::string& found) {
    const std::string what = label.owner.empty() ? label.items : label.owner + ": " + label.items;
    problem_ = "line " + std::to_string(line_) + ": expected " + std::to_string(expected) +
               (expected == 1 ? " item (" : " items (") + what + "), " + found;
    return false;
  }

  // The name of item `index` of a label: "W" of "Yt, D, W, rsign", with its owner.
  static std::string ItemName(const Label& label, size_t index) {
    std::string_view names = label.items;
    for (size_t k = 0; k < index; ++k) names.remove_prefix(std::min(names.size(), names.find(", ") + 2));
    const std::string name(names.substr(0, names.find(", ")));
    return label.owner.empty() ? name : label.owner + ": " + name;
  }

  // A number the field cannot hold (beyond single precision, a count beyond the 32-bit integers) is named
  // as such; anything else is not a number at all.
  bool NotANumber(const Label& label, size_t index, const Item& item) {
    const bool number = !item.quoted && ParseFileDouble(item.text).has_value();
    problem_ = "line " + std::to_string(line_) + ": " + ItemName(label, index) + " " + Shown(item.text) +
               (number ? " is out of range" : " is not a number");
    return false;
  }

  bool Get(const Label& label, size_t index, float& value) {
    const Item& item = items_[index];
    const auto parsed = item.quoted ? std::nullopt : ParseFileFloat(item.text);
    if (!parsed) return NotANumber(label, index, item);
    value = *parsed;
    return true;
  }
  bool Get(const Label& label, size_t index, int& value) {
    const Item& item = items_[index];
    const auto parsed = item.quoted ? std::nullopt : ParseFileInt(item.text);
    if (!parsed) return NotANumber(label, index, item);
    value = *parsed;
    return true;
  }
  bool Get(const Label& label, size_t index, const Option& option) {
    int value = 0;
    if (!Get(label, index, value)) return false;
    const std::string problem = OptionProblem(ItemName(label, index), value, option.allowed);
    if (!problem.empty()) return Refuse(problem);
    option.value = value;
    return true;
  }
  bool Get(const Label&, size_t index, std::string& value) {
    value = std::string(items_[index].text);
    return true;
  }
  bool Get(const Label& label, size_t index, const Scaled& target) {
    const Item& item = items_[index];
    const auto parsed = item.quoted ? std::nullopt : ParseFileDouble(item.text);
    if (!parsed || !std::isfinite(static_cast<float>(*parsed * target.factor))) {
      return NotANumber(label, index, item);
    }
    target.value = static_cast<float>(*parsed * target.factor);
    return true;
  }

  std::string_view rest_;
  std::vector<Item> items_;
  bool split_ = true;
  int line_ = 0;
  std::string problem_;
  bool outOfRange_ = false;
  bool ended_ = false;
};

// A record kind as the reader's messages name it.
struct ListText {
  const char* plural;    ///< "concrete rectangles"
  const char* singular;  ///< "concrete rectangle"
  const char* count;     ///< "nr"
  const char* items;     ///< "Yt, D, W, rsign"
};

// A count row and, when the count is at least 1, one row per record. Reading replaces the list.
template <typename Io, typename Record, typename RowFn>
bool ExchangeList(Io& io, const ListText& text, int& count, std::vector<Record>& records, int& current,
                  RowFn row) {
  if (!io.Row({text.plural, text.count}, count)) return false;
  if (count < 1) return true;
  if constexpr (Io::kReading) {
    if (count > kMaxRecordCount) {
      return io.Refuse(std::string(text.count) + " " + std::to_string(count) + " is more than " +
                       std::to_string(kMaxRecordCount) + " " + text.plural);
    }
    records.assign(static_cast<size_t>(count) + 1, Record{});
    current = 1;
  } else {
    if (records.size() < static_cast<size_t>(count) + 1) return false;
  }
  for (int i = 1; i <= count; ++i) {
    const Label label{std::string(text.singular) + " " + std::to_string(i), text.items};
    if (!row(records[static_cast<size_t>(i)], label)) return false;
  }
  return true;
}

// Everything after the criteria and units, up to the slenderness data of the load conditions.
template <typename Io>
bool ExchangeSectionAndLoads(Io& io, ProjectModel& m) {
  if (!io.Row({"", "fpc, fy, fs, Ec, Er, Es"}, m.fpc, m.fy, m.fs, m.Ec, m.Er, m.Es)) return false;
  if (!io.Row({"", "a1, b1, em"}, m.a1, m.b1, m.em)) return false;
  if (!io.Row({"", "phiT, phiC, phiS"}, m.phiT, m.phiC, m.phiS)) return false;
  if (!io.Row({"", "phiConc, phiReinf, phiStl"}, m.phiConc, m.phiReinf, m.phiStl)) return false;

  if (!ExchangeList(io, {"concrete rectangles", "concrete rectangle", "nr", "Yt, D, W, rsign"}, m.nr, m.rects,
                    m.currentRect, [&](ConcreteRect& r, const Label& label) {
                      return io.Row(label, r.Yt, r.D, r.W, Option{r.rsign, kSigns});
                    }))
    return false;
  if (!ExchangeList(io, {"concrete circles", "concrete circle", "nc", "Yc, Rc, csign"}, m.nc, m.circles,
                    m.currentCirc, [&](ConcreteCircle& c, const Label& label) {
                      return io.Row(label, c.Yc, c.Rc, Option{c.csign, kSigns});
                    }))
    return false;
  if (!ExchangeList(io, {"reinforcing lines", "reinforcing line", "nl", "Yb, Lb, Ab, Nbl, Abl"}, m.nl,
                    m.lines, m.currentLine, [&](ReinforcingLine& l, const Label& label) {
                      return io.Row(label, l.Yb, l.Lb, l.Ab, l.Nbl, l.Abl);
                    }))
    return false;
  if (!ExchangeList(io, {"reinforcing arcs", "reinforcing arc", "na", "Y0, R0, Abeg, Atot, Nba, Aba"}, m.na,
                    m.arcs, m.currentArc, [&](ReinforcingArc& a, const Label& label) {
                      return io.Row(label, a.Y0, a.R0, a.Abeg, a.Atot, a.Nba, a.Aba);
                    }))
    return false;
  if (!ExchangeList(io, {"steel shapes", "steel shape", "nb", "Ytb, Db, Wb"}, m.nb, m.steelRects,
                    m.currentBar,
                    [&](SteelRect& b, const Label& label) { return io.Row(label, b.Ytb, b.Db, b.Wb); }))
    return false;
  if (!ExchangeList(io, {"steel pipes", "steel pipe", "np", "Ycp, Rcp, tp"}, m.np, m.pipes, m.currentPipe,
                    [&](SteelPipe& p, const Label& label) { return io.Row(label, p.Ycp, p.Rcp, p.tp); }))
    return false;

  const float force = m.ForceUnitFactor;
  const float moment = m.MomentUnitFactor;
  // Note the file order of a load: axial load, moment, shear, torsion.
  if (!ExchangeList(io, {"load conditions", "load condition", "ns", "P, M, V, T"}, m.ns, m.loads,
                    m.currentLoad, [&](LoadCondition& c, const Label& label) {
                      return io.Row(label, Scaled{c.P, force}, Scaled{c.M, moment}, Scaled{c.V, force},
                                    Scaled{c.T, moment});
                    }))
    return false;

  if (!io.Row({"member", "L, Keff, Ieff"}, m.L, m.Keff, m.Ieff)) return false;
  if (!io.Row({"restraints", "Vri, Vrj, Mri, Mrj"}, Option{m.Vri, kFlags}, Option{m.Vrj, kFlags},
              Option{m.Mri, kFlags}, Option{m.Mrj, kFlags}))
    return false;
  if (!io.Row({"", "slenderness option"}, Option{m.SlendernessOption, kSlendernessOptions})) return false;

  if (m.ns >= 1 && m.SlendernessOption != Slenderness::None) {
    const auto label = [](int i, const char* items) {
      return Label{"load condition " + std::to_string(i), items};
    };
    // Three passes over the load conditions, not one interleaved pass.
    for (int i = 1; i <= m.ns; ++i) {
      LoadCondition& c = m.loads[static_cast<size_t>(i)];
      if (!io.Row(label(i, "di, dj, ri, rj"), c.di, c.dj, c.ri, c.rj)) return false;
    }
    for (int i = 1; i <= m.ns; ++i) {
      LoadCondition& c = m.loads[static_cast<size_t>(i)];
      if (!io.Row(label(i, "M1ns, M2ns, M1s, M2s"), Scaled{c.M1ns, moment}, Scaled{c.M2ns, moment},
                  Scaled{c.M1s, moment}, Scaled{c.M2s, moment}))
        return false;
    }
    for (int i = 1; i <= m.ns; ++i) {
      LoadCondition& c = m.loads[static_cast<size_t>(i)];
      if (!io.Row(label(i, "BetaD, BetaDs, Tloads"), c.BetaD, c.BetaDs, Option{c.Tloads, kFlags}))
        return false;
    }
  }
  return true;
}

// The user points of one steel curve, by its model: 4 Bilinear points, or ParkModel and 6 Park points.
template <typename Io>
bool ExchangeCurve(Io& io, ProjectModel& m, const char* material, int model, BilinearPoints& bilinear,
                   ParkPoints& park) {
  const auto point = [&](const char* curve, int p) {
    return Label{std::string(material) + " " + curve + " curve, point " + std::to_string(p),
                 "strain, stress"};
  };
  if (model == SteelModel::Bilinear) {
    if constexpr (Io::kReading) m.StressStrainPointCount = 4;
    for (int p = 1; p <= 4; ++p) {
      if (!io.Row(point("Bilinear", p), bilinear[p].strain, bilinear[p].stress)) return false;
    }
  } else if (model == SteelModel::Park) {
    if constexpr (Io::kReading) m.StressStrainPointCount = 6;
    if (!io.Row({"", "Park model"}, Option{m.ParkModel, kStrainHardenings})) return false;
    for (int p = 1; p <= 6; ++p) {
      if (!io.Row(point("Park", p), park[p].strain, park[p].stress)) return false;
    }
  }
  return true;
}

// The material-model section, present only when a moment-curvature analysis is requested.
template <typename Io>
bool ExchangeMaterialModels(Io& io, ProjectModel& m) {
  if (!io.Row({"", "concrete model, reinforcing model, steel model"},
              Option{m.concreteModel, kConcreteModels}, Option{m.reinfModel, kSteelModels},
              Option{m.steelModel, kSteelModels}))
    return false;
  if (m.nr >= 1 || m.nc >= 1) {
    if (!io.Row({"concrete", "ec0, fc0, ecu, fcu, esp, fcc, Eci"}, m.ec0, m.fc0, m.ecu, m.fcu, m.esp, m.fcc,
                m.Eci))
      return false;
    if (m.concreteModel == ConcreteModel::Mander) {
      if (!io.Row({"", "confinement option"}, Option{m.confinementOption, kConfinements})) return false;
      if (!io.Row({"confinement", "ds, st, cover, fyh, esf, Dc"}, m.ds, m.st, m.cover, m.fyh, m.esf, m.Dc))
        return false;
      if (!io.Row({"confinement", "sl, xcl, ycl, nx, ny"}, m.sl, m.xcl, m.ycl, m.nx, m.ny)) return false;
    }
  }
  if (m.nl >= 1 || m.na >= 1) {
    if (!ExchangeCurve(io, m, "reinforcing", m.reinfModel, m.rpBL, m.rpPA)) return false;
  }
  if (m.nb >= 1 || m.np >= 1) {
    if (!ExchangeCurve(io, m, "structural steel", m.steelModel, m.spBL, m.spPA)) return false;
  }
  return true;
}

bool IsCriteriaKey(const std::string& item) { return FindCriteria(item) != nullptr; }

bool IsUnitsKey(const std::string& item) { return UnitSystem::IsKey(item); }

// "unknown design criteria "aci2025"": the key is shown when it is short enough to be one.
std::string UnknownKey(const char* what, const std::string& key) {
  const bool shown = key.size() <= 40 && std::none_of(key.begin(), key.end(), IsControl);
  return std::string("unknown ") + what + (shown ? " \"" + key + "\"" : std::string());
}

// The line of the first character that has no place in a text file; 0 when there is none.
int BinaryLine(std::string_view text) {
  const auto at = std::find_if(text.begin(), text.end(), IsControl);
  if (at == text.end()) return 0;
  return 1 + static_cast<int>(std::count(text.begin(), at, '\n'));
}

constexpr const char* kNotAnInputFile =
    "not an input file: the first lines hold no design criteria and unit system";

// The first lines: the title (absent from files of older versions), the criteria and the unit system.
// Returns the reason when they are not those of an input file.
std::string ReadHeading(RowReader& io, ProjectModel& m) {
  // A row that is there but is no single item means the file is something else.
  const auto broken = [&io] { return io.ended() ? io.problem() : std::string(kNotAnInputFile); };
  std::string first, second;
  if (!io.Row({"", "title"}, first)) return broken();
  const int firstLine = io.line();
  if (!io.Row({"", "design criteria"}, second)) return broken();
  const int secondLine = io.line();
  // A title may itself equal a criteria key, so an old file is recognised only when the item after the key
  // is a unit system.
  if (IsUnitsKey(second)) {
    if (!IsCriteriaKey(first))
      return "line " + std::to_string(firstLine) + ": " + UnknownKey("design criteria", first);
    m.criteria = first;
    m.units = second;
    return {};
  }
  m.title = first;
  m.criteria = second;
  const bool unitsRead = io.Row({"", "unit system"}, m.units);
  if (!unitsRead && io.ended()) return io.problem();
  const bool unitsKnown = unitsRead && IsUnitsKey(m.units);
  // Every load and every unit-dependent rule depends on the unit system and the criteria: unknown keys are
  // not guessed.
  if (!IsCriteriaKey(m.criteria)) {
    return unitsKnown
               ? "line " + std::to_string(secondLine) + ": " + UnknownKey("design criteria", m.criteria)
               : std::string(kNotAnInputFile);
  }
  if (!unitsRead) return io.problem();
  if (!unitsKnown) return "line " + std::to_string(io.line()) + ": " + UnknownKey("unit system", m.units);
  return {};
}

std::string BareFileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

const char* InputFileRefusal(const ProjectModel& m) {
  if (IsTwoDimensional(m)) return kInputFileIsOneDimensional;
  if (NeedsProjectFile(m)) return kInputFileHasProjectOnlyData;
  return nullptr;
}

std::optional<std::string> FormatInputFile(const ProjectModel& model) {
  if (NeedsProjectFile(model)) return std::nullopt;
  ProjectModel m = model;  // the shared layout takes its fields by reference
  RowWriter io;
  io.Row({}, m.title);
  io.Row({}, m.criteria);
  io.Row({}, m.units);
  bool ok = ExchangeSectionAndLoads(io, m);
  if (ok && IsSet(m.PerformMomentCurvature)) ok = ExchangeMaterialModels(io, m);
  if (!ok || !io.ok()) return std::nullopt;
  return std::move(io.text());
}

Status WriteInputFile(ProjectModel& m, const std::string& path) {
  if (const char* refusal = InputFileRefusal(m)) return Status::Failure(kErrorWritingInput, refusal);
  if (Status complete = RequireCompleteModel(m); !complete.ok()) return complete;
  const auto text = FormatInputFile(m);
  if (!text || !ReplaceFileContent(path, *text)) return Status::Failure(kErrorWritingInput);
  return Status::Success();
}

Status ReadInputText(ProjectModel& model, std::string_view text) {
  const auto failure = [](const std::string& reason) { return Status::Failure(kErrorReadingInput, reason); };
  // Editors of older systems may end a text file with Ctrl-Z.
  if (!text.empty() && text.back() == '\x1a') text.remove_suffix(1);
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return failure("the file is empty");
  if (const int line = BinaryLine(text)) {
    return failure("not an input file: line " + std::to_string(line) + " holds binary data");
  }

  ProjectModel m = model;
  RowReader io(text);
  const std::string heading = ReadHeading(io, m);
  if (!heading.empty()) return failure(heading);
  SetUnitFactors(m);
  if (!ExchangeSectionAndLoads(io, m)) return failure(io.problem());

  // The curves start from the defaults of this file's strengths and units, not from whatever the model
  // held before; what the file's material-model section holds replaces them.
  ApplyMaterialModelDefaults(m);
  // From here on a missing or broken row only means that the file has no material-model section; an
  // option number outside its range is a damaged file all the same.
  if (ExchangeMaterialModels(io, m)) {
    m.PerformMomentCurvature = 1;
    m.OutputMomentCurvature = 1;
  } else if (io.outOfRange()) {
    return failure(io.problem());
  } else {
    m.PerformMomentCurvature = 0;
  }
  ApplyControlDefaults(m);
  ClearResults(m);
  model = std::move(m);
  return Status::Success();
}

Status ReadInputFileText(const std::string& path, std::string& text) {
  if (auto content = ReadFileContent(path, kMaxInputFileBytes)) {
    text = std::move(*content);
    return Status::Success();
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string reason = "the file cannot be opened";
  if (!fs::exists(path, ec)) {
    reason = "the file does not exist";
  } else if (fs::is_directory(path, ec)) {
    reason = "a folder, not a file";
  } else if (fs::file_size(path, ec) > kMaxInputFileBytes && !ec) {
    reason = "not an input file: the file is too large";
  }
  return Status::Failure(kErrorReadingInput, reason);
}

Status LoadInputFile(ProjectModel& m, const std::string& path) {
  std::string text;
  const Status read = ReadInputFileText(path, text);
  return read.ok() ? ReadInputText(m, text) : read;
}

void SetInputFileNames(ProjectModel& m, const std::string& path) {
  m.inputFileName = path;
  m.inputFileTitle = BareFileName(path);
}

void SetOutputFileNames(ProjectModel& m, const std::string& path) {
  m.outputFileName = path;
  m.outputFileTitle = BareFileName(path);
}

}  // namespace tarnix
