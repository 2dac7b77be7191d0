// The window as a user meets it every day: long tables whose visible rows
// are all filled, docks that follow New, Open and Undo, the notice on
// results that no longer belong to the model, and a portal frame built
// from scratch through the docks, whose steps are the screenshots of
// docs/guide.md.
#include <QAbstractItemView>
#include <QClipboard>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>

#include "GuiSupport.h"
#include "ProjectFiles.h"
#include "tables/CommandIds.h"
#include "tables/GridEditing.h"
#include "tables/element/RefPointTable.h"
#include "tables/node/NodeBar2.h"
#include "tables/node/NodeBar3.h"

namespace fs = std::filesystem;
using namespace guitest;

namespace {

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct DailyUse : ::testing::Test {
    testsupport::TempDir tmp;
    platform::MessageRecorder boxes;
    // A straight cantilever of n nodes 1 m apart along X, fixed at node 1,
    // with one load case: fx at node 5.
    std::string WriteLine(const std::string& name, int n, double fx)
    {
        DemoProject p = Frame(name, "kN");
        for (int i = 0; i < n; ++i) {
            const double c = i == 0 ? 0. : 1.;
            p.nodes.push_back({double(i), 0, 0, c, c, c, c, c, c});
            if (i > 0)
                p.members.push_back({double(i), double(i + 1), 1.0, double(i - 1), 1.0, 0.0, 1.0, 0.0});
        }
        p.properties.push_back({2.1e10, 0.01, 8.1e9, 1e-5, 1e-5, 1e-5});
        p.loadCases.emplace_back(size_t(n), std::array<double, 6>{0, 0, 0, 0, 0, 0});
        p.loadCases[0][4][0] = fx;
        p.loadCaseNames.push_back("push");
        return Write(tmp, p);
    }

    // A new, empty "Frame3D" project in kN and m.
    void NewProject(MainWindow& window, const std::string& name)
    {
        {
            CProject p;
            p.GetElementType() = "Frame3D";
            p.GetForceUnit() = "kN";
            p.GetLengthUnit() = "m";
            p.GetTitle() = "Portal frame";
            p.Settings(true);
        }
        QString error;
        EXPECT_TRUE(window.CreateProject(QString::fromStdString(tmp.Folder() + name + "/" + name + ".KTR"), &error))
            << error.toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&]() { return window.View()->ContextReady(); }, 10000));
        QTest::qWait(50);
    }
};

// Every row in view holds its number and its values, at the top and after
// scrolling to the end, in the coordinate and the load dock (which fill
// few rows around the scroll position on their own).
TEST_F(DailyUse, VisibleRowsOfALongTableAreAllFilled)
{
    auto window = OpenWindow(WriteLine("Long", 200, 5.0));
    for (const char* name : {"nodeBar1", "nodeBar3"}) {
        CMSFlexGrid* grid = Show(*window, name);
        ASSERT_NE(grid, nullptr);
        ASSERT_GE(grid->GetRows(), 201);
        for (const bool atEnd : {false, true}) {
            if (atEnd) {
                grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
                QTest::qWait(30);
            }
            std::vector<long> rows; // the rows the viewport shows, wholly or in part
            for (int r = 0; r < grid->rowCount(); ++r)
                if (grid->rowViewportPosition(r) >= 0 && grid->rowViewportPosition(r) < grid->viewport()->height())
                    rows.push_back(r + 1);
            ASSERT_GT(rows.size(), 30u) << name; // taller than the old fill of 27 rows
            for (long row : rows) {
                if (row > 200)
                    continue; // the bars' blank row below the table
                EXPECT_EQ(grid->GetTextMatrix(row, 0), std::to_string(row)) << name << " row " << row;
                EXPECT_FALSE(Trim(grid->GetTextMatrix(row, 1)).empty()) << name << " row " << row;
            }
            EXPECT_GE(rows.back(), atEnd ? 200 : 1) << name;
        }
    }
    // The full text of a cell is its tooltip; the restraint headers explain
    // their codes.
    CMSFlexGrid* restraints = Show(*window, "nodeBar2");
    EXPECT_EQ(restraints->GetTextMatrix(0, 1), "Restraints 1");
    EXPECT_EQ(restraints->GetHeaderToolTip(1), "Restraints 1: translation X - 0 restrained, 1 free");
    EXPECT_EQ(restraints->GetHeaderToolTip(6), "Restraints 6: rotation about Z - 0 restrained, 1 free");
    EXPECT_TRUE(window->Docks()->BarOf<CNodeBar2>("nodeBar2")->Legend()->text().startsWith("0 restrained, 1 free"));
}

