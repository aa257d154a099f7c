// The cross-section as drawing primitives in model length units: x across the section, y the depth downward
// from the top reference line. Every record stands at its horizontal position; in a section of the old form
// (all at x = 0) bar lines are centred on the axis and vertical lines drawn as side bars.
#pragma once

#include <string>
#include <vector>

#include "model/project_model.h"

namespace tarnix {

enum class ShapeRole {
  Concrete,  ///< an added concrete rectangle or circle
  Hole,      ///< a subtracted concrete rectangle or circle, drawn in the background colour
  Steel,     ///< a structural steel rectangle
  Pipe,      ///< a structural steel pipe (ring)
  Bar,       ///< a reinforcing bar, drawn to its area
};

enum class ShapeKind { Rectangle, Circle, Ring, Polygon };

/// One primitive. Rectangle: top-left corner (x, y) and size w by h. Circle: centre (x, y) and radius r.
/// Ring: centre (x, y), mid-thickness radius r and wall thickness t. Polygon: its `corners`.
/// `source` and `record` name the record the shape comes from (a bar: its line or arc); `highlighted`
/// marks the shapes of the record being edited.
struct DrawShape {
  ShapeKind kind = ShapeKind::Rectangle;
  ShapeRole role = ShapeRole::Concrete;
  double x = 0, y = 0, w = 0, h = 0, r = 0, t = 0;
  std::vector<Vertex> corners;
  RecordKind source = RecordKind::ConcreteRect;
  int record = 0;
  bool highlighted = false;
};

/// A dimension line from (x1, y1) to (x2, y2) with its text, drawn outside the section.
struct Dimension {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string text;
};

/// The drawing of a section: primitives in drawing order (concrete, holes, steel, bars), the extent of all
/// of them, the overall dimensions and the status text of the view.
struct SectionDrawing {
  std::vector<DrawShape> shapes;
  std::vector<Dimension> dimensions;
  /// Extent of the shapes and the dimension lines; right > left and bottom > top when drawable.
  double left = 0, top = 0, right = 0, bottom = 0;
  bool exact = true;  ///< false when the drawing can only suggest the arrangement
  std::string
      status;  ///< "Plot complete" or "Plots for complex shapes may not represent actual configuration"
  std::string message;  ///< why nothing is drawn, empty otherwise
  bool Drawable() const { return message.empty(); }
};

constexpr const char* kPlotComplete = "Plot complete";
constexpr const char* kComplexShapes = "Plots for complex shapes may not represent actual configuration";

/// Lays out the section of the model. Horizontal and inclined bar lines are centred on their position; in
/// a section without horizontal positions vertical lines stand alternately left and right in line with the outermost bars of the other lines (without
/// other lines, at the concrete face less the cover of the topmost bar). Subtracted concrete, more than one
/// pipe and lines that are not horizontal make the drawing inexact. Bars with a non-positive area are drawn
/// as points of a minimum size. Records without a size yet (a blank record, a negative width) or with a
/// position beyond any number are left out, so a section being typed draws what it already has.
SectionDrawing DrawSection(const ProjectModel& m);

/// The primitives as CSV: header "role,kind,x,y,w,h,r,t" and one row per shape, in length units; a polygon's
/// row goes on with the x and y of each corner.
std::string SectionCsv(const SectionDrawing& drawing);

}  // namespace tarnix
