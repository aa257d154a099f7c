// Mander's confined concrete: effective lateral confining pressure from the arrangement, then the
// confined strength from the five-parameter failure surface and the ultimate strain from the energy
// balance of the confinement steel.
#include "section/confinement.h"

#include <algorithm>
#include <cmath>

#include "model/defaults.h"

namespace tarnix {
namespace {

double TotalBarArea(const ProjectModel& m) {
  double area = 0;
  for (int i = 1; i <= ListSize(m.nl); ++i) {
    const ReinforcingLine& line = m.lines[static_cast<size_t>(i)];
    area += line.Nbl * static_cast<double>(line.Abl);
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    const ReinforcingArc& arc = m.arcs[static_cast<size_t>(i)];
    area += arc.Nba * static_cast<double>(arc.Aba);
  }
  return area;
}

std::string MustBePositive(const char* what) {
  return std::string("Confinement: ") + what + " must be greater than 0";
}

}  // namespace

std::string ComputeConfinement(ProjectModel& m) {
  const int option = m.confinementOption;
  if (!Confinement::Confined(option)) {
    m.fcc = RoundTo(m.fc0, 1);
    m.ecu = RoundTo(m.esp, 5);
    return {};
  }
  if (!(m.fc0 > 0)) return MustBePositive("the unconfined strength fc0");
  const double clear = static_cast<double>(m.st) - m.ds;  // clear spacing between hoops or ties
  double pressure = 0, ratio = 0;
  if (option == Confinement::Spirals || option == Confinement::CircularHoops) {
    if (!(m.Dc > 0)) return MustBePositive("the diameter Dc");
    if (!(m.st > 0)) return MustBePositive("the spacing st");
    const double core = kPi * m.Dc * m.Dc / 4 - TotalBarArea(m);
    if (!(core > 0)) return MustBePositive("the confined core area");
    const double arching = m.Dc - clear / 2;
    const double effective = option == Confinement::Spirals ? kPi / 4 * m.Dc * arching : kPi / 4 * arching * arching;
    ratio = kPi * m.ds * m.ds / (static_cast<double>(m.st) * m.Dc);
    pressure = effective / core * ratio * m.fyh / 2;
  } else if (option == Confinement::SteelCasing) {
    if (!(m.Dc > 0)) return MustBePositive("the casing diameter Dc");
    ratio = 4.0 * m.ds / m.Dc;
    pressure = 2.0 * m.ds * m.fyh / m.Dc;
  } else {
    if (!(m.st > 0)) return MustBePositive("the spacing st");
    if (!(m.xcl > 0)) return MustBePositive("the core width xcl");
    if (!(m.ycl > 0)) return MustBePositive("the core height ycl");
    const double gap = static_cast<double>(m.sl) - m.ds;  // clear distance between tied bars
    const double gross = static_cast<double>(m.xcl) * m.ycl;
    const double core = gross - TotalBarArea(m);
    if (!(core > 0)) return MustBePositive("the confined core area");
    const double effective = (gross - (m.nx - 1 + m.ny - 1) * gap * gap / 6) * (1 - clear / (2.0 * m.xcl)) *
                             (1 - clear / (2.0 * m.ycl));
    const double rx = m.nx * kPi * m.ds * m.ds / (4.0 * m.st * m.ycl);
    const double ry = m.ny * kPi * m.ds * m.ds / (4.0 * m.st * m.xcl);
    pressure = effective / core * m.fyh * (rx < ry ? rx : ry);
    ratio = rx + ry;
  }
  const double fcc = m.fc0 * (2.254 * std::sqrt(1 + 7.94 * pressure / m.fc0) - 2 * pressure / m.fc0 - 1.254);
  if (!(fcc > 0)) return MustBePositive("the confined strength fcc");
  m.fcc = RoundTo(fcc, 1);
  m.ecu = RoundTo(0.004 + 1.4 * ratio * m.fyh * m.esf / fcc, 5);
  return {};
}

std::string DeriveCoreDimensions(ProjectModel& m) {
  const int option = m.confinementOption;
  if ((option == Confinement::Spirals || option == Confinement::CircularHoops) && m.nc >= 1) {
    m.Dc = RoundTo(2.0 * m.circles[1].Rc - 2.0 * m.cover, 1);
  }
  if (option == Confinement::CrossTies && m.nl >= 1) {
    if (m.nr < 1) return "No concrete rectangle to take the core dimensions from";
    m.xcl = RoundTo(m.rects[1].W - 2.0 * m.cover, 1);
    m.ycl = RoundTo(m.rects[1].D - 2.0 * m.cover, 1);
  }
  return {};
}

}  // namespace tarnix
