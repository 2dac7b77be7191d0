#include <algorithm>
// The node coordinate page and bar driven through their real grids: the
// in-place editor, key routing, selection, the commands and the printout.
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
#include <QTimer>

using nodetest::NodeProject;
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
    EXPECT_EQ(grid->GetTextMatrix(0, 0), " node ");
    EXPECT_EQ(grid->GetTextMatrix(0, 1), "  X (cm)");
    EXPECT_EQ(grid->GetTextMatrix(0, 3), "  Z (cm)");
    EXPECT_EQ(grid->GetTextMatrix(1, 0), "1");
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "150.000");
    EXPECT_EQ(grid->GetTextMatrix(1, 2), "-200.000");
    EXPECT_EQ(grid->GetTextMatrix(2, 3), "300.000");
    // At least the table's width; wider when the content needs it.
    EXPECT_GE(grid->GetColWidth(1), grid->PixelsToTwipsX(grid->TwipsToPixelsX(850)));
}

TEST_F(CoordinateTable, TypingOnThePageStoresTheValueOverTheLengthFactor)
{
    SetProject("Frame3D", 6, "mm");
    geo->m_nodeTable = Line(4);
    geo->m_nodeTable(2, 1) = 2.0000004;
    CMSFlexGrid* grid = OpenPage();
    // Enter shows the cell's text; Enter again, untouched, stores nothing
    // (not the rounded text).
    GoTo(grid, 2, 1);
    Key(grid, Qt::Key_Return);
    ASSERT_TRUE(page->Editing()->IsEditing());
    EXPECT_EQ(page->Editing()->Editor()->selectedText().toStdString(), "2000.000");
    Key(grid, Qt::Key_Return);
    EXPECT_FALSE(page->Editing()->IsEditing());
    EXPECT_EQ(geo->m_nodeTable(2, 1), 2.0000004);
    EXPECT_FALSE(geo->m_modelChanged);
    GoTo(grid, 2, 1);
    // The first typed key starts the editor with itself: nothing is lost.
    Type(grid, "2");
    ASSERT_TRUE(page->Editing()->IsEditing());
    EXPECT_EQ(page->Editing()->Editor()->GetText(), "2");
    Type(grid, ".5");
    EXPECT_EQ(page->Editing()->Editor()->GetText(), "2.5");
    Key(grid, Qt::Key_Return);
    EXPECT_FALSE(page->Editing()->IsEditing());
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

TEST_F(CoordinateTable, TypingOnTheBarStartsWithTheDigitAndEscapeStoresNothing)
{
    geo->m_nodeTable = Line(3);
    CMSFlexGrid* grid = OpenBar();
    GoTo(grid, 2, 3);
    Type(grid, "7");
    ASSERT_TRUE(bar->Editing()->IsEditing());
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "7");
    Type(grid, ".5");
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(geo->m_nodeTable(2, 3), 7.5);
    EXPECT_EQ(grid->GetTextMatrix(2, 3), "7.5");
    EXPECT_EQ(geo->m_selNodeFrom, 3); // the cursor carries the selection
    EXPECT_EQ(geo->m_selNodeTo, 3);

    GoTo(grid, 1, 1);
    Type(grid, "-9");
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "-9");
    Key(grid, Qt::Key_Escape);
    EXPECT_FALSE(bar->Editing()->IsEditing());
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 3, 2));
    EXPECT_EQ(geo->m_nodeTable(1, 1), 1.0);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "1.000");

    // Enter alone opens an empty editor on the bar; an empty commit stores nothing.
    GoTo(grid, 1, 2);
    Key(grid, Qt::Key_Return);
    ASSERT_TRUE(bar->Editing()->IsEditing());
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "");
    Key(grid, Qt::Key_Return);
    EXPECT_FALSE(bar->Editing()->IsEditing());
    EXPECT_EQ(grid->GetTextMatrix(1, 2), "0.000");
}

