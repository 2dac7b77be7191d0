// Renumbering clean-ups of CGeometry: the fast table algorithms against the
// plain loops they replace (kept in the test support, not in the library),
// on hand-made and random models, and the OK/Cancel question of the node
// clean-up.
#include "ViewTestSupport.h"

#include <array>
#include <limits>
#include <random>

#include "platform/MessageBox.h"
#include "support/RenumberReference.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal shape and equal elements, NaN matching NaN.
::testing::AssertionResult SameTable(const CdMatrix& a, const CdMatrix& b)
{
    if (a.GetRows() != b.GetRows() || a.GetCols() != b.GetCols())
        return ::testing::AssertionFailure() << "shape " << a.GetRows() << "x" << a.GetCols() << " vs "
                                             << b.GetRows() << "x" << b.GetCols();
    for (int i = 1; i <= a.GetRows(); ++i)
        for (int j = 1; j <= a.GetCols(); ++j)
            if (!(a(i, j) == b(i, j) || (std::isnan(a(i, j)) && std::isnan(b(i, j)))))
                return ::testing::AssertionFailure() << "(" << i << "," << j << ") " << a(i, j) << " vs " << b(i, j);
    return ::testing::AssertionSuccess();
}

// Members with the given ends; further columns hold a fingerprint 100 k + c.
CdMatrix Members(std::initializer_list<std::pair<double, double>> ends)
{
    CdMatrix mt(static_cast<int>(ends.size()), 8);
    int k = 0;
    for (const auto& e : ends) {
        mt(++k, 1) = e.first;
        mt(k, 2) = e.second;
        for (int c = 3; c <= 8; ++c)
            mt(k, c) = 100.0 * k + c;
    }
    return mt;
}

