#include "ElementTestSupport.h"
#include "tables/CommandIds.h"
#include "tables/EditWnd.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/TablesTestSupport.h"
#include "tables/element/ElementBar1.h"
#include "tables/element/ElementPage1.h"
#include "tables/element/ElementPage6.h"

#include <QAction>
#include <functional>
#include <QMenu>

using elementtest::ElementProject;
using tablestest::ExpectCells;
using tablestest::ExpectEntries;
using tablestest::EditCell;
using tablestest::Key;
using tablestest::Type;

namespace {

class Connectivity : public testsupport::PageBarTable<ElementProject, CElementPage1, CElementBar1> {
protected:
    void SetUp() override
    {
        ElementProject::SetUp();
        geo->m_nodeTable = Nodes({{0, 0, 0}, {3, 4, 0}, {3, 4, 12}});
        geo->m_memberTable = Members({{1, 2}, {2, 3}});
        geo->m_memberTable(1, 3) = 5.0;
        geo->m_memberTable(2, 3) = 12.0;
        SetCount("Number Material ", 2);
        SetCount("Number releases ", 2);
    }
};

TEST_F(Connectivity, PageAndBarShowTheirColumnsAndTexts)
{
    CMSFlexGrid* grid = OpenPage();
    ASSERT_EQ(grid->GetCols(), 6);
    ASSERT_EQ(grid->GetRows(), 3);
    ExpectCells(grid, {{0, 1, " Start node "}, {0, 3, " Length"}, {0, 5, " Release"}, {2, 0, "      2"},
                       {2, 1, "         2"}, {2, 3, "    12.000"}});
    CMSFlexGrid* barGrid = OpenBar();
    ASSERT_EQ(barGrid->GetCols(), 5);
    ExpectCells(barGrid, {{0, 3, " Property"}, {0, 4, " Release "}, {1, 2, "         2"}});
}

TEST_F(Connectivity, PageCheckInStoresNodesInRangeAndMeasures)
{
    CMSFlexGrid* grid = OpenPage();
    GoTo(grid, 1, 2);
    Key(grid, Qt::Key_Return);
    ASSERT_TRUE(page->Editing()->IsEditing());
    EXPECT_EQ(page->Editing()->Editor()->GetText(), "         2"); // the page starts from the cell
    Type(grid, "3");
    Key(grid, Qt::Key_Return);
    EXPECT_FALSE(page->Editing()->IsEditing());
    EXPECT_EQ(geo->m_memberTable(1, 2), 3.0);
    EXPECT_DOUBLE_EQ(geo->m_memberTable(1, 3), 13.0);
    ExpectCells(grid, {{1, 2, "         3"}, {1, 3, "    13.000"}});
    // Above the node count: 0.
    EditCell(grid, 1, 1, "4", true);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "         0");
    GoTo(grid, 2, 5);
    Type(grid, "x"); // the opening key is spent: the cell's text is selected
    Type(grid, "2");
    Key(grid, Qt::Key_Return);
    EXPECT_EQ(geo->m_memberTable(2, 8), 2.0);
    EXPECT_TRUE(geo->m_modelChanged);
}

TEST_F(Connectivity, PageDownOnTheLastRowAppendsOnlyAfterACommit)
{
    CMSFlexGrid* grid = OpenPage();
    GoTo(grid, 2, 4);
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(geo->m_memberTable.GetRows(), 2);
    GoTo(grid, 2, 4);
    Key(grid, Qt::Key_Return);
    Type(grid, "1");
    Key(grid, Qt::Key_Down);
    ASSERT_EQ(geo->m_memberTable.GetRows(), 3);
    EXPECT_EQ(geo->m_memberTable(2, 7), 1.0);
    EXPECT_EQ(geo->m_memberTable(3, 7), 0.0); // the page's new member is all zeros
    EXPECT_EQ(grid->GetRows(), 4);
    EXPECT_EQ(grid->GetTextMatrix(3, 1), "         0");
    EXPECT_EQ(Count(" Element "), 3);
}

TEST_F(Connectivity, BarEditorStartsFromTheTypedKey)
{
    CMSFlexGrid* grid = OpenBar();
    GoTo(grid, 1, 1);
    Type(grid, "-");
    ASSERT_TRUE(bar->Editing()->IsEditing());
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "");
    // An empty editor is no commit: nothing stored, the editor stays open
    // (Enter and Down alike) until Escape.
    Key(grid, Qt::Key_Return);
    EXPECT_TRUE(bar->Editing()->IsEditing());
    Key(grid, Qt::Key_Down);
    EXPECT_TRUE(bar->Editing()->IsEditing());
    EXPECT_EQ(geo->m_memberTable(1, 1), 1.0);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "         1");
    Key(grid, Qt::Key_Escape);
    ASSERT_FALSE(bar->Editing()->IsEditing());
    GoTo(grid, 1, 1);
    Type(grid, "3");
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "3");
    Key(grid, Qt::Key_Return);
    EXPECT_EQ(geo->m_memberTable(1, 1), 3.0);
    EXPECT_DOUBLE_EQ(geo->m_memberTable(1, 3), 12.0);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "         3");
    GoTo(grid, 2, 3);
    Key(grid, Qt::Key_Return);
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "         0"); // Enter: the cell's text
    Key(grid, Qt::Key_Escape);
}

TEST_F(Connectivity, BarDownOnTheLastRowAlwaysAppendsAMemberOfGroup1)
{
    CMSFlexGrid* grid = OpenBar();
    GoTo(grid, 2, 1);
    Key(grid, Qt::Key_Down);
    ASSERT_EQ(geo->m_memberTable.GetRows(), 3);
    EXPECT_EQ(geo->m_memberTable(3, 7), 1.0);
    EXPECT_EQ(grid->GetRows(), 5); // an empty row below the new member
    ExpectCells(grid, {{3, 3, "         1"}, {3, 4, "         0"}});
    EXPECT_EQ(geo->m_selMemberFrom, 3);
    // The empty row opens no editor.
    GoTo(grid, 4, 1);
    Type(grid, "5");
    EXPECT_FALSE(bar->Editing()->IsEditing());
}