// File > New and Open: the load dock shows the loads of the project now
// open; Undo of a typed load shows the value it had.
TEST_F(DailyUse, LoadDockFollowsNewOpenAndUndo)
{
    const std::string first = WriteLine("First", 12, 7.0);
    const std::string second = WriteLine("Second", 12, 3.0);
    auto window = OpenWindow(first);
    CMSFlexGrid* grid = Show(*window, "nodeBar3");
    // Loads show in the project's force unit (the files keep kgf).
    const double kN = window->Geometry().GetForceFactor();
    auto shown = [&]() { return GridEditing::ParseNumber(grid->GetTextMatrix(5, 1)); };
    EXPECT_NEAR(shown(), 7 * kN, 1e-4);
    NewProject(*window, "Fresh");
    EXPECT_EQ(grid->GetRows(), 1); // no nodes, no load case: nothing shown
    EXPECT_EQ(Trim(grid->GetTextMatrix(5, 1)), "");
    Open(*window, second);
    EXPECT_NEAR(shown(), 3 * kN, 1e-4);
    TypeInto(grid, 5, 1, "9");
    EXPECT_NEAR(shown(), 9, 1e-9);
    Settle(*window);
    ASSERT_EQ(window->Undo()->Stack()->count(), 1);
    window->Undo()->Undo();
    QTest::qWait(30);
    EXPECT_NEAR(shown(), 3 * kN, 1e-4);
    window->Undo()->Redo();
    QTest::qWait(30);
    EXPECT_NEAR(shown(), 9, 1e-9);
}

// An edit of a solved model puts the notice in the title and the status
// bar and hides the diagrams; an undo (which drops the results) or a new
// solve takes it away.
TEST_F(DailyUse, ResultsOutOfDateAfterAnEditOfASolvedModel)
{
    auto window = OpenWindow(WriteLine("Solved", 12, 5.0));
    QString error;
    ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
    // The solve's progress dialog took the focus; a desktop hands it back to
    // the window when the dialog closes, Xvfb without a window manager does not.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto notice = [&]() { return window->findChild<QLabel*>("resultsNotice")->text(); };
    EXPECT_EQ(notice(), "");
    EXPECT_FALSE(window->windowTitle().contains("out of date"));
    EXPECT_EQ(window->Geometry().m_viewMode, CGeometry::ModeDisplaced);
    CMSFlexGrid* grid = Show(*window, "nodeBar1");
    TypeInto(grid, 7, 2, "0.5");
    ASSERT_DOUBLE_EQ(window->Geometry().m_nodeTable(7, 2), 0.5);
    // The watch of the undo history notices the edit by itself.
    EXPECT_TRUE(QTest::qWaitFor([&]() { return !notice().isEmpty(); }, 3000));
    EXPECT_EQ(notice(), "Results out of date - solve again");
    EXPECT_TRUE(window->windowTitle().endsWith(" - Results out of date - solve again"))
        << window->windowTitle().toStdString();
    EXPECT_EQ(window->Geometry().m_viewMode, CGeometry::ModeModel);
    EXPECT_FALSE(window->SetViewMode(CGeometry::ModeForces));
    EXPECT_EQ(window->statusBar()->currentMessage(), "Results out of date - solve again");
    // An undo after a solve drops the results with the notice: nothing is
    // left to show as current until the next solve.
    window->Undo()->Undo();
    QTest::qWait(30);
    EXPECT_EQ(notice(), "");
    EXPECT_EQ(CProject().GetSolution(), 0);
    EXPECT_FALSE(window->SetViewMode(CGeometry::ModeForces));
    window->Undo()->Redo();
    QTest::qWait(30);
    EXPECT_EQ(notice(), "");
    ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
    EXPECT_EQ(notice(), "");
}

