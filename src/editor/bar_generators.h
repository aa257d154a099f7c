// Bar patterns that fill the single-bar list: bars around the perimeter of a rectangular column and bars
// on a circle. Each bar's centre lies inside the tie: at cover + tie diameter + bar diameter / 2 from the
// concrete face.
#pragma once

#include <string>
#include <vector>

#include "model/project_model.h"

namespace tarnix {

/// Bars around a rectangle: `barsX` on each face along x (the top and the bottom face) and `barsY` on each
/// face along y (the sides), the corner bars counted on both faces, evenly spaced.
struct RectangularPattern {
  float left = 0, top = 0;       ///< x of the left face, depth of the top face
  float width = 0, depth = 0;    ///< of the concrete
  int barsX = 2, barsY = 2;
  float cover = 0;               ///< clear cover to the tie
  float tieDiameter = 0, barDiameter = 0, barArea = 0;
};

/// `count` bars evenly on a circle about (xc, yc), the first at `startAngle` degrees (counter-clockwise from
/// the right, as the arcs), at `radius` to the bar centres; a radius of 0 places them inside a concrete
/// circle of `outerRadius` with the cover to its tie.
struct CircularPattern {
  float xc = 0, yc = 0;
  int count = 0;
  float radius = 0;
  float outerRadius = 0, cover = 0;
  float startAngle = 0;
  float tieDiameter = 0, barDiameter = 0, barArea = 0;
};

/// The bars of a pattern in order around it (the rectangle from its top left corner clockwise as drawn),
/// or why it cannot be placed (nothing then).
struct GeneratedBars {
  std::vector<SingleBar> bars;
  std::string problem;
};
GeneratedBars RectangularBars(const RectangularPattern& p);
GeneratedBars CircularBars(const CircularPattern& p);

/// The patterns the dialog opens with: around the current concrete rectangle or in the current circle
/// (at the origin without one), the dimensions given, the bar counts and sizes for the engineer.
RectangularPattern RectangularPatternFor(const ProjectModel& m);
CircularPattern CircularPatternFor(const ProjectModel& m);

/// Writes generated bars into the single-bar list, replacing the bars there or after them; false, and
/// nothing changed, for no bars or more than the list can hold.
bool PlaceBars(ProjectModel& m, const std::vector<SingleBar>& bars, bool replace);

}  // namespace tarnix
