// The solver on a project folder: the member load and combination files
// read, one record per load case and then per combination that
// CdMatrix::LoadRecord reads back, the solution keys, and on a failure no
// result file left behind and every model file untouched.
#include <filesystem>

#include <gtest/gtest.h>

#include "ModelBuilder.h"
#include "project/Project.h"
#include "support/TempDir.h"

using solver::SolverStatus;
using namespace solvertest;
using testsupport::TempDir;

namespace {

const char* const kName = "Bay";

// A two-storey, one-bay space frame with three load cases (floor loads on
// the beams in case 1, none in case 2, self weight in case 3) and two
// combinations.
solver::Model Frame()
{
    ModelBuilder b;
    for (int level = 0; level <= 2; ++level)
        for (int c = 0; c < 4; ++c)
            b.Node((c == 1 || c == 2) ? 6.0 : 0.0, 3.5 * level, c >= 2 ? 5.0 : 0.0,
                   level == 0 ? ModelBuilder::Fixed : ModelBuilder::Free);
    b.Property(2.1e10, 0.0053, 8.1e9, 2.0e-7, 1.9e-5, 5.8e-5);
    b.Property(2.1e10, 0.0078, 8.1e9, 4.0e-7, 3.1e-5, 1.1e-4);
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
    for (int level = 1; level <= 2; ++level)
        for (int c = 0; c < 4; ++c) {
            const int top = 4 * level + c + 1;
            b.Member(top - 4, top, 1000, 0, 0, 1);                                  // column
            b.Member(top, 4 * level + (c + 1) % 4 + 1, 0, 1000, 0, 2, c == 3 ? 1 : 0); // beam
        }
    for (auto [k, n, d, v] : {std::tuple{1, 5, 2, -2000.0}, {1, 6, 2, -2000.0}, {2, 9, 1, 800.0},
                              {2, 12, 1, 800.0}, {3, 10, 6, 350.0}, {3, 11, 3, -600.0}})
        b.Load(k, n, d, v);
    for (int m = 1; m <= 16; ++m) {
        if (m % 2 == 0)
            b.MemberLoad(1, m, 1, 5, 0, 0, -1500.0);
        b.MemberLoad(3, m, 4, 5, 0, 0, -7850.0);
    }
    b.MemberLoad(1, 2, 3, 2, 2.5, 0, -4000.0);
    b.Combination({1.35, 1.5, 1.35});
    b.Combination({1.0, -1.5, 1.0});
    return b.Build();
}

// Puts the model into the folder as the host keeps it, as the current project.
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
    for (int k = 1; k <= model.LoadCaseCount(); ++k) {
        ASSERT_TRUE(model.loadCases[k - 1].Save(base + ".lod" + std::to_string(k)));
        std::filesystem::remove(base + ".mld" + std::to_string(k));
        if (model.memberLoads[k - 1].GetRows() > 0) { // no file: no member loads
            ASSERT_TRUE(model.memberLoads[k - 1].Save(base + ".mld" + std::to_string(k)));
        }
    }
    ASSERT_TRUE(model.combinations.Save(base + ".cmb"));
}

// disn, sys, dise, elf, dcos, mfs.
std::vector<std::string> ResultPaths(const TempDir& dir)
{
    const std::string base = dir.Folder() + kName;
    return {base + ".disn", base + ".sys", base + ".dise", base + ".elf", dir.Folder() + "dcos",
            base + ".mfs"};
}

void ExpectNoResults(const TempDir& dir)
{
    for (const std::string& p : ResultPaths(dir))
        EXPECT_FALSE(std::filesystem::exists(p)) << p;
    EXPECT_EQ(CProject().GetSolution(), 0);
}

void ExpectRecord(int k, const std::string& path, const CdMatrix& b)
{
    CdMatrix a;
    ASSERT_TRUE(a.LoadRecord(k, path)) << path;
    ASSERT_EQ(a.GetRows(), b.GetRows()) << path;
    ASSERT_EQ(a.GetCols(), b.GetCols()) << path;
    for (int i = 1; i <= a.GetRows(); ++i)
        for (int j = 1; j <= a.GetCols(); ++j)
            ASSERT_EQ(a(i, j), b(i, j)) << path << " record " << k << " (" << i << ", " << j << ")";
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
    const solver::ResultStore expected = Solve(model);
    const std::vector<std::string> paths = ResultPaths(dir);
    // Header + 3 cases and 2 combinations of (12 x 6 + 1) doubles; dcos:
    // 16 records of 10; section forces: 16 x 21 rows of 6.
    EXPECT_EQ(std::filesystem::file_size(paths[0]), 8u + 5u * 73u * 8u);
    EXPECT_EQ(std::filesystem::file_size(paths[3]), 8u + 5u * (16u * 12u + 1u) * 8u);
    EXPECT_EQ(std::filesystem::file_size(paths[4]), 8u + 16u * 10u * 8u);
    EXPECT_EQ(std::filesystem::file_size(paths[5]), 8u + 5u * (16u * 21u * 6u + 1u) * 8u);
    ASSERT_EQ(expected.cases.size(), 5u);
    for (int k = 1; k <= 5; ++k) {
        const solver::CaseResult& e = expected.cases[k - 1];
        ExpectRecord(k, paths[0], e.nodeDisplacements);
        ExpectRecord(k, paths[1], e.nodeForces);
        ExpectRecord(k, paths[2], e.memberDisplacements);
        ExpectRecord(k, paths[3], e.memberForces);
        ExpectRecord(k, paths[5], e.sectionForces);
    }
    // The member loads reached the solve: the self weight of case 3 holds
    // the bases up.
    EXPECT_GT(expected.cases[2].nodeForces(1, 2) + expected.cases[2].nodeForces(2, 2), 1.0);
    EXPECT_NE(expected.cases[0].nodeDisplacements(10, 6), expected.cases[2].nodeDisplacements(10, 6));
    for (int m = 1; m <= 16; ++m)
        ExpectRecord(m, paths[4], expected.axes[m - 1]);
    // Column: local 1 = +Y; the reference point far along +X gives local 2 = +X.
    EXPECT_DOUBLE_EQ(expected.axes[0](1, 2), 1.0);
    EXPECT_NEAR(expected.axes[0](2, 1), 1.0, 1e-6);
}

