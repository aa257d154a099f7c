// The option buttons, check boxes and the criteria list of the main window and its forms: each stores
// the choice and applies the defaults tied to it. While the window is being filled from the model
// (`refreshing` 1) the same clicks are raised by the filling itself, so every handler then does nothing.
#pragma once

#include <string>
#include <vector>

#include "model/project_model.h"

namespace tarnix {

/// What choosing another criteria does to the engineer's strengths and moduli (f'c, fy, fs, Ec, Er, Es).
enum class NewCriteriaStrengths {
  /// The criteria's default strengths and factors replace them, and the control parameters take the
  /// defaults of the unit system.
  UseDefaults,
  /// They stay, and so do the control parameters; only what the code fixes follows the criteria: the
  /// strength reduction and resistance factors, a1 and em, and b1 (by CSA also a1) by the criteria's rule
  /// from the kept f'c. User-defined criteria fix nothing. When the unit system changes without the
  /// values being converted, they could not be kept in their old unit: the defaults apply.
  KeepStrengths,
};

/// The criteria list entry at `listIndex` (0 "USER DEFINED" ... 6 "CSA-A23.3"); an index outside the
/// list changes nothing. Material-model values that were still defaults follow the new strengths.
/// Criteria for metric units only switch an English project to metric; `convert` first converts its
/// section, materials and loads. Returns true when the window is to be refreshed.
bool SelectCriteria(ProjectModel& m, int listIndex, bool convert = false,
                    NewCriteriaStrengths strengths = NewCriteriaStrengths::UseDefaults);
/// Asked before another criteria is applied: "Use the default strengths and factors of ACI 318-19?"
/// (Yes UseDefaults, No KeepStrengths).
std::string CriteriaDefaultsQuestion(int listIndex);
/// True when the entry names the criteria the project already has (nothing to ask or change).
bool IsCurrentCriteria(const ProjectModel& m, int listIndex);
/// The values of the design criteria tab and the control parameters that differ between `before` and
/// `after`, one line each in the order of the windows: "Compression: 0.7 to 0.65", with the unit where
/// the value has one.
std::vector<std::string> ChangedValues(const ProjectModel& before, const ProjectModel& after);
/// True when choosing the entry switches the project from English to metric units (ask about converting).
bool CriteriaChangesUnits(const ProjectModel& m, int listIndex);
/// English (true) or metric units. Converting keeps the section, materials and loads the same physical
/// ones (every length, area, stress and load converted); otherwise the numbers stay and the criteria,
/// material-model and control defaults of the new system are applied.
bool SelectUnits(ProjectModel& m, bool english, bool convert = false);
/// Asked before the unit system changes: Yes converts, No keeps the numbers, Cancel changes nothing.
const char* ConvertUnitsQuestion(bool english);
/// Concrete model 1 Linear, 2 Simple, 3 Mander, with its defaults.
bool SelectConcreteModel(ProjectModel& m, int model);
/// Steel model 1 Bilinear, 2 Park for reinforcing and structural steel together, with the default points.
bool SelectSteelModel(ProjectModel& m, int model);
/// Slenderness option 1..4 (3, slender wall, also restrains shear at end i).
bool SelectSlendernessOption(ProjectModel& m, int option);
/// "Perform Moment-Curvature Analysis" ticked or cleared.
bool SelectPerformMomentCurvature(ProjectModel& m, bool ticked);

/// The current rectangle (ConcreteRect) or circle (ConcreteCircle) added (true) or subtracted; other
/// kinds and an empty list change nothing.
void SelectConcreteSign(ProjectModel& m, RecordKind kind, bool add);
/// True when the current rectangle or circle is added (its "add" option shows ticked).
bool ShownAsAdded(const ProjectModel& m, RecordKind kind);

/// Confinement option 1..5 on the confinement window, with its default inputs. Returns true when the
/// confinement window is to be filled again.
bool SelectConfinementOption(ProjectModel& m, int option);
/// Park model 1 Simple or 2 Complex on the control-parameter window.
void SelectParkModel(ProjectModel& m, int model);

/// The check boxes of the calculation window.
enum class OutputOption { InputEcho, SectionProperties, InteractionDiagram, Slenderness, SectionAnalysis,
                          MomentCurvature };
/// Stores 1 when ticked and 0 when cleared. Ticking slenderness effects with user-defined criteria is
/// refused: the option stays 0 and the message to show is returned (the box is cleared again). The
/// moment-curvature option is the same switch as "Perform Moment-Curvature Analysis".
std::string SelectOutputOption(ProjectModel& m, OutputOption option, bool ticked);
/// The stored value of an output option (1 ticked).
int OutputOptionValue(const ProjectModel& m, OutputOption option);

}  // namespace tarnix