CdMatrix Nodes(std::initializer_list<std::array<double, 3>> points)
{
    CdMatrix nt(static_cast<int>(points.size()), 9);
    int i = 0;
    for (const auto& p : points) {
        ++i;
        for (int c = 1; c <= 9; ++c)
            nt(i, c) = c <= 3 ? p[size_t(c - 1)] : 1.0;
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

TEST(GeometryRenumber, HandMadeTables)
{
    // Reversed, self and zero-end members go; row 1 always stays; (5, 6.7)
    // is read as (5, 6), so (6, 5) goes.
    CdMatrix mt = Members({{3, 3}, {1, 2}, {0, 5}, {2, 1}, {2, 3}, {3, 2}, {5, 6.7}, {6, 5}});
    EXPECT_EQ(CGeometry::RemoveDuplicateMembers(mt), 4);
    ASSERT_EQ(mt.GetCols(), 8);
    ExpectColumn(mt, 7, {107, 207, 507, 707});

    // Coincidence is below 0.0001 in every coordinate and not transitive:
    // 2 is near 1; 3 is exactly 0.0001 from 1 in Z (distinct) but near 2;
    // 4 is a copy of 3.
    CdMatrix nt = Nodes({{0, 0, 0}, {0.00009, -0.00009, 0.00005}, {0, 0, 0.0001}, {0, 0, 0.0001}});
    mt = Members({{2, 3}, {4, 2}, {1, 4}});
    EXPECT_EQ(CGeometry::MergeCoincidentNodeEnds(nt, mt), 5);
    ExpectColumn(mt, 1, {1, 2, 1});
    ExpectColumn(mt, 2, {2, 1, 2});
    ExpectColumn(mt, 7, {107, 207, 307});

    // Unconnected nodes 2 and 4 go; an end beyond N drops by every removed node.
    nt = Nodes({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}});
    mt = Members({{1, 3}, {3, 5}, {5, 9}});
    EXPECT_EQ(CGeometry::RemoveUnconnectedNodes(nt, mt), 2);
    ASSERT_EQ(nt.GetRows(), 3);
    EXPECT_EQ(nt.GetCols(), 9);
    ExpectColumn(nt, 1, {0, 2, 4});
    ExpectColumn(mt, 2, {2, 3, 7});
}

TEST(GeometryRenumber, MatchesPlainLoopsOnRandomTables)
{
    std::mt19937 rng(1234);
    auto below = [&rng](int n) { return static_cast<int>(rng() % unsigned(n)); };
    // Members: a non-integer cell, one truncating to 0, NaN, beyond int range.
    const double oddEnds[4] = {0.6, -0.4, kNaN, 5e12};
    for (int round = 0; round < 300; ++round) {
        const int m = 1 + below(60), nodes = 1 + below(8);
        CdMatrix mt(m, 3 + below(6));
        for (int k = 1; k <= m; ++k)
            for (int c = 1; c <= mt.GetCols(); ++c) {
                const int pick = below(20);
                const double v = below(nodes + 2) - 1.0;
                mt(k, c) = c > 2 ? k * 10.0 + c : pick >= 4 ? v : pick == 0 ? v + oddEnds[0] : oddEnds[pick];
            }
        CdMatrix fast = mt, plain = mt;
        CGeometry::RemoveDuplicateMembers(fast);
        reference::RemoveDuplicateMembers(plain);
        ASSERT_TRUE(SameTable(fast, plain)) << "members, round " << round;
    }

    // Nodes on a lattice finer than the tolerance (chains of near points,
    // exact copies and near misses), around origins on and near the
    // boundaries of the search grid and at large magnitudes where a
    // coordinate's last bit nears the tolerance; round 320 is a heap of 200
    // mutually near copies of one point.
    const double oddXyz[4] = {kNaN, -std::numeric_limits<double>::infinity(), -0.0, 1e300};
    const double origins[] = {0.0, 0.0008, -0.0016, 0.00079, 123456.7891, -7.5e8, 1099511627776.0 - 0.0002, 3.3e13};
    int merged = 0, removed = 0;
    for (int round = 0; round <= 320; ++round) {
        const bool heap = round == 320;
        const int n = heap ? 200 : 1 + below(120), m = heap ? 200 : below(150);
        CdMatrix nt(n, round % 3 == 0 ? 6 : 9), mt(m, 8);
        const double step = (round % 2) ? 0.00004 : 0.00007, origin = origins[(round / 2) % 8];
        for (int i = 1; i <= n; ++i)
            for (int c = 1; c <= nt.GetCols(); ++c) {
                const int pick = below(50);
                const double v = heap ? (c == 1 ? (i % 3) * 0.00003 : c) : origin + step * (below(7) - 3) - (c == 2 ? 0.0002 : 0.0);
                nt(i, c) = c > 3 ? i : (pick < 4 && !heap) ? oddXyz[pick] : v;
            }
        for (int k = 1; k <= m; ++k)
            for (int c = 1; c <= 8; ++c)
                mt(k, c) = heap ? (c == 1 ? n + 1 - k : k) : c > 2 ? k + 0.25 * c : below(n + 4) - 1.0 + (below(15) == 0 ? 0.5 : 0);

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

TEST(GeometryRenumberCommand, NodeCleanUpAsksOkMergesRemovesAndWritesTheCountCancelOnlyMerges)
{
    testsupport::TempDir dir;
    platform::MessageRecorder boxes;
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
        // OK: then nodes 3 and 4 (unused) removed.
        EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), ok ? 3 : 5);
        ASSERT_EQ(geo.m_nodeTable.GetRows(), ok ? 3 : 5);
        if (ok) {
            EXPECT_EQ(geo.m_nodeTable(3, 2), 5.0);
            ExpectColumn(geo.m_memberTable, 2, {2, 3});
            ASSERT_EQ(geo.m_nodeOptions.m_nodeLabels.size(), 4u);
        }
    }

    // The worker takes OK without asking.
    CGeometry geo;
    geo.m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
    geo.m_memberTable = Members({{1, 3}, {3, 1}, {3, 3}});
    boxes.messages.clear();
    geo.ReNumberNode(true);
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(geo.m_nodeTable.GetRows(), 2);
    EXPECT_EQ(geo.m_memberTable(1, 2), 2.0);

    // The member clean-up writes the element count and relabels.
    geo.ReNumberMember();
    EXPECT_EQ(geo.m_memberTable.GetRows(), 1);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", " Element ", -1), 1);
    EXPECT_EQ(geo.m_memberOptions.m_memberLabels, (std::vector<std::string>{"", "1"}));
    EXPECT_EQ(geo.m_memberLine.GetRows(), 1);
}
