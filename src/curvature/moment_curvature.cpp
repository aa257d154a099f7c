// Moment-curvature analysis: strain steps, the neutral-axis depth in equilibrium with each load, and the
// points at which events first occur.
#include "curvature/moment_curvature.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "curvature/section_evaluation.h"
#include "model/project_model.h"
#include "section/geometry.h"
#include "section/projection.h"

namespace tarnix {
namespace {

constexpr const char* kTooManyEvaluations =
    "The moment-curvature analysis needs too many neutral-axis depths: increase cinc or einc";
// A point needs a few evaluations to bracket its depth and a few more to solve it; bisection alone would
// reach the single-precision limit of a depth in under a hundred. More than this is absurd input.
constexpr int kMaxEvaluationsPerSolve = 250;
// Equilibrium tolerance as a part of the squash load, and the width to which an event is located as a
// part of the strain step.
constexpr double kEquilibriumTolerance = 1e-6;
// The solver aims at half of it, so that the force stored in single precision stays within it.
constexpr double kSolverTolerance = kEquilibriumTolerance / 2;
constexpr double kEventTolerance = 1e-4;
// Deepest neutral axis searched, in section depths: there the strain varies across the section by a
// thousandth of itself, and the load that needs a deeper axis is the squash load at this strain.
constexpr float kDeepestAxis = 1000;
// Shallowest neutral axis searched, in section depths (the strain needs a positive depth). A lightly
// reinforced wall under a small load has its axis close to the top at large curvatures; there, steel a
// tenth of the depth down is strained by a thousand times the top strain, far past its fracture.
constexpr float kShallowestAxis = 1e-4f;

const McEvent kAllEvents[] = {
    McEvent::LongReinfFail,  McEvent::ConcCompFail,      McEvent::ConfReinfFail,
    McEvent::ReinfTensYield, McEvent::ReinfCompYield,    McEvent::ConcSpalling,
    McEvent::StrSteelFail,   McEvent::StrSteelTensYield, McEvent::StrSteelCompYield};

bool IsFailure(McEvent e) {
  return e == McEvent::LongReinfFail || e == McEvent::ConcCompFail || e == McEvent::ConfReinfFail ||
         e == McEvent::StrSteelFail;
}

// The events of `now` that `before` does not have, failures only when asked.
McEvents NewEvents(McEvents now, McEvents before, bool failuresOnly = false) {
  McEvents added;
  for (McEvent e : kAllEvents) {
    if (now.Has(e) && !before.Has(e) && (!failuresOnly || IsFailure(e))) added.Raise(e);
  }
  return added;
}

// Whether `now` has concrete failed that `before` had not. Past its limit at the extreme fibre the slices
// that reach it one by one lose their stress, and the force may turn back. (The solver holds a fractured
// steel fibre at its end stress: a fracture never turns it.)
bool NewlyCrushed(McEvents now, McEvents before) {
  return (now.Has(McEvent::ConcCompFail) && !before.Has(McEvent::ConcCompFail)) ||
         (now.Has(McEvent::ConfReinfFail) && !before.Has(McEvent::ConfReinfFail));
}

bool HasFailure(McEvents events) {
  return std::any_of(std::begin(kAllEvents), std::end(kAllEvents),
                     [&](McEvent e) { return IsFailure(e) && events.Has(e); });
}

// Last strain of the analysis: crushing of the confined core (Mander), spalling or crushing of the
// concrete, or the end of the structural steel curve for a section without concrete.
float MaximumStrain(const ProjectModel& m) {
  if (m.nr >= 1 || m.nc >= 1 || m.npg >= 1) return m.concreteModel == ConcreteModel::Mander ? m.ecu : m.esp;
  if (m.steelModel == SteelModel::Bilinear) return m.spBL[4].strain;
  if (m.steelModel == SteelModel::Park) return m.spPA[6].strain;
  return 0;
}

// The section in equilibrium with a load at one top-fibre strain, when a depth was found.
struct Equilibrium {
  bool found = false;
  float e = 0;
  float c = 0;
  SectionForces f;
  bool lost = false;  ///< a located state just past which no depth balances the load
};

// Solves the neutral-axis depth at which the section's axial force equals the load: from a starting depth
// (and a Newton step when the slope of the last solution is known) the load is bracketed by the secant
// through the last two depths or by steps growing from cinc, then closed in on by the Illinois variant of
// regula falsi, bisecting when it stalls.
// Steel strained past the end of its curve keeps the end stress here (raising its fracture event): near a
// fracture the force then stays continuous in the depth, so the solution is the one continuous with the
// curve so far, not a depth at which a fractured layer has left the rest to balance the load.
class DepthSolver {
 public:
  DepthSolver(const SectionSlices& slices, const MaterialModels& models, float lowest, float highest,
              float increment, double tolerance)
      : slices_(slices),
        models_(models),
        lowest_(lowest),
        highest_(highest),
        increment_(increment),
        tolerance_(tolerance) {}

