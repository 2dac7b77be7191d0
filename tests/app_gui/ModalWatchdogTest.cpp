// A box nobody expected (a failed read's message, say) must fail the test
// that opened it and be closed, not hold the suite until ctest's timeout.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMessageBox>

#include "support/ModalWatchdog.h"

namespace {

void OpenUnexpectedBox()
{
    testsupport::ModalWatchdog* watchdog = testsupport::ModalWatchdog::Current();
    const int limit = watchdog->Limit();
    watchdog->SetLimit(300);
    QMessageBox::warning(nullptr, "KESTRA detect error in operation ", "Access file /x/F.nod");
    watchdog->SetLimit(limit);
}

} // namespace

TEST(ModalWatchdog, ClosesAnUnexpectedBoxAndFailsTheTestWithItsText)
{
    ASSERT_NE(testsupport::ModalWatchdog::Current(), nullptr);
    QElapsedTimer clock;
    clock.start();
    EXPECT_NONFATAL_FAILURE(OpenUnexpectedBox(),
                            "'KESTRA detect error in operation ': Access file /x/F.nod");
    EXPECT_LT(clock.elapsed(), 3000);
}
