// Editing rules of the member properties and slenderness parameters windows.
#include "editor/member_editor.h"

#include <gtest/gtest.h>

#include "model/defaults.h"
#include "model/model_edits.h"

namespace tarnix {
namespace {

TEST(MemberEditor, FieldsRestraintsAndKeff) {
  ProjectModel m;
  ResetAll(m);
  EditMemberField(m, MemberField::Keff, " 0.7 in");
  EditMemberField(m, MemberField::Keff, "abc");  // refused
  EXPECT_EQ(MemberFieldText(m, MemberField::Keff), "0.7");

  // A refresh of the window must not write back the boxes it sets.
  m.Vri = 0;
  m.refreshing = 1;
  EXPECT_FALSE(SetRestraint(m, Restraint::ShearI, true));
  EXPECT_EQ(m.Vri, 0);
  m.refreshing = 0;
  EXPECT_TRUE(SetRestraint(m, Restraint::ShearI, true));
  EXPECT_FALSE(InitialDeflectionIEnabled(m));
  SetRestraint(m, Restraint::ShearI, false);
  EXPECT_TRUE(InitialDeflectionIEnabled(m));
}

// The member data about the vertical axis lands in memberY and leaves that about the horizontal axis alone.
TEST(MemberEditor, MemberDataAboutTheVerticalAxis) {
  ProjectModel m;
  ResetAll(m);
  EXPECT_EQ(EditMemberField(m, MemberField::LY, "168"), "");
  EXPECT_TRUE(SetRestraint(m, Restraint::MomentJY, true));
  EXPECT_EQ(m.memberY.L, 168);
  EXPECT_EQ(m.memberY.Mrj, 1);
  EXPECT_EQ(m.L, 0);
  EXPECT_EQ(m.Mrj, 0);
  EXPECT_TRUE(AboutVerticalAxis(MemberField::LY));
  EXPECT_FALSE(AboutVerticalAxis(MemberField::L));
}

TEST(MemberEditor, SlendernessDataOfEachLoad) {
  ProjectModel m;
  ResetAll(m);                                    // English units: moments typed in k-ft, stored in lb-in
  SetLoadCount(m, 3);
  EXPECT_TRUE(NextSlenderLoad(m));
  EditSlenderField(m, SlenderField::M2ns, "120.04");
  EditSlenderField(m, SlenderField::BetaD, "x");
  EXPECT_FLOAT_EQ(m.loads[2].M2ns, 120.04f * 12000);
  EXPECT_EQ(SlenderFieldText(m, SlenderField::M2ns), "120.0");
  EXPECT_EQ(SlenderFieldText(m, SlenderField::BetaD), "0");

  // Fewer loads than the window's current one: it shows and edits the last load, never past the list.
  SetLoadCount(m, 2);
  EXPECT_EQ(CurrentSlenderLoad(m), 2);
  EditSlenderField(m, SlenderField::dj, "1");
  EXPECT_FLOAT_EQ(m.loads[2].dj, 1);
  EXPECT_EQ(m.modified, 1);
}

}  // namespace
}  // namespace tarnix
