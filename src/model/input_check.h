// The completeness check that guards a calculation run and saving the input file.
#pragma once

#include <string>

#include "base/status.h"
#include "model/model_edits.h"
#include "model/options.h"
#include "model/project_model.h"

namespace tarnix {

constexpr const char* kInputIncomplete = "Input is incomplete";

/// Where a problem of the input lies, so that a window can show the engineer what to correct.
struct InputLocation {
  enum class Part {
    None,     ///< nowhere in particular
    Model,    ///< a value of the model's own (`value`)
    Records,  ///< the section list `records`
    Loads,    ///< the load conditions
    Curve,    ///< the point table of the steel curve `curve` (the one its steel model selects)
  };
  Part part = Part::None;
  RecordKind records = RecordKind::ConcreteRect;
  SteelCurve curve = SteelCurve::Reinforcing;
  /// The record or point (1-based); 0 for the list as a whole.
  int index = 0;
  /// The value by its short name, as the input file and the window name it ("ecu", "L", "Nbl"; "strain"
  /// or "stress" of a curve point); empty for a whole record or list.
  std::string value;
};

/// The first problem of the input as the user is told it, and where it lies; empty text when none.
struct InputProblem {
  std::string text;
  InputLocation where;
};

/// The first thing that keeps the analyses from working with the model, as the user is told it ("no
/// concrete section", "reinforcing line 2: no bars", "polygon 2: its edges 1 and 3 cross"); empty when the
/// model is complete. The model is complete when the criteria and unit system are ones the program knows,
/// every coded option holds one of its numbers, there is a section (concrete, or structural steel alone;
/// reinforcing needs concrete) whose bar lines and arcs have bars, whose polygons have at least three
/// corners within the largest length, edges of some length that neither cross nor overlap and an area, and
/// whose single bars lie within the largest length and have an area, every load has an axial load or a moment unless a moment-curvature
/// analysis is made, a slender member has a length and an effective length factor, and a moment-curvature
/// analysis has loads, the parameters of its concrete model and steel curves that are finite, rise strictly
/// from the tension end to the compression end and change sign once, at the origin.
std::string FindInputProblem(const ProjectModel& m);
/// FindInputProblem with the place of the problem.
InputProblem LocateInputProblem(const ProjectModel& m);

/// FindInputProblem finds nothing.
bool IsInputComplete(const ProjectModel& m);

/// Stores IsInputComplete in m.inputComplete and returns it.
bool CheckInputComplete(ProjectModel& m);

/// CheckInputComplete as the user is told it: success, or "Input is incomplete" with the problem.
Status RequireCompleteModel(ProjectModel& m);

/// "slenderness option -1 is not one of 1, 2, 3, 4"; empty when `value` is one of `allowed`.
std::string OptionProblem(const std::string& name, int value, const OptionValues& allowed);

}  // namespace tarnix
