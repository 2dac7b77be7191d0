// The window's solve on a worker thread: the progress dialog's Cancel stops
// a long solve, the window keeps serving events meanwhile, and nothing of
// the cancelled solve is left behind.
#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <sstream>

#include "DemoProjects.h"
#include "MainWindow.h"
#include "ModelViewWidget.h"
#include "project/Project.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using testsupport::TempDir;

namespace {

// n x n columns, n - 1 storeys, beams both ways, fixed bases: n^3 nodes.
DemoProject Building(int n)
{
    DemoProject p;
    p.name = "Tower";
    p.title = "Tower";
    p.engineer = "KESTRA";
    p.elementType = "Frame3D";
    p.forceUnit = "kgf";
    p.lengthUnit = "m";
    p.dof = 6;
    auto id = [n](int i, int k, int level) { return level * n * n + k * n + i + 1; };
    for (int level = 0; level < n; ++level)
        for (int k = 0; k < n; ++k)
            for (int i = 0; i < n; ++i) {
                const double c = level == 0 ? 0.0 : 1.0;
                p.nodes.push_back({6.0 * i, 3.5 * level, 5.0 * k, c, c, c, c, c, c});
            }
    p.properties.push_back({2.1e10, 0.0149, 8.1e9, 1.85e-6, 8.56e-5, 2.52e-4});
    auto member = [&](int s, int e) {
        const auto& a = p.nodes[s - 1];
        p.members.push_back({double(s), double(e), 0.0, a[0] + 0.3, a[1] + 1.0, a[2] + 0.7, 1, 0});
    };
    for (int level = 1; level < n; ++level)
        for (int k = 0; k < n; ++k)
            for (int i = 0; i < n; ++i) {
                member(id(i, k, level - 1), id(i, k, level));
                if (i + 1 < n)
                    member(id(i, k, level), id(i + 1, k, level));
                if (k + 1 < n)
                    member(id(i, k, level), id(i, k + 1, level));
            }
    p.loadCases.emplace_back(p.nodes.size(), std::array<double, 6>{40.0, -3000.0, 0, 0, 0, 0});
    p.loadCaseNames.push_back("Dead");
    return p;
}

} // namespace

TEST(SolveDialog, CancelStopsALongSolveAndLeavesNoResults)
{
    TempDir tmp;
    const DemoProject demo = Building(16); // 4,096 nodes, 23,040 equations
    const std::string folder = tmp.Folder() + demo.name + "/";
    std::ostringstream log;
    std::string message;
    ASSERT_TRUE(DemoProjects::Write(demo, folder, log, message)) << message;

    MainWindow window;
    window.resize(1024, 700);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QString error;
    ASSERT_TRUE(window.OpenProject(QString::fromStdString(folder + demo.name + ".KTR"), &error))
        << error.toStdString();

    // Clicks Cancel as soon as the dialog shows; counts the ticks the
    // window's event loop serves while the solve runs.
    int ticks = 0;
    bool clicked = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&]() {
        ++ticks;
        QProgressDialog* dialog = window.findChild<QProgressDialog*>();
        if (clicked || !dialog || !dialog->isVisible())
            return;
        QPushButton* cancel = dialog->findChild<QPushButton*>();
        if (!cancel)
            return;
        QTest::mouseClick(cancel, Qt::LeftButton);
        clicked = true;
    });
    timer.start();
    error = "not set";
    EXPECT_FALSE(window.SolveProject(&error));
    timer.stop();
    EXPECT_TRUE(clicked);
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(window.statusBar()->currentMessage().toStdString(),
              "The solve was cancelled. No results were written.");
    for (const char* ext : {".disn", ".sys", ".dise", ".elf"})
        EXPECT_FALSE(fs::exists(folder + demo.name + ext)) << ext;
    EXPECT_FALSE(fs::exists(folder + "dcos"));
    EXPECT_EQ(CProject().GetSolution(), 0);
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr);
}
