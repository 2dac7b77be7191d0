// The five display settings pages as widgets: every key of a group has its
// control, opening shows the file, OK writes what the controls show and
// Cancel writes nothing.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "settings/OptionIO.h"
#include "settings/pages/OptionPage1Widget.h"
#include "settings/pages/OptionPage2Widget.h"
#include "settings/pages/OptionPage3Widget.h"
#include "settings/pages/OptionPage4Widget.h"
#include "settings/pages/OptionPage5Widget.h"
#include "support/TempDir.h"
#include "tables/PropertySheet.h"

namespace {

// Installs a scripted colour chooser for one test.
class ScriptedColours {
public:
    explicit ScriptedColours(QColor answer, bool accept = true)
    {
        previous_ = OptionPageForm::SetColourChooser([this, answer, accept](const QColor& initial,
                                                                            QColor* chosen) {
            initials.push_back(initial);
            *chosen = answer;
            return accept;
        });
    }
    ~ScriptedColours() { OptionPageForm::SetColourChooser(previous_); }
    std::vector<QColor> initials;

private:
    OptionPageForm::ColourChooser previous_;
};

std::string Option(const char* key) { return platform::Profile::GetString("OPTION", key, "<none>", 64); }

// A value for key k of a group that differs from its default.
int TestValue(OptionKind kind, size_t k)
{
    switch (kind) {
    case OptionKind::Show: return k % 2 ? 1 : 0;
    case OptionKind::Red:
    case OptionKind::Green:
    case OptionKind::Blue: return static_cast<int>(17 + 7 * k) % 256;
    default: return static_cast<int>(40 + k);
    }
}

template <class Widget, class Settings>
struct PageCase {
    // Opening shows the file, OK writes every key of the group unchanged.
    static void RoundTrip()
    {
        testsupport::TempDir dir;
        const auto& keys = Settings::Keys();
        for (size_t k = 0; k < keys.size(); ++k)
            WriteOptionInt(keys[k].name, TestValue(keys[k].kind, k));
        const std::string before = testsupport::TempDir::Read(dir.Ini());
        PropertySheet sheet(QStringLiteral("Settings"));
        Widget page;
        sheet.AddPage(&page);
        sheet.show();
        ASSERT_TRUE(page.IsInitialized());
        for (size_t k = 0; k < keys.size(); ++k) {
            const int expected = TestValue(keys[k].kind, k);
            if (keys[k].kind == OptionKind::Real)
                EXPECT_EQ(page.Settings().*(keys[k].real), expected) << keys[k].name;
            else
                EXPECT_EQ(page.Settings().*(keys[k].value), expected) << keys[k].name;
        }
        EXPECT_TRUE(sheet.PressOk());
        EXPECT_EQ(testsupport::TempDir::Read(dir.Ini()), before);
        sheet.hide();
    }

    // Every check box unticked, every edit changed, every colour picked:
    // Cancel leaves the file alone, OK writes what the controls show.
    static void CancelWritesNothingOkWritesControls()
    {
        testsupport::TempDir dir;
        WriteOptionInt("unrelated", 5);
        const std::string before = testsupport::TempDir::Read(dir.Ini());
        ScriptedColours colours(QColor(10, 20, 30));
        for (int pass = 0; pass < 2; ++pass) {
            PropertySheet sheet(QStringLiteral("Settings"));
            Widget page;
            sheet.AddPage(&page);
            sheet.show();
            for (QCheckBox* box : page.template findChildren<QCheckBox*>())
                box->setChecked(false);
            for (QPushButton* button : page.template findChildren<QPushButton*>())
                if (page.ColourButton(button->objectName().toInt()))
                    page.OnColour(button->objectName().toInt());
            for (QLineEdit* edit : page.template findChildren<QLineEdit*>())
                if (!page.BoundKeys(edit->objectName().toInt()).empty()) {
                    edit->selectAll();
                    QTest::keyClicks(edit, "7");
                }
            if (pass == 0) {
                sheet.PressCancel();
                EXPECT_EQ(testsupport::TempDir::Read(dir.Ini()), before);
                continue;
            }
            EXPECT_TRUE(sheet.PressOk());
            for (const auto& k : Settings::Keys()) {
                std::string want;
                switch (k.kind) {
                case OptionKind::Show: want = "0"; break;
                case OptionKind::Red: want = "10"; break;
                case OptionKind::Green: want = "20"; break;
                case OptionKind::Blue: want = "30"; break;
                default: want = "7"; break;
                }
                EXPECT_EQ(Option(k.name), want) << k.name;
            }
            EXPECT_EQ(Option("unrelated"), "5");
        }
    }

    static void All()
    {
        RoundTrip();
        CancelWritesNothingOkWritesControls();
    }
};

} // namespace

TEST(OptionPageWidgets, NodePage) { PageCase<OptionPage1Widget, COptionPage1>::All(); }
TEST(OptionPageWidgets, MemberPage) { PageCase<OptionPage2Widget, COptionPage2>::All(); }
TEST(OptionPageWidgets, LoadPage) { PageCase<OptionPage3Widget, COptionPage3>::All(); }
TEST(OptionPageWidgets, ForcePage) { PageCase<OptionPage4Widget, COptionPage4>::All(); }
TEST(OptionPageWidgets, GlobalPage) { PageCase<OptionPage5Widget, COptionPage5>::All(); }