TEST(ProjectSolveTest, FailuresClearOldResultsKeepTheModelAndWriteNothing)
{
    TempDir dir;
    solver::Model model = Frame();
    WriteProject(dir, model);
    ASSERT_TRUE(solver::Solver().SolveProject().IsOk());
    for (const std::string& p : ResultPaths(dir))
        ASSERT_TRUE(std::filesystem::exists(p)) << p;

    // Member 3 loses its end node: the old results must not stay beside it,
    // and no model file is touched.
    model.members(3, 2) = 0;
    const std::string base = dir.Folder() + kName;
    ASSERT_TRUE(model.members.Save(base + ".ele"));
    std::vector<std::pair<std::string, std::string>> files;
    for (const char* ext : {".nod", ".ele", ".pro", ".lod2"})
        files.emplace_back(base + ext, TempDir::Read(base + ext));
    SolverStatus status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetCode(), SolverStatus::InvalidModel);
    EXPECT_EQ(status.GetMember(), 3);
    EXPECT_TRUE(Contains(status.GetMessage(),
                         "Member 3: end node 0 is not in the node table (nodes 1 to 12)."))
        << status.GetMessage();
    ExpectNoResults(dir);
    for (const auto& [path, text] : files)
        EXPECT_EQ(TempDir::Read(path), text) << path;

    WriteProject(dir, Frame());
    const std::string lod3 = dir.Folder() + kName + ".lod3";
    std::filesystem::remove(lod3);
    status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetCode(), SolverStatus::FileError);
    EXPECT_EQ(status.GetMessage(), "The load case 3 " + lod3 + " is missing or unreadable.");
    ExpectNoResults(dir);

    WriteProject(dir, Frame());
    const std::string mld1 = dir.Folder() + kName + ".mld1";
    ASSERT_TRUE(CdMatrix(2, 3).Save(mld1));
    status = solver::Solver().SolveProject();
    EXPECT_EQ(status.GetMessage(),
              "The member loads of load case 1 " + mld1 + " has 3 columns; the solver needs 7.");
    ExpectNoResults(dir);

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
    EXPECT_EQ(status.GetMessage(),
              "No project is open: the settings name no project folder and name to solve.");
    EXPECT_FALSE(std::filesystem::exists(dir.Ini())) << "the settings were written";
}

TEST(ProjectSolveTest, CancelAtAnyStageLeavesNoResults)
{
    TempDir dir;
    WriteProject(dir, Frame());
    // Stage and how many times it has been announced when Cancel comes:
    // the second "Writing results" follows the first load case written.
    const std::vector<std::pair<std::string, int>> points = {
        {"Reading the model", 1},        {"Checking the model", 1},
        {"Assembling the stiffness matrix", 1}, {"Ordering the equations", 1},
        {"Factorising the stiffness matrix", 1}, {"Solving 3 load cases", 1},
        {"Writing results", 1},          {"Writing results", 2},
        {"Writing results", 3}};
    for (const auto& [stage, occurrence] : points) {
        SCOPED_TRACE(stage + " #" + std::to_string(occurrence));
        ASSERT_TRUE(solver::Solver().SolveProject().IsOk());
        solver::Solver s;
        int seen = 0;
        std::vector<std::string> after;
        s.SetProgress([&, stage = stage, occurrence = occurrence](double, const std::string& now) {
            if (s.IsCancelled())
                after.push_back(now);
            else if (now == stage && ++seen == occurrence)
                s.Cancel();
        });
        const SolverStatus status = s.SolveProject();
        EXPECT_EQ(status.GetCode(), SolverStatus::Cancelled) << status.GetMessage();
        EXPECT_EQ(status.GetMessage(), "The solve was cancelled. No results were written.");
        EXPECT_TRUE(after.empty()) << after.front();
        ExpectNoResults(dir);
    }
}
