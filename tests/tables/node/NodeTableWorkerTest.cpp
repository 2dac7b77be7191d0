#include "NodeTestSupport.h"
#include "tables/CommandIds.h"
#include "tables/TablesTestSupport.h"
#include "tables/node/NodeTableWorker.h"

#include <cmath>
#include <random>

using nodetest::NodeProject;
using tablestest::ExpectEntries;

namespace {

// Deleting rows last..first one at a time, exactly as described for the
// Delete command: the reference the one-pass version must match.
void DeleteOneByOne(CdMatrix& nodes, CdMatrix& members, int first, int last)
{
    for (int k = last; k >= first; --k) {
        for (int i = 1; i <= members.GetRows(); ++i)
            for (int j = 1; j <= 2; ++j) {
                if (members(i, j) == k)
                    members(i, j) = 0;
                else if (members(i, j) > k)
                    members(i, j) -= 1;
            }
        nodes.DeleteRow(k);
    }
}

class NodeWorker : public NodeProject {
protected:
    NodeTableWorker worker;
    void SetUp() override
    {
        NodeProject::SetUp();
        worker.SetGeometry(geo.get());
    }
    void Select(int from, int to)
    {
        geo->m_selNodeFrom = from;
        geo->m_selNodeTo = to;
    }
};

} // namespace

TEST_F(NodeWorker, OnePassDeletionMatchesDeletingOneByOne)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> node(-2, 45);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int round = 0; round < 40; ++round) {
        CdMatrix nodes = Line(40);
        nodes.GetData()[0][0] = 99.0; // the spare slot survives the deletion
        CdMatrix members(60, 8);
        for (int i = 1; i <= 60; ++i)
            for (int j = 1; j <= 8; ++j) {
                double v = node(random);
                if (kind(random) == 0)
                    v += 0.5; // hostile: not a whole number
                if (kind(random) == 1)
                    v = 1e17 + 4096.0 * j; // hostile: beyond exact integers
                members(i, j) = v;
            }
        int first = 1 + round % 40;
        int last = std::min(40, first + round % 7);
        CdMatrix expectedNodes = nodes, expectedMembers = members;
        DeleteOneByOne(expectedNodes, expectedMembers, first, last);
        NodeTableWorker::DeleteNodeRows(nodes, members, first, last);
        ASSERT_TRUE(nodes == expectedNodes) << "round " << round;
        EXPECT_EQ(nodes.GetData()[0][0], 99.0);
        for (int i = 1; i <= 60; ++i)
            for (int j = 1; j <= 8; ++j)
                ASSERT_EQ(members(i, j), expectedMembers(i, j)) << "round " << round << " (" << i << "," << j << ")";
    }
}

TEST_F(NodeWorker, DeleteIgnoresRowsOutsideTheTableAndAnEmptySelection)
{
    geo->m_nodeTable = Line(4);
    geo->m_memberTable = Members({{1, 4}});
    Select(0, 0);
    EXPECT_FALSE(worker.Delete());
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 4);
    EXPECT_FALSE(geo->m_modelChanged);
    Select(3, 99); // only 3 and 4 exist
    EXPECT_TRUE(worker.Delete());
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 2);
    EXPECT_EQ(geo->m_memberTable(1, 2), 0.0);
    Select(2, 1); // a reversed range is taken in order
    EXPECT_TRUE(worker.Delete());
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 0);
}

TEST_F(NodeWorker, CopyPasteAndMoveAddTheOffsetsToStoredCoordinates)
{
    geo->m_nodeTable = Nodes({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    geo->m_nodeTable(2, 6) = 0.0; // node 2 restrained in Z
    EXPECT_FALSE(worker.Paste(1, 1, 1)); // empty buffer: nothing
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);
    EXPECT_FALSE(geo->m_modelChanged);

    Select(3, 2);
    EXPECT_EQ(worker.Copy(), 2);
    ASSERT_TRUE(worker.Paste(10, 20, 30));
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 5);
    // Restraints travel with the rows; the originals stay.
    ExpectEntries(geo->m_nodeTable, {{4, 1, 14}, {4, 2, 25}, {5, 3, 39}, {4, 6, 0}, {2, 1, 4}});
    EXPECT_TRUE(geo->m_modelChanged);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 5);

    Select(2, 1);
    ASSERT_TRUE(worker.Move(-1, 0, 0.5));
    EXPECT_EQ(geo->m_selNodeFrom, 1); // put in order
    EXPECT_EQ(geo->m_selNodeTo, 2);
    ExpectEntries(geo->m_nodeTable, {{1, 1, 0}, {2, 3, 6.5}, {3, 1, 7}});
    EXPECT_TRUE(geo->m_geometryChanged);
}

TEST_F(NodeWorker, ImportAppendsNineColumnFilesAndRefusesOthers)
{
    geo->m_nodeTable = Line(2);
    ASSERT_TRUE(CdMatrix(4, 3).Save(dir.File("three.nod")));
    EXPECT_FALSE(worker.Import(dir.File("three.nod")));
    tablestest::ExpectOnlyMessage(messages, "Two matrix column not equal", "Can't Add new row");
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 2);
    EXPECT_FALSE(geo->m_geometryChanged);

    ASSERT_TRUE(Nodes({{5, 6, 7}}).Save(dir.File("nine.nod")));
    EXPECT_TRUE(worker.Import(dir.File("nine.nod")));
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 3);
    EXPECT_EQ(geo->m_nodeTable(3, 2), 6.0);
    EXPECT_TRUE(geo->m_geometryChanged);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 3);

    messages.Clear();
    EXPECT_FALSE(worker.Import(dir.File("missing.nod")));
    tablestest::ExpectOnlyMessage(messages, "Access file " + dir.File("missing.nod"));
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 3);

    // An empty model takes the file as it is.
    geo->m_nodeTable = CdMatrix();
    EXPECT_TRUE(worker.Import(dir.File("nine.nod")));
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 1);
    EXPECT_EQ(geo->m_nodeTable.GetCols(), 9);
}

