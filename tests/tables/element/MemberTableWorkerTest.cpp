#include "ElementTestSupport.h"
#include "tables/TablesTestSupport.h"
#include "tables/element/MemberTableWorker.h"
#include "tables/element/NodeIndex.h"

#include <array>
#include <cmath>

namespace {

using elementtest::ElementProject;

class MemberWorker : public ElementProject {
protected:
    MemberTableWorker worker;
    void SetUp() override
    {
        ElementProject::SetUp();
        worker.SetGeometry(geo.get());
    }
    void ExpectNode(int n, double x, double y, double z, double tolerance = 0.0)
    {
        EXPECT_NEAR(geo->m_nodeTable(n, 1), x, tolerance) << "node " << n;
        EXPECT_NEAR(geo->m_nodeTable(n, 2), y, tolerance) << "node " << n;
        EXPECT_NEAR(geo->m_nodeTable(n, 3), z, tolerance) << "node " << n;
    }
    void ExpectMember(int m, int s, int e)
    {
        EXPECT_EQ(geo->m_memberTable(m, 1), s) << "member " << m;
        EXPECT_EQ(geo->m_memberTable(m, 2), e) << "member " << m;
    }
    void ExpectNodes(std::initializer_list<std::array<double, 4>> nodes)
    {
        for (const auto& n : nodes)
            ExpectNode(static_cast<int>(n[0]), n[1], n[2], n[3]);
    }
    void ExpectMembers(std::initializer_list<std::array<int, 3>> members)
    {
        for (const auto& m : members)
            ExpectMember(m[0], m[1], m[2]);
    }
};

TEST_F(MemberWorker, PasteTwiceReusesTheNodesOfThePreviousCopy)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}});
    geo->m_memberTable = Members({{1, 2}});
    geo->m_memberTable(1, 7) = 3;
    Select(1, 1);
    ASSERT_EQ(worker.Copy(), 1);
    EXPECT_EQ(worker.Paste(1, 0, 0), 1);
    EXPECT_EQ(worker.Paste(1, 0, 0), 1);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 4);
    ExpectNodes({{3, 2, 0, 0}, {4, 3, 0, 0}});
    ASSERT_EQ(geo->m_memberTable.GetRows(), 3);
    ExpectMembers({{2, 2, 3}, {3, 3, 4}});
    EXPECT_EQ(geo->m_memberTable(3, 7), 3); // the rest of the row is copied
    // The clipboard continues from the last copy.
    EXPECT_EQ(worker.Clipboard()(1, 1), 3);
    EXPECT_EQ(worker.Clipboard()(1, 2), 4);
}

TEST_F(MemberWorker, PasteMatchesExactlyAndTheHighestNumberedNodeWins)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {0, 0, 1}, {5, 0, 1}, {5, 0, 1}, {5.00001, 0, 0}});
    geo->m_nodeTable(2, 4) = 0.0; // restraints do not count for the paste
    geo->m_memberTable = Members({{1, 2}});
    Select(1, 1);
    worker.Copy();
    EXPECT_EQ(worker.Paste(5, 0, 0), 1);
    ExpectMember(2, 6, 4); // (5,0,0) is new: 5.00001 is not equal
    ExpectNode(6, 5, 0, 0);
    EXPECT_EQ(geo->m_nodeTable(6, 4), 1.0); // the copied codes of node 1
}

TEST_F(MemberWorker, MembersNamingMissingNodesCopyNoNodes)
{
    geo->m_nodeTable = Line(2);
    geo->m_memberTable = Members({{0, 2}, {1, 9}});
    EXPECT_EQ(worker.Paste(1, 0, 0), 0); // nothing copied yet
    EXPECT_EQ(geo->m_memberTable.GetRows(), 2);
    Select(1, 2);
    worker.Copy();
    EXPECT_EQ(worker.Paste(0, 1, 0), 2);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 4);
    ExpectMembers({{3, 0, 3}, {4, 4, 0}});
    Select(1, 2);
    worker.Mirror(MemberTableWorker::AxisX, 0.0, MemberTableWorker::ModeCopy);
    EXPECT_EQ(geo->m_memberTable(6, 2), 0.0);
    // An empty model: nothing to read, nothing written out of bounds.
    geo->m_nodeTable = CdMatrix();
    EXPECT_EQ(worker.Paste(1, 1, 1), 2);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 0);
    EXPECT_EQ(worker.Move(1, 0, 0), 0);
}

