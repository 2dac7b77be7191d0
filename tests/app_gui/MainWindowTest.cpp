// The desktop window on the sample projects: docks, an edit through the real
// grid with undo and redo, solving, the four view modes on screen, saving
// and reopening, and the byte-exact open/save round trip.
#include <QImage>
#include <QSet>
#include <map>

#include "GuiSupport.h"
#include "solver/Solver.h"

namespace fs = std::filesystem;
using namespace guitest;
using testsupport::TempDir;

namespace {

// Every file of a folder with its bytes.
std::map<std::string, std::string> Files(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = TempDir::Read(entry.path().string());
    return files;
}

// Number of distinct colours in a rectangle of a picture (stops at 64).
int Colours(const QImage& image, const QRect& area)
{
    QSet<QRgb> seen;
    for (int y = area.top(); y <= area.bottom() && seen.size() < 64; y += 2)
        for (int x = area.left(); x <= area.right() && seen.size() < 64; x += 2)
            seen.insert(image.pixel(x, y) | 0xff000000u);
    return int(seen.size());
}

// The window as the user sees it, and the model view's part of it.
QImage Screenshot(MainWindow& window, QRect* viewArea)
{
    window.View()->update();
    QTest::qWait(60);
    const QImage image = window.grab().toImage();
    const QRect local(window.View()->mapTo(&window, QPoint(0, 0)), window.View()->size());
    const qreal ratio = image.width() / qreal(window.width());
    *viewArea = QRect(int(local.x() * ratio), int(local.y() * ratio), int(local.width() * ratio),
                      int(local.height() * ratio)) &
                image.rect();
    return image;
}

struct DesktopWindow : ::testing::Test {
    TempDir tmp;
};

} // namespace

TEST_F(DesktopWindow, EditUndoRedoSolveViewModesSaveAndReopen)
{
    const std::string project = Write(tmp, DemoProjects::BuildingFrame());
    auto window = OpenWindow(project);
    CGeometry& g = window->Geometry();
    ASSERT_GT(g.m_nodeTable.GetRows(), 4);
    EXPECT_EQ(window->windowTitle().toStdString(), "Building (Frame3D) - KESTRA");
    // Every dock opens and its bar is usable with a project open.
    ASSERT_GE(window->Docks()->Bars().size(), 3u);
    for (const DockManager::Bar& b : window->Docks()->Bars()) {
        Show(*window, b.name);
        EXPECT_TRUE(b.dock->isVisible() && b.bar->isEnabled()) << b.name.toStdString();
    }
    // X of node 4 typed into the coordinate bar's grid.
    CNodeBar1* bar = window->Docks()->BarOf<CNodeBar1>("nodeBar1");
    Show(*window, "nodeBar1");
    CMSFlexGrid* grid = bar->Grid();
    EXPECT_EQ(grid->GetRows(), g.m_nodeTable.GetRows() + 1);
    const double before = g.m_nodeTable(4, 1);
    const std::string shownBefore = grid->GetTextMatrix(4, 1);
    window->Undo()->Checkpoint();
    Click(grid, 4, 1);
    Type(grid, "2.5");
    ASSERT_TRUE(bar->Editing()->IsEditing());
    Key(grid, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(g.m_nodeTable(4, 1), 2.5);
    EXPECT_EQ(grid->GetTextMatrix(4, 1), "2.5");
    window->Undo()->Checkpoint("Node X");
    ASSERT_EQ(window->Undo()->Stack()->count(), 1);
    window->Undo()->Undo();
    EXPECT_DOUBLE_EQ(g.m_nodeTable(4, 1), before);
    EXPECT_EQ(grid->GetTextMatrix(4, 1), shownBefore);
    window->Undo()->Redo();
    EXPECT_DOUBLE_EQ(g.m_nodeTable(4, 1), 2.5);
    EXPECT_EQ(grid->GetTextMatrix(4, 1), "2.500"); // refilled in the table's format
    EXPECT_TRUE(window->windowTitle().startsWith("*"));
    // Solve, then every view mode shows a picture, each its own.
    QString error;
    ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
    EXPECT_EQ(CProject().GetSolution(), 1);
    EXPECT_EQ(g.m_viewMode, CGeometry::ModeDisplaced);
    const char* names[4] = {"model", "loads", "displaced", "forces"};
    const char* shots = std::getenv("KESTRA_SCREENSHOT_DIR");
    QImage pictures[4];
    for (int mode = 0; mode < 4; ++mode) {
        ASSERT_TRUE(window->SetViewMode(mode)) << names[mode];
        ASSERT_TRUE(mode != CGeometry::ModeForces || window->SetForceComponent(CGeometry::ForceMz));
        EXPECT_EQ(g.m_viewMode, mode);
        QRect area;
        const QImage shot = Screenshot(*window, &area);
        ASSERT_FALSE(shot.isNull());
        EXPECT_GT(Colours(shot, area), 2) << names[mode];
        pictures[mode] = shot.copy(area);
        if (shots && *shots) {
            fs::create_directories(shots);
            shot.save(QString("%1/main-window-%2.png").arg(shots).arg(names[mode]));
        }
    }
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[0], pictures[2]);
    EXPECT_NE(pictures[2], pictures[3]);
    // Saved, closed without a question, reopened: the edit is there.
    ASSERT_TRUE(window->SaveProject(&error)) << error.toStdString();
    {
        platform::MessageRecorder boxes;
        window->close();
        EXPECT_TRUE(boxes.messages.empty());
    }
    window.reset();
    auto again = OpenWindow(project);
    EXPECT_DOUBLE_EQ(again->Geometry().m_nodeTable(4, 1), 2.5);
    EXPECT_EQ(again->Undo()->Stack()->count(), 0);
}

