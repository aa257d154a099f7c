// Reading and writing the project file. One description of the members (DescribeProject) serves both
// directions, so that what is written is exactly what is read; the JSON text is parsed by nlohmann/json
// into a small tree that keeps where each value stands, for messages with a line and a column.
#include "model/project_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <iterator>
#include <nlohmann/json.hpp>
#include <vector>

#include "base/number_format.h"
#include "criteria/criteria.h"
#include "model/bar_sizes.h"
#include "model/defaults.h"
#include "model/design_settings.h"
#include "model/file_write.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

using Json = nlohmann::json;

// The neutral-axis angles of the interaction surface that a project may ask for: at least the four
// directions of the two axes, at most one every degree.
constexpr int kMinSurfaceAngles = 4;
constexpr int kMaxSurfaceAngles = 360;

// The parsed tree takes some thirty times the bytes of the text; a project of ten thousand loads takes a
// few megabytes, so a larger text is no project file.
constexpr size_t kMaxProjectBytes = 8u << 20;

// Nesting beyond this is no project file; it is refused before the tree grows deep enough to matter.
constexpr size_t kMaxNesting = 32;

// A JSON value and where it stands in the text (byte offsets).
struct Node {
  enum class Kind { Null, Boolean, Integer, Number, String, Array, Object };
  Kind kind = Kind::Null;
  size_t at = 0;     ///< the first byte of the value
  size_t keyAt = 0;  ///< the first byte of its member name, inside an object
  std::string key;   ///< its member name, inside an object
  std::string text;  ///< a string's value, or a number's digits as written
  bool boolean = false;
  std::vector<Node> items;  ///< array elements, or object members in file order
};

std::string KindName(const Node& node) {
  switch (node.kind) {
    case Node::Kind::Null:
      return "null";
    case Node::Kind::Boolean:
      return node.boolean ? "true" : "false";
    case Node::Kind::Integer:
    case Node::Kind::Number:
      return "a number";
    case Node::Kind::String:
      return "a string";
    case Node::Kind::Array:
      return "an array";
    case Node::Kind::Object:
      return "an object";
  }
  return "a value";
}

// A text as messages show it: in JSON quotes and escapes, cut short after 24 bytes.
std::string Quoted(std::string_view text, size_t limit = std::string_view::npos) {
  const bool cut = text.size() > limit;
  const std::string shown =
      Json(std::string(text.substr(0, limit))).dump(-1, ' ', false, Json::error_handler_t::replace);
  return cut ? shown.substr(0, shown.size() - 1) + "...\"" : shown;
}
std::string Shown(std::string_view text) { return Quoted(text, 24); }

// The first problem of a text, and the byte where it lies.
struct Problem {
  size_t at = 0;
  std::string text;
  bool found() const { return !text.empty(); }
};

// Hands the parser the text one byte at a time and counts the bytes it has taken, so that each value
// can be placed where the parser found it.
class CountingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* at, size_t* taken) : at_(at), taken_(taken) {}
  reference operator*() const { return *at_; }
  CountingIterator& operator++() {
    ++at_;
    ++*taken_;
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
  bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

 private:
  const char* at_;
  size_t* taken_;
};

// Builds the tree from the parser's events (nlohmann's SAX interface). A value starts at the first byte
// after the previous token that is not blank, a colon or a comma; the parser has taken the whole value
// (a number one byte more) when it reports it.
class TreeBuilder {
 public:
  TreeBuilder(std::string_view text, const size_t& taken) : text_(text), taken_(taken) {}

