// Moment magnification of a slender member.
#include "strength/slenderness.h"

#include "model/project_model.h"

namespace tarnix {

// Until the magnifiers are computed the result block stays empty, and the report says so.
void MagnifyMoments(ProjectModel& m) { m.slenderness = SlendernessResults{}; }

}  // namespace tarnix
