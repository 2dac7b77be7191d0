// What the user is told when a model cannot be solved: mechanisms by node
// and degree of freedom, bad members by member number, and nothing handed
// to the result sink in any of these cases.
#include <gtest/gtest.h>

#include "ModelBuilder.h"
#include "solver/ResultStore.h"
#include "solver/Solver.h"

using solver::SolverStatus;
using solvertest::ModelBuilder;

namespace {

SolverStatus SolveExpectingFailure(const solver::Model& model)
{
    solver::ResultStore store;
    solver::Solver s;
    const SolverStatus status = s.Solve(model, store);
    EXPECT_FALSE(status.IsOk());
    EXPECT_TRUE(store.cases.empty()) << "results were handed out";
    EXPECT_TRUE(store.axes.empty());
    return status;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

ModelBuilder Beam()
{
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(3, 0, 0);
    b.Property(2e10, 0.01, 8e9, 1e-6, 2e-5, 3e-5);
    b.Load(1, 2, 2, -100);
    return b;
}

} // namespace

TEST(ErrorTest, UnconnectedNodeIsNamedWithEveryDof)
{
    ModelBuilder b = Beam();
    b.Member(1, 2, 0, 1, 0);
    b.Node(5, 5, 5); // node 3: no member, no support
    const SolverStatus s = SolveExpectingFailure(b.Build());
    EXPECT_EQ(s.GetCode(), SolverStatus::Mechanism);
    EXPECT_EQ(s.GetNode(), 3);
    EXPECT_TRUE(Contains(s.GetMessage(), "node 3, Ux (translation X)")) << s.GetMessage();
    EXPECT_TRUE(Contains(s.GetMessage(), "node 3, Rz (rotation about Z)")) << s.GetMessage();
    EXPECT_TRUE(Contains(s.GetMessage(), "No results were written.")) << s.GetMessage();
}

TEST(ErrorTest, RotationLeftFreeByReleasesIsNamed)
{
    // Node 2 joins only member ends whose rotations about 2 and 3 are released.
    ModelBuilder b = Beam();
    b.Node(6, 0, 0, ModelBuilder::Fixed);
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
    b.Release({1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1});
    b.Member(1, 2, 0, 1, 0, 1, 1);
    b.Member(2, 3, 0, 1, 0, 1, 2);
    const SolverStatus s = SolveExpectingFailure(b.Build());
    EXPECT_EQ(s.GetCode(), SolverStatus::Mechanism);
    EXPECT_EQ(s.GetNode(), 2);
    EXPECT_EQ(s.GetDof(), 5);
    EXPECT_TRUE(Contains(s.GetMessage(), "node 2, Ry (rotation about Y)")) << s.GetMessage();
    EXPECT_TRUE(Contains(s.GetMessage(), "node 2, Rz (rotation about Z)")) << s.GetMessage();
}

TEST(ErrorTest, HingedCantileverIsAMechanismAtItsTip)
{
    // Every member end stiff on its own, but the root hinge lets the tip swing.
    ModelBuilder b = Beam();
    b.Release({1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1});
    b.Member(1, 2, 0, 1, 0, 1, 1);
    const SolverStatus s = SolveExpectingFailure(b.Build());
    EXPECT_EQ(s.GetCode(), SolverStatus::Mechanism);
    EXPECT_EQ(s.GetNode(), 2);
    EXPECT_TRUE(s.GetDof() == 2 || s.GetDof() == 3 || s.GetDof() == 5 || s.GetDof() == 6)
        << s.GetDof();
    EXPECT_TRUE(Contains(s.GetMessage(), "The structure is unstable (a mechanism): node 2, "))
        << s.GetMessage();
}

TEST(ErrorTest, TrussWithoutDiagonalIsAMechanism)
{
    // A square of unit bars in the XY plane, pinned at one corner, held out of
    // plane everywhere, without a diagonal: it shears. Unit values make the
    // pivot exactly zero, which stops the factorisation itself.
    ModelBuilder b(solver::Model::Type::Truss3D);
    b.Node(0, 0, 0, {0, 0, 0, 1, 1, 1});
    b.Node(1, 0, 0, {1, 0, 0, 1, 1, 1});
    b.Node(1, 1, 0, {1, 1, 0, 1, 1, 1});
    b.Node(0, 1, 0, {1, 1, 0, 1, 1, 1});
    b.Property(1, 1, 0, 0, 0, 0);
    b.Member(1, 2, 0, 0, 1);
    b.Member(2, 3, 0, 0, 1);
    b.Member(3, 4, 0, 0, 1);
    b.Member(4, 1, 0, 0, 1);
    b.Load(1, 3, 1, 1.0);
    const SolverStatus s = SolveExpectingFailure(b.Build());
    EXPECT_EQ(s.GetCode(), SolverStatus::Mechanism) << s.GetMessage();
    EXPECT_GE(s.GetNode(), 3);
    EXPECT_TRUE(s.GetDof() == 1 || s.GetDof() == 2) << s.GetDof();
    EXPECT_TRUE(Contains(s.GetMessage(), "(a mechanism)")) << s.GetMessage();
}

TEST(ErrorTest, BadMembersAreEachReportedByNumber)
{
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed); // 1
    b.Node(3, 0, 0);                      // 2
    b.Node(3, 0, 0);                      // 3, on top of node 2
    b.Property(2e10, 0.01, 8e9, 1e-6, 2e-5, 3e-5);
    b.Property(2e10, 0.0, 8e9, 1e-6, 2e-5, 3e-5); // group 2: A = 0
    b.Member(1, 2, 0, 1, 0);       // 1 fine
    b.Member(0, 2, 0, 1, 0);       // 2 start node 0
    b.Member(1, 9, 0, 1, 0);       // 3 end node beyond the table
    b.Member(1, 2, 0, 1, 0, 0);    // 4 property 0
    b.Member(1, 2, 0, 1, 0, 5);    // 5 property beyond the table
    b.Member(2, 3, 0, 1, 0);       // 6 zero length
    b.Member(1, 2, 7, 0, 0);       // 7 reference point on the line
    b.Member(2, 2, 0, 1, 0);       // 8 start = end
    b.Member(1, 2, 0, 1, 0, 2);    // 9 property with A = 0
    b.Member(1, 2, 0, 1, 0, 1, 3); // 10 release set beyond the table
    b.Load(1, 2, 2, -100);
    const SolverStatus s = SolveExpectingFailure(b.Build());
    EXPECT_EQ(s.GetCode(), SolverStatus::InvalidModel);
    EXPECT_EQ(s.GetMember(), 2);
    const std::vector<std::string> expected = {
        "Member 2: start node 0 is not in the node table (nodes 1 to 3).",
        "Member 3: end node 9 is not in the node table (nodes 1 to 3).",
        "Member 4: property 0 is not in the property table (groups 1 to 2).",
        "Member 5: property 5 is not in the property table (groups 1 to 2).",
        "Member 6: zero length: nodes 2 and 3 are at the same point (3, 0, 0).",
        "Member 7: reference point (7, 0, 0) lies on the member's line, so its local axes 2 "
        "and 3 are undefined.",
        "Member 8: zero length: start and end are both node 2.",
        "Member 9: property group 2 has A = 0; E, A, G, I1, I2 and I3 must be above 0.",
        "Member 10: release set 3 is not in the release table (0 for none; the table is empty).",
    };
    EXPECT_EQ(s.GetProblems(), expected);
    EXPECT_EQ(s.GetMessage().rfind("The model cannot be solved:\nMember 2: start node 0", 0), 0u)
        << s.GetMessage();
}

TEST(ErrorTest, EmptyModelsAndNonNumbersAreRefused)
{
    solver::Model empty;
    SolverStatus s = SolveExpectingFailure(empty);
    EXPECT_EQ(s.GetProblems(),
              (std::vector<std::string>{"The model has no nodes.", "The model has no members.",
                                        "The project has no load case; add one in the load table."}));

    ModelBuilder b = Beam();
    b.Member(1, 2, 0, 1, 0);
    solver::Model m = b.Build();
    m.loadCases[0](2, 3) = std::nan("");
    s = SolveExpectingFailure(m);
    EXPECT_EQ(s.GetProblems(),
              std::vector<std::string>{"Load case 1, node 2: the load Fz is not a number."});
}
