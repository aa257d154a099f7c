#include "run/design_search.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/conventions.h"
#include "base/number_format.h"
#include "criteria/bar_ratio_limits.h"
#include "model/bar_sizes.h"
#include "model/material_defaults.h"
#include "model/model_edits.h"
#include "run/calculation_run.h"
#include "section/section_properties.h"
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

// ACI 318-19 25.2.3: clear spacing of the longitudinal bars of a column at least the greatest of 1.5 in
// (40 mm), 1.5 db and 4/3 of the aggregate size; the aggregate is not part of the model.
constexpr float kSpacingFloorInches = 1.5f;
constexpr float kSpacingFloorMillimetres = 40.0f;
constexpr float kSpacingBarDiameters = 1.5f;

// Sizes compared in single precision: a spacing or ratio that equals its limit to the rounding of the
// arithmetic meets it, and steel areas that differ by no more are equal.
constexpr float kLimitTolerance = 1e-5f;

// The one concrete shape the pattern places its bars in.
struct Outline {
  float x = 0, top = 0, width = 0, depth = 0;  // rectangle; a circle's top is its centre's depth less R
  float radius = 0;                            // circle
};

// The concrete outline the pattern needs, or why the model has none.
std::string OutlineOf(const ProjectModel& m, BarPattern pattern, Outline& o) {
  const bool onlyRect = ListSize(m.nr) == 1 && ListSize(m.nc) == 0 && ListSize(m.npg) == 0;
  const bool onlyCircle = ListSize(m.nc) == 1 && ListSize(m.nr) == 0 && ListSize(m.npg) == 0;
  if (pattern == BarPattern::Rectangular) {
    if (!onlyRect || m.rects[1].rsign != 1)
      return "the rectangular pattern needs a section of one concrete rectangle";
    const ConcreteRect& r = m.rects[1];
    o.x = r.X, o.top = r.Yt, o.width = r.W, o.depth = r.D;
  } else {
    if (!onlyCircle || m.circles[1].csign != 1)
      return "the circular pattern needs a section of one concrete circle";
    const ConcreteCircle& c = m.circles[1];
    o.x = c.Xc, o.top = c.Yc - c.Rc, o.radius = c.Rc, o.width = o.depth = 2 * c.Rc;
  }
  if (!(o.width > 0) || !(o.depth > 0)) return "the concrete outline has no size";
  return {};
}

// Distance from the concrete face to the centre of a corner bar.
float Inset(const DesignSettings& s, float tieDiameter, float barDiameter) {
  return s.cover + tieDiameter + barDiameter / 2;
}

// A bar position as an engineer writes it: to 0.0001 of the length unit, so that a saved model reads
// "2.564", not the "2.5640001" of single-precision sums (the search checks the rounded positions).
float Tidy(double length) { return static_cast<float>(RoundHalfAway(length, 4)); }

// The bar sizes the settings allow, or why not.
std::string SizesOf(const DesignSettings& s, std::vector<BarSize>& sizes) {
  std::vector<std::string> names = s.sizes;
  if (!s.fixedSize.empty()) names = {s.fixedSize};
  if (names.empty()) names = SizesOfSeriesOf(s.tie);
  for (const std::string& name : names) {
    const std::optional<BarSize> b = FindBarSize(name);
    if (!b) return "unknown bar size \"" + name + "\"";
    sizes.push_back(*b);
  }
  return {};
}

