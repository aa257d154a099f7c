// The record lists as tables.
#include "editor/record_table.h"

#include <sstream>

#include "base/conventions.h"

namespace tarnix {
namespace {

// Runs `change(records, count)` on the list's storage; false for the point lists, which keep their length.
template <typename Change>
bool ChangeList(ProjectModel& m, RecordList list, Change change) {
  switch (list) {
    case RecordList::ConcreteRect:
      return change(m.rects, m.nr);
    case RecordList::ConcreteCircle:
      return change(m.circles, m.nc);
    case RecordList::ReinforcingLine:
      return change(m.lines, m.nl);
    case RecordList::ReinforcingArc:
      return change(m.arcs, m.na);
    case RecordList::SteelPipe:
      return change(m.pipes, m.np);
    case RecordList::SteelRect:
      return change(m.steelRects, m.nb);
    case RecordList::Load:
      return change(m.loads, m.ns);
    case RecordList::ConcretePolygon:
      return change(m.polygons, m.npg);
    case RecordList::SingleBar:
      return change(m.singleBars, m.nsb);
    case RecordList::PolygonCorner:
    case RecordList::ReinforcingPoint:
    case RecordList::SteelPoint:
      return false;
  }
  return false;
}

// The corners of the current polygon, stored from 0: rows `row` .. `row` + `n` - 1 inserted blank or erased.
bool InsertCorners(ProjectModel& m, int row, int n) {
  ConcretePolygon* polygon = CurrentPolygon(m);
  if (polygon == nullptr) return false;
  const int length = static_cast<int>(polygon->vertices.size());
  if (n < 1 || row < 1 || row > length + 1 || length + n > kMaxRecordCount) return false;
  polygon->vertices.insert(polygon->vertices.begin() + (row - 1), static_cast<size_t>(n), Vertex{});
  m.currentVertex = row;
  m.modified = 1;
  return true;
}

bool DeleteCorners(ProjectModel& m, int row, int n) {
  ConcretePolygon* polygon = CurrentPolygon(m);
  if (polygon == nullptr) return false;
  const int length = static_cast<int>(polygon->vertices.size());
  if (n < 1 || row < 1 || row + n - 1 > length) return false;
  polygon->vertices.erase(polygon->vertices.begin() + (row - 1), polygon->vertices.begin() + (row - 1 + n));
  m.currentVertex = 1;
  m.modified = 1;
  return true;
}

}  // namespace

std::vector<Field> TableColumns(RecordList list) { return FrameFields(list); }

int TableRows(const ProjectModel& m, RecordList list) { return ListLength(m, list); }

bool RowsCanChange(RecordList list) {
  return list != RecordList::ReinforcingPoint && list != RecordList::SteelPoint;
}

std::string CellText(const ProjectModel& m, RecordList list, int row, Field field) {
  // The field shows the current record: for a moment this row's (nothing else is changed).
  auto& model = const_cast<ProjectModel&>(m);
  const int shown = CurrentRecord(model, list);
  CurrentRecord(model, list) = row;
  std::string text = FieldText(m, field);
  CurrentRecord(model, list) = shown;
  return text;
}

EditEffect EditCell(ProjectModel& m, RecordList list, int row, Field field, std::string_view text) {
  if (row < 1 || row > TableRows(m, list)) return {};
  CurrentRecord(m, list) = row;
  return EditField(m, field, text);
}

std::vector<SlenderField> LoadSlendernessColumns(const ProjectModel& m) {
  std::vector<SlenderField> columns;
  if (!Slenderness::Magnifies(m.SlendernessOption)) return columns;
  for (const SlenderFieldDescriptor& d : SlenderFieldDescriptors()) {
    if (!AboutVerticalAxis(d.id) || VerticalAxisShown(m)) columns.push_back(d.id);
  }
  return columns;
}

std::string SlenderColumnCaption(const ProjectModel& m, SlenderField field) {
  for (const SlenderFieldDescriptor& d : SlenderFieldDescriptors()) {
    if (d.id != field) continue;
    const std::string unit = m.unitSystem().Label(d.unit);
    return unit.empty() ? std::string(d.caption) : d.caption + (", " + unit);
  }
  return {};
}

std::string SlenderCellText(const ProjectModel& m, int row, SlenderField field) {
  // The slenderness window's load: for a moment this row's.
  auto& model = const_cast<ProjectModel&>(m);
  const int shown = model.currentSlenderLoad;
  model.currentSlenderLoad = row;
  std::string text = SlenderFieldText(m, field);
  model.currentSlenderLoad = shown;
  return text;
}

std::string EditSlenderCell(ProjectModel& m, int row, SlenderField field, std::string_view text) {
  if (row < 1 || row > ListSize(m.ns)) return {};
  m.currentSlenderLoad = row;
  return EditSlenderField(m, field, text);
}

bool InsertRows(ProjectModel& m, RecordList list, int row, int n) {
  if (list == RecordList::PolygonCorner) return InsertCorners(m, row, n);
  return ChangeList(m, list, [&](auto& records, int& count) {
    const int length = ListSize(count);
    if (n < 1 || row < 1 || row > length + 1 || length + n > kMaxRecordCount) return false;
    // Storage beyond the count holds nothing the list shows: the list is made exactly its length first.
    records.resize(static_cast<size_t>(length) + 1);
    using Record = typename std::decay_t<decltype(records)>::value_type;
    records.insert(records.begin() + row, static_cast<size_t>(n), Record{});
    count = length + n;
    CurrentRecord(m, list) = row;
    m.modified = 1;
    return true;
  });
}

bool DeleteRows(ProjectModel& m, RecordList list, int row, int n) {
  if (list == RecordList::PolygonCorner) return DeleteCorners(m, row, n);
  return ChangeList(m, list, [&](auto& records, int& count) {
    const int length = ListSize(count);
    if (n < 1 || row < 1 || row + n - 1 > length) return false;
    records.resize(static_cast<size_t>(length) + 1);
    records.erase(records.begin() + row, records.begin() + row + n);
    count = length - n;
    CurrentRecord(m, list) = 1;
    m.modified = 1;
    return true;
  });
}

std::string RowsText(const ProjectModel& m, RecordList list, int first, int last) {
  std::string text;
  for (int row = first; row <= last && row <= TableRows(m, list); ++row) {
    const std::vector<Field> columns = TableColumns(list);
    for (size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) text += '\t';
      text += CellText(m, list, row, columns[c]);
    }
    if (list == RecordList::Load) {
      for (SlenderField field : LoadSlendernessColumns(m)) text += '\t' + SlenderCellText(m, row, field);
    }
    text += '\n';
  }
  return text;
}