TEST_F(MemberWorker, MoveOfTwoMembersSharingANodeMovesItOnce)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {9, 9, 9}});
    geo->m_memberTable = Members({{1, 2}, {2, 3}, {3, 4}});
    Select(2, 1);
    EXPECT_EQ(worker.Move(0, 0, 1), 3);
    ExpectNodes({{1, 0, 0, 1}, {2, 1, 0, 1}, {3, 2, 0, 1}, {4, 9, 9, 9}});
}

TEST_F(MemberWorker, DeleteAndAssignWorkOnTheOrderedSelection)
{
    geo->m_nodeTable = Line(5);
    geo->m_memberTable = Members({{1, 2}, {2, 3}, {3, 4}, {4, 5}});
    Select(3, 2);
    EXPECT_TRUE(worker.Assign(MemberTableWorker::ColRelease, 2));
    tablestest::ExpectEntries(geo->m_memberTable, {{2, 8, 2}, {3, 8, 2}, {4, 8, 0}});
    EXPECT_TRUE(worker.Delete());
    ASSERT_EQ(geo->m_memberTable.GetRows(), 2);
    ExpectMembers({{1, 1, 2}, {2, 4, 5}});
    EXPECT_EQ(geo->m_memberTable.GetCols(), 8);
}

TEST_F(MemberWorker, CheckInKeepsNumbersInTheirRangesAndMeasures)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {3, 4, 0}, {1, 1, 1}});
    geo->m_memberTable = Members({{1, 3}});
    SetCount("Number Material ", 2);
    SetCount("Number releases ", 1);
    EXPECT_EQ(worker.CheckIn(1, MemberTableWorker::ColEnd, 2), 2);
    EXPECT_DOUBLE_EQ(geo->m_memberTable(1, 3), 5.0);
    EXPECT_EQ(worker.CheckIn(1, MemberTableWorker::ColStart, 4), 0); // above the node count
    EXPECT_EQ(geo->m_memberTable(1, 1), 0.0);
    EXPECT_EQ(geo->m_memberTable(1, 3), 0.0); // no length without a start node
    EXPECT_EQ(worker.CheckIn(1, MemberTableWorker::ColStart, -1), 0);
    EXPECT_EQ(worker.CheckIn(1, MemberTableWorker::ColProperty, 2), 2);
    EXPECT_EQ(worker.CheckIn(1, MemberTableWorker::ColProperty, 3), 0);
    EXPECT_EQ(worker.CheckIn(1, MemberTableWorker::ColRelease, 1), 1);
    EXPECT_EQ(worker.CheckIn(1, MemberTableWorker::ColRelease, 2), 0);
    EXPECT_EQ(geo->m_memberTable(1, 8), 0.0);
}

TEST_F(MemberWorker, FineLengthNeverReadsOutsideTheNodeTable)
{
    geo->m_nodeTable = Nodes({{1, 2, 3}});
    geo->m_memberTable = Members({{1, 7}, {0, 1}});
    geo->m_memberTable(1, 3) = 4.0;
    worker.FineLength(1);
    worker.FineLength(2);
    EXPECT_EQ(geo->m_memberTable(1, 3), 0.0);
    EXPECT_EQ(geo->m_memberTable(2, 3), 0.0);
}

TEST_F(MemberWorker, PageReNumberRemovesZeroLengthAndDuplicateMembers)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}});
    // 2-3 coincide, 1-1 twice in a row, 2-1 repeats 1-2, 4-2 repeats 2-4.
    geo->m_memberTable = Members({{2, 3}, {1, 2}, {1, 1}, {1, 1}, {2, 1}, {2, 4}, {4, 2}, {0, 4}});
    EXPECT_EQ(worker.RemoveZeroLength(), 4);
    EXPECT_EQ(worker.RemoveDuplicates(), 2);
    ASSERT_EQ(geo->m_memberTable.GetRows(), 2);
    ExpectMembers({{1, 1, 2}, {2, 2, 4}});
    EXPECT_DOUBLE_EQ(geo->m_memberTable(2, 3), 1.0);
}

