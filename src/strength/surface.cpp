// The interaction surface and the capacity of a biaxial load: the diagram walk and the capacity search of
// the load conditions, run across neutral axes at any angle.
#include "strength/surface.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "criteria/criteria.h"
#include "model/project_model.h"
#include "section/projection.h"
#include "strength/interaction_diagram.h"
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

// Directions of moment vectors are compared in radians of the full precision of pi (the program's 3.1416
// is for geometry only).
constexpr double kHalfTurn = 3.14159265358979323846;
constexpr double kRadiansPerDegree = kHalfTurn / 180;
// The moment direction is matched to 1e-4 rad.
constexpr double kDirectionTolerance = 1e-4;

// An angle difference wrapped into (-pi, pi].
double Wrapped(double radians) {
  const double turn = 2 * kHalfTurn;
  double w = std::fmod(radians, turn);
  if (w > kHalfTurn) w -= turn;
  if (w <= -kHalfTurn) w += turn;
  return w;
}

// A root of f in [a, b] where f(a) < 0 <= f(b) or the other way round, by regula falsi with the Illinois
// modification and a halving after three steps in a row that each shrank the bracket by less than half:
// stops when |f| <= fTol or the bracket is narrower than xTol. Returns the end of the final bracket on the
// side of f(b)'s sign unless a point within fTol was met.
template <typename F>
double IllinoisRoot(F f, double a, double fa, double b, double fb, double fTol, double xTol) {
  int side = 0, slow = 0;
  for (int iteration = 0; iteration < 200; ++iteration) {
    if (!(std::fabs(b - a) > xTol)) break;
    const double width = std::fabs(b - a);
    double x = (a * fb - b * fa) / (fb - fa);
    if (!(x > std::min(a, b) && x < std::max(a, b))) x = a + (b - a) / 2;
    const double fx = f(x);
    if (std::fabs(fx) <= fTol) return x;
    if ((fx < 0) == (fb < 0)) {
      b = x, fb = fx;
      if (side == -1) fa /= 2;
      side = -1;
    } else {
      a = x, fa = fx;
      if (side == 1) fb /= 2;
      side = 1;
    }
    slow = std::fabs(b - a) > 0.5 * width ? slow + 1 : 0;
    if (slow == 3) {
      // Slow steps (a kink of the function, or one end stuck): halve the bracket as well.
      const double mid = a + (b - a) / 2;
      const double fm = f(mid);
      if (std::fabs(fm) <= fTol) return mid;
      if ((fm < 0) == (fb < 0)) {
        b = mid, fb = fm;
      } else {
        a = mid, fa = fm;
      }
      side = 0, slow = 0;
    }
  }
  return b;
}

// A ratio in single precision; one beyond its range (a capacity vanishingly small against the load) is
// kept at the largest float rather than made infinite.
float Ratio(double r) {
  return static_cast<float>(std::min(r, static_cast<double>(std::numeric_limits<float>::max())));
}

// The design capacity of one axial load across a neutral axis at one angle.
struct Trial {
  bool found = false;
  double angle = 0;  // degrees
  float depth = 0;
  float phi = 0;
  SectionPoint point;    // nominal P, Mx, My and strain at the depth
  double direction = 0;  // of the design moment vector, radians
};

// The capacity search of biaxial loads on one model: the section is turned to each trial angle and the
// neutral-axis depth at which phi Pn equals the load is solved directly, without a walk.
class BiaxialSearch {
 public:
  explicit BiaxialSearch(const ProjectModel& m)
      : m_(m),
        section_(m, OrientationFor(m, 0)),
        tolerance_(1e-6 * std::fabs(static_cast<double>(SquashLoad(m)))),
        compression_(static_cast<double>(CompressionPhi(m)) * MaximumAxialCapacity(m)),
        tension_(static_cast<double>(m.phiT) * section_.TensionLimit()),
        // The grid of the surface's angles, but never coarser than 45 degrees: a cell must not span half a
        // turn of the moment's direction.
        angles_(m.surfaceAngles >= 1 ? std::max(m.surfaceAngles, 8) : kDefaultSurfaceAngles),
        // Only the older criteria's factor reads the balanced load, and not for a section with steel shapes.
        balancedLoadRead_(CriteriaFor(m.criteria).phiRule == PhiRule::AxialLoadTransition && m.nb == 0 &&
                          m.np == 0) {
    phiBasis_.idAxial.assign(3, 0.0f);
  }

  bool InRange(float P) const { return P <= compression_ && P >= tension_; }
  double compression() const { return compression_; }
  double tension() const { return tension_; }

