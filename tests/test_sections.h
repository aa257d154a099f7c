// Sections used by several tests.
#pragma once

#include "model/defaults.h"
#include "model/model_edits.h"
#include "model/project_model.h"

namespace tarnix {

/// The 12 x 20 in column with three 1 in^2 bars 2.5 in from each face (f'c 4000, fy 60000) under the
/// given criteria.
inline ProjectModel TwoLayerColumn(const char* criteria) {
  ProjectModel m;
  ResetAll(m);
  ChooseCriteria(m, criteria);
  SetRecordCount(m, RecordKind::ConcreteRect, 1);
  m.rects[1] = {0, 20, 12, 1};
  SetRecordCount(m, RecordKind::ReinforcingLine, 2);
  m.lines[1] = {17.5f, 7, 0, 3, 1};
  m.lines[2] = {2.5f, 7, 0, 3, 1};
  return m;
}

}  // namespace tarnix
