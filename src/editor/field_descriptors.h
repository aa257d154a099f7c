// One description of every text field of the windows: its caption, tool-tip, unit, the model value it
// edits, the record it belongs to and the frame it sits in. The editor and the window take all of it from
// here.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/units.h"
#include "model/model_edits.h"
#include "model/project_model.h"

namespace tarnix {

/// The text fields, named after the model fields they edit (the control's name without "txt"). Record
/// fields edit the current record of their list; strainr / stressr and strains / stresss edit the current
/// point of the reinforcing and the structural steel curve.
enum class Field {
  // Design criteria tab.
  fpc, fy, fs, Ec, Er, Es, phiT, phiC, phiS, phiConc, phiReinf, phiStl, a1, b1, em,
  // Record counts.
  nr, nc, nl, na, nb, np, ns,
  // Concrete, reinforcing and steel shape records.
  Yt, D, W, Yc, Rc,
  Yb, Ab, Lb, Nbl, Abl, Y0, R0, Abeg, Atot, Nba, Aba,
  Ycp, Rcp, tp, Ytb, Db, Wb,
  // Load condition (displayed kip, k-ft, kN, kN-m).
  P, M, V, T,
  // Horizontal positions of the records, the polygons (corner count, corners) and the single bars.
  X, Xc, Xb, X0, Xcp, Xcb, corners, vx, vy, sbx, sby, sba,
  // Moment about the vertical axis of a load condition.
  My,
  // Stress-strain tab.
  fc0, ec0, Eci, esp, ecu, fcu, fcc, strainr, stressr, strains, stresss,
  // Confinement window.
  ds, st, cover, fyh, esf, Dc, sl, xcl, ycl, nx, ny,
  // Control-parameter window.
  inc, binc, pinc, cbeg, cinc, ebeg, eend, einc, rcinc, ccinc, bsinc, psinc,
  // Output title window.
  title,
};

/// The lists the main window steps through, each with its own current index.
enum class RecordList {
  ConcreteRect, ConcreteCircle, ReinforcingLine, ReinforcingArc, SteelPipe, SteelRect, Load,
  ReinforcingPoint, SteelPoint,
  ConcretePolygon,
  PolygonCorner,  ///< the corners of the current polygon
  SingleBar,
};

/// The windows that hold text fields.
enum class FieldForm { Main, Confinement, ControlParameters, Title };

/// The tabs of the main window, in their order.
enum class MainTab { Criteria, Concrete, Reinforcing, Steel, Loads, StressStrain };
/// "DESIGN CRITERIA", "CONCRETE", "REINFORCING", "STEEL SHAPE", "LOADS", "STRESS-STRAIN".
const char* TabCaption(MainTab tab);
const std::vector<MainTab>& MainTabs();

/// A group of fields: a frame of the main window (a list's frame holds its count and the frame of its
/// current record) or a heading of a small window.
enum class FieldGroup {
  MaterialStrength, ReductionFactors, ResistanceFactors, StressBlock,
  ConcreteRects, ConcreteCircles, ConcretePolygons, ReinforcingLines, ReinforcingArcs, SingleBars, PipeShapes,
  SteelRects, Loads,
  ConcreteModel, SteelModel,
  Configuration, HoopsOrSpirals, CrossTies,
  InteractionDiagram, MomentCurvature,
  Title,
};

struct GroupDescriptor {
  FieldGroup id;
  FieldForm form;
  MainTab tab;          ///< the tab of a main-window frame; meaningless on the other windows
  const char* caption;  ///< frame caption or heading; empty for none
};
const GroupDescriptor& DescriptorOf(FieldGroup group);
/// The frames of fields on a tab of the main window, in their order from left to right.
std::vector<FieldGroup> GroupsOn(MainTab tab);

/// Where a field's value lives in the model. A member of a record type edits the current record of its
/// list; RecordKind and LoadCount are the record counts; LoadValue a value of the current load condition
/// (typed in kip, k-ft, kN or kN-m); PointValue the current point of a steel curve; CornerCount the number
/// of corners of the current polygon.
struct LoadCount {};
struct CornerCount {};
struct TitleText {};
struct PointValue {
  SteelCurve curve;
  PointPart part;
};
using FieldSlot = std::variant<float ProjectModel::*, int ProjectModel::*, float ConcreteRect::*,
                               float ConcreteCircle::*, float ReinforcingLine::*, int ReinforcingLine::*,
                               float ReinforcingArc::*, int ReinforcingArc::*, float SteelPipe::*,
                               float SteelRect::*, float Vertex::*, float SingleBar::*, CornerCount,
                               RecordKind, LoadCount, LoadValue, PointValue, TitleText>;

struct FieldDescriptor {
  FieldDescriptor(Field id, const char* name, const char* caption, const char* tip, UnitKind unit,
                  FieldGroup group, FieldSlot slot);

  Field id;
  const char* name;     ///< the program's short name, the model field's ("fpc", "Yt", "inc")
  const char* caption;  ///< the label beside the field in words, without its unit ("Depth to top")
  const char* tip;      ///< the tool-tip without its short name and unit
  UnitKind unit;        ///< the unit the value is typed in; None for ratios, strains and counts
  FieldGroup group;
  FieldSlot slot;
  /// The list whose current record the field edits; none for the model's own values and the counts.
  std::optional<RecordList> record;
};

/// Every field, each window's fields in the order the window shows them (the main window's in tab order).
const std::vector<FieldDescriptor>& FieldDescriptors();
const FieldDescriptor& DescriptorOf(Field field);
FieldForm FormOf(Field field);
/// The fields of a group, in the order shown.
std::vector<Field> FieldsOf(FieldGroup group);

/// The caption with the unit of the model's system: "Depth to top, in", "Neutral axis step, mm"; a field
/// without a unit has its words alone ("Strain increment").
std::string FieldCaption(const ProjectModel& m, Field field);
/// The tool-tip: the short name, the description and the unit of the model's system: "fpc: Concrete
/// compressive strength (psi)" or "(MPa)", "P: Axial load (kip)", angles "(degrees)"; a field without a
/// unit has no unit.
std::string ToolTip(const ProjectModel& m, Field field);
/// The unit shown beside the field ("in", "k-ft", "degrees"); empty for a field without one.
std::string UnitLabel(const ProjectModel& m, Field field);

}  // namespace tarnix
