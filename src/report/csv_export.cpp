// CSV export of the result blocks.
#include "report/csv_export.h"

#include <filesystem>
#include <initializer_list>

#include "model/file_write.h"
#include "report/number_format.h"
#include "strength/section_analysis.h"

namespace tarnix {
namespace {

std::string CsvRow(const char* name, std::initializer_list<float> values) {
  std::string row = name;
  for (float v : values) row += "," + FormatFullPrecision(v);
  return row + "\n";
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
    text += FormatFullPrecision(d.idDepth[K]) + "," + FormatFullPrecision(d.idMoment[K] / m.MomentUnitFactor) +
            "," + FormatFullPrecision(d.idAxial[K] / m.ForceUnitFactor) + "," +
            FormatFullPrecision(d.idTensileStrain[K]) + "\n";
  }
  return text;
}

std::string LoadCapacityCsv(const ProjectModel& m) {
  const InteractionDiagram& d = m.interactionDiagram;
  std::string text = "load,P,M,phi,phiPn,phiMn,point,exceeded\n";
  for (int i = 1; i <= ListSize(m.ns) && static_cast<size_t>(i) < d.capacity.size(); ++i) {
    const LoadCondition& load = m.loads[static_cast<size_t>(i)];
    const LoadCapacity& cap = d.capacity[static_cast<size_t>(i)];
    text += std::to_string(i) + "," + FormatFullPrecision(load.P / m.ForceUnitFactor) + "," +
            FormatFullPrecision(load.M / m.MomentUnitFactor) + ",";
    if (cap.capFound == 1) {
      text += ",,,,no solution\n";
      continue;
    }
    text += FormatFullPrecision(cap.capPhi) + "," + FormatFullPrecision(cap.capAxial / m.ForceUnitFactor) + "," +
            FormatFullPrecision(cap.capMoment / m.MomentUnitFactor) + "," + std::to_string(cap.capPoint) + "," +
            (MomentCapacityExceeded(load.M, cap.capMoment) ? "yes" : "no") + "\n";
  }
  return text;
}

bool WriteCsvFiles(const ProjectModel& m, const std::string& folder) {
  if (m.sectionProperties.problem != SectionProblem::None) return true;  // nothing was computed
  const std::filesystem::path dir(folder);
  return ReplaceFileContent((dir / "properties.csv").string(), SectionPropertiesCsv(m.sectionProperties)) &&
         ReplaceFileContent((dir / "interaction.csv").string(), InteractionDiagramCsv(m)) &&
         ReplaceFileContent((dir / "loads.csv").string(), LoadCapacityCsv(m));
}

}  // namespace tarnix
