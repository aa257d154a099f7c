// Changes of the project for Undo and Redo.
#include "editor/model_history.h"

#include <utility>

#include "model/model_edits.h"

namespace tarnix {
namespace {

void Restore(ProjectModel& m, const ProjectModel& inputs) {
  ProjectModel restored = inputs;
  restored.inputFileName = std::move(m.inputFileName);
  restored.inputFileTitle = std::move(m.inputFileTitle);
  restored.outputFileName = std::move(m.outputFileName);
  restored.outputFileTitle = std::move(m.outputFileTitle);
  restored.refreshing = m.refreshing;
  restored.inputComplete = m.inputComplete;
  restored.VersionText = std::move(m.VersionText);
  restored.sectionProperties = std::move(m.sectionProperties);
  restored.interactionDiagram = std::move(m.interactionDiagram);
  restored.interactionSurface = std::move(m.interactionSurface);
  restored.slenderness = std::move(m.slenderness);
  restored.momentCurvature = std::move(m.momentCurvature);
  restored.modified = 1;
  m = std::move(restored);
}

}  // namespace

ProjectModel InputsOf(const ProjectModel& m) {
  ProjectModel inputs = m;
  ClearResults(inputs);
  return inputs;
}

ModelChange::ModelChange(ProjectModel before, ProjectModel after, int mergeKey)
    : before_(InputsOf(before)), after_(InputsOf(after)), mergeKey_(mergeKey) {}

void ModelChange::Undo(ProjectModel& m) const { Restore(m, before_); }

void ModelChange::Redo(ProjectModel& m) const { Restore(m, after_); }

bool ModelChange::Merge(const ModelChange& next) {
  if (mergeKey_ < 0 || next.mergeKey_ != mergeKey_) return false;
  after_ = next.after_;
  return true;
}

}  // namespace tarnix
