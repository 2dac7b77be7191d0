// Renumbering clean-ups of CGeometry: the fast table algorithms against the
// plain loops they replace (kept here, not in the library), on hand-made and
// random models, and the OK/Cancel question of the node clean-up.
#include "ViewTestSupport.h"

#include <array>
#include <limits>
#include <random>

#include "platform/MessageBox.h"
#include "support/RenumberReference.h"

namespace {

// Equal shape and equal elements, NaN matching NaN.
::testing::AssertionResult SameTable(const CdMatrix& a, const CdMatrix& b)
{
    if (a.GetRows() != b.GetRows() || a.GetCols() != b.GetCols())
        return ::testing::AssertionFailure() << "shape " << a.GetRows() << "x" << a.GetCols()
                                             << " vs " << b.GetRows() << "x" << b.GetCols();
    for (int i = 1; i <= a.GetRows(); ++i)
        for (int j = 1; j <= a.GetCols(); ++j) {
            const double x = a(i, j), y = b(i, j);
            if (x == y || (std::isnan(x) && std::isnan(y)))
                continue;
            return ::testing::AssertionFailure() << "(" << i << "," << j << ") " << x << " vs " << y;
        }
    return ::testing::AssertionSuccess();
}

CdMatrix Members(std::initializer_list<std::pair<double, double>> ends, int cols = 8)
{
    CdMatrix mt(static_cast<int>(ends.size()), cols);
    int k = 0;
    for (const auto& e : ends) {
        ++k;
        mt(k, 1) = e.first;
        mt(k, 2) = e.second;
        for (int c = 3; c <= cols; ++c)
            mt(k, c) = 100.0 * k + c; // a fingerprint of the row
    }
    return mt;
}

CdMatrix Nodes(std::initializer_list<std::array<double, 3>> points, int cols = 9)
{
    CdMatrix nt(static_cast<int>(points.size()), cols);
    int i = 0;
    for (const auto& p : points) {
        ++i;
        for (int c = 1; c <= 3; ++c)
            nt(i, c) = p[c - 1];
        for (int c = 4; c <= cols; ++c)
            nt(i, c) = 1.0;
    }
    return nt;
}

// Column `col` from row 1 down holds `values`.
void ExpectColumn(const CdMatrix& mt, int col, std::initializer_list<double> values)
{
    int i = 0;
    for (double v : values)
        EXPECT_EQ(mt(++i, col), v) << "row " << i << " col " << col;
}

} // namespace

TEST(GeometryRenumberMember, KeepsFirstOfReversedSelfAndZeroMembersRowOneAlways)
{
    CdMatrix mt = Members({{1, 2}, {2, 1}, {3, 3}, {4, 0}});
    EXPECT_EQ(CGeometry::RemoveDuplicateMembers(mt), 3);
    ASSERT_EQ(mt.GetRows(), 1);
    EXPECT_EQ(mt.GetCols(), 8);
    ExpectColumn(mt, 1, {1});
    ExpectColumn(mt, 2, {2});
    ExpectColumn(mt, 7, {107});

    // (3,3) survives as row 1; (5,6.7) is read as (5,6), so (6,5) goes.
    mt = Members({{3, 3}, {1, 2}, {0, 5}, {2, 1}, {2, 3}, {3, 2}, {5, 6.7}, {6, 5}});
    CGeometry::RemoveDuplicateMembers(mt);
    ASSERT_EQ(mt.GetRows(), 4);
    ExpectColumn(mt, 7, {107, 207, 507, 707});
}

TEST(GeometryRenumberMember, MatchesPlainLoopOnRandomTables)
{
    std::mt19937 rng(1234);
    const double odd[4] = {0.6, -0.4, std::numeric_limits<double>::quiet_NaN(), 5e12};
    for (int round = 0; round < 300; ++round) {
        const int m = 1 + static_cast<int>(rng() % 60);
        const int nodes = 1 + static_cast<int>(rng() % 8);
        CdMatrix mt(m, 3 + static_cast<int>(rng() % 6));
        for (int k = 1; k <= m; ++k) {
            for (int c = 1; c <= 2; ++c) {
                const unsigned pick = rng() % 20;
                double v = static_cast<double>(static_cast<int>(rng() % (nodes + 2)) - 1);
                // a non-integer cell, one truncating to 0, NaN, beyond int range
                if (pick < 4)
                    v = pick == 0 ? v + odd[0] : odd[pick];
                mt(k, c) = v;
            }
            for (int c = 3; c <= mt.GetCols(); ++c)
                mt(k, c) = k * 10.0 + c;
        }
        CdMatrix fast = mt, plain = mt;
        CGeometry::RemoveDuplicateMembers(fast);
        reference::RemoveDuplicateMembers(plain);
        ASSERT_TRUE(SameTable(fast, plain)) << "round " << round;
    }
}

