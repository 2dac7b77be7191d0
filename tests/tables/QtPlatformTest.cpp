#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "tables/QtFileDialogSink.h"
#include "tables/QtMessageSink.h"
#include "tables/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using platform::QtFileDialogSink;
using platform::QtMessageSink;

TEST(QtFileDialogSink, FiltersBecomeQtFilters)
{
    EXPECT_EQ(QtFileDialogSink::ToQtFilter("Node File (*.nod)|*.nod||"), "Node File (*.nod)");
    EXPECT_EQ(QtFileDialogSink::ToQtFilter("Tables (*.pro)|*.pro;*.res|All Files|*.*||"),
              "Tables (*.pro *.res);;All Files (*.*)");
    EXPECT_EQ(QtFileDialogSink::ToQtFilter("*.txt"), "*.txt");
}

// A box closed without a button answers as its safe button.
TEST(QtMessageSink, ClosedWithoutAButtonAnswersCancelOrNo)
{
    EXPECT_EQ(QtMessageSink::StandardButtons(platform::MB_OKCANCEL | platform::MB_ICONWARNING),
              int(QMessageBox::Ok | QMessageBox::Cancel));
    EXPECT_EQ(QtMessageSink::Answer(QMessageBox::NoButton, platform::MB_OKCANCEL), platform::IDCANCEL);
    EXPECT_EQ(QtMessageSink::Answer(QMessageBox::NoButton, platform::MB_YESNO), platform::IDNO);
    EXPECT_EQ(QtMessageSink::Answer(QMessageBox::NoButton, platform::MB_OK), platform::IDOK);
}

TEST(QtMessageSink, ShowsARealBoxAndReturnsTheClickedButton)
{
    platform::InstallQtPlatform();
    EXPECT_NE(dynamic_cast<QtMessageSink*>(platform::CurrentMessageSink()), nullptr);
    QString seenText, seenTitle;
    QTimer::singleShot(50, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                seenText = box->text();
                seenTitle = box->windowTitle();
                box->button(QMessageBox::No)->click();
            }
        }
    });
    const int answer = platform::MessageBox("Delete the load case?", "KESTRA Wizard", platform::MB_YESNO);
    platform::UninstallQtPlatform();
    EXPECT_EQ(answer, platform::IDNO);
    EXPECT_EQ(seenText, "Delete the load case?");
    EXPECT_EQ(seenTitle, "KESTRA Wizard");
    // Uninstalled: no Qt box, no Qt file dialog.
    EXPECT_EQ(dynamic_cast<QtMessageSink*>(platform::CurrentMessageSink()), nullptr);
    std::string path;
    EXPECT_FALSE(platform::FileDialog::GetOpenFileName("Node File (*.nod)|*.nod||", path));
}

TEST(QtPlatform, WaitCursorOverridesUntilTheOutermostEnds)
{
    platform::InstallQtPlatform();
    {
        platform::WaitCursor outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            platform::WaitCursor inner;
        }
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    platform::UninstallQtPlatform();
    platform::WaitCursor none;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