  bool null() { return Scalar(Node{}); }
  bool boolean(bool value) {
    Node node;
    node.kind = Node::Kind::Boolean;
    node.boolean = value;
    return Scalar(std::move(node));
  }
  bool number_integer(Json::number_integer_t value) {
    return Number(Node::Kind::Integer, std::to_string(value));
  }
  bool number_unsigned(Json::number_unsigned_t value) {
    return Number(Node::Kind::Integer, std::to_string(value));
  }
  bool number_float(Json::number_float_t, const std::string& digits) {
    return Number(Node::Kind::Number, digits);
  }
  bool string(std::string& value) {
    Node node;
    node.kind = Node::Kind::String;
    node.text = std::move(value);
    return Scalar(std::move(node));
  }
  bool binary(Json::binary_t&) { return false; }  // JSON text has no binary values
  bool start_object(std::size_t) { return Open(Node::Kind::Object); }
  bool start_array(std::size_t) { return Open(Node::Kind::Array); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool key(std::string& name) {
    keyAt_ = Start();
    for (const Node& member : open_.back()->items) {
      if (member.key == name) return Refuse(keyAt_, "member " + Shown(name) + " is given twice");
    }
    key_ = std::move(name);
    return true;
  }
  bool parse_error(std::size_t taken, const std::string&, const Json::exception& error) {
    // "[json.exception.parse_error.101] parse error at line 1, column 9: syntax error while ...": the
    // place is given again by the caller, in the program's own terms.
    std::string what = error.what();
    const size_t place = what.find("column ");
    const size_t reason = place == std::string::npos ? place : what.find(": ", place);
    what = reason == std::string::npos ? "syntax error" : what.substr(reason + 2);
    // The message points at the token the parser could not place: the first byte after the last value
    // that is not blank, a colon or a comma, unless the parser stopped before it (inside a number).
    return Refuse(std::min(NextToken(), taken > 0 ? taken - 1 : 0), "not valid JSON: " + what);
  }

  Node& root() { return root_; }
  const Problem& problem() const { return problem_; }

 private:
  static bool Between(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ':' || c == ',';
  }

  size_t NextToken() const {
    size_t at = end_;
    while (at < text_.size() && Between(text_[at])) ++at;
    return at;
  }
  size_t Start() {
    const size_t at = NextToken();
    end_ = taken_;
    return at;
  }

  Node& Add(Node node) {
    node.at = Start();
    if (open_.empty()) {
      root_ = std::move(node);
      return root_;
    }
    Node& parent = *open_.back();
    if (parent.kind == Node::Kind::Object) {
      node.key = std::move(key_);
      node.keyAt = keyAt_;
    }
    parent.items.push_back(std::move(node));
    return parent.items.back();
  }
  bool Scalar(Node node) {
    Add(std::move(node));
    return true;
  }
  bool Number(Node::Kind kind, std::string digits) {
    Node node;
    node.kind = kind;
    node.text = std::move(digits);
    return Scalar(std::move(node));
  }
  bool Open(Node::Kind kind) {
    Node node;
    node.kind = kind;
    Node& added = Add(std::move(node));
    if (open_.size() >= kMaxNesting) return Refuse(added.at, "values nested more than 32 deep");
    open_.push_back(&added);
    return true;
  }
  bool Close() {
    open_.pop_back();
    end_ = taken_;
    return true;
  }
  bool Refuse(size_t at, std::string text) {
    problem_ = {at, std::move(text)};
    return false;
  }

  std::string_view text_;
  const size_t& taken_;
  size_t end_ = 0;
  Node root_;
  std::vector<Node*> open_;
  std::string key_;
  size_t keyAt_ = 0;
  Problem problem_;
};

// The value of a whole number's digits, when it fits.
std::optional<long long> WholeNumberText(const std::string& digits) {
  long long number = 0;
  const char* end = digits.data() + digits.size();
  const auto parsed = std::from_chars(digits.data(), end, number);
  if (parsed.ec != std::errc() || parsed.ptr != end) return std::nullopt;
  return number;
}

// Whether a member must be there. An optional member that is absent keeps the value of the reset model
// (a record's: that of a new record).
enum class Need { Required, Optional };

// Reads the members of one object into the model. The first problem stops the reading; a member that is
// absent is reported only when the object holds no unknown member, which is the likelier slip.
class Reader {
 public:
  static constexpr bool kReading = true;

  Reader(const Node& object, std::string path, Problem& problem)
      : object_(object), path_(std::move(path)), problem_(problem), used_(object.items.size(), false) {}

