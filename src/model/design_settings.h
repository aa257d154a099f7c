// Design mode: what the engineer asks of the search for the lightest bar arrangement that carries every
// load condition, and what the search found. The concrete outline, materials and loads stay as entered;
// only the longitudinal bars are searched.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/units.h"

namespace tarnix {

struct ProjectModel;

/// How the bars of a candidate are laid out.
enum class BarPattern {
  /// Around one concrete rectangle: a bar in each corner and bars evenly spaced along each face, the same
  /// count on opposite faces.
  Rectangular,
  /// Evenly spaced on a circle concentric with one concrete circle.
  Circular,
};

/// "rectangular" / "circular", as the project file and the command line write the pattern.
const char* BarPatternKey(BarPattern pattern);
std::optional<BarPattern> BarPatternFromKey(const std::string& key);

/// The engineer's choices for the search. Lengths in the model's units (in / mm).
struct DesignSettings {
  BarPattern pattern = BarPattern::Rectangular;
  /// Bar sizes tried, by name ("#8", "25M", "20 mm"); empty means every size of the tie's series.
  std::vector<std::string> sizes;
  /// Clear cover to the tie (or spiral); the bar centre lies cover + tie diameter + db / 2 inside.
  float cover = 0;
  /// Size of the tie (or spiral) bar, by name.
  std::string tie;
  /// Rectangular: bars per face, the corner bars included, from minBars to maxBars on each face.
  /// Circular: bars on the circle, from minBars to maxBars.
  int minBars = 2, maxBars = 10;
  /// Only arrangements of this many bars in all (0: any count).
  int fixedCount = 0;
  /// Only this bar size (empty: the sizes above).
  std::string fixedSize;
  /// Check every candidate; otherwise the search stops at the first steel area above the lightest
  /// arrangement found.
  bool fullTable = false;
};

/// Chooses the pattern with its own count limits: 2 to 10 bars a face around a rectangle, 6 to 24 bars on a
/// circle (ACI 318-19 10.7.3.1: at least six bars in a column of bars on a circle, which the program
/// analyses as a spiral column).
void ChooseBarPattern(DesignSettings& s, BarPattern pattern);

/// The settings a model suggests: the rectangular pattern for a section of one rectangle, the circular one
/// for a circle, with its count limits; sizes left open (those of the tie's series); cover 1.5 in (40 mm);
/// tie #4 (10M).
DesignSettings DefaultDesignSettings(const ProjectModel& m);

/// The names of every size of the series the named bar belongs to, smallest first (none for an unknown name).
std::vector<std::string> SizesOfSeriesOf(const std::string& name);

/// Sizes as one text, "#5, #6, #8" (names joined by a comma and a space).
std::string JoinBarSizeNames(const std::vector<std::string>& names);
/// The names of a comma-separated list (blanks around a name ignored); nothing when a name is no size of
/// the table. An empty text gives an empty list.
std::optional<std::vector<std::string>> SplitBarSizeNames(const std::string& text);

/// Why a candidate was not taken.
enum class DesignRejection {
  None,        ///< passes every check
  NoFit,       ///< the bars do not fit inside the cover
  Spacing,     ///< clear spacing below the minimum
  RatioLow,    ///< steel ratio below the criteria's minimum
  RatioHigh,   ///< steel ratio above the criteria's maximum
  Load,        ///< a load condition is not carried (failedLoad, loadProblem)
  NotChecked,  ///< steel area above the lightest arrangement found: not checked against the loads
};

/// One arrangement of bars and what the search found for it. Lengths and areas in the model's units.
struct DesignCandidate {
  /// Rectangular: bars on each horizontal face (top and bottom) and on each vertical face (left and
  /// right), corners included. Circular: barsX bars on the circle, barsY 0.
  int barsX = 0, barsY = 0;
  int count = 0;  ///< bars in all
  std::string size;
  float diameter = 0, barArea = 0;
  float steelArea = 0;     ///< count x bar area
  float rho = 0;           ///< steel area / gross concrete area
  float clearSpacing = 0;  ///< smallest clear distance between neighbouring bars
  float minSpacing = 0;    ///< the least clear spacing allowed for this bar size
  DesignRejection rejection = DesignRejection::None;
  /// Largest ratio of demand to capacity over the loads (design moment to moment capacity; axial load to
  /// axial capacity for a load without moment; on the interaction surface for a section in two
  /// dimensions), and its load (0 before the loads were checked).
  float utilisation = 0;
  int worstLoad = 0;
  int failedLoad = 0;  ///< the first load condition not carried
  /// Why that load is not carried ("capacity exceeded (ratio 1.099)", "no capacity", ...).
  std::string loadProblem;
};

/// The result of a search: every candidate, the passing ones first by steel area (ties: fewer bars).
struct DesignResult {
  bool ran = false;
  /// Why no search could be made (the section does not suit the pattern, no size, ...); empty otherwise.
  std::string problem;
  DesignSettings settings;
  float grossArea = 0;               ///< gross concrete area of the section
  float minRatio = 0, maxRatio = 0;  ///< the criteria's limits on the steel ratio
  float spacingFloor = 0;            ///< the least clear spacing whatever the bar size (1.5 in / 40 mm)
  std::vector<DesignCandidate> candidates;  ///< passing first, best first; then the rejected by area
  int passing = 0;                          ///< how many of `candidates` pass
  /// With nothing passing: why ("no candidate within 8 % steel carries load condition 3").
  std::string nothingFound;
};

}  // namespace tarnix
