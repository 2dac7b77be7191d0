// The window's solve on a worker thread: the progress dialog's Cancel stops
// a long solve, the window keeps serving events meanwhile, and nothing of
// the cancelled solve is left behind.
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>

#include "GuiSupport.h"

namespace fs = std::filesystem;

namespace {

// n x n columns, n - 1 storeys, beams both ways, fixed bases: n^3 nodes.
DemoProject Building(int n)
{
    DemoProject p = guitest::Frame("Tower", "kgf");
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
    testsupport::TempDir tmp;
    const std::string folder = tmp.Folder() + "Tower/";
    auto window = guitest::OpenWindow(guitest::Write(tmp, Building(16))); // 4,096 nodes, 23,040 equations
    // Clicks Cancel as soon as the dialog is on screen, again while it still
    // has its button; counts the ticks the window's event loop serves.
    int ticks = 0;
    bool clicked = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&]() {
        ++ticks;
        QProgressDialog* dialog = window->findChild<QProgressDialog*>();
        const bool onScreen = dialog && dialog->windowHandle() && dialog->windowHandle()->isExposed();
        QPushButton* cancel = onScreen ? dialog->findChild<QPushButton*>() : nullptr;
        if (cancel && cancel->isVisible()) {
            QTest::mouseClick(cancel, Qt::LeftButton);
            clicked = true;
        }
    });
    timer.start();
    QString error = "not set";
    EXPECT_FALSE(window->SolveProject(&error));
    timer.stop();
    EXPECT_TRUE(clicked);
    EXPECT_GT(ticks, 0);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(window->statusBar()->currentMessage().toStdString(),
              "The solve was cancelled. No results were written.");
    for (const char* ext : {".disn", ".sys", ".dise", ".elf"})
        EXPECT_FALSE(fs::exists(folder + "Tower" + ext)) << ext;
    EXPECT_FALSE(fs::exists(folder + "dcos"));
    EXPECT_EQ(CProject().GetSolution(), 0);
    EXPECT_EQ(window->findChild<QProgressDialog*>(), nullptr);
}
