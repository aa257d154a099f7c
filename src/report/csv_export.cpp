// CSV export of the result blocks.
#include "report/csv_export.h"

#include <filesystem>
#include <initializer_list>

#include "curvature/idealization.h"
#include "model/file_write.h"
#include "base/number_format.h"
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

bool WriteCurves(const ProjectModel& m, const std::filesystem::path& dir);

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

std::string LoadCapacityCsv(const ProjectModel& m) {
  const InteractionDiagram& d = m.interactionDiagram;
  std::string text = "load,P,M,phi,phiPn,phiMn,point,exceeded,Mu,second_order_ratio\n";
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < d.capacity.size(); ++i) {
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    const LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    text += std::to_string(i) + "," + FormatFullPrecision(load.P / m.ForceUnitFactor) + "," +
            FormatFullPrecision(load.M / m.MomentUnitFactor) + ",";
    if (cap.capFound == 1) {
      text += ",,,,no solution,";
    } else {
      // The verdict of the analysis, the one the report, the window and the summary give. A load that the
      // slenderness analysis left without a design moment, and that fails no check, says so.
      const bool exceeded = LoadBeyondCapacity(m, i);
      text += FormatFullPrecision(cap.capPhi) + "," + FormatFullPrecision(cap.capAxial / m.ForceUnitFactor) +
              "," + FormatFullPrecision(cap.capMoment / m.MomentUnitFactor) + "," +
              std::to_string(cap.capPoint) + "," +
              (exceeded             ? "yes,"
               : cap.designKnown ? "no,"
                                    : "no design moment,");
    }
    // The design moment the verdict used, and its ratio to the first-order moment where a second-order
    // analysis gave it.
    if (cap.checked && cap.designKnown) text += FormatFullPrecision(cap.checkedMoment / m.MomentUnitFactor);
    text += ",";
    if (cap.secondOrderRatio > 0) text += FormatFullPrecision(cap.secondOrderRatio);
    text += "\n";
  }
  return text;
}

std::string MomentCurvatureCsv(const ProjectModel& m, int load) {
  const McCurve& curve = m.momentCurvature.curves[static_cast<size_t>(load)];
  const McIdealization ideal = IdealizeMomentCurvature(m, load);
  const float P = m.loads[static_cast<size_t>(load)].P;
  std::string text = "curvature,moment,strain,c,axial,residual,event\n";
  for (size_t j = 0; j < curve.points.size(); ++j) {
    const McPoint& p = curve.points[j];
    text += FormatFullPrecision(p.strain / p.depth) + "," +
            FormatFullPrecision(p.moment / m.MomentUnitFactor) + "," + FormatFullPrecision(p.strain) + "," +
            FormatFullPrecision(p.depth) + "," + FormatFullPrecision(p.axial / m.ForceUnitFactor) + "," +
            FormatFullPrecision((p.axial - P) / m.ForceUnitFactor) + "," + ideal.labels[j] + "\n";
  }
  return text;
}

bool WriteCsvFiles(const ProjectModel& m, const std::string& folder) {
  if (m.sectionProperties.problem != SectionProblem::None) return true;  // nothing was computed
  const std::filesystem::path dir(folder);
  return ReplaceFileContent((dir / "properties.csv").string(), SectionPropertiesCsv(m.sectionProperties)) &&
         ReplaceFileContent((dir / "interaction.csv").string(), InteractionDiagramCsv(m)) &&
         ReplaceFileContent((dir / "loads.csv").string(), LoadCapacityCsv(m)) && WriteCurves(m, dir);
}

namespace {

bool WriteCurves(const ProjectModel& m, const std::filesystem::path& dir) {
  if (!IsSet(m.OutputMomentCurvature) || !m.momentCurvature.ran()) return true;
  for (int k = 1; k <= ListSize(m.ns) && static_cast<size_t>(k) < m.momentCurvature.curves.size(); ++k) {
    const std::string name = "mc_" + std::to_string(k) + ".csv";
    if (!ReplaceFileContent((dir / name).string(), MomentCurvatureCsv(m, k))) return false;
  }
  return true;
}

}  // namespace
}  // namespace tarnix
