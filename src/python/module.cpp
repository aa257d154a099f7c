// The compiled half of the Python module: a project model held by Python, and the engine's roads from
// a file or keyword arguments to a run, its report and its tables. tarnix/__init__.py gives them their
// Python form.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "model/defaults.h"
#include "model/file_write.h"
#include "model/input_check.h"
#include "model/input_file.h"
#include "model/model_edits.h"
#include "model/project_file.h"
#include "python/project_builder.h"
#include "report/csv_export.h"
#include "run/calculation_run.h"

namespace py = pybind11;
using tarnix::ProjectModel;
using tarnix::Status;

namespace {

std::string WithReason(const Status& status) {
  return status.detail.empty() ? status.message : status.message + ": " + status.detail;
}

ProjectModel Load(const std::string& path) {
  ProjectModel m;
  tarnix::ResetAll(m);
  const Status loaded = tarnix::LoadModelFile(m, path);
  if (!loaded.ok()) throw py::value_error(WithReason(loaded) + ": " + path);
  tarnix::SetInputFileNames(m, path);
  return m;
}

// As the window's "Save As": a project file by the name, else an input file; the project is then that file's.
void Save(ProjectModel& m, const std::string& path) {
  const Status saved =
      tarnix::IsProjectFileName(path) ? tarnix::WriteProjectFile(m, path) : tarnix::WriteInputFile(m, path);
  if (!saved.ok()) throw py::value_error(WithReason(saved) + ": " + path);
  tarnix::SetInputFileNames(m, path);
}

// The run tarnix-run makes: every report section, the moment-curvature analysis as asked, the report named
// after the input file. The analyses run without the interpreter's lock, each on its own copy of the model.
// `momentCurvature` unset runs the analysis when the project asks for it, as tarnix-run does.
ProjectModel Run(const ProjectModel& project, std::optional<bool> momentCurvature) {
  ProjectModel m = project;
  tarnix::SelectEveryReportSection(m);
  if (momentCurvature == false) {
    tarnix::SetPerformMomentCurvature(m, 0);
  } else if (momentCurvature == true && !tarnix::IsSet(m.PerformMomentCurvature) &&
             tarnix::ListSize(m.ns) > 0) {
    // Asked for here, the analysis takes the material-model defaults of the project's strengths.
    tarnix::SetPerformMomentCurvature(m, 1);
  }
  if (!m.inputFileName.empty()) {
    tarnix::SetOutputFileNames(m, std::filesystem::path(m.inputFileName).replace_extension(".out").string());
  }
  if (const Status complete = tarnix::RequireCompleteModel(m); !complete.ok()) {
    throw py::value_error(WithReason(complete));
  }
  bool failed = false;
  {
    py::gil_scoped_release unlocked;
    try {
      tarnix::RunAnalyses(m);
    } catch (const std::exception&) {
      failed = true;
    }
  }
  const Status status = failed ? Status::Failure(tarnix::kCalculationError) : tarnix::AnalysisStatus(m);
  if (!status.ok()) throw std::runtime_error(WithReason(status));
  return m;
}

}  // namespace

PYBIND11_MODULE(_tarnix, module) {
  module.doc() = "The TARNIX engine; use the package tarnix.";
  py::class_<ProjectModel>(module, "Model")
      .def_property_readonly("units", [](const ProjectModel& m) { return m.units; })
      .def_property_readonly("criteria", [](const ProjectModel& m) { return m.criteria; })
      .def_property_readonly("file", [](const ProjectModel& m) { return m.inputFileName; })
      .def_property_readonly("two_dimensional",
                             [](const ProjectModel& m) { return tarnix::IsTwoDimensional(m); })
      .def_property_readonly("load_count", [](const ProjectModel& m) { return tarnix::ListSize(m.ns); });
  module.def("load", &Load, py::arg("path"));
  module.def("build", &tarnix::BuildProject, py::arg("values"));
  module.def("save", &Save, py::arg("model"), py::arg("path"));
  module.def("project_text", [](const ProjectModel& m) {
    const auto text = tarnix::FormatProjectFile(m);
    if (!text) throw py::value_error("the project holds a value a project file cannot represent");
    return py::bytes(*text);
  });
  module.def("run", &Run, py::arg("model"), py::arg("moment_curvature"));
  module.def("report", [](const ProjectModel& m) {
    ProjectModel copy = m;
    return py::bytes(tarnix::ReportText(copy));
  });
  module.def("tables", [](const ProjectModel& m) {
    py::list tables;
    for (const auto& [name, text] : tarnix::CsvTables(m))
      tables.append(py::make_tuple(name, py::bytes(text)));
    return tables;
  });
  module.def("write_csv", [](const ProjectModel& m, const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!tarnix::WriteCsvFiles(m, folder)) throw std::runtime_error("Error writing CSV files: " + folder);
  });
  module.def("write_file", [](const std::string& path, const py::bytes& text) {
    if (!tarnix::ReplaceFileContent(path, std::string(text)))
      throw std::runtime_error("Error writing output file: " + path);
  });
}
