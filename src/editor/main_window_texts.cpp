// Unit-dependent texts of the main window.
#include "editor/main_window_texts.h"

namespace tarnix {
namespace {

enum class Unit { None, Length, Area, Stress, Force, Moment, Degrees };

struct Tip {
  const char* text;
  Unit unit;
};

// The stress-strain fields carry no unit in their tips: strains have none, and the stresses are read
// with the strengths of the design criteria tab, which do.
Tip TipOf(Field field) {
  switch (field) {
    case Field::fpc: return {"Concrete compressive strength", Unit::Stress};
    case Field::fy: return {"Reinforcing yield strength", Unit::Stress};
    case Field::fs: return {"Structural steel yield strength", Unit::Stress};
    case Field::Ec: return {"Concrete modulus", Unit::Stress};
    case Field::Er: return {"Reinforcing modulus", Unit::Stress};
    case Field::Es: return {"Structural steel modulus", Unit::Stress};
    case Field::phiT: return {"Strength reduction factor for tension and flexure", Unit::None};
    case Field::phiC: return {"Strength reduction factor for compression and flexure", Unit::None};
    case Field::phiS: return {"Strength reduction factor for shear and torsion", Unit::None};
    case Field::phiConc: return {"Resistance factor for concrete strength", Unit::None};
    case Field::phiReinf: return {"Resistance factor for reinforcing strength", Unit::None};
    case Field::phiStl: return {"Resistance factor for structural steel strength", Unit::None};
    case Field::a1: return {"Ratio of average stress in rectangular compression block to f'c", Unit::None};
    case Field::b1: return {"Ratio of depth of rectangular compression block to neutral axis depth", Unit::None};
    case Field::em: return {"Maximum (ultimate) concrete strain", Unit::None};
    case Field::nr: return {"Number of rectangular concrete sections", Unit::None};
    case Field::nc: return {"Number of circular concrete sections", Unit::None};
    case Field::nl: return {"Number of reinforcing lines", Unit::None};
    case Field::na: return {"Number of reinforcing arcs", Unit::None};
    case Field::nb: return {"Number of rectangular steel shapes", Unit::None};
    case Field::np: return {"Number of steel pipe shapes", Unit::None};
    case Field::ns: return {"Number of loads to review", Unit::None};
    case Field::Yt: return {"Distance to top of section", Unit::Length};
    case Field::D: return {"Depth of section", Unit::Length};
    case Field::W: return {"Width of section", Unit::Length};
    case Field::Yc: return {"Distance to center of section", Unit::Length};
    case Field::Rc: return {"Radius of section", Unit::Length};
    case Field::Yb: return {"Distance to center of first bar", Unit::Length};
    case Field::Ab: return {"Angle of inclination of reinforcing line", Unit::Degrees};
    case Field::Lb: return {"Length of reinforcing line", Unit::Length};
    case Field::Nbl: return {"Number of bars in line", Unit::None};
    case Field::Abl: return {"Area of each bar in line", Unit::Area};
    case Field::Y0: return {"Distance to center of arc", Unit::Length};
    case Field::R0: return {"Radius of arc", Unit::Length};
    case Field::Abeg: return {"Angle to center of first bar", Unit::Degrees};
    case Field::Atot: return {"Total angle of reinforcing arc", Unit::Degrees};
    case Field::Nba: return {"Number of bars in arc", Unit::None};
    case Field::Aba: return {"Area of each bar in arc", Unit::Area};
    case Field::Ycp: return {"Distance to center of pipe", Unit::Length};
    case Field::Rcp: return {"Radius of pipe to mid-thickness", Unit::Length};
    case Field::tp: return {"Thickness of pipe", Unit::Length};
    case Field::Ytb: return {"Distance to top of shape", Unit::Length};
    case Field::Db: return {"Depth of shape", Unit::Length};
    case Field::Wb: return {"Width of shape", Unit::Length};
    case Field::P: return {"Axial load", Unit::Force};
    case Field::M: return {"Initial moment", Unit::Moment};
    case Field::V: return {"Shear", Unit::Force};
    case Field::T: return {"Torsion", Unit::Moment};
    case Field::fc0: return {"Unconfined compressive stress", Unit::None};
    case Field::ec0: return {"Unconfined compressive strain", Unit::None};
    case Field::Eci: return {"Unconfined compressive modulus", Unit::None};
    case Field::esp: return {"Spalling compressive strain", Unit::None};
    case Field::ecu: return {"Ultimate compressive strain", Unit::None};
    case Field::fcu: return {"Ultimate compressive stress", Unit::None};
    case Field::fcc: return {"Confined compressive stress", Unit::None};
    case Field::strainr: return {"Strain of reinforcing point", Unit::None};
    case Field::stressr: return {"Stress of reinforcing point", Unit::None};
    case Field::strains: return {"Strain of structural steel point", Unit::None};
    case Field::stresss: return {"Stress of structural steel point", Unit::None};
    case Field::ds: return {"Confinement bar diameter or casing thickness", Unit::Length};
    case Field::st: return {"Spacing of confinement reinforcing", Unit::Length};
    case Field::cover: return {"Concrete cover to centerline of confinement reinforcing", Unit::Length};
    case Field::fyh: return {"Yield strength of confinement steel", Unit::Stress};
    case Field::esf: return {"Ultimate strain of confinement steel", Unit::None};
    case Field::Dc: return {"Diameter of circular hoop or spiral to centerline", Unit::Length};
    case Field::sl: return {"Maximum spacing between cross-tied longitudinal bars", Unit::Length};
    case Field::xcl: return {"Width of core to centerline of confinement reinforcing", Unit::Length};
    case Field::ycl: return {"Height of core to centerline of confinement reinforcing", Unit::Length};
    case Field::nx: return {"Number of confinement bars in x direction", Unit::None};
    case Field::ny: return {"Number of confinement bars in y direction", Unit::None};
    case Field::inc: return {"Neutral axis increment to iterate", Unit::None};
    case Field::binc: return {"Number of divisions in long direction of steel bar section to integrate", Unit::None};
    case Field::pinc: return {"Number of divisions around circumference of steel pipe section to integrate", Unit::None};
    case Field::cbeg: return {"Minimum neutral axis value", Unit::None};
    case Field::cinc: return {"Neutral axis increment to iterate", Unit::None};
    case Field::ebeg: return {"Minimum strain value", Unit::None};
    case Field::eend: return {"Maximum strain value", Unit::None};
    case Field::einc: return {"Strain increment to iterate", Unit::None};
    case Field::rcinc:
      return {"Number of horizontal slices in rectangular concrete section to integrate", Unit::None};
    case Field::ccinc: return {"Number of horizontal slices in circular concrete section to integrate", Unit::None};
    case Field::bsinc: return {"Number of divisions in long direction of steel bar section to integrate", Unit::None};
    case Field::psinc:
      return {"Number of divisions around circumference of steel pipe section to integrate", Unit::None};
    case Field::title: return {"Output title", Unit::None};
  }
  return {"", Unit::None};
}

const char* UnitText(const ProjectModel& m, Unit unit) {
  const bool english = m.unitSystem().IsEnglish();
  switch (unit) {
    case Unit::None: return "";
    case Unit::Length: return english ? "in" : "mm";
    case Unit::Area: return english ? "in^2" : "mm^2";
    case Unit::Stress: return english ? "psi" : "MPa";
    case Unit::Force: return english ? "kip" : "kN";
    case Unit::Moment: return english ? "k-ft" : "kN-m";
    case Unit::Degrees: return "degrees";
  }
  return "";
}

}  // namespace

std::string ToolTip(const ProjectModel& m, Field field) {
  const Tip tip = TipOf(field);
  std::string text = tip.text;
  if (tip.unit != Unit::None) text += std::string(" (") + UnitText(m, tip.unit) + ")";
  return text;
}

std::string ParkModelTip(const ProjectModel& m) {
  return m.ParkModel == StrainHardening::Parabolic ? "Park model with parabolic strain hardening" : "Park model with complex strain hardening";
}

}  // namespace tarnix
