#include "model/design_settings.h"

#include <algorithm>

#include "model/bar_sizes.h"
#include "model/project_model.h"

namespace tarnix {

const char* BarPatternKey(BarPattern pattern) {
  return pattern == BarPattern::Circular ? "circular" : "rectangular";
}

std::optional<BarPattern> BarPatternFromKey(const std::string& key) {
  for (BarPattern p : {BarPattern::Rectangular, BarPattern::Circular})
    if (key == BarPatternKey(p)) return p;
  return std::nullopt;
}

void ChooseBarPattern(DesignSettings& s, BarPattern pattern) {
  const bool circle = pattern == BarPattern::Circular;
  s.pattern = pattern;
  s.minBars = circle ? 6 : 2;
  s.maxBars = circle ? 24 : 10;
}

DesignSettings DefaultDesignSettings(const ProjectModel& m) {
  DesignSettings s;
  const bool english = m.unitSystem().IsEnglish();
  const bool circle = ListSize(m.nc) == 1 && ListSize(m.nr) == 0;
  ChooseBarPattern(s, circle ? BarPattern::Circular : BarPattern::Rectangular);
  s.cover = english ? 1.5f : 40.0f;
  s.tie = english ? "#4" : "10M";
  // Sizes left open: those of the tie's own series (US sizes, or the Canadian metric sizes beside a 10M
  // tie), whatever tie the engineer chooses after.
  return s;
}

std::vector<std::string> SizesOfSeriesOf(const std::string& name) {
  std::vector<std::string> names;
  const std::optional<BarSize> bar = FindBarSize(name);
  for (const BarSize& b : AllBarSizes())
    if (bar && b.series == bar->series) names.emplace_back(b.name);
  return names;
}

std::string JoinBarSizeNames(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

std::optional<std::vector<std::string>> SplitBarSizeNames(const std::string& text) {
  std::vector<std::string> names;
  if (text.find_first_not_of(' ') == std::string::npos) return names;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find(',', start), text.size());
    const std::optional<BarSize> size = FindBarSize(text.substr(start, end - start));
    if (!size) return std::nullopt;
    names.emplace_back(size->name);
    start = end + 1;
  }
  return names;
}

}  // namespace tarnix
