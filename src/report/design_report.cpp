// DESIGN section of the report: the settings of the bar design search, the lightest arrangement that
// carries every load condition, then every passing and every rejected arrangement.
#include "report/design_report.h"

#include "base/number_format.h"
#include "criteria/criteria.h"

namespace tarnix {
namespace {

// Lengths to two decimals in inches, one in millimetres; areas to two decimals in in^2, whole mm^2.
int LengthDecimals(UnitSystem u) { return u.IsEnglish() ? 2 : 1; }
int AreaDecimals(UnitSystem u) { return u.IsEnglish() ? 2 : 0; }

std::string Percent(double ratio, int decimals) { return FormatFixed(100.0 * ratio, decimals) + " %"; }
std::string PercentLimit(double ratio) { return FormatGeneral(RoundHalfAway(100.0 * ratio, 2)) + " %"; }

// "3 x 4": bars on each horizontal face by bars on each vertical face; "-" on a circle.
std::string PerFace(const DesignCandidate& c) {
  return c.barsY > 0 ? std::to_string(c.barsX) + " x " + std::to_string(c.barsY) : "-";
}

void Line(ReportWriter& out, const char* label, const std::string& text) {
  out.Blanks(10).Text(label).Text(text).EndLine();
}

void Settings(const ProjectModel& m, const DesignResult& r, ReportWriter& out) {
  const DesignSettings& s = r.settings;
  const UnitSystem u = m.unitSystem();
  const std::string length = std::string(" ") + u.Label(UnitKind::Length);
  const bool rect = s.pattern == BarPattern::Rectangular;
  Line(out, "Bar pattern          = ",
       std::string(BarPatternKey(s.pattern)) + (rect ? ", bars per face (corners included) " : ", bars ") +
           std::to_string(s.minBars) + " to " + std::to_string(s.maxBars));
  Line(out, "Bar sizes            = ", s.fixedSize.empty() ? JoinBarSizeNames(s.sizes) : s.fixedSize);
  if (s.fixedCount > 0) Line(out, "Bars in all          = ", std::to_string(s.fixedCount));
  if (rect) {
    Line(out, "Cover to the tie     = ", FormatFixed(s.cover, LengthDecimals(u)) + length + ", tie " + s.tie);
  } else {
    // Bars on an arc make a spiral column wherever the program meets them (phi and axial cap).
    Line(out, "Cover to the spiral  = ",
         FormatFixed(s.cover, LengthDecimals(u)) + length + ", spiral " + s.tie +
             " (bars on a circle: a spiral column)");
  }
  if (!r.problem.empty()) return;
  Line(out,
       "Gross concrete area  = ", FormatFixed(r.grossArea, AreaDecimals(u)) + " " + u.Label(UnitKind::Area));
  Line(out, "Steel ratio          = ",
       PercentLimit(r.minRatio) + " to " + PercentLimit(r.maxRatio) + " of the gross area (limits of " +
           CriteriaFor(m.criteria).caption + ")");
  Line(
      out, "Clear spacing        = ",
      "at least the larger of " + FormatGeneral(r.spacingFloor) + length + " and 1.5 db (ACI 318-19 25.2.3)");
  out.Blanks(33).Text("(the aggregate size is not modelled: check 4/3 of it by hand)").EndLine();
  Line(out, "Loads                = ", "every load carried in full: utilisation at most 1.000");
}

void TableHeading(ReportWriter& out, bool passing) {
  out.Column(6).Text("No").Column(11).Text("Bars").Column(17).Text("Size").Column(25).Text("Per face");
  out.Column(36).Text("As").Column(46).Text("rho %").Column(55).Text("Clear").Column(64).Text("Min");
  if (passing) {
    out.Column(73).Text("Utilisation").Column(86).Text("Load").EndLine();
  } else {
    out.Column(73).Text("Reason").EndLine();
  }
  out.EmptyLine();
}

void Row(const ProjectModel& m, const DesignResult& r, const DesignCandidate& c, int number,
         ReportWriter& out) {
  const UnitSystem u = m.unitSystem();
  out.Column(6).Text(std::to_string(number)).Column(11).Text(std::to_string(c.count)).Column(17).Text(c.size);
  out.Column(25).Text(PerFace(c)).Column(36).Fixed(c.steelArea, AreaDecimals(u));
  out.Column(46).Fixed(100.0 * c.rho, 2).Column(55).Fixed(c.clearSpacing, LengthDecimals(u));
  out.Column(64).Fixed(c.minSpacing, LengthDecimals(u));
  if (c.rejection == DesignRejection::None) {
    out.Column(73).Fixed(c.utilisation, 3).Column(86).Text(std::to_string(c.worstLoad)).EndLine();
  } else {
    out.Column(73).Text(DesignReasonText(m, r, c)).EndLine();
  }
}

}  // namespace

std::string DesignReasonText(const ProjectModel& m, const DesignResult& r, const DesignCandidate& c) {
  const int decimals = LengthDecimals(m.unitSystem());
  switch (c.rejection) {
    case DesignRejection::None:
      return {};
    case DesignRejection::NoFit:
      return "bars do not fit inside the cover";
    case DesignRejection::Spacing:
      return "clear spacing " + FormatFixed(c.clearSpacing, decimals) + " below " +
             FormatFixed(c.minSpacing, decimals);
    case DesignRejection::RatioLow:
      return "steel ratio " + Percent(c.rho, 2) + " below " + PercentLimit(r.minRatio);
    case DesignRejection::RatioHigh:
      return "steel ratio " + Percent(c.rho, 2) + " above " + PercentLimit(r.maxRatio);
    case DesignRejection::Load:
      if (c.failedLoad == 0) return "section not analysed: " + c.loadProblem;
      return "load condition " + std::to_string(c.failedLoad) + ": " + c.loadProblem;
    case DesignRejection::NotChecked:
      return "not checked: heavier than the best";
  }
  return {};
}

void WriteDesignReport(const ProjectModel& m, ReportWriter& out) {
  const DesignResult& r = m.designResult;
  out.EmptyLine();
  out.SectionHeading("D E S I G N   O F   T H E   B A R S");
  out.EmptyLine();
  out.SubHeading("DESIGN: THE LIGHTEST BAR ARRANGEMENT THAT CARRIES EVERY LOAD CONDITION");
  out.EmptyLine();
  Settings(m, r, out);
  out.EmptyLine();
  if (!r.problem.empty()) {
    out.Blanks(5).Text("*** No design: " + r.problem).EndLine();
    return;
  }
  const UnitSystem u = m.unitSystem();
  if (r.passing > 0) {
    const DesignCandidate& best = r.candidates.front();
    out.Blanks(5)
        .Text("Best arrangement: " + std::to_string(best.count) + " " + best.size +
              (best.barsY > 0 ? " (" + PerFace(best) + " bars per face)" : " on a circle") +
              ", As = " + FormatFixed(best.steelArea, AreaDecimals(u)) + " " + u.Label(UnitKind::Area) +
              ", rho = " + Percent(best.rho, 2) + ", utilisation " + FormatFixed(best.utilisation, 3) +
              " (load condition " + std::to_string(best.worstLoad) + ")")
        .EndLine();
  } else {
    out.Blanks(5).Text("*** No design: " + r.nothingFound).EndLine();
  }
  const size_t total = r.candidates.size();
  const size_t passing = static_cast<size_t>(r.passing);
  out.EmptyLine();
  out.Blanks(5)
      .Text(std::to_string(passing) + " OF " + std::to_string(total) + " ARRANGEMENTS PASS:")
      .EndLine();
  out.Blanks(5)
      .Text("(Bars in all; per face: top and bottom x left and right; As in " +
            std::string(u.Label(UnitKind::Area)) + "; clear and least spacing in " +
            u.Label(UnitKind::Length) + ")")
      .EndLine();
  out.EmptyLine();
  if (passing > 0) {
    TableHeading(out, true);
    for (size_t k = 0; k < passing; ++k) Row(m, r, r.candidates[k], static_cast<int>(k + 1), out);
    out.EmptyLine();
  }
  if (passing < total) {
    out.Blanks(5).Text("REJECTED ARRANGEMENTS:").EndLine();
    out.EmptyLine();
    TableHeading(out, false);
    for (size_t k = passing; k < total; ++k) Row(m, r, r.candidates[k], static_cast<int>(k + 1), out);
  }
}

}  // namespace tarnix
