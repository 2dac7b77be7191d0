#include "tables/EditWnd.h"
#include "tables/PropertyPage.h"
#include "tables/PropertySheet.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A page that may refuse to be left and counts its OK calls.
class RefusingPage : public PropertyPage {
public:
    using PropertyPage::PropertyPage;
    bool OnKillActive() override { return allowLeave; }
    void OnOK() override { ++oks; }
    bool allowLeave = true;
    int oks = 0;
};

} // namespace

// A page refusing to be left keeps its tab and the sheet open; OK then
// reaches every opened page and closes the sheet.
TEST(PropertySheet, ARefusingPageKeepsItsTabAndOkReachesEveryPage)
{
    PropertySheet sheet("Node Properties");
    auto* a = new RefusingPage("Coordinate");
    auto* b = new RefusingPage("Restraint ");
    sheet.AddPage(a);
    sheet.AddPage(b);
    EXPECT_EQ(sheet.Tabs()->tabText(1), "Restraint ");
    sheet.show();
    sheet.Tabs()->setCurrentIndex(1);
    EXPECT_EQ(sheet.GetActivePage(), b);
    b->allowLeave = false;
    sheet.Tabs()->setCurrentIndex(0);
    EXPECT_EQ(sheet.Tabs()->currentIndex(), 1);
    EXPECT_FALSE(sheet.PressOk());
    EXPECT_TRUE(sheet.isVisible());
    b->allowLeave = true;
    QTest::mouseClick(sheet.OkButton(), Qt::LeftButton);
    EXPECT_EQ(std::make_pair(a->oks, b->oks), std::make_pair(1, 1));
    EXPECT_FALSE(sheet.isVisible());
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
