// Input data echo. Each block is written only when the section or the options give it something to say.
#include "report/input_echo.h"

#include <string>

#include "criteria/criteria.h"
#include "report/section_writers.h"

namespace tarnix {
namespace {

struct SectionParts {
  bool concrete, reinforcing, steel;
};

SectionParts PartsOf(const ProjectModel& m) {
  return {m.nr >= 1 || m.nc >= 1 || m.npg >= 1, m.nl >= 1 || m.na >= 1 || m.nsb >= 1, m.nb >= 1 || m.np >= 1};
}

// The caption of a coded option numbered from `first`, or nothing for a number outside the table: a model
// edited in memory may hold any number, and the echo never reads beyond its captions.
template <size_t N>
const char* Caption(const char* const (&names)[N], int option, int first) {
  const long index = static_cast<long>(option) - first;
  return index >= 0 && index < static_cast<long>(N) ? names[index] : nullptr;
}

// Each value on a line of its own: `indent` blanks, then the label and the value.
void LabelledLines(ReportWriter& out, int indent,
                   std::initializer_list<std::pair<const char*, double>> values) {
  for (const auto& [label, value] : values) out.Blanks(indent).Labelled(label, value).EndLine();
}

void DesignCriteria(const ProjectModel& m, const SectionParts& parts, ReportWriter& out) {
  out.EmptyLine();
  out.SectionHeading("D E S I G N   C R I T E R I A");
  out.EmptyLine();
  const CriteriaRules* rules = FindCriteria(m.criteria);
  if (rules != nullptr && rules->echoLine != nullptr) out.Blanks(5).Text(rules->echoLine).EndLine();
  out.Blanks(5)
      .Text(m.unitSystem().IsMetric() ? "Units           = Metric (millimeters, Newtons)"
                                : "Units           = English (inches, pounds)")
      .EndLine();

  out.EmptyLine();
  out.SubHeading("MATERIAL STRENGTH:");
  out.EmptyLine();
  if (parts.concrete) {
    LabelledLines(out, 10, {{"Concrete compressive strength          = ", m.fpc},
                            {"Concrete modulus of elasticity         = ", m.Ec}});
  }
  if (parts.reinforcing) {
    LabelledLines(out, 10, {{"Reinforcing yield strength             = ", m.fy},
                            {"Reinforcing modulus of elasticity      = ", m.Er}});
  }
  if (parts.steel) {
    LabelledLines(out, 10, {{"Structural steel yield strength        = ", m.fs},
                            {"Structural steel modulus of elasticity = ", m.Es}});
  }
  out.EmptyLine();

  out.SubHeading("STRENGTH REDUCTION FACTORS:");
  out.EmptyLine();
  LabelledLines(out, 10, {{"Tension and flexure     = ", m.phiT},
                          {"Compression and flexure = ", m.phiC}});
  // A spiral column has a factor of its own, fixed by the code (ACI 318-19 Table 21.2.2).
  if (rules != nullptr && rules->revised.phiSpiral > 0)
    LabelledLines(out, 10, {{"Compression, spiral     = ", rules->revised.phiSpiral}});
  LabelledLines(out, 10, {{"Shear and torsion       = ", m.phiS}});
  out.EmptyLine();

  if (parts.concrete) {
    out.SubHeading("STRESS BLOCK:");
    out.EmptyLine();
    LabelledLines(out, 10, {{"Ratio of average concrete strength  = ", m.a1},
                            {"Ratio of depth of compression block = ", m.b1},
                            {"Maximum concrete strain             = ", m.em}});
    out.EmptyLine();
  }

  out.SubHeading("RESISTANCE FACTORS:");
  out.EmptyLine();
  if (parts.concrete) LabelledLines(out, 10, {{"Concrete         = ", m.phiConc}});
  if (parts.reinforcing) LabelledLines(out, 10, {{"Reinforcing      = ", m.phiReinf}});
  if (parts.steel) LabelledLines(out, 10, {{"Structural steel = ", m.phiStl}});
}

void ConfinementEcho(const ProjectModel& m, ReportWriter& out) {
  const int option = m.confinementOption;
  const char* names[] = {"Neglect confinement", "Spiral confinement:", "Circular hoop confinement:",
                         "Cross tie confinement:", "Cylindrical steel casing confinement:"};
  out.EmptyLine();
  if (const char* name = Caption(names, option, Confinement::None)) out.Blanks(15).Text(name).EndLine();
  if (!Confinement::Confined(option)) return;
  out.EmptyLine();
  if (Confinement::TransverseBars(option)) {
    LabelledLines(out, 20, {{"Bar diameter      = ", m.ds}, {"Long spacing      = ", m.st},
                            {"Concrete cover    = ", m.cover}});
  } else {
    LabelledLines(out, 20, {{"Casing thickness  = ", m.ds}});
  }
  LabelledLines(out, 20, {{"Yield strength    = ", m.fyh}, {"Ultimate strain   = ", m.esf}});
  if (option == Confinement::Spirals) LabelledLines(out, 20, {{"Spiral diameter   = ", m.Dc}});
  if (option == Confinement::CircularHoops) LabelledLines(out, 20, {{"Hoop diameter     = ", m.Dc}});
  if (option == Confinement::SteelCasing) LabelledLines(out, 20, {{"Casing diameter   = ", m.Dc}});
  if (option == Confinement::CrossTies) {
    LabelledLines(out, 20, {{"Tie spacing       = ", m.sl}, {"Core width        = ", m.xcl},
                            {"Core height       = ", m.ycl}, {"No of x-dir bars  = ", m.nx},
                            {"No of y-dir bars  = ", m.ny}});
  }
}

template <size_t N>
void PointsTable(const std::array<StressStrainPoint, N>& table, ReportWriter& out) {
  out.TableHeading({{15, "Point"}, {25, "Strain"}, {35, "Stress"}});
  for (size_t p = 1; p < N; ++p) {
    out.Column(15).Number(static_cast<double>(p)).Column(25).Number(table[p].strain).Column(35).Number(
        table[p].stress);
    out.EndLine();
  }
}

// A steel curve's model name and its points (4 Bilinear or 6 Park points).
void SteelCurve(const ProjectModel& m, int model, const char* bilinearName, const char* parkName,
                const BilinearPoints& bilinear, const ParkPoints& park, bool showParkVariant, ReportWriter& out) {
  if (model != SteelModel::Bilinear && model != SteelModel::Park) return;
  out.Column(10).Text(model == SteelModel::Bilinear ? bilinearName : parkName);
  if (model == SteelModel::Park && showParkVariant) {
    const char* names[] = {"(with parabolic strain hardening)", "(with complex strain hardening)"};
    if (const char* name = Caption(names, m.ParkModel, StrainHardening::Parabolic)) out.Column(10).Text(name);
  }
  out.EndLine();
  out.EmptyLine();
  if (model == SteelModel::Bilinear) {
    PointsTable(bilinear, out);
  } else {
    PointsTable(park, out);
  }
}

void StressStrain(const ProjectModel& m, const SectionParts& parts, ReportWriter& out) {
  out.EmptyLine();
  out.SectionHeading("S T R E S S - S T R A I N   I N F O R M A T IO N");
  if (parts.concrete) {
    out.EmptyLine();
    out.SubHeading("CONCRETE MODEL:");
    out.EmptyLine();
    const char* names[] = {"Linear concrete model", "Simple concrete model", "Mander concrete model"};
    if (const char* name = Caption(names, m.concreteModel, ConcreteModel::Linear)) {
      out.Blanks(10).Text(name).EndLine();
    }
    out.EmptyLine();
    LabelledLines(out, 15, {{"Unconfined strain     = ", m.ec0}, {"Unconfined stress     = ", m.fc0},
                            {"Modulus of elasticity = ", m.Eci}, {"Ultimate strain       = ", m.ecu},
                            {"Ultimate stress       = ", m.fcu}, {"Spalling strain       = ", m.esp},
                            {"Confined stress       = ", m.fcc}});
    if (m.concreteModel == ConcreteModel::Mander) ConfinementEcho(m, out);
  }
  if (parts.reinforcing) {
    out.EmptyLine();
    out.SubHeading("REINFORCING MODEL:");
    out.EmptyLine();
    SteelCurve(m, m.reinfModel, "Bilinear reinforcing model", "Park reinforcing model", m.rpBL, m.rpPA, true, out);
  }
  if (parts.steel) {
    out.EmptyLine();
    out.SubHeading("STEEL MODEL:");
    out.EmptyLine();
    SteelCurve(m, m.steelModel, "Bilinear steel model", "Park steel model", m.spBL, m.spPA, false, out);
  }
}

// One table row: Column(first) the values, 10 columns apart, as report Numbers.
template <typename Values>
void NumberRow(ReportWriter& out, const Values& values) {
  int column = 10;
  for (double v : values) {
    out.Column(column).Number(v);
    column += 10;
  }
  out.EndLine();
}

void NumberRow(ReportWriter& out, std::initializer_list<double> values) {
  NumberRow<std::initializer_list<double>>(out, values);
}

// A table of records: an optional leading empty line, the count heading, the column heading and one row
// per record; nothing when the list is empty.
template <typename Record, typename RowFn>
void RecordTable(ReportWriter& out, bool emptyLineFirst, int count, const std::vector<Record>& records,
                 const char* caption, const std::vector<std::pair<int, const char*>>& heading, RowFn row) {
  if (count < 1) return;
  if (emptyLineFirst) out.EmptyLine();
  out.CountHeading(count, caption);
  out.EmptyLine();
  out.TableHeading(heading);
  for (int i = 1; i <= count; ++i) row(records[static_cast<size_t>(i)]);
}

// The heading and row of a record table; a two-dimensional model adds the record's horizontal position
// (`xName`) as the first column, so that a model of the old form is echoed as before.
struct Columns {
  bool withX;
  std::vector<std::pair<int, const char*>> Heading(const char* xName,
                                                   std::initializer_list<const char*> names) const {
    std::vector<std::pair<int, const char*>> heading;
    int column = 10;
    if (withX) heading.push_back({column, xName}), column += 10;
    for (const char* name : names) heading.push_back({column, name}), column += 10;
    return heading;
  }
  void Row(ReportWriter& out, double x, std::initializer_list<double> values) const {
    std::vector<double> row;
    if (withX) row.push_back(x);
    row.insert(row.end(), values.begin(), values.end());
    NumberRow(out, row);
  }
};

// A two-dimensional model's polygons, corner by corner.
void Polygons(const ProjectModel& m, ReportWriter& out, bool emptyLineFirst) {
  if (m.npg < 1) return;
  if (emptyLineFirst) out.EmptyLine();
  out.CountHeading(m.npg, " POLYGONS:");
  out.EmptyLine();
  out.TableHeading({{10, "Polygon"}, {20, "Corner"}, {30, "X"}, {40, "Y"}, {50, "Add"}});
  for (int i = 1; i <= m.npg; ++i) {
    const ConcretePolygon& p = m.polygons[static_cast<size_t>(i)];
    for (size_t j = 0; j < p.vertices.size(); ++j) {
      const Vertex& v = p.vertices[j];
      if (j == 0) {
        NumberRow(out, {static_cast<double>(i), 1.0, v.x, v.y, static_cast<double>(p.psign)});
      } else {
        out.Column(20).Number(static_cast<double>(j + 1)).Column(30).Number(v.x).Column(40).Number(v.y).EndLine();
      }
    }
  }
}

void Configuration(const ProjectModel& m, const SectionParts& parts, ReportWriter& out) {
  const Columns c{IsTwoDimensional(m)};
  if (parts.concrete) {
    out.EmptyLine();
    out.SectionHeading("C O N C R E T E   C O N F I G U R A T I O N");
    out.EmptyLine();
    RecordTable(out, false, m.nr, m.rects, " RECTANGULAR SECTIONS:",
                c.Heading("Xcenter", {"Ytop", "Depth", "Width", "Add"}),
                [&](const ConcreteRect& r) { c.Row(out, r.X, {r.Yt, r.D, r.W, static_cast<double>(r.rsign)}); });
    RecordTable(out, true, m.nc, m.circles, " CIRCULAR SECTIONS:",
                c.Heading("Xcenter", {"Ycenter", "Radius", "Add"}),
                [&](const ConcreteCircle& r) { c.Row(out, r.Xc, {r.Yc, r.Rc, static_cast<double>(r.csign)}); });
    Polygons(m, out, m.nr >= 1 || m.nc >= 1);
  }
  if (parts.reinforcing) {
    out.EmptyLine();
    out.SectionHeading("R E I N F O R C I N G   C O N F I G U R A T I O N");
    out.EmptyLine();
    RecordTable(out, false, m.nl, m.lines, " REINFORCING LINES:",
                c.Heading("Xmiddle", {"Ybeg", "Length", "Angle", "Nbar", "Abar"}),
                [&](const ReinforcingLine& l) {
                  c.Row(out, l.Xb, {l.Yb, l.Lb, l.Ab, static_cast<double>(l.Nbl), l.Abl});
                });
    RecordTable(out, true, m.na, m.arcs, " REINFORCING ARCS:",
                c.Heading("Xcenter", {"Ycenter", "Radius", "Abeg", "Atot", "Nbar", "Abar"}),
                [&](const ReinforcingArc& a) {
                  c.Row(out, a.X0, {a.Y0, a.R0, a.Abeg, a.Atot, static_cast<double>(a.Nba), a.Aba});
                });
    RecordTable(out, m.nl >= 1 || m.na >= 1, m.nsb, m.singleBars, " SINGLE BARS:", {{10, "X"}, {20, "Y"}, {30, "Abar"}},
                [&](const SingleBar& b) { NumberRow(out, {b.x, b.y, b.area}); });
  }
  if (parts.steel) {
    out.EmptyLine();
    out.SectionHeading("S T E E L   C O N F I G U R A T I O N");
    out.EmptyLine();
    RecordTable(out, false, m.nb, m.steelRects, " RECTANGULAR SHAPES:",
                c.Heading("Xcenter", {"Ytop", "Depth", "Width"}),
                [&](const SteelRect& b) { c.Row(out, b.Xcb, {b.Ytb, b.Db, b.Wb}); });
    RecordTable(out, true, m.np, m.pipes, " PIPE SHAPES:", c.Heading("Xcenter", {"Ycenter", "Radius", "Thickness"}),
                [&](const SteelPipe& p) { c.Row(out, p.Xcp, {p.Ycp, p.Rcp, p.tp}); });
  }
}

// A row of the load number and four values in displayed units with one decimal.
void FixedLoadRow(ReportWriter& out, int number, std::initializer_list<double> values) {
  out.Column(10).Number(number);
  int column = 20;
  for (double v : values) {
    out.Column(column).Fixed(v, 1);
    column += 10;
  }
  out.EndLine();
}

void Loads(const ProjectModel& m, ReportWriter& out) {
  if (m.ns < 1) return;
  const double force = m.ForceUnitFactor;
  const double moment = m.MomentUnitFactor;
  out.EmptyLine();
  out.SectionHeading("L O A D   C O N D I T I O N S");
  out.UnitsLine(m.unitSystem());
  out.EmptyLine();
  out.CountHeading(m.ns, " LOAD CONDITIONS:");
  out.EmptyLine();
  if (IsTwoDimensional(m)) {
    out.TableHeading({{10, "No"}, {20, "Axial"}, {30, "Mx"}, {40, "My"}, {50, "Shear"}, {60, "Torsion"}});
    for (int i = 1; i <= m.ns; ++i) {
      const LoadCondition& c = m.loads[static_cast<size_t>(i)];
      FixedLoadRow(out, i, {c.P / force, c.M / moment, c.My / moment, c.V / force, c.T / moment});
    }
    return;
  }
  out.TableHeading({{10, "No"}, {20, "Axial"}, {30, "Moment"}, {40, "Shear"}, {50, "Torsion"}});
  for (int i = 1; i <= m.ns; ++i) {
    const LoadCondition& c = m.loads[static_cast<size_t>(i)];
    FixedLoadRow(out, i, {c.P / force, c.M / moment, c.V / force, c.T / moment});
  }
}

// The member data of one axis: its length and factors, then (under `boundaryHeading` when given) its end
// restraints.
void MemberAxisLines(const ProjectModel& m, const MemberAxis& a, const char* boundaryHeading, ReportWriter& out) {
  out.Column(10).Labelled("Member length                      = ", a.L).EndLine();
  if (m.SlendernessOption != Slenderness::None) out.Column(10).Labelled("Effective length factor            = ", a.Keff).EndLine();
  if (m.SlendernessOption == Slenderness::GeneralPDelta) out.Column(10).Labelled("Effective moment of inertia factor = ", a.Ieff).EndLine();
  out.EmptyLine();
  if (boundaryHeading != nullptr) {
    out.SubHeading(boundaryHeading);
    out.EmptyLine();
  }
  out.TableHeading({{10, "Condition"}, {30, "End i"}, {40, "End j"}});
  out.Column(10).Text("Shear restraint").Column(30).Number(a.Vri).Column(40).Number(a.Vrj).EndLine();
  out.Column(10).Text("Moment restraint").Column(30).Number(a.Mri).Column(40).Number(a.Mrj).EndLine();
}

void Member(const ProjectModel& m, ReportWriter& out) {
  if (!(m.L > 0)) return;
  out.EmptyLine();
  out.SectionHeading("M E M B E R   P R O P E R T I E S");
  out.EmptyLine();
  out.SubHeading("MEMBER PROPERTIES:");
  out.EmptyLine();
  MemberAxisLines(m, {m.L, m.Keff, m.Ieff, m.Vri, m.Vrj, m.Mri, m.Mrj}, "BOUNDARY CONDITIONS:", out);
  // The member data for bending about the vertical axis, where a two-dimensional model gives them.
  if (m.memberY.L > 0) {
    out.EmptyLine();
    out.SubHeading("BENDING ABOUT THE VERTICAL AXIS:");
    out.EmptyLine();
    MemberAxisLines(m, m.memberY, nullptr, out);
  }
  // The column stiffness of the critical load, where the engineer chose it (about both axes).
  if (m.columnStiffness != ColumnStiffnessChoice::Criteria) {
    const bool used = CriteriaFor(m.criteria).revised.stiffness == ColumnStiffness::GrossConcrete;
    out.EmptyLine();
    out.Column(10).Text("Column stiffness: ").Text(ColumnStiffnessFormula(m.columnStiffness));
    if (!used) out.Text(" (not used by these criteria)");
    out.EndLine();
  }
}

void SlendernessEcho(const ProjectModel& m, ReportWriter& out) {
  if (!(m.L > 0) || m.SlendernessOption == Slenderness::None) return;
  const double moment = m.MomentUnitFactor;
  out.EmptyLine();
  out.SectionHeading("S L E N D E R N E S S");
  out.Blanks(5).Text(m.unitSystem().IsMetric() ? "(Moments in kN-m)" : "(Moments in K-ft)").EndLine();
  out.EmptyLine();
  const char* names[] = {"Moment magnification per design criteria", "Slender wall design per ACI 318",
                         "General P-delta analysis"};
  if (const char* name = Caption(names, m.SlendernessOption, Slenderness::MomentMagnification)) {
    out.Blanks(5).Text(name).EndLine();
  }
  if (m.SlendernessOption != Slenderness::MomentMagnification && m.SlendernessOption != Slenderness::GeneralPDelta) return;
  if (m.ns < 1) return;

  out.EmptyLine();
  out.CountHeading(m.ns, " LOAD CONDITIONS:");
  out.EmptyLine();
  out.TableHeading({{10, "No"}, {20, "M1ns"}, {30, "M2ns"}, {40, "M1s"}, {50, "M2s"}});
  for (int i = 1; i <= m.ns; ++i) {
    const LoadCondition& c = m.loads[static_cast<size_t>(i)];
    FixedLoadRow(out, i, {c.M1ns / moment, c.M2ns / moment, c.M1s / moment, c.M2s / moment});
  }
  if (m.memberY.L > 0) {
    out.EmptyLine();
    out.SubHeading("ABOUT THE VERTICAL AXIS:");
    out.EmptyLine();
    out.TableHeading({{10, "No"}, {20, "M1ns"}, {30, "M2ns"}, {40, "M1s"}, {50, "M2s"}, {60, "BetaD"}, {70, "BetaDs"}});
    for (int i = 1; i <= m.ns; ++i) {
      const AxisEndMoments& e = m.loads[static_cast<size_t>(i)].endY;
      out.Column(10).Number(i);
      int column = 20;
      for (double v : {e.M1ns / moment, e.M2ns / moment, e.M1s / moment, e.M2s / moment}) {
        out.Column(column).Fixed(v, 1);
        column += 10;
      }
      out.Column(60).Number(e.BetaD).Column(70).Number(e.BetaDs).EndLine();
    }
  }
  out.EmptyLine();
  out.TableHeading({{10, "No"}, {20, "BetaD"}, {30, "BetaDs"}, {40, "Tloads"}});
  for (int i = 1; i <= m.ns; ++i) {
    const LoadCondition& c = m.loads[static_cast<size_t>(i)];
    NumberRow(out, {static_cast<double>(i), c.BetaD, c.BetaDs, static_cast<double>(c.Tloads)});
  }
  out.EmptyLine();
  out.TableHeading({{10, "No"}, {20, "di"}, {30, "dj"}, {40, "ri"}, {50, "rj"}});
  for (int i = 1; i <= m.ns; ++i) {
    const LoadCondition& c = m.loads[static_cast<size_t>(i)];
    NumberRow(out, {static_cast<double>(i), c.di, c.dj, c.ri, c.rj});
  }
}

}  // namespace

void WriteInputEcho(const ProjectModel& m, const std::tm& time, ReportWriter& out) {
  const SectionParts parts = PartsOf(m);
  out.StarBanner("*                 INPUT DATA ECHO                   *");
  out.Blanks(5).Text("(Version " + BuildVersionText() + ")").Column(40).Text(FormatReportTime(time)).EndLine();
  out.EmptyLine();
  out.Blanks(5).Text("Input file  = " + m.inputFileTitle).EndLine();
  out.Blanks(5).Text("Output file = " + m.outputFileTitle).EndLine();

  if (IsSet(m.OutputInteractionDiagram) || IsSet(m.OutputSlenderness) || IsSet(m.OutputSectionAnalysis)) {
    DesignCriteria(m, parts, out);
  }
  if (IsSet(m.OutputMomentCurvature)) StressStrain(m, parts, out);
  Configuration(m, parts, out);
  Loads(m, out);
  Member(m, out);
  SlendernessEcho(m, out);
}

}  // namespace tarnix