  /// "format" and "version", checked before the description is read.
  void Format() {
    Find("format", Need::Required);
    Find("version", Need::Required);
  }
  void Text(const char* name, std::string& value, Need need = Need::Required) {
    const Node* node = Find(name, need);
    if (!node) return;
    if (node->kind != Node::Kind::String) return WrongType(*node, name, "a string");
    value = node->text;
  }
  /// A key of a list the program knows (a design criteria, a unit system).
  void Key(const char* name, std::string& value, bool (*known)(const std::string&), const char* what) {
    const Node* node = Find(name, Need::Required);
    if (!node) return;
    if (node->kind != Node::Kind::String) return WrongType(*node, name, "a string");
    if (!known(node->text)) return Fail(node->at, Path(name) + ": unknown " + what + " " + Shown(node->text));
    value = node->text;
  }
  void Number(const char* name, float& value, Need need = Need::Required) {
    const Node* node = NumberNode(name, need, false);
    if (!node) return;
    const std::optional<float> number = ParseFileFloat(node->text);
    if (!number) return OutOfRange(*node, name);
    value = *number;
  }
  /// A value stored in internal units and written in displayed units: stored = written x factor.
  void Scaled(const char* name, float& value, float factor, Need need = Need::Required) {
    const Node* node = NumberNode(name, need, false);
    if (!node) return;
    const std::optional<double> number = ParseFileDouble(node->text);
    const auto stored = static_cast<float>(number.value_or(0) * factor);
    if (!number || !std::isfinite(stored)) return OutOfRange(*node, name);
    value = stored;
  }
  void Integer(const char* name, int& value, int lowest, int highest, Need need = Need::Required) {
    const Node* node = NumberNode(name, need, true);
    if (!node) return;
    const std::optional<int> number = WholeNumber(*node, name);
    if (!number) return;
    if (*number < lowest || *number > highest) {
      return Fail(node->at, Path(name) + " " + node->text + " is not from " + std::to_string(lowest) +
                                " to " + std::to_string(highest));
    }
    value = *number;
  }
  void Option(const char* name, int& value, const OptionValues& allowed, Need need = Need::Required) {
    const Node* node = NumberNode(name, need, true);
    if (!node) return;
    const std::optional<int> number = WholeNumber(*node, name);
    if (!number) return;
    const std::string problem = OptionProblem(Path(name), *number, allowed);
    if (!problem.empty()) return Fail(node->at, problem);
    value = *number;
  }
  /// A 0/1 flag of the model, true or false in the file.
  void Flag(const char* name, int& value, Need need = Need::Required) {
    const Node* node = Find(name, need);
    if (!node) return;
    if (node->kind != Node::Kind::Boolean) return WrongType(*node, name, "true or false");
    value = node->boolean ? 1 : 0;
  }
  /// An object of members; false when it is absent or not read.
  template <typename Fn>
  bool Group(const char* name, Need need, Fn members) {
    const Node* node = Find(name, need);
    if (!node) return false;
    if (node->kind != Node::Kind::Object) {
      WrongType(*node, name, "an object");
      return false;
    }
    Reader inner(*node, Path(name), problem_);
    members(inner);
    inner.Finish();
    return !problem_.found();
  }
  /// An array of `lowest` to `highest` objects: `resize` is told their number, then `item` reads each.
  template <typename Resize, typename Item>
  void List(const char* name, Need need, size_t, size_t lowest, size_t highest, Resize resize, Item item) {
    const Node* node = Find(name, need);
    if (!node) return;
    if (node->kind != Node::Kind::Array) return WrongType(*node, name, "an array");
    const size_t count = node->items.size();
    if (lowest == highest && count != lowest) {
      return Fail(node->at, Path(name) + ": " + std::to_string(count) + " entries instead of " +
                                std::to_string(lowest));
    }
    if (count < lowest || count > highest) {
      return Fail(node->at, Path(name) + ": " + std::to_string(count) + " entries; from " +
                                std::to_string(lowest) + " to " + std::to_string(highest) + " are read");
    }
    resize(count);
    for (size_t i = 0; i < count && !problem_.found(); ++i) {
      const Node& entry = node->items[i];
      const std::string entryPath = Path(name) + "[" + std::to_string(i + 1) + "]";
      if (entry.kind != Node::Kind::Object) {
        return Fail(entry.at, entryPath + ": expected an object, found " + KindName(entry));
      }
      Reader inner(entry, entryPath, problem_);
      item(i, inner);
      inner.Finish();
    }
  }
  /// The model cannot be written (never while reading).
  void Unrepresentable() {}

  /// Refuses the first unknown member, else the first required member that was absent.
  void Finish() {
    if (problem_.found()) return;
    for (size_t i = 0; i < used_.size(); ++i) {
      if (!used_[i]) {
        const Node& member = object_.items[i];
        return Fail(member.keyAt, Owner() + "unknown member " + Shown(member.key));
      }
    }
    if (missing_.found()) problem_ = missing_;
  }

 private:
  std::string Path(const char* name) const { return path_.empty() ? name : path_ + "." + name; }
  std::string Owner() const { return path_.empty() ? "" : path_ + ": "; }

