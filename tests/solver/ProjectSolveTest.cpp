// The solver on a project folder: reads the host's table files, writes one
// record per load case that CdMatrix::LoadRecord reads back, sets the
// project's solution keys, and on a failure leaves no result file behind
// and every model file as it was.
#include <filesystem>

#include <gtest/gtest.h>

#include "ModelBuilder.h"
#include "project/Project.h"
#include "solver/ResultStore.h"
#include "solver/Solver.h"
#include "support/TempDir.h"

using solver::SolverStatus;
using solvertest::ModelBuilder;
using testsupport::TempDir;

namespace {

const char* const kName = "Bay";

// A two-storey, one-bay space frame with three load cases.
solver::Model Frame()
{
    ModelBuilder b;
    int n = 0;
    for (int level = 0; level <= 2; ++level)
        for (int corner = 0; corner < 4; ++corner) {
            const double x = (corner == 1 || corner == 2) ? 6.0 : 0.0;
            const double z = corner >= 2 ? 5.0 : 0.0;
            b.Node(x, 3.5 * level, z, level == 0 ? ModelBuilder::Fixed : ModelBuilder::Free);
            ++n;
        }
    b.Property(2.1e10, 0.0053, 8.1e9, 2.0e-7, 1.9e-5, 5.8e-5);
    b.Property(2.1e10, 0.0078, 8.1e9, 4.0e-7, 3.1e-5, 1.1e-4);
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
    for (int level = 1; level <= 2; ++level)
        for (int c = 0; c < 4; ++c) {
            const int top = 4 * level + c + 1, bottom = top - 4;
            b.Member(bottom, top, 1000, 0, 0, 1);           // column
            const int next = 4 * level + (c + 1) % 4 + 1;
            b.Member(top, next, 0, 1000, 0, 2, c == 3 ? 1 : 0); // beam
        }
    b.Load(1, 5, 2, -2000);
    b.Load(1, 6, 2, -2000);
    b.Load(2, 9, 1, 800);
    b.Load(2, 12, 1, 800);
    b.Load(3, 10, 6, 350);
    b.Load(3, 11, 3, -600);
    return b.Build();
}

// Puts the model into the folder as the host keeps it and makes it the
// current project.
void WriteProject(const TempDir& dir, const solver::Model& model)
{
    CProject p;
    p.GetLocation() = dir.Folder();
    p.GetName() = kName;
    p.GetElementType() = "Frame3D";
    p.GetDof() = 6;
    p.GetNodesPerElement() = 2;
    p.GetNodeCount() = model.NodeCount();
    p.GetElementCount() = model.MemberCount();
    p.GetMaterialCount() = model.properties.GetRows();
    p.GetReleaseCount() = model.releases.GetRows();
    p.GetLoadCaseCount() = model.LoadCaseCount();
    p.Settings(true);
    const std::string base = dir.Folder() + kName;
    ASSERT_TRUE(model.nodes.Save(base + ".nod"));
    ASSERT_TRUE(model.members.Save(base + ".ele"));
    ASSERT_TRUE(model.properties.Save(base + ".pro"));
    ASSERT_TRUE(model.releases.Save(base + ".res"));
    for (int k = 1; k <= model.LoadCaseCount(); ++k)
        ASSERT_TRUE(model.loadCases[k - 1].Save(base + ".lod" + std::to_string(k)));
}

std::vector<std::string> ResultPaths(const TempDir& dir)
{
    const std::string base = dir.Folder() + kName;
    return {base + ".disn", base + ".sys", base + ".dise", base + ".elf", dir.Folder() + "dcos"};
}

bool Exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

void ExpectSame(const CdMatrix& a, const CdMatrix& b, const std::string& what)
{
    ASSERT_EQ(a.GetRows(), b.GetRows()) << what;
    ASSERT_EQ(a.GetCols(), b.GetCols()) << what;
    for (int i = 1; i <= a.GetRows(); ++i)
        for (int j = 1; j <= a.GetCols(); ++j)
            ASSERT_EQ(a(i, j), b(i, j)) << what << " (" << i << ", " << j << ")";
}

} // namespace

