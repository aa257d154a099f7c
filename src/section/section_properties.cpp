// Section properties by summing the records' areas, first moments and inertias in double precision.
#include "section/section_properties.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "model/project_model.h"
#include "section/geometry.h"
#include "section/projection.h"

namespace tarnix {
namespace {

// True when every value is a number no larger in size than `limit`.
bool Within(double limit, std::initializer_list<float> values) {
  for (float v : values) {
    if (!(std::abs(v) <= limit)) return false;
  }
  return true;
}

bool PointsWithin(const StressStrainPoint* first, const StressStrainPoint* last) {
  for (const StressStrainPoint* p = first; p != last; ++p) {
    if (!Within(kMaxFactor, {p->strain}) || !Within(kMaxStress, {p->stress})) return false;
  }
  return true;
}

// Refuses values that no real section has and that would overflow single precision in the results, and
// bar counts that would take hours; every later analysis relies on this bound.
SectionProblem RangeProblem(const ProjectModel& m) {
  bool ok = Within(kMaxStress, {m.fpc, m.fy, m.fs, m.Ec, m.Er, m.Es, m.fc0, m.Eci, m.fcu, m.fcc, m.fyh}) &&
            Within(kMaxFactor, {m.a1, m.b1, m.em, m.phiT, m.phiC, m.phiS, m.phiConc, m.phiReinf, m.phiStl,
                                m.Keff, m.Ieff, m.ec0, m.ecu, m.esp, m.esf, m.maxBarArea}) &&
            Within(kMaxLength, {m.L, m.cover, m.ds, m.Dc, m.st, m.sl, m.xcl, m.ycl, m.inc, m.cbeg, m.cend,
                                m.cinc, m.ebeg, m.eend, m.einc}) &&
            PointsWithin(&m.rpBL[1], m.rpBL.data() + m.rpBL.size()) &&
            PointsWithin(&m.spBL[1], m.spBL.data() + m.spBL.size()) &&
            PointsWithin(&m.rpPA[1], m.rpPA.data() + m.rpPA.size()) &&
            PointsWithin(&m.spPA[1], m.spPA.data() + m.spPA.size());
  for (int i = 1; ok && i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    ok = Within(kMaxLength, {r.Yt, r.D, r.W, r.X});
  }
  for (int i = 1; ok && i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = m.circles[static_cast<size_t>(i)];
    ok = Within(kMaxLength, {c.Yc, c.Rc, c.Xc});
  }
  for (int i = 1; ok && i <= ListSize(m.nl); ++i) {
    const ReinforcingLine& l = m.lines[static_cast<size_t>(i)];
    ok = Within(kMaxLength, {l.Yb, l.Lb, l.Ab, l.Xb}) && Within(kMaxArea, {l.Abl});
  }
  for (int i = 1; ok && i <= ListSize(m.na); ++i) {
    const ReinforcingArc& a = m.arcs[static_cast<size_t>(i)];
    ok = Within(kMaxLength, {a.Y0, a.R0, a.Abeg, a.Atot, a.X0}) && Within(kMaxArea, {a.Aba});
  }
  for (int i = 1; ok && i <= ListSize(m.nb); ++i) {
    const SteelRect& b = m.steelRects[static_cast<size_t>(i)];
    ok = Within(kMaxLength, {b.Ytb, b.Db, b.Wb, b.Xcb});
  }
  for (int i = 1; ok && i <= ListSize(m.np); ++i) {
    const SteelPipe& p = m.pipes[static_cast<size_t>(i)];
    ok = Within(kMaxLength, {p.Ycp, p.Rcp, p.tp, p.Xcp});
  }
  for (int i = 1; ok && i <= ListSize(m.npg); ++i) {
    for (const Vertex& v : m.polygons[static_cast<size_t>(i)].vertices)
      ok = ok && Within(kMaxLength, {v.x, v.y});
  }
  for (int i = 1; ok && i <= ListSize(m.nsb); ++i) {
    const SingleBar& b = m.singleBars[static_cast<size_t>(i)];
    ok = Within(kMaxLength, {b.x, b.y}) && Within(kMaxArea, {b.area});
  }
  ok = ok && Within(kMaxLength, {m.memberY.L}) && Within(kMaxFactor, {m.memberY.Keff, m.memberY.Ieff});
  for (int i = 1; ok && i <= ListSize(m.ns); ++i) {
    const LoadCondition& l = m.loads[static_cast<size_t>(i)];
    ok = Within(kMaxLoad, {l.P, l.V, l.M, l.T, l.M1ns, l.M2ns, l.M1s, l.M2s}) &&
         Within(kMaxLength, {l.di, l.dj, l.ri, l.rj}) && Within(kMaxFactor, {l.BetaD, l.BetaDs}) &&
         Within(kMaxLoad, {l.My, l.endY.M1ns, l.endY.M2ns, l.endY.M1s, l.endY.M2s}) &&
         Within(kMaxFactor, {l.endY.BetaD, l.endY.BetaDs});
  }
  if (!ok) return SectionProblem::ValueOutOfRange;
  return BarCount(m) > kMaxBarCount ? SectionProblem::TooManyBars : SectionProblem::None;
}

// Area, first moment about the top and inertia of a group, gathered record by record.
struct Sums {
  double area = 0, moment = 0, ownInertia = 0;
  void Add(double a, double depth, double own) {
    area += a;
    moment += a * depth;
    ownInertia += own;
  }
};

// A piece of a group: area, centroid depth, own inertia about its horizontal centroidal axis, centroid x,
// own inertia about its vertical centroidal axis and own product of inertia.
struct Piece {
  double area, depth, ownInertia, x = 0, ownInertiaY = 0, ownProduct = 0;
};

// Area-weighted horizontal position of pieces (0 without area).
float CentroidX(const std::vector<Piece>& pieces) {
  double area = 0, moment = 0;
  for (const Piece& p : pieces) area += p.area, moment += p.area * p.x;
  return area != 0 ? static_cast<float>(moment / area) : 0.0f;
}

void Centroid(const std::vector<Piece>& pieces, bool hasRecords, float& area, float& ybar, float& io) {
  Sums sums;
  for (const Piece& p : pieces) sums.Add(p.area, p.depth, p.ownInertia);
  area = static_cast<float>(sums.area);
  ybar = hasRecords && sums.area != 0 ? static_cast<float>(sums.moment / sums.area) : 0.0f;
  double inertia = sums.ownInertia;
  for (const Piece& p : pieces) inertia += p.area * (ybar - p.depth) * (ybar - p.depth);
  io = static_cast<float>(inertia);
}

// Second moment about the vertical axis through xbar and product of inertia about (xbar, ybar).
void OffAxis(const std::vector<Piece>& pieces, double xbar, double ybar, float& ioY, float& ixy) {
  double inertia = 0, product = 0;
  for (const Piece& p : pieces) {
    inertia += p.ownInertiaY + p.area * (p.x - xbar) * (p.x - xbar);
    product += p.ownProduct + p.area * (p.x - xbar) * (p.depth - ybar);
  }
  ioY = static_cast<float>(inertia);
  ixy = static_cast<float>(product);
}

// Principal second moments from those about the horizontal and the vertical axis and the product, with
// I(t) = (Ix + Iy) / 2 + (Ix - Iy) / 2 cos 2t - Ixy sin 2t largest at 2t = atan2(-2 Ixy, Ix - Iy). Axes
// whose second moments differ by rounding only (a square, a circle) have no preferred direction: angle 0.
PrincipalAxes Principal(double Ix, double Iy, double Ixy) {
  const double mean = (Ix + Iy) / 2, half = (Ix - Iy) / 2;
  const double radius = std::sqrt(half * half + Ixy * Ixy);
  PrincipalAxes axes;
  axes.I1 = static_cast<float>(mean + radius);
  axes.I2 = static_cast<float>(mean - radius);
  if (!(radius > 1e-6 * std::abs(mean))) return axes;
  // 2t in (-pi, pi], so that t lies in (-90, 90] degrees: a section wider than deep gets +90, not -90.
  double twice = std::atan2(-Ixy, half);
  if (twice <= -std::acos(-1.0)) twice = std::acos(-1.0);
  axes.angle = static_cast<float>(twice * 90.0 / kPi);
  return axes;
}

float Radius(float inertia, float area) {
  const double r2 = static_cast<double>(inertia) / area;
  return area > 0 && r2 > 0 ? static_cast<float>(std::sqrt(r2)) : 0.0f;
}

// The part of a steel shape that takes the place of concrete: the whole shape when every piece of it lies
// in the concrete, nothing when none does, else the pieces that do, each with its own inertia `pieceIo`
// about its horizontal axis and area x `pieceWidth2` / 12 about its vertical axis.
void AddDisplaced(const std::vector<Strip>& pieces, const Piece& whole, double pieceIo, double pieceWidth2,
                  std::vector<Piece>& displaced) {
  const auto in = [](const Strip& s) { return s.displacesConcrete; };
  if (std::all_of(pieces.begin(), pieces.end(), in)) {
    displaced.push_back(whole);
    return;
  }
  for (const Strip& s : pieces) {
    if (in(s)) displaced.push_back({s.area, s.depth, pieceIo, s.x, s.area * pieceWidth2 / 12.0});
  }
}

// The depth at which the extreme fibre reaches em while steel at `depth` reaches its yield strain.
// A modulus of 0 is taken as a yield strain of 0 rather than divided by.
double BalancedDepth(float depth, float em, float yield, float factor, float modulus) {
  const double yieldStrain = modulus > 0 ? static_cast<double>(yield) * factor / modulus : 0.0;
  const double denominator = yieldStrain + em;
  return denominator != 0 ? depth * static_cast<double>(em) / denominator : 0.0;
}

}  // namespace

float BalancedNeutralAxisDepth(const ProjectModel& m, float barDepth, float steelDepth) {
  float c = 0;
  if (barDepth > 0) c = static_cast<float>(BalancedDepth(barDepth, m.em, m.fy, m.phiReinf, m.Er));
  if (m.nb >= 1 || m.np >= 1) {
    const float cS = static_cast<float>(BalancedDepth(steelDepth, m.em, m.fs, m.phiStl, m.Es));
    if (cS < c || barDepth == 0) c = cS;
  }
  return c;
}

const char* SectionProblemText(SectionProblem problem) {
  switch (problem) {
    case SectionProblem::None:
      return "";
    case SectionProblem::NoConcreteArea:
      return "The concrete records have no net area";
    case SectionProblem::NoReinforcingArea:
      return "The reinforcing bars have no net area";
    case SectionProblem::NoSteelArea:
      return "The steel shapes have no net area";
    case SectionProblem::NoConcreteModulus:
      return "The concrete modulus of elasticity must be greater than 0";
    case SectionProblem::NoMaterial:
      return "The section has no material";
    case SectionProblem::ValueOutOfRange:
      return "An input value is too large to analyse (dimensions up to 1E+06, areas, strengths and "
             "moduli up to 1E+12, loads up to 1E+20)";
    case SectionProblem::TooManyBars:
      return "The section has more than 100000 reinforcing bars";
    case SectionProblem::TopOffReference:
      return "The top of the section lies below the reference line: it must be at depth 0";
    case SectionProblem::TopAboveReference:
      return "Part of the section lies above the reference line: its top must be at depth 0";
  }
  return "";
}

void ComputeSectionProperties(ProjectModel& m) {
  SectionProperties p;
  p.problem = RangeProblem(m);
  if (p.problem != SectionProblem::None) {
    m.sectionProperties = p;
    return;
  }
  NormalizeFullArcs(m);

  p.steelDepth = SteelShapesDepth(m);
  p.sectionDepth = std::max(ConcreteDepth(m), p.steelDepth);
  // Strains are measured from the reference line: a section whose top lies below it would be analysed
  // with its extreme compression fibre in the air, and every result would be too small. A top within a
  // thousandth of the depth is a rounding of the same section.
  // Concrete or steel above the line (a circle whose radius exceeds the depth of its centre) would be
  // left out of the strain walk, which starts at the line: no diagram worth the name comes out of it.
  const float top = SectionTop(m);
  if (std::abs(top) > 1e-3 * std::abs(p.sectionDepth)) {
    p.problem = top > 0 ? SectionProblem::TopOffReference : SectionProblem::TopAboveReference;
    m.sectionProperties = p;
    return;
  }

  p.sectionWidth = SectionDepthAcross(m, OrientationFor(m, 90));

  std::vector<Piece> concrete;
  for (int i = 1; i <= ListSize(m.nr); ++i) {
    const ConcreteRect& r = m.rects[static_cast<size_t>(i)];
    const double area = static_cast<double>(r.rsign) * r.W * r.D;
    concrete.push_back({area, r.Yt + r.D / 2.0, area * r.D * r.D / 12.0, r.X, area * r.W * r.W / 12.0});
  }
  for (int i = 1; i <= ListSize(m.nc); ++i) {
    const ConcreteCircle& c = m.circles[static_cast<size_t>(i)];
    const double area = c.csign * kPi * c.Rc * c.Rc;
    concrete.push_back(
        {area, static_cast<double>(c.Yc), area * c.Rc * c.Rc / 4.0, c.Xc, area * c.Rc * c.Rc / 4.0});
  }
  for (int i = 1; i <= ListSize(m.npg); ++i) {
    const ConcretePolygon& poly = m.polygons[static_cast<size_t>(i)];
    const PolygonProperties g = PropertiesOf(poly.vertices);
    const double sign = poly.psign > 0 ? 1 : -1;
    concrete.push_back({sign * g.area, g.y, sign * g.Ixx, g.x, sign * g.Iyy, sign * g.Ixy});
  }

  std::vector<Piece> bars;
  for (const Bar& bar : AllBars(m)) {
    bars.push_back({bar.area, bar.depth, 0.0, bar.x});
    p.reinfDepth = std::max(p.reinfDepth, bar.depth);
  }

  // The steel shapes, and the part of them that lies in the concrete, cut as the strength walk cuts them.
  std::vector<Piece> steel, displaced;
  for (int i = 1; i <= ListSize(m.nb); ++i) {
    const SteelRect& b = m.steelRects[static_cast<size_t>(i)];
    const double area = static_cast<double>(b.Wb) * b.Db;
    const double width2 = static_cast<double>(b.Wb) * b.Wb;
    steel.push_back({area, b.Ytb + b.Db / 2.0, area * b.Db * b.Db / 12.0, b.Xcb, area * width2 / 12.0});
    const std::vector<Strip> strips = SteelRectPieces(m, i, m.binc);
    const double thickness = static_cast<double>(b.Db) / static_cast<double>(strips.size());
    AddDisplaced(strips, steel.back(), strips.front().area * thickness * thickness / 12.0, width2, displaced);
  }
  for (int i = 1; i <= ListSize(m.np); ++i) {
    const SteelPipe& pipe = m.pipes[static_cast<size_t>(i)];
    const double outer = pipe.Rcp + pipe.tp / 2.0, inner = pipe.Rcp - pipe.tp / 2.0;
    const double own = kPi * (outer * outer * outer * outer - inner * inner * inner * inner) / 4.0;
    steel.push_back({kTwoPi * pipe.Rcp * pipe.tp, static_cast<double>(pipe.Ycp), own, pipe.Xcp, own});
    AddDisplaced(PipePieces(m, i, m.pinc), steel.back(), 0.0, 0.0, displaced);
  }
  double displacedArea = 0, displacedMoment = 0, displacedMomentX = 0;
  for (const Piece& piece : displaced) {
    displacedArea += piece.area;
    displacedMoment += piece.area * piece.depth;
    displacedMomentX += piece.area * piece.x;
  }
  p.steelDisplacedArea = static_cast<float>(displacedArea);

  const bool hasConcrete = m.nr >= 1 || m.nc >= 1 || m.npg >= 1;
  const bool hasBars = m.nl >= 1 || m.na >= 1 || m.nsb >= 1;
  const bool hasSteel = m.nb >= 1 || m.np >= 1;
  Centroid(concrete, hasConcrete, p.concArea, p.concYbar, p.concIo);
  p.concXbar = CentroidX(concrete);
  Centroid(bars, hasBars, p.reinfArea, p.reinfYbar, p.reinfIo);
  p.reinfXbar = CentroidX(bars);
  Centroid(steel, hasSteel, p.steelArea, p.steelYbar, p.steelIo);
  p.steelXbar = CentroidX(steel);
  OffAxis(concrete, p.concXbar, p.concYbar, p.concIoY, p.concIxyO);
  OffAxis(bars, p.reinfXbar, p.reinfYbar, p.reinfIoY, p.reinfIxyO);
  OffAxis(steel, p.steelXbar, p.steelYbar, p.steelIoY, p.steelIxyO);

  // Records that cancel to no area have no centroid; nothing can be computed from such a group.
  if (hasConcrete && !(p.concArea > 0)) {
    p.problem = SectionProblem::NoConcreteArea;
  } else if (hasBars && !(p.reinfArea > 0)) {
    p.problem = SectionProblem::NoReinforcingArea;
  } else if (hasSteel && !(p.steelArea > 0)) {
    p.problem = SectionProblem::NoSteelArea;
  } else if (!hasConcrete && !hasBars && !hasSteel) {
    p.problem = SectionProblem::NoMaterial;
  } else if ((hasBars || hasSteel) && !(m.Ec > 0)) {
    p.problem = SectionProblem::NoConcreteModulus;
  }

  if (p.problem == SectionProblem::None) {
    const double nR = hasBars ? static_cast<double>(m.Er) / m.Ec : 1.0;
    const double nS = hasSteel ? static_cast<double>(m.Es) / m.Ec : 1.0;
    // Steel in the concrete replaces concrete of the gross section: it adds nS - 1 times its area, steel
    // outside the concrete nS times.
    const double transArea = (nR - 1) * p.reinfArea + p.concArea + nS * p.steelArea - displacedArea;
    if (!(transArea > 0)) {
      p.problem = SectionProblem::NoMaterial;
    } else {
      p.transArea = static_cast<float>(transArea);
      // A coordinate of the transformed centroid from the groups' centroids and the displaced first moment.
      const auto centroid = [&](float conc, float reinf, float steel, double displacedFirst) {
        return ((nR - 1) * p.reinfArea * reinf + static_cast<double>(p.concArea) * conc +
                nS * p.steelArea * steel - displacedFirst) /
               transArea;
      };
      const double yt = centroid(p.concYbar, p.reinfYbar, p.steelYbar, displacedMoment);
      const double xt = centroid(p.concXbar, p.reinfXbar, p.steelXbar, displacedMomentX);
      p.transYbar = static_cast<float>(yt);
      p.transXbar = static_cast<float>(xt);
      // Parallel axes: a second moment (or product) io about the group's centroid (a, b) moved to (at, bt).
      const auto moved = [](float io, float area, double a, double at, double b, double bt) {
        return static_cast<float>(io + static_cast<double>(area) * (a - at) * (b - bt));
      };
      p.concI = moved(p.concIo, p.concArea, p.concYbar, yt, p.concYbar, yt);
      p.reinfI = moved(p.reinfIo, p.reinfArea, p.reinfYbar, yt, p.reinfYbar, yt);
      p.steelI = moved(p.steelIo, p.steelArea, p.steelYbar, yt, p.steelYbar, yt);
      p.concIY = moved(p.concIoY, p.concArea, p.concXbar, xt, p.concXbar, xt);
      p.reinfIY = moved(p.reinfIoY, p.reinfArea, p.reinfXbar, xt, p.reinfXbar, xt);
      p.steelIY = moved(p.steelIoY, p.steelArea, p.steelXbar, xt, p.steelXbar, xt);
      p.concIxy = moved(p.concIxyO, p.concArea, p.concXbar, xt, p.concYbar, yt);
      p.reinfIxy = moved(p.reinfIxyO, p.reinfArea, p.reinfXbar, xt, p.reinfYbar, yt);
      p.steelIxy = moved(p.steelIxyO, p.steelArea, p.steelXbar, xt, p.steelYbar, yt);
      double displacedI = 0, displacedIY = 0, displacedIxy = 0;
      for (const Piece& piece : displaced) {
        displacedI += piece.ownInertia + piece.area * (yt - piece.depth) * (yt - piece.depth);
        displacedIY += piece.ownInertiaY + piece.area * (xt - piece.x) * (xt - piece.x);
        displacedIxy += piece.ownProduct + piece.area * (piece.x - xt) * (piece.depth - yt);
      }
      // Bars count nR - 1 times, steel shapes nS times less the concrete they displace.
      const auto transformed = [nR, nS](float conc, float reinf, float steel, double displacedPart) {
        return static_cast<float>(conc + (nR - 1) * reinf + nS * steel - displacedPart);
      };
      p.transI = transformed(p.concI, p.reinfI, p.steelI, displacedI);
      p.transIY = transformed(p.concIY, p.reinfIY, p.steelIY, displacedIY);
      p.transIxy = transformed(p.concIxy, p.reinfIxy, p.steelIxy, displacedIxy);
      p.concPrincipal = Principal(p.concIo, p.concIoY, p.concIxyO);
      p.reinfPrincipal = Principal(p.reinfIo, p.reinfIoY, p.reinfIxyO);
      p.steelPrincipal = Principal(p.steelIo, p.steelIoY, p.steelIxyO);
      p.transPrincipal = Principal(p.transI, p.transIY, p.transIxy);
      p.concRx = Radius(p.concIo, p.concArea), p.concRy = Radius(p.concIoY, p.concArea);
      p.reinfRx = Radius(p.reinfIo, p.reinfArea), p.reinfRy = Radius(p.reinfIoY, p.reinfArea);
      p.steelRx = Radius(p.steelIo, p.steelArea), p.steelRy = Radius(p.steelIoY, p.steelArea);
      p.transRx = Radius(p.transI, p.transArea), p.transRy = Radius(p.transIY, p.transArea);
    }
  }

  p.cBalanced = BalancedNeutralAxisDepth(m, p.reinfDepth, p.steelDepth);
  m.sectionProperties = p;
}

}  // namespace tarnix
