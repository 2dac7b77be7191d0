#include "NodeTestSupport.h"
#include "platform/FileDialog.h"
#include "tables/CommandIds.h"
#include "tables/EditWnd.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/PropertySheet.h"
#include "tables/TablesTestSupport.h"
#include "tables/node/CopyNodeDlg.h"
#include "tables/node/NodeBar1.h"
#include "tables/node/NodePage1.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

using nodetest::NodeProject;
using tablestest::ExpectCells;
using tablestest::ExpectEntries;
using tablestest::Key;
using tablestest::Type;

namespace {

class CoordinateTable : public testsupport::PageBarTable<NodeProject, CNodePage1, CNodeBar1> {
protected:
    static bool Enabled(QMenu* menu, int id)
    {
        QAction* action = MenuResource::FindCommand(menu, id);
        return action && action->isEnabled();
    }
};

} // namespace

TEST_F(CoordinateTable, FillShowsDisplayUnitsUnderTheUnitHeader)
{
    SetProject("Frame3D", 6, "cm");
    geo->m_nodeTable = Nodes({{1.5, -2, 0.25}, {0, 0, 3}});
    CMSFlexGrid* grid = OpenPage();
    EXPECT_EQ(page->Caption(), "Coordinate");
    EXPECT_EQ(grid->GetRows(), 3);
    EXPECT_EQ(grid->GetCols(), 4);
    ExpectCells(grid, {{0, 0, " node "}, {0, 1, "  X (cm)"}, {0, 3, "  Z (cm)"}, {1, 0, "1"}, {1, 1, "150.000"},
                       {1, 2, "-200.000"}, {2, 3, "300.000"}});
    // At least the table's width; wider when the content needs it.
    EXPECT_GE(grid->GetColWidth(1), grid->PixelsToTwipsX(grid->TwipsToPixelsX(850)));
}

TEST_F(CoordinateTable, TypingOnThePageStoresTheValueOverTheLengthFactor)
{
    SetProject("Frame3D", 6, "mm");
    geo->m_nodeTable = Line(4);
    geo->m_nodeTable(2, 1) = 2.0000004;
    CMSFlexGrid* grid = OpenPage();
    GridEditing* editing = page->Editing();
    // Enter shows the cell's text; Enter again, untouched, stores nothing
    // (not the rounded text).
    GoTo(grid, 2, 1);
    Key(grid, Qt::Key_Return);
    ASSERT_TRUE(editing->IsEditing());
    EXPECT_EQ(editing->Editor()->selectedText().toStdString(), "2000.000");
    Key(grid, Qt::Key_Return);
    EXPECT_FALSE(editing->IsEditing());
    EXPECT_EQ(geo->m_nodeTable(2, 1), 2.0000004);
    EXPECT_FALSE(geo->m_modelChanged);
    // The first typed key starts the editor with itself, over the cell.
    GoTo(grid, 2, 1);
    Type(grid, "2");
    ASSERT_TRUE(editing->IsEditing());
    EXPECT_EQ(editing->Editor()->GetText(), "2");
    EXPECT_TRUE(editing->Editor()->hasFocus());
    const QRect cell = grid->CellRect(2, 1);
    EXPECT_EQ(editing->Editor()->geometry(),
              QRect(grid->mapTo(editing->Editor()->parentWidget(), cell.topLeft()), cell.size()));
    Type(grid, ".5");
    Key(grid, Qt::Key_Return);
    EXPECT_FALSE(editing->IsEditing());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_DOUBLE_EQ(geo->m_nodeTable(2, 1), 0.0025);
    EXPECT_EQ(grid->GetTextMatrix(2, 1), "2.5");
    EXPECT_TRUE(geo->m_modelChanged);

    // Down commits as well and moves on; "%.4g" rounds what is stored.
    GoTo(grid, 3, 2);
    Key(grid, Qt::Key_Return);
    Type(grid, "1234.567");
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(grid->GetTextMatrix(3, 2), "1235");
    EXPECT_DOUBLE_EQ(geo->m_nodeTable(3, 2), 1.235);
    EXPECT_EQ(grid->GetRow(), 4);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 4); // not the last row: no new node
}

