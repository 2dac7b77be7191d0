// What the user is told when a model cannot be solved: mechanisms by node and
// degree of freedom, bad members by number, and no results handed out.
#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "ModelBuilder.h"

using solver::SolverStatus;
using namespace solvertest;

namespace {

ModelBuilder Beam()
{
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(3, 0, 0);
    b.Property(2e10, 0.01, 8e9, 1e-6, 2e-5, 3e-5);
    b.Load(1, 2, 2, -100);
    return b;
}

// A fixed-based chain of 30 nodes along X with a free-floating beam
// (nodes 12 and 13) numbered in its middle: nothing holds the beam.
ModelBuilder FloatingBeam()
{
    ModelBuilder b;
    b.Property(2e10, 0.01, 8e9, 1e-6, 2e-5, 3e-5);
    for (int i = 0; i < 30; ++i) {
        if (i == 11) {
            b.Node(4, 5, 0);
            b.Node(7, 5, 1);
        }
        b.Node(2.0 * i, 0, 0, i == 0 ? ModelBuilder::Fixed : ModelBuilder::Free);
    }
    for (int i = 1; i < 32; ++i)
        if (i != 12 && i != 13)
            b.Member(i, i == 11 ? 14 : i + 1, 0, 1, 0);
    b.Member(12, 13, 0, 9, 0);
    b.Load(1, 30, 2, -100);
    return b;
}

// Bars from two supports to node 3, all in the plane Z = 0: node 3 can
// leave the plane.
ModelBuilder TrussNodeOutOfPlane()
{
    ModelBuilder b(solver::Model::Type::Truss3D);
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(4, 0, 0, ModelBuilder::Fixed);
    b.Node(2, 3, 0);
    b.Property(2e10, 0.01, 0, 0, 0, 0);
    b.Member(1, 3, 0, 0, 0);
    b.Member(2, 3, 0, 0, 0);
    b.Load(1, 3, 1, 500);
    return b;
}

} // namespace

