#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "DemoProjects.h"
#include "HeadlessRenderer.h"
#include "ProjectFiles.h"
#include "platform/MessageBox.h"
#include "project/Project.h"
#include "solver/Solver.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

// The building written into a fresh folder; it is the current project.
class BuildingFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ostringstream log;
        std::string error;
        ASSERT_TRUE(DemoProjects::Write(DemoProjects::BuildingFrame(), dir.Folder(), log, error)) << error;
        EXPECT_NE(log.str().find(dir.Folder() + "Building.KTR\n"), std::string::npos);
    }

    TempDir dir;
    platform::MessageRecorder messages;
};

// The tables and loads in their shapes; a bad table is refused, naming the
// fault, and the tables held stay as they were.
TEST_F(BuildingFiles, ReadModelGivesTheTablesAndRefusesABadOne)
{
    CdMatrix nodes, members, wind;
    std::string error;
    ASSERT_TRUE(ProjectFiles::ReadModel(nodes, members, error)) << error;
    EXPECT_EQ(std::vector<int>({nodes.GetRows(), nodes.GetCols(), members.GetRows(), members.GetCols()}),
              std::vector<int>({75, 9, 114, 8}));
    EXPECT_EQ(nodes(75, 2), 10.5);
    ASSERT_TRUE(ProjectFiles::ReadLoads(2, 75, wind, error)) << error;
    EXPECT_EQ(wind.GetCols(), 6);
    EXPECT_NEAR(wind(13, 1), 100.0 * 2.5 * 3.5, 1e-9);
    EXPECT_FALSE(ProjectFiles::ReadLoads(3, 75, wind, error));
    EXPECT_EQ(error, "load case 3 has no load file " + dir.Folder() + "Building.lod3");
    EXPECT_TRUE(messages.messages.empty());
    members(5, 2) = 99;
    ASSERT_TRUE(members.Save(dir.Folder() + "Building.ele"));
    CdMatrix n(1, 1), m(1, 1);
    n(1, 1) = 7;
    EXPECT_FALSE(ProjectFiles::ReadModel(n, m, error));
    EXPECT_EQ(error, "member 5: end node 99 is not a node of 1..75");
    EXPECT_EQ(n.GetRows(), 1);
    EXPECT_EQ(n(1, 1), 7);
    ASSERT_TRUE(CdMatrix(75, 5).Save(dir.Folder() + "Building.nod"));
    EXPECT_FALSE(ProjectFiles::ReadModel(n, m, error));
    EXPECT_EQ(error, "the node table " + dir.Folder() +
                         "Building.nod has 75 rows of 5 columns; it needs nodes of 9 columns or more");
}

// What Save writes, Open reads: a member whose node is not yet given (0)
// opens and is named in the warning; only the solver refuses it, naming it.
TEST_F(BuildingFiles, UnfinishedMembersOpenAndOnlyTheSolveRefusesThem)
{
    CdMatrix members;
    ASSERT_TRUE(members.Load(dir.Folder() + "Building.ele"));
    members(7, 2) = 0;
    members(9, 1) = 0;
    ASSERT_TRUE(members.Save(dir.Folder() + "Building.ele"));
    CdMatrix n, m;
    std::string error;
    ASSERT_TRUE(ProjectFiles::ReadModel(n, m, error)) << error;
    EXPECT_EQ(m.GetRows(), 114);
    EXPECT_EQ(ProjectFiles::UnfinishedMembers(m), (std::vector<int>{7, 9}));
    EXPECT_EQ(ProjectFiles::UnfinishedText({7, 9}),
              "The model has unfinished members (a node not yet given): 7, 9. They are shown; the model can be "
              "solved once they are complete.");
    const solver::SolverStatus status = solver::Solver().SolveProject();
    EXPECT_FALSE(status.IsOk());
    EXPECT_NE(status.GetMessage().find("7"), std::string::npos) << status.GetMessage();
}

TEST_F(BuildingFiles, ResultRecordsAreCheckedBeforeTheyAreRead)
{
    CdMatrix record;
    std::string error;
    EXPECT_FALSE(ProjectFiles::ReadResult(".disn", 1, 75, 6, record, error));
    EXPECT_EQ(error, "no results: " + dir.Folder() + "Building.disn is missing (solve the project first)");
    CdMatrix one(75, 6);
    one(75, 2) = -0.25;
    ASSERT_TRUE(one.SaveRecord(1, dir.Folder() + "Building.disn"));
    ASSERT_TRUE(ProjectFiles::ReadResult(".disn", 1, 75, 6, record, error)) << error;
    EXPECT_EQ(record(75, 2), -0.25);
    EXPECT_FALSE(ProjectFiles::ReadResult(".disn", 2, 75, 6, record, error));
    EXPECT_EQ(error, "the result file " + dir.Folder() + "Building.disn holds no record for load case 2");
    EXPECT_FALSE(ProjectFiles::ReadResult(".disn", 1, 114, 12, record, error));
    EXPECT_EQ(error, "the result file " + dir.Folder() +
                         "Building.disn holds 75 x 6 records, not 114 x 12 (solve the project again)");
    EXPECT_EQ(record(75, 2), -0.25) << "a refused read keeps the record";
}

TEST_F(BuildingFiles, OpeningARelativePathStoresTheAbsoluteFolder)
{
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Folder());
    std::string error;
    EXPECT_TRUE(ProjectFiles::OpenProject("Building.KTR", error)) << error;
    std::filesystem::current_path(previous);
    CProject p;
    EXPECT_EQ(p.GetLocation(), dir.Folder());
    EXPECT_EQ(p.GetName() + " " + p.GetElementType(), "Building Frame3D");
    // Dof, nodes, members, load cases, property groups, release sets, solution.
    EXPECT_EQ(std::vector<int>({p.GetDof(), p.GetNodeCount(), p.GetElementCount(), p.GetLoadCaseCount(),
                                p.GetMaterialCount(), p.GetReleaseCount(), p.GetSolution()}),
              std::vector<int>({6, 75, 114, 2, 3, 2, 0}));
    // The project file holds the record, beginning with the engineer.
    EXPECT_EQ(TempDir::Read(dir.Folder() + "Building.KTR").substr(0, 12), std::string("\x0B") + "KESTRA demo");
}

// The picture of `kestra render` fits the model's bounding sphere (centre
// (2, 1, 0), radius sqrt 5 + 1 with the margin) into the narrower field.
TEST(HeadlessCamera, FitsTheBoundingSphereInTheNarrowerFieldOfView)
{
    CdMatrix nodes(3, 9); // (0, 0, 0), (4, 0, 0), (2, 2, 0)
    nodes(2, 1) = 4.0;
    nodes(3, 1) = nodes(3, 2) = 2.0;
    const double half = 22.5 * M_PI / 180, radius = std::sqrt(5.0) + 1.0, distance = radius / std::sin(half);
    HeadlessRenderer::Camera c = HeadlessRenderer::FitCamera(nodes, 4.0 / 3.0, 1.0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(c.target[k], k == 0 ? 2.0 : k == 1 ? 1.0 : 0.0) << k;
        EXPECT_NEAR(c.eye[k] - c.target[k], distance / std::sqrt(3.0), 1e-9) << k;
    }
    EXPECT_TRUE(c.zNear < distance - radius && c.zFar > distance + radius);
    c = HeadlessRenderer::FitCamera(nodes, 0.5, 1.0); // tall: the horizontal angle decides
    EXPECT_NEAR((c.eye[0] - c.target[0]) * std::sqrt(3.0), radius / std::sin(std::atan(std::tan(half) * 0.5)), 1e-9);
}

} // namespace
