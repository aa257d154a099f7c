// the gross, reinforcing, steel and transformed section properties.
#include "section/section_properties.h"

namespace tarnix {

void ComputeSectionProperties(ProjectModel& /*m*/) {}

}  // namespace tarnix
