// Unit conversion of a whole project.
#include "model/unit_conversion.h"

#include "model/defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

// Exact by definition of the inch (25.4 mm) and of the pound-force (4.4482216152605 N).
constexpr double kMillimetresPerInch = 25.4;
constexpr double kNewtonsPerPound = 4.4482216152605;
constexpr double kMegapascalsPerPsi = kNewtonsPerPound / (kMillimetresPerInch * kMillimetresPerInch);

struct Factors {
  double length, area, stress, force, moment;
};

void Scale(float& value, double factor) { value = static_cast<float>(value * factor); }

}  // namespace

void ConvertUnits(ProjectModel& m, bool english) {
  if (m.unitSystem().IsEnglish() == english) return;
  const double k = english ? -1 : 1;  // metric to English divides
  const auto f = [k](double toMetric) { return k > 0 ? toMetric : 1 / toMetric; };
  const Factors c{f(kMillimetresPerInch), f(kMillimetresPerInch * kMillimetresPerInch), f(kMegapascalsPerPsi),
                  f(kNewtonsPerPound), f(kNewtonsPerPound * kMillimetresPerInch)};

  for (float* stress : {&m.fpc, &m.fy, &m.fs, &m.Ec, &m.Er, &m.Es, &m.fc0, &m.Eci, &m.fcu, &m.fcc, &m.fyh})
    Scale(*stress, c.stress);
  for (auto* table : {&m.rpBL, &m.spBL})
    for (StressStrainPoint& p : *table) Scale(p.stress, c.stress);
  for (auto* table : {&m.rpPA, &m.spPA})
    for (StressStrainPoint& p : *table) Scale(p.stress, c.stress);
  // Every record in storage, so that records hidden by a lowered count come back converted too.
  for (ConcreteRect& r : m.rects)
    Scale(r.X, c.length), Scale(r.Yt, c.length), Scale(r.D, c.length), Scale(r.W, c.length);
  for (ConcreteCircle& r : m.circles) Scale(r.Xc, c.length), Scale(r.Yc, c.length), Scale(r.Rc, c.length);
  for (ReinforcingLine& r : m.lines)
    Scale(r.Xb, c.length), Scale(r.Yb, c.length), Scale(r.Lb, c.length), Scale(r.Abl, c.area);
  for (ReinforcingArc& r : m.arcs)
    Scale(r.X0, c.length), Scale(r.Y0, c.length), Scale(r.R0, c.length), Scale(r.Aba, c.area);
  for (SteelRect& r : m.steelRects)
    Scale(r.Xcb, c.length), Scale(r.Ytb, c.length), Scale(r.Db, c.length), Scale(r.Wb, c.length);
  for (SteelPipe& r : m.pipes)
    Scale(r.Xcp, c.length), Scale(r.Ycp, c.length), Scale(r.Rcp, c.length), Scale(r.tp, c.length);
  for (ConcretePolygon& r : m.polygons)
    for (Vertex& v : r.vertices) Scale(v.x, c.length), Scale(v.y, c.length);
  for (SingleBar& r : m.singleBars) Scale(r.x, c.length), Scale(r.y, c.length), Scale(r.area, c.area);
  // Loads are stored in lb / N and lb-in / N-mm, so the stored values convert by the same factors.
  for (LoadCondition& load : m.loads) {
    for (float* force : {&load.P, &load.V}) Scale(*force, c.force);
    for (float* moment : {&load.M, &load.T, &load.M1ns, &load.M2ns, &load.M1s, &load.M2s, &load.My,
                          &load.endY.M1ns, &load.endY.M2ns, &load.endY.M1s, &load.endY.M2s})
      Scale(*moment, c.moment);
    Scale(load.di, c.length), Scale(load.dj, c.length);
  }
  for (float* length : {&m.L, &m.memberY.L, &m.cover, &m.ds, &m.Dc, &m.st, &m.sl, &m.xcl, &m.ycl}) Scale(*length, c.length);
  Scale(m.maxBarArea, c.area);

  m.units = UnitSystem(english ? UnitSystem::English : UnitSystem::Metric).Key();
  SetUnitFactors(m);
  ApplyControlDefaults(m);
}

}  // namespace tarnix
