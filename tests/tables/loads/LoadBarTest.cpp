#include "LoadsTestSupport.h"
#include "tables/CommandIds.h"
#include "tables/EditWnd.h"
#include "tables/MenuResource.h"
#include "tables/TablesTestSupport.h"
#include "tables/node/NodeBar3.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>

using loadstest::LoadsProject;
using tablestest::ExpectCells;
using tablestest::ExpectEntries;
using tablestest::EditCell;
using tablestest::Key;
using tablestest::Type;

namespace {

class LoadBar : public LoadsProject {
protected:
    std::unique_ptr<CNodeBar3> bar;

    CMSFlexGrid* OpenBar()
    {
        bar = std::make_unique<CNodeBar3>();
        bar->SetGeometry(geo.get());
        bar->Create();
        ShowActive(bar.get());
        bar->Grid()->setFocus();
        return bar->Grid();
    }
    // Opens the list and picks case k, as the user does.
    void ChooseCase(int k)
    {
        bar->OnDropdown();
        bar->CaseList()->setCurrentIndex(k - 1);
        bar->OnCloseup();
    }
    static bool Enabled(QMenu* menu, int id) { return MenuResource::FindCommand(menu, id)->isEnabled(); }
};

} // namespace

TEST_F(LoadBar, ChoosingACaseWritesTheActiveCaseAndReadsItsFile)
{
    geo->m_nodeTable = Line(3);
    SetInt("Number load case ", 2);
    SetInt("LOADS CASE", 1);
    // The file holds two rows of a narrower table: the rest reads as 0.
    CdMatrix file(2, 4);
    file(1, 1) = 5.0;
    file(2, 4) = -1.5;
    file(2, 3) = 12.25;
    ASSERT_TRUE(file.Save(CaseFile(2)));
    CMSFlexGrid* grid = OpenBar();

    bar->OnDropdown();
    ASSERT_EQ(bar->CaseList()->count(), 2);
    EXPECT_EQ(bar->CaseList()->itemText(0), "Load case:1");
    EXPECT_EQ(bar->CaseList()->itemText(1), "Load case:2");
    bar->CaseList()->setCurrentIndex(1);
    bar->OnCloseup();

    EXPECT_EQ(GetInt("LOADS CASE"), 2);
    const CdMatrix& loads = bar->Worker().Loads();
    ASSERT_EQ(loads.GetRows(), 3);
    ASSERT_EQ(loads.GetCols(), 6);
    ExpectEntries(loads, {{1, 1, 5}, {2, 3, 12.25}, {2, 4, -1.5}, {3, 6, 0}});
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(grid->GetRows(), 5);
    EXPECT_EQ(grid->GetCols(), 7);
    ExpectCells(grid, {{0, 0, " node "}, {0, 1, "  Fx (Kg)"}, {0, 3, "  Fz (Kg)"}, {0, 4, "  Mx (Kg-m)"},
                       {0, 6, "  Mz (Kg-m)"}, {1, 0, "1"}, {1, 1, "       5"}, {2, 3, "       12.25"},
                       {2, 4, "       -1.5"}, {4, 0, ""}});
}

TEST_F(LoadBar, DisplayUnitsAndTheTrussTable)
{
    SetProject("Truss3D", 3, "cm", "kN");
    geo->m_nodeTable = Line(2);
    SetInt("Number load case ", 1);
    WriteCase(1, 2, 3, 1000.0);
    CMSFlexGrid* grid = OpenBar();
    ChooseCase(1);
    EXPECT_EQ(grid->GetCols(), 4);
    ExpectCells(grid, {{0, 3, "  Fz (kN)"}, {1, 1, "       9.81"}}); // 1000 Kg in kN
    // The empty row after the last node opens no editor.
    GoTo(grid, 3, 1);
    Type(grid, "7");
    EXPECT_FALSE(bar->Editing()->IsEditing());
}

TEST_F(LoadBar, ForceAtAPinnedTranslationIsRefusedMomentIsStored)
{
    SetProject("Frame3D", 6, "m", "kN");
    geo->m_nodeTable = Line(2);
    Pin(geo->m_nodeTable, 1);
    SetInt("Number load case ", 1);
    WriteCase(1, 2, 6, 0.0);
    CMSFlexGrid* grid = OpenBar();
    ChooseCase(1);
    const std::string before = testsupport::TempDir::Read(CaseFile(1));

    EditCell(grid, 1, 1, "5", false);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Inactive DOF(support) can't apply any load");
    EXPECT_EQ(messages.messages[0].caption, "KESTRA Wizard");
    EXPECT_EQ(messages.messages[0].buttons, platform::MB_OK);
    EXPECT_FALSE(bar->Editing()->IsEditing());
    EXPECT_EQ(bar->Worker().Loads()(1, 1), 0.0);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "       0");
    EXPECT_EQ(testsupport::TempDir::Read(CaseFile(1)), before);
    EXPECT_FALSE(geo->m_modelChanged);

    // The rotation about X of the same node is free.
    EditCell(grid, 1, 4, "2.5", false);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(grid->GetTextMatrix(1, 4), "        2.500");
    const double stored = 2.5 / (0.00981 * 1.0);
    EXPECT_DOUBLE_EQ(bar->Worker().Loads()(1, 4), stored);
    EXPECT_DOUBLE_EQ(ReadMatrix(CaseFile(1))(1, 4), stored);
    EXPECT_TRUE(geo->m_modelChanged);
}

