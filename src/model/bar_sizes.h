// The reinforcing bar sizes the program offers: US customary sizes (ASTM A615/A706, #3 to #18), Canadian
// metric sizes (CSA G30.18, 10M to 55M) and the European/ISO millimetre sizes (EN 10080, 10 to 40 mm), with
// their nominal diameters and areas. One table, so that the bar-pattern generators of the window and the
// design search pick bars alike.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "base/units.h"

namespace tarnix {

/// Which family of sizes a bar belongs to.
enum class BarSeries { UsCustomary, CanadianMetric, Millimetre };

/// One bar size: its name as engineers write it ("#8", "25M", "20 mm"), nominal diameter and area in the
/// series' own units (in and in^2 for US sizes, mm and mm^2 for the metric ones).
struct BarSize {
  std::string_view name;
  BarSeries series;
  float diameter;
  float area;

  /// Diameter and area in a project's units (in, in^2 or mm, mm^2).
  float DiameterIn(UnitSystem units) const;
  float AreaIn(UnitSystem units) const;
};

/// Every size, US sizes first, each series from the smallest bar up.
const std::vector<BarSize>& AllBarSizes();

/// The sizes that belong with a project's units: US sizes for English units, the metric series otherwise.
std::vector<BarSize> BarSizesFor(UnitSystem units);

/// The size of a name ("#8", "25M", "20 mm"; spaces and case ignored, "20mm" too), if there is one.
std::optional<BarSize> FindBarSize(std::string_view name);

}  // namespace tarnix
