// Idealisation of the moment-curvature curve and member ductility.
#include "curvature/idealization.h"

#include <algorithm>
#include <cmath>

#include "model/project_model.h"
#include "section/mc_events.h"

namespace tarnix {
namespace {

double Curvature(const McPoint& p) { return static_cast<double>(p.strain) / p.depth; }

// Labels of the points: the first point with each yield or spalling event, and every failure point.
std::vector<const char*> EventLabels(const std::vector<McPoint>& points) {
  const McEvent firstTime[] = {McEvent::ReinfTensYield, McEvent::ReinfCompYield, McEvent::ConcSpalling,
                               McEvent::StrSteelTensYield, McEvent::StrSteelCompYield};
  bool pending[5] = {true, true, true, true, true};
  const McEvent failures[] = {McEvent::ConcCompFail, McEvent::ConfReinfFail, McEvent::LongReinfFail,
                              McEvent::StrSteelFail};
  std::vector<const char*> labels(points.size(), "");
  for (size_t j = 0; j < points.size(); ++j) {
    const McEvents events = points[j].events;
    bool labelled = false;
    for (int i = 0; i < 5 && !labelled; ++i) {
      if (pending[i] && events.Has(firstTime[i])) {
        labels[j] = McEventText(firstTime[i]);
        pending[i] = false;
        labelled = true;
      }
    }
    for (McEvent failure : failures) {
      if (labelled) break;
      if (events.Has(failure)) {
        labels[j] = McEventText(failure);
        labelled = true;
      }
    }
  }
  return labels;
}

}  // namespace

float MomentAlong(const McResult& r, const McPoint& p) {
  return static_cast<float>(p.moment * r.cosine + p.momentY * r.sine);
}

McIdealization IdealizeMomentCurvature(const ProjectModel& m, int load) {
  McIdealization r;
  const McResult& result = m.momentCurvature;
  const McCurve& curve = result.curves[static_cast<size_t>(load)];
  const auto moment = [&](const McPoint& p) { return MomentAlong(result, p); };
  const std::vector<McPoint>& points = curve.points;
  r.labels = EventLabels(points);
  r.hasUltimate = curve.end != McCurveEnd::NoEquilibrium;
  const std::string reinfYield = McEventText(McEvent::ReinfTensYield);
  const std::string steelYield = McEventText(McEvent::StrSteelTensYield);
  for (size_t j = 0; j < points.size(); ++j) {
    const bool reinforcing = r.labels[j] == reinfYield;
    if (!reinforcing && r.labels[j] != steelYield) continue;
    const McPoint& p = points[j];
    r.hasFirstYield = true;
    r.firstYieldPoint = static_cast<int>(j);
    r.phiY = static_cast<float>(Curvature(p));
    r.My = moment(p);
    const double stiffness = static_cast<double>(m.Eci) * p.strain;
    r.hasIcr = stiffness != 0;
    if (r.hasIcr) r.Icr = static_cast<float>(p.depth * static_cast<double>(r.My) / stiffness);
    double area = 0;
    for (size_t i = j + 1; i < points.size(); ++i) {
      area +=
          (Curvature(points[i]) - Curvature(points[i - 1])) * (moment(points[i]) + moment(points[i - 1])) / 2;
    }
    r.area = static_cast<float>(area);
    const double span = Curvature(points.back()) - Curvature(p);
    if (area != 0) {
      r.hasMp = span != 0;  // an area over no curvature range has no equal-area moment
      if (r.hasMp) r.Mp = static_cast<float>(area / span);
    }
    const float depth = reinforcing ? result.reinfDepth : result.steelDepth;
    r.firstYieldStrain = static_cast<float>((p.depth - depth) * static_cast<double>(p.strain) / p.depth);
    break;
  }
  if (points.size() >= 2) {
    if (r.My != 0) r.phiYi = static_cast<float>(static_cast<double>(r.Mp) * r.phiY / r.My);
    if (points.back().depth != 0) r.phiU = static_cast<float>(Curvature(points.back()));
  }
  return r;
}

MemberDuctilityResult MemberDuctility(const ProjectModel& m, float phiYi, float phiU) {
  MemberDuctilityResult r;
  float largestBar = 0;
  for (int i = 1; i <= ListSize(m.nl); ++i) largestBar = std::max(largestBar, m.lines[static_cast<size_t>(i)].Abl);
  for (int i = 1; i <= ListSize(m.na); ++i) largestBar = std::max(largestBar, m.arcs[static_cast<size_t>(i)].Aba);
  for (int i = 1; i <= ListSize(m.nsb); ++i)
    largestBar = std::max(largestBar, m.singleBars[static_cast<size_t>(i)].area);
  const double db = std::sqrt(4.0 * largestBar / kPi);
  const double fye = m.reinfModel == SteelModel::Bilinear ? m.rpBL[3].stress : m.rpPA[4].stress;
  // Plastic hinge length of Priestley and Park: 0.08 L plus the strain penetration of the bars.
  const bool metric = m.unitSystem().IsMetric();
  const double penetration = (metric ? 0.022 : 0.00015) * fye * db;
  const double least = (metric ? 0.044 : 0.0003) * fye * db;
  const double L = m.L;
  const double Lp = std::max(0.08 * L + penetration, least);
  r.Lp = static_cast<float>(Lp);
  const double rotation = (static_cast<double>(phiU) - phiYi) * Lp;
  const bool fixedBothEnds = m.Mri == 1 && m.Mrj == 1;
  const double deltaY = phiYi * L * L / (fixedBothEnds ? 6 : 3);
  const double deltaU = deltaY + rotation * (fixedBothEnds ? L - Lp : L - Lp / 2);
  r.deltaY = static_cast<float>(deltaY);
  r.deltaU = static_cast<float>(deltaU);
  r.hasDuctility = r.deltaY != 0;
  if (r.hasDuctility) r.ductility = static_cast<float>(deltaU / deltaY);
  return r;
}

}  // namespace tarnix
