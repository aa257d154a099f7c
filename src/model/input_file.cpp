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

// A load or end moment: stored in internal units, kept in the file in displayed units to 0.1.
struct Scaled {
  float& value;
  float factor;
};

class RowWriter {
 public:
  static constexpr bool kReading = false;

  template <typename... Fields>
  bool Row(Fields&&... fields) {
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
  void Put(const std::string& value) {
    // The format has no escape for a double quote or a line break inside a text item.
    text_ += '"';
    for (char c : value) text_ += c == '"' ? '\'' : (c == '\r' || c == '\n') ? ' ' : c;
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

class RowReader {
 public:
  static constexpr bool kReading = true;

  explicit RowReader(std::string_view text) : rest_(text) {}

  template <typename... Fields>
  bool Row(Fields&&... fields) {
    if (!NextLine()) return false;
    if (items_.size() != sizeof...(Fields)) return false;
    size_t i = 0;
    return (Get(items_[i++], fields) && ...);
  }

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
      if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
      return Split(line);
    }
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

  static bool Get(const Item& item, float& value) {
    const auto parsed = item.quoted ? std::nullopt : ParseFileFloat(item.text);
    if (parsed) value = *parsed;
    return parsed.has_value();
  }
  static bool Get(const Item& item, int& value) {
    const auto parsed = item.quoted ? std::nullopt : ParseFileInt(item.text);
    if (parsed) value = *parsed;
    return parsed.has_value();
  }
  static bool Get(const Item& item, std::string& value) {
    value = std::string(item.text);
    return true;
  }
  static bool Get(const Item& item, const Scaled& target) {
    const auto parsed = item.quoted ? std::nullopt : ParseFileDouble(item.text);
    if (!parsed) return false;
    const double stored = *parsed * target.factor;
    if (!std::isfinite(static_cast<float>(stored))) return false;
    target.value = static_cast<float>(stored);
    return true;
  }

  std::string_view rest_;
  std::vector<Item> items_;
};

// A count row and, when the count is at least 1, one row per record. Reading replaces the list.
template <typename Io, typename Record, typename RowFn>
bool ExchangeList(Io& io, int& count, std::vector<Record>& records, int& current, RowFn row) {
  if (!io.Row(count)) return false;
  if (count < 1) return true;
  if constexpr (Io::kReading) {
    if (count > kMaxRecordCount) return false;
    records.assign(static_cast<size_t>(count) + 1, Record{});
    current = 1;
  } else {
    if (records.size() < static_cast<size_t>(count) + 1) return false;
  }
  for (int i = 1; i <= count; ++i) {
    if (!row(records[static_cast<size_t>(i)])) return false;
  }
  return true;
}

// Everything after the criteria and units, up to the slenderness data of the load conditions.
template <typename Io>
bool ExchangeSectionAndLoads(Io& io, ProjectModel& m) {
  if (!io.Row(m.fpc, m.fy, m.fs, m.Ec, m.Er, m.Es)) return false;
  if (!io.Row(m.a1, m.b1, m.em)) return false;
  if (!io.Row(m.phiT, m.phiC, m.phiS)) return false;
  if (!io.Row(m.phiConc, m.phiReinf, m.phiStl)) return false;

  if (!ExchangeList(io, m.nr, m.rects, m.currentRect,
                    [&](ConcreteRect& r) { return io.Row(r.Yt, r.D, r.W, r.rsign); }))
    return false;
  if (!ExchangeList(io, m.nc, m.circles, m.currentCirc,
                    [&](ConcreteCircle& c) { return io.Row(c.Yc, c.Rc, c.csign); }))
    return false;
  if (!ExchangeList(io, m.nl, m.lines, m.currentLine,
                    [&](ReinforcingLine& l) { return io.Row(l.Yb, l.Lb, l.Ab, l.Nbl, l.Abl); }))
    return false;
  if (!ExchangeList(io, m.na, m.arcs, m.currentArc,
                    [&](ReinforcingArc& a) { return io.Row(a.Y0, a.R0, a.Abeg, a.Atot, a.Nba, a.Aba); }))
    return false;
  if (!ExchangeList(io, m.nb, m.steelRects, m.currentBar,
                    [&](SteelRect& b) { return io.Row(b.Ytb, b.Db, b.Wb); }))
    return false;
  if (!ExchangeList(io, m.np, m.pipes, m.currentPipe,
                    [&](SteelPipe& p) { return io.Row(p.Ycp, p.Rcp, p.tp); }))
    return false;

  const float force = m.ForceUnitFactor;
  const float moment = m.MomentUnitFactor;
  // Note the file order of a load: axial load, moment, shear, torsion.
  if (!ExchangeList(io, m.ns, m.loads, m.currentLoad, [&](LoadCondition& c) {
        return io.Row(Scaled{c.P, force}, Scaled{c.M, moment}, Scaled{c.V, force}, Scaled{c.T, moment});
      }))
    return false;

  if (!io.Row(m.L, m.Keff, m.Ieff)) return false;
  if (!io.Row(m.Vri, m.Vrj, m.Mri, m.Mrj)) return false;
  if (!io.Row(m.SlendernessOption)) return false;

  if (m.ns >= 1 && m.SlendernessOption != Slenderness::None) {
    // Three passes over the load conditions, not one interleaved pass.
    for (int i = 1; i <= m.ns; ++i) {
      LoadCondition& c = m.loads[static_cast<size_t>(i)];
      if (!io.Row(c.di, c.dj, c.ri, c.rj)) return false;
    }
    for (int i = 1; i <= m.ns; ++i) {
      LoadCondition& c = m.loads[static_cast<size_t>(i)];
      if (!io.Row(Scaled{c.M1ns, moment}, Scaled{c.M2ns, moment}, Scaled{c.M1s, moment},
                  Scaled{c.M2s, moment}))
        return false;
    }
    for (int i = 1; i <= m.ns; ++i) {
      LoadCondition& c = m.loads[static_cast<size_t>(i)];
      if (!io.Row(c.BetaD, c.BetaDs, c.Tloads)) return false;
    }
  }
  return true;
}

// The user points of one steel curve, by its model: 4 Bilinear points, or ParkModel and 6 Park points.
template <typename Io>
bool ExchangeCurve(Io& io, ProjectModel& m, int model, BilinearPoints& bilinear, ParkPoints& park) {
  if (model == SteelModel::Bilinear) {
    if constexpr (Io::kReading) m.StressStrainPointCount = 4;
    for (int p = 1; p <= 4; ++p) {
      if (!io.Row(bilinear[p].strain, bilinear[p].stress)) return false;
    }
  } else if (model == SteelModel::Park) {
    if constexpr (Io::kReading) m.StressStrainPointCount = 6;
    if (!io.Row(m.ParkModel)) return false;
    for (int p = 1; p <= 6; ++p) {
      if (!io.Row(park[p].strain, park[p].stress)) return false;
    }
  }
  return true;
}

// The material-model section, present only when a moment-curvature analysis is requested.
template <typename Io>
bool ExchangeMaterialModels(Io& io, ProjectModel& m) {
  if (!io.Row(m.concreteModel, m.reinfModel, m.steelModel)) return false;
  if (m.nr >= 1 || m.nc >= 1) {
    if (!io.Row(m.ec0, m.fc0, m.ecu, m.fcu, m.esp, m.fcc, m.Eci)) return false;
    if (m.concreteModel == ConcreteModel::Mander) {
      if (!io.Row(m.confinementOption)) return false;
      if (!io.Row(m.ds, m.st, m.cover, m.fyh, m.esf, m.Dc)) return false;
      if (!io.Row(m.sl, m.xcl, m.ycl, m.nx, m.ny)) return false;
    }
  }
  if (m.nl >= 1 || m.na >= 1) {
    if (!ExchangeCurve(io, m, m.reinfModel, m.rpBL, m.rpPA)) return false;
  }
  if (m.nb >= 1 || m.np >= 1) {
    if (!ExchangeCurve(io, m, m.steelModel, m.spBL, m.spPA)) return false;
  }
  return true;
}

bool IsCriteriaKey(const std::string& item) { return FindCriteria(item) != nullptr; }

bool IsUnitsKey(const std::string& item) { return UnitSystem::IsKey(item); }

std::string BareFileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

std::optional<std::string> FormatInputFile(const ProjectModel& model) {
  ProjectModel m = model;  // the shared layout takes its fields by reference
  RowWriter io;
  io.Row(m.title);
  io.Row(m.criteria);
  io.Row(m.units);
  bool ok = ExchangeSectionAndLoads(io, m);
  if (ok && IsSet(m.PerformMomentCurvature)) ok = ExchangeMaterialModels(io, m);
  if (!ok || !io.ok()) return std::nullopt;
  return std::move(io.text());
}

Status WriteInputFile(ProjectModel& m, const std::string& path) {
  if (!CheckInputComplete(m)) return Status::Failure(kInputIncomplete);
  const auto text = FormatInputFile(m);
  if (!text || !ReplaceFileContent(path, *text)) return Status::Failure(kErrorWritingInput);
  return Status::Success();
}

Status ReadInputText(ProjectModel& model, std::string_view text) {
  ProjectModel m = model;
  RowReader io(text);
  const Status failure = Status::Failure(kErrorReadingInput);

  // Files of older versions start with the criteria key and have no title line. A title may itself equal a
  // criteria key, so an old file is recognised only when the item after the key is a unit system.
  std::string first, second;
  if (!io.Row(first) || !io.Row(second)) return failure;
  if (IsCriteriaKey(first) && IsUnitsKey(second)) {
    m.criteria = first;
    m.units = second;
  } else {
    m.title = first;
    m.criteria = second;
    if (!io.Row(m.units)) return failure;
  }
  // Every load and every unit-dependent rule depends on the unit system and the criteria: unknown keys are
  // not guessed, and an unknown criteria is named.
  if (!IsCriteriaKey(m.criteria)) {
    const bool printable = m.criteria.size() <= 40 && std::all_of(m.criteria.begin(), m.criteria.end(), [](char c) {
                             return c >= ' ' && c <= '~';
                           });
    return Status::Failure(kErrorReadingInput, printable ? "unknown design criteria \"" + m.criteria + "\""
                                                         : std::string("unknown design criteria"));
  }
  if (!IsUnitsKey(m.units)) return failure;
  SetUnitFactors(m);
  if (!ExchangeSectionAndLoads(io, m)) return failure;

  // The curves start from the defaults of this file's strengths and units, not from whatever the model
  // held before; what the file's material-model section holds replaces them.
  ApplyMaterialModelDefaults(m);
  // From here on a missing or broken row only means that the file has no material-model section.
  if (ExchangeMaterialModels(io, m)) {
    m.PerformMomentCurvature = 1;
    m.OutputMomentCurvature = 1;
  } else {
    m.PerformMomentCurvature = 0;
  }
  ApplyControlDefaults(m);
  ClearResults(m);
  model = std::move(m);
  return Status::Success();
}

Status LoadInputFile(ProjectModel& m, const std::string& path) {
  const auto text = ReadFileContent(path, kMaxInputFileBytes);
  if (!text) return Status::Failure(kErrorReadingInput);
  return ReadInputText(m, *text);
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
