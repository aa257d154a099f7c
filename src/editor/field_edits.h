// Write-through of the text fields of the main window, the confinement window, the control-parameter
// window and the title window: the typed text goes straight into the model, and the model's value is what
// each field shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/status.h"
#include "editor/field_descriptors.h"
#include "model/project_model.h"

namespace tarnix {

/// What the window has to show again after an edit, besides the edited field itself.
struct EditEffect {
  bool refreshWindow = false;  ///< a count changed: refresh the whole main window
  std::vector<Field> derived;  ///< fields whose values the edit worked out again
  std::string status;          ///< text for the form's status bar; empty when the edit sets none
  std::string problem;         ///< why the text was refused (the model kept its value); empty when stored
};

constexpr const char* kNotANumber = "not a number";

/// True when the text starts (after blanks) with a number: "12", "-.5", "4e3 psi"; not "", "-", "abc".
bool StartsWithNumber(std::string_view text);

/// Why the typed text cannot be stored in the field, or empty when it can: text without a leading number,
/// a negative or too large count, a negative number of bars or area, a strength or modulus not above 0.
std::string FieldProblem(Field field, std::string_view text);

/// Shown when a calculation is asked for while a field holds text the model could not take.
constexpr const char* kFieldNeedsCorrection = "Please correct the marked field first";

/// The fields of the windows whose text was refused, with the reason; the calculation does not start
/// while there is one. The fields of the small windows (member, slenderness) are named by their tool-tip.
class FieldProblems {
 public:
  /// Records the problem of the field's text, or forgets it when `problem` is empty.
  void Set(Field field, std::string problem);
  void Set(const std::string& name, std::string problem);
  std::string Of(Field field) const;
  void Clear() { problems_.clear(); }
  /// Fails with kFieldNeedsCorrection naming the first field refused and its problem.
  Status RequireNone() const;

 private:
  std::vector<std::pair<std::string, std::string>> problems_;  // field name, problem; oldest first
};

/// Stores the typed text in the field's model value: the leading number of the text, else 0; counts and
/// whole-number fields rounded to the nearest integer, halves to even (a count out of range is refused and
/// the stored one stays); loads times their unit factor; the title as typed. Stress-strain point text
/// that is not a number leaves the point unchanged. A record field of an empty list changes nothing.
/// Typing fpc derives a1, b1 and Ec (not for user-defined criteria), fc0 derives Eci, cover derives the
/// core dimensions, einc derives eend; ebeg, eend and einc report the number of strain increments.
/// Text that FieldProblem refuses changes nothing and is returned as the effect's problem. A change of
/// f'c, fy, fs, Er or Es also lets the material-model defaults follow. Every edit sets `modified`.
EditEffect EditField(ProjectModel& m, Field field, std::string_view text);

/// The text a field shows: the general number form ("0.85", "4000"), loads in displayed units with one
/// decimal ("12.5"), counts and whole numbers as integers. Empty for a record field of an empty list.
std::string FieldText(const ProjectModel& m, Field field);

/// What the window shows beside the field: for the compression factor of a criteria with a second one for
/// spiral columns that factor ("spiral 0.75", ACI 318-19 Table 21.2.2); empty for every other field.
std::string FieldNote(const ProjectModel& m, Field field);

/// The fields of the main window, in tab order (the confinement, control and title fields excluded).
const std::vector<Field>& MainWindowFields();

/// "Number of strain increments = " and the nearest integer (halves to even) to (eend - ebeg) / einc + 1;
/// empty when einc is not greater than 0.
std::string StrainIncrementsText(const ProjectModel& m);

}  // namespace tarnix
