// Number forms of the input file, the editors and exported tables.
#include "base/number_format.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace tarnix {
namespace {

// Shortest round-trip digits of `value` split into sign, significant digits and decimal exponent, so that
// value = sign 0.d1d2d3... x 10^(exponent + 1), i.e. d1 is the digit at 10^exponent.
struct Digits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

const char* NonFiniteToken(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

// Splits the scientific form written by to_chars ("-2.9e+07") into sign, digits and exponent.
Digits SplitScientific(std::string_view text) {
  Digits d;
  size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] != '.') d.digits += text[i];
  }
  d.exponent = std::atoi(std::string(text.substr(i + 1)).c_str());
  return d;
}

template <typename T>
Digits ShortestDigits(T value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  return SplitScientific(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

// Digits of `value` rounded to 7 significant digits, trailing zeros removed.
Digits SevenDigits(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 6);
  Digits d = SplitScientific(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Writes digits in the program's plain form: no zero before the point, exponent form with a signed
// two-digit exponent from 10^exponentFrom upward and below 1E-04.
std::string LayOut(const Digits& d, int exponentFrom) {
  std::string out = d.negative ? "-" : "";
  const int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent >= exponentFrom || d.exponent < -4) {
    out += d.digits[0];
    if (digitCount > 1) out += "." + d.digits.substr(1);
    out += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  } else if (d.exponent >= 0) {
    const int integerDigits = d.exponent + 1;
    if (digitCount <= integerDigits) {
      out += d.digits + std::string(static_cast<size_t>(integerDigits - digitCount), '0');
    } else {
      out += d.digits.substr(0, static_cast<size_t>(integerDigits)) + "." +
             d.digits.substr(static_cast<size_t>(integerDigits));
    }
  } else {
    out += "." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
  }
  return out;
}

template <typename T>
std::string FormatFileNumber(T value, int exponentFrom) {
  if (!std::isfinite(value)) return NonFiniteToken(value);
  if (value == 0) return "0";
  return LayOut(ShortestDigits(value), exponentFrom);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Length of the decimal number at the start of `text` (sign, digits, point, complete exponent), 0 if none.
size_t LeadingNumberLength(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const size_t exponentStart = j;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j > exponentStart) i = j;
  }
  return i;
}

// Converts a text that is exactly one decimal number (as found by LeadingNumberLength).
template <typename T>
std::optional<T> ConvertNumber(std::string_view number) {
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  T value{};
  auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc() || result.ptr != number.data() + number.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

template <typename T>
std::optional<T> ParseExactNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty() || LeadingNumberLength(text) != text.size()) return std::nullopt;
  return ConvertNumber<T>(text);
}

template <typename T>
T LenientNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const size_t length = LeadingNumberLength(text);
  if (length == 0) return 0;
  return ConvertNumber<T>(text.substr(0, length)).value_or(T{0});
}

std::optional<int> NearestInt(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
  if (rounded < static_cast<double>(INT_MIN) || rounded > static_cast<double>(INT_MAX)) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return NonFiniteToken(value);
  if (value == 0) return "0";
  return LayOut(SevenDigits(value), 7);
}

std::string FormatReportNumber(double value) {
  const std::string text = FormatGeneral(value);
  return (text[0] == '-' ? "" : " ") + text + " ";
}

std::string FormatPlain(double value) {
  std::string text = FormatGeneral(value);
  if (text[0] == '.') return "0" + text;
  if (text.compare(0, 2, "-.") == 0) return "-0" + text.substr(1);
  return text;
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteToken(value);
  double rounded = RoundHalfAway(value, decimals);
  if (rounded == 0) rounded = 0;  // no "-0.0"
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

std::string FormatWholeWithPoint(double value) {
  if (!std::isfinite(value)) return NonFiniteToken(value);
  return FormatFixed(value, 0) + ".";
}

std::string FormatFixedExponent(double value, int decimals) {
  if (!std::isfinite(value)) return NonFiniteToken(value);
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value == 0 ? 0.0 : value,
                              std::chars_format::scientific, decimals);
  std::string text(buffer, result.ptr);
  // to_chars writes at least two exponent digits ("e+04"); the report form is "E+04".
  const size_t e = text.find('e');
  text[e] = 'E';
  return text;
}

std::string FormatFileFloat(float value) { return FormatFileNumber(value, 7); }
std::string FormatFileDouble(double value) { return FormatFileNumber(value, 15); }

std::string FormatFullPrecision(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string FormatFullPrecision(float value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<float> ParseFileFloat(std::string_view text) { return ParseExactNumber<float>(text); }
std::optional<double> ParseFileDouble(std::string_view text) { return ParseExactNumber<double>(text); }

std::optional<int> ParseFileInt(std::string_view text) {
  const auto value = ParseFileDouble(text);
  if (!value) return std::nullopt;
  return NearestInt(*value);
}

float LenientFloat(std::string_view text) { return LenientNumber<float>(text); }
double LenientDouble(std::string_view text) { return LenientNumber<double>(text); }

std::optional<int> LenientCount(std::string_view text) { return NearestInt(LenientDouble(text)); }

double RoundHalfAway(double x, int decimals) {
  const double scale = std::pow(10.0, decimals);
  // Decimal halves such as 0.8125 or 12.35 are rarely exact in binary and may land a hair below the half;
  // a relative nudge far above that representation error and far below any digit that matters takes
  // them to the half they stand for.
  const double scaled = x * scale;
  return std::round(scaled + scaled * 1e-12) / scale;
}

}  // namespace tarnix