  long long evaluations = 0;
  bool exhausted = false;  ///< a solve took more evaluations than any real section needs

  /// `slope`, when given, is the change of the axial force with the depth near the last solution of the
  /// same load: a positive value makes the second depth tried a Newton step; it is updated on return.
  Equilibrium Solve(float e, double load, float start, double* slope = nullptr) {
    Equilibrium q;
    q.e = e;
    used_ = 0;
    slope_ = slope;
    float c0 = std::clamp(start, lowest_, highest_);
    SectionForces f0 = At(e, c0);
    double g0 = f0.P - load;
    if (std::abs(g0) <= tolerance_) return Found(q, c0, f0);
    // lo has too little compression for the load (P below it), hi too much; the axis is between.
    float lo = c0, hi = c0;
    SectionForces flo = f0, fhi = f0;
    double step = increment_;
    bool bracketed = false;
    // The depth tried before the one the search goes on from, on the same side of the load.
    bool hasPrevious = false;
    float previous = c0;
    double gPrevious = g0;
    if (slope != nullptr && *slope > 0) {
      const double change = std::clamp(-g0 / *slope, -64.0 * increment_, 64.0 * increment_);
      const float c1 = static_cast<float>(std::clamp<double>(c0 + change, lowest_, highest_));
      if (c1 != c0) {
        const SectionForces f1 = At(e, c1);
        const double g1 = f1.P - load;
        if (std::abs(g1) <= tolerance_) return Found(q, c1, f1);
        if ((g1 > 0) != (g0 > 0)) {
          bracketed = true;
          if (g1 > 0)
            lo = c0, flo = f0, hi = c1, fhi = f1;
          else
            lo = c1, flo = f1, hi = c0, fhi = f0;
        } else if (!NewlyCrushed(f1.events, f0.events)) {
          hasPrevious = true;
          previous = c0, gPrevious = g0;
          c0 = c1, f0 = f1, g0 = g1, lo = hi = c1, flo = fhi = f1;
          step = std::max<double>(increment_, std::abs(change));
        }
      }
    }
    const bool down = g0 > 0;
    while (!bracketed) {
      const float from = down ? hi : lo;
      const float limit = down ? lowest_ : highest_;
      if (from == limit || exhausted) return q;
      // The steps grow from cinc; the secant through the last two depths, when it points on within four
      // steps, is taken instead.
      const double gFrom = (down ? fhi : flo).P - load;
      double distance = step;
      bool secant = false;
      if (hasPrevious && std::abs(gFrom) < std::abs(gPrevious)) {
        const double change = -gFrom * (static_cast<double>(from) - previous) / (gFrom - gPrevious);
        if ((change < 0) == down && std::abs(change) <= 4 * step) distance = std::abs(change), secant = true;
      }
      float c = static_cast<float>(down ? std::max<double>(from - distance, limit)
                                        : std::min<double>(from + distance, limit));
      if (c == from) c = std::nextafter(from, limit);
      const SectionForces f = At(e, c);
      const double g = f.P - load;
      if (std::abs(g) <= tolerance_) return Found(q, c, f);
      // A step into a state where concrete has newly failed, still on the same side of the load, may
      // have passed over the crossing and the force turned back. The failure depth between the two is
      // isolated; the crossing lies on its intact side when the force there has passed the load, and
      // otherwise the search goes on from its failed side, where every state has failed.
      const SectionForces& fFrom = down ? fhi : flo;
      if ((g > 0) == down && NewlyCrushed(f.events, fFrom.events)) {
        float intact = from, failed = c;
        SectionForces fIntact = fFrom, fFailed = f;
        bool crossed = false;
        while (!exhausted) {
          const float middle = static_cast<float>(intact + (static_cast<double>(failed) - intact) / 2);
          if (middle == intact || middle == failed) break;
          const SectionForces fMiddle = At(e, middle);
          const double gMiddle = fMiddle.P - load;
          if (std::abs(gMiddle) <= tolerance_) return Found(q, middle, fMiddle);
          if (NewlyCrushed(fMiddle.events, fFrom.events)) {
            failed = middle, fFailed = fMiddle;
          } else if ((gMiddle > 0) != down) {
            // The force has passed the load on the intact side: the crossing is between there and intact.
            if (down)
              lo = middle, flo = fMiddle, hi = intact, fhi = fIntact;
            else
              lo = intact, flo = fIntact, hi = middle, fhi = fMiddle;
            crossed = true;
            break;
          } else {
            intact = middle, fIntact = fMiddle;
          }
        }
        if (exhausted) return q;
        if (crossed) {
          bracketed = true;
          break;
        }
        (down ? hi : lo) = failed;
        (down ? fhi : flo) = fFailed;
        hasPrevious = false;
        step = increment_;
        continue;
      }
      if (down && g < 0) {
        lo = c, flo = f;
        bracketed = true;
        break;
      }
      if (!down && g > 0) {
        hi = c, fhi = f;
        bracketed = true;
        break;
      }
      hasPrevious = true;
      previous = from, gPrevious = gFrom;
      (down ? hi : lo) = c;
      (down ? fhi : flo) = f;
      if (!secant) step *= 2;
    }
    double ga = flo.P - load, gb = fhi.P - load;  // ga < 0 < gb, weighted by Illinois
    int side = 0;
    double widthBefore = static_cast<double>(hi) - lo;
    for (int iteration = 1; !exhausted; ++iteration) {
      const double width = static_cast<double>(hi) - lo;
      // Every third step the bracket must have halved, or the next depth is the middle.
      const bool bisect = iteration % 3 == 0 && width > widthBefore / 2;
      if (iteration % 3 == 0) widthBefore = width;
      float c = static_cast<float>(bisect ? lo + width / 2 : lo + width * ga / (ga - gb));
      if (!(c > lo && c < hi)) c = static_cast<float>(lo + width / 2);
      if (!(c > lo && c < hi)) break;  // neighbouring depths: the single-precision limit
      const SectionForces f = At(e, c);
      const double g = f.P - load;
      if (std::abs(g) <= tolerance_) return Found(q, c, f);
      if (g > 0) {
        hi = c, fhi = f, gb = g;
        if (side == 1) ga /= 2;
        side = 1;
      } else {
        lo = c, flo = f, ga = g;
        if (side == -1) gb /= 2;
        side = -1;
      }
    }
    if (exhausted) return q;
    // Neighbouring depths: the better of the two where the force is continuous at this resolution; a
    // force that jumps between them (past a fracture or crushing) has no depth in equilibrium.
    if (fhi.P - flo.P > 4 * tolerance_) return q;
    return std::abs(flo.P - load) <= std::abs(fhi.P - load) ? Found(q, lo, flo) : Found(q, hi, fhi);
  }

