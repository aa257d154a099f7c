// The events a moment-curvature analysis records at its points: yield, spalling, crushing and fracture.
#pragma once

#include "model/curvature_results.h"

namespace tarnix {

/// The report text of an event ("Long reinf fail", ...).
const char* McEventText(McEvent event);

}  // namespace tarnix