  // The design capacity at axial load P whose moment points at `direction` (radians), the search starting
  // at the grid cell of `guess` degrees.
  Trial Solve(float P, double direction, double guess) {
    Trial none;
    if (!InRange(P)) return none;
    const double step = 360.0 / angles_;
    const auto offset = [&](const Trial& t) { return Wrapped(t.direction - direction); };
    const auto bracketed = [&](const Trial& a, const Trial& b) {
      const double da = offset(a), db = offset(b);
      return ((da <= 0 && db >= 0) || (da >= 0 && db <= 0)) && std::fabs(db - da) < kHalfTurn;
    };
    // The cells of the grid from the guess's outward: the cell of the guess, the next, the one before ...
    const int first = static_cast<int>(std::floor(guess / step));
    std::map<int, Trial> grid;
    const auto gridAt = [&](int k) -> const Trial& {
      auto it = grid.find(k);
      if (it == grid.end()) it = grid.emplace(k, At(k * step, P)).first;
      return it->second;
    };
    Trial low, high;
    bool found = false;
    for (int j = 0; j < angles_ && !found; ++j) {
      const int cell = first + (j % 2 == 0 ? j / 2 : -(j + 1) / 2);
      low = gridAt(cell);
      high = gridAt(cell + 1);
      if (!low.found || !high.found) return none;
      found = bracketed(low, high);
    }
    if (!found) return none;
    if (std::fabs(offset(low)) <= kDirectionTolerance) return low;
    if (std::fabs(offset(high)) <= kDirectionTolerance) return high;
    Trial best;
    const auto f = [&](double angle) {
      best = At(angle, P);
      return best.found ? offset(best) : 0.0;
    };
    const double angle =
        IllinoisRoot(f, low.angle, offset(low), high.angle, offset(high), kDirectionTolerance, 1e-9);
    if (!(best.found && best.angle == angle)) best = At(angle, P);
    return best.found ? best : none;
  }

 private:
  // The design capacity at axial load P across the axis at `angle` degrees.
  Trial At(double angle, float P) {
    Trial t;
    t.angle = angle;
    section_.Turn(OrientationFor(m_, static_cast<float>(angle)));
    if (balancedLoadRead_) PlaceBalancedPoint();
    const auto excess = [&](float c, SectionPoint& p, float& phi) {
      p = section_.At(c);
      phi = LoadPhi(m_, phiBasis_, P, p.tensileStrain);
      return static_cast<double>(phi) * p.axial - P;
    };
    SectionPoint p;
    float phi = 0;
    float evaluated = -1;  // the depth that p and phi belong to
    const auto f = [&](double c) {
      evaluated = static_cast<float>(c);
      return excess(evaluated, p, phi);
    };
    // c = 0 stands for every bar yielding in tension; the depth across the axis at which Pn reaches Pn,max
    // lies within the walk's bound of 100 section depths.
    const double atZero = tension_ - P, across = std::max(section_.depthAcross(), 1e-6f);
    const double deepest = 128 * across;
    double low = 0, atLow = atZero, high = across, atHigh = 0;
    if (atZero >= 0) {
      high = 1e-6 * across;  // the tension end itself
    } else if (lastDepth_ > 0) {
      // From the depth of the last trial (a nearby angle or load), in growing steps to a bracket.
      double c = lastDepth_, step = 0.02 * across;
      const double at = f(c);
      if (at >= 0) {
        high = c, atHigh = at;
        while (std::fabs(atHigh) > tolerance_) {
          const double next = high - step;
          if (!(next > 0)) break;  // down to c = 0
          const double atNext = f(next);
          if (atNext < 0) {
            low = next, atLow = atNext;
            break;
          }
          high = next, atHigh = atNext, step *= 2;
        }
      } else {
        low = c, atLow = at;
        for (atHigh = -1; atHigh < 0 && low < deepest; step *= 2) {
          high = low + step, atHigh = f(high);
          if (atHigh < 0) low = high, atLow = atHigh;
        }
      }
    } else {
      // Deeper than the section, toward Pn,max.
      for (atHigh = f(high); atHigh < 0 && high < deepest;)
        low = high, atLow = atHigh, high *= 2, atHigh = f(high);
    }
    if (atHigh < 0) return t;
    const double c = std::fabs(atHigh) <= tolerance_ || atZero >= 0
                         ? high
                         : IllinoisRoot(f, low, atLow, high, atHigh, tolerance_, 1e-7 * high);
    const float depth = static_cast<float>(c);
    if (!(depth > 0)) return t;
    if (depth != evaluated) f(depth);
    lastDepth_ = depth;
    t.found = true;
    t.depth = depth;
    t.phi = phi;
    t.point = p;
    t.direction = std::atan2(static_cast<double>(phi) * p.momentY, static_cast<double>(phi) * p.moment);
    return t;
  }