TEST(ProjectSolveTest, EveryCaseIsARecordReadBackByLoadRecord)
{
    TempDir dir;
    const solver::Model model = Frame();
    WriteProject(dir, model);

    std::vector<std::pair<double, std::string>> progress;
    solver::Solver s;
    s.SetProgress([&](double f, const std::string& stage) { progress.emplace_back(f, stage); });
    const SolverStatus status = s.SolveProject();
    ASSERT_TRUE(status.IsOk()) << status.GetMessage();
    EXPECT_EQ(status.GetEquationCount(), 8 * 6);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front().second, "Reading the model");
    EXPECT_EQ(progress.back().first, 1.0);
    for (size_t i = 1; i < progress.size(); ++i)
        EXPECT_GE(progress[i].first, progress[i - 1].first) << progress[i].second;

    CProject after;
    EXPECT_EQ(after.GetSolution(), 1);
    EXPECT_EQ(after.GetEquationCount(), 48);

    // The same model in memory gives the reference tables.
    solver::ResultStore expected;
    ASSERT_TRUE(solver::Solver().Solve(model, expected).IsOk());
    const std::vector<std::string> paths = ResultPaths(dir);
    // Header + 3 records of (12 x 6 + 1) doubles; dcos: 16 records of 10.
    EXPECT_EQ(std::filesystem::file_size(paths[0]), 8u + 3u * 73u * 8u);
    EXPECT_EQ(std::filesystem::file_size(paths[3]), 8u + 3u * (16u * 12u + 1u) * 8u);
    EXPECT_EQ(std::filesystem::file_size(paths[4]), 8u + 16u * 10u * 8u);
    for (int k = 1; k <= 3; ++k) {
        CdMatrix disn, sys, dise, elf;
        ASSERT_TRUE(disn.LoadRecord(k, paths[0]));
        ASSERT_TRUE(sys.LoadRecord(k, paths[1]));
        ASSERT_TRUE(dise.LoadRecord(k, paths[2]));
        ASSERT_TRUE(elf.LoadRecord(k, paths[3]));
        const solver::CaseResult& e = expected.cases[k - 1];
        ExpectSame(disn, e.nodeDisplacements, "disn " + std::to_string(k));
        ExpectSame(sys, e.nodeForces, "sys " + std::to_string(k));
        ExpectSame(dise, e.memberDisplacements, "dise " + std::to_string(k));
        ExpectSame(elf, e.memberForces, "elf " + std::to_string(k));
    }
    // The cases differ: a record is not the first one repeated.
    CdMatrix first, third;
    first.LoadRecord(1, paths[0]);
    third.LoadRecord(3, paths[0]);
    EXPECT_NE(first(10, 6), third(10, 6));
    for (int m = 1; m <= 16; ++m) {
        CdMatrix axes;
        ASSERT_TRUE(axes.LoadRecord(m, paths[4]));
        ExpectSame(axes, expected.axes[m - 1], "dcos " + std::to_string(m));
    }
    // Columns: local 1 = +Y, and the reference point far along +X gives
    // local 2 = +X.
    CdMatrix column;
    column.LoadRecord(1, paths[4]);
    EXPECT_DOUBLE_EQ(column(1, 2), 1.0);
    EXPECT_NEAR(column(2, 1), 1.0, 1e-6);
}

TEST(ProjectSolveTest, FailedSolveClearsOldResultsAndKeepsTheModel)
{
    TempDir dir;
    solver::Model model = Frame();
    WriteProject(dir, model);
    ASSERT_TRUE(solver::Solver().SolveProject().IsOk());
    for (const std::string& p : ResultPaths(dir))
        ASSERT_TRUE(Exists(p)) << p;

    // Member 3 loses its end node; the old results must not stay beside it.
    model.members(3, 2) = 0;
    const std::string base = dir.Folder() + kName;
    ASSERT_TRUE(model.members.Save(base + ".ele"));
    const std::string nod = TempDir::Read(base + ".nod"), ele = TempDir::Read(base + ".ele"),
                      pro = TempDir::Read(base + ".pro"), lod = TempDir::Read(base + ".lod2");

    const SolverStatus status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetCode(), SolverStatus::InvalidModel);
    EXPECT_EQ(status.GetMember(), 3);
    EXPECT_NE(status.GetMessage().find(
                  "Member 3: end node 0 is not in the node table (nodes 1 to 12)."),
              std::string::npos)
        << status.GetMessage();
    for (const std::string& p : ResultPaths(dir))
        EXPECT_FALSE(Exists(p)) << p;
    CProject after;
    EXPECT_EQ(after.GetSolution(), 0);
    EXPECT_EQ(TempDir::Read(base + ".nod"), nod);
    EXPECT_EQ(TempDir::Read(base + ".ele"), ele);
    EXPECT_EQ(TempDir::Read(base + ".pro"), pro);
    EXPECT_EQ(TempDir::Read(base + ".lod2"), lod);
}

TEST(ProjectSolveTest, MechanismAndMissingFilesWriteNothing)
{
    TempDir dir;
    solver::Model model = Frame();
    // Every column base let loose along X: the whole frame can slide.
    for (int i = 1; i <= 4; ++i)
        model.nodes(i, 4) = 1;
    WriteProject(dir, model);
    SolverStatus status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetCode(), SolverStatus::Mechanism) << status.GetMessage();
    EXPECT_GE(status.GetNode(), 1);
    for (const std::string& p : ResultPaths(dir))
        EXPECT_FALSE(Exists(p)) << p;
    EXPECT_EQ(CProject().GetSolution(), 0);

    // Load case 3 announced by the project but its file is gone.
    WriteProject(dir, Frame());
    const std::string lod3 = dir.Folder() + kName + ".lod3";
    std::filesystem::remove(lod3);
    status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetCode(), SolverStatus::FileError);
    EXPECT_EQ(status.GetMessage(), "The load case 3 " + lod3 + " is missing or unreadable.");
    for (const std::string& p : ResultPaths(dir))
        EXPECT_FALSE(Exists(p)) << p;

    // An unknown structure type is refused by name.
    CProject p;
    p.GetElementType() = "Plane2D";
    p.Settings(true);
    status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetCode(), SolverStatus::InvalidModel);
    EXPECT_EQ(status.GetMessage(), "The structure type \"Plane2D\" cannot be solved; the solver "
                                   "takes \"Frame3D\" and \"Truss3D\".");
}

TEST(ProjectSolveTest, NoProjectOpenIsRefusedBeforeAnythingIsDeleted)
{
    TempDir dir; // a settings file that names no project
    const SolverStatus status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetCode(), SolverStatus::FileError);
    EXPECT_EQ(status.GetMessage(), "No project is open: the settings name no project folder and "
                                   "name to solve.");
    EXPECT_FALSE(Exists(dir.Ini())) << "the settings were written";
}
