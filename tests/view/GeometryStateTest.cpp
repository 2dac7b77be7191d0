// Model state of CGeometry: initial values, settings, unit factors, label
// lists and the counts written back to the project.
#include "ViewTestSupport.h"

using namespace viewtest;

namespace {

class GeometryState : public ::testing::Test {
protected:
    testsupport::TempDir dir;

    static void SetUnits(const std::string& length, const std::string& force)
    {
        ProjectKey("Current Length ", length);
        ProjectKey("Current Force ", force);
    }
};

} // namespace

TEST_F(GeometryState, ConstructionSetsInitialStateAndReadsSettings)
{
    Options({{"node factor", 9}, {"screen red", 17}});
    CGeometry geo;
    const int zeros[] = {geo.m_nodeTable.GetRows(), geo.m_memberTable.GetRows(),
                         geo.m_memberLine.GetRows(), geo.m_auxTable.GetRows(),
                         geo.m_selNodeFrom, geo.m_selNodeTo, geo.m_selMemberFrom,
                         geo.m_selMemberTo, geo.m_activeTable, geo.m_viewMode};
    for (int z : zeros)
        EXPECT_EQ(z, 0);
    EXPECT_EQ(geo.m_hostFlag, 1);
    EXPECT_FALSE(geo.m_geometryChanged || geo.m_modelChanged);
    EXPECT_NE(geo.m_quadric, nullptr);
    EXPECT_EQ(geo.m_nodeOptions.m_nodeFactor, 9);
    EXPECT_EQ(geo.m_viewOptions.m_screenRed, 17);
    EXPECT_EQ(geo.m_memberOptions.m_memberLineGreen, 255); // default

    // LoadLibraryA picks up a changed file again.
    Options({{"member line green", 12}, {"load scale", 3}});
    geo.LoadLibraryA();
    EXPECT_EQ(geo.m_memberOptions.m_memberLineGreen, 12);
    EXPECT_EQ(geo.m_loadOptions.m_loadScale, 3.0);
    EXPECT_NE(geo.m_quadric, nullptr);
}

TEST_F(GeometryState, UnitFactorsAreReadAfreshEveryCall)
{
    CGeometry geo;
    const std::pair<const char*, double> lengths[] = {
        {"mm", 1000}, {"cm", 100}, {"m", 1}, {"Km", 0.001}, {"in", 39.37}, {"ft", 3.281},
        {"MM", 1}, {"Undefine ", 1}, {"", 1}};
    for (const auto& l : lengths) {
        SetUnits(l.first, "Kg");
        EXPECT_EQ(geo.GetLengthFactor(), l.second) << l.first;
    }
    const std::pair<const char*, double> forces[] = {
        {"T", 0.001}, {"Kg", 1}, {"kip", 0.002205}, {"P", 2.205}, {"MN", 0.00000981},
        {"kN", 0.00981}, {"N", 9.81}, {"kn", 1}, {"KG", 1}};
    for (const auto& f : forces) {
        SetUnits("m", f.first);
        EXPECT_EQ(geo.GetForceFactor(), f.second) << f.first;
    }
    SetUnits("ft", "Kg");
    EXPECT_DOUBLE_EQ(geo.GetAreaFactor(), 3.281 * 3.281);
    EXPECT_DOUBLE_EQ(geo.GetInertiaFactor(), std::pow(3.281, 4));
    SetUnits("mm", "kN");
    EXPECT_DOUBLE_EQ(geo.GetMomentFactor(), 9.81);
    EXPECT_DOUBLE_EQ(geo.GetStressFactor(), 0.00981 / 1.0e6);
    SetUnits("cm", "N");
    EXPECT_DOUBLE_EQ(geo.GetStressFactor(), 9.81 / 1.0e4);
    EXPECT_DOUBLE_EQ(geo.GetMomentFactor(), 981.0);
}

TEST_F(GeometryState, UpdateNodeRelabelsAndWritesNodeCount)
{
    CGeometry geo;
    geo.m_nodeTable.SetSize(12, 9);
    geo.UpdateNode();
    const auto& labels = geo.m_nodeOptions.m_nodeLabels;
    ASSERT_EQ(labels.size(), 13u);
    EXPECT_EQ(labels[0] + "|" + labels[1] + "|" + labels[12], "|1|12");
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 12);
    EXPECT_NE(testsupport::TempDir::Read(dir.Ini()).find("Node =12"), std::string::npos);

    geo.m_nodeTable.DeleteRow(12);
    geo.UpdateNode();
    EXPECT_EQ(labels.size(), 12u);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 11);
}

TEST_F(GeometryState, UpdateMemberFillsMemberLinesAndWritesElementCount)
{
    CGeometry geo;
    SetNodes(geo, {{0, 0, 0}, {4, 0, 0}, {0, 6, -2}});
    SetMembers(geo, {{1, 2}, {2.9, 3}}); // 2.9 is read as node 2
    geo.UpdateMember();
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", " Element ", -1), 2);
    ASSERT_EQ(geo.m_memberLine.GetRows(), 2);
    const double row2[9] = {4, 0, 0, 0, 6, -2, 2, 3, -1};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(geo.m_memberLine(2, c), row2[c - 1]) << c;
    EXPECT_EQ(geo.m_memberLine(1, 7), 2.0);
    ASSERT_EQ(geo.m_memberOptions.m_memberLabels.size(), 3u);
    EXPECT_EQ(geo.m_memberOptions.m_memberLabels[1], "1");

    // A missing end node reads the spare slot.
    SetNodes(geo, {{2, 0, 0}});
    geo.m_nodeTable(0, 0) = 0.5;
    SetMembers(geo, {{1, 7}});
    geo.UpdateMember();
    EXPECT_EQ(geo.m_memberLine(1, 4), 0.5);
    EXPECT_EQ(geo.m_memberLine(1, 5), 0.5);
    EXPECT_EQ(geo.m_memberLine(1, 7), 1.25);
}

TEST_F(GeometryState, UpdatePropertyLabelsTruncatedGroupNumbers)
{
    CGeometry geo;
    SetMembers(geo, {{0, 0, 0, 0, 0, 0, 2}, {0, 0, 0, 0, 0, 0, 3.8}, {0, 0, 0, 0, 0, 0, -1.5}});
    geo.UpdateProperty();
    EXPECT_EQ(geo.m_memberOptions.m_propertyLabels, (std::vector<std::string>{"", "2", "3", "-1"}));
}

TEST_F(GeometryState, PrintHandsACopyToTheMatrixViewer)
{
    static CdMatrix shown;
    static std::string title;
    auto previous = CGeometry::SetMatrixViewerHook([](const CdMatrix& m, const std::string& t) {
        shown = m;
        title = t;
    });
    CGeometry geo;
    CdMatrix k(2, 2);
    k(1, 2) = 7.5;
    geo.Print(k);
    EXPECT_EQ(title, "Print matrix");
    EXPECT_EQ(shown(1, 2), 7.5);
    CGeometry::SetMatrixViewerHook(previous);
}
