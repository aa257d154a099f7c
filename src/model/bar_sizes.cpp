#include "model/bar_sizes.h"

#include <cctype>
#include <string>

namespace tarnix {
namespace {

constexpr float kMmPerInch = 25.4f;

std::string Normalised(std::string_view name) {
  std::string s;
  for (char c : name)
    if (!std::isspace(static_cast<unsigned char>(c))) s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

float BarSize::DiameterIn(UnitSystem units) const {
  const bool native = (series == BarSeries::UsCustomary) == units.IsEnglish();
  if (native) return diameter;
  return units.IsEnglish() ? diameter / kMmPerInch : diameter * kMmPerInch;
}

float BarSize::AreaIn(UnitSystem units) const {
  const bool native = (series == BarSeries::UsCustomary) == units.IsEnglish();
  if (native) return area;
  const float f = kMmPerInch * kMmPerInch;
  return units.IsEnglish() ? area / f : area * f;
}

const std::vector<BarSize>& AllBarSizes() {
  using S = BarSeries;
  // ASTM A615 Table 1: nominal diameter (in) and area (in^2).
  // CSA G30.18 Table 1: nominal diameter (mm) and area (mm^2).
  // EN 10080 / ISO 6935-2: nominal diameter (mm); area pi d^2 / 4 rounded to 0.1 mm^2.
  static const std::vector<BarSize> kSizes = {
      {"#3", S::UsCustomary, 0.375f, 0.11f},     {"#4", S::UsCustomary, 0.500f, 0.20f},
      {"#5", S::UsCustomary, 0.625f, 0.31f},     {"#6", S::UsCustomary, 0.750f, 0.44f},
      {"#7", S::UsCustomary, 0.875f, 0.60f},     {"#8", S::UsCustomary, 1.000f, 0.79f},
      {"#9", S::UsCustomary, 1.128f, 1.00f},     {"#10", S::UsCustomary, 1.270f, 1.27f},
      {"#11", S::UsCustomary, 1.410f, 1.56f},    {"#14", S::UsCustomary, 1.693f, 2.25f},
      {"#18", S::UsCustomary, 2.257f, 4.00f},
      {"10M", S::CanadianMetric, 11.3f, 100.0f}, {"15M", S::CanadianMetric, 16.0f, 200.0f},
      {"20M", S::CanadianMetric, 19.5f, 300.0f}, {"25M", S::CanadianMetric, 25.2f, 500.0f},
      {"30M", S::CanadianMetric, 29.9f, 700.0f}, {"35M", S::CanadianMetric, 35.7f, 1000.0f},
      {"45M", S::CanadianMetric, 43.7f, 1500.0f}, {"55M", S::CanadianMetric, 56.4f, 2500.0f},
      {"10 mm", S::Millimetre, 10.0f, 78.5f},    {"12 mm", S::Millimetre, 12.0f, 113.1f},
      {"14 mm", S::Millimetre, 14.0f, 153.9f},   {"16 mm", S::Millimetre, 16.0f, 201.1f},
      {"20 mm", S::Millimetre, 20.0f, 314.2f},   {"25 mm", S::Millimetre, 25.0f, 490.9f},
      {"28 mm", S::Millimetre, 28.0f, 615.8f},   {"32 mm", S::Millimetre, 32.0f, 804.2f},
      {"40 mm", S::Millimetre, 40.0f, 1256.6f},
  };
  return kSizes;
}

std::vector<BarSize> BarSizesFor(UnitSystem units) {
  std::vector<BarSize> out;
  for (const BarSize& b : AllBarSizes())
    if ((b.series == BarSeries::UsCustomary) == units.IsEnglish()) out.push_back(b);
  return out;
}

std::optional<BarSize> FindBarSize(std::string_view name) {
  const std::string key = Normalised(name);
  if (key.empty()) return std::nullopt;
  for (const BarSize& b : AllBarSizes())
    if (Normalised(b.name) == key) return b;
  return std::nullopt;
}

}  // namespace tarnix
