// CSV export of the result blocks.
#include "report/csv_export.h"

#include <filesystem>
#include <initializer_list>

#include "base/number_format.h"
#include "curvature/idealization.h"
#include "model/file_write.h"
#include "report/design_report.h"
#include "strength/design_phi.h"
#include "strength/section_analysis.h"
#include "strength/slender_wall.h"
#include "strength/slenderness.h"

namespace tarnix {
namespace {

std::string CsvRow(const char* name, std::initializer_list<float> values) {
  std::string row = name;
  for (float v : values) row += "," + FormatFullPrecision(v);
  return row + "\n";
}

// A text field: in double quotes, its quotes doubled, where it holds a comma or a quote.
std::string CsvText(const std::string& text) {
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string SectionPropertiesCsv(const SectionProperties& p) {
  return "group,area,ybar,Io,I\n" + CsvRow("concrete", {p.concArea, p.concYbar, p.concIo, p.concI}) +
         CsvRow("reinforcing", {p.reinfArea, p.reinfYbar, p.reinfIo, p.reinfI}) +
         CsvRow("steel", {p.steelArea, p.steelYbar, p.steelIo, p.steelI}) +
         CsvRow("transformed", {p.transArea, p.transYbar, p.transI, p.transI});
}

std::string InteractionDiagramCsv(const ProjectModel& m) {
  const InteractionDiagram& d = m.interactionDiagram;
  std::string text = "c,Mn,Pn,et\n";
  for (int k = 1; k <= d.idCount; ++k) {
    const size_t K = static_cast<size_t>(k);
    text += FormatFullPrecision(d.idDepth[K]) + "," +
            FormatFullPrecision(d.idMoment[K] / m.MomentUnitFactor) + "," +
            FormatFullPrecision(d.idAxial[K] / m.ForceUnitFactor) + "," +
            FormatFullPrecision(d.idTensileStrain[K]) + "\n";
  }
  return text;
}

std::string InteractionSurfaceCsv(const ProjectModel& m) {
  const double force = m.ForceUnitFactor, moment = m.MomentUnitFactor;
  std::string text = "angle,point,c,P,Mx,My,phi,phiP,phiMx,phiMy,net_tensile_strain\n";
  for (const InteractionDiagram& d : m.interactionSurface.meridians) {
    for (int k = 1; k <= d.idCount; ++k) {
      const size_t K = static_cast<size_t>(k);
      const float My = K < d.idMomentY.size() ? d.idMomentY[K] : 0.0f;
      const float phi = DesignPointPhi(m, d, d.idAxial[K], d.idTensileStrain[K]);
      const auto cell = [](double value) { return "," + FormatFullPrecision(static_cast<float>(value)); };
      text += FormatFullPrecision(d.angle) + "," + std::to_string(k) + cell(d.idDepth[K]) +
              cell(d.idAxial[K] / force) + cell(d.idMoment[K] / moment) + cell(My / moment) + cell(phi);
      // The design point in single precision, as the capacities are stored.
      text += cell(static_cast<float>(phi * d.idAxial[K]) / force) +
              cell(static_cast<float>(phi * d.idMoment[K]) / moment) +
              cell(static_cast<float>(phi * My) / moment);
      text += "," + FormatFullPrecision(d.idTensileStrain[K]) + "\n";
    }
  }
  return text;
}

std::string LoadCapacityCsv(const ProjectModel& m) {
  const InteractionDiagram& d = m.interactionDiagram;
  // Single-precision quotients, as the columns have always been written.
  const float force = m.ForceUnitFactor, moment = m.MomentUnitFactor;
  // A two-dimensional model's loads with a moment are checked on the interaction surface: the capacity
  // columns hold the biaxial capacity (no diagram point) and the columns of the second axis follow the
  // others.
  const bool twoDimensional = IsTwoDimensional(m);
  std::string text = "load,P,M,phi,phiPn,phiMn,point,exceeded,Mu,second_order_ratio";
  text += twoDimensional ? ",My,phiMny,angle,c,Muy,moment_ratio,ray_ratio\n" : "\n";
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < d.capacity.size(); ++i) {
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    const LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    const BiaxialCapacity* b = BiaxialCheckOf(d, i);
    const bool found = b != nullptr ? b->found : cap.capFound != 1;
    text += std::to_string(i) + "," + FormatFullPrecision(load.P / force) + "," +
            FormatFullPrecision(load.M / moment) + ",";
    if (!found) {
      text += ",,,,no solution,";
    } else {
      // The verdict of the analysis, the one the report, the window and the summary give. A load that the
      // slenderness analysis left without a design moment, and that fails no check, says so.
      const bool exceeded = LoadBeyondCapacity(m, i);
      text += FormatFullPrecision(b != nullptr ? b->phi : cap.capPhi) + "," +
              FormatFullPrecision((b != nullptr ? b->axial : cap.capAxial) / force) + "," +
              FormatFullPrecision((b != nullptr ? b->momentX : cap.capMoment) / moment) + "," +
              (b != nullptr ? std::string() : std::to_string(cap.capPoint)) + "," +
              (exceeded          ? "yes,"
               : cap.designKnown ? "no,"
                                 : "no design moment,");
    }
    // The design moment the verdict used, and its ratio to the first-order moment where a second-order
    // analysis gave it.
    const bool designMoment = cap.checked && cap.designKnown;
    if (designMoment) text += FormatFullPrecision(cap.checkedMoment / moment);
    text += ",";
    if (cap.secondOrderRatio > 0) text += FormatFullPrecision(cap.secondOrderRatio);
    if (twoDimensional) {
      const bool onSurface = b != nullptr && b->found;
      text += "," + FormatFullPrecision(load.My / moment) + ",";
      if (onSurface) {
        text += FormatFullPrecision(b->momentY / moment) + "," + FormatFullPrecision(b->angle) + "," +
                FormatFullPrecision(b->depth);
      } else {
        text += ",,";
      }
      text += ",";
      if (designMoment) text += FormatFullPrecision(cap.checkedMomentY / moment);
      text += ",";
      if (onSurface) text += FormatFullPrecision(b->momentRatio);
      text += ",";
      if (onSurface && b->rayRatio > 0) text += FormatFullPrecision(b->rayRatio);
    }
    text += "\n";
  }
  return text;
}

std::string MomentCurvatureCsv(const ProjectModel& m, int load) {
  const McCurve& curve = m.momentCurvature.curves[static_cast<size_t>(load)];
  const McIdealization ideal = IdealizeMomentCurvature(m, load);
  const float P = m.loads[static_cast<size_t>(load)].P;
  // "moment" is the moment along the analysis's neutral-axis angle (Mx at angle 0); a section in two
  // dimensions adds both components.
  const bool components = IsTwoDimensional(m);
  std::string text = "curvature,moment,strain,c,axial,residual,event";
  text += components ? ",Mx,My\n" : "\n";
  for (size_t j = 0; j < curve.points.size(); ++j) {
    const McPoint& p = curve.points[j];
    text += FormatFullPrecision(p.strain / p.depth) + "," +
            FormatFullPrecision(MomentAlong(m.momentCurvature, p) / m.MomentUnitFactor) + "," +
            FormatFullPrecision(p.strain) + "," + FormatFullPrecision(p.depth) + "," +
            FormatFullPrecision(p.axial / m.ForceUnitFactor) + "," +
            FormatFullPrecision((p.axial - P) / m.ForceUnitFactor) + "," + ideal.labels[j];
    if (components) {
      text += "," + FormatFullPrecision(p.moment / m.MomentUnitFactor) + "," +
              FormatFullPrecision(p.momentY / m.MomentUnitFactor);
    }
    text += "\n";
  }
  return text;
}

std::string DesignCsv(const ProjectModel& m) {
  const DesignResult& r = m.designResult;
  std::string text =
      "rank,bars,size,bars_x,bars_y,As,rho,clear_spacing,min_spacing,utilisation,worst_load,status,reason\n";
  for (size_t k = 0; k < r.candidates.size(); ++k) {
    const DesignCandidate& c = r.candidates[k];
    const bool passes = c.rejection == DesignRejection::None;
    const bool checked = c.worstLoad > 0;
    text += (passes ? std::to_string(k + 1) : "") + "," + std::to_string(c.count) + "," + c.size + "," +
            std::to_string(c.barsX) + "," + std::to_string(c.barsY) + "," + FormatFullPrecision(c.steelArea) +
            "," + FormatFullPrecision(c.rho) + "," + FormatFullPrecision(c.clearSpacing) + "," +
            FormatFullPrecision(c.minSpacing) + "," + (checked ? FormatFullPrecision(c.utilisation) : "") +
            "," + (checked ? std::to_string(c.worstLoad) : "") + "," +
            (passes                                       ? "pass"
             : c.rejection == DesignRejection::NotChecked ? "not checked"
                                                          : "rejected") +
            "," + CsvText(DesignReasonText(m, r, c)) + "\n";
  }
  return text;
}

std::vector<std::pair<std::string, std::string>> CsvTables(const ProjectModel& m) {
  std::vector<std::pair<std::string, std::string>> tables;
  if (m.sectionProperties.problem != SectionProblem::None) return tables;  // nothing was computed
  tables.emplace_back("properties.csv", SectionPropertiesCsv(m.sectionProperties));
  tables.emplace_back("interaction.csv", InteractionDiagramCsv(m));
  tables.emplace_back("loads.csv", LoadCapacityCsv(m));
  if (IsTwoDimensional(m)) tables.emplace_back("surface.csv", InteractionSurfaceCsv(m));
  if (m.designResult.ran) tables.emplace_back("design.csv", DesignCsv(m));
  if (IsSet(m.OutputMomentCurvature) && m.momentCurvature.ran()) {
    for (int k = 1; k <= ListSize(m.ns) && static_cast<size_t>(k) < m.momentCurvature.curves.size(); ++k) {
      tables.emplace_back("mc_" + std::to_string(k) + ".csv", MomentCurvatureCsv(m, k));
    }
  }
  return tables;
}

bool WriteCsvFiles(const ProjectModel& m, const std::string& folder) {
  const std::filesystem::path dir(folder);
  for (const auto& [name, text] : CsvTables(m)) {
    if (!ReplaceFileContent((dir / name).string(), text)) return false;
  }
  return true;
}

}  // namespace tarnix
