// The progress bar and the two progress monitors.
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <cmath>
#include <gtest/gtest.h>

#include "auxiliary/Minimonitor.h"
#include "auxiliary/Monitor.h"
#include "auxiliary/ProgressBar.h"

TEST(ProgressBar, FloatPercentagesAreClamped)
{
    CProgressBar bar;
    EXPECT_EQ(bar.GetValue(), 0.0f);
    bar.SetValue(33.33f);
    EXPECT_FLOAT_EQ(bar.GetValue(), 33.33f);
    EXPECT_EQ(bar.value(), 3333);
    EXPECT_EQ(bar.maximum(), 10000);
    bar.SetValue(130.0f);
    EXPECT_EQ(bar.GetValue(), 100.0f);
    EXPECT_EQ(bar.value(), 10000);
    bar.SetValue(-4.0f);
    EXPECT_EQ(bar.GetValue(), 0.0f);
    bar.SetValue(NAN);
    EXPECT_TRUE(std::isnan(bar.GetValue()));
    EXPECT_EQ(bar.value(), 0);
    bar.SetMax(50.0f);
    bar.SetValue(75.0f);
    EXPECT_EQ(bar.GetValue(), 50.0f);
}

TEST(Minimonitor, ShowsTheProgressLine)
{
    CMinimonitor monitor(nullptr);
    EXPECT_EQ(monitor.Window(), nullptr);
    EXPECT_TRUE(monitor.LabelText().isEmpty());
    monitor.UpdateStep(10.0);   // no window yet: nothing happens
    EXPECT_TRUE(monitor.LabelText().isEmpty());

    monitor.ShowMonitor(nullptr, QStringLiteral("T"), 0.0, 200.0);
    ASSERT_NE(monitor.Window(), nullptr);
    EXPECT_TRUE(monitor.Window()->isVisible());
    EXPECT_FALSE(monitor.Window()->isModal());
    EXPECT_DOUBLE_EQ(monitor.Scale(), 0.5);
    monitor.UpdateStep(50.0);
    EXPECT_EQ(monitor.Bar()->GetValue(), 25.0f);
    EXPECT_EQ(monitor.StepText(), ":progress done 25.00");
    EXPECT_EQ(monitor.LabelText(), "T:progress done 25.00%");
    EXPECT_EQ(monitor.Label()->text(), "T:progress done 25.00%");
    EXPECT_EQ(monitor.Label()->objectName(), "1002");
    EXPECT_EQ(monitor.Bar()->objectName(), "1006");

    // Past the end the bar clamps and the line shows the clamped value.
    monitor.UpdateStep(300.0);
    EXPECT_EQ(monitor.LabelText(), "T:progress done 100.00%");
    // A non-zero minimum only enters through the width of the range.
    monitor.ShowMonitor(nullptr, QStringLiteral("Solve "), 100.0, 300.0);
    monitor.UpdateStep(1.0);
    EXPECT_EQ(monitor.LabelText(), "Solve :progress done 0.50%");
}

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

// The caller keeps the thread busy between steps: the line is painted
// inside UpdateStep, without the event loop running.
TEST(Minimonitor, StepIsPaintedAtOnce)
{
    CMinimonitor monitor(nullptr);
    monitor.ShowMonitor(nullptr, QStringLiteral("T"), 0.0, 10.0);
    monitor.UpdateStep(1.0);
    PaintCounter counter;
    monitor.Label()->installEventFilter(&counter);
    monitor.UpdateStep(2.0);
    EXPECT_GE(counter.paints, 1);
    monitor.Label()->removeEventFilter(&counter);
}

TEST(Minimonitor, CanBeShownAgainAfterHiding)
{
    CMinimonitor monitor(nullptr);
    monitor.ShowMonitor(nullptr, QStringLiteral("A"), 0.0, 10.0);
    monitor.UpdateStep(5.0);
    monitor.HideMonitor();
    EXPECT_EQ(monitor.Window(), nullptr);
    monitor.HideMonitor();   // twice is harmless
    monitor.ShowMonitor(nullptr, QStringLiteral("B"), 0.0, 4.0);
    ASSERT_NE(monitor.Window(), nullptr);
    EXPECT_TRUE(monitor.Window()->isVisible());
    monitor.UpdateStep(1.0);
    EXPECT_EQ(monitor.LabelText(), "B:progress done 25.00%");
}

TEST(Minimonitor, EmptyRangeGivesNotANumber)
{
    CMinimonitor monitor(nullptr);
    monitor.ShowMonitor(nullptr, QStringLiteral("T"), 5.0, 5.0);
    EXPECT_TRUE(std::isinf(monitor.Scale()));
    monitor.UpdateStep(0.0);
    EXPECT_TRUE(std::isnan(monitor.Bar()->GetValue()));
    EXPECT_TRUE(monitor.LabelText().contains(QStringLiteral("nan")));
}

TEST(Monitor, WindowExistsFromConstructionAndShowsBoundStrings)
{
    CMonitor monitor(nullptr);
    EXPECT_TRUE(monitor.isVisible());
    EXPECT_FALSE(monitor.isModal());
    EXPECT_TRUE(monitor.m_text1.isEmpty());
    EXPECT_TRUE(monitor.m_text2.isEmpty());
    EXPECT_EQ(monitor.m_static1->objectName(), "1000");
    EXPECT_EQ(monitor.m_static2->objectName(), "1002");
    EXPECT_EQ(monitor.m_bar1->objectName(), "1005");
    EXPECT_EQ(monitor.m_bar2->objectName(), "1006");
    monitor.m_text1 = QStringLiteral("all");
    monitor.m_text2 = QStringLiteral("component");
    monitor.UpdateData(false);
    EXPECT_EQ(monitor.m_static2->text(), "all");
    EXPECT_EQ(monitor.m_static1->text(), "component");
    // The owner's refresh paints at once, while it keeps the thread busy.
    PaintCounter counter;
    monitor.m_static2->installEventFilter(&counter);
    monitor.repaint();
    EXPECT_GE(counter.paints, 1);
    monitor.m_static2->removeEventFilter(&counter);
    monitor.m_bar1->SetValue(40.0f);
    monitor.m_bar2->SetValue(10.0f);
    EXPECT_EQ(monitor.m_bar1->value(), 4000);
    EXPECT_EQ(monitor.m_bar2->value(), 1000);
}