TEST(GeometryRenumberNode, CoincidenceIsBelowTheToleranceAndNotTransitive)
{
    // 2 is within 0.0001 of 1 in every coordinate; 3 is exactly 0.0001 from
    // 1 in Z (distinct) but near 2; 4 is a copy of 3.
    CdMatrix nt = Nodes({{0, 0, 0}, {0.00009, -0.00009, 0.00005}, {0, 0, 0.0001}, {0, 0, 0.0001}});
    CdMatrix mt = Members({{2, 3}, {4, 2}, {1, 4}});
    EXPECT_EQ(CGeometry::MergeCoincidentNodeEnds(nt, mt), 5);
    ExpectColumn(mt, 1, {1, 2, 1});
    ExpectColumn(mt, 2, {2, 1, 2});
    ExpectColumn(mt, 7, {107, 207, 307});

    // Exactly the tolerance apart along any one axis is distinct.
    nt = Nodes({{0, 0, 0}, {0.0001, 0, 0}, {0, 0.0001, 0}, {0, 0, 0.0001}});
    mt = Members({{2, 3}, {3, 4}, {4, 2}});
    EXPECT_EQ(CGeometry::MergeCoincidentNodeEnds(nt, mt), 0);
    ExpectColumn(mt, 1, {2, 3, 4});

    // A chain 1 ~ 2 ~ 3 with 1 and 3 apart: ends of 3 go to 2, of 2 to 1.
    nt = Nodes({{0, 0, 0}, {0.00006, 0, 0}, {0.00012, 0, 0}, {0.00018, 0, 0}});
    mt = Members({{3, 4}, {2, 4}});
    CdMatrix plain = mt;
    CGeometry::MergeCoincidentNodeEnds(nt, mt);
    reference::MergeCoincident(nt, plain);
    EXPECT_TRUE(SameTable(mt, plain));
    ExpectColumn(mt, 1, {2, 1});
    ExpectColumn(mt, 2, {3});
}

TEST(GeometryRenumberNode, RemovesUnconnectedAndShiftsHigherNumbers)
{
    CdMatrix nt = Nodes({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}});
    CdMatrix mt = Members({{1, 3}, {3, 5}, {5, 9}});
    EXPECT_EQ(CGeometry::RemoveUnconnectedNodes(nt, mt), 2); // nodes 2 and 4
    ASSERT_EQ(nt.GetRows(), 3);
    EXPECT_EQ(nt.GetCols(), 9);
    ExpectColumn(nt, 1, {0, 2, 4});
    ExpectColumn(mt, 2, {2, 3, 7}); // an end beyond N drops by every removed node
}

TEST(GeometryRenumberNode, MatchesPlainLoopsOnRandomModels)
{
    std::mt19937 rng(99);
    const double odd[4] = {std::numeric_limits<double>::quiet_NaN(),
                           -std::numeric_limits<double>::infinity(), -0.0, 1e300};
    // Origins on and near the boundaries of the search grid and at large
    // magnitudes where a coordinate's last bit nears the tolerance.
    const double origins[] = {0.0, 0.0008, -0.0016, 0.00079, 123456.7891,
                              -7.5e8, 1099511627776.0 - 0.0002, 3.3e13};
    int merged = 0, removed = 0;
    for (int round = 0; round < 320; ++round) {
        const int n = 1 + static_cast<int>(rng() % 120);
        const int m = static_cast<int>(rng() % 150);
        CdMatrix nt(n, round % 3 == 0 ? 6 : 9);
        // A lattice finer than the tolerance: chains of near points, exact
        // copies and near misses all occur.
        const double step = (round % 2) ? 0.00004 : 0.00007;
        const double origin = origins[(round / 2) % 8];
        for (int i = 1; i <= n; ++i) {
            for (int c = 1; c <= 3; ++c) {
                const unsigned pick = rng() % 50;
                const double v = origin + step * (static_cast<int>(rng() % 7) - 3) -
                                 ((c == 2) ? 0.0002 : 0.0);
                nt(i, c) = pick < 4 ? odd[pick] : v;
            }
            for (int c = 4; c <= nt.GetCols(); ++c)
                nt(i, c) = i;
        }
        CdMatrix mt(m, 8);
        for (int k = 1; k <= m; ++k) {
            for (int c = 1; c <= 2; ++c) {
                double v = static_cast<double>(static_cast<int>(rng() % (n + 4)) - 1);
                if (rng() % 15 == 0)
                    v += 0.5;
                mt(k, c) = v;
            }
            for (int c = 3; c <= 8; ++c)
                mt(k, c) = k + 0.25 * c;
        }

        CdMatrix fastNodes = nt, fastMembers = mt, plainNodes = nt, plainMembers = mt;
        merged += CGeometry::MergeCoincidentNodeEnds(fastNodes, fastMembers);
        reference::MergeCoincident(plainNodes, plainMembers);
        ASSERT_TRUE(SameTable(fastMembers, plainMembers)) << "merge, round " << round;

        removed += CGeometry::RemoveUnconnectedNodes(fastNodes, fastMembers);
        reference::RemoveUnconnected(plainNodes, plainMembers);
        ASSERT_TRUE(SameTable(fastNodes, plainNodes)) << "nodes, round " << round;
        ASSERT_TRUE(SameTable(fastMembers, plainMembers)) << "ends, round " << round;
    }
    // The models really exercise both steps.
    EXPECT_GT(merged, 1000);
    EXPECT_GT(removed, 1000);
}

