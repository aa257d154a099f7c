// Inversion of the section.
#include "editor/invert_section.h"

#include <algorithm>
#include <cmath>

#include "section/geometry.h"

namespace tarnix {
namespace {

// An angle measured the other way round (counter-clockwise becomes clockwise), within 0 to 360 degrees.
float Mirrored(float angle) {
  const float turned = std::fmod(-angle, 360.0f);
  return turned < 0 ? turned + 360 : turned + 0.0f;  // + 0 makes -0 zero
}

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
    l.Ab = Mirrored(l.Ab);
  }
  for (int i = 1; i <= ListSize(m.na); ++i) {
    ReinforcingArc& a = m.arcs[static_cast<size_t>(i)];
    a.Y0 = h - a.Y0;
    // The arc runs from its old last bar back to its old first one.
    a.Abeg = Mirrored(a.Abeg + a.Atot);
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    for (Vertex& v : m.polygons[static_cast<size_t>(i)].vertices) v.y = h - v.y;
  }
  for (int i = 1; i <= ListSize(m.nsb); ++i) {
    SingleBar& b = m.singleBars[static_cast<size_t>(i)];
    b.y = h - b.y;
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