// The portal frame of the user guide, built through the docks as the guide
// tells: each step's window is the guide's screenshot (written when
// KESTRA_GUIDE_SHOTS names a folder), and the numbers the guide quotes are
// the ones computed here.
TEST_F(DailyUse, PortalFrameOfTheGuide)
{
    const char* shots = std::getenv("KESTRA_GUIDE_SHOTS");
    auto window = ShowWindow();
    auto shot = [&](QWidget* widget, const char* name) {
        if (widget == window.get()) {
            // F in the view fits the model into it.
            window->View()->setFocus();
            QTest::keyClick(window->View(), Qt::Key_F);
        }
        QTest::qWait(120);
        const QImage image = widget->grab().toImage();
        EXPECT_FALSE(image.isNull());
        if (shots && *shots) {
            fs::create_directories(shots);
            image.save(QString("%1/guide-%2.png").arg(shots, name));
        }
    };
    NewProject(*window, "Portal");
    CGeometry& g = window->Geometry();
    shot(window.get(), "1-new-project");
    // Nodes: Add New four times, then X and Y typed into the coordinate dock.
    CMSFlexGrid* nodes = Show(*window, "nodeBar1");
    for (int i = 0; i < 4; ++i)
        window->Docks()->Forward("nodeBar1", ID_NODE_ADDNEW);
    const double xy[4][2] = {{0, 0}, {0, 4}, {6, 4}, {6, 0}};
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 2; ++c)
            if (xy[i][c] != 0.0)
                TypeInto(nodes, i + 1, c + 1, QString::number(xy[i][c]));
    Settle(*window);
    ASSERT_EQ(g.m_nodeTable.GetRows(), 4);
    EXPECT_DOUBLE_EQ(g.m_nodeTable(3, 1), 6.0);
    EXPECT_DOUBLE_EQ(g.m_nodeTable(3, 2), 4.0);
    shot(window.get(), "2-nodes");
    // Supports: the two column bases fixed.
    CMSFlexGrid* restraints = Show(*window, "nodeBar2");
    for (int node : {1, 4}) {
        Click(restraints, node, 1);
        window->Docks()->Forward("nodeBar2", ID_DOF_FIXED);
    }
    Settle(*window);
    for (int code = 4; code <= 9; ++code)
        for (int node : {1, 2, 4})
            EXPECT_EQ(g.m_nodeTable(node, code), node == 2 ? 1.0 : 0.0) << node << " " << code;
    shot(window.get(), "3-supports");
    // Members: Add New, then the end nodes typed; each gets a reference
    // point that orients it (never on its own line).
    CMSFlexGrid* members = Show(*window, "elementBar1");
    const int ends[3][2] = {{1, 2}, {2, 3}, {4, 3}};
    for (int m = 0; m < 3; ++m) {
        window->Docks()->Forward("elementBar1", ID_ELEMENT_ADDNEW);
        TypeInto(members, m + 1, 1, QString::number(ends[m][0]));
        TypeInto(members, m + 1, 2, QString::number(ends[m][1]));
    }
    Settle(*window);
    ASSERT_EQ(g.m_memberTable.GetRows(), 3);
    for (int m = 1; m <= 3; ++m) {
        const int s = int(g.m_memberTable(m, 1)), e = int(g.m_memberTable(m, 2));
        ASSERT_EQ(s, ends[m - 1][0]);
        ASSERT_EQ(e, ends[m - 1][1]);
        const double start[4] = {0, g.m_nodeTable(s, 1), g.m_nodeTable(s, 2), g.m_nodeTable(s, 3)};
        const double end[4] = {0, g.m_nodeTable(e, 1), g.m_nodeTable(e, 2), g.m_nodeTable(e, 3)};
        const double ref[4] = {0, g.m_memberTable(m, 4), g.m_memberTable(m, 5), g.m_memberTable(m, 6)};
        EXPECT_FALSE(RefPointTable::IsDegenerate(start, end, ref)) << "member " << m;
    }
    // The column from node 1 at the origin gets its point along X,
    // (0.4, 0, 0); the beam from node 2 its point above, (0, 4.6, 0).
    const double refs[2][3] = {{0.4, 0, 0}, {0, 4.6, 0}};
    for (int m = 1; m <= 2; ++m)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(g.m_memberTable(m, 4 + c), refs[m - 1][c], 1e-9) << "member " << m;
    Show(*window, "elementBar2");
    shot(window.get(), "4-members");
    // Properties: one group, typed in kN and m.
    CMSFlexGrid* properties = Show(*window, "elementBar3");
    window->Docks()->Forward("elementBar3", ID_SEC_ADDNEW);
    const char* values[6] = {"2.1e8", "0.00538", "8.1e7", "2.01e-7", "6.04e-6", "8.36e-5"};
    for (int c = 0; c < 6; ++c)
        TypeInto(properties, 1, c + 1, values[c]);
    Settle(*window);
    EXPECT_GE(CProject().GetMaterialCount(), 1);
    shot(window.get(), "5-properties");
    // A load: 10 kN along X at the top of the left column.
    Show(*window, "nodeBar3");
    window->Docks()->Forward("nodeBar3", ID_LOAD_ADD);
    ASSERT_TRUE(window->SetActiveLoadCase(1));
    CMSFlexGrid* loads = window->Docks()->BarOf<CNodeBar3>("nodeBar3")->Grid();
    TypeInto(loads, 2, 1, "10");
    Settle(*window);
    EXPECT_EQ(Trim(loads->GetTextMatrix(2, 1)), "10");
    shot(window.get(), "6-load");
    // Solve: the displaced shape, the top displacement and the reactions.
    QString error;
    ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
    EXPECT_EQ(window->findChild<QLabel*>("resultsNotice")->text(), "");
    shot(window.get(), "7-solved");
    CdMatrix disp, forces;
    std::string problem;
    ASSERT_TRUE(ProjectFiles::ReadResult(".disn", 1, 4, 6, disp, problem)) << problem;
    ASSERT_TRUE(ProjectFiles::ReadResult(".sys", 1, 4, 6, forces, problem)) << problem;
    const double ux2 = disp(2, 1) * g.GetLengthFactor();
    const double rx1 = forces(1, 1) * g.GetForceFactor(), rx4 = forces(4, 1) * g.GetForceFactor();
    EXPECT_GT(ux2, 0.0);
    EXPECT_NEAR(rx1 + rx4, -10.0, 1e-6); // the reactions balance the load
    // Sway of a fixed-base portal: between a free and a rigid beam.
    const double ei = 2.1e8 * 8.36e-5;
    EXPECT_LT(ux2, 10.0 * 64.0 / (2 * 3 * ei));   // two cantilevers
    EXPECT_GT(ux2, 10.0 * 64.0 / (2 * 12 * ei));  // two fixed-fixed columns
    // The output sheet, as the guide shows it.
    QTimer::singleShot(300, [&]() {
        QWidget* sheet = QApplication::activeModalWidget();
        ASSERT_NE(sheet, nullptr);
        shot(sheet, "8-displacements");
        // The reactions are on the third tab.
        QTabBar* tabs = sheet->findChild<QTabBar*>();
        ASSERT_NE(tabs, nullptr);
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(2).center());
        EXPECT_EQ(tabs->currentIndex(), 2);
        shot(sheet, "9-reactions");
        // Fx and Fy of nodes 1 .. 4 selected and copied for a spreadsheet,
        // in the units of the headings.
        CMSFlexGrid* table = nullptr;
        for (CMSFlexGrid* g : sheet->findChildren<CMSFlexGrid*>())
            if (g->isVisible())
                table = g;
        ASSERT_NE(table, nullptr);
        Click(table, 1, 1);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(table, Qt::Key_Right, Qt::ShiftModifier);
        QApplication::clipboard()->clear();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 5) << QApplication::clipboard()->text().toStdString();
        EXPECT_EQ(lines[0], "node\tFx (kN)\tFy (kN)");
        EXPECT_TRUE(lines[1].startsWith("1\t-5.01")) << lines[1].toStdString();
        EXPECT_EQ(lines[4].split('\t').size(), 3);
        sheet->close();
    });
    window->OnOutputSheet();
    // The guide quotes these numbers: it must say what the program says.
    const std::string guide = testsupport::TempDir::Read(std::string(KESTRA_SOURCE_DIR) + "/docs/guide.md");
    for (const double quoted : {ux2, rx1}) { // the top displacement and a reaction
        char text[64];
        std::snprintf(text, sizeof text, "%.4g", quoted);
        EXPECT_NE(guide.find(text), std::string::npos) << "guide lacks " << text;
    }
    for (const char* name : {"1-new-project", "2-nodes", "3-supports", "4-members", "5-properties", "6-load",
                             "7-solved", "8-displacements", "9-reactions"})
        EXPECT_NE(guide.find(std::string("screenshots/guide-") + name + ".png"), std::string::npos) << name;
}

} // namespace
