// Writes the heavy section, with its ten loads and its moment-curvature request, as a project file, so
// that the run BM_FullRun times can be timed from Python as well (benchmarks/python_run.py).
#include <iostream>

#include "heavy_section.h"
#include "model/project_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: heavy_section_file FILE.json\n";
    return 2;
  }
  tarnix::ProjectModel m = tarnix::LoadedHeavySection();
  tarnix::AskHeavyMomentCurvature(m);
  const tarnix::Status written = tarnix::WriteProjectFile(m, argv[1]);
  if (!written.ok()) {
    std::cerr << written.message << ": " << written.detail << '\n';
    return 1;
  }
  return 0;
}