TEST(GeometryRenumberNode, HeapOfCopiesOfOnePoint)
{
    const int n = 200;
    CdMatrix nt(n, 9), mt(n, 8);
    for (int i = 1; i <= n; ++i) {
        nt(i, 1) = (i % 3) * 0.00003; // three exact positions, all mutually near
        nt(i, 2) = 5.0;
        nt(i, 3) = -2.0;
        mt(i, 1) = n + 1 - i;
        mt(i, 2) = i;
    }
    CdMatrix plain = mt;
    CGeometry::MergeCoincidentNodeEnds(nt, mt);
    reference::MergeCoincident(nt, plain);
    EXPECT_TRUE(SameTable(mt, plain));
    for (int k = 1; k <= n; ++k)
        EXPECT_TRUE(mt(k, 1) == 1.0 || mt(k, 1) == n + 1.0 - k);
}

// ---- The commands on the model view ----------------------------------------

class GeometryRenumberCommand : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    platform::MessageRecorder boxes;
};

TEST_F(GeometryRenumberCommand, OkMergesRemovesAndWritesNodeCountCancelOnlyMerges)
{
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        boxes.messages.clear();
        CGeometry geo;
        geo.m_nodeTable = Nodes({{0, 0, 0}, {5, 0, 0}, {0.00005, 0, 0}, {9, 9, 9}, {5, 5, 0}});
        geo.m_memberTable = Members({{3, 2}, {2, 5}});
        boxes.Answer(ok ? platform::IDOK : platform::IDCANCEL);
        geo.ReNumberNode();

        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_EQ(boxes.messages[0].text, "Check node if not have connectivity will delete");
        EXPECT_EQ(boxes.messages[0].caption, "KESTRA Wizard");
        EXPECT_EQ(boxes.messages[0].buttons & 0xF, static_cast<unsigned>(platform::MB_OKCANCEL));
        EXPECT_EQ(geo.m_memberTable(1, 1), 1.0); // node 3 merged into node 1 either way
        if (!ok) {
            EXPECT_EQ(geo.m_nodeTable.GetRows(), 5);
            EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 5);
            continue;
        }
        // Then nodes 3 and 4 (unused) removed.
        ASSERT_EQ(geo.m_nodeTable.GetRows(), 3);
        EXPECT_EQ(geo.m_nodeTable(3, 1), 5.0);
        EXPECT_EQ(geo.m_nodeTable(3, 2), 5.0);
        ExpectColumn(geo.m_memberTable, 2, {2, 3});
        EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 3);
        ASSERT_EQ(geo.m_nodeOptions.m_nodeLabels.size(), 4u);
        EXPECT_EQ(geo.m_nodeOptions.m_nodeLabels[3], "3");
    }
}

TEST_F(GeometryRenumberCommand, WorkerTakesTheAnswerWithoutAsking)
{
    CGeometry geo;
    geo.m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
    geo.m_memberTable = Members({{1, 3}});
    geo.ReNumberNode(true);
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(geo.m_nodeTable.GetRows(), 2);
    EXPECT_EQ(geo.m_memberTable(1, 2), 2.0);
}

TEST_F(GeometryRenumberCommand, MemberCleanUpWritesElementCountAndLabels)
{
    CGeometry geo;
    geo.m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
    geo.m_memberTable = Members({{1, 2}, {2, 3}, {3, 2}, {2, 2}});
    geo.ReNumberMember();
    EXPECT_EQ(geo.m_memberTable.GetRows(), 2);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", " Element ", -1), 2);
    EXPECT_EQ(geo.m_memberOptions.m_memberLabels, (std::vector<std::string>{"", "1", "2"}));
    EXPECT_EQ(geo.m_memberLine.GetRows(), 2);
    EXPECT_EQ(geo.m_memberLine.GetCols(), 9);
}
