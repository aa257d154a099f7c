// Editing rules of the member properties and slenderness parameters windows: member length, effective
// length factor and its derivation from the end restraints, and the slenderness data of each load condition.
// Every edit counts as a change of the project (`modified`).
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/units.h"
#include "model/model_edits.h"
#include "model/project_model.h"

namespace tarnix {

/// Text fields of the member properties window: the member about the horizontal axis, then about the
/// vertical axis (LY, KeffY, IeffY: no length means no magnification of My).
enum class MemberField { L, Keff, Ieff, LY, KeffY, IeffY };
/// A field of the member properties window: its short name, caption, tool-tip (as shown: no unit in it), the unit shown
/// beside it (None for a factor) and the model value it edits.
struct MemberFieldDescriptor {
  MemberField id;
  const char* name;  ///< the model field's short name ("L")
  const char* caption;
  const char* tip;
  UnitKind unit;
  std::variant<float ProjectModel::*, float MemberAxis::*> value;  ///< the project's or its memberY's
};
/// The fields in the order the window shows them.
const std::vector<MemberFieldDescriptor>& MemberFieldDescriptors();
/// The field belongs to the member data about the vertical axis.
bool AboutVerticalAxis(MemberField field);
/// Stores the typed text's leading number into the field; text without a number changes nothing and the
/// reason is returned (empty when stored).
std::string EditMemberField(ProjectModel& m, MemberField field, std::string_view text);
/// The field's value in its plain text form ("0.7", "168").
std::string MemberFieldText(const ProjectModel& m, MemberField field);

/// End restraint check boxes, for bending about the horizontal axis and (...Y) about the vertical axis.
enum class Restraint { ShearI, ShearJ, MomentI, MomentJ, ShearIY, ShearJY, MomentIY, MomentJY };
/// The flag a restraint box shows (1 ticked).
int RestraintValue(const ProjectModel& m, Restraint which);
/// Ticking (true) stores 1, clearing 0. Ignored while the window is being refreshed from the model; returns
/// whether the flag was stored.
bool SetRestraint(ProjectModel& m, Restraint which, bool ticked);
/// The initial deflection at end i means nothing when end i cannot move sideways.
bool InitialDeflectionIEnabled(const ProjectModel& m);
/// Derives Keff from the end restraints (unchanged for combinations without a factor) and returns the text
/// the Keff field shows afterwards.
std::string DeriveKeff(ProjectModel& m);

/// Text fields of the slenderness parameters window, for the current load condition; the ...Y fields are
/// the end moments and sustained ratios about the vertical axis.
enum class SlenderField { M1ns, M2ns, M1s, M2s, BetaD, BetaDs, di, dj, ri, rj, M1nsY, M2nsY, M1sY, M2sY, BetaDY, BetaDsY };
/// A field of the slenderness parameters window: caption, tool-tip as shown, the unit beside it (None for
/// a ratio), and the value of the load condition it edits: an end moment (typed in k-ft or kN-m) or a
/// value stored as typed.
struct SlenderFieldDescriptor {
  SlenderField id;
  const char* caption;
  const char* tip;
  UnitKind unit;
  std::variant<LoadValue, float LoadCondition::*, float AxisEndMoments::*> value;  ///< the last of endY
};
/// The fields in the order the window shows them.
const std::vector<SlenderFieldDescriptor>& SlenderFieldDescriptors();
/// The field is a value about the vertical axis, shown while the member has a length about that axis.
bool AboutVerticalAxis(SlenderField field);
bool VerticalAxisShown(const ProjectModel& m);
/// The load condition the window shows: currentSlenderLoad kept within 1..ns (0 without loads).
int CurrentSlenderLoad(const ProjectModel& m);
/// Stores the typed text's leading number into the current load; the four end moments are typed in k-ft /
/// kN-m and stored times MomentUnitFactor. Nothing is stored without a load condition, nor from text without
/// a number (the reason is returned).
std::string EditSlenderField(ProjectModel& m, SlenderField field, std::string_view text);
/// The field's text for the current load: moments in displayed units with one decimal ("120.0"), the
/// other values in their plain text form.
std::string SlenderFieldText(const ProjectModel& m, SlenderField field);
/// "Check for transverse loads between supports": 1 or 0 into Tloads of the current load; ignored while
/// refreshing. Returns whether it was stored.
bool SetTransverseLoads(ProjectModel& m, bool ticked);
/// Moves to the next / previous load condition when there is one; returns whether it moved.
bool NextSlenderLoad(ProjectModel& m);
bool PreviousSlenderLoad(ProjectModel& m);
/// Caption of the load frame: "LOAD CONDITION NO " and the load number.
std::string SlenderLoadCaption(const ProjectModel& m);

}  // namespace tarnix