TEST_F(MemberWorker, MirrorCopyLooksNodesUpWithinTheTolerance)
{
    // Mirror in y = 1: (0,0,0) -> (0,2,0), (0,0,3) -> (0,2,3).
    geo->m_nodeTable = Nodes({{0, 0, 0}, {0, 0, 3}, {0, 2.00005, 0}, {0, 2.0002, 3}});
    geo->m_memberTable = Members({{1, 2}});
    Select(1, 1);
    worker.Mirror(MemberTableWorker::AxisY, 1.0, MemberTableWorker::ModeCopy);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 5);
    ExpectNode(5, 0, 2, 3);
    ExpectMember(2, 3, 5);
}

TEST_F(MemberWorker, RotateMoveTurnsCounterClockwiseAboutEachAxisThroughK)
{
    geo->m_nodeTable = Nodes({{1, 1, 1}, {1, 2, 1}, {2, 1, 1}});
    geo->m_memberTable = Members({{1, 2}, {1, 3}});
    const double k[4] = {0, 1, 1, 1};
    const double quarter = 90 * MemberTableWorker::kPi / 180;
    Select(1, 1);
    worker.Rotate(MemberTableWorker::AxisX, k, quarter, MemberTableWorker::ModeMove);
    ExpectNode(1, 1, 1, 1, 1e-9);
    ExpectNode(2, 1, 1, 2, 1e-9); // +Y turns into +Z about X
    Select(2, 2);
    worker.Rotate(MemberTableWorker::AxisY, k, quarter, MemberTableWorker::ModeMove);
    ExpectNode(3, 1, 1, 0, 1e-9); // +X turns into -Z about Y
    Select(2, 2);
    worker.Rotate(MemberTableWorker::AxisZ, k, quarter, MemberTableWorker::ModeMove);
    ExpectNode(1, 1, 1, 1, 1e-9);
    ExpectNode(3, 1, 1, 0, 1e-9); // on the axis through K
}

TEST_F(MemberWorker, GenerationStepsBothNodesByTheirIncrementsTimesTheRatio)
{
    MemberTableWorker::Generation g;
    g.count = 3;
    g.element = 1;
    g.property = 2;
    CdMatrix rows = MemberTableWorker::GeneratedMembers(1, 2, g, 8);
    ASSERT_EQ(rows.GetRows(), 3);
    tablestest::ExpectEntries(rows, {{1, 1, 2}, {1, 2, 3}, {3, 1, 4}, {3, 2, 5}, {3, 7, 2}, {3, 8, 0}, {3, 4, 0}});
    g.ratio = 2;
    rows = MemberTableWorker::GeneratedMembers(1, 2, g, 8);
    tablestest::ExpectEntries(rows, {{1, 1, 3}, {1, 2, 4}, {2, 1, 5}, {2, 2, 6}, {3, 1, 7}, {3, 2, 8}});
    g.count = 0;
    EXPECT_EQ(MemberTableWorker::GeneratedMembers(1, 2, g, 8).GetRows(), 0);
}

TEST(NodeIndexTest, TolerantLookupAgreesWithAFullScan)
{
    // Points on a grid finer than the tolerance, with repeated rows.
    CdMatrix nodes(400, 9);
    for (int i = 1; i <= 400; ++i) {
        nodes(i, 1) = (i % 7) * 0.00007;
        nodes(i, 2) = (i % 5) * 0.00011 - 0.0002;
        nodes(i, 3) = (i % 3) * 0.00009;
        for (int j = 4; j <= 9; ++j)
            nodes(i, j) = (i % 11 == 0 && j == 6) ? 0.0 : 1.0;
    }
    NodeIndex index(nodes, NodeIndex::Tolerant);
    for (int q = 1; q <= 60; ++q) {
        double probe[10] = {0, q * 0.000013, -q * 0.000009, q * 0.000017, 1, 1, 1, 1, 1, 1};
        if (q % 4 == 0)
            probe[6] = 0.0;
        int expected = 0;
        for (int r = 1; r <= 400; ++r)
            if (NodeIndex::TolerantMatch(nodes.GetData()[r], probe, 9))
                expected = r;
        EXPECT_EQ(index.Find(probe), expected) << "probe " << q;
    }
}