TEST_F(CoordinateTable, TypingOnTheBarStartsWithTheKeyAndEscapeStoresNothing)
{
    geo->m_nodeTable = Line(3);
    CMSFlexGrid* grid = OpenBar();
    GridEditing* editing = bar->Editing();
    GoTo(grid, 2, 3);
    Type(grid, "7");
    ASSERT_TRUE(editing->IsEditing());
    EXPECT_EQ(editing->Editor()->GetText(), "7");
    EXPECT_EQ(editing->Editor()->cursorPosition(), 1);
    Type(grid, ".5");
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(geo->m_nodeTable(2, 3), 7.5);
    EXPECT_EQ(grid->GetTextMatrix(2, 3), "7.5");
    EXPECT_EQ(geo->m_selNodeFrom, 3); // the cursor carries the selection
    EXPECT_EQ(geo->m_selNodeTo, 3);
    Key(grid, Qt::Key_Up);
    EXPECT_EQ(geo->m_selNodeFrom, 2);

    // A sign or a point starts the number; a letter starts empty.
    const std::pair<const char*, const char*> starts[] = {{"-", "-"}, {".", "."}, {"x", ""}};
    for (const auto& [typed, text] : starts) {
        GoTo(grid, 1, 1);
        Type(grid, typed);
        ASSERT_TRUE(editing->IsEditing()) << typed;
        EXPECT_EQ(editing->Editor()->GetText(), text);
        Key(grid, Qt::Key_Escape);
    }
    GoTo(grid, 1, 1);
    Type(grid, "-9");
    Key(grid, Qt::Key_Escape);
    EXPECT_FALSE(editing->IsEditing());
    EXPECT_EQ(editing->Editor()->GetText(), "");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 3, 2));
    EXPECT_EQ(geo->m_nodeTable(1, 1), 1.0);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "1.000");

    // Enter alone opens an empty editor on the bar; an empty commit stores nothing.
    GoTo(grid, 1, 2);
    Key(grid, Qt::Key_Return);
    ASSERT_TRUE(editing->IsEditing());
    EXPECT_EQ(editing->Editor()->GetText(), "");
    Key(grid, Qt::Key_Return);
    EXPECT_FALSE(editing->IsEditing());
    EXPECT_EQ(grid->GetTextMatrix(1, 2), "0.000");
    // A double click starts from the cell's text.
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 3, 1));
    ASSERT_TRUE(editing->IsEditing());
    EXPECT_EQ(editing->Editor()->GetText(), "3.000");
}

TEST_F(CoordinateTable, DownOnTheLastRowAppendsAFreeNode)
{
    geo->m_nodeTable = Line(3);
    CMSFlexGrid* grid = OpenPage();
    GoTo(grid, 3, 1);
    Key(grid, Qt::Key_Down); // no edit: nothing appended
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);
    GoTo(grid, 3, 2);
    Key(grid, Qt::Key_Return);
    Type(grid, "4");
    Key(grid, Qt::Key_Down);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 4);
    EXPECT_EQ(geo->m_nodeTable(3, 2), 4.0);
    ExpectEntries(geo->m_nodeTable, {{4, 1, 0}, {4, 3, 0}, {4, 4, 1}, {4, 9, 1}});
    EXPECT_EQ(grid->GetRows(), 5);
    ExpectCells(grid, {{4, 0, "4"}, {4, 1, "0.000"}, {4, 3, "0.000"}});
    EXPECT_EQ(grid->GetRow(), 4);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 4);
    EXPECT_TRUE(geo->m_geometryChanged); // the page marks the model

    // The bar appends too, but leaves the marks alone.
    geo->m_geometryChanged = false;
    grid = OpenBar();
    GoTo(grid, 4, 1);
    Type(grid, "3");
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 5);
    EXPECT_EQ(grid->GetTextMatrix(5, 2), "0.000");
    EXPECT_FALSE(geo->m_geometryChanged);
}

