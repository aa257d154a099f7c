// The record being edited, marked on the section drawing.
#include "editor/section_highlight.h"

#include <algorithm>

#include "editor/record_navigation.h"

namespace tarnix {
namespace {

// The list a drawn record belongs to and the tab whose frames show that list.
struct ListOnTab {
  RecordList list;
  MainTab tab;
};

ListOnTab ListOf(RecordKind kind) {
  switch (kind) {
    case RecordKind::ConcreteRect: return {RecordList::ConcreteRect, MainTab::Concrete};
    case RecordKind::ConcreteCircle: return {RecordList::ConcreteCircle, MainTab::Concrete};
    case RecordKind::ReinforcingLine: return {RecordList::ReinforcingLine, MainTab::Reinforcing};
    case RecordKind::ReinforcingArc: return {RecordList::ReinforcingArc, MainTab::Reinforcing};
    case RecordKind::SteelRect: return {RecordList::SteelRect, MainTab::Steel};
    case RecordKind::SteelPipe: return {RecordList::SteelPipe, MainTab::Steel};
    // The window has no list of polygons or single bars: a click on one opens its tab at the nearest list.
    case RecordKind::ConcretePolygon: return {RecordList::ConcreteRect, MainTab::Concrete};
    case RecordKind::SingleBar: return {RecordList::ReinforcingLine, MainTab::Reinforcing};
  }
  return {RecordList::ConcreteRect, MainTab::Concrete};
}

}  // namespace

void MarkCurrentRecords(const ProjectModel& m, MainTab tab, SectionDrawing& drawing,
                        const SelectedRecords& selected) {
  for (DrawShape& shape : drawing.shapes) {
    const ListOnTab owner = ListOf(shape.source);
    const auto rows = selected.find(owner.list);
    const bool marked = rows != selected.end() && !rows->second.empty()
                            ? std::find(rows->second.begin(), rows->second.end(), shape.record) != rows->second.end()
                            : shape.record == CurrentIndex(m, owner.list);
    shape.highlighted = owner.tab == tab && marked;
  }
}

}  // namespace tarnix