TEST_F(NodeWorker, LinearGenerationExamples)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}});
    geo->m_nodeTable(2, 4) = 0.0; // start node restrained along X and about Z
    geo->m_nodeTable(2, 9) = 0.0;
    NodeTableWorker::LinearGeneration g = worker.LinearDefaults(2);
    g.dx = 2.0;
    g.count = 3;
    EXPECT_EQ(worker.Generate(g), 3);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 5);
    for (int k = 1; k <= 3; ++k) // stepped along X, restrained as the start node
        ExpectEntries(geo->m_nodeTable, {{2 + k, 1, 1.0 + 2.0 * k}, {2 + k, 4, 0}, {2 + k, 5, 1}, {2 + k, 9, 0}});
    EXPECT_TRUE(geo->m_geometryChanged);
    EXPECT_TRUE(geo->m_modelChanged);

    g.ratio = 0.5;
    EXPECT_EQ(worker.Generate(g), 3);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 8);
    ExpectEntries(geo->m_nodeTable, {{6, 1, 2}, {7, 1, 3}, {8, 1, 4}});

    g.start = 1; // at the origin: nothing
    EXPECT_EQ(worker.Generate(g), 0);
    g.start = 2;
    g.count = 0;
    EXPECT_EQ(worker.Generate(g), 0);
    g.count = 2;
    g.start = 99;
    EXPECT_EQ(worker.Generate(g), 0);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 8);
}

TEST_F(NodeWorker, RestraintCommandsForFrameAndTruss)
{
    struct Case {
        int id;
        std::string type;
        double codes[6];
    };
    const Case cases[] = {
        {ID_DOF_PLAN_XY, "Frame3D", {1, 1, 0, 0, 0, 1}}, {ID_DOF_PLAN_XY, "Truss3D", {1, 1, 0, 1, 1, 1}},
        {ID_DOF_PLAN_YZ, "Frame3D", {0, 1, 1, 1, 0, 0}}, {ID_DOF_PLAN_YZ, "Truss3D", {0, 1, 1, 1, 1, 1}},
        {ID_DOF_PLAN_XZ, "Frame3D", {1, 0, 1, 0, 1, 0}}, {ID_DOF_PLAN_XZ, "Truss3D", {1, 0, 1, 1, 1, 1}},
        {ID_DOF_PINNED, "Frame3D", {0, 0, 0, 1, 1, 1}},  {ID_DOF_PINNED, "Truss3D", {0, 0, 0, 1, 1, 1}},
        {ID_DOF_FIXED, "Frame3D", {0, 0, 0, 0, 0, 0}},   {ID_DOF_FIXED, "Truss3D", {0, 0, 0, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SetProject(c.type, c.type == "Frame3D" ? 6 : 3, "m");
        geo->m_nodeTable = Line(3);
        Select(2, 3);
        const NodeTableWorker::Range range = worker.Restrain(c.id, nullptr);
        EXPECT_EQ(std::make_pair(range.first, range.last), std::make_pair(2, 3));
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(geo->m_nodeTable(1, 3 + k), 1.0) << c.id << " " << c.type << " k " << k;
            EXPECT_EQ(geo->m_nodeTable(2, 3 + k), c.codes[k - 1]) << c.id << " " << c.type << " k " << k;
            EXPECT_EQ(geo->m_nodeTable(3, 3 + k), c.codes[k - 1]) << c.id << " " << c.type << " k " << k;
        }
    }
    // Free frees only the degrees of freedom of the structure type.
    SetProject("Truss3D", 3, "m");
    for (int j = 4; j <= 9; ++j)
        geo->m_nodeTable(2, j) = 0.0;
    Select(2, 2);
    worker.Restrain(ID_DOF_FREE, nullptr);
    const double truss[6] = {1, 1, 1, 0, 0, 0};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(geo->m_nodeTable(2, 3 + k), truss[k - 1]) << k;
    EXPECT_TRUE(worker.Restrain(12345, nullptr).Empty());
}

TEST_F(NodeWorker, PageReNumberRemovesOnlyUnusedNodes)
{
    geo->m_nodeTable = Line(4);
    geo->m_memberTable = Members({{1, 2}, {2, 3}, {3, 4}});
    EXPECT_EQ(worker.RemoveUnconnected(), 0);
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 4);
    EXPECT_FALSE(geo->m_modelChanged);

    geo->m_memberTable = Members({{1, 4}});
    EXPECT_EQ(worker.RemoveUnconnected(), 2);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 2);
    EXPECT_EQ(geo->m_nodeTable(2, 1), 4.0);
    EXPECT_EQ(geo->m_memberTable(1, 2), 2.0);
    EXPECT_TRUE(messages.messages.empty()); // the page does not ask
}
