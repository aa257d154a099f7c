// Moment-curvature analysis: strain steps, the neutral-axis sweep shared by all load conditions, and the
// acceptance of a point with its events.
#include "curvature/moment_curvature.h"

#include <cmath>

#include "curvature/section_evaluation.h"
#include "model/project_model.h"
#include "section/geometry.h"

namespace tarnix {
namespace {

// Work of the analysis counted in fibre evaluations (depths tried times slices, bars and steel fibres):
// a real analysis needs a few million, a hundred times less than this bound of some seconds.
constexpr long long kMaxFibreEvaluations = 200000000;
constexpr const char* kTooManyEvaluations =
    "*** The moment-curvature analysis needs too many neutral-axis depths: increase cinc or einc";

// Last strain of the analysis: crushing of the confined core (Mander), spalling or crushing of the
// concrete, or the end of the structural steel curve for a section without concrete.
float MaximumStrain(const ProjectModel& m) {
  if (m.nr >= 1 || m.nc >= 1) return m.concreteModel == ConcreteModel::Mander ? m.ecu : m.esp;
  if (m.steelModel == SteelModel::Bilinear) return m.spBL[4].strain;
  if (m.steelModel == SteelModel::Park) return m.spPA[6].strain;
  return 0;
}

// A point whose moment or axial force falls below 90 % of the previous point's is the collapse itself, not
// a point of the curve. A previous value of zero gives no ratio: the point is kept.
bool FallsOff(const McPoint& point, const McPoint& previous) {
  if (previous.moment == 0 || previous.axial == 0) return false;
  return static_cast<float>(point.moment / previous.moment) < 0.9f ||
         static_cast<float>(point.axial / previous.axial) < 0.9f;
}

// Drops the last point when it falls off and records it as the failure point.
void DropFallingPoint(McCurve& curve) {
  const size_t n = curve.points.size();
  if (n > 1 && FallsOff(curve.points[n - 1], curve.points[n - 2])) {
    curve.failPoint = curve.points[n - 1];
    curve.failRecorded = true;
    curve.points.pop_back();
  }
}

}  // namespace

void MomentCurvatureAnalysis(ProjectModel& m, const McProgress& progress) {
  McResult result;
  const auto finish = [&](std::string problem) {
    result.problem = std::move(problem);
    m.momentCurvature = std::move(result);
  };
  if (std::string problem = MaterialModelProblem(m); !problem.empty()) return finish(problem);
  if (!(m.einc > 0)) return finish("*** The strain increment einc must be greater than 0");
  if (!(m.cinc > 0)) return finish("*** The neutral axis increment cinc must be greater than 0");
  const int loads = ListSize(m.ns);
  if (loads < 1) return finish("*** No load conditions for the moment-curvature analysis");

  if (m.ebeg < m.einc) m.ebeg = m.einc;
  const float concreteDepth = ConcreteDepth(m);
  m.cend = concreteDepth > 0 ? concreteDepth : 100 * m.cinc;

  const SectionProperties& props = m.sectionProperties;
  const double pMax = static_cast<double>(props.transArea) * m.fpc;
  const double pMin = -(static_cast<double>(props.reinfArea) * m.fy + static_cast<double>(props.steelArea) * m.fs);
  for (int i = 1; i <= loads; ++i) {
    const float P = m.loads[static_cast<size_t>(i)].P;
    if (P >= pMax || P <= pMin) {
      result.rejection = "Load condition " + std::to_string(i) + (P >= pMax ? " is too high" : " is too low") +
                         " for MC analysis";
      m.momentCurvature = std::move(result);
      return;
    }
  }

  const double steps = std::nearbyint((MaximumStrain(m) - m.ebeg) / m.einc + 1);
  if (!(steps >= 1 && steps <= 1e6)) {
    return finish("*** No strain steps: the last strain of the curves must exceed emin (" +
                  std::string(steps >= 1 ? "too many steps" : "check ecu, esp or the steel curve") + ")");
  }
  result.stepCount = static_cast<int>(steps);
  result.curves.assign(static_cast<size_t>(loads) + 1, McCurve{});
  for (McCurve& curve : result.curves) curve.points.reserve(static_cast<size_t>(result.stepCount));

  const SectionSlices slices = SliceSection(m);
  const MaterialModels models = MaterialModelsOf(m);
  EvaluationScratch scratch;
  if (progress.status) progress.status("Moment-curvature", "");

  std::vector<bool> notConverged(static_cast<size_t>(loads) + 1);
  long long work = 0;
  const long long fibres =
      static_cast<long long>(slices.concrete.size() + slices.bars.size() + slices.steel.size()) + 1;
  int finishedCount = 0;
  float e = m.ebeg - m.einc;
  for (int step = 1; step <= result.stepCount; ++step) {
    if (progress.cancelled && progress.cancelled()) return finish("*** The moment-curvature analysis was cancelled");
    e += m.einc;
    std::fill(notConverged.begin(), notConverged.end(), true);
    int converged = 0;
    // The step is over once every load condition still running has its point: a finished one never
    // converges again, and sweeping on for it would store nothing.
    const int running = loads - finishedCount;
    bool firstNonPositive = true;

    // Restart the sweep two increments above the depth that gives the smallest curvature reached so far;
    // load conditions without a point yet take no part.
    if (!result.curves[1].points.empty()) {
      double smallest = 0;
      bool any = false;
      for (int k = 1; k <= loads; ++k) {
        const std::vector<McPoint>& points = result.curves[static_cast<size_t>(k)].points;
        if (points.empty()) continue;
        const double curvature = static_cast<double>(points.back().strain) / points.back().depth;
        if (!any || curvature < smallest) smallest = curvature;
        any = true;
      }
      m.cend = static_cast<float>(m.cinc * std::nearbyint(e / smallest / m.cinc + 2));
    }

    bool stepDone = false;
    for (float c = m.cend + m.cinc; !stepDone && c >= m.cbeg;) {
      // A depth that the increment no longer changes (cinc below the float spacing of a huge depth) would
      // sweep for ever, and so would an absurd number of depths: both end the analysis with a message.
      const float next = c - m.cinc;
      work += fibres;
      if (next == c || work > kMaxFibreEvaluations) return finish(kTooManyEvaluations);
      c = next;
      if (!(c > 0)) break;  // the sweep stops at the smallest positive depth
      const SectionForces f = EvaluateSection(slices, models, e, c, firstNonPositive, scratch);
      for (int k = 1; k <= loads; ++k) {
        McCurve& curve = result.curves[static_cast<size_t>(k)];
        if (curve.finished || !notConverged[static_cast<size_t>(k)] || !(f.P <= m.loads[static_cast<size_t>(k)].P)) {
          continue;
        }
        notConverged[static_cast<size_t>(k)] = false;
        ++converged;
        if (f.T < curve.maxTension) {
          curve.maxTension = static_cast<float>(f.T);
          curve.maxTensionMoment = static_cast<float>(f.M);
        }
        curve.points.push_back({e, c, static_cast<float>(f.P), static_cast<float>(f.M), McEvents{}});
        if (progress.status) {
          progress.status("Moment-curvature", "Step " + std::to_string(curve.points.size()) + " of " +
                                                  std::to_string(result.stepCount) + " converged");
        }
        // Failures end the load condition (and a run of one load condition); steel fracture drops a
        // point that has already fallen off the curve.
        const auto fail = [&](McEvent event, bool dropFalling) {
          if (dropFalling) DropFallingPoint(curve);
          curve.points.back().events.Raise(event);
          if (!curve.finished) ++finishedCount;
          curve.finished = true;
          return loads == 1;
        };
        if (f.events.Has(McEvent::LongReinfFail) && fail(McEvent::LongReinfFail, true)) stepDone = true;
        if (!stepDone && f.events.Has(McEvent::ConcCompFail) && fail(McEvent::ConcCompFail, false)) stepDone = true;
        if (!stepDone && f.events.Has(McEvent::ConfReinfFail) && fail(McEvent::ConfReinfFail, false)) stepDone = true;
        if (!stepDone && f.events.Has(McEvent::StrSteelFail) && fail(McEvent::StrSteelFail, true)) stepDone = true;
        if (stepDone) {  // the single load condition has failed: the run ends
          m.momentCurvature = std::move(result);
          return;
        }
        for (McEvent event : {McEvent::ReinfTensYield, McEvent::ReinfCompYield, McEvent::ConcSpalling,
                              McEvent::StrSteelTensYield, McEvent::StrSteelCompYield}) {
          if (f.events.Has(event)) curve.points.back().events.Raise(event);
        }
      }
      if (finishedCount == loads) {
        m.momentCurvature = std::move(result);
        return;
      }
      if (converged == running) stepDone = true;
    }
  }
  m.momentCurvature = std::move(result);
}

}  // namespace tarnix
