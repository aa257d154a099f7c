// The field table: every field described once and placed where the windows can build it, and tool-tips
// and unit labels in the units of the model's system.
#include "editor/field_descriptors.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "editor/option_choices.h"
#include "model/defaults.h"

namespace tarnix {
namespace {

TEST(FieldDescriptors, EveryFieldOnceAndEachListFrameWithItsCount) {
  std::map<Field, int> rows;
  for (const FieldDescriptor& d : FieldDescriptors()) ++rows[d.id];
  for (int f = 0; f <= static_cast<int>(Field::title); ++f) {
    EXPECT_EQ(rows[static_cast<Field>(f)], 1) << "field " << f;
    EXPECT_EQ(DescriptorOf(static_cast<Field>(f)).id, static_cast<Field>(f));
  }

  // A frame of the main window that holds a count holds the records of that one list (the frame of the
  // steel curves holds the points of both and no count); the window finds its fields by caption, so no
  // caption repeats within the frame of one record.
  std::map<FieldGroup, int> counts;
  std::map<FieldGroup, std::set<RecordList>> lists;
  std::set<std::tuple<FieldGroup, std::optional<RecordList>, std::string>> captions;
  for (const FieldDescriptor& d : FieldDescriptors()) {
    if (std::holds_alternative<RecordKind>(d.slot) || std::holds_alternative<LoadCount>(d.slot)) {
      ++counts[d.group];
    }
    if (d.record) {
      lists[d.group].insert(*d.record);
      EXPECT_EQ(DescriptorOf(d.group).form, FieldForm::Main) << d.caption;
    }
    EXPECT_TRUE(captions.insert({d.group, d.record, d.caption}).second) << d.caption;
  }
  for (const auto& [group, held] : lists) {
    const bool points = held.count(RecordList::ReinforcingPoint) + held.count(RecordList::SteelPoint) > 0;
    EXPECT_EQ(counts[group], points ? 0 : 1) << DescriptorOf(group).caption;
    EXPECT_EQ(held.size(), points ? 2u : 1u) << DescriptorOf(group).caption;
  }
  EXPECT_EQ(lists.size(), 8u);  // seven lists with a count, and the steel curves

  ProjectModel m;  // tool-tips name the unit of the model's system
  ResetAll(m);
  EXPECT_EQ(ToolTip(m, Field::M), "Initial moment (k-ft)");
  SelectUnits(m, false);
  EXPECT_EQ(ToolTip(m, Field::M), "Initial moment (kN-m)");
}

}  // namespace
}  // namespace tarnix
