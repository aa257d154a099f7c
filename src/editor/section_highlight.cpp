// The record being edited, marked on the section drawing.
#include "editor/section_highlight.h"

#include <algorithm>

#include "editor/record_navigation.h"

namespace tarnix {

ListOnTab ListOfRecord(RecordKind kind) {
  switch (kind) {
    case RecordKind::ConcreteRect: return {RecordList::ConcreteRect, MainTab::Concrete};
    case RecordKind::ConcreteCircle: return {RecordList::ConcreteCircle, MainTab::Concrete};
    case RecordKind::ReinforcingLine: return {RecordList::ReinforcingLine, MainTab::Reinforcing};
    case RecordKind::ReinforcingArc: return {RecordList::ReinforcingArc, MainTab::Reinforcing};
    case RecordKind::SteelRect: return {RecordList::SteelRect, MainTab::Steel};
    case RecordKind::SteelPipe: return {RecordList::SteelPipe, MainTab::Steel};
    case RecordKind::ConcretePolygon: return {RecordList::ConcretePolygon, MainTab::Concrete};
    case RecordKind::SingleBar: return {RecordList::SingleBar, MainTab::Reinforcing};
  }
  return {RecordList::ConcreteRect, MainTab::Concrete};
}

void MarkCurrentRecords(const ProjectModel& m, MainTab tab, SectionDrawing& drawing,
                        const SelectedRecords& selected) {
  for (DrawShape& shape : drawing.shapes) {
    const ListOnTab owner = ListOfRecord(shape.source);
    const auto rows = selected.find(owner.list);
    const bool marked = rows != selected.end() && !rows->second.empty()
                            ? std::find(rows->second.begin(), rows->second.end(), shape.record) != rows->second.end()
                            : shape.record == CurrentIndex(m, owner.list);
    shape.highlighted = owner.tab == tab && marked;
  }
}

}  // namespace tarnix
