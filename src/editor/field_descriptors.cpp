// The field table of the windows.
#include "editor/field_descriptors.h"

#include <algorithm>

namespace tarnix {
namespace {

using PM = ProjectModel;
using U = UnitKind;
using G = FieldGroup;

// The list a slot's record belongs to; none for the model's own values and the counts.
struct RecordOfSlot {
  template <typename Value>
  std::optional<RecordList> operator()(Value PM::*) const { return std::nullopt; }
  std::optional<RecordList> operator()(float ConcreteRect::*) const { return RecordList::ConcreteRect; }
  std::optional<RecordList> operator()(float ConcreteCircle::*) const { return RecordList::ConcreteCircle; }
  template <typename Value>
  std::optional<RecordList> operator()(Value ReinforcingLine::*) const { return RecordList::ReinforcingLine; }
  template <typename Value>
  std::optional<RecordList> operator()(Value ReinforcingArc::*) const { return RecordList::ReinforcingArc; }
  std::optional<RecordList> operator()(float SteelPipe::*) const { return RecordList::SteelPipe; }
  std::optional<RecordList> operator()(float SteelRect::*) const { return RecordList::SteelRect; }
  std::optional<RecordList> operator()(float Vertex::*) const { return RecordList::PolygonCorner; }
  std::optional<RecordList> operator()(float SingleBar::*) const { return RecordList::SingleBar; }
  std::optional<RecordList> operator()(CornerCount) const { return RecordList::ConcretePolygon; }
  std::optional<RecordList> operator()(RecordKind) const { return std::nullopt; }
  std::optional<RecordList> operator()(LoadCount) const { return std::nullopt; }
  std::optional<RecordList> operator()(LoadValue) const { return RecordList::Load; }
  std::optional<RecordList> operator()(PointValue point) const {
    return point.curve == SteelCurve::Reinforcing ? RecordList::ReinforcingPoint : RecordList::SteelPoint;
  }
  std::optional<RecordList> operator()(TitleText) const { return std::nullopt; }
};

const std::vector<GroupDescriptor> kGroups = {
    {G::MaterialStrength, FieldForm::Main, MainTab::Criteria, "MATERIAL STRENGTH"},
    {G::ReductionFactors, FieldForm::Main, MainTab::Criteria, "STRENGTH REDUCTION FACTORS"},
    {G::ResistanceFactors, FieldForm::Main, MainTab::Criteria, "RESISTANCE FACTORS"},
    {G::StressBlock, FieldForm::Main, MainTab::Criteria, "STRESS BLOCK"},
    {G::ConcreteRects, FieldForm::Main, MainTab::Concrete, "RECTANGULAR SECTIONS"},
    {G::ConcreteCircles, FieldForm::Main, MainTab::Concrete, "CIRCULAR SECTIONS"},
    {G::ConcretePolygons, FieldForm::Main, MainTab::Concrete, "POLYGONS"},
    {G::ReinforcingLines, FieldForm::Main, MainTab::Reinforcing, "REINFORCING LINES"},
    {G::ReinforcingArcs, FieldForm::Main, MainTab::Reinforcing, "REINFORCING ARCS"},
    {G::SingleBars, FieldForm::Main, MainTab::Reinforcing, "SINGLE BARS"},
    {G::PipeShapes, FieldForm::Main, MainTab::Steel, "PIPE SHAPES"},
    {G::SteelRects, FieldForm::Main, MainTab::Steel, "RECTANGULAR SHAPES"},
    {G::Loads, FieldForm::Main, MainTab::Loads, "LOAD CONDITIONS"},
    {G::ConcreteModel, FieldForm::Main, MainTab::StressStrain, "CONCRETE MATERIAL MODEL"},
    {G::SteelModel, FieldForm::Main, MainTab::StressStrain, "STEEL MATERIAL MODEL"},
    {G::Configuration, FieldForm::Confinement, MainTab::Criteria, "CONFIGURATION"},
    {G::HoopsOrSpirals, FieldForm::Confinement, MainTab::Criteria, "HOOPS OR SPIRALS"},
    {G::CrossTies, FieldForm::Confinement, MainTab::Criteria, "CROSS TIES"},
    {G::InteractionDiagram, FieldForm::ControlParameters, MainTab::Criteria, "INTERACTION DIAGRAM"},
    {G::MomentCurvature, FieldForm::ControlParameters, MainTab::Criteria, "MOMENT-CURVATURE"},
    {G::Title, FieldForm::Title, MainTab::Criteria, ""},
};

// Each field: its short name (the model's), a caption in words (the window adds the unit), its tool-tip.
const std::vector<FieldDescriptor> kFields = {
    // Design criteria tab.
    {Field::fpc, "fpc", "Concrete strength f'c", "Concrete compressive strength", U::Stress,
     G::MaterialStrength, &PM::fpc},
    {Field::fy, "fy", "Reinforcing yield strength fy", "Reinforcing yield strength", U::Stress,
     G::MaterialStrength, &PM::fy},
    {Field::fs, "fs", "Steel shape yield strength fs", "Structural steel yield strength", U::Stress,
     G::MaterialStrength, &PM::fs},
    {Field::Ec, "Ec", "Concrete modulus Ec", "Concrete modulus", U::Stress, G::MaterialStrength, &PM::Ec},
    {Field::Er, "Er", "Reinforcing modulus Er", "Reinforcing modulus", U::Stress, G::MaterialStrength,
     &PM::Er},
    {Field::Es, "Es", "Steel shape modulus Es", "Structural steel modulus", U::Stress, G::MaterialStrength,
     &PM::Es},
    {Field::phiT, "phiT", "Tension and flexure", "Strength reduction factor for tension and flexure", U::None,
     G::ReductionFactors, &PM::phiT},
    {Field::phiC, "phiC", "Compression", "Strength reduction factor for compression and flexure", U::None,
     G::ReductionFactors, &PM::phiC},
    {Field::phiS, "phiS", "Shear and torsion", "Strength reduction factor for shear and torsion", U::None,
     G::ReductionFactors, &PM::phiS},
    {Field::phiConc, "phiConc", "Concrete", "Resistance factor for concrete strength", U::None,
     G::ResistanceFactors, &PM::phiConc},
    {Field::phiReinf, "phiReinf", "Reinforcing", "Resistance factor for reinforcing strength", U::None,
     G::ResistanceFactors, &PM::phiReinf},
    {Field::phiStl, "phiStl", "Structural steel", "Resistance factor for structural steel strength", U::None,
     G::ResistanceFactors, &PM::phiStl},
    {Field::a1, "a1", "Block stress ratio a1",
     "Ratio of average stress in rectangular compression block to f'c", U::None, G::StressBlock, &PM::a1},
    {Field::b1, "b1", "Block depth ratio b1",
     "Ratio of depth of rectangular compression block to neutral axis depth", U::None, G::StressBlock,
     &PM::b1},
    {Field::em, "em", "Ultimate concrete strain", "Maximum (ultimate) concrete strain", U::None,
     G::StressBlock, &PM::em},
    // Concrete tab.
    {Field::nr, "nr", "Number of rectangles", "Number of rectangular concrete sections", U::None,
     G::ConcreteRects, RecordKind::ConcreteRect},
    {Field::Yt, "Yt", "Depth to top", "Distance to top of section", U::Length, G::ConcreteRects,
     &ConcreteRect::Yt},
    {Field::D, "D", "Depth", "Depth of section", U::Length, G::ConcreteRects, &ConcreteRect::D},
    {Field::W, "W", "Width", "Width of section", U::Length, G::ConcreteRects, &ConcreteRect::W},
    {Field::X, "X", "Centre x", "Horizontal position of center of section", U::Length, G::ConcreteRects,
     &ConcreteRect::X},
    {Field::nc, "nc", "Number of circles", "Number of circular concrete sections", U::None,
     G::ConcreteCircles, RecordKind::ConcreteCircle},
    {Field::Yc, "Yc", "Depth to centre", "Distance to center of section", U::Length, G::ConcreteCircles,
     &ConcreteCircle::Yc},
    {Field::Rc, "Rc", "Radius", "Radius of section", U::Length, G::ConcreteCircles, &ConcreteCircle::Rc},
    {Field::Xc, "Xc", "Centre x", "Horizontal position of center of section", U::Length, G::ConcreteCircles,
     &ConcreteCircle::Xc},
    {Field::corners, "corners", "Corners", "Number of corners of the polygon", U::None, G::ConcretePolygons,
     CornerCount{}},
    {Field::vx, "vx", "x", "Horizontal position of the corner", U::Length, G::ConcretePolygons, &Vertex::x},
    {Field::vy, "vy", "Depth y", "Depth of the corner", U::Length, G::ConcretePolygons, &Vertex::y},
    // Reinforcing tab.
    {Field::nl, "nl", "Number of lines", "Number of reinforcing lines", U::None, G::ReinforcingLines,
     RecordKind::ReinforcingLine},
    {Field::Yb, "Yb", "Depth to first bar", "Distance to center of first bar", U::Length, G::ReinforcingLines,
     &ReinforcingLine::Yb},
    {Field::Ab, "Ab", "Angle", "Angle of inclination of reinforcing line", U::Degrees, G::ReinforcingLines,
     &ReinforcingLine::Ab},
    {Field::Lb, "Lb", "Length", "Length of reinforcing line", U::Length, G::ReinforcingLines,
     &ReinforcingLine::Lb},
    {Field::Nbl, "Nbl", "Bars", "Number of bars in line", U::None, G::ReinforcingLines,
     &ReinforcingLine::Nbl},
    {Field::Abl, "Abl", "Bar area", "Area of each bar in line", U::Area, G::ReinforcingLines,
     &ReinforcingLine::Abl},
    {Field::Xb, "Xb", "Middle x", "Horizontal position of the middle of the line", U::Length,
     G::ReinforcingLines, &ReinforcingLine::Xb},
    {Field::na, "na", "Number of arcs", "Number of reinforcing arcs", U::None, G::ReinforcingArcs,
     RecordKind::ReinforcingArc},
    {Field::Y0, "Y0", "Depth to centre", "Distance to center of arc", U::Length, G::ReinforcingArcs,
     &ReinforcingArc::Y0},
    {Field::R0, "R0", "Radius", "Radius of arc", U::Length, G::ReinforcingArcs, &ReinforcingArc::R0},
    {Field::Abeg, "Abeg", "First bar angle", "Angle to center of first bar", U::Degrees, G::ReinforcingArcs,
     &ReinforcingArc::Abeg},
    {Field::Atot, "Atot", "Total angle", "Total angle of reinforcing arc", U::Degrees, G::ReinforcingArcs,
     &ReinforcingArc::Atot},
    {Field::Nba, "Nba", "Bars", "Number of bars in arc", U::None, G::ReinforcingArcs, &ReinforcingArc::Nba},
    {Field::Aba, "Aba", "Bar area", "Area of each bar in arc", U::Area, G::ReinforcingArcs,
     &ReinforcingArc::Aba},
    {Field::X0, "X0", "Centre x", "Horizontal position of center of arc", U::Length, G::ReinforcingArcs,
     &ReinforcingArc::X0},
    {Field::sbx, "x", "x", "Horizontal position of the bar", U::Length, G::SingleBars, &SingleBar::x},
    {Field::sby, "y", "Depth y", "Depth to center of the bar", U::Length, G::SingleBars, &SingleBar::y},
    {Field::sba, "area", "Bar area or size", "Area of the bar, or its size (#8, 25M, 20 mm)", U::Area,
     G::SingleBars, &SingleBar::area},
    // Steel shape tab.
    {Field::np, "np", "Number of pipes", "Number of steel pipe shapes", U::None, G::PipeShapes,
     RecordKind::SteelPipe},
    {Field::Ycp, "Ycp", "Depth to centre", "Distance to center of pipe", U::Length, G::PipeShapes,
     &SteelPipe::Ycp},
    {Field::Rcp, "Rcp", "Radius to mid-wall", "Radius of pipe to mid-thickness", U::Length, G::PipeShapes,
     &SteelPipe::Rcp},
    {Field::tp, "tp", "Wall thickness", "Thickness of pipe", U::Length, G::PipeShapes, &SteelPipe::tp},
    {Field::Xcp, "Xcp", "Centre x", "Horizontal position of center of pipe", U::Length, G::PipeShapes,
     &SteelPipe::Xcp},
    {Field::nb, "nb", "Number of shapes", "Number of rectangular steel shapes", U::None, G::SteelRects,
     RecordKind::SteelRect},
    {Field::Ytb, "Ytb", "Depth to top", "Distance to top of shape", U::Length, G::SteelRects,
     &SteelRect::Ytb},
    {Field::Db, "Db", "Depth", "Depth of shape", U::Length, G::SteelRects, &SteelRect::Db},
    {Field::Wb, "Wb", "Width", "Width of shape", U::Length, G::SteelRects, &SteelRect::Wb},
    {Field::Xcb, "Xcb", "Centre x", "Horizontal position of center of shape", U::Length, G::SteelRects,
     &SteelRect::Xcb},
    // Loads tab.
    {Field::ns, "ns", "Number of loads", "Number of loads to review", U::None, G::Loads, LoadCount{}},
    {Field::P, "P", "Axial load", "Axial load", U::Force, G::Loads, LoadValue::P},
    {Field::M, "M", "Moment Mx", "Initial moment", U::Moment, G::Loads, LoadValue::M},
    {Field::My, "My", "Moment My", "Initial moment about the vertical axis", U::Moment, G::Loads, LoadValue::My},
    {Field::V, "V", "Shear", "Shear", U::Force, G::Loads, LoadValue::V},
    {Field::T, "T", "Torsion", "Torsion", U::Moment, G::Loads, LoadValue::T},
    // Stress-strain tab.
    {Field::fc0, "fc0", "Unconfined strength", "Unconfined compressive stress", U::Stress, G::ConcreteModel,
     &PM::fc0},
    {Field::ec0, "ec0", "Strain at unconfined strength", "Unconfined compressive strain", U::None,
     G::ConcreteModel, &PM::ec0},
    {Field::Eci, "Eci", "Initial modulus", "Unconfined compressive modulus", U::Stress, G::ConcreteModel,
     &PM::Eci},
    {Field::esp, "esp", "Spalling strain", "Spalling compressive strain", U::None, G::ConcreteModel,
     &PM::esp},
    {Field::ecu, "ecu", "Ultimate strain", "Ultimate compressive strain", U::None, G::ConcreteModel,
     &PM::ecu},
    {Field::fcu, "fcu", "Ultimate stress", "Ultimate compressive stress", U::Stress, G::ConcreteModel,
     &PM::fcu},
    {Field::fcc, "fcc", "Confined strength", "Confined compressive stress", U::Stress, G::ConcreteModel,
     &PM::fcc},
    {Field::strainr, "strainr", "Strain", "Strain of reinforcing point", U::None, G::SteelModel,
     PointValue{SteelCurve::Reinforcing, PointPart::Strain}},
    {Field::stressr, "stressr", "Stress", "Stress of reinforcing point", U::Stress, G::SteelModel,
     PointValue{SteelCurve::Reinforcing, PointPart::Stress}},
    {Field::strains, "strains", "Strain", "Strain of structural steel point", U::None, G::SteelModel,
     PointValue{SteelCurve::Structural, PointPart::Strain}},
    {Field::stresss, "stresss", "Stress", "Stress of structural steel point", U::Stress, G::SteelModel,
     PointValue{SteelCurve::Structural, PointPart::Stress}},
    // Confinement window.
    {Field::ds, "ds", "Bar diameter or casing thickness", "Confinement bar diameter or casing thickness",
     U::Length, G::Configuration, &PM::ds},
    {Field::st, "st", "Spacing along the member", "Spacing of confinement reinforcing", U::Length,
     G::Configuration, &PM::st},
    {Field::cover, "cover", "Cover to bar centre", "Concrete cover to centerline of confinement reinforcing",
     U::Length, G::Configuration, &PM::cover},
    {Field::fyh, "fyh", "Yield strength", "Yield strength of confinement steel", U::Stress, G::Configuration,
     &PM::fyh},
    {Field::esf, "esf", "Ultimate strain", "Ultimate strain of confinement steel", U::None, G::Configuration,
     &PM::esf},
    {Field::Dc, "Dc", "Hoop or spiral diameter", "Diameter of circular hoop or spiral to centerline",
     U::Length, G::HoopsOrSpirals, &PM::Dc},
    {Field::sl, "sl", "Spacing of tied bars", "Maximum spacing between cross-tied longitudinal bars",
     U::Length, G::CrossTies, &PM::sl},
    {Field::xcl, "xcl", "Core width", "Width of core to centerline of confinement reinforcing", U::Length,
     G::CrossTies, &PM::xcl},
    {Field::ycl, "ycl", "Core height", "Height of core to centerline of confinement reinforcing", U::Length,
     G::CrossTies, &PM::ycl},
    {Field::nx, "nx", "Bars in x direction", "Number of confinement bars in x direction", U::None,
     G::CrossTies, &PM::nx},
    {Field::ny, "ny", "Bars in y direction", "Number of confinement bars in y direction", U::None,
     G::CrossTies, &PM::ny},
    // Control-parameter window.
    {Field::inc, "inc", "Neutral axis step", "Neutral axis increment to iterate", U::Length,
     G::InteractionDiagram, &PM::inc},
    {Field::binc, "binc", "Divisions along a steel shape",
     "Number of divisions in long direction of steel bar section to integrate", U::None,
     G::InteractionDiagram, &PM::binc},
    {Field::pinc, "pinc", "Divisions around a pipe",
     "Number of divisions around circumference of steel pipe section to integrate", U::None,
     G::InteractionDiagram, &PM::pinc},
    {Field::cbeg, "cbeg", "Smallest neutral axis depth", "Minimum neutral axis value", U::Length,
     G::MomentCurvature, &PM::cbeg},
    {Field::cinc, "cinc", "Neutral axis step", "Neutral axis increment to iterate", U::Length,
     G::MomentCurvature, &PM::cinc},
    {Field::ebeg, "ebeg", "First strain", "Minimum strain value", U::None, G::MomentCurvature, &PM::ebeg},
    {Field::eend, "eend", "Last strain", "Maximum strain value", U::None, G::MomentCurvature, &PM::eend},
    {Field::einc, "einc", "Strain increment", "Strain increment to iterate", U::None, G::MomentCurvature,
     &PM::einc},
    {Field::rcinc, "rcinc", "Slices of a concrete rectangle",
     "Number of horizontal slices in rectangular concrete section to integrate", U::None, G::MomentCurvature,
     &PM::rcinc},
    {Field::ccinc, "ccinc", "Slices of a concrete circle",
     "Number of horizontal slices in circular concrete section to integrate", U::None, G::MomentCurvature,
     &PM::ccinc},
    {Field::bsinc, "bsinc", "Divisions along a steel shape",
     "Number of divisions in long direction of steel bar section to integrate", U::None, G::MomentCurvature,
     &PM::bsinc},
    {Field::psinc, "psinc", "Divisions around a pipe",
     "Number of divisions around circumference of steel pipe section to integrate", U::None,
     G::MomentCurvature, &PM::psinc},
    // Output title window.
    {Field::title, "title", "Report title", "Output title", U::None, G::Title, TitleText{}},
};

}  // namespace

const char* TabCaption(MainTab tab) {
  switch (tab) {
    case MainTab::Criteria: return "DESIGN CRITERIA";
    case MainTab::Concrete: return "CONCRETE";
    case MainTab::Reinforcing: return "REINFORCING";
    case MainTab::Steel: return "STEEL SHAPE";
    case MainTab::Loads: return "LOADS";
    case MainTab::StressStrain: return "STRESS-STRAIN";
  }
  return "";
}

const std::vector<MainTab>& MainTabs() {
  static const std::vector<MainTab> tabs = {MainTab::Criteria, MainTab::Concrete, MainTab::Reinforcing,
                                            MainTab::Steel,    MainTab::Loads,    MainTab::StressStrain};
  return tabs;
}

const GroupDescriptor& DescriptorOf(FieldGroup group) {
  return *std::find_if(kGroups.begin(), kGroups.end(),
                       [group](const GroupDescriptor& g) { return g.id == group; });
}

std::vector<FieldGroup> GroupsOn(MainTab tab) {
  std::vector<FieldGroup> groups;
  for (const GroupDescriptor& g : kGroups) {
    if (g.form == FieldForm::Main && g.tab == tab) groups.push_back(g.id);
  }
  return groups;
}

FieldDescriptor::FieldDescriptor(Field id, const char* name, const char* caption, const char* tip,
                                 UnitKind unit, FieldGroup group, FieldSlot slot)
    : id(id),
      name(name),
      caption(caption),
      tip(tip),
      unit(unit),
      group(group),
      slot(slot),
      record(std::visit(RecordOfSlot{}, slot)) {}

const std::vector<FieldDescriptor>& FieldDescriptors() { return kFields; }

const FieldDescriptor& DescriptorOf(Field field) {
  // Indexed once by id: the table is in window order, not in the order of the enumeration.
  static const std::vector<const FieldDescriptor*> byId = [] {
    std::vector<const FieldDescriptor*> index(kFields.size(), nullptr);
    for (const FieldDescriptor& d : kFields) {
      const auto at = static_cast<size_t>(d.id);
      if (at >= index.size()) index.resize(at + 1, nullptr);
      index[at] = &d;
    }
    return index;
  }();
  return *byId.at(static_cast<size_t>(field));
}

FieldForm FormOf(Field field) { return DescriptorOf(DescriptorOf(field).group).form; }

std::vector<Field> FieldsOf(FieldGroup group) {
  std::vector<Field> fields;
  for (const FieldDescriptor& d : kFields) {
    if (d.group == group) fields.push_back(d.id);
  }
  return fields;
}

std::string FieldCaption(const ProjectModel& m, Field field) {
  const FieldDescriptor& d = DescriptorOf(field);
  const std::string unit = UnitLabel(m, field);
  return unit.empty() ? std::string(d.caption) : d.caption + (", " + unit);
}

std::string ToolTip(const ProjectModel& m, Field field) {
  const FieldDescriptor& d = DescriptorOf(field);
  std::string text = d.name + (": " + std::string(d.tip));
  if (d.unit != UnitKind::None) text += std::string(" (") + UnitLabel(m, field) + ")";
  return text;
}

std::string UnitLabel(const ProjectModel& m, Field field) {
  return m.unitSystem().Label(DescriptorOf(field).unit);
}

}  // namespace tarnix
