// The one project state: inputs of the cross-section, materials, loads and options, editor state, and
// the result blocks of the analyses.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/conventions.h"
#include "base/units.h"
#include "criteria/criteria.h"
#include "model/curvature_results.h"
#include "model/design_settings.h"
#include "model/options.h"
#include "model/section_results.h"
#include "model/strength_results.h"

namespace tarnix {

/// Concrete rectangle, added (rsign +1) or subtracted (-1).
struct ConcreteRect {
  float Yt = 0;  ///< depth to the top of the rectangle
  float D = 0;   ///< depth of the rectangle
  float W = 0;   ///< width
  int rsign = 1;
  float X = 0;   ///< horizontal position of the centre
};

/// Concrete circle, added (csign +1) or subtracted (-1).
struct ConcreteCircle {
  float Yc = 0;  ///< depth to the centre
  float Rc = 0;  ///< radius
  int csign = 1;
  float Xc = 0;  ///< horizontal position of the centre
};

/// Straight line of equal bars, first bar at depth Yb, inclined Ab degrees (a positive angle runs the line
/// upward, to the right, from the first bar).
struct ReinforcingLine {
  float Yb = 0;   ///< depth to the centre of the first bar
  float Lb = 0;   ///< length of the line
  float Ab = 0;   ///< angle of inclination, degrees
  int Nbl = 0;    ///< number of bars
  float Abl = 0;  ///< area of each bar
  /// Horizontal position of the middle of the line: a line is centred on x = Xb, as the lines of a section
  /// without horizontal coordinates are centred on its axis.
  float Xb = 0;
};

/// Circular arc of equal bars.
struct ReinforcingArc {
  float Y0 = 0;    ///< depth to the centre of the arc
  float R0 = 0;    ///< radius
  float Abeg = 0;  ///< angle to the first bar, degrees
  float Atot = 0;  ///< total angle of the arc, degrees
  int Nba = 0;     ///< number of bars
  float Aba = 0;   ///< area of each bar
  float X0 = 0;    ///< horizontal position of the centre of the arc
};

/// Solid rectangular structural steel shape.
struct SteelRect {
  float Ytb = 0;  ///< depth to the top of the shape
  float Db = 0;   ///< depth
  float Wb = 0;   ///< width
  float Xcb = 0;  ///< horizontal position of the centre
};

/// Structural steel pipe.
struct SteelPipe {
  float Ycp = 0;  ///< depth to the centre
  float Rcp = 0;  ///< radius to mid-thickness
  float tp = 0;   ///< wall thickness
  float Xcp = 0;  ///< horizontal position of the centre
};

/// A corner of a concrete polygon.
struct Vertex {
  float x = 0;
  float y = 0;  ///< depth
};

/// Concrete polygon, added (psign +1) or subtracted (-1): its corners in order around it (either way round),
/// the last joined to the first. At least three corners, a non-zero area and no crossing edges.
struct ConcretePolygon {
  std::vector<Vertex> vertices;
  int psign = 1;
};

/// A single reinforcing bar.
struct SingleBar {
  float x = 0;
  float y = 0;     ///< depth to the centre of the bar
  float area = 0;
};

/// End moments and sustained-load ratios of a load about one axis, for moment magnification.
struct AxisEndMoments {
  float M1ns = 0, M2ns = 0;  ///< smaller and larger end moments due to non-sway loads
  float M1s = 0, M2s = 0;    ///< smaller and larger end moments due to sway loads
  float BetaD = 0;   ///< sustained / total axial load
  float BetaDs = 0;  ///< sustained / total shear load
};

/// One load condition. P, V in lb / N; M, T and the end moments in lb-in / N-mm (see conventions.h).
struct LoadCondition {
  float P = 0;  ///< axial load, compression positive
  float V = 0;  ///< shear
  float M = 0;  ///< initial moment
  float T = 0;  ///< torsion
  float di = 0, dj = 0;  ///< initial lateral deflections at ends i and j (in / mm)
  float ri = 0, rj = 0;  ///< initial rotations at ends i and j (degrees)
  float M1ns = 0, M2ns = 0;  ///< smaller and larger end moments due to non-sway loads
  float M1s = 0, M2s = 0;    ///< smaller and larger end moments due to sway loads
  float BetaD = 0;   ///< sustained / total axial load
  float BetaDs = 0;  ///< sustained / total shear load
  int Tloads = 0;    ///< 1 when transverse loads act between the supports
  /// Moment about the vertical axis, compression on the right positive (see conventions.h); M is the
  /// moment about the horizontal axis.
  float My = 0;
  AxisEndMoments endY;  ///< end moments about the vertical axis (used with member data for that axis)
  /// Service axial load and midheight service moment without P-delta, for the slender wall's service
  /// deflection (ACI 318-19 11.8.4); both 0: none given.
  float Ps = 0, Ms = 0;
};

/// The load gives a service load.
inline bool HasServiceLoad(const LoadCondition& c) { return c.Ps != 0 || c.Ms != 0; }

/// Member data for bending about the vertical axis; L = 0 means none given, and My is then first order.
struct MemberAxis {
  float L = 0;     ///< member length (in / mm)
  float Keff = 0;  ///< effective length factor
  float Ieff = 0;  ///< factor on the effective moment of inertia
  int Vri = 0, Vrj = 0, Mri = 0, Mrj = 0;  ///< end restraint flags
};

/// A point of a stress-strain curve: strain, stress (psi / MPa), compression positive.
struct StressStrainPoint {
  float strain = 0;
  float stress = 0;
};

/// Point tables of the steel curves, indexed by point number 1..4 (Bilinear) or 1..6 (Park), point 1
/// being the most tensile.
using BilinearPoints = std::array<StressStrainPoint, 5>;
using ParkPoints = std::array<StressStrainPoint, 7>;

/// The six kinds of section record, in file order.
enum class RecordKind {
  ConcreteRect,
  ConcreteCircle,
  ReinforcingLine,
  ReinforcingArc,
  SteelRect,
  SteelPipe,
  ConcretePolygon,  ///< two-dimensional models only
  SingleBar,        ///< two-dimensional models only
};

/// The whole project. Record lists are indexed by record number (1..count); a count below 1 means an
/// empty list whatever storage remains, and storage always holds at least count + 1 slots otherwise.
struct ProjectModel {
  // Files and identity.
  std::string title;
  std::string inputFileName, inputFileTitle;
  std::string outputFileName, outputFileTitle;

