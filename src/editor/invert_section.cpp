// Inversion of the section.
#include "editor/invert_section.h"

#include <algorithm>

#include "section/geometry.h"

namespace tarnix {
namespace {

float TurnedHalfCircle(float angle) { return angle < 180 ? angle + 180 : angle - 180; }

}  // namespace

float SectionBottom(const ProjectModel& m) { return std::max(ConcreteDepth(m), SteelShapesDepth(m)); }

void InvertSection(ProjectModel& m) {
  const float h = SectionBottom(m);
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    r.Yt = h - r.Yt - r.D;
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    ConcreteCircle& c = m.circles[static_cast<size_t>(i)];
    c.Yc = h - c.Yc;
  }
  for (int i = 1; i <= ListSize(m.nl); ++i) {
    ReinforcingLine& l = m.lines[static_cast<size_t>(i)];
    l.Yb = h - l.Yb;
    l.Ab = TurnedHalfCircle(l.Ab);
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    ReinforcingArc& a = m.arcs[static_cast<size_t>(i)];
    a.Y0 = h - a.Y0;
    a.Abeg = TurnedHalfCircle(a.Abeg);
  }
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    SteelRect& b = m.steelRects[static_cast<size_t>(i)];
    b.Ytb = h - b.Ytb - b.Db;
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    SteelPipe& p = m.pipes[static_cast<size_t>(i)];
    p.Ycp = h - p.Ycp;
  }
  m.modified = 1;
}

}  // namespace tarnix