PasteOutcome PasteRows(ProjectModel& m, RecordList list, int row, const std::string& text) {
  PasteOutcome outcome;
  const std::vector<Field> columns = TableColumns(list);
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (row > TableRows(m, list) && !InsertRows(m, list, row, 1)) break;
    std::istringstream cells(line);
    std::string cell;
    const auto refuse = [&](const std::string& caption, const std::string& problem) {
      if (!problem.empty()) outcome.refused.push_back("row " + std::to_string(row) + ", " + caption + ": " + problem);
    };
    size_t c = 0;
    for (; c < columns.size() && std::getline(cells, cell, '\t'); ++c)
      refuse(DescriptorOf(columns[c]).caption, EditCell(m, list, row, columns[c], cell).problem);
    // Loads go on with their slenderness data where the table shows it.
    const std::vector<SlenderField> slender =
        list == RecordList::Load ? LoadSlendernessColumns(m) : std::vector<SlenderField>{};
    for (size_t s = 0; c == columns.size() && s < slender.size() && std::getline(cells, cell, '\t'); ++s)
      refuse(SlenderColumnCaption(m, slender[s]), EditSlenderCell(m, row, slender[s], cell));
    ++outcome.rows;
    ++row;
  }
  return outcome;
}

}  // namespace tarnix