  const Node* Find(const char* name, Need need) {
    if (problem_.found()) return nullptr;
    for (size_t i = 0; i < object_.items.size(); ++i) {
      if (object_.items[i].key == name) {
        used_[i] = true;
        return &object_.items[i];
      }
    }
    if (need == Need::Required && !missing_.found()) {
      missing_ = {object_.at, Owner() + "no member \"" + name + "\""};
    }
    return nullptr;
  }
  void Fail(size_t at, std::string text) {
    if (!problem_.found()) problem_ = {at, std::move(text)};
  }
  void WrongType(const Node& node, const char* name, const char* expected) {
    Fail(node.at, Path(name) + ": expected " + expected + ", found " + KindName(node));
  }
  void OutOfRange(const Node& node, const char* name) {
    Fail(node.at, Path(name) + " " + node.text + " is out of range");
  }
  // The member when it is a number (a whole number when `whole`); nothing when it is absent or refused.
  const Node* NumberNode(const char* name, Need need, bool whole) {
    const Node* node = Find(name, need);
    if (!node) return nullptr;
    if (node->kind != Node::Kind::Integer && (whole || node->kind != Node::Kind::Number)) {
      WrongType(*node, name, whole ? "a whole number" : "a number");
      return nullptr;
    }
    return node;
  }
  std::optional<int> WholeNumber(const Node& node, const char* name) {
    const std::optional<long long> number = WholeNumberText(node.text);
    if (!number || *number < INT_MIN || *number > INT_MAX) {
      OutOfRange(node, name);
      return std::nullopt;
    }
    return static_cast<int>(*number);
  }

  const Node& object_;
  std::string path_;
  Problem& problem_;
  std::vector<bool> used_;
  Problem missing_;
};

// Writes the members of one object: a member per line with its indent, or all on one line (the records
// of a list and everything inside them).
class Writer {
 public:
  static constexpr bool kReading = false;

  Writer(std::string& text, bool& ok, int depth, bool oneLine)
      : text_(text), ok_(ok), depth_(depth), oneLine_(oneLine) {}

  void Format() {
    Member("format");
    text_ += Quoted(kProjectFormat);
    Member("version");
    text_ += std::to_string(kProjectVersion);
  }
  void Text(const char* name, const std::string& value, Need = Need::Required) {
    Member(name);
    text_ += Quoted(value);
  }
  void Key(const char* name, const std::string& value, bool (*)(const std::string&), const char*) {
    Text(name, value);
  }
  // Zero of either sign is written 0: JSON reads "-0" as the integer 0, and the file must read back to
  // its own text.
  void Number(const char* name, float value, Need = Need::Required) {
    Member(name);
    if (!std::isfinite(value)) ok_ = false;
    text_ += FormatFullPrecision(value == 0 ? 0.0f : value);
  }
  void Scaled(const char* name, float value, float factor, Need = Need::Required) {
    Member(name);
    const double shown = static_cast<double>(value) / factor;
    if (!std::isfinite(shown)) ok_ = false;
    text_ += FormatFullPrecision(shown == 0 ? 0.0 : shown);
  }
  void Integer(const char* name, int value, int, int, Need = Need::Required) {
    Member(name);
    text_ += std::to_string(value);
  }
  void Option(const char* name, int value, const OptionValues&, Need = Need::Required) {
    Integer(name, value, 0, 0);
  }
  void Flag(const char* name, int value, Need = Need::Required) {
    Member(name);
    if (value != 0 && value != 1) ok_ = false;
    text_ += value == 1 ? "true" : "false";
  }
  template <typename Fn>
  bool Group(const char* name, Need, Fn members) {
    Member(name);
    text_ += '{';
    Writer inner(text_, ok_, depth_ + 1, oneLine_);
    members(inner);
    inner.Close('}');
    return true;
  }
  template <typename Resize, typename Item>
  void List(const char* name, Need, size_t count, size_t, size_t, Resize, Item item) {
    Member(name);
    text_ += '[';
    for (size_t i = 0; i < count; ++i) {
      if (i > 0) text_ += ',';
      text_ += oneLine_ ? (i > 0 ? " " : "") : "\n" + Indent(depth_ + 1);
      text_ += '{';
      Writer inner(text_, ok_, depth_ + 2, true);
      item(i, inner);
      inner.Close('}');
    }
    if (count > 0 && !oneLine_) text_ += "\n" + Indent(depth_);
    text_ += ']';
  }
  void Unrepresentable() { ok_ = false; }

  void Close(char bracket) {
    if (!oneLine_ && !first_) text_ += "\n" + Indent(depth_ - 1);
    text_ += bracket;
  }

 private:
  static std::string Indent(int depth) {
    return std::string(2 * static_cast<size_t>(std::max(depth, 0)), ' ');
  }

  void Member(const char* name) {
    if (!first_) text_ += ',';
    text_ += oneLine_ ? (first_ ? "" : " ") : "\n" + Indent(depth_);
    first_ = false;
    text_ += Quoted(name) + ": ";
  }

