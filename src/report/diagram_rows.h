// The points that a diagram table of the report lists.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/strength_results.h"

namespace tarnix {

/// A row of a diagram table: the point, whether its neutral-axis depth is shown, and its label.
struct DiagramRow {
  int point = 1;
  bool withDepth = true;
  std::string label;
};

/// The rows of a diagram table: the special points (maximum tension, pure bending, balanced strain,
/// maximum compression), the points `loadAt` names a load condition for (`loadAt(k)` is the load's number,
/// or 0), the point where the flat top at Pn,max begins, and about twenty evenly spaced plain rows. The
/// maximum tension point has no depth; the maximum compression point shows one only where it carries a
/// moment.
std::vector<DiagramRow> DiagramRows(const InteractionDiagram& d, const std::function<int(int)>& loadAt);

}  // namespace tarnix
