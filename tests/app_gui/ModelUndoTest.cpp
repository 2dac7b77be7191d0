// Undo of table commands through model snapshots: which files belong to the
// model, what a step restores, and that a new project starts a new history.

#include "GuiSupport.h"
#include "ModelSnapshot.h"

using testsupport::TempDir;

namespace {

struct UndoFixture : ::testing::Test {
    TempDir tmp;
    CGeometry geometry;
    std::string folder;
    void SetUp() override
    {
        folder = tmp.Folder() + "Bridge/";
        guitest::Write(tmp, DemoProjects::PrattBridge());
        ASSERT_TRUE(geometry.m_nodeTable.Load(folder + "Bridge.nod"));
        ASSERT_TRUE(geometry.m_memberTable.Load(folder + "Bridge.ele"));
    }
};

} // namespace

// Table files of the model are undone; the host's own tables (kept in
// memory), results and other projects' files are not.
TEST(ModelSnapshotFiles, OnlyTheLibrarysTableFilesOfTheProjectBelongToIt)
{
    for (const char* file : {"Bridge.pro", "Bridge.res", "Bridge.lod1", "Bridge.lod12", "Bridge.mld3", "Bridge.cmb"})
        EXPECT_TRUE(ModelSnapshot::IsTableFile(file, "Bridge")) << file;
    for (const char* file : {"Bridge.mfs", "Bridge.lod", "Bridge.lodx", "Bridge.nod", "Bridge.disn", "Bridge.KTR",
                             "Bridge2.pro", "Other.pro"})
        EXPECT_FALSE(ModelSnapshot::IsTableFile(file, "Bridge")) << file;
}

TEST_F(UndoFixture, UndoPutsBackTablesFilesAndCountsAndRedoRepeats)
{
    ModelUndo undo(geometry);
    undo.SetEnabled(true);
    undo.Reset();
    int restored = 0;
    QObject::connect(&undo, &ModelUndo::modelRestored, [&restored]() { ++restored; });
    EXPECT_FALSE(undo.Checkpoint("nothing"));
    const std::string pro = TempDir::Read(folder + "Bridge.pro");
    const std::string lod = TempDir::Read(folder + "Bridge.lod1");
    const double x = geometry.m_nodeTable(3, 1);
    const int members = geometry.m_memberTable.GetRows();
    // One command: a node moved, a member gone, a property file changed,
    // a second load case added with its count.
    geometry.m_nodeTable(3, 1) = x + 1.25;
    geometry.m_memberTable.DeleteRow(members);
    TempDir::Write(folder + "Bridge.pro", "changed");
    TempDir::Write(folder + "Bridge.lod2", "new case");
    {
        CProject project;
        project.GetLoadCaseCount() = 2;
        project.Settings(true);
    }
    ASSERT_TRUE(undo.Checkpoint("Edit"));
    EXPECT_EQ(undo.Stack()->count(), 1);
    EXPECT_EQ(undo.Stack()->undoText(), "Edit");
    undo.Undo();
    EXPECT_EQ(restored, 1);
    EXPECT_EQ(geometry.m_nodeTable(3, 1), x);
    EXPECT_EQ(geometry.m_memberTable.GetRows(), members);
    EXPECT_EQ(TempDir::Read(folder + "Bridge.pro"), pro);
    EXPECT_EQ(TempDir::Read(folder + "Bridge.lod1"), lod);
    EXPECT_FALSE(std::filesystem::exists(folder + "Bridge.lod2"));
    EXPECT_EQ(CProject().GetLoadCaseCount(), 1);
    // Putting a state back is not itself a change.
    EXPECT_FALSE(undo.Checkpoint());
    undo.Redo();
    EXPECT_EQ(restored, 2);
    EXPECT_EQ(geometry.m_nodeTable(3, 1), x + 1.25);
    EXPECT_EQ(geometry.m_memberTable.GetRows(), members - 1);
    EXPECT_EQ(TempDir::Read(folder + "Bridge.pro"), "changed");
    EXPECT_EQ(TempDir::Read(folder + "Bridge.lod2"), "new case");
    EXPECT_EQ(CProject().GetLoadCaseCount(), 2);
}

TEST_F(UndoFixture, AnotherProjectStartsANewHistoryAndDisabledRecordsNothing)
{
    ModelUndo undo(geometry);
    undo.Checkpoint();
    geometry.m_nodeTable(1, 1) += 1;
    EXPECT_FALSE(undo.Checkpoint()); // not enabled: no project open
    undo.SetEnabled(true);
    geometry.m_nodeTable(1, 1) += 1;
    ASSERT_TRUE(undo.Checkpoint());
    guitest::Write(tmp, DemoProjects::BuildingFrame());
    EXPECT_FALSE(undo.Checkpoint());
    EXPECT_EQ(undo.Stack()->count(), 0);
}