// The geometry and the code limits of one candidate, before any load is checked.
void Measure(const DesignSettings& s, const Outline& o, float tieDiameter, const DesignResult& r,
             DesignCandidate& c) {
  const float e = Inset(s, tieDiameter, c.diameter);
  c.steelArea = static_cast<float>(c.count) * c.barArea;
  c.rho = c.steelArea / r.grossArea;
  c.minSpacing = std::max(r.spacingFloor, kSpacingBarDiameters * c.diameter);
  bool fits;
  if (s.pattern == BarPattern::Rectangular) {
    const float spanX = o.width - 2 * e, spanY = o.depth - 2 * e;
    fits = spanX > 0 && spanY > 0;
    c.clearSpacing =
        std::min(spanX / static_cast<float>(c.barsX - 1), spanY / static_cast<float>(c.barsY - 1)) -
        c.diameter;
  } else {
    const float radius = o.radius - e;
    fits = radius > 0;
    c.clearSpacing = static_cast<float>(2 * radius * std::sin(kPi / c.barsX)) - c.diameter;
  }
  if (!fits) {
    c.rejection = DesignRejection::NoFit;
  } else if (c.rho < r.minRatio * (1 - kLimitTolerance)) {
    c.rejection = DesignRejection::RatioLow;
  } else if (c.rho > r.maxRatio * (1 + kLimitTolerance)) {
    c.rejection = DesignRejection::RatioHigh;
  } else if (c.clearSpacing < c.minSpacing * (1 - kLimitTolerance)) {
    c.rejection = DesignRejection::Spacing;
  }
}

// Every arrangement of the settings, measured against the limits.
std::vector<DesignCandidate> Candidates(const ProjectModel& m, const DesignSettings& s, const Outline& o,
                                        float tieDiameter, const std::vector<BarSize>& sizes,
                                        const DesignResult& r) {
  const UnitSystem units = m.unitSystem();
  const bool rect = s.pattern == BarPattern::Rectangular;
  std::vector<DesignCandidate> out;
  for (const BarSize& b : sizes) {
    for (int nx = s.minBars; nx <= s.maxBars; ++nx) {
      for (int ny = rect ? s.minBars : 0; ny <= (rect ? s.maxBars : 0); ++ny) {
        DesignCandidate c;
        c.barsX = nx, c.barsY = ny;
        c.count = rect ? 2 * nx + 2 * ny - 4 : nx;
        if (s.fixedCount > 0 && c.count != s.fixedCount) continue;
        c.size = std::string(b.name);
        c.diameter = b.DiameterIn(units);
        c.barArea = b.AreaIn(units);
        Measure(s, o, tieDiameter, r, c);
        out.push_back(c);
      }
    }
  }
  // Lightest first; among equal areas fewer bars, then more bars on the top and bottom faces.
  std::stable_sort(out.begin(), out.end(), [](const DesignCandidate& a, const DesignCandidate& b) {
    if (a.steelArea != b.steelArea) return a.steelArea < b.steelArea;
    if (a.count != b.count) return a.count < b.count;
    return a.barsX > b.barsX;
  });
  return out;
}

// Checks a candidate against every load condition of the model: its worst ratio and the first load the
// section does not carry.
void CheckLoads(const ProjectModel& m, const DesignSettings& s, DesignCandidate& c) {
  ProjectModel trial = WithArrangement(m, s, c);
  RunStrengthAnalyses(trial);
  if (trial.sectionProperties.problem != SectionProblem::None) {
    c.rejection = DesignRejection::Load;
    c.loadProblem = SectionProblemText(trial.sectionProperties.problem);
    return;
  }
  for (int i = 1; i <= ListSize(trial.ns); ++i) {
    const LoadJudgement j = JudgeLoad(trial, i);
    std::string problem = j.problem != nullptr ? j.problem : "";
    // The section analysis lets a demand pass up to 1 % above its capacity, for the rounding of a section
    // the engineer drew; a search would settle in that margin, so a design carries every load in full.
    if (problem.empty() && (LoadBeyondCapacity(trial, i) || j.ratio > 1)) {
      problem = "capacity exceeded (ratio " + FormatFixed(j.ratio, 3) + ")";
    }
    if (j.problem == nullptr && (c.worstLoad == 0 || j.ratio > c.utilisation)) {
      c.utilisation = static_cast<float>(j.ratio);
      c.worstLoad = i;
    }
    if (!problem.empty() && c.failedLoad == 0) {
      c.rejection = DesignRejection::Load;
      c.failedLoad = i;
      c.loadProblem = problem;
    }
  }
}

// "8 %", "4.33 %": a ratio as a percentage to 0.01, as the messages write it.
std::string Percent(float ratio) { return FormatGeneral(RoundHalfAway(100.0 * ratio, 2)) + " %"; }

