// Model state of CGeometry: unit factors, label lists and the counts written
// back to the project.
#include "ViewTestSupport.h"

using namespace viewtest;

namespace {

class GeometryState : public ::testing::Test {
protected:
    testsupport::TempDir dir;
};

} // namespace

TEST_F(GeometryState, UnitFactorsAreReadAfreshEveryCall)
{
    CGeometry geo;
    // {length, force, length factor, force factor}: names are case-sensitive,
    // unknown ones count as m and Kg.
    const struct { const char* length; const char* force; double l, f; } rows[] = {
        {"mm", "T", 1000, 0.001},  {"cm", "kip", 100, 0.002205}, {"Km", "P", 0.001, 2.205},
        {"in", "MN", 39.37, 9.81e-6}, {"ft", "kN", 3.281, 0.00981}, {"m", "N", 1, 9.81},
        {"MM", "kn", 1, 1},        {"Undefine ", "KG", 1, 1},     {"", "Kg", 1, 1}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.length);
        ProjectKey("Current Length ", r.length);
        ProjectKey("Current Force ", r.force);
        EXPECT_EQ(geo.GetLengthFactor(), r.l);
        EXPECT_EQ(geo.GetForceFactor(), r.f);
        EXPECT_DOUBLE_EQ(geo.GetAreaFactor(), r.l * r.l);
        EXPECT_DOUBLE_EQ(geo.GetInertiaFactor(), std::pow(r.l, 4));
        EXPECT_DOUBLE_EQ(geo.GetMomentFactor(), r.f * r.l);
        EXPECT_DOUBLE_EQ(geo.GetStressFactor(), r.f / (r.l * r.l));
    }
}

TEST_F(GeometryState, UpdatesRelabelAndWriteTheCounts)
{
    CGeometry geo;
    geo.m_nodeTable.SetSize(12, 9);
    geo.UpdateNode();
    const auto& labels = geo.m_nodeOptions.m_nodeLabels;
    ASSERT_EQ(labels.size(), 13u);
    EXPECT_EQ(labels[0] + "|" + labels[1] + "|" + labels[12], "|1|12");
    EXPECT_NE(testsupport::TempDir::Read(dir.Ini()).find("Node =12"), std::string::npos);
    geo.m_nodeTable.DeleteRow(12);
    geo.UpdateNode();
    EXPECT_EQ(labels.size(), 12u);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 11);

    // Member lines: both ends and the midpoint; 2.9 is read as node 2.
    SetNodes(geo, {{0, 0, 0}, {4, 0, 0}, {0, 6, -2}});
    SetMembers(geo, {{1, 2, 0, 0, 0, 0, -1.5}, {2.9, 3, 0, 0, 0, 0, 3.8}});
    geo.UpdateMember();
    geo.UpdateProperty();
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", " Element ", -1), 2);
    ASSERT_EQ(geo.m_memberLine.GetRows(), 2);
    const double row2[9] = {4, 0, 0, 0, 6, -2, 2, 3, -1};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(geo.m_memberLine(2, c), row2[c - 1]) << c;
    EXPECT_EQ(geo.m_memberOptions.m_memberLabels, (std::vector<std::string>{"", "1", "2"}));
    // Group numbers are truncated towards zero.
    EXPECT_EQ(geo.m_memberOptions.m_propertyLabels, (std::vector<std::string>{"", "-1", "3"}));

    // A missing end node reads the spare slot.
    SetNodes(geo, {{2, 0, 0}});
    geo.m_nodeTable(0, 0) = 0.5;
    SetMembers(geo, {{1, 7}});
    geo.UpdateMember();
    EXPECT_EQ(geo.m_memberLine(1, 4), 0.5);
    EXPECT_EQ(geo.m_memberLine(1, 7), 1.25);
}
