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

// The member data about the vertical axis lands in memberY and leaves that about the horizontal axis alone,
// and the reverse.
TEST(MemberEditor, EachAxisItsOwnMemberData) {
  const struct {
    MemberField field;
    Restraint restraint;
    bool vertical;
  } cases[] = {{MemberField::L, Restraint::ShearJ, false}, {MemberField::LY, Restraint::ShearJY, true},
               {MemberField::IeffY, Restraint::MomentIY, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.field));
    ProjectModel m;
    ResetAll(m);
    const ProjectModel before = m;
    EXPECT_EQ(EditMemberField(m, c.field, "168"), "");
    EXPECT_TRUE(SetRestraint(m, c.restraint, !RestraintValue(m, c.restraint)));
    EXPECT_EQ(MemberFieldText(m, c.field), "168");
    EXPECT_EQ(AboutVerticalAxis(c.field), c.vertical);
    const MemberAxis& y = m.memberY;
    const bool xSame = m.L == before.L && m.Ieff == before.Ieff && m.Vrj == before.Vrj && m.Mri == before.Mri;
    const bool ySame = y.L == before.memberY.L && y.Ieff == before.memberY.Ieff && y.Vrj == before.memberY.Vrj &&
                       y.Mri == before.memberY.Mri;
    EXPECT_EQ(xSame, c.vertical);
    EXPECT_EQ(ySame, !c.vertical);
  }
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
