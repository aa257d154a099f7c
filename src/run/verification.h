// Worked examples with independently computed results: reading their expected values, running them
// through the analyses and comparing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnix {

/// One expected result of a worked example: a quantity name from the vocabulary below, the value in the
/// example's internal units (lb, lb-in, in, psi or N, N-mm, mm, MPa) and the relative tolerance.
///
/// Vocabulary:
///   section properties by field name: sectionDepth, steelDepth, reinfDepth, cBalanced, concArea, concYbar,
///     concIo, concI, reinfArea, reinfYbar, reinfIo, reinfI, steelArea, steelYbar, steelIo, steelI,
///     transArea, transYbar, transI, and about the vertical axis concXbar, concIoY, concIxyO, transXbar,
///     transIY, transIxy;
///   interaction diagram: PnMax, tensionPn (point 1), pureBendingPn, pureBendingMn, balancedDepth,
///     balancedPn, balancedMn;
///   load capacity of load condition i: "capPhi i", "capAxial i", "capMoment i";
///   biaxial capacity of load condition i (a project in two dimensions): "biaxAngle i" (neutral-axis angle,
///     degrees), "biaxDepth i", "biaxPhi i", "biaxAxial i", "biaxMomentX i", "biaxMomentY i";
///   slenderness of load condition i (no value when the load got a slenderness message): "Mc i" (magnified
///     moment, also of a slender wall), "McY i" (magnified moment about the vertical axis), "Cm i", "deltaNs i", "deltaS i", "M2min i" (0 unless the minimum
///     moment governed), "phiMnAse i" (slender wall capacity);
///   confinement (worked out on a copy of the model from its confinement steel): fcc, ecu;
///   moment-curvature point of load condition i at top-fibre strain e: "mcMoment i at strain e",
///     "mcDepth i at strain e", "mcAxial i at strain e".
struct VerificationCheck {
  std::string quantity;
  double expected = 0;
  double tolerance = 0;
};

/// Reads the text of a ".expected" file: lines "quantity = value tolerance"; blank lines and lines
/// starting with '#' are notes. Returns the problem ("line 4: unknown quantity fc") and leaves `checks`
/// empty when a line is malformed, a quantity is not in the vocabulary, a tolerance is negative or the
/// file holds no check at all.
std::string ParseExpectedText(std::string_view text, std::vector<VerificationCheck>& checks);

/// One compared result. `deviation` is |computed - expected| / |expected| (the absolute difference when
/// the expected value is 0). When the example cannot be run or the quantity has no value (no diagram
/// point, no moment-curvature point at that strain) `problem` says why and the check fails.
struct VerificationRow {
  std::string caseName;
  std::string quantity;
  double expected = 0;
  double computed = 0;
  double deviation = 0;
  double tolerance = 0;
  bool pass = false;
  std::string problem;
};

/// Checks the worked example `expectedPath` (NAME.expected) against the project file NAME.json beside it,
/// or else the input file NAME.in,
/// loaded and run through every analysis as the batch tool runs it. A file that cannot be read or
/// parsed, or an input that does not load or is incomplete, gives one failing row with the reason.
std::vector<VerificationRow> VerifyCase(const std::string& expectedPath);

/// Every NAME.expected in `folder`, in name order. A folder without any gives one failing row.
std::vector<VerificationRow> VerifyFolder(const std::string& folder);

/// The table of expected versus computed values with the deviation and the verdict of every row, and a
/// last line "N of M checks passed".
std::string FormatVerificationTable(const std::vector<VerificationRow>& rows);

/// True when every row passed (and there is at least one).
bool AllPassed(const std::vector<VerificationRow>& rows);

}  // namespace tarnix