  std::string& text_;
  bool& ok_;
  int depth_;
  bool oneLine_;
  bool first_ = true;
};

// A list of records numbered from 1 with its count: absent or empty means none. Reading replaces the list.
template <typename Io, typename Record, typename Fields>
void RecordList(Io& io, const char* name, int& count, std::vector<Record>& records, int& current,
                Fields fields) {
  const size_t size = static_cast<size_t>(ListSize(count));
  if constexpr (!Io::kReading) {
    if (records.size() < size + 1) return io.Unrepresentable();
  }
  io.List(
      name, Need::Optional, size, 0, static_cast<size_t>(kMaxRecordCount),
      [&](size_t n) {
        count = static_cast<int>(n);
        if (n == 0) return;
        records.assign(n + 1, Record{});
        current = 1;
      },
      [&](size_t i, auto& record) { fields(record, records[i + 1]); });
}

// A steel curve's point table, point 1 (the tension end) first.
template <typename Io, size_t N>
void Curve(Io& io, const char* name, std::array<StressStrainPoint, N>& table) {
  io.List(
      name, Need::Required, N - 1, N - 1, N - 1, [](size_t) {},
      [&](size_t i, auto& point) {
        point.Number("strain", table[i + 1].strain);
        point.Number("stress", table[i + 1].stress);
      });
}

// End moments (in displayed units) and sustained-load ratios of a load about one axis.
template <typename Io>
void EndMoments(Io& io, float& M1ns, float& M2ns, float& M1s, float& M2s, float& BetaD, float& BetaDs,
                float moment) {
  io.Scaled("M1ns", M1ns, moment, Need::Optional);
  io.Scaled("M2ns", M2ns, moment, Need::Optional);
  io.Scaled("M1s", M1s, moment, Need::Optional);
  io.Scaled("M2s", M2s, moment, Need::Optional);
  io.Number("BetaD", BetaD, Need::Optional);
  io.Number("BetaDs", BetaDs, Need::Optional);
}

template <typename Io>
void MemberData(Io& io, float& L, float& Keff, float& Ieff, int& Vri, int& Vrj, int& Mri, int& Mrj) {
  io.Number("L", L);
  io.Number("Keff", Keff);
  io.Number("Ieff", Ieff);
  io.Flag("Vri", Vri);
  io.Flag("Vrj", Vrj);
  io.Flag("Mri", Mri);
  io.Flag("Mrj", Mrj);
}

bool IsCriteriaKey(const std::string& key) { return FindCriteria(key) != nullptr; }
bool IsPatternKey(const std::string& key) { return BarPatternFromKey(key).has_value(); }
bool IsBarSizeName(const std::string& name) { return FindBarSize(name).has_value(); }
bool IsBarSizeNameOrNone(const std::string& name) { return name.empty() || IsBarSizeName(name); }
bool IsBarSizeList(const std::string& text) { return SplitBarSizeNames(text).has_value(); }

// Bars on one face, or on a circle, that a design search may be asked for.
constexpr int kMaxDesignBars = 100;

// The settings of the bar design search: written only when the project keeps them; when given, every
// member is.
template <typename Io>
void DesignMember(Io& io, ProjectModel& m) {
  if constexpr (!Io::kReading) {
    if (!m.design) return;
  }
  DesignSettings s = m.design.value_or(DesignSettings{});
  std::string pattern = BarPatternKey(s.pattern);
  std::string sizes = JoinBarSizeNames(s.sizes);
  int fullTable = s.fullTable ? 1 : 0;
  const bool read = io.Group("design", Need::Optional, [&](auto& g) {
    g.Key("pattern", pattern, IsPatternKey, "bar pattern");
    g.Key("sizes", sizes, IsBarSizeList, "bar size list");
    g.Number("cover", s.cover);
    g.Key("tie", s.tie, IsBarSizeName, "tie size");
    g.Integer("minBars", s.minBars, 2, kMaxDesignBars);
    g.Integer("maxBars", s.maxBars, 2, kMaxDesignBars);
    g.Integer("fixedCount", s.fixedCount, 0, 4 * kMaxDesignBars);
    g.Key("fixedSize", s.fixedSize, IsBarSizeNameOrNone, "bar size");
    g.Flag("fullTable", fullTable);
  });
  if constexpr (Io::kReading) {
    if (!read) return;
    s.pattern = *BarPatternFromKey(pattern);
    s.sizes = *SplitBarSizeNames(sizes);
    s.fullTable = fullTable == 1;
    m.design = s;
  }
}
bool IsUnitsKey(const std::string& key) { return UnitSystem::IsKey(key); }

// Every member of the project file, in the order it is written. Reading follows this order whatever the
// order of the file, so the unit system is known before the first load is scaled.
template <typename Io>
void DescribeProject(Io& io, ProjectModel& m) {
  io.Format();
  io.Text("title", m.title, Need::Optional);
  io.Key("criteria", m.criteria, IsCriteriaKey, "design criteria");
  io.Key("units", m.units, IsUnitsKey, "unit system");
  if constexpr (Io::kReading) SetUnitFactors(m);

  io.Group("materials", Need::Required, [&](auto& g) {
    g.Number("fpc", m.fpc);
    g.Number("fy", m.fy);
    g.Number("fs", m.fs);
    g.Number("Ec", m.Ec);
    g.Number("Er", m.Er);
    g.Number("Es", m.Es);
  });
  io.Group("stressBlock", Need::Required, [&](auto& g) {
    g.Number("a1", m.a1);
    g.Number("b1", m.b1);
    g.Number("em", m.em);
  });
  io.Group("factors", Need::Required, [&](auto& g) {
    g.Number("phiT", m.phiT);
    g.Number("phiC", m.phiC);
    g.Number("phiS", m.phiS);
    g.Number("phiConc", m.phiConc);
    g.Number("phiReinf", m.phiReinf);
    g.Number("phiStl", m.phiStl);
  });

  RecordList(io, "rectangles", m.nr, m.rects, m.currentRect, [](auto& r, ConcreteRect& c) {
    r.Number("x", c.X, Need::Optional);
    r.Number("top", c.Yt);
    r.Number("depth", c.D);
    r.Number("width", c.W);
    r.Option("sign", c.rsign, kSigns);
  });
  RecordList(io, "circles", m.nc, m.circles, m.currentCirc, [](auto& r, ConcreteCircle& c) {
    r.Number("x", c.Xc, Need::Optional);
    r.Number("y", c.Yc);
    r.Number("radius", c.Rc);
    r.Option("sign", c.csign, kSigns);
  });
  RecordList(io, "polygons", m.npg, m.polygons, m.currentPolygon, [](auto& r, ConcretePolygon& p) {
    r.Option("sign", p.psign, kSigns);
    r.List(
        "vertices", Need::Required, p.vertices.size(), 0, static_cast<size_t>(kMaxRecordCount),
        [&p](size_t n) { p.vertices.assign(n, Vertex{}); },
        [&p](size_t i, auto& v) {
          v.Number("x", p.vertices[i].x);
          v.Number("y", p.vertices[i].y);
        });
  });
  RecordList(io, "barLines", m.nl, m.lines, m.currentLine, [](auto& r, ReinforcingLine& l) {
    r.Number("x", l.Xb, Need::Optional);
    r.Number("y", l.Yb);
    r.Number("length", l.Lb);
    r.Number("angle", l.Ab);
    r.Integer("bars", l.Nbl, INT_MIN, INT_MAX);
    r.Number("barArea", l.Abl);
  });
  RecordList(io, "barArcs", m.na, m.arcs, m.currentArc, [](auto& r, ReinforcingArc& a) {
    r.Number("x", a.X0, Need::Optional);
    r.Number("y", a.Y0);
    r.Number("radius", a.R0);
    r.Number("startAngle", a.Abeg);
    r.Number("totalAngle", a.Atot);
    r.Integer("bars", a.Nba, INT_MIN, INT_MAX);
    r.Number("barArea", a.Aba);
  });
  RecordList(io, "singleBars", m.nsb, m.singleBars, m.currentSingleBar, [](auto& r, SingleBar& b) {
    r.Number("x", b.x);
    r.Number("y", b.y);
    r.Number("area", b.area);
  });
  RecordList(io, "steelShapes", m.nb, m.steelRects, m.currentBar, [](auto& r, SteelRect& b) {
    r.Number("x", b.Xcb, Need::Optional);
    r.Number("top", b.Ytb);
    r.Number("depth", b.Db);
    r.Number("width", b.Wb);
  });
  RecordList(io, "steelPipes", m.np, m.pipes, m.currentPipe, [](auto& r, SteelPipe& p) {
    r.Number("x", p.Xcp, Need::Optional);
    r.Number("y", p.Ycp);
    r.Number("radius", p.Rcp);
    r.Number("thickness", p.tp);
  });

  RecordList(io, "loads", m.ns, m.loads, m.currentLoad, [&m](auto& r, LoadCondition& c) {
    const float force = m.ForceUnitFactor, moment = m.MomentUnitFactor;
    r.Scaled("P", c.P, force);
    r.Scaled("M", c.M, moment);
    r.Scaled("My", c.My, moment, Need::Optional);
    r.Scaled("V", c.V, force, Need::Optional);
    r.Scaled("T", c.T, moment, Need::Optional);
    r.Number("di", c.di, Need::Optional);
    r.Number("dj", c.dj, Need::Optional);
    r.Number("ri", c.ri, Need::Optional);
    r.Number("rj", c.rj, Need::Optional);
    EndMoments(r, c.M1ns, c.M2ns, c.M1s, c.M2s, c.BetaD, c.BetaDs, moment);
    r.Flag("transverseLoads", c.Tloads, Need::Optional);
    r.Group("endY", Need::Optional, [&](auto& e) {
      AxisEndMoments& y = c.endY;
      EndMoments(e, y.M1ns, y.M2ns, y.M1s, y.M2s, y.BetaD, y.BetaDs, moment);
    });
    // Written only when given, so that a file without service loads reads and writes as before.
    if (Io::kReading || HasServiceLoad(c)) {
      r.Group("service", Need::Optional, [&](auto& g) {
        g.Scaled("P", c.Ps, force, Need::Optional);
        g.Scaled("M", c.Ms, moment, Need::Optional);
      });
    }
  });

  io.Group("member", Need::Required, [&](auto& g) {
    MemberData(g, m.L, m.Keff, m.Ieff, m.Vri, m.Vrj, m.Mri, m.Mrj);
    g.Option("slenderness", m.SlendernessOption, kSlendernessOptions);
    // Written only when chosen, so that a file without the choice reads and writes as before.
    if (Io::kReading || m.columnStiffness != ColumnStiffnessChoice::Criteria)
      g.Option("columnStiffness", m.columnStiffness, kColumnStiffnessOptions, Need::Optional);
  });
  io.Group("memberY", Need::Optional, [&](auto& g) {
    MemberAxis& y = m.memberY;
    MemberData(g, y.L, y.Keff, y.Ieff, y.Vri, y.Vrj, y.Mri, y.Mrj);
  });
  io.Integer("surfaceAngles", m.surfaceAngles, kMinSurfaceAngles, kMaxSurfaceAngles, Need::Optional);
  io.Number("mcAngle", m.mcAngle, Need::Optional);

  // The curves start from the defaults of this file's strengths, bars and units, as those of an input
  // file without material models do.
  if constexpr (Io::kReading) ApplyMaterialModelDefaults(m);
  const bool models = io.Group("materialModels", Need::Optional, [&](auto& g) {
    g.Flag("analyse", m.PerformMomentCurvature);
    g.Option("concreteModel", m.concreteModel, kConcreteModels);
    g.Option("reinforcingModel", m.reinfModel, kSteelModels);
    g.Option("steelModel", m.steelModel, kSteelModels);
    g.Option("parkModel", m.ParkModel, kStrainHardenings);
    g.Group("concrete", Need::Required, [&](auto& c) {
      c.Number("ec0", m.ec0);
      c.Number("fc0", m.fc0);
      c.Number("ecu", m.ecu);
      c.Number("fcu", m.fcu);
      c.Number("esp", m.esp);
      c.Number("fcc", m.fcc);
      c.Number("Eci", m.Eci);
    });
    g.Group("confinement", Need::Required, [&](auto& c) {
      c.Option("option", m.confinementOption, kConfinements);
      c.Number("ds", m.ds);
      c.Number("st", m.st);
      c.Number("cover", m.cover);
      c.Number("fyh", m.fyh);
      c.Number("esf", m.esf);
      c.Number("Dc", m.Dc);
      c.Number("sl", m.sl);
      c.Number("xcl", m.xcl);
      c.Number("ycl", m.ycl);
      c.Integer("nx", m.nx, INT_MIN, INT_MAX);
      c.Integer("ny", m.ny, INT_MIN, INT_MAX);
    });
    Curve(g, "reinforcingBilinear", m.rpBL);
    Curve(g, "reinforcingPark", m.rpPA);
    Curve(g, "steelBilinear", m.spBL);
    Curve(g, "steelPark", m.spPA);
  });
  if constexpr (Io::kReading) {
    // As with an input file: material models given means the analysis is asked for and reported.
    if (!models) m.PerformMomentCurvature = 0;
    if (IsSet(m.PerformMomentCurvature)) m.OutputMomentCurvature = 1;
    m.StressStrainPointCount = m.steelModel == SteelModel::Bilinear ? 4 : 6;
  }
  DesignMember(io, m);
}

// "line 3, column 14": lines from 1, columns in characters from 1 (UTF-8 continuation bytes do not count).
std::string Place(std::string_view text, size_t at) {
  at = std::min(at, text.size());
  const size_t lineStart = text.rfind('\n', at == 0 ? 0 : at - 1);
  const size_t first = at == 0 || lineStart == std::string_view::npos ? 0 : lineStart + 1;
  const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(first), '\n');
  const auto column = 1 + std::count_if(text.begin() + static_cast<std::ptrdiff_t>(first),
                                        text.begin() + static_cast<std::ptrdiff_t>(at), [](char c) {
                                          return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                                        });
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

const Node* Member(const Node& object, const char* name) {
  for (const Node& member : object.items) {
    if (member.key == name) return &member;
  }
  return nullptr;
}

// The text is a project file of a version this program reads.
Problem HeaderProblem(const Node& root) {
  if (root.kind != Node::Kind::Object) {
    return {root.at, "not a project file: the text is " + KindName(root) + ", not an object"};
  }
  const Node* format = Member(root, "format");
  if (!format) return {root.at, "not a project file: no member \"format\""};
  if (format->kind != Node::Kind::String || format->text != kProjectFormat) {
    const std::string shown = format->kind == Node::Kind::String ? Shown(format->text) : KindName(*format);
    return {format->at, "not a project file: format " + shown + " is not \"" + kProjectFormat + "\""};
  }
  const Node* version = Member(root, "version");
  if (!version) return {root.at, "no member \"version\""};
  const std::optional<long long> number =
      version->kind == Node::Kind::Integer ? WholeNumberText(version->text) : std::nullopt;
  if (!number || *number < 1) {
    return {version->at, "version: expected a whole number from 1, found " +
                             (version->kind == Node::Kind::Integer ? version->text : KindName(*version))};
  }
  if (*number > kProjectVersion) {
    return {version->at, "version " + version->text + " is newer than this program reads (" +
                             std::to_string(kProjectVersion) + ")"};
  }
  return {};
}

}  // namespace

