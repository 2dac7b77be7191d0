// The host's menus and sheets: a table command forwarded from the Input menu
// (and undone), the input sheet's pages, and the display settings sheet.
#include <QAction>
#include <QDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "GuiSupport.h"
#include "platform/Profile.h"
#include "setup/GeometryWizard.h"
#include "setup/GlobalPage1.h"
#include "setup/NewProjectPage1.h"
#include "tables/CommandIds.h"
#include "tables/MenuResource.h"
#include "tables/PropertyPage.h"
#include "tables/PropertySheet.h"
#include "tables/node/NodeBar2.h"
#include "tables/node/NodePage1.h"

using testsupport::TempDir;

namespace {

struct HostSheets : ::testing::Test {
    TempDir tmp;
    std::unique_ptr<MainWindow> window = guitest::OpenWindow(guitest::Write(tmp, DemoProjects::PrattBridge()), false);
    void TearDown() override { guitest::Discard(*window); }
    // Runs `body` on the property sheet the next command opens (looked for
    // every 50 ms for up to 5 s; the watchdog closes any other box).
    static void OnNextSheet(std::function<void(PropertySheet&)> body, int tries = 100)
    {
        QTimer::singleShot(50, [body, tries]() {
            if (auto* sheet = qobject_cast<PropertySheet*>(QApplication::activeModalWidget()))
                body(*sheet);
            else if (tries > 0)
                OnNextSheet(body, tries - 1);
            else
                ADD_FAILURE() << "no property sheet opened";
        });
    }
};

} // namespace

TEST_F(HostSheets, InputMenuForwardsATableCommandAndUndoTakesItBack)
{
    QMenu* nodes = nullptr;
    for (QAction* top : window->menuBar()->actions())
        if (top->menu() && top->text() == "&Input")
            for (QAction* a : top->menu()->actions())
                if (a->menu() && a->text() == "Node coordinates")
                    nodes = a->menu();
    ASSERT_NE(nodes, nullptr);
    QAction* addNew = MenuResource::FindCommand(nodes, ID_NODE_ADDNEW);
    ASSERT_NE(addNew, nullptr);
    CGeometry& g = window->Geometry();
    const int before = g.m_nodeTable.GetRows();
    addNew->trigger();
    EXPECT_EQ(g.m_nodeTable.GetRows(), before + 1);
    EXPECT_EQ(CProject().GetNodeCount(), before + 1);
    ASSERT_EQ(window->Undo()->Stack()->count(), 1);
    EXPECT_EQ(window->Undo()->Stack()->undoText(), addNew->text().remove('&').trimmed());
    window->Undo()->Undo();
    EXPECT_EQ(g.m_nodeTable.GetRows(), before);
    EXPECT_EQ(CProject().GetNodeCount(), before);
}

// The input sheet's pages; in its tables a click and the typed number edit
// the cell (the first key is not lost); Cancel puts the model back as it was when the
// sheet opened, OK keeps the edit as one undo step.
TEST_F(HostSheets, InputSheetCancelDiscardsItsEditsAndOkKeepsThem)
{
    CGeometry& g = window->Geometry();
    const double x = g.m_nodeTable(3, 1);
    window->Undo()->Checkpoint(); // the opening's own changes recorded first
    const int steps = window->Undo()->Stack()->count();
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        double typed = 0.0;
        OnNextSheet([&](PropertySheet& sheet) {
            ASSERT_GE(sheet.GetPageCount(), 3);
            EXPECT_EQ(QStringList({sheet.GetPage(0)->Caption(), sheet.GetPage(1)->Caption(), sheet.GetPage(2)->Caption()}),
                      QStringList({"Coordinate", "Restraint ", "Connextivity"}));
            auto* page = dynamic_cast<CNodePage1*>(sheet.GetPage(0));
            ASSERT_NE(page, nullptr);
            CMSFlexGrid* grid = page->Grid();
            QApplication::setActiveWindow(&sheet);
            (void)QTest::qWaitForWindowActive(&sheet);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 3, 1));
            ASSERT_TRUE(grid->hasFocus());
            guitest::Type(grid, "75");
            guitest::Key(grid, Qt::Key_Return);
            typed = g.m_nodeTable(3, 1);
            if (ok)
                sheet.PressOk();
            else
                sheet.PressCancel();
        });
        window->OnInputSheet();
        EXPECT_DOUBLE_EQ(typed, 75.0 / CGeometry::LengthFactorOf(CProject().GetLengthUnit()));
        EXPECT_DOUBLE_EQ(g.m_nodeTable(3, 1), ok ? typed : x);
        EXPECT_EQ(window->Undo()->Stack()->count(), ok ? steps + 1 : steps);
    }
}