TEST_F(CoordinateTable, DownOnTheLastRowAppendsAFreeNode)
{
    geo->m_nodeTable = Line(3);
    CMSFlexGrid* grid = OpenPage();
    GoTo(grid, 3, 2);
    Key(grid, Qt::Key_Return);
    Type(grid, "4");
    Key(grid, Qt::Key_Down);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 4);
    EXPECT_EQ(geo->m_nodeTable(3, 2), 4.0);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(geo->m_nodeTable(4, j), 0.0);
    for (int j = 4; j <= 9; ++j)
        EXPECT_EQ(geo->m_nodeTable(4, j), 1.0);
    EXPECT_EQ(grid->GetRows(), 5);
    EXPECT_EQ(grid->GetTextMatrix(4, 0), "4");
    EXPECT_EQ(grid->GetTextMatrix(4, 1), "0.000");
    EXPECT_EQ(grid->GetTextMatrix(4, 3), "0.000");
    EXPECT_EQ(grid->GetRow(), 4);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 4);
    EXPECT_TRUE(geo->m_geometryChanged); // the page marks the model

    // Down without an edit does not append.
    GoTo(grid, 4, 1);
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 4);
}

TEST_F(CoordinateTable, BarAddNewLeavesTheMarksAlone)
{
    geo->m_nodeTable = Line(2);
    CMSFlexGrid* grid = OpenBar();
    GoTo(grid, 2, 1);
    Type(grid, "3");
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);
    EXPECT_EQ(grid->GetTextMatrix(3, 2), "0.000");
    EXPECT_FALSE(geo->m_geometryChanged);
}

TEST_F(CoordinateTable, MouseAndCtrlASetTheSelectionRange)
{
    geo->m_nodeTable = Line(6);
    CMSFlexGrid* grid = OpenPage();
    tablestest::Drag(grid, 2, 4);
    EXPECT_EQ(geo->m_selNodeFrom, 2);
    EXPECT_EQ(geo->m_selNodeTo, 4);
    EXPECT_EQ(geo->m_activeTable, 1001);

    // Dragged upwards: the pressed row alone.
    tablestest::Drag(grid, 5, 3);
    EXPECT_EQ(geo->m_selNodeFrom, 5);
    EXPECT_EQ(geo->m_selNodeTo, 5);

    geo->m_activeTable = 0;
    grid->setFocus();
    Key(grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(geo->m_selNodeFrom, 1);
    EXPECT_EQ(geo->m_selNodeTo, 6);
    EXPECT_EQ(grid->GetRow(), 6);
    EXPECT_EQ(grid->GetCol(), 3);
    EXPECT_EQ(grid->GetRowSel(), 1);
    EXPECT_EQ(grid->GetColSel(), 1);
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
    const double expected[4][2] = {{1, 0}, {0, 0}, {0, 3}, {2, 3}};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(geo->m_memberTable(i, 1), expected[i - 1][0]) << i;
        EXPECT_EQ(geo->m_memberTable(i, 2), expected[i - 1][1]) << i;
    }
    EXPECT_TRUE(geo->m_geometryChanged);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 3);
}

TEST_F(CoordinateTable, PasteAndMoveThroughThePage)
{
    geo->m_nodeTable = Nodes({{1, 1, 1}, {2, 2, 2}});
    CMSFlexGrid* grid = OpenPage();
    tablestest::Drag(grid, 1, 2);
    page->OnCommand(ID_NODE_COPY);
    ASSERT_TRUE(page->PasteWithOffset(0, 0, 10));
    ASSERT_EQ(grid->GetRows(), 5);
    EXPECT_EQ(grid->GetTextMatrix(4, 3), "12.000");
    EXPECT_EQ(geo->m_nodeTable(3, 3), 11.0);

    geo->m_selNodeFrom = 4;
    geo->m_selNodeTo = 3;
    ASSERT_TRUE(page->MoveWithOffset(-0.5, 0, 0));
    EXPECT_EQ(geo->m_nodeTable(3, 1), 0.5);
    EXPECT_EQ(grid->GetTextMatrix(3, 1), "0.500");
    EXPECT_EQ(grid->GetTextMatrix(4, 1), "1.500");
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "1.000");
}