TEST_F(Connectivity, PageCommandsWriteTheCountsAndTheMark)
{
    OpenPage();
    Select(1, 1);
    page->OnCopy();
    EXPECT_TRUE(page->PasteWithOffset(0, 0, 12));
    EXPECT_EQ(geo->m_memberTable.GetRows(), 3);
    ExpectEntries(geo->m_memberTable, {{3, 1, 4}, {3, 2, 3}}); // (0,0,12) is new, (3,4,12) is node 3
    EXPECT_EQ(Count(" Element "), 3);
    EXPECT_EQ(Count("Node "), 4);
    EXPECT_TRUE(geo->m_modelChanged);
    Select(3, 2);
    page->OnDelete();
    EXPECT_EQ(geo->m_memberTable.GetRows(), 1);
    EXPECT_EQ(Count(" Element "), 1);
    EXPECT_EQ(page->Grid()->GetRows(), 2);
}

// Every bar command that changes the model leaves its mark, so that the
// host asks before the change is thrown away: Paste and the others the
// model mark, Move the geometry mark.
TEST_F(Connectivity, BarCommandsMarkTheModelChanged)
{
    const struct {
        const char* name;
        std::function<void()> run;
        bool geometry; // the mark expected: geometry, else model
    } cases[] = {
        {"Paste", [this]() { Select(1, 1); bar->OnCopy(); ASSERT_TRUE(bar->PasteWithOffset(0, 0, 12)); }, false},
        {"Move to", [this]() { Select(1, 1); ASSERT_TRUE(bar->MoveWithOffset(1, 0, 0)); }, true},
        {"Delete", [this]() { Select(2, 2); bar->OnDelete(); }, false},
        {"Add New", [this]() { bar->OnAddNew(); }, false},
        {"Re Number", [this]() { geo->m_memberTable = Members({{1, 2}, {2, 1}}); bar->OnReNumber(); }, false},
        {"Generate", [this]() {
             MemberTableWorker::Generation g;
             g.count = 1;
             g.element = 1;
             ASSERT_EQ(bar->GenerateMembers(g), 1);
         }, false},
        {"Down on the last row", [this]() { GoTo(bar->Grid(), 2, 1); Key(bar->Grid(), Qt::Key_Down); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        geo->m_nodeTable = Nodes({{0, 0, 0}, {3, 4, 0}, {3, 4, 12}});
        geo->m_memberTable = Members({{1, 2}, {2, 3}});
        OpenBar();
        geo->m_modelChanged = geo->m_geometryChanged = false;
        c.run();
        EXPECT_TRUE(c.geometry ? geo->m_geometryChanged : geo->m_modelChanged);
    }
    // A renumbering that changes nothing leaves no mark.
    bar->OnReNumber();
    geo->m_modelChanged = false;
    bar->OnReNumber();
    EXPECT_FALSE(geo->m_modelChanged);
}

// A range dragged upwards in the page or the bar is the whole range, in
// order.
TEST_F(Connectivity, DraggingUpwardsSelectsTheWholeRangeInOrder)
{
    geo->m_nodeTable = Line(8);
    geo->m_memberTable = Members({{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}});
    for (CMSFlexGrid* grid : {OpenPage(), OpenBar()}) {
        tablestest::Drag(grid, 5, 2);
        EXPECT_EQ(std::make_pair(geo->m_selMemberFrom, geo->m_selMemberTo), std::make_pair(2, 5));
    }
}

TEST_F(Connectivity, BarReNumberAndMirrorUseTheModelRenumbering)
{
    OpenBar();
    geo->m_memberTable = Members({{1, 2}, {2, 1}, {3, 3}, {2, 3}});
    bar->OnReNumber();
    ASSERT_EQ(geo->m_memberTable.GetRows(), 2);
    EXPECT_EQ(geo->m_memberTable(2, 1), 2.0);
    EXPECT_EQ(bar->Grid()->GetRows(), 3);
    // Mirror Copy in the plane through the members: nothing new survives.
    geo->m_nodeTable = Nodes({{0, 0, 0}, {0, 5, 0}, {0, 5, 5}});
    Select(1, 2);
    bar->Mirror(CElementPage6::PlaneYZ, 0.0, 2);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);
    EXPECT_EQ(geo->m_memberTable.GetRows(), 2);
}

TEST_F(Connectivity, BarImportAndAssignThroughTheirAnswers)
{
    platform::FileDialogRecorder files;
    OpenBar();
    CdMatrix file = Members({{3, 1}});
    ASSERT_TRUE(file.Save(dir.File("extra.ele")));
    files.Answer(dir.File("extra.ele"));
    bar->OnImport();
    ASSERT_EQ(files.filters.size(), 1u);
    EXPECT_EQ(files.filters[0], "Member File (*.ele)|*.ele||");
    ASSERT_EQ(geo->m_memberTable.GetRows(), 3);
    EXPECT_EQ(Count(" Element "), 3);
    EXPECT_TRUE(geo->m_geometryChanged);
    EXPECT_EQ(bar->Grid()->GetRows(), 4);
    Select(2, 3);
    EXPECT_TRUE(bar->AssignProperty(2));
    ExpectEntries(geo->m_memberTable, {{1, 7, 0}, {3, 7, 2}});
    EXPECT_EQ(bar->Grid()->GetTextMatrix(3, 3), "         2");
}

} // namespace
