// the moment-axial interaction diagram and the capacity of every load condition.
#include "strength/interaction_diagram.h"

namespace tarnix {

void ComputeInteractionDiagram(ProjectModel& /*m*/) {}

}  // namespace tarnix
