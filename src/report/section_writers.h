// Report sections of the analyses' results, each written from its result block.
#pragma once

#include "model/project_model.h"
#include "report/report_writer.h"

namespace tarnix {

void WriteSectionPropertiesReport(const ProjectModel& m, ReportWriter& out);
void WriteInteractionDiagramReport(const ProjectModel& m, ReportWriter& out);
/// The diagram at every neutral-axis angle and the biaxial capacity of every load (two-dimensional models).
void WriteInteractionSurfaceReport(const ProjectModel& m, ReportWriter& out);
void WriteSlendernessReport(const ProjectModel& m, ReportWriter& out);
/// The (EI)eff of a column's critical load under ACI 318-19 for a ColumnStiffnessChoice.
const char* ColumnStiffnessFormula(int choice);
void WriteSlenderWallReport(const ProjectModel& m, ReportWriter& out);
void WriteSectionAnalysisReport(const ProjectModel& m, ReportWriter& out);
void WriteMomentCurvatureReport(const ProjectModel& m, ReportWriter& out);

}  // namespace tarnix
