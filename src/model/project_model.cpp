// Whether a project needs the horizontal coordinate, and clearing what only such a project has.
#include "model/project_model.h"

#include "model/defaults.h"

namespace tarnix {

bool IsTwoDimensional(const ProjectModel& m) {
  const auto any = [](const auto& records, int count, auto offAxis) {
    for (int i = 1; i <= ListSize(count); ++i) {
      if (offAxis(records[static_cast<size_t>(i)])) return true;
    }
    return false;
  };
  const AxisEndMoments none;
  return any(m.rects, m.nr, [](const ConcreteRect& r) { return r.X != 0; }) ||
         any(m.circles, m.nc, [](const ConcreteCircle& r) { return r.Xc != 0; }) ||
         any(m.lines, m.nl, [](const ReinforcingLine& r) { return r.Xb != 0; }) ||
         any(m.arcs, m.na, [](const ReinforcingArc& r) { return r.X0 != 0; }) ||
         any(m.steelRects, m.nb, [](const SteelRect& r) { return r.Xcb != 0; }) ||
         any(m.pipes, m.np, [](const SteelPipe& r) { return r.Xcp != 0; }) ||
         any(m.loads, m.ns, [&none](const LoadCondition& l) {
           const AxisEndMoments& e = l.endY;
           return l.My != 0 || e.M1ns != none.M1ns || e.M2ns != none.M2ns || e.M1s != none.M1s ||
                  e.M2s != none.M2s || e.BetaD != none.BetaD || e.BetaDs != none.BetaDs;
         }) ||
         ListSize(m.npg) > 0 || ListSize(m.nsb) > 0 || m.memberY.L != 0 || m.mcAngle != 0 ||
         m.surfaceAngles != kDefaultSurfaceAngles;
}

bool NeedsProjectFile(const ProjectModel& m) {
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < m.loads.size(); ++i) {
    if (HasServiceLoad(m.loads[static_cast<size_t>(i)])) return true;
  }
  return IsTwoDimensional(m) || m.columnStiffness != ColumnStiffnessChoice::Criteria;
}

void ClearTwoDimensionalData(ProjectModel& m) {
  for (ConcreteRect& r : m.rects) r.X = 0;
  for (ConcreteCircle& r : m.circles) r.Xc = 0;
  for (ReinforcingLine& r : m.lines) r.Xb = 0;
  for (ReinforcingArc& r : m.arcs) r.X0 = 0;
  for (SteelRect& r : m.steelRects) r.Xcb = 0;
  for (SteelPipe& r : m.pipes) r.Xcp = 0;
  for (LoadCondition& l : m.loads) l.My = 0, l.endY = AxisEndMoments{};
  m.npg = m.nsb = 0;
  m.polygons.assign(1, ConcretePolygon{});
  m.singleBars.assign(1, SingleBar{});
  m.memberY = MemberAxis{};
  m.memberY.Keff = 1;
  m.memberY.Ieff = 1;
  m.mcAngle = 0;
  m.surfaceAngles = kDefaultSurfaceAngles;
}

}  // namespace tarnix