  // The balanced point of the walk at the section's present angle, which the strength reduction factor of
  // the older criteria reads (phiC Pb as the axial limit): the first step of the walk at or past the
  // balanced depth (the walk's sum of steps, up to its rounding).
  void PlaceBalancedPoint() {
    const float cb = section_.BalancedDepth();
    phiBasis_.idBalanced = 1;
    if (!(m_.inc > 0) || !(cb > 0)) return;
    const double steps = std::max(1.0, std::ceil(static_cast<double>(cb) / m_.inc));
    if (steps > kMaxDiagramSteps) return;
    phiBasis_.idBalanced = 2;
    phiBasis_.idAxial[2] = section_.At(static_cast<float>(steps * m_.inc)).axial;
  }

  const ProjectModel& m_;
  SectionAtAngle section_;
  InteractionDiagram phiBasis_;
  double tolerance_, compression_, tension_;
  int angles_;
  bool balancedLoadRead_;
  double lastDepth_ = 0;  // of the last trial, where the next one starts
};

}  // namespace

void ComputeInteractionSurface(ProjectModel& m) {
  InteractionSurface surface;
  if (IsTwoDimensional(m)) {
    const int n = m.surfaceAngles >= 1 ? m.surfaceAngles : kDefaultSurfaceAngles;
    surface.meridians.reserve(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
      surface.meridians.push_back(ComputeDiagramAt(m, static_cast<float>(360.0 * k / n)));
  }
  m.interactionSurface = std::move(surface);
}

BiaxialCapacity BiaxialCapacityOf(const ProjectModel& m, float P, float Mx, float My) {
  BiaxialCapacity out;
  out.computed = true;
  BiaxialSearch search(m);
  const double moment = std::hypot(static_cast<double>(Mx), static_cast<double>(My));
  if (moment == 0) {
    // Pure axial load: the factored capacity at the end of its sign.
    out.found = true;
    const double capacity = P > 0 ? search.compression() : P < 0 ? search.tension() : 0;
    out.axial = static_cast<float>(capacity);
    out.phi = P >= 0 ? CompressionPhi(m) : m.phiT;
    out.rayRatio = capacity != 0 ? Ratio(P / capacity) : 0.0f;
    return out;
  }
  const double direction = std::atan2(static_cast<double>(My), static_cast<double>(Mx));
  const double loadAngle = direction / kRadiansPerDegree;
  const Trial t = search.Solve(P, direction, loadAngle);
  if (t.found) {
    out.found = true;
    out.angle = static_cast<float>(t.angle - 360.0 * std::floor(t.angle / 360.0));
    out.depth = t.depth;
    out.phi = t.phi;
    out.axial = P;
    out.momentX = t.phi * t.point.moment;
    out.momentY = t.phi * t.point.momentY;
    out.tensileStrain = t.point.tensileStrain;
  }
  const double capacity = std::hypot(static_cast<double>(out.momentX), static_cast<double>(out.momentY));
  if (capacity > 0) out.momentRatio = Ratio(moment / capacity);

  // The ray lambda (P, Mx, My): g(lambda) = |phi Mn at lambda P| - lambda |M| falls from |phi Mn| at P = 0
  // to where the ray leaves the surface. Each trial starts at the angle found last.
  double guess = t.found ? t.angle : loadAngle;
  const auto g = [&](double lambda) {
    const Trial at = search.Solve(static_cast<float>(lambda * P), direction, guess);
    if (!at.found) return -lambda * moment;
    guess = at.angle;
    return at.phi * std::hypot(static_cast<double>(at.point.moment), static_cast<double>(at.point.momentY)) -
           lambda * moment;
  };
  // The load's own capacity is g(1); the end of the axial range along the ray is lambda = edge, and a ray
  // that reaches it still inside the surface meets the surface on its flat end there.
  const double atOne = t.found ? capacity - moment : -moment;
  const double fTol = 1e-6 * moment;
  double lambda = 0;
  if (P == 0) {
    lambda = capacity / moment;  // every lambda keeps P = 0
  } else {
    const double edge = (P > 0 ? search.compression() : search.tension()) / P * (1 - 1e-7);
    const double atEdge = atOne >= 0 || edge < 1 ? g(edge) : 0;
    if (atOne >= 0) {
      lambda = atEdge >= 0 ? edge : IllinoisRoot(g, 1, atOne, edge, atEdge, fTol, 1e-6 * edge);
    } else if (edge < 1 && atEdge >= 0) {
      lambda = edge;
    } else {
      const double end = std::min(1.0, edge), atEnd = edge < 1 ? atEdge : atOne;
      const double atZero = g(0);
      if (atZero > 0) lambda = IllinoisRoot(g, 0, atZero, end, atEnd, fTol, 1e-6 * end);
    }
  }
  out.rayRatio = lambda > 0 ? Ratio(1 / lambda) : 0.0f;
  return out;
}

}  // namespace tarnix