  // Criteria and units.
  std::string criteria = kResetCriteria;               ///< a key of criteria/criteria.h
  std::string units = UnitSystem::kEnglishKey;        ///< "english" or "metric"
  float ForceUnitFactor = 1000;    ///< displayed kip / kN to stored lb / N
  float MomentUnitFactor = 12000;  ///< displayed k-ft / kN-m to stored lb-in / N-mm

  // Materials (psi / MPa).
  float fpc = 0, fy = 0, fs = 0, Ec = 0, Er = 0, Es = 0;
  // Stress block and factors.
  float a1 = 0, b1 = 0, em = 0;
  float phiT = 0, phiC = 0, phiS = 0;
  float phiConc = 0, phiReinf = 0, phiStl = 0;

  // Section records and loads.
  int nr = 0, nc = 0, nl = 0, na = 0, nb = 0, np = 0, ns = 0;
  std::vector<ConcreteRect> rects{1};
  std::vector<ConcreteCircle> circles{1};
  std::vector<ReinforcingLine> lines{1};
  std::vector<ReinforcingArc> arcs{1};
  std::vector<SteelRect> steelRects{1};
  std::vector<SteelPipe> pipes{1};
  std::vector<LoadCondition> loads{1};
  // Records with a place in two dimensions only (never in an input file of the old form).
  int npg = 0, nsb = 0;
  std::vector<ConcretePolygon> polygons{1};
  std::vector<SingleBar> singleBars{1};

  // Member and slenderness.
  float L = 0;     ///< member length (in / mm); 0 means none given
  float Keff = 0;  ///< effective length factor
  float Ieff = 0;  ///< factor on the effective moment of inertia
  int Vri = 0, Vrj = 0, Mri = 0, Mrj = 0;  ///< end restraint flags
  int SlendernessOption = 1;  ///< 1 none, 2 moment magnification, 3 slender wall, 4 general P-delta
  /// The engineer's choice of (EI)eff in the critical load of a column without steel shapes under ACI
  /// 318-19 (a ColumnStiffnessChoice; 0 keeps the criteria's own rule). About both axes.
  int columnStiffness = ColumnStiffnessChoice::Criteria;
  MemberAxis memberY;         ///< member data for bending about the vertical axis