TEST(NodeIndexTest, NaNMatchesNothingAndMinusZeroIsZero)
{
    CdMatrix nodes(2, 3);
    nodes(1, 1) = std::nan("");
    NodeIndex exact(nodes, NodeIndex::Exact);
    const double zero[4] = {0, -0.0, 0, 0};
    const double nan[4] = {0, std::nan(""), 0, 0};
    EXPECT_EQ(exact.Find(zero), 2);
    EXPECT_EQ(exact.Find(nan), 0);
    NodeIndex tolerant(nodes, NodeIndex::Tolerant);
    EXPECT_EQ(tolerant.Find(nan), 0);
    EXPECT_EQ(tolerant.Find(zero), 2);
}

TEST_F(MemberWorker, PrintWritesMemberTxtAndOpensItInTheTextViewer)
{
    FixDate();
    geo->m_nodeTable = Nodes({{0, 0, 0}, {3, 4, 0}});
    geo->m_memberTable = Members({{1, 2}, {2, 1}});
    geo->m_memberTable(1, 3) = 5.0;
    geo->m_memberTable(1, 7) = 2.9;
    geo->m_memberTable(2, 8) = 1;
    ASSERT_TRUE(worker.Print());
    const std::string path = dir.Folder() + "Member.txt";
    EXPECT_EQ(testsupport::TempDir::Read(path),
              tablestest::ReportHead("Member connextivity") +
                  "Element\tStart node\tEnd node\tLength\tProperty\tRelease\n"
                  "1\t1\t2\t5.000\t2\t0\n"
                  "2\t2\t1\t0.000\t0\t1\n");
    EXPECT_EQ(launches.attempted, std::vector<std::string>{"Notepad " + path});
}

TEST_F(MemberWorker, ImportAppendsMemberFilesAndRefusesOtherWidths)
{
    geo->m_nodeTable = Line(4);
    geo->m_memberTable = Members({{1, 2}});
    CdMatrix file = Members({{2, 3}, {3, 4}});
    ASSERT_TRUE(file.Save(dir.File("more.ele")));
    EXPECT_TRUE(worker.Import(dir.File("more.ele")));
    ASSERT_EQ(geo->m_memberTable.GetRows(), 3);
    ExpectMember(3, 3, 4);
    CdMatrix wide(1, 9);
    ASSERT_TRUE(wide.Save(dir.File("wide.ele")));
    EXPECT_FALSE(worker.Import(dir.File("wide.ele")));
    EXPECT_EQ(geo->m_memberTable.GetRows(), 3);
    tablestest::ExpectOnlyMessage(messages, "Two matrix column not equal");

    // An empty table wants the eight columns too, and node numbers of the
    // model (or 0, not yet given); a refused file imports nothing.
    const struct {
        CdMatrix file;
        std::string message;
    } refused[] = {
        {CdMatrix(2, 5), "Two matrix column not equal"},
        {Members({{1, 2}, {3, 9}}), "Member 2 of the file names node 9, not a node of 1..4: nothing imported from "},
        {Members({{-1, 2}}), "Member 1 of the file names node -1, not a node of 1..4: nothing imported from "},
    };
    for (const auto& c : refused) {
        geo->m_memberTable = CdMatrix();
        messages.messages.clear();
        ASSERT_TRUE(c.file.Save(dir.File("bad.ele")));
        EXPECT_FALSE(worker.Import(dir.File("bad.ele")));
        EXPECT_EQ(geo->m_memberTable.GetRows(), 0);
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages[0].text.substr(0, c.message.size()), c.message);
    }
    ASSERT_TRUE(Members({{0, 2}}).Save(dir.File("unfinished.ele")));
    EXPECT_TRUE(worker.Import(dir.File("unfinished.ele")));
    EXPECT_EQ(geo->m_memberTable.GetRows(), 1);
}

} // namespace
