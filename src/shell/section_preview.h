// The section dock: the section as it stands now, drawn again after every change of the project, with the
// record being edited marked. It needs no calculation and no complete input.
#pragma once

#include <QDockWidget>

#include <vector>

#include "editor/field_descriptors.h"
#include "editor/section_highlight.h"
#include "model/project_model.h"

class QLabel;

namespace tarnix {

class SectionView;

class SectionPreview : public QDockWidget {
  Q_OBJECT

 public:
  SectionPreview(const ProjectModel& model, QWidget* parent = nullptr);

  /// The tab in front decides which records are marked.
  void SetTab(MainTab tab);
  /// Draws the project's section again.
  void Redraw();
  /// The rows selected in a list's table are marked (none: its current record).
  void Select(RecordList list, std::vector<int> rows);
  const SectionView& View() const { return *view_; }

 signals:
  /// A click on the shape of record `record` of kind `source`.
  void ShapeClicked(RecordKind source, int record);

 private:
  const ProjectModel& model_;
  MainTab tab_ = MainTab::Criteria;
  SelectedRecords selected_;
  SectionView* view_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace tarnix