  // Material models.
  int concreteModel = ConcreteModel::Simple;  ///< a ConcreteModel
  float ec0 = 0, fc0 = 0, Eci = 0, ecu = 0, fcu = 0, fcc = 0, esp = 0;
  int reinfModel = 2;  ///< 1 Bilinear, 2 Park
  int steelModel = 2;  ///< 1 Bilinear, 2 Park
  int ParkModel = 2;   ///< 1 simple parabolic strain hardening, 2 complex strain hardening
  BilinearPoints rpBL{}, spBL{};
  ParkPoints rpPA{}, spPA{};
  int StressStrainPointCount = 6;
  float maxBarArea = 0;

  // Confinement.
  int confinementOption = 1;  ///< 1 none, 2 spirals, 3 circular hoops, 4 cross ties, 5 steel casing
  float cover = 0, ds = 0, Dc = 0, st = 0, sl = 0, xcl = 0, ycl = 0;
  int nx = 0, ny = 0;
  float fyh = 0, esf = 0;

  // Control parameters.
  float inc = 0;
  int binc = 0, pinc = 0;
  float cbeg = 0, cend = 0, cinc = 0;
  float ebeg = 0, eend = 0, einc = 0;
  int rcinc = 0, ccinc = 0, bsinc = 0, psinc = 0;
  /// Neutral-axis angles of the interaction surface (every 360 / surfaceAngles degrees).
  int surfaceAngles = kDefaultSurfaceAngles;
  /// Neutral-axis angle of the moment-curvature analysis, degrees (see conventions.h).
  float mcAngle = 0;

  // Output options.
  int OutputInputEcho = 1, OutputSectionProperties = 1, OutputInteractionDiagram = 1;
  int OutputSlenderness = 0, OutputSectionAnalysis = 0, OutputMomentCurvature = 0;
  int PerformMomentCurvature = 0;

  // Editor and run state.
  int currentRect = 1, currentCirc = 1, currentLine = 1, currentArc = 1, currentBar = 1, currentPipe = 1,
      currentLoad = 1;
  int currentPolygon = 1, currentSingleBar = 1;
  int currentVertex = 1;  ///< corner of the current polygon (1-based)
  int currentSlenderLoad = 1;
  int mcPlotLoad = 1;  ///< load condition whose moment-curvature curve is plotted
  int currentRPoint = 1, currentSPoint = 1;
  int refreshing = 0;
  /// 1 after an edit of anything the input file keeps, until the next load or save of the input file or
  /// a reset; exit asks whether to save while it is 1.
  int modified = 0;
  int inputComplete = 0;
  std::string VersionText;
  /// The engineer's settings of the bar design search, when the project keeps them.
  std::optional<DesignSettings> design;

  /// The unit system the `units` key names.
  UnitSystem unitSystem() const { return UnitSystem::FromKey(units); }

  // Result blocks of the last calculation run.
  SectionProperties sectionProperties;
  InteractionDiagram interactionDiagram;
  InteractionSurface interactionSurface;
  SlendernessResults slenderness;
  McResult momentCurvature;
  /// The last bar design search (design mode of the batch tool); not part of a calculation run.
  DesignResult designResult;
};

/// The model uses the horizontal coordinate or biaxial bending: a record off the vertical axis, a polygon
/// or single bar, a moment about the vertical axis (a load's My or end moments), member data for that axis
/// or a moment-curvature angle. An input file of the old form cannot hold such a model.
bool IsTwoDimensional(const ProjectModel& m);

/// The model holds what only a project file keeps: it uses two dimensions, chooses the column stiffness
/// of its critical load or gives service loads.
bool NeedsProjectFile(const ProjectModel& m);

/// Number of records in a list with count `count` (0 for a count below 1).
inline int ListSize(int count) { return count < 1 ? 0 : count; }

}  // namespace tarnix