TEST_F(LoadBar, AddWritesTheNextCaseFile)
{
    geo->m_nodeTable = Line(3);
    SetInt("Number load case ", 0);
    OpenBar();
    bar->OnCommand(ID_LOAD_ADD);
    ASSERT_TRUE(Exists(CaseFile(1)));
    EXPECT_EQ(testsupport::TempDir::Read(CaseFile(1)).size(), 8u + (3 * 6 + 1) * 8u);
    EXPECT_EQ(GetInt("Number load case "), 1);
    EXPECT_TRUE(geo->m_modelChanged);
    EXPECT_EQ(bar->Worker().CurrentCase(), 0); // not chosen

    // The shown case keeps its loads when another is added.
    ChooseCase(1);
    bar->Worker().Loads()(2, 2) = 4.0;
    bar->OnAdd();
    EXPECT_TRUE(Exists(CaseFile(2)));
    EXPECT_EQ(GetInt("Number load case "), 2);
    EXPECT_EQ(bar->Worker().CurrentCase(), 1);
    EXPECT_EQ(bar->Worker().Loads()(2, 2), 4.0);
}

TEST_F(LoadBar, DeletingCase2Of4RenumbersTheLaterFiles)
{
    geo->m_nodeTable = Line(2);
    SetInt("Number load case ", 4);
    for (int k = 1; k <= 4; ++k)
        WriteCase(k, 2, 6, 10.0 * k);
    CMSFlexGrid* grid = OpenBar();
    ChooseCase(2);
    messages.Clear();
    // The Delete key asks; No keeps the case and its loads.
    messages.Answer(platform::IDNO);
    GoTo(grid, 1, 1);
    Key(grid, Qt::Key_Delete);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Delete load case 2 and its loads?");
    EXPECT_EQ(messages.messages[0].buttons & 0xF, unsigned(platform::MB_YESNO));
    EXPECT_EQ(GetInt("Number load case "), 4);
    EXPECT_EQ(ReadMatrix(CaseFile(2))(1, 1), 20.0);

    messages.Answer(platform::IDYES);
    bar->OnCommand(ID_LOAD_DELETE);
    EXPECT_EQ(GetInt("Number load case "), 3);
    EXPECT_TRUE(geo->m_modelChanged);
    const double kept[] = {10.0, 30.0, 40.0}; // cases 1, 3 and 4
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(ReadMatrix(CaseFile(k))(1, 1), kept[k - 1]) << k;
    EXPECT_FALSE(Exists(CaseFile(4)));
    EXPECT_EQ(trace.Text().find("File "), std::string::npos);
    // The deleted case is no longer shown; the list holds the three left.
    EXPECT_EQ(bar->Worker().CurrentCase(), 0);
    EXPECT_EQ(grid->GetRows(), 1);
    EXPECT_EQ(bar->CaseList()->count(), 3);
    EXPECT_EQ(bar->CaseList()->currentIndex(), -1);
    bar->OnDelete(); // nothing chosen: nothing deleted
    EXPECT_EQ(GetInt("Number load case "), 3);
}

TEST_F(LoadBar, MissingFilesAreTracedAndTheLoopGoesOn)
{
    geo->m_nodeTable = Line(2);
    SetInt("Number load case ", 4);
    WriteCase(1, 2, 6, 1.0);
    WriteCase(2, 2, 6, 2.0);
    WriteCase(4, 2, 6, 4.0);
    OpenBar();
    ChooseCase(1);
    messages.Answer(platform::IDYES);
    bar->OnDelete();
    EXPECT_NE(trace.Text().find("File " + CaseFile(3) + " not found, cause = 2\n"), std::string::npos);
    EXPECT_EQ(GetInt("Number load case "), 3);
    EXPECT_EQ(ReadMatrix(CaseFile(1))(1, 1), 2.0);
    EXPECT_FALSE(Exists(CaseFile(2)));
    EXPECT_EQ(ReadMatrix(CaseFile(3))(1, 1), 4.0);
}

TEST_F(LoadBar, MissingCaseFileIsReportedAndReadsAsZeros)
{
    geo->m_nodeTable = Line(2);
    SetInt("Number load case ", 1);
    CMSFlexGrid* grid = OpenBar();
    ChooseCase(1);
    tablestest::ExpectOnlyMessage(messages, "Access file " + CaseFile(1), "KESTRA detect error in operation ");
    EXPECT_EQ(bar->Worker().Loads().GetRows(), 2);
    EXPECT_EQ(bar->Worker().Loads()(2, 6), 0.0);
    EXPECT_EQ(grid->GetTextMatrix(2, 6), "       0");
}

