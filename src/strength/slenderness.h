// Slenderness effects of the member: moment magnification of every load condition.
#pragma once

#include <vector>

namespace tarnix {

struct ProjectModel;

/// Result block of MagnifyMoments; lists indexed by load condition 1..ns, empty when not computed.
struct SlendernessResults {
  std::vector<float> Mc;  ///< design (magnified) moment, lb-in / N-mm
};

/// Computes the magnified moment of every load condition for a slender member from the model's inputs and
/// stores it in the model's result block.
void MagnifyMoments(ProjectModel& m);

}  // namespace tarnix