bool IsProjectFileName(const std::string& path) {
  constexpr std::string_view kExtension = ".json";
  if (path.size() < kExtension.size()) return false;
  return std::equal(kExtension.begin(), kExtension.end(),
                    path.end() - static_cast<std::ptrdiff_t>(kExtension.size()),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

std::optional<std::string> FormatProjectFile(const ProjectModel& model) {
  ProjectModel m = model;  // the shared description takes its fields by reference
  std::string text = "{";
  bool ok = true;
  Writer root(text, ok, 1, false);
  DescribeProject(root, m);
  root.Close('}');
  text += '\n';
  if (!ok) return std::nullopt;
  return text;
}

Status WriteProjectFile(ProjectModel& m, const std::string& path) {
  if (Status complete = RequireCompleteModel(m); !complete.ok()) return complete;
  const auto text = FormatProjectFile(m);
  if (!text || !ReplaceFileContent(path, *text)) return Status::Failure(kErrorWritingInput);
  return Status::Success();
}

Status ReadProjectText(ProjectModel& model, std::string_view text) {
  const auto failure = [text](const Problem& problem) {
    return Status::Failure(kErrorReadingInput, Place(text, problem.at) + ": " + problem.text);
  };
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    return Status::Failure(kErrorReadingInput, "the file is empty");
  }
  if (text.size() > kMaxProjectBytes) {
    return Status::Failure(kErrorReadingInput, "not a project file: the file is too large");
  }
  size_t taken = 0;
  TreeBuilder builder(text, taken);
  const CountingIterator first(text.data(), &taken), last(text.data() + text.size(), &taken);
  if (!Json::sax_parse(first, last, &builder)) return failure(builder.problem());
  const Node& root = builder.root();
  if (const Problem header = HeaderProblem(root); header.found()) return failure(header);

  ProjectModel m = model;
  ResetAll(m);
  Problem problem;
  Reader reader(root, "", problem);
  DescribeProject(reader, m);
  reader.Finish();
  if (problem.found()) return failure(problem);
  ApplyControlDefaults(m);
  ClearResults(m);
  model = std::move(m);
  return Status::Success();
}

Status LoadProjectFile(ProjectModel& m, const std::string& path) {
  std::string text;
  const Status read = ReadInputFileText(path, text);
  return read.ok() ? ReadProjectText(m, text) : read;
}

Status LoadModelFile(ProjectModel& m, const std::string& path) {
  return IsProjectFileName(path) ? LoadProjectFile(m, path) : LoadInputFile(m, path);
}

}  // namespace tarnix