TEST(OptionPageWidgets, ControlsCarryTheirLabelsAndKeys)
{
    testsupport::TempDir dir;
    OptionPage1Widget node;
    OptionPage2Widget member;
    OptionPage3Widget load;
    OptionPage4Widget force;
    OptionPage5Widget view;
    EXPECT_EQ(node.Caption() + "|" + member.Caption() + "|" + load.Caption() + "|" + force.Caption() +
                  "|" + view.Caption(),
              "Node setting|Element setting|Loads setting|Member force|Global Setting");
    const std::pair<QCheckBox*, const char*> labels[] = {
        {node.Check(12014), "Joint"}, {node.Check(12019), "Boundary"}, {member.Check(12024), "K point"},
        {load.Check(12044), "Value"}, {force.Check(12017), "Torq"},    {view.Check(12014), "Global Axis"}};
    for (const auto& [box, text] : labels)
        EXPECT_EQ(box->text(), text);
    EXPECT_FALSE(node.Check(12017)->isEnabled());
    EXPECT_FALSE(node.ColourButton(12108)->isEnabled());
    EXPECT_EQ(node.BoundKeys(12108),
              (std::vector<std::string>{"disp number red", "disp number green", "dsip number blue"}));
    EXPECT_EQ(load.BoundKeys(12116), std::vector<std::string>{"load scale"});
    EXPECT_EQ(force.BoundKeys(12116), std::vector<std::string>{"Member Mz scale"});
    // The distance fields are not bound to any setting.
    ASSERT_NE(view.Edit(12036), nullptr);
    EXPECT_TRUE(view.BoundKeys(12036).empty());
}

TEST(OptionPageWidgets, CheckBoxTicksOnlyForOne)
{
    testsupport::TempDir dir;
    WriteOptionInt("node coordinate show", 2);
    WriteOptionInt("node number show", 1);
    OptionPage1Widget page;
    page.EnsureInitialized();
    EXPECT_FALSE(page.Check(12014)->isChecked());
    EXPECT_TRUE(page.Check(12015)->isChecked());
    page.OnOK();
    EXPECT_EQ(Option("node coordinate show"), "0");
    EXPECT_EQ(Option("node number show"), "1");
}

TEST(OptionPageWidgets, LoadScaleAcceptsDecimalAndStoresWholePart)
{
    testsupport::TempDir dir;
    PropertySheet sheet(QStringLiteral("Settings"));
    OptionPage3Widget page;
    sheet.AddPage(&page);
    sheet.show();
    EXPECT_EQ(page.Edit(12116)->text(), "1");
    page.Edit(12116)->selectAll();
    QTest::keyClicks(page.Edit(12116), "2.7");
    EXPECT_TRUE(sheet.PressOk());
    EXPECT_EQ(Option("load scale"), "2");
    EXPECT_DOUBLE_EQ(page.Settings().m_loadScale, 2.7);
    COptionPage3 reread;
    reread.LoadLibraryA();
    EXPECT_DOUBLE_EQ(reread.m_loadScale, 2.0);
}

TEST(OptionPageWidgets, WholeNumberEditsRefuseOtherText)
{
    testsupport::TempDir dir;
    platform::MessageRecorder boxes;
    OptionPage1Widget page;
    page.EnsureInitialized();
    page.Edit(12010)->setText("2.5");
    EXPECT_FALSE(page.OnKillActive());
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Please enter an integer.");
    EXPECT_EQ(page.Settings().m_nodeFactor, 6);
    page.Edit(12010)->setText(" 9 ");
    EXPECT_TRUE(page.OnKillActive());
    EXPECT_EQ(page.Settings().m_nodeFactor, 9);
    // "load scale" refuses what is not a number at all.
    OptionPage3Widget load;
    load.EnsureInitialized();
    load.Edit(12116)->setText("two");
    EXPECT_FALSE(load.OnKillActive());
    EXPECT_EQ(boxes.messages.back().text, "Please enter a number.");
}

TEST(OptionPageWidgets, ColourButtonStartsFromTheMembersAndKeepsPickAfterCancel)
{
    testsupport::TempDir dir;
    WriteOptionInt("grid red", 300);   // outside 0..255: kept, shown clamped
    ScriptedColours colours(QColor(1, 2, 3));
    COptionPage5 settings;
    PropertySheet sheet(QStringLiteral("Settings"));
    OptionPage5Widget page(&settings);
    sheet.AddPage(&page);
    sheet.show();
    EXPECT_EQ(settings.m_gridRed, 300);
    QTest::mouseClick(page.ColourButton(12105), Qt::LeftButton);
    ASSERT_EQ(colours.initials.size(), 1u);
    EXPECT_EQ(colours.initials[0], QColor(0, 0, 0));   // screen default
    EXPECT_EQ(settings.m_screenRed, 1);
    EXPECT_EQ(settings.m_screenGreen, 2);
    EXPECT_EQ(settings.m_screenBlue, 3);
    page.OnColour(12025);
    EXPECT_EQ(colours.initials[1], QColor(255, 141, 141));
    sheet.PressCancel();
    EXPECT_EQ(Option("screen red"), "<none>");
    // The picked colour stays in the object until the page opens again.
    EXPECT_EQ(settings.m_screenBlue, 3);
    page.LoadControls();
    EXPECT_EQ(settings.m_screenBlue, 0);

    ScriptedColours refused(QColor(4, 5, 6), false);
    page.OnColour(12105);
    EXPECT_EQ(settings.m_screenRed, 0);
}