TEST_F(CoordinateTable, MouseAndCtrlASetTheSelectionRange)
{
    geo->m_nodeTable = Line(6);
    CMSFlexGrid* grid = OpenPage();
    tablestest::Drag(grid, 2, 4);
    EXPECT_EQ(std::make_pair(geo->m_selNodeFrom, geo->m_selNodeTo), std::make_pair(2, 4));
    EXPECT_EQ(geo->m_activeTable, 1001);

    // Dragged upwards: the pressed row alone.
    tablestest::Drag(grid, 5, 3);
    EXPECT_EQ(std::make_pair(geo->m_selNodeFrom, geo->m_selNodeTo), std::make_pair(5, 5));

    // The header row selects every node.
    QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(30, grid->HeaderHeight() / 2));
    EXPECT_EQ(std::make_pair(geo->m_selNodeFrom, geo->m_selNodeTo), std::make_pair(1, 6));

    GoTo(grid, 3, 1);
    Key(grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(std::make_pair(geo->m_selNodeFrom, geo->m_selNodeTo), std::make_pair(1, 6));
    EXPECT_EQ(std::make_pair(grid->GetRow(), grid->GetCol()), std::make_pair(6L, 3L));
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 18);
}

TEST_F(CoordinateTable, DeleteKeyRemovesTheSelectionAndRenumbersMembers)
{
    geo->m_nodeTable = Line(5);
    geo->m_memberTable = Members({{1, 3}, {3, 4}, {4, 5}, {2, 5}});
    CMSFlexGrid* grid = OpenBar();
    tablestest::Drag(grid, 3, 4);
    Key(grid, Qt::Key_Delete);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 3);
    EXPECT_EQ(grid->GetRows(), 4);
    EXPECT_EQ(grid->GetTextMatrix(3, 1), "5.000"); // former node 5 is node 3
    ExpectEntries(geo->m_memberTable, {{1, 1, 1}, {1, 2, 0}, {2, 1, 0}, {2, 2, 0}, {3, 1, 0}, {3, 2, 3},
                                       {4, 1, 2}, {4, 2, 3}});
    EXPECT_TRUE(geo->m_geometryChanged);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 3);
    // In the editor Delete edits the text and deletes no node.
    GoTo(grid, 1, 1);
    Type(grid, "12");
    Key(grid, Qt::Key_Delete);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);
}

TEST_F(CoordinateTable, PasteHandlerAsksForTheOffsetInProjectUnits)
{
    SetProject("Frame3D", 6, "mm");
    geo->m_nodeTable = Nodes({{1, 2, 3}});
    OpenBar();
    geo->m_selNodeFrom = geo->m_selNodeTo = 1;
    bar->OnCopy();
    bool asked = false;
    tablestest::AnswerModal<CCopyNodeDlg>([](CCopyNodeDlg* dialog) {
        EXPECT_EQ(dialog->Field(12003)->text(), "0");
        dialog->Field(12004)->setText("2500"); // mm
        dialog->accept();
    }, &asked);
    bar->OnPaste();
    ASSERT_TRUE(asked);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 2);
    EXPECT_EQ(geo->m_nodeTable(2, 1), 1.0);
    EXPECT_EQ(geo->m_nodeTable(2, 2), 4.5);
    // Cancel changes nothing.
    tablestest::AnswerModal<CCopyNodeDlg>([](CCopyNodeDlg* dialog) { dialog->reject(); });
    bar->OnPaste();
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 2);
}

TEST_F(CoordinateTable, ImportAsksForANodeFileAndRefreshesTheGrid)
{
    geo->m_nodeTable = Line(2);
    CMSFlexGrid* grid = OpenPage();
    ASSERT_TRUE(CdMatrix(5, 3).Save(dir.File("bad.nod")));
    platform::FileDialogRecorder files;
    files.Answer(dir.File("bad.nod"));
    page->OnCommand(ID_NODE_IMPORT);
    ASSERT_EQ(files.filters.size(), 1u);
    EXPECT_EQ(files.filters[0], "Node File (*.nod)|*.nod||");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(grid->GetRows(), 3);
    ASSERT_TRUE(Nodes({{7, 8, 9}, {1, 1, 1}}).Save(dir.File("good.nod")));
    ASSERT_TRUE(page->ImportFile(dir.File("good.nod")));
    EXPECT_EQ(grid->GetRows(), 5);
    EXPECT_EQ(grid->GetTextMatrix(3, 1), "7.000");
}

