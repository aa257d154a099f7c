// One change of the project as Undo and Redo see it: the engineer's inputs before and after it. The
// results of the last calculation and the file names are not part of it: undoing an edit never brings
// back results of other inputs nor renames the project's files.
#pragma once

#include "model/project_model.h"

namespace tarnix {

/// The inputs of the project: `m` without its result blocks.
ProjectModel InputsOf(const ProjectModel& m);

class ModelChange {
 public:
  /// `mergeKey` >= 0 lets consecutive changes with the same key become one (typing into one field);
  /// -1 never merges.
  ModelChange(ProjectModel before, ProjectModel after, int mergeKey = -1);

  /// Puts the inputs back to before (Undo) or after (Redo) the change; results, file names and run state
  /// stay; the project then counts as changed.
  void Undo(ProjectModel& m) const;
  void Redo(ProjectModel& m) const;
  /// Takes `next` into this change when both have the same key (not -1); returns whether it did.
  bool Merge(const ModelChange& next);
  int MergeKey() const { return mergeKey_; }

 private:
  ProjectModel before_, after_;
  int mergeKey_;
};

}  // namespace tarnix
