// The dialogs of the connectivity bar: mirror, rotation, generation and
// assignment pages, their defaults and the answers they hand back.
#include "ElementTestSupport.h"
#include "tables/element/ElementAssign.h"
#include "tables/element/ElementGen1.h"
#include "tables/element/ElementPage6.h"
#include "tables/element/ElementPage8.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using elementtest::ElementProject;

namespace {

using Dialogs = ElementProject;

TEST_F(Dialogs, MirrorPageDefaultsToCopyInTheYZPlane)
{
    CElementPage6 page;
    EXPECT_TRUE(page.ModeButton(2)->isChecked());
    EXPECT_TRUE(page.PlaneButton(CElementPage6::PlaneYZ)->isChecked());
    EXPECT_EQ(page.PlaneButton(CElementPage6::PlaneXZ)->text(), "X-Z (Distance along Y-axis)");
    page.ModeButton(1)->setChecked(true);
    EXPECT_FALSE(page.ModeButton(2)->isChecked()); // the radios exclude one another
    page.PlaneButton(CElementPage6::PlaneXY)->setChecked(true);
    page.DistanceEdit()->setText("2.5");
    page.OnOK();
    EXPECT_EQ(page.m_mode, 1);
    EXPECT_EQ(page.m_plane, CElementPage6::PlaneXY);
    EXPECT_EQ(page.m_distance, 2.5);
}

TEST_F(Dialogs, RotationPageDefaultsToCopyAboutYAndReadsKAndTheAngle)
{
    CElementPage8 page;
    EXPECT_TRUE(page.ModeButton(2)->isChecked());
    EXPECT_TRUE(page.AxisButton(2)->isChecked());
    EXPECT_EQ(page.Edit(3)->text(), "0");
    page.AxisButton(3)->setChecked(true);
    page.Edit(0)->setText("1");
    page.Edit(2)->setText("-2");
    page.Edit(3)->setText("45");
    page.OnOK();
    EXPECT_EQ(page.m_axis, 3);
    EXPECT_EQ(page.m_x, 1.0);
    EXPECT_EQ(page.m_z, -2.0);
    EXPECT_EQ(page.m_angle, 45.0);
}

TEST_F(Dialogs, GenerationPageShowsTheSourceMemberAndItsProperty)
{
    geo->m_memberTable = Members({{1, 2}, {2, 3}});
    geo->m_memberTable(2, 7) = 4;
    Select(2, 2);
    CElementGen1 page;
    page.m_geometry = geo.get();
    page.EnsureInitialized();
    page.OnSetActive();
    EXPECT_EQ(page.Edit(12060)->text(), "   2");
    EXPECT_EQ(page.Edit(12059)->text(), "   4");
    EXPECT_FALSE(page.Edit(12060)->isEnabled());
    EXPECT_EQ(page.Edit(12032)->toolTip(), "Number Gennerate");
    EXPECT_EQ(page.ReleaseBox(5)->toolTip(), "Release Mz");
    EXPECT_FALSE(page.ReleaseBox(0)->isEnabled());
    page.Edit(12032)->setText("3");
    page.Edit(12024)->setText("2");
    page.OnOK();
    const MemberTableWorker::Generation g = page.Parameters();
    EXPECT_EQ(g.element, 2);
    EXPECT_EQ(g.property, 4);
    EXPECT_EQ(g.count, 3);
    EXPECT_EQ(g.ratio, 2);
    EXPECT_EQ(g.startIncrement, 1);

    // Text that is no whole number is refused with a message; the page
    // stays and the last good answers stand.
    for (const char* bad : {"abc", "", "2.5x"}) {
        messages.Clear();
        page.Edit(12032)->setText(bad);
        EXPECT_FALSE(page.OnKillActive()) << bad;
        ASSERT_EQ(messages.messages.size(), 1u) << bad;
        EXPECT_EQ(messages.messages[0].text, std::string("Gen No.: \"") + bad + "\" is not a whole number.");
        EXPECT_EQ(page.Parameters().count, 3);
    }
}

TEST_F(Dialogs, AssignmentListsTheGroups)
{
    CElementAssign dialog("Release", 3);
    EXPECT_EQ(dialog.ModeLabel()->text(), "Release");
    ASSERT_EQ(dialog.List()->count(), 3);
    EXPECT_EQ(dialog.List()->itemText(2), "Group 3");
    dialog.SetGroup(2);
    EXPECT_EQ(dialog.Group(), 2);
}

} // namespace
