#include "NodeTestSupport.h"
#include "tables/CommandIds.h"
#include "tables/EditWnd.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/TablesTestSupport.h"
#include "tables/node/NodeBar2.h"
#include "tables/node/NodePage2.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

using nodetest::NodeProject;
using tablestest::ExpectCells;
using tablestest::Key;
using tablestest::Type;

namespace {

class RestraintTable : public testsupport::PageBarTable<NodeProject, CNodePage2, CNodeBar2> {
protected:
    void Select(int from, int to)
    {
        geo->m_selNodeFrom = from;
        geo->m_selNodeTo = to;
    }
    static QAction* Item(QMenu* menu, int id) { return MenuResource::FindCommand(menu, id); }
};

} // namespace

TEST_F(RestraintTable, FrameAndTrussTables)
{
    geo->m_nodeTable = Line(2);
    geo->m_nodeTable(2, 6) = 0.0;
    CMSFlexGrid* grid = OpenPage();
    EXPECT_EQ(page->Caption(), "Restraint ");
    EXPECT_EQ(grid->GetCols(), 7);
    ExpectCells(grid, {{0, 0, " node "}, {0, 1, "Restraints 1"}, {0, 6, "Restraints 6"}, {2, 0, "2"},
                       {2, 3, "        0"}, {2, 6, "        1"}});

    SetProject("Truss3D", 3, "m");
    page->UpdateTable();
    EXPECT_EQ(grid->GetCols(), 4);
    ExpectCells(grid, {{0, 3, "Restraints 3"}, {1, 3, "        1"}});
}

// The codes of every command: the worker's tests; here the cells follow.
TEST_F(RestraintTable, CommandsRefreshTheCells)
{
    SetProject("Truss3D", 3, "m");
    geo->m_nodeTable = Line(3);
    CMSFlexGrid* grid = OpenPage();
    Select(1, 2);
    page->OnCommand(ID_DOF_PLAN_XY); // a truss node: only the Z translation
    ExpectCells(grid, {{2, 3, "        0"}, {2, 1, "        1"}, {3, 3, "        1"}});
    EXPECT_TRUE(geo->m_modelChanged);
}

TEST_F(RestraintTable, ATypedFiveIsStoredAndTheFirstToggleMakesItZero)
{
    geo->m_nodeTable = Line(3);
    CMSFlexGrid* grid = OpenPage();
    GoTo(grid, 2, 1);
    Type(grid, "5"); // starts the editor with the typed key
    ASSERT_TRUE(page->Editing()->IsEditing());
    EXPECT_EQ(page->Editing()->Editor()->GetText(), "5");
    // The page routes no keys: leaving the cell commits.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 3, 2));
    EXPECT_EQ(geo->m_nodeTable(2, 4), 5.0);
    EXPECT_EQ(grid->GetTextMatrix(2, 1), "        5");

    Select(2, 2);
    page->LockFx();
    EXPECT_EQ(geo->m_nodeTable(2, 4), 0.0);
    EXPECT_EQ(grid->GetTextMatrix(2, 1), "        0");
    page->LockFx();
    EXPECT_EQ(geo->m_nodeTable(2, 4), 1.0);
    page->LockFx();
    EXPECT_EQ(geo->m_nodeTable(2, 4), 0.0);
}

TEST_F(RestraintTable, PopupGreysAndChecksTheToggles)
{
    geo->m_nodeTable = Line(3);
    geo->m_nodeTable(2, 5) = 0.0; // Fy restrained
    geo->m_nodeTable(2, 9) = 0.0; // Mz restrained
    OpenPage();
    Select(2, 2);
    std::unique_ptr<QMenu> menu(page->CreateContextMenu());
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(Item(menu.get(), ID_DOF_LOCK_FX + k - 1)->isChecked(), k == 2 || k == 6) << k;
    Select(3, 1); // several rows: toggles greyed
    menu.reset(page->CreateContextMenu());
    EXPECT_FALSE(Item(menu.get(), ID_DOF_LOCK_FY)->isEnabled());
    SetProject("Truss3D", 3, "m");
    Select(2, 2);
    menu.reset(page->CreateContextMenu());
    EXPECT_FALSE(Item(menu.get(), ID_DOF_LOCK_MX)->isEnabled());
    EXPECT_TRUE(Item(menu.get(), ID_DOF_LOCK_FY)->isEnabled());
}

TEST_F(RestraintTable, BarBoxesFollowTheCurrentRowAndToggle)
{
    geo->m_nodeTable = Line(3);
    geo->m_nodeTable(2, 4) = 0.0;
    geo->m_nodeTable(2, 8) = 0.0;
    CMSFlexGrid* grid = OpenBar();
    EXPECT_EQ(bar->Box(1)->text(), "Fx");
    tablestest::Drag(grid, 2, 2);
    EXPECT_EQ(geo->m_activeTable, 1001);
    EXPECT_EQ(geo->m_selNodeFrom, 2);
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(bar->Box(k)->isChecked(), k == 1 || k == 5) << k;

    bar->Box(3)->click(); // restrain Z at node 2
    EXPECT_EQ(geo->m_nodeTable(2, 6), 0.0);
    EXPECT_EQ(grid->GetTextMatrix(2, 3), "        0");
    EXPECT_TRUE(bar->Box(3)->isChecked());
    bar->Box(1)->click(); // free X again
    EXPECT_EQ(geo->m_nodeTable(2, 4), 1.0);
    EXPECT_FALSE(bar->Box(1)->isChecked());

    // Down commits, moves the selection and the boxes follow the cursor.
    grid->setFocus();
    Type(grid, "0");
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "0");
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(geo->m_nodeTable(2, 4), 0.0);
    EXPECT_EQ(geo->m_selNodeFrom, 3);
    EXPECT_FALSE(bar->Box(1)->isChecked());

    // A truss shows three boxes.
    SetProject("Truss3D", 3, "m");
    bar->UpdateTable();
    EXPECT_EQ(grid->GetCols(), 4);
    EXPECT_FALSE(bar->Box(4)->isEnabled());
    EXPECT_TRUE(bar->Box(3)->isEnabled());
}

TEST_F(RestraintTable, PrintWritesRestraintTxtForFrameAndTruss)
{
    FixDate();
    geo->m_nodeTable = Line(2);
    geo->m_nodeTable(1, 4) = 0.0;
    geo->m_nodeTable(2, 9) = 5.0;
    OpenPage();
    page->OnCommand(ID_DOF_PRINT);
    const std::string path = dir.Folder() + "restraint.txt";
    const std::string head = tablestest::ReportHead("Node restraint");
    EXPECT_EQ(testsupport::TempDir::Read(path),
              head + "Node\tRestraint1\tRestraint2\tRestraint3\tRestraint4\tRestraint5\tRestraint6\n"
                     "1\t0\t1\t1\t1\t1\t1\n"
                     "2\t1\t1\t1\t1\t1\t5\n");
    EXPECT_EQ(launches.attempted, std::vector<std::string>{"Notepad " + path});

    SetProject("Truss3D", 3, "m");
    page->OnPrint();
    EXPECT_EQ(testsupport::TempDir::Read(path), head + "Node\tRestraint1\tRestraint2\tRestraint3\n"
                                                       "1\t0\t1\t1\n"
                                                       "2\t1\t1\t1\n");
}
