// The rules every writer of the model keeps: record counts, unit factors of the loads, user stress-strain
// points and the coupled option flags.
#pragma once

#include <string>
#include <string_view>

#include "model/project_model.h"

namespace tarnix {

/// Count field of a record kind (nr, nc, nl, na, nb or np).
int& RecordCount(ProjectModel& m, RecordKind kind);
int RecordCount(const ProjectModel& m, RecordKind kind);

/// Sets the count of a record kind. For n >= 1 the list holds n records afterwards: records kept in
/// storage come back as they were, slots never used are blank (all fields 0, rsign / csign +1), and the
/// kind's current record becomes 1. For n = 0 only the count changes and storage stays as it was.
/// Returns false and changes nothing when n is negative or exceeds kMaxRecordCount.
bool SetRecordCount(ProjectModel& m, RecordKind kind, int n);
/// The same for the load conditions; also sets OutputSectionAnalysis to 1 when n >= 1, else 0.
bool SetLoadCount(ProjectModel& m, int n);

/// Drops the records kept in storage beyond each count (after saving: the file holds what the counts show).
void TrimRecordStorage(ProjectModel& m);

/// A count typed as text (leading number, rounded to the nearest integer, halves to even; not a number
/// counts 0). Returns false and changes nothing when the value is out of range.
bool SetRecordCountText(ProjectModel& m, RecordKind kind, std::string_view text);
bool SetLoadCountText(ProjectModel& m, std::string_view text);

/// Sets ForceUnitFactor and MomentUnitFactor from `units`.
void SetUnitFactors(ProjectModel& m);

/// The load values that are stored in internal units: the moment about the vertical axis and the end moments
/// about it (the ...Y values) beside those about the horizontal axis.
enum class LoadValue { P, V, M, T, M1ns, M2ns, M1s, M2s, My, M1nsY, M2nsY, M1sY, M2sY };
float& LoadValueRef(LoadCondition& load, LoadValue which);
/// Factor from the displayed value (kip, k-ft, kN, kN-m) to the stored value.
float LoadValueFactor(const ProjectModel& m, LoadValue which);
/// Stores the typed text (lenient) of a load value of load condition `number`, times its factor.
void EditLoadValue(ProjectModel& m, int number, LoadValue which, std::string_view text);
/// The value in displayed units.
float DisplayedLoadValue(const ProjectModel& m, int number, LoadValue which);

/// Which steel curve a point editor works on.
enum class SteelCurve { Reinforcing, Structural };
enum class PointPart { Strain, Stress };
/// The current point of the table selected by the curve's model (Bilinear for 1, Park for 2); null when
/// the current point number lies outside that table.
StressStrainPoint* CurrentStressStrainPoint(ProjectModel& m, SteelCurve curve);
const StressStrainPoint* CurrentStressStrainPoint(const ProjectModel& m, SteelCurve curve);
/// Writes the strain or stress of the current point of the table selected by the curve's model
/// (Bilinear for 1, Park for 2). Text that is not a number leaves the point unchanged.
void EditStressStrainPoint(ProjectModel& m, SteelCurve curve, PointPart part, std::string_view text);

/// Ticking (1) or clearing (0) "perform moment-curvature": sets PerformMomentCurvature and
/// OutputMomentCurvature together; ticking reloads the material-model defaults.
void SetPerformMomentCurvature(ProjectModel& m, int flag);

/// Ticking or clearing "Slenderness effects". Refused with user-defined criteria: the option stays 0 and the
/// message to show is returned; otherwise returns an empty text.
std::string SetOutputSlenderness(ProjectModel& m, int flag);

/// Chooses the slenderness option (1..4); option 3 (slender wall) also restrains shear at end i.
void SetSlendernessOption(ProjectModel& m, int option);

/// The options derived again at every window refresh: section analysis follows the load count, then
/// slenderness output follows the slenderness option, and a slender wall design turns the section
/// analysis off.
void DeriveOutputOptions(ProjectModel& m);

/// Forgets the result blocks of the last calculation (section properties, interaction diagram,
/// slenderness, moment-curvature): results of one project are never shown for another.
void ClearResults(ProjectModel& m);

}  // namespace tarnix