TEST_F(HostSheets, SettingsSheetWritesTheOptionsAndTheViewReadsThemBack)
{
    int pages = 0;
    OnNextSheet([&pages](PropertySheet& sheet) {
        pages = sheet.GetPageCount();
        sheet.PressOk();
    });
    EXPECT_FALSE(platform::Profile::HasKey("OPTION", "node factor"));
    window->OnSettings();
    EXPECT_EQ(pages, 5);
    EXPECT_TRUE(platform::Profile::HasKey("OPTION", "node factor"));
    // A value changed in the file reaches the view after the next sheet.
    platform::Profile::WriteString("OPTION", "screen red", "40");
    OnNextSheet([](PropertySheet& sheet) { sheet.PressCancel(); });
    window->OnSettings();
    EXPECT_EQ(window->Geometry().m_viewOptions.m_screenRed, 40);
}

// OK in the geometry wizard, after its question, replaces the solved model
// with the chosen layout and its supports, as one undo step; the results
// go, and an undo after the next solve drops those results too.
TEST_F(HostSheets, GeometryWizardOkAppliesTheLayoutWithSupportsAsOneUndoableStep)
{
    CGeometry& g = window->Geometry();
    const int nodesBefore = g.m_nodeTable.GetRows();
    QString error;
    ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
    const std::string disn = CProject().GetLocation() + "Bridge.disn";
    ASSERT_TRUE(std::filesystem::exists(disn));
    // The history's watch is stopped: firing between the sheet's closing
    // and the wizard's own step, it takes the paste for a "Table edit" and
    // the old results stay beside the new layout.
    window->Undo()->SetWatchInterval(0);
    platform::MessageRecorder boxes;
    OnNextSheet([&](PropertySheet& sheet) {
        auto* wizard = dynamic_cast<CGeometryWizard*>(sheet.GetPage(0));
        ASSERT_NE(wizard, nullptr);
        EXPECT_EQ(wizard->findChild<QLabel*>("12013-direction")->text(), "along the length (X)");
        QComboBox* layouts = wizard->Layouts();
        layouts->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(layouts, Qt::Key_Down); // Pratt, Howe Bridge, Howe Roof
        EXPECT_EQ(layouts->currentText(), "Howe Roof");
        for (QPushButton* b : sheet.findChildren<QPushButton*>())
            if (b->text() == "OK" && b->isVisible())
                return QTest::mouseClick(b, Qt::LeftButton);
        ADD_FAILURE() << "no OK button";
    });
    window->OnGeometryWizard();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "The Howe Roof layout replaces the current model (24 nodes, 69 members).");
    // Default dimensions: 6 panels, so bottom nodes 1 and 7 bear the roof.
    ASSERT_GT(g.m_nodeTable.GetRows(), 10);
    ASSERT_GT(g.m_memberTable.GetRows(), 10);
    for (int node : {1, 7})
        for (int code = 4; code <= 6; ++code)
            EXPECT_EQ(g.m_nodeTable(node, code), 0.0) << "node " << node << " code " << code;
    EXPECT_EQ(g.m_nodeTable(4, 4), 1.0);
    CMSFlexGrid* restraints = window->Docks()->BarOf<CNodeBar2>("nodeBar2")->Grid();
    EXPECT_EQ(restraints->GetRows(), g.m_nodeTable.GetRows() + 1);
    EXPECT_EQ(QString::fromStdString(restraints->GetTextMatrix(7, 1)).trimmed(), "0");
    EXPECT_EQ(CProject().GetNodeCount(), g.m_nodeTable.GetRows());
    ASSERT_EQ(window->Undo()->Stack()->count(), 1);
    EXPECT_EQ(window->Undo()->Stack()->undoText(), "Geometry wizard");
    for (int solved : {0, 1}) {
        if (solved) { // undo after a solve: the results of the pasted layout go too
            ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
            window->Undo()->Undo();
            EXPECT_EQ(g.m_nodeTable.GetRows(), nodesBefore);
        }
        EXPECT_EQ(CProject().GetSolution(), 0);
        EXPECT_FALSE(std::filesystem::exists(disn));
        EXPECT_LT(g.m_viewMode, CGeometry::ModeDisplaced);
    }
}

