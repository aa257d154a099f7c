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
  std::string tip;  ///< what the pointer resting on it shows: the record, and a bar's place and size
};

/// What a straight line of the drawing stands for.
enum class LineRole {
  CoordinateAxis,  ///< the x axis (the reference line, y = 0) or the y axis (x = 0), arrow at the label
  PrincipalAxis,   ///< a principal axis of the gross concrete section through its centroid
  NeutralAxis,     ///< a load condition's neutral axis at its capacity
};

/// A line from (x1, y1) to (x2, y2), its label at the second end.
struct DrawLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  LineRole role = LineRole::CoordinateAxis;
  std::string label;
};

/// A dimension line from (x1, y1) to (x2, y2) with its text, drawn outside the section.
struct Dimension {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string text;
};

/// The drawing of a section: primitives in drawing order (concrete, holes, steel, bars), the extent of all
/// of them, the overall dimensions, the coordinate axes, the gross centroid with its principal axes and
/// the status text of the view.
struct SectionDrawing {
  std::vector<DrawShape> shapes;
  std::vector<Dimension> dimensions;
  std::vector<DrawLine> lines;
  /// The centroid of the gross concrete section, the point moments are taken about; none where the section
  /// has no concrete area or its properties cannot be computed.
  bool hasCentroid = false;
  double centroidX = 0, centroidY = 0;
  /// A load condition's compression zone at its capacity: the part of the outline's box on the compression
  /// side of its neutral axis (the view fills it where there is concrete); empty without a chosen load.
  std::vector<Vertex> compressionZone;
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

/// The shape under the point (x, y) in drawing units, the one drawn last where shapes overlap (bars over
/// steel over concrete); a bar, a ring or a rectangle within `tolerance` counts as under it. nullptr over
/// nothing.
const DrawShape* ShapeAt(const SectionDrawing& drawing, double x, double y, double tolerance);

/// The name of the bar size whose area (in the units of `units`) is `area` to within 0.5 %, as a bar table
/// gives it; empty for any other area.
std::string BarSizeNameOf(float area, UnitSystem units);

/// Adds load condition `load`'s neutral axis at its capacity on the interaction surface (its angle and
/// depth) and the compression zone on that side of it, and says so in the status; a load without such a
/// capacity (a one-axis section, a load without moment or beyond the axial range) gets a status saying why.
void AddNeutralAxis(const ProjectModel& m, int load, SectionDrawing& drawing);

}  // namespace tarnix