TEST(ErrorTest, MechanismsNameTheNodeAndDegreeOfFreedom)
{
    struct Case {
        const char* name;
        std::function<ModelBuilder()> build;
        int minNode, maxNode;
        std::vector<int> dofs; // any of these may be named
        std::vector<std::string> parts;
    };
    const std::vector<Case> cases = {
        // Node 2 joins only ends whose rotations about 2 and 3 are released.
        {"released rotations", [] { ModelBuilder b = Beam(); b.Node(6, 0, 0, ModelBuilder::Fixed);
                                    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
                                    b.Release({1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1});
                                    b.Member(1, 2, 0, 1, 0, 1, 1); b.Member(2, 3, 0, 1, 0, 1, 2);
                                    return b; },
         2, 2, {5},
         {"node 2, Ry (rotation about Y)", "node 2, Rz (rotation about Z)", "No results were written."}},
        // Stiffness on every diagonal, yet the floating beam moves freely.
        {"free rigid-body motion", FloatingBeam, 12, 13, {1, 2, 3, 4, 5, 6},
         {"The structure is unstable (a mechanism): node 1", " is not held;"}},
        {"truss node out of plane", TrussNodeOutOfPlane, 3, 3, {3},
         {"node 3, Uz (translation Z)", "no stiffness"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SolverStatus s = SolveExpectingFailure(c.build().Build());
        EXPECT_EQ(s.GetCode(), SolverStatus::Mechanism) << s.GetMessage();
        EXPECT_GE(s.GetNode(), c.minNode);
        EXPECT_LE(s.GetNode(), c.maxNode);
        EXPECT_NE(std::find(c.dofs.begin(), c.dofs.end(), s.GetDof()), c.dofs.end()) << s.GetDof();
        for (const std::string& part : c.parts)
            EXPECT_TRUE(Contains(s.GetMessage(), part)) << s.GetMessage();
    }
}

TEST(ErrorTest, BadMembersAreEachReportedByNumber)
{
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(3, 0, 0);
    b.Node(3, 0, 0); // on top of node 2
    b.Property(2e10, 0.01, 8e9, 1e-6, 2e-5, 3e-5);
    b.Property(2e10, 0.0, 8e9, 1e-6, 2e-5, 3e-5);
    b.Member(1, 2, 0, 1, 0);       // 1 fine
    b.Member(0, 2, 0, 1, 0);       // 2
    b.Member(1, 9, 0, 1, 0);       // 3
    b.Member(1, 2, 0, 1, 0, 0);    // 4
    b.Member(1, 2, 0, 1, 0, 5);    // 5
    b.Member(2, 3, 0, 1, 0);       // 6
    b.Member(1, 2, 7, 0, 0);       // 7
    b.Member(2, 2, 0, 1, 0);       // 8
    b.Member(1, 2, 0, 1, 0, 2);    // 9
    b.Member(1, 2, 0, 1, 0, 1, 3); // 10
    b.Load(1, 2, 2, -100);
    const SolverStatus s = SolveExpectingFailure(b.Build());
    EXPECT_EQ(s.GetCode(), SolverStatus::InvalidModel);
    EXPECT_EQ(s.GetMember(), 2);
    EXPECT_EQ(s.GetProblems(), (std::vector<std::string>{
        "Member 2: start node 0 is not in the node table (nodes 1 to 3).",
        "Member 3: end node 9 is not in the node table (nodes 1 to 3).",
        "Member 4: property 0 is not in the property table (groups 1 to 2).",
        "Member 5: property 5 is not in the property table (groups 1 to 2).",
        "Member 6: zero length: nodes 2 and 3 are at the same point (3, 0, 0).",
        "Member 7: reference point (7, 0, 0) lies on the member's line, so its local axes 2 "
        "and 3 are undefined. Set its reference point off the line, e.g. with Parallel X/Y/Z in "
        "the member reference point table (right-click).",
        "Member 8: zero length: start and end are both node 2.",
        "Member 9: property group 2 has A = 0; E, A, G, I1, I2 and I3 must be above 0.",
        "Member 10: release set 3 is not in the release table (0 for none; the table is empty).",
    }));
    EXPECT_EQ(s.GetMessage().rfind("The model cannot be solved:\nMember 2: start node 0", 0), 0u)
        << s.GetMessage();
}

TEST(ErrorTest, EmptyModelsAndNonNumbersAreRefused)
{
    EXPECT_EQ(SolveExpectingFailure(solver::Model()).GetProblems(),
              (std::vector<std::string>{"The model has no nodes.", "The model has no members.",
                                        "The project has no load case; add one in the load table."}));
    ModelBuilder b = Beam();
    b.Member(1, 2, 0, 1, 0);
    solver::Model m = b.Build();
    m.loadCases[0](2, 3) = std::nan("");
    EXPECT_EQ(SolveExpectingFailure(m).GetProblems(),
              std::vector<std::string>{"Load case 1, node 2: the load Fz is not a number."});
}

TEST(ErrorTest, BadMemberLoadsAndCombinationsAreEachReportedByCaseRowAndMember)
{
    ModelBuilder b = Beam(); // member 1 is 3 m long
    b.Member(1, 2, 0, 1, 0);
    b.Member(1, 2, 0, 1, 0, 7); // 2: its own fault; its loads' a and b are not checked
    b.MemberLoad(1, 1, 1, 5, 0, 0, -100);        // fine
    b.MemberLoad(1, 3, 1, 5, 0, 0, -100);        // row 2
    b.MemberLoad(1, 1, 5, 5, 0, 0, -100);        // row 3
    b.MemberLoad(1, 1, 1, 7, 0, 0, -100);        // row 4
    b.MemberLoad(1, 1, 2, 2, -0.5, 2, -100, 0);  // row 5
    b.MemberLoad(1, 1, 2, 2, 1, 3.5, -100, 0);   // row 6
    b.MemberLoad(2, 1, 2, 2, 2, 2, -100, 0);     // case 2, row 1
    b.MemberLoad(2, 1, 3, 2, 3.1, 0, -100);      // row 2
    b.MemberLoad(2, 2, 3, 2, 9, 0, -100);        // row 3: member 2 is faulty
    b.MemberLoad(2, 1, 1, 2, 0, 0, -100);        // row 4: kind 1.5 below
    b.MemberLoad(2, 1, 3, 2, 3.0000001, 0, -100); // typed past the end by rounding: fine
    solver::Model m = b.Build();
    m.memberLoads[1](1, 7) = std::nan("");
    m.memberLoads[1](4, 2) = 1.5;
    // A third column for a project of two load cases.
    m.combinations.SetSize(2, 3);
    m.combinations(1, 1) = 1.35;
    m.combinations(1, 2) = std::nan("");
    m.combinations(2, 1) = 1.0;
    m.combinations(2, 3) = 0.8;
    const SolverStatus s = SolveExpectingFailure(m);
    EXPECT_EQ(s.GetCode(), SolverStatus::InvalidModel);
    EXPECT_EQ(s.GetProblems(), (std::vector<std::string>{
        "Member 2: property 7 is not in the property table (groups 1 to 1).",
        "Load case 1, member load row 2: member 3 is not in the member table (members 1 to 2).",
        "Load case 1, member load row 3, member 1: kind 5 is unknown; the kinds are 1 uniform, "
        "2 linearly varying from a to b, 3 concentrated at a, 4 self weight.",
        "Load case 1, member load row 4, member 1: direction 7 is unknown; the directions are "
        "1, 2, 3 the local axes, 4, 5, 6 global X, Y, Z.",
        "Load case 1, member load row 5, member 1: a = -0.5 is outside the member (0 to 3).",
        "Load case 1, member load row 6, member 1: b = 3.5 is outside the member (0 to 3).",
        "Load case 2, member load row 1, member 1: a value is not a number.",
        "Load case 2, member load row 2, member 1: a = 3.1 is outside the member (0 to 3).",
        "Load case 2, member load row 4, member 1: kind 1.5 is unknown; the kinds are 1 uniform, "
        "2 linearly varying from a to b, 3 concentrated at a, 4 self weight.",
        "Combination 1: the factor of load case 2 is not a number.",
        "Combination 2: factor 0.8 for load case 3, but the project has 2 load case(s).",
    }));
    // a >= b for a linearly varying load, alone.
    ModelBuilder c = Beam();
    c.Member(1, 2, 0, 1, 0);
    c.MemberLoad(1, 1, 2, 3, 2, 1.5, -100, -50);
    EXPECT_EQ(SolveExpectingFailure(c.Build()).GetProblems(),
              std::vector<std::string>{"Load case 1, member load row 1, member 1: a = 2 is not "
                                       "less than b = 1.5; a linearly varying load runs from a to b."});
}
