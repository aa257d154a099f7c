// The one place where numbers become text and text becomes numbers: input-file forms, lenient editor
// parsing, rounding rules, and the full-precision form used for exported data.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnix {

/// Single-precision value in the input file's form: the shortest digits that read back to the same float,
/// no leading zero before the point (".85", "-.09"), exponent form with a signed two-digit exponent from
/// 1E+07 upward and below 1E-04 ("2.9E+07", "1E-05"). Zero (of either sign) is "0".
/// Non-finite values have no file form: they give "NaN", "Infinity" or "-Infinity", which no reader accepts.
std::string FormatFileFloat(float value);

/// Double-precision value in the same form, exponent from 1E+15 upward (the loads of the input file).
std::string FormatFileDouble(double value);

/// Shortest round-trip digits in the conventional form with a leading zero ("0.85", "2.9e+07"); used where
/// other programs read the numbers (exported tables).
std::string FormatFullPrecision(double value);
std::string FormatFullPrecision(float value);

/// Report forms. The general form has at most 7 significant digits, no trailing zeros, no zero before the
/// point (".5"), and exponent form from 1E+07 upward and below 1E-04 ("2.9E+07"). A value that is not
/// finite is written as "NaN", "Infinity" or "-Infinity", never as digits.
std::string FormatGeneral(double value);
/// A report Number: the general form with a blank in front of a value that is not negative (the minus sign
/// otherwise) and a blank behind (" 3 ", "-2.5 ").
std::string FormatReportNumber(double value);
/// A labelled value's text: the general form with a zero in front of the point ("0.85", "-0.09").
std::string FormatPlain(double value);
/// A fixed-decimal value: at least one digit before the point and exactly `decimals` decimals, rounded
/// half away from zero ("0.0" pattern: 25 -> "25.0", -0.04 -> "0.0").
std::string FormatFixed(double value, int decimals);
/// A whole number followed by a point, rounded half away from zero (the "0." pattern: 29000.4 -> "29000.").
std::string FormatWholeWithPoint(double value);
/// Scientific form with `decimals` decimals in the mantissa and a signed exponent of at least two digits
/// (the "0.0000E+00" pattern for 4 decimals: 12345 -> "1.2345E+04").
std::string FormatFixedExponent(double value, int decimals);

/// Reads an input-file number item: optional blanks, an optional sign, digits with an optional decimal point
/// (leading zero optional), an optional exponent, optional blanks, and nothing else. Values that do not fit
/// the type (overflow, underflow to zero of a non-zero text) are refused.
std::optional<float> ParseFileFloat(std::string_view text);
std::optional<double> ParseFileDouble(std::string_view text);
/// An integer item; a fractional value is rounded to the nearest integer, halves to the even neighbour.
std::optional<int> ParseFileInt(std::string_view text);

/// The leading number of typed text, or 0 when the text does not start with one (leading blanks are
/// skipped; "12.5 kip" reads 12.5, "abc" reads 0, "1e" reads 1). A number too large for the type reads 0.
float LenientFloat(std::string_view text);
double LenientDouble(std::string_view text);

/// A count typed as text: the leading number rounded to the nearest integer, halves to the even neighbour;
/// empty when the value lies outside the 32-bit integer range.
std::optional<int> LenientCount(std::string_view text);

/// x rounded to `decimals` decimal places, halves away from zero (the program's round0 ... round5 rules);
/// a decimal half that binary arithmetic left a hair below the half counts as the half.
double RoundHalfAway(double x, int decimals);

}  // namespace tarnix
