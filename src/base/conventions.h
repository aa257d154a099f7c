// Conventions shared by every part of the program, stated once.
//
// - Coordinates: a point of the section is (x, y): x to the right, y a depth measured downward from a
//   horizontal reference line at the top. Steel displaces concrete (carries its stress less the
//   concrete's, and counts n - 1 times in the transformed section) only where it lies in the concrete.
//
//          0 ------------> x
//          |    compression side at angle 0
//          |   +-----------+
//          |   |     +     |   Mx > 0: compression at the top
//          v   +-----------+   My > 0: compression on the right
//          y
//
// - Neutral-axis angle theta (degrees): the direction across the neutral axis, pointing from the
//   compression side into the section, is n = (-sin theta, cos theta). Angle 0 puts the compression at
//   the top (bending about the horizontal axis alone), 90 on the right, 180 at the bottom, 270 on the left;
//   for a section symmetric about both axes the moment vector (Mx, My) then points at theta. The depth of
//   a point across the axis is d = n.p - min over the section of n.q; at angle 0 it is y itself.
// - Signs: strains, stresses and axial forces are positive in compression; the strain at depth d for a
//   top-fibre strain e and neutral-axis depth c is (c - d) e / c. Moments are taken about the centroid
//   (xbar, ybar) of the gross concrete section: Mx = sum F (ybar - y), My = sum F (x - xbar).
// - Storage: numbers are single-precision floats, counts, flags and option numbers 32-bit integers; sums
//   inside one step may be carried in double precision.
// - Units: lengths in in or mm, areas in in^2 or mm^2, stresses and moduli in psi or MPa, angles in
//   degrees, all stored as entered. Loads and end moments are stored in lb and lb-in (English) or N and
//   N-mm (metric): the displayed kip, k-ft, kN or kN-m value times the unit factor.
// - Numbering: records, load conditions and stress-strain points are numbered from 1 in every interface;
//   storage index = number, slot 0 is never used.
// - The program uses pi = 3.1416 (2 pi = 6.2832); degrees become radians by x 3.1416 / 180.
#pragma once

namespace tarnix {

constexpr double kPi = 3.1416;
constexpr double kTwoPi = 6.2832;

/// Largest count of one record kind or of the load conditions that the program accepts. Larger counts
/// (a typing slip, a damaged file) are refused rather than allocated.
constexpr int kMaxRecordCount = 10000;

/// Largest number of bars of all lines and arcs together (a real section has a few hundred).
constexpr long long kMaxBarCount = 100000;

/// Largest sizes of input values that the analyses accept. With them every area, force, moment and
/// inertia stays far inside single precision (lengths^4 <= 1E+24, areas x stresses <= 1E+24); larger
/// values are typing slips or damaged files, and would give overflowing results instead of numbers.
constexpr double kMaxLength = 1e6;    ///< dimensions, depths, angles and increments (in, mm, degrees)
constexpr double kMaxArea = 1e12;     ///< bar areas (in^2, mm^2)
constexpr double kMaxStress = 1e12;   ///< strengths, moduli and curve stresses (psi, MPa)
constexpr double kMaxLoad = 1e20;     ///< loads and moments as stored (lb, lb-in, N, N-mm)
constexpr double kMaxFactor = 1e6;    ///< factors, ratios and strains

/// Neutral-axis angles of the interaction surface unless the project sets another count (every 15 degrees).
constexpr int kDefaultSurfaceAngles = 24;

}  // namespace tarnix