TEST_F(HostSheets, ProjectPropertiesWriteTheProjectAndTheTitleFollows)
{
    OnNextSheet([](PropertySheet& sheet) {
        auto* page = dynamic_cast<CGlobalPage1*>(sheet.GetPage(0));
        ASSERT_NE(page, nullptr);
        page->Edit(CGlobalPage1::IdEngineer)->setText("R. Hooke");
        sheet.PressOk();
    });
    window->OnProjectProperties();
    EXPECT_EQ(CProject().GetEngineer(), "R. Hooke");
    EXPECT_EQ(window->windowTitle().toStdString(), "Bridge (Truss3D) - KESTRA");
}

TEST_F(HostSheets, OutputSheetNeedsResultsThenShowsTheResultTablesAndTheEnvelope)
{
    QStringList captions;
    auto record = [&captions](PropertySheet& sheet) {
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            captions << sheet.GetPage(i)->Caption();
        sheet.PressCancel();
    };
    window->OnOutputSheet(); // not solved: no sheet, only a note
    EXPECT_TRUE(captions.isEmpty());
    QString error;
    ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
    OnNextSheet(record);
    window->OnOutputSheet();
    EXPECT_EQ(captions, QStringList({"Node Displacement", "Node Force", "Support reaction",
                                     "Element Displacement", "Element Force", "Envelope"}));
}

TEST_F(HostSheets, NewProjectRunsTheWizardAndLeavesTheOpenProjectsFileAlone)
{
    const std::string bridgeFile = tmp.Folder() + "Bridge/Bridge.KTR";
    const std::string bridgeBytes = TempDir::Read(bridgeFile);
    const QString target = QString::fromStdString(tmp.Folder() + "Hall/Hall.KTR");
    // Step 1: a title; Next, Next, Finish; then the folder and name.
    QString asked;
    window->SetProjectPathChooser([&asked, target](const QString& caption) {
        asked = caption;
        return target;
    });
    bool stepped = false;
    OnNextSheet([&](PropertySheet& sheet) {
        auto* step1 = dynamic_cast<CNewProjectPage1*>(sheet.GetPage(0));
        if (step1)
            step1->TitleEdit()->setText("Sports hall roof");
        stepped = step1 && sheet.PressNext() && sheet.PressNext() && sheet.PressFinish();
        if (!stepped)
            sheet.PressCancel();
    });
    window->OnFileNew();
    ASSERT_TRUE(stepped);
    EXPECT_EQ(asked, "New project: folder and name");
    EXPECT_EQ(window->ProjectPath(), target);
    CProject project;
    EXPECT_EQ(project.GetName(), "Hall");
    EXPECT_EQ(project.GetTitle(), "Sports hall roof");
    EXPECT_EQ(project.GetElementType(), "Frame3D");
    EXPECT_EQ(project.GetLengthUnit(), "m");
    EXPECT_EQ(window->Geometry().m_nodeTable.GetRows(), 0);
    EXPECT_EQ(window->Undo()->Stack()->count(), 0);
    // The wizard wrote its steps while the bridge was open: not into it.
    EXPECT_EQ(TempDir::Read(bridgeFile), bridgeBytes);
    // Cancelling the wizard keeps the project that is open.
    OnNextSheet([](PropertySheet& sheet) { sheet.PressCancel(); });
    window->OnFileNew();
    EXPECT_EQ(CProject().GetName(), "Hall");
    EXPECT_EQ(CProject().GetTitle(), "Sports hall roof");
}
