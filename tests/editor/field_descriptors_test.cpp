// The field table: every field described once, no name twice and no caption twice in one frame, and
// captions and tool-tips in the units of the model's system.
#include "editor/field_descriptors.h"

#include <gtest/gtest.h>

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

  // The window names each field by its short name, so no name repeats; no caption repeats within the
  // frame of one record.
  std::set<std::string> names;
  std::set<std::tuple<FieldGroup, std::optional<RecordList>, std::string>> captions;
  for (const FieldDescriptor& d : FieldDescriptors()) {
    EXPECT_TRUE(names.insert(d.name).second) << d.name;
    EXPECT_TRUE(captions.insert({d.group, d.record, d.caption}).second) << d.caption;
  }

  ProjectModel m;  // tool-tips name the unit of the model's system
  ResetAll(m);
  EXPECT_EQ(ToolTip(m, Field::M), "M: Initial moment (k-ft)");
  EXPECT_EQ(FieldCaption(m, Field::inc), "Neutral axis step, in");
  SelectUnits(m, false);
  EXPECT_EQ(ToolTip(m, Field::M), "M: Initial moment (kN-m)");
  EXPECT_EQ(FieldCaption(m, Field::inc), "Neutral axis step, mm");
}

}  // namespace
}  // namespace tarnix
