// CSV export of the result blocks.
#include "report/csv_export.h"

#include <filesystem>
#include <initializer_list>

#include "model/file_write.h"
#include "report/number_format.h"

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

bool WriteCsvFiles(const ProjectModel& m, const std::string& folder) {
  if (m.sectionProperties.problem != SectionProblem::None) return true;  // nothing was computed
  const std::filesystem::path dir(folder);
  return ReplaceFileContent((dir / "properties.csv").string(), SectionPropertiesCsv(m.sectionProperties));
}

}  // namespace tarnix
