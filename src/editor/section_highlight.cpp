// The record being edited, marked on the section drawing.
#include "editor/section_highlight.h"

#include <algorithm>

#include "editor/record_navigation.h"

namespace tarnix {
std::optional<ListOnTab> ListOfRecord(RecordKind kind) {
  switch (kind) {
    case RecordKind::ConcreteRect: return ListOnTab{RecordList::ConcreteRect, MainTab::Concrete};
    case RecordKind::ConcreteCircle: return ListOnTab{RecordList::ConcreteCircle, MainTab::Concrete};
    case RecordKind::ReinforcingLine: return ListOnTab{RecordList::ReinforcingLine, MainTab::Reinforcing};
    case RecordKind::ReinforcingArc: return ListOnTab{RecordList::ReinforcingArc, MainTab::Reinforcing};
    case RecordKind::SteelRect: return ListOnTab{RecordList::SteelRect, MainTab::Steel};
    case RecordKind::SteelPipe: return ListOnTab{RecordList::SteelPipe, MainTab::Steel};
    // Polygons and single bars have no table of their own yet: no row of another list stands for them.
    case RecordKind::ConcretePolygon:
    case RecordKind::SingleBar:
      return std::nullopt;
  }
  return std::nullopt;
}

void MarkCurrentRecords(const ProjectModel& m, MainTab tab, SectionDrawing& drawing,
                        const SelectedRecords& selected) {
  for (DrawShape& shape : drawing.shapes) {
    const std::optional<ListOnTab> place = ListOfRecord(shape.source);
    if (!place) {
      shape.highlighted = false;
      continue;
    }
    const ListOnTab& owner = *place;
    const auto rows = selected.find(owner.list);
    const bool marked = rows != selected.end() && !rows->second.empty()
                            ? std::find(rows->second.begin(), rows->second.end(), shape.record) != rows->second.end()
                            : shape.record == CurrentIndex(m, owner.list);
    shape.highlighted = owner.tab == tab && marked;
  }
}

}  // namespace tarnix
