// the slender wall design of every load condition.
#include "strength/slender_wall.h"

namespace tarnix {

void DesignSlenderWall(ProjectModel& /*m*/) {}

}  // namespace tarnix