TEST_F(CoordinateTable, PrintWritesCoordinateTxtAndOpensIt)
{
    SetProject("Frame3D", 6, "mm");
    FixDate();
    geo->m_nodeTable = Nodes({{1.5, -2, 1234.5}, {0, 0.001234, 0}});
    OpenPage();
    page->OnCommand(ID_NODE_PRINT);
    const std::string path = dir.Folder() + "coordinate.txt";
    EXPECT_EQ(testsupport::TempDir::Read(path),
              tablestest::ReportHead("Node coordinate") +
                  "Node\tX (mm)\tY (mm)\tZ (mm)\n1\t1.5e+03\t-2e+03\t1.23e+06\n2\t0\t1.23\t0\n");
    EXPECT_EQ(launches.attempted, std::vector<std::string>{"Notepad " + path});
}

TEST_F(CoordinateTable, ContextMenuGreysWhatTheTableCannotDo)
{
    CMSFlexGrid* grid = OpenBar(); // no nodes: no editor either
    Type(grid, "1");
    EXPECT_FALSE(bar->Editing()->IsEditing());
    std::unique_ptr<QMenu> menu(bar->CreateContextMenu());
    EXPECT_FALSE(Enabled(menu.get(), ID_NODE_DELETE));
    EXPECT_TRUE(Enabled(menu.get(), ID_NODE_ADDNEW));

    geo->m_nodeTable = Line(3);
    bar->UpdateTable();
    menu.reset(bar->CreateContextMenu());
    EXPECT_TRUE(Enabled(menu.get(), ID_NODE_COPY));
    EXPECT_FALSE(Enabled(menu.get(), ID_NODE_PASTE)); // nothing copied yet
    geo->m_selNodeFrom = geo->m_selNodeTo = 2;
    bar->OnCopy();
    menu.reset(bar->CreateContextMenu());
    EXPECT_TRUE(Enabled(menu.get(), ID_NODE_PASTE));
}

TEST_F(CoordinateTable, BarReNumberAsksBeforeRemovingUnusedNodes)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {5, 5, 5}});
    geo->m_memberTable = Members({{1, 2}, {3, 2}});
    CMSFlexGrid* grid = OpenBar();
    messages.Answer(platform::IDCANCEL);
    bar->OnCommand(ID_NODE_RENUMBER);
    tablestest::ExpectOnlyMessage(messages, "Check node if not have connectivity will delete", "KESTRA Wizard");
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 4);
    EXPECT_EQ(geo->m_memberTable(2, 1), 1.0); // coincident ends merged anyway
    bar->ReNumber(true);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 2);
    EXPECT_EQ(grid->GetRows(), 3);
    EXPECT_TRUE(geo->m_modelChanged);
}

TEST_F(CoordinateTable, PropertiesSheetHoldsCoordinateAndRestraintPages)
{
    geo->m_nodeTable = Line(2);
    OpenBar();
    // Run modally: the pages edit the same model; the bar refills afterwards.
    tablestest::AnswerModal<PropertySheet>([](PropertySheet* shown) {
        EXPECT_EQ(shown->Title(), "Node Properties");
        EXPECT_EQ(shown->GetPageCount(), 2);
        EXPECT_EQ(shown->GetPage(1)->Caption(), "Restraint ");
        if (auto* coordinates = qobject_cast<CNodePage1*>(shown->GetPage(0)))
            coordinates->OnAddNew();
        shown->PressOk();
    });
    bar->OnProperties();
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);
    EXPECT_EQ(bar->Grid()->GetRows(), 4);
}
