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
    {G::ReinforcingLines, FieldForm::Main, MainTab::Reinforcing, "REINFORCING LINES"},
    {G::ReinforcingArcs, FieldForm::Main, MainTab::Reinforcing, "REINFORCING ARCS"},
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

// The stress-strain fields carry no unit in their tips: strains have none, and the stresses are read
// with the strengths of the design criteria tab, which do.
const std::vector<FieldDescriptor> kFields = {
    // Design criteria tab.
    {Field::fpc, "f'c =", "Concrete compressive strength", U::Stress, G::MaterialStrength, &PM::fpc},
    {Field::fy, "fy =", "Reinforcing yield strength", U::Stress, G::MaterialStrength, &PM::fy},
    {Field::fs, "fs =", "Structural steel yield strength", U::Stress, G::MaterialStrength, &PM::fs},
    {Field::Ec, "Ec =", "Concrete modulus", U::Stress, G::MaterialStrength, &PM::Ec},
    {Field::Er, "Er =", "Reinforcing modulus", U::Stress, G::MaterialStrength, &PM::Er},
    {Field::Es, "Es =", "Structural steel modulus", U::Stress, G::MaterialStrength, &PM::Es},
    {Field::phiT, "Tension and flexure:", "Strength reduction factor for tension and flexure", U::None,
     G::ReductionFactors, &PM::phiT},
    {Field::phiC, "Compression:", "Strength reduction factor for compression and flexure", U::None,
     G::ReductionFactors, &PM::phiC},
    {Field::phiS, "Shear and torsion:", "Strength reduction factor for shear and torsion", U::None,
     G::ReductionFactors, &PM::phiS},
    {Field::phiConc, "Concrete:", "Resistance factor for concrete strength", U::None, G::ResistanceFactors,
     &PM::phiConc},
    {Field::phiReinf, "Reinforcing:", "Resistance factor for reinforcing strength", U::None,
     G::ResistanceFactors, &PM::phiReinf},
    {Field::phiStl, "Structural steel:", "Resistance factor for structural steel strength", U::None,
     G::ResistanceFactors, &PM::phiStl},
    {Field::a1, "a1 =", "Ratio of average stress in rectangular compression block to f'c", U::None,
     G::StressBlock, &PM::a1},
    {Field::b1, "b1 =", "Ratio of depth of rectangular compression block to neutral axis depth", U::None,
     G::StressBlock, &PM::b1},
    {Field::em, "em =", "Maximum (ultimate) concrete strain", U::None, G::StressBlock, &PM::em},
    // Concrete tab.
    {Field::nr, "No of sections:", "Number of rectangular concrete sections", U::None, G::ConcreteRects,
     RecordKind::ConcreteRect},
    {Field::Yt, "Ytop:", "Distance to top of section", U::Length, G::ConcreteRects, &ConcreteRect::Yt},
    {Field::D, "Depth:", "Depth of section", U::Length, G::ConcreteRects, &ConcreteRect::D},
    {Field::W, "Width:", "Width of section", U::Length, G::ConcreteRects, &ConcreteRect::W},
    {Field::nc, "No of sections:", "Number of circular concrete sections", U::None, G::ConcreteCircles,
     RecordKind::ConcreteCircle},
    {Field::Yc, "Ycenter:", "Distance to center of section", U::Length, G::ConcreteCircles,
     &ConcreteCircle::Yc},
    {Field::Rc, "Radius:", "Radius of section", U::Length, G::ConcreteCircles, &ConcreteCircle::Rc},
    // Reinforcing tab.
    {Field::nl, "No of lines:", "Number of reinforcing lines", U::None, G::ReinforcingLines,
     RecordKind::ReinforcingLine},
    {Field::Yb, "Ybeg:", "Distance to center of first bar", U::Length, G::ReinforcingLines,
     &ReinforcingLine::Yb},
    {Field::Ab, "Angle:", "Angle of inclination of reinforcing line", U::Degrees, G::ReinforcingLines,
     &ReinforcingLine::Ab},
    {Field::Lb, "Length:", "Length of reinforcing line", U::Length, G::ReinforcingLines,
     &ReinforcingLine::Lb},
    {Field::Nbl, "Nbar:", "Number of bars in line", U::None, G::ReinforcingLines, &ReinforcingLine::Nbl},
    {Field::Abl, "Abar:", "Area of each bar in line", U::Area, G::ReinforcingLines, &ReinforcingLine::Abl},
    {Field::na, "No of arcs:", "Number of reinforcing arcs", U::None, G::ReinforcingArcs,
     RecordKind::ReinforcingArc},
    {Field::Y0, "Ycenter:", "Distance to center of arc", U::Length, G::ReinforcingArcs, &ReinforcingArc::Y0},
    {Field::R0, "Radius:", "Radius of arc", U::Length, G::ReinforcingArcs, &ReinforcingArc::R0},
    {Field::Abeg, "Abeg:", "Angle to center of first bar", U::Degrees, G::ReinforcingArcs,
     &ReinforcingArc::Abeg},
    {Field::Atot, "Atot:", "Total angle of reinforcing arc", U::Degrees, G::ReinforcingArcs,
     &ReinforcingArc::Atot},
    {Field::Nba, "Nbar:", "Number of bars in arc", U::None, G::ReinforcingArcs, &ReinforcingArc::Nba},
    {Field::Aba, "Abar:", "Area of each bar in arc", U::Area, G::ReinforcingArcs, &ReinforcingArc::Aba},
    // Steel shape tab.
    {Field::np, "No of pipes:", "Number of steel pipe shapes", U::None, G::PipeShapes, RecordKind::SteelPipe},
    {Field::Ycp, "Ycen:", "Distance to center of pipe", U::Length, G::PipeShapes, &SteelPipe::Ycp},
    {Field::Rcp, "Radius:", "Radius of pipe to mid-thickness", U::Length, G::PipeShapes, &SteelPipe::Rcp},
    {Field::tp, "Thick:", "Thickness of pipe", U::Length, G::PipeShapes, &SteelPipe::tp},
    {Field::nb, "No of shapes:", "Number of rectangular steel shapes", U::None, G::SteelRects,
     RecordKind::SteelRect},
    {Field::Ytb, "Ytop:", "Distance to top of shape", U::Length, G::SteelRects, &SteelRect::Ytb},
    {Field::Db, "Depth:", "Depth of shape", U::Length, G::SteelRects, &SteelRect::Db},
    {Field::Wb, "Width:", "Width of shape", U::Length, G::SteelRects, &SteelRect::Wb},
    // Loads tab.
    {Field::ns, "No of loads:", "Number of loads to review", U::None, G::Loads, LoadCount{}},
    {Field::P, "Axial load:", "Axial load", U::Force, G::Loads, LoadValue::P},
    {Field::M, "Moment:", "Initial moment", U::Moment, G::Loads, LoadValue::M},
    {Field::V, "Shear:", "Shear", U::Force, G::Loads, LoadValue::V},
    {Field::T, "Torsion:", "Torsion", U::Moment, G::Loads, LoadValue::T},
    // Stress-strain tab.
    {Field::fc0, "fc0:", "Unconfined compressive stress", U::None, G::ConcreteModel, &PM::fc0},
    {Field::ec0, "ec0:", "Unconfined compressive strain", U::None, G::ConcreteModel, &PM::ec0},
    {Field::Eci, "Eci:", "Unconfined compressive modulus", U::None, G::ConcreteModel, &PM::Eci},
    {Field::esp, "esp:", "Spalling compressive strain", U::None, G::ConcreteModel, &PM::esp},
    {Field::ecu, "ecu:", "Ultimate compressive strain", U::None, G::ConcreteModel, &PM::ecu},
    {Field::fcu, "fcu:", "Ultimate compressive stress", U::None, G::ConcreteModel, &PM::fcu},
    {Field::fcc, "fcc:", "Confined compressive stress", U::None, G::ConcreteModel, &PM::fcc},
    {Field::strainr, "Strain:", "Strain of reinforcing point", U::None, G::SteelModel,
     PointValue{SteelCurve::Reinforcing, PointPart::Strain}},
    {Field::stressr, "Stress:", "Stress of reinforcing point", U::None, G::SteelModel,
     PointValue{SteelCurve::Reinforcing, PointPart::Stress}},
    {Field::strains, "Strain:", "Strain of structural steel point", U::None, G::SteelModel,
     PointValue{SteelCurve::Structural, PointPart::Strain}},
    {Field::stresss, "Stress:", "Stress of structural steel point", U::None, G::SteelModel,
     PointValue{SteelCurve::Structural, PointPart::Stress}},
    // Confinement window.
    {Field::ds, "Bar diameter:", "Confinement bar diameter or casing thickness", U::Length, G::Configuration,
     &PM::ds},
    {Field::st, "Long spacing:", "Spacing of confinement reinforcing", U::Length, G::Configuration, &PM::st},
    {Field::cover, "Concrete cover:", "Concrete cover to centerline of confinement reinforcing", U::Length,
     G::Configuration, &PM::cover},
    {Field::fyh, "Yield strength:", "Yield strength of confinement steel", U::Stress, G::Configuration,
     &PM::fyh},
    {Field::esf, "Ultimate strain:", "Ultimate strain of confinement steel", U::None, G::Configuration,
     &PM::esf},
    {Field::Dc, "Diameter:", "Diameter of circular hoop or spiral to centerline", U::Length,
     G::HoopsOrSpirals, &PM::Dc},
    {Field::sl, "Tie spacing:", "Maximum spacing between cross-tied longitudinal bars", U::Length,
     G::CrossTies, &PM::sl},
    {Field::xcl, "Core width:", "Width of core to centerline of confinement reinforcing", U::Length,
     G::CrossTies, &PM::xcl},
    {Field::ycl, "Core height:", "Height of core to centerline of confinement reinforcing", U::Length,
     G::CrossTies, &PM::ycl},
    {Field::nx, "No of x-dir bars:", "Number of confinement bars in x direction", U::None, G::CrossTies,
     &PM::nx},
    {Field::ny, "No of y-dir bars:", "Number of confinement bars in y direction", U::None, G::CrossTies,
     &PM::ny},
    // Control-parameter window.
    {Field::inc, "inc:", "Neutral axis increment to iterate", U::None, G::InteractionDiagram, &PM::inc},
    {Field::binc, "binc:", "Number of divisions in long direction of steel bar section to integrate", U::None,
     G::InteractionDiagram, &PM::binc},
    {Field::pinc, "pinc:", "Number of divisions around circumference of steel pipe section to integrate",
     U::None, G::InteractionDiagram, &PM::pinc},
    {Field::cbeg, "cmin:", "Minimum neutral axis value", U::None, G::MomentCurvature, &PM::cbeg},
    {Field::cinc, "cinc:", "Neutral axis increment to iterate", U::None, G::MomentCurvature, &PM::cinc},
    {Field::ebeg, "emin:", "Minimum strain value", U::None, G::MomentCurvature, &PM::ebeg},
    {Field::eend, "emax:", "Maximum strain value", U::None, G::MomentCurvature, &PM::eend},
    {Field::einc, "einc:", "Strain increment to iterate", U::None, G::MomentCurvature, &PM::einc},
    {Field::rcinc, "rcinc:", "Number of horizontal slices in rectangular concrete section to integrate",
     U::None, G::MomentCurvature, &PM::rcinc},
    {Field::ccinc, "ccinc:", "Number of horizontal slices in circular concrete section to integrate", U::None,
     G::MomentCurvature, &PM::ccinc},
    {Field::bsinc, "bsinc:", "Number of divisions in long direction of steel bar section to integrate",
     U::None, G::MomentCurvature, &PM::bsinc},
    {Field::psinc, "psinc:", "Number of divisions around circumference of steel pipe section to integrate",
     U::None, G::MomentCurvature, &PM::psinc},
    // Output title window.
    {Field::title, "Title:", "Output title", U::None, G::Title, TitleText{}},
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

FieldDescriptor::FieldDescriptor(Field id, const char* caption, const char* tip, UnitKind unit,
                                 FieldGroup group, FieldSlot slot)
    : id(id), caption(caption), tip(tip), unit(unit), group(group), slot(slot),
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

std::string ToolTip(const ProjectModel& m, Field field) {
  const FieldDescriptor& d = DescriptorOf(field);
  std::string text = d.tip;
  if (d.unit != UnitKind::None) text += std::string(" (") + UnitLabel(m, field) + ")";
  return text;
}

std::string UnitLabel(const ProjectModel& m, Field field) {
  return m.unitSystem().Label(DescriptorOf(field).unit);
}

}  // namespace tarnix
