// The limits a criteria sets on the longitudinal steel of a compression member: the least and the largest
// ratio of bar area to gross concrete area, for the design search of bar arrangements.
#pragma once

#include <string_view>

namespace tarnix {

/// Least and largest ratio As / Ag of the longitudinal bars of a column.
struct BarRatioLimits {
  float min = 0;
  float max = 0;
};

/// The limits of a criteria key; a key the program does not know takes those of user-defined criteria.
BarRatioLimits BarRatioLimitsFor(std::string_view criteriaKey);

}  // namespace tarnix
