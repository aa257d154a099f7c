// The two unit systems of the program: how the input file names them, the unit labels the window, the
// charts and the report show, and the factors between displayed and stored loads.
#pragma once

#include <string_view>

namespace tarnix {

/// What a number measures, for choosing its unit label.
enum class UnitKind { None, Length, Area, Stress, Force, Moment, Curvature, Degrees };

/// English (in, psi, kip, k-ft) or metric (mm, MPa, kN, kN-m). Lengths, areas and stresses are stored as
/// entered; loads are stored in lb or N and moments in lb-in or N-mm (the displayed value times the factor).
class UnitSystem {
 public:
  enum Id { English, Metric };

  constexpr UnitSystem(Id id) : id_(id) {}  // NOLINT: an Id names a unit system

  /// The unit system a model key names: "metric" is metric, every other key English. The input file
  /// accepts only the two keys, so any other key can only come from code that never set the units.
  static constexpr UnitSystem FromKey(std::string_view key) { return key == kMetricKey ? Metric : English; }
  /// The key is one the input file accepts.
  static constexpr bool IsKey(std::string_view key) { return key == kEnglishKey || key == kMetricKey; }

  constexpr const char* Key() const { return id_ == English ? kEnglishKey : kMetricKey; }
  constexpr bool IsEnglish() const { return id_ == English; }
  constexpr bool IsMetric() const { return id_ == Metric; }
  constexpr bool operator==(UnitSystem other) const { return id_ == other.id_; }
  constexpr bool operator!=(UnitSystem other) const { return id_ != other.id_; }

  /// The label of a unit kind: "in" / "mm", "in^2" / "mm^2", "psi" / "MPa", "kip" / "kN", "k-ft" / "kN-m",
  /// "1/in" / "1/mm", "degrees"; empty for UnitKind::None.
  constexpr const char* Label(UnitKind kind) const {
    const bool e = IsEnglish();
    switch (kind) {
      case UnitKind::Length: return e ? "in" : "mm";
      case UnitKind::Area: return e ? "in^2" : "mm^2";
      case UnitKind::Stress: return e ? "psi" : "MPa";
      case UnitKind::Force: return e ? "kip" : "kN";
      case UnitKind::Moment: return e ? "k-ft" : "kN-m";
      case UnitKind::Curvature: return e ? "1/in" : "1/mm";
      case UnitKind::Degrees: return "degrees";
      case UnitKind::None: break;
    }
    return "";
  }

  /// Displayed kip / kN to stored lb / N.
  constexpr float ForceFactor() const { return 1000.0f; }
  /// Displayed k-ft / kN-m to stored lb-in / N-mm.
  constexpr float MomentFactor() const { return IsEnglish() ? 12000.0f : 1000000.0f; }

  static constexpr const char* kEnglishKey = "english";
  static constexpr const char* kMetricKey = "metric";

 private:
  Id id_;
};

}  // namespace tarnix
