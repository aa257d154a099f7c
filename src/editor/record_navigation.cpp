// Record navigation and frame captions.
#include "editor/record_navigation.h"

#include "base/number_format.h"

namespace tarnix {
namespace {

const char* CaptionPrefix(RecordList list) {
  switch (list) {
    case RecordList::ConcreteRect:
    case RecordList::ConcreteCircle: return "SECTION NO ";
    case RecordList::ReinforcingLine: return "LINE NO ";
    case RecordList::ReinforcingArc: return "ARC NO ";
    case RecordList::SteelPipe:
    case RecordList::SteelRect: return "SHAPE NO ";
    case RecordList::Load: return "LOAD CONDITION NO ";
    case RecordList::ReinforcingPoint: return "REINFORCING POINT NO ";
    case RecordList::SteelPoint: return "STEEL POINT NO ";
  }
  return "";
}

}  // namespace

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
  }
  return m.currentRect;
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
  }
  return 0;
}

bool ShowNext(ProjectModel& m, RecordList list) {
  int& current = CurrentRecord(m, list);
  if (current >= ListLength(m, list)) return false;
  ++current;
  return true;
}

bool ShowPrevious(ProjectModel& m, RecordList list) {
  int& current = CurrentRecord(m, list);
  if (current <= 1) return false;
  --current;
  return true;
}

std::string FrameCaption(const ProjectModel& m, RecordList list) {
  return CaptionPrefix(list) + FormatPlain(CurrentIndex(m, list));
}

std::vector<Field> FrameFields(RecordList list) {
  std::vector<Field> fields;
  for (const FieldDescriptor& d : FieldDescriptors()) {
    if (d.record == list) fields.push_back(d.id);
  }
  return fields;
}

}  // namespace tarnix