// Why nothing passed: the load that the strongest candidate within the limits still does not carry (the
// candidates stand in area order), or that no candidate meets the limits.
std::string NothingFound(const DesignResult& r) {
  const DesignCandidate* strongest = nullptr;
  for (const DesignCandidate& c : r.candidates)
    if (c.rejection == DesignRejection::Load) strongest = &c;
  if (strongest == nullptr) {
    return "no candidate meets the steel ratio limits (" + Percent(r.minRatio) + " to " +
           Percent(r.maxRatio) + "), the clear spacing and the cover";
  }
  if (strongest->failedLoad == 0) return "no candidate can be analysed: " + strongest->loadProblem;
  // Within the criteria's maximum where the settings reach it, else up to their strongest arrangement.
  const bool reachesLimit =
      std::any_of(r.candidates.begin(), r.candidates.end(),
                  [](const DesignCandidate& c) { return c.rejection == DesignRejection::RatioHigh; });
  const std::string reach =
      reachesLimit ? "within " + Percent(r.maxRatio) : "up to " + Percent(strongest->rho);
  return "no candidate " + reach + " steel carries load condition " + std::to_string(strongest->failedLoad);
}

std::string SettingsProblem(const DesignSettings& s) {
  const int least = s.pattern == BarPattern::Rectangular ? 2 : 3;
  if (s.minBars < least || s.maxBars < s.minBars) {
    return "the bar counts must run from at least " + std::to_string(least) + " up";
  }
  if (!(s.cover >= 0)) return "the cover must not be negative";
  if (s.fixedCount < 0) return "the fixed bar count must not be negative";
  return {};
}

}  // namespace

LoadJudgement JudgeLoad(const ProjectModel& m, int i) {
  const InteractionDiagram& d = m.interactionDiagram;
  const size_t I = static_cast<size_t>(i);
  if (i < 1 || I >= d.capacity.size()) return {0, "no capacity"};
  const LoadCapacity& cap = d.capacity[I];
  // A section in two dimensions measures a load with a moment against the interaction surface, in the
  // direction of its design moments.
  const BiaxialCapacity* biaxial = BiaxialCheckOf(d, i);
  if (biaxial != nullptr ? !biaxial->found : cap.capFound == 1) return {0, "no capacity"};
  if (!cap.designKnown) return {0, "no design moment"};
  if (cap.secondOrderExceeded) return {0, "second-order moment beyond its limit"};
  if (biaxial != nullptr) return {biaxial->momentRatio, nullptr};
  const float design = cap.checkedMoment;
  const float P = m.loads[I].P;
  // Loads without moment capacity are measured by their axial force; a capacity point with neither axial
  // nor moment capacity is exceeded by any load.
  if (cap.capMoment == 0 && cap.capAxial == 0 && (design != 0 || P != 0)) return {0, "capacity exceeded"};
  const double ratio = cap.capMoment != 0  ? std::abs(design / static_cast<double>(cap.capMoment))
                       : cap.capAxial != 0 ? std::abs(P / static_cast<double>(cap.capAxial))
                                           : 0.0;
  return {ratio, nullptr};
}

ProjectModel WithArrangement(const ProjectModel& m, const DesignSettings& s, const DesignCandidate& c) {
  ProjectModel out = m;
  Outline o;
  OutlineOf(m, s.pattern, o);
  const std::optional<BarSize> tie = FindBarSize(s.tie);
  const float e = Inset(s, tie ? tie->DiameterIn(m.unitSystem()) : 0.0f, c.diameter);
  out.nl = out.na = out.nsb = 0;
  out.singleBars.assign(1, SingleBar{});
  if (s.pattern == BarPattern::Rectangular) {
    // A line along the top face, one of two bars at each level between, one along the bottom face.
    const int levels = c.barsY;
    out.lines.assign(static_cast<size_t>(levels) + 1, ReinforcingLine{});
    const float span = o.depth - 2 * e;
    for (int k = 0; k < levels; ++k) {
      ReinforcingLine& line = out.lines[static_cast<size_t>(k) + 1];
      const bool face = k == 0 || k == levels - 1;
      line.Yb =
          Tidy(k == levels - 1 ? o.top + o.depth - e
                               : o.top + e + span * static_cast<float>(k) / static_cast<float>(levels - 1));
      line.Lb = Tidy(o.width - 2 * e);
      line.Nbl = face ? c.barsX : 2;
      line.Abl = c.barArea;
      line.Xb = o.x;
    }
    out.nl = levels;
  } else {
    out.arcs.assign(2, ReinforcingArc{});
    ReinforcingArc& arc = out.arcs[1];
    arc.Y0 = o.top + o.radius;
    arc.X0 = o.x;
    arc.R0 = Tidy(o.radius - e);
    arc.Abeg = 90;  // the first bar at the top
    arc.Atot = 360;
    arc.Nba = c.barsX;
    arc.Aba = c.barArea;
    out.na = 1;
  }
  out.currentLine = out.currentArc = out.currentSingleBar = 1;
  // Material curves that followed the defaults of the old bars follow those of the new ones, as after an
  // edit of the bars in the window.
  FollowMaterialDefaults(out, m);
  ClearResults(out);
  out.designResult = DesignResult{};
  return out;
}