TEST_F(LoadBar, CopyPasteWholeRowsAndDropDownEmptiesTheBuffer)
{
    geo->m_nodeTable = Line(4);
    SetInt("Number load case ", 1);
    CdMatrix file(4, 6);
    for (int j = 1; j <= 6; ++j) {
        file(1, j) = j;
        file(2, j) = -j;
    }
    ASSERT_TRUE(file.Save(CaseFile(1)));
    CMSFlexGrid* grid = OpenBar();
    ChooseCase(1);
    geo->m_selNodeFrom = 1;
    geo->m_selNodeTo = 2;
    bar->OnCommand(ID_LOAD_COPY);
    ASSERT_EQ(bar->Worker().CopyBuffer().GetRows(), 2);

    // Rows past the last node are skipped.
    geo->m_selNodeFrom = geo->m_selNodeTo = 4;
    bar->OnCommand(ID_LOAD_PASTE);
    const CdMatrix& loads = bar->Worker().Loads();
    ExpectEntries(loads, {{4, 1, 1}, {4, 2, 2}, {4, 3, 3}, {4, 4, 4}, {4, 5, 5}, {4, 6, 6}, {3, 1, 0}});
    EXPECT_EQ(grid->GetTextMatrix(4, 6), "       6");
    EXPECT_EQ(ReadMatrix(CaseFile(1))(4, 5), 5.0);

    geo->m_selNodeFrom = geo->m_selNodeTo = 3;
    bar->OnPaste();
    ExpectEntries(loads, {{3, 2, 2}, {4, 2, -2}});

    // No row selected: the paste starts at row 1.
    geo->m_selNodeFrom = geo->m_selNodeTo = 0;
    bar->Worker().Loads()(1, 3) = 99.0;
    bar->Worker().Loads()(2, 3) = 99.0;
    bar->OnPaste();
    ExpectEntries(loads, {{1, 3, 3}, {2, 3, -3}});

    bar->OnDropdown();
    EXPECT_FALSE(bar->Worker().HasCopy());
    std::unique_ptr<QMenu> menu(bar->CreateContextMenu());
    EXPECT_FALSE(Enabled(menu.get(), ID_LOAD_PASTE));
}

TEST_F(LoadBar, PressShowsTheNodesSupportsAndSelectsIt)
{
    geo->m_nodeTable = Line(3);
    Pin(geo->m_nodeTable, 2);
    geo->m_nodeTable(2, 9) = 0.0;
    SetInt("Number load case ", 1);
    WriteCase(1, 3, 6, 0.0);
    CMSFlexGrid* grid = OpenBar();
    ChooseCase(1);
    tablestest::Drag(grid, 2, 2);
    EXPECT_EQ(std::make_pair(geo->m_selNodeFrom, geo->m_selNodeTo), std::make_pair(2, 2));
    EXPECT_EQ(geo->m_activeTable, 1001);
    const bool expected[6] = {true, true, true, false, false, true};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(bar->Box(k)->isChecked(), expected[k - 1]) << k;
        EXPECT_FALSE(bar->Box(k)->isEnabled());
    }
    // Clicking a box does nothing.
    bar->Box(4)->click();
    EXPECT_EQ(geo->m_nodeTable(2, 7), 1.0);
}

TEST_F(LoadBar, PrintWritesExternalLoad)
{
    FixDate();
    geo->m_nodeTable = Line(2);
    SetInt("Number load case ", 3);
    CdMatrix file(2, 6);
    file(1, 1) = 1234.5;
    file(2, 6) = -0.5;
    ASSERT_TRUE(file.Save(CaseFile(3)));
    OpenBar();
    ChooseCase(3);
    bar->OnCommand(ID_LOAD_PRINT);
    const std::string path = dir.Folder() + "External load.txt";
    EXPECT_EQ(testsupport::TempDir::Read(path),
              tablestest::ReportHead("Load case 3") +
                  "node\tFx(Kg)\tFy(Kg)\tFz(Kg)\tMx (Kg-m)\tMy (Kg-m)\tMz (Kg-m)\n"
                  "1\t1.23e+03\t0\t0\t0\t0\t0\n2\t0\t0\t0\t0\t0\t-0.5\n");
    EXPECT_EQ(launches.attempted, std::vector<std::string>{"Notepad " + path});

    SetProject("Truss3D", 3, "m", "T");
    const std::string truss = LoadCaseWorker::Report(file, 3, false, "T", "m");
    EXPECT_EQ(truss.substr(truss.find("node\t")),
              "node\tFx(T)\tFy(T)\tFz(T)\n1\t1.23\t0\t0\n2\t0\t0\t0\n");
    const std::string frame = LoadCaseWorker::Report(file, 3, true, "kN", "mm");
    EXPECT_EQ(frame.substr(frame.find("node\t")),
              "node\tFx(kN)\tFy(kN)\tFz(kN)\tMx (kN-mm)\tMy (kN-mm)\tMz (kN-mm)\n"
              "1\t12.1\t0\t0\t0\t0\t0\n2\t0\t0\t0\t0\t0\t-4.9\n");
}
