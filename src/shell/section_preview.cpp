// The section dock.
#include "shell/section_preview.h"

#include <QLabel>
#include <QVBoxLayout>

#include "editor/section_highlight.h"
#include "plot/section_drawing.h"
#include "shell/section_view.h"

namespace tarnix {

SectionPreview::SectionPreview(const ProjectModel& model, QWidget* parent)
    : QDockWidget("Section", parent), model_(model) {
  setObjectName("sectionPreview");
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  view_ = new SectionView(body);
  view_->setMinimumSize(220, 220);  // a dock beside the tabs; the viewer window draws it larger
  view_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  note_ = new QLabel(body);
  note_->setWordWrap(true);
  layout->addWidget(view_, 1);
  layout->addWidget(note_);
  setWidget(body);
  connect(view_, &SectionView::RedrawRequested, this, &SectionPreview::Redraw);
  connect(view_, &SectionView::ShapeClicked, this, &SectionPreview::ShapeClicked);
}

void SectionPreview::SetTab(MainTab tab) {
  tab_ = tab;
  Redraw();
}

void SectionPreview::Select(RecordList list, std::vector<int> rows) {
  selected_[list] = std::move(rows);
  Redraw();
}

void SectionPreview::Redraw() {
  SectionDrawing drawing = DrawSection(model_);
  MarkCurrentRecords(model_, tab_, drawing, selected_);
  view_->ShowDrawing(drawing);
  // "Plot complete" says nothing while typing, and the view itself says why nothing is drawn; the warning
  // about complex shapes is worth a line under the drawing.
  note_->setText(drawing.Drawable() && !drawing.exact ? QString::fromStdString(drawing.status) : QString());
  note_->setVisible(!note_->text().isEmpty());
}

}  // namespace tarnix
