// Result block of the moment-curvature analysis: the curve of every load condition with the events
// marked at its points.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnix {

/// The nine events of a moment-curvature analysis, numbered as the report lists them.
enum class McEvent {
  LongReinfFail = 1,
  ConcCompFail = 2,
  ConfReinfFail = 3,
  ReinfTensYield = 4,
  ReinfCompYield = 5,
  ConcSpalling = 6,
  StrSteelFail = 7,
  StrSteelTensYield = 8,
  StrSteelCompYield = 9,
};
constexpr int kMcEventCount = 9;

/// A set of events.
class McEvents {
 public:
  void Raise(McEvent e) { bits_ |= Bit(e); }
  bool Has(McEvent e) const { return (bits_ & Bit(e)) != 0; }
  bool Any() const { return bits_ != 0; }
  McEvents& operator|=(McEvents other) {
    bits_ |= other.bits_;
    return *this;
  }
  bool operator==(McEvents other) const { return bits_ == other.bits_; }

 private:
  static uint16_t Bit(McEvent e) { return static_cast<uint16_t>(1u << static_cast<int>(e)); }
  uint16_t bits_ = 0;
};

/// A stored point: strain of the extreme compression fibre, neutral-axis depth across the axis, axial force
/// of the section (lb / N; the load within the equilibrium tolerance) and the moments about the horizontal
/// and vertical axes through the gross concrete centroid (lb-in / N-mm), with the events of the section in
/// that state.
struct McPoint {
  float strain = 0;
  float depth = 0;
  float axial = 0;
  float moment = 0;  ///< Mx
  McEvents events;
  float momentY = 0;  ///< My
};

/// Why a curve ends where it does.
enum class McCurveEnd {
  LastStrain,     ///< it reached the last strain of the analysis (or never found a point)
  Failure,        ///< a failure event of its last point
  NoEquilibrium,  ///< past its last point no neutral-axis depth balances the load
};

/// The curve of one load condition.
struct McCurve {
  std::vector<McPoint> points;
  bool failRecorded = false;  ///< the curve ended by a failure event, at failPoint (its last point)
  McPoint failPoint;
  float maxTension = 0;        ///< most negative total tension force among the stored points
  float maxTensionMoment = 0;  ///< moments of the point that set it
  float maxTensionMomentY = 0;
  bool finished = false;       ///< ended before the last strain, by a failure or a loss of equilibrium
  McCurveEnd end = McCurveEnd::LastStrain;
};

/// Result block of MomentCurvatureAnalysis.
struct McResult {
  std::string problem;          ///< why the analysis could not run, empty when it ran
  std::string rejection;        ///< "Load condition i is too high (low) for MC analysis", empty when accepted
  int stepCount = 0;            ///< number of strain steps
  long long evaluations = 0;    ///< section evaluations the analysis made
  std::vector<McCurve> curves;  ///< per load condition 1..ns (slot 0 unused)
  /// Cosine and sine of the curves' neutral-axis angle: the moment along the angle, which the idealisation
  /// uses, is Mx cos + My sin (Mx itself at angle 0).
  double cosine = 1, sine = 0;
  /// Depths across the axis of the deepest bar and of the deepest point of the steel shapes, at which the
  /// first-yield strain is reported (0 without bars or shapes).
  float reinfDepth = 0, steelDepth = 0;
  bool ran() const { return problem.empty() && rejection.empty() && !curves.empty(); }
};

}  // namespace tarnix