DesignResult SearchDesign(const ProjectModel& m, const DesignSettings& s) {
  DesignResult r;
  r.ran = true;
  r.settings = s;
  const UnitSystem units = m.unitSystem();
  const BarRatioLimits limits = BarRatioLimitsFor(m.criteria);
  r.minRatio = limits.min;
  r.maxRatio = limits.max;
  r.spacingFloor = units.IsEnglish() ? kSpacingFloorInches : kSpacingFloorMillimetres;

  Outline o;
  std::vector<BarSize> sizes;
  const std::optional<BarSize> tie = FindBarSize(s.tie);
  if (r.problem = OutlineOf(m, s.pattern, o); !r.problem.empty()) return r;
  if (r.problem = SettingsProblem(s); !r.problem.empty()) return r;
  if (!tie) return r.problem = "unknown tie size \"" + s.tie + "\"", r;
  if (r.problem = SizesOf(s, sizes); !r.problem.empty()) return r;
  if (r.settings.sizes.empty()) r.settings.sizes = SizesOfSeriesOf(s.tie);  // as the report shows them
  if (m.L > 0 && m.SlendernessOption == Slenderness::SlenderWall) {
    return r.problem = "a slender wall is designed by its own method, not by the column search", r;
  }
  if (ListSize(m.ns) < 1) return r.problem = "no load conditions to design for", r;
  r.grossArea = s.pattern == BarPattern::Rectangular ? o.width * o.depth
                                                     : static_cast<float>(kPi * o.radius * o.radius);

  std::vector<DesignCandidate> all = Candidates(m, s, o, tie->DiameterIn(units), sizes, r);
  float lightest = -1;  // steel area of the lightest candidate that passed
  for (DesignCandidate& c : all) {
    if (c.rejection != DesignRejection::None) continue;
    // Areas equal but for the rounding of the single-precision products (20 x 0.20 and 4 x 1.00) are equal.
    if (lightest >= 0 && c.steelArea > lightest * (1 + kLimitTolerance) && !s.fullTable) {
      c.rejection = DesignRejection::NotChecked;
      continue;
    }
    CheckLoads(m, s, c);
    if (c.rejection == DesignRejection::None && lightest < 0) lightest = c.steelArea;
  }
  // The passing candidates first, lightest first (ties: fewer bars, then the lower utilisation); the
  // rejected ones after them in area order.
  std::stable_partition(all.begin(), all.end(),
                        [](const DesignCandidate& c) { return c.rejection == DesignRejection::None; });
  r.passing = static_cast<int>(std::count_if(
      all.begin(), all.end(), [](const DesignCandidate& c) { return c.rejection == DesignRejection::None; }));
  std::stable_sort(all.begin(), all.begin() + r.passing,
                   [](const DesignCandidate& a, const DesignCandidate& b) {
                     if (a.steelArea != b.steelArea) return a.steelArea < b.steelArea;
                     if (a.count != b.count) return a.count < b.count;
                     return a.utilisation < b.utilisation;
                   });
  r.candidates = std::move(all);
  if (r.passing == 0) r.nothingFound = NothingFound(r);
  return r;
}

}  // namespace tarnix