// Open and Save change no byte; a changed model asks before closing and
// Cancel keeps the window.
TEST_F(DesktopWindow, OpenSaveKeepEveryByteAndClosingAChangedModelAsks)
{
    const std::string project = Write(tmp, DemoProjects::PrattBridge());
    ASSERT_TRUE(solver::Solver().SolveProject().IsOk());
    const std::string folder = fs::path(project).parent_path().string();
    const auto files = Files(folder);
    ASSERT_GE(files.size(), 10u);
    const std::string ini = TempDir::Read(tmp.Ini());
    auto window = OpenWindow(project);
    QString error;
    ASSERT_TRUE(window->SaveProject(&error)) << error.toStdString();
    window->Geometry().m_modelChanged = true;
    {
        platform::MessageRecorder boxes;
        boxes.Answer(platform::IDCANCEL);
        EXPECT_FALSE(window->close());
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_EQ(boxes.messages[0].text, "Save the changes to the model of Bridge?");
        EXPECT_TRUE(window->isVisible());
        boxes.Answer(platform::IDNO);
        EXPECT_TRUE(window->close());
    }
    window.reset();
    const auto after = Files(folder);
    ASSERT_EQ(after.size(), files.size());
    for (const auto& [name, bytes] : files) {
        ASSERT_TRUE(after.count(name)) << name;
        EXPECT_TRUE(after.at(name) == bytes) << name << " changed";
    }
    EXPECT_EQ(TempDir::Read(tmp.Ini()), ini);
}

TEST_F(DesktopWindow, NewProjectSaveAsAndAFailedOpenKeepTheProjectThatWasOpen)
{
    auto window = ShowWindow();
    EXPECT_FALSE(window->HasProject());
    // A new project: its file and empty tables exist and it opens again.
    QString error;
    const QString fresh = QString::fromStdString(tmp.Folder() + "Fresh/Shed.KTR");
    ASSERT_TRUE(window->CreateProject(fresh, &error)) << error.toStdString();
    EXPECT_TRUE(window->HasProject());
    EXPECT_TRUE(fs::exists(tmp.Folder() + "Fresh/Shed.nod"));
    EXPECT_EQ(window->Geometry().m_nodeTable.GetRows(), 0);
    CProject created;
    EXPECT_EQ(created.GetName(), "Shed");
    EXPECT_EQ(created.GetLocation(), tmp.Folder() + "Fresh/");
    EXPECT_EQ(created.GetDof(), 6);
    // Save As copies every file of the bridge under the new name.
    const std::string bridge = Write(tmp, DemoProjects::PrattBridge());
    ASSERT_TRUE(window->OpenProject(QString::fromStdString(bridge), &error)) << error.toStdString();
    const QString copy = QString::fromStdString(tmp.Folder() + "Copy/Span.KTR");
    ASSERT_TRUE(window->SaveProjectAs(copy, &error)) << error.toStdString();
    for (const char* ext : {".KTR", ".nod", ".ele", ".pro", ".res", ".lod1"})
        EXPECT_TRUE(fs::exists(tmp.Folder() + "Copy/Span" + ext)) << ext;
    EXPECT_EQ(TempDir::Read(tmp.Folder() + "Copy/Span.pro"), TempDir::Read(tmp.Folder() + "Bridge/Bridge.pro"));
    EXPECT_EQ(CProject().GetName(), "Span");
    EXPECT_EQ(window->ProjectPath(), copy);
    // A damaged member table: a clear error and the copy stays open.
    const std::string broken = Write(tmp, DemoProjects::BuildingFrame());
    TempDir::Write(tmp.Folder() + "Building/Building.ele", "\x02\x00\x00");
    {
        platform::MessageRecorder boxes;
        EXPECT_FALSE(window->OpenProject(QString::fromStdString(broken), &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(CProject().GetName(), "Span");
    EXPECT_EQ(window->ProjectPath(), copy);
    Discard(*window);
}
