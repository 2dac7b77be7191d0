// Widget tests need a QApplication (offscreen platform) around the suite,
// and a watchdog that fails a test left waiting on a box it did not expect.
#include <QApplication>
#include <gtest/gtest.h>

#include "support/ModalWatchdog.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    testsupport::ModalWatchdog watchdog;
    return RUN_ALL_TESTS();
}
