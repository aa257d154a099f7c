// The current record of each list and the fields of its records.
#include "editor/record_navigation.h"

namespace tarnix {

int& CurrentRecord(ProjectModel& m, RecordList list) {
  switch (list) {
    case RecordList::ConcreteRect: return m.currentRect;
    case RecordList::ConcreteCircle: return m.currentCirc;
    case RecordList::ReinforcingLine: return m.currentLine;
    case RecordList::ReinforcingArc: return m.currentArc;
    case RecordList::SteelPipe: return m.currentPipe;
    case RecordList::SteelRect: return m.currentBar;
    case RecordList::Load: return m.currentLoad;
    case RecordList::ReinforcingPoint: return m.currentRPoint;
    case RecordList::SteelPoint: return m.currentSPoint;
    case RecordList::ConcretePolygon: return m.currentPolygon;
    case RecordList::PolygonCorner: return m.currentVertex;
    case RecordList::SingleBar: return m.currentSingleBar;
  }
  return m.currentRect;
}

ConcretePolygon* CurrentPolygon(ProjectModel& m) {
  const int at = m.currentPolygon;
  if (at < 1 || at > ListSize(m.npg) || at >= static_cast<int>(m.polygons.size())) return nullptr;
  return &m.polygons[static_cast<size_t>(at)];
}

const ConcretePolygon* CurrentPolygon(const ProjectModel& m) {
  return CurrentPolygon(const_cast<ProjectModel&>(m));
}

int CurrentIndex(const ProjectModel& m, RecordList list) {
  return CurrentRecord(const_cast<ProjectModel&>(m), list);
}

int ListLength(const ProjectModel& m, RecordList list) {
  switch (list) {
    case RecordList::ConcreteRect: return ListSize(m.nr);
    case RecordList::ConcreteCircle: return ListSize(m.nc);
    case RecordList::ReinforcingLine: return ListSize(m.nl);
    case RecordList::ReinforcingArc: return ListSize(m.na);
    case RecordList::SteelPipe: return ListSize(m.np);
    case RecordList::SteelRect: return ListSize(m.nb);
    case RecordList::Load: return ListSize(m.ns);
    case RecordList::ReinforcingPoint:
    case RecordList::SteelPoint: return m.StressStrainPointCount;
    case RecordList::ConcretePolygon: return ListSize(m.npg);
    case RecordList::PolygonCorner: {
      const ConcretePolygon* polygon = CurrentPolygon(m);
      return polygon == nullptr ? 0 : static_cast<int>(polygon->vertices.size());
    }
    case RecordList::SingleBar: return ListSize(m.nsb);
  }
  return 0;
}

std::vector<Field> FrameFields(RecordList list) {
  std::vector<Field> fields;
  for (const FieldDescriptor& d : FieldDescriptors()) {
    if (d.record == list) fields.push_back(d.id);
  }
  return fields;
}

}  // namespace tarnix