TEST_F(CoordinateTable, PasteHandlerAsksForTheOffsetInProjectUnits)
{
    SetProject("Frame3D", 6, "mm");
    geo->m_nodeTable = Nodes({{1, 2, 3}});
    OpenBar();
    geo->m_selNodeFrom = geo->m_selNodeTo = 1;
    bar->OnCopy();
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        auto* dialog = qobject_cast<CCopyNodeDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        asked = true;
        EXPECT_EQ(dialog->Field(12003)->text(), "0");
        dialog->Field(12004)->setText("2500"); // mm
        dialog->accept();
    });
    bar->OnPaste();
    ASSERT_TRUE(asked);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 2);
    EXPECT_EQ(geo->m_nodeTable(2, 1), 1.0);
    EXPECT_EQ(geo->m_nodeTable(2, 2), 4.5);

    // Cancel changes nothing.
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<CCopyNodeDlg*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    bar->OnPaste();
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 2);
}

TEST_F(CoordinateTable, ImportRefusesAThreeColumnFile)
{
    geo->m_nodeTable = Line(2);
    CMSFlexGrid* grid = OpenPage();
    CdMatrix three(5, 3);
    ASSERT_TRUE(three.Save(dir.File("bad.nod")));
    platform::FileDialogRecorder files;
    files.Answer(dir.File("bad.nod"));
    page->OnCommand(ID_NODE_IMPORT);
    ASSERT_EQ(files.filters.size(), 1u);
    EXPECT_EQ(files.filters[0], "Node File (*.nod)|*.nod||");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Two matrix column not equal");
    EXPECT_EQ(messages.messages[0].caption, "Can't Add new row");
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 2);
    EXPECT_EQ(grid->GetRows(), 3);

    CdMatrix good = Nodes({{7, 8, 9}, {1, 1, 1}});
    ASSERT_TRUE(good.Save(dir.File("good.nod")));
    ASSERT_TRUE(page->ImportFile(dir.File("good.nod")));
    EXPECT_EQ(grid->GetRows(), 5);
    EXPECT_EQ(grid->GetTextMatrix(3, 1), "7.000");
}

TEST_F(CoordinateTable, WindowedFillWritesOnlyTheRowsAroundTheScrollPosition)
{
    geo->m_nodeTable = Line(10000);
    CMSFlexGrid* grid = OpenBar();
    EXPECT_EQ(grid->GetRows(), 10001);
    EXPECT_GE(grid->GetColWidth(1), grid->PixelsToTwipsX(grid->TwipsToPixelsX(780)));
    // Rows p - 27 .. p + 27, and every row in view below p: a grid taller
    // than 27 rows shows no blank rows.
    const long reach = std::max(27, grid->VisibleRowCount());
    EXPECT_EQ(grid->GetScrollPos(), 0);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "1.000");
    EXPECT_EQ(grid->GetTextMatrix(reach, 1), std::to_string(reach) + ".000");
    EXPECT_EQ(grid->GetTextMatrix(reach + 1, 1), "");

    grid->SetTopRow(5001); // the Scroll event refills
    const int p = grid->GetScrollPos();
    ASSERT_EQ(p, 5000);
    EXPECT_EQ(grid->GetTextMatrix(p - 28, 1), "");
    EXPECT_EQ(grid->GetTextMatrix(p - 27, 0), "4973");
    EXPECT_EQ(grid->GetTextMatrix(p - 27, 1), "4973.000");
    EXPECT_EQ(grid->GetTextMatrix(p + reach, 1), std::to_string(p + reach) + ".000");
    EXPECT_EQ(grid->GetTextMatrix(p + reach + 1, 1), "");
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "");
    EXPECT_EQ(grid->GetTextMatrix(0, 1), "  X (m)");
}