  /// One evaluation outside a solve.
  SectionForces Evaluate(float e, float c) {
    ++evaluations;
    return EvaluateSection(slices_, models_, e, c, scratch_);
  }

 private:
  SectionForces At(float e, float c) {
    if (++used_ > kMaxEvaluationsPerSolve) exhausted = true;
    ++evaluations;
    SectionForces f = EvaluateSection(slices_, models_, e, c, scratch_, SteelBeyondEnds::Held);
    previous_ = last_;
    last_ = {c, f.P};
    return f;
  }
  Equilibrium Found(Equilibrium& q, float c, const SectionForces& f) {
    q.found = true;
    q.c = c;
    q.f = f;
    // The secant of the last two depths tried is the slope for the next solve.
    if (slope_ != nullptr && used_ >= 2 && previous_.first != last_.first) {
      const double secant =
          (last_.second - previous_.second) / (static_cast<double>(last_.first) - previous_.first);
      if (secant > 0) *slope_ = secant;
    }
    return q;
  }

  const SectionSlices& slices_;
  const MaterialModels& models_;
  float lowest_, highest_, increment_;
  double tolerance_;
  EvaluationScratch scratch_;
  int used_ = 0;
  double* slope_ = nullptr;
  std::pair<float, double> previous_{}, last_{};  // depth and force of the last two evaluations
};

McPoint PointOf(const Equilibrium& q) {
  return {
      q.e, q.c, static_cast<float>(q.f.P), static_cast<float>(q.f.M), q.f.events, static_cast<float>(q.f.My)};
}

// The state of a stored point (its tension force is not kept).
Equilibrium StateOf(const McPoint& point) {
  Equilibrium q;
  q.found = true;
  q.e = point.strain;
  q.c = point.depth;
  q.f.P = point.axial;
  q.f.M = point.moment;
  q.f.My = point.momentY;
  q.f.events = point.events;
  return q;
}

// The steel fractures of `now` that `before` had not: a state the solver found with them carries the end
// stress in place of the fractured fibres, and is no state of the section.
McEvents NewFractures(McEvents now, McEvents before) {
  McEvents added;
  for (McEvent e : {McEvent::LongReinfFail, McEvent::StrSteelFail}) {
    if (now.Has(e) && !before.Has(e)) added.Raise(e);
  }
  return added;
}

// The first state between a stored point and a later strain at which an event appears that the point did
// not have, located to `width` on the top-fibre strain with every trial in equilibrium. `upper` is the
// state at the later strain: in equilibrium with a new event, or not in equilibrium after a failure.
// Each trial keeps the bracket [no new event, new event]; the next strain is where the margin of the new
// events (the strain still left to their limits) runs out on the secant between the bracket's ends,
// probed just below and just above, and the middle when that does not shrink the bracket.
// When no depth balances the load at the later strain, the point is the last state in equilibrium, with
// the failures at whose limits it stands, or marked as lost: a failure is never taken from a state that
// is not in equilibrium.
Equilibrium LocateEvent(DepthSolver& solver, const SectionSlices& slices, const MaterialModels& models,
                        const McPoint& from, Equilibrium upper, double load, float width, double& slope) {
  Equilibrium lower = StateOf(from);
  const McEvents target = upper.found ? NewEvents(upper.f.events, from.events) : McEvents{};
  const auto margin = [&](const Equilibrium& q) {
    double least = 1e30;
    for (McEvent e : kAllEvents) {
      if (target.Has(e)) least = std::min(least, EventMargin(slices, models, e, q.e, q.c));
    }
    return least;
  };
  // Illinois weights: an end that stays twice has its margin halved, so the estimates close in from both
  // sides; an estimate is aimed a little below the limit, and one close above the lower end probes just
  // above it.
  double mLower = margin(lower), mUpper = upper.found ? margin(upper) : 0;
  int side = 0;
  while (upper.e - lower.e > width) {
    const double span = static_cast<double>(upper.e) - lower.e;
    double t = lower.e + span / 2;
    if (upper.found && mLower > 0 && mUpper <= 0 && mLower < 1e29) {
      const double estimate = lower.e + span * mLower / (mLower - mUpper);
      t = estimate - 0.4 * width > lower.e + 0.1 * width ? estimate - 0.4 * width : lower.e + 0.6 * width;
      if (!(t > lower.e && t < upper.e)) t = lower.e + span / 2;
    }
    const float trialStrain = static_cast<float>(t);
    if (trialStrain <= lower.e || trialStrain >= upper.e) break;
    const float guess =
        upper.found ? static_cast<float>(lower.c + (upper.c - lower.c) * (t - lower.e) / span) : lower.c;
    Equilibrium trial = solver.Solve(trialStrain, load, guess, &slope);
    if (solver.exhausted) return trial;
    if (trial.found && !NewEvents(trial.f.events, from.events).Any()) {
      lower = trial;
      mLower = margin(lower);
      if (side == -1) mUpper /= 2;
      side = -1;
    } else {
      upper = trial;
      if (upper.found) mUpper = margin(upper);
      if (side == 1) mLower /= 2;
      side = 1;
    }
  }
  if (upper.found) {
    // A steel fibre is still on its curve at the curve's end point and fractures only beyond it: the
    // state found past it carries the held stress, so the point is the last state before it, the fibre
    // at its limit, marked with the fracture. Concrete fails at its limit strain itself, judged at the
    // extreme fibre with every slice below still on its curve: that first state is the point.
    const McEvents added = NewEvents(upper.f.events, from.events);
    if (!NewFractures(upper.f.events, from.events).Any()) return upper;
    lower.f.events |= added;
    return lower;
  }
  // No depth balances the load just past the last state in equilibrium. That state fails when its own
  // extreme fibre is at a failure's limit to the width to which events are located: its margin, used up
  // at the rate at which the curve has been using it since the stored point, is gone within the bracket.
  // (A force that jumps as the limit is passed, as where concrete displaced by a bar at the top of the
  // core loses its stress, leaves no state in equilibrium beyond it.) Otherwise the curve ends there
  // without a failure.
  const double run = static_cast<double>(lower.e) - from.strain;
  McEvents failures;
  for (McEvent event : kAllEvents) {
    if (!IsFailure(event) || lower.f.events.Has(event) || !(run > 0)) continue;
    const double now = EventMargin(slices, models, event, lower.e, lower.c);
    const double rate = (EventMargin(slices, models, event, from.strain, from.depth) - now) / run;
    if (rate > 0 && now <= 2 * rate * (static_cast<double>(upper.e) - lower.e)) failures.Raise(event);
  }
  lower.f.events |= failures;
  lower.lost = !failures.Any();
  return lower;
}

}  // namespace

void MomentCurvatureAnalysis(ProjectModel& m, const McProgress& progress) {
  McResult result;
  const auto finish = [&](std::string problem) {
    result.problem = std::move(problem);
    m.momentCurvature = std::move(result);
  };
  if (std::string problem = MaterialModelProblem(m); !problem.empty()) return finish(problem);
  if (!(m.einc > 0)) return finish("The strain increment einc must be greater than 0");
  if (!(m.cinc > 0)) return finish("The neutral axis increment cinc must be greater than 0");
  if (!(std::abs(m.mcAngle) <= kMaxLength)) {
    return finish("The neutral axis angle of the moment-curvature analysis must be a number of degrees");
  }
  const int loads = ListSize(m.ns);
  if (loads < 1) return finish("No load conditions for the moment-curvature analysis");

  if (m.ebeg < m.einc) m.ebeg = m.einc;
  // Across an inclined axis the first search starts at the section's extent in that direction.
  const Orientation across = OrientationFor(m, m.mcAngle);
  const float concreteDepth = across.upright ? ConcreteDepth(m) : SectionDepthAcross(m, across);
  m.cend = concreteDepth > 0 ? concreteDepth : 100 * m.cinc;

  const SectionProperties& props = m.sectionProperties;
  const double pMax = static_cast<double>(props.transArea) * m.fpc;
  const double pMin =
      -(static_cast<double>(props.reinfArea) * m.fy + static_cast<double>(props.steelArea) * m.fs);
  for (int i = 1; i <= loads; ++i) {
    const float P = m.loads[static_cast<size_t>(i)].P;
    if (P >= pMax || P <= pMin) {
      result.rejection = "Load condition " + std::to_string(i) +
                         (P >= pMax ? " is too high" : " is too low") + " for MC analysis";
      m.momentCurvature = std::move(result);
      return;
    }
  }

  const SectionSlices slices = SliceSection(m);
  // The strains of the steps: from ebeg by einc, the last exactly at the last strain. A confined core
  // fails when its own extreme fibre reaches ecu, below the cover: its curves go on past ecu at the top
  // until the core fails, up to twice that strain.
  const double lastStrain = MaximumStrain(m);
  const bool coreFails = m.concreteModel == ConcreteModel::Mander && slices.hasCore && slices.hasCover;
  const double stepLimit = coreFails ? 2 * lastStrain : lastStrain;
  const double steps = std::ceil((stepLimit - m.ebeg) / m.einc - kEventTolerance) + 1;
  if (!(steps >= 1 && steps * loads <= 1e6) || !(stepLimit >= m.ebeg)) {
    return finish("No strain steps: the last strain of the curves must exceed emin (" +
                  std::string(steps >= 1 && stepLimit >= m.ebeg ? "too many steps"
                                                                : "check ecu, esp or the steel curve") +
                  ")");
  }
  std::vector<float> strains(static_cast<size_t>(steps));
  for (size_t s = 0; s < strains.size(); ++s) {
    strains[s] = static_cast<float>(std::min(m.ebeg + static_cast<double>(s) * m.einc, stepLimit));
  }
  result.stepCount = static_cast<int>(strains.size());
  result.cosine = across.ny;
  result.sine = -across.nx;
  result.reinfDepth = across.upright ? props.reinfDepth : std::max(0.0f, slices.barBottom);
  result.steelDepth = across.upright ? props.steelDepth : slices.steelFace;
  result.curves.assign(static_cast<size_t>(loads) + 1, McCurve{});
  for (McCurve& curve : result.curves) curve.points.reserve(strains.size() + 10);

  const MaterialModels models = MaterialModelsOf(m);
  const double squash = pMax > 0 ? pMax : -pMin;
  const float lowest = kShallowestAxis * m.cend;
  const float highest = std::max(kDeepestAxis * m.cend, lowest);
  if (m.cend - m.cinc == m.cend) return finish(kTooManyEvaluations);  // cinc below a depth's resolution
  DepthSolver solver(slices, models, lowest, highest, m.cinc, std::max(kSolverTolerance * squash, 1e-9));
  const float eventWidth = static_cast<float>(kEventTolerance * m.einc);
  if (progress.status) progress.status("Moment-curvature", "");

  std::vector<float> start(static_cast<size_t>(loads) + 1, m.cend);
  std::vector<double> slopes(static_cast<size_t>(loads) + 1, 0.0);
  int finishedCount = 0;
  for (float e : strains) {
    if (progress.cancelled && progress.cancelled())
      return finish("The moment-curvature analysis was cancelled");
    for (int k = 1; k <= loads; ++k) {
      McCurve& curve = result.curves[static_cast<size_t>(k)];
      if (curve.finished) continue;
      const double load = m.loads[static_cast<size_t>(k)].P;
      const auto store = [&](const Equilibrium& state) {
        const McPoint point = PointOf(state);
        curve.points.push_back(point);
        if (state.f.T < curve.maxTension) {
          curve.maxTension = static_cast<float>(state.f.T);
          curve.maxTensionMoment = point.moment;
          curve.maxTensionMomentY = point.momentY;
        }
        if (HasFailure(point.events)) {
          curve.finished = true;
          curve.end = McCurveEnd::Failure;
          curve.failRecorded = true;
          curve.failPoint = point;
          ++finishedCount;
        }
        if (progress.status) {
          progress.status("Moment-curvature", "Step " + std::to_string(curve.points.size()) + " of " +
                                                  std::to_string(result.stepCount) + " converged");
        }
      };
      // Past its last point the section no longer carries the load: the curve ends there, short of any
      // failure.
      const auto endUnbalanced = [&] {
        if (curve.finished) return;
        curve.finished = true;
        curve.end = McCurveEnd::NoEquilibrium;
        ++finishedCount;
      };
      // An event located at the strain of the stored point is that point: it is stored again with it.
      const auto storeLocated = [&](const Equilibrium& state) {
        if (!curve.points.empty() && state.e == curve.points.back().strain) curve.points.pop_back();
        store(state);
        if (state.lost) endUnbalanced();
      };
      // The depth of the last point, carried on along the line through the last two points.
      float guess = start[static_cast<size_t>(k)];
      const size_t n = curve.points.size();
      if (n >= 2 && curve.points[n - 1].strain > curve.points[n - 2].strain) {
        const McPoint &a = curve.points[n - 2], &b = curve.points[n - 1];
        const double rate =
            (static_cast<double>(b.depth) - a.depth) / (static_cast<double>(b.strain) - a.strain);
        const float extrapolated = static_cast<float>(b.depth + rate * (e - b.strain));
        if (extrapolated > 0.5f * b.depth && extrapolated < 2 * b.depth) guess = extrapolated;
      }
      double& slope = slopes[static_cast<size_t>(k)];
      Equilibrium q = solver.Solve(e, load, guess, &slope);
      if (solver.exhausted) return finish(kTooManyEvaluations);
      if (!q.found) {
        // No depth reaches the load. Before the first point a larger strain may carry it; after it, the
        // curve ends at its last state in equilibrium, with the events met on the way there.
        if (curve.points.empty()) continue;
        for (int located = 0; located <= kMcEventCount && !curve.finished; ++located) {
          const McPoint& back = curve.points.back();
          const Equilibrium next = LocateEvent(solver, slices, models, back, q, load, eventWidth, slope);
          if (solver.exhausted) return finish(kTooManyEvaluations);
          const bool moved = next.e > back.strain || NewEvents(next.f.events, back.events).Any();
          if (moved) storeLocated(next);
          if (next.lost || !moved) break;
        }
        endUnbalanced();
        continue;
      }
      if (curve.points.empty() && HasFailure(q.f.events)) {
        // Failed before the first step: the failure is located from the unloaded section (taken to have
        // the step's other events, which are not located), and a curve that fails before any strain at
        // all gets no point.
        McEvents before;
        for (McEvent event : kAllEvents) {
          if (q.f.events.Has(event) && !IsFailure(event)) before.Raise(event);
        }
        const McPoint unloaded{0, q.c, static_cast<float>(load), 0, before};
        const Equilibrium first = LocateEvent(solver, slices, models, unloaded, q, load, eventWidth, slope);
        if (solver.exhausted) return finish(kTooManyEvaluations);
        if (first.e > 0 && (HasFailure(first.f.events) || first.lost)) {
          storeLocated(first);
        } else {
          curve.finished = true;
          ++finishedCount;
        }
        continue;
      }
      // Every event that the last point did not have gets a point at the strain where it first occurs.
      for (int located = 0; located < kMcEventCount && !curve.points.empty() &&
                            NewEvents(q.f.events, curve.points.back().events).Any();
           ++located) {
        const Equilibrium first =
            LocateEvent(solver, slices, models, curve.points.back(), q, load, eventWidth, slope);
        if (solver.exhausted) return finish(kTooManyEvaluations);
        if (first.e >= q.e) break;  // the event is at the step's own strain
        storeLocated(first);
        if (curve.finished) break;
      }
      if (!curve.finished) {
        const McEvents fractures =
            curve.points.empty() ? McEvents{} : NewFractures(q.f.events, curve.points.back().events);
        if (fractures.Any()) {
          // The search found no state at the fracture (a steel curve that rises almost vertically can
          // leave no depth in equilibrium near it): the last point found before it ends the curve.
          Equilibrium last = StateOf(curve.points.back());
          last.f.events |= fractures;
          storeLocated(last);
        } else {
          store(q);
        }
      }
      start[static_cast<size_t>(k)] = curve.points.back().depth;
    }
    if (finishedCount == loads) break;
  }
  result.evaluations = solver.evaluations;
  m.momentCurvature = std::move(result);
}

}  // namespace tarnix
