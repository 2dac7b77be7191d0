// The desktop window's tests: GoogleTest first, then the application object
// set up as the program sets it up (GL surface format, C numeric locale, Qt
// platform services), under its own name for Qt's settings file.
#include <gtest/gtest.h>

#include <QApplication>

#include "GuiStartup.h"
#include "support/ModalWatchdog.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    GuiStartup::BeforeApplication();
    QApplication app(argc, argv);
    GuiStartup::AfterApplication("KESTRA-tests", "kestra-gui-tests");
    testsupport::ModalWatchdog watchdog;
    return RUN_ALL_TESTS();
}