TEST_F(CoordinateTable, PrintWritesCoordinateTxtAndOpensIt)
{
    SetProject("Frame3D", 6, "mm");
    const std::time_t when = FixDate();
    geo->m_nodeTable = Nodes({{1.5, -2, 1234.5}, {0, 0.001234, 0}});
    OpenPage();
    page->OnCommand(ID_NODE_PRINT);
    const std::string path = dir.Folder() + "coordinate.txt";
    EXPECT_EQ(testsupport::TempDir::Read(path),
              "KESTRA\n"
              "Programmer:\tMr.Danek\n"
              "Description\t:\tPrint (WordPad format)\n"
              "Node coordinate:\tLast modify  " +
                  ReportFrame::DateLine(when) +
                  "\n"
                  "Node\tX (mm)\tY (mm)\tZ (mm)\n"
                  "1\t1.5e+03\t-2e+03\t1.23e+06\n"
                  "2\t0\t1.23\t0\n");
    EXPECT_EQ(ReportFrame::DateLine(when), "Friday, December 04, 2026\n");
    ASSERT_EQ(launches.attempted.size(), 1u);
    EXPECT_EQ(launches.attempted[0], "Notepad " + path);

    // A second printout replaces the first; the bar prints the same way.
    geo->m_nodeTable = Nodes({{0.003, 0.003, 0.003}});
    OpenBar();
    bar->OnCommand(ID_NODE_PRINT);
    const std::string text = testsupport::TempDir::Read(path);
    EXPECT_EQ(text.substr(text.find("Node\tX")), "Node\tX (mm)\tY (mm)\tZ (mm)\n1\t3\t3\t3\n");
    EXPECT_EQ(launches.attempted.size(), 2u);
}

TEST_F(CoordinateTable, ContextMenuGreysWhatTheTableCannotDo)
{
    OpenBar(); // no nodes
    std::unique_ptr<QMenu> menu(bar->CreateContextMenu());
    for (int id : {ID_NODE_COPY, ID_NODE_PASTE, ID_NODE_DELETE, ID_NODE_MOVE, ID_NODE_RENUMBER, ID_NODE_PROPERTIES})
        EXPECT_FALSE(Enabled(menu.get(), id)) << id;
    for (int id : {ID_NODE_ADDNEW, ID_NODE_GENERATE_LINEAR, ID_NODE_REFRESH, ID_NODE_PRINT, ID_NODE_IMPORT})
        EXPECT_TRUE(Enabled(menu.get(), id)) << id;

    geo->m_nodeTable = Line(3);
    bar->UpdateTable();
    menu.reset(bar->CreateContextMenu());
    EXPECT_TRUE(Enabled(menu.get(), ID_NODE_COPY));
    EXPECT_FALSE(Enabled(menu.get(), ID_NODE_PASTE)); // nothing copied yet
    geo->m_selNodeFrom = geo->m_selNodeTo = 2;
    bar->OnCopy();
    menu.reset(bar->CreateContextMenu());
    EXPECT_TRUE(Enabled(menu.get(), ID_NODE_PASTE));
    EXPECT_TRUE(Enabled(menu.get(), ID_NODE_PROPERTIES));

    OpenPage();
    menu.reset(page->CreateContextMenu());
    EXPECT_EQ(MenuResource::FindCommand(menu.get(), ID_NODE_PROPERTIES), nullptr); // the bar's command
}

TEST_F(CoordinateTable, BarReNumberAsksBeforeRemovingUnusedNodes)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {5, 5, 5}});
    geo->m_memberTable = Members({{1, 2}, {3, 2}});
    CMSFlexGrid* grid = OpenBar();
    messages.Answer(platform::IDCANCEL);
    bar->OnCommand(ID_NODE_RENUMBER);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Check node if not have connectivity will delete");
    EXPECT_EQ(messages.messages[0].caption, "KESTRA Wizard");
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
    std::unique_ptr<PropertySheet> sheet = bar->CreatePropertiesSheet();
    EXPECT_EQ(sheet->Title(), "Node Properties");
    ASSERT_EQ(sheet->GetPageCount(), 2);
    EXPECT_EQ(sheet->GetPage(0)->Caption(), "Coordinate");
    EXPECT_EQ(sheet->GetPage(1)->Caption(), "Restraint ");
    auto* coordinates = qobject_cast<CNodePage1*>(sheet->GetPage(0));
    ASSERT_NE(coordinates, nullptr);
    EXPECT_EQ(coordinates->Geometry(), geo.get());

    // Run modally: the pages edit the same model; the bar refills afterwards.
    QTimer::singleShot(0, [] {
        if (auto* shown = qobject_cast<PropertySheet*>(QApplication::activeModalWidget())) {
            auto* first = qobject_cast<CNodePage1*>(shown->GetPage(0));
            first->OnAddNew();
            shown->PressOk();
        }
    });
    bar->OnProperties();
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);
    EXPECT_EQ(bar->Grid()->GetRows(), 4);
}
