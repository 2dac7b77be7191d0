#include "tables/DialogBar.h"
#include "tables/EditWnd.h"
#include "tables/PropertyPage.h"
#include "tables/PropertySheet.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Writes every call of the page protocol into a shared log.
class LoggingPage : public PropertyPage {
public:
    LoggingPage(const QString& name, std::vector<std::string>& log) : PropertyPage(name), m_log(log) {}
    bool OnInitDialog() override { return Log("init"); }
    bool OnSetActive() override { return Log("set"); }
    bool OnKillActive() override
    {
        Log("kill");
        return allowLeave;
    }
    void OnOK() override { Log("ok"); }
    void OnCancel() override { Log("cancel"); }

    bool allowLeave = true;

private:
    bool Log(const char* what)
    {
        m_log.push_back(Caption().toStdString() + ":" + what);
        return true;
    }
    std::vector<std::string>& m_log;
};

class LoggingBar : public DialogBar {
public:
    bool OnInitDialog() override
    {
        ++inits;
        return true;
    }
    int inits = 0;
};

using Log = std::vector<std::string>;

// The calls logged so far; the log starts again.
Log Take(Log& log)
{
    Log taken;
    taken.swap(log);
    return taken;
}

} // namespace

TEST(PropertySheet, TabsActivateAndOkReachesEveryOpenedPage)
{
    Log log;
    PropertySheet sheet("Node Properties");
    auto* a = new LoggingPage("Coordinate", log);
    auto* b = new LoggingPage("Restraint ", log);
    sheet.AddPage(a);
    sheet.AddPage(b);
    sheet.AddPage(new LoggingPage("Never", log));
    EXPECT_EQ(sheet.Tabs()->tabText(1), "Restraint ");
    sheet.show();
    EXPECT_EQ(Take(log), (Log {"Coordinate:init", "Coordinate:set"}));

    sheet.Tabs()->setCurrentIndex(1); // the user picks the second tab
    EXPECT_EQ(Take(log), (Log {"Coordinate:kill", "Restraint :init", "Restraint :set"}));
    EXPECT_EQ(sheet.GetActivePage(), b);

    b->allowLeave = false; // a page may refuse to be left
    sheet.Tabs()->setCurrentIndex(0);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
    EXPECT_FALSE(sheet.PressOk());
    b->allowLeave = true;
    Take(log);

    QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
    EXPECT_EQ(Take(log), (Log {"Restraint :kill", "Coordinate:ok", "Restraint :ok"}));
    EXPECT_FALSE(sheet.isVisible());
}

TEST(PropertySheet, CancelAndApply)
{
    Log log;
    PropertySheet sheet("Sheet");
    auto* a = new LoggingPage("A", log);
    sheet.AddPage(a);
    sheet.show();
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
    a->SetModified();
    EXPECT_TRUE(sheet.ApplyButton()->isEnabled());
    Take(log);
    QTest::mouseClick(sheet.ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(Take(log), (Log {"A:kill", "A:ok"}));
    EXPECT_FALSE(sheet.ApplyButton()->isEnabled());
    EXPECT_TRUE(sheet.isVisible());
    QTest::keyClick(&sheet, Qt::Key_Escape);
    EXPECT_EQ(Take(log), (Log {"A:cancel"}));
    EXPECT_FALSE(sheet.isVisible());
}

TEST(DialogBar, CreateRunsOnInitDialogOnce)
{
    LoggingBar bar;
    EXPECT_TRUE(bar.Create());
    EXPECT_TRUE(bar.Create());
    EXPECT_EQ(bar.inits, 1);
}

TEST(EditWnd, EnterAndEscapeStayInTheEditorInsideASheet)
{
    PropertySheet sheet("Node Properties");
    auto* page = new PropertyPage("Coordinate");
    auto* target = new QLineEdit(page);
    auto* editor = new CEditWnd(page);
    editor->SetFocusTarget(target);
    sheet.AddPage(page);
    sheet.show();
    sheet.activateWindow();
    (void)QTest::qWaitForWindowActive(&sheet);
    EXPECT_TRUE(editor->isHidden()); // created hidden

    editor->show();
    editor->setFocus();
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(sheet.isVisible()); // the OK button did not take the Enter
    EXPECT_EQ(editor->GetText(), "12");
    EXPECT_TRUE(target->hasFocus());

    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_TRUE(editor->isHidden());
    EXPECT_EQ(editor->GetText(), "");
    EXPECT_TRUE(target->hasFocus());
}
