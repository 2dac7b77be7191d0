// Model state of CGeometry: initial values, settings, unit factors, label
// lists and the counts written back to the project.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/Profile.h"
#include "support/TempDir.h"
#include "view/Geometry.h"

namespace {

class GeometryState : public ::testing::Test {
protected:
    testsupport::TempDir dir;

    static void SetUnits(const std::string& length, const std::string& force)
    {
        platform::Profile::WriteString("KESTRA ", "Current Length ", length);
        platform::Profile::WriteString("KESTRA ", "Current Force ", force);
    }
};

} // namespace

TEST_F(GeometryState, ConstructionSetsInitialStateAndReadsSettings)
{
    platform::Profile::WriteString("OPTION", "node factor", "9");
    platform::Profile::WriteString("OPTION", "screen red", "17");
    CGeometry geo;
    EXPECT_EQ(geo.m_nodeTable.GetRows(), 0);
    EXPECT_EQ(geo.m_memberTable.GetRows(), 0);
    EXPECT_EQ(geo.m_memberLine.GetRows(), 0);
    EXPECT_EQ(geo.m_auxTable.GetRows(), 0);
    EXPECT_EQ(geo.m_selNodeFrom, 0);
    EXPECT_EQ(geo.m_selNodeTo, 0);
    EXPECT_EQ(geo.m_selMemberFrom, 0);
    EXPECT_EQ(geo.m_selMemberTo, 0);
    EXPECT_EQ(geo.m_activeTable, 0);
    EXPECT_EQ(geo.m_viewMode, 0);
    EXPECT_EQ(geo.m_hostFlag, 1);
    EXPECT_FALSE(geo.m_geometryChanged);
    EXPECT_FALSE(geo.m_modelChanged);
    EXPECT_NE(geo.m_quadric, nullptr);
    EXPECT_EQ(geo.m_nodeOptions.m_nodeFactor, 9);
    EXPECT_EQ(geo.m_viewOptions.m_screenRed, 17);
    EXPECT_EQ(geo.m_memberOptions.m_memberLineGreen, 255); // default

    // LoadLibraryA picks up a changed file again.
    platform::Profile::WriteString("OPTION", "member line green", "12");
    platform::Profile::WriteString("OPTION", "load scale", "3");
    geo.LoadLibraryA();
    EXPECT_EQ(geo.m_memberOptions.m_memberLineGreen, 12);
    EXPECT_EQ(geo.m_loadOptions.m_loadScale, 3.0);
    EXPECT_NE(geo.m_quadric, nullptr);
}

TEST_F(GeometryState, LengthAndForceFactorsPerUnit)
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
}

TEST_F(GeometryState, DerivedFactorsAreReadAfreshEveryCall)
{
    CGeometry geo;
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
    ASSERT_EQ(geo.m_nodeOptions.m_nodeLabels.size(), 13u);
    EXPECT_EQ(geo.m_nodeOptions.m_nodeLabels[0], "");
    EXPECT_EQ(geo.m_nodeOptions.m_nodeLabels[1], "1");
    EXPECT_EQ(geo.m_nodeOptions.m_nodeLabels[12], "12");
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 12);
    EXPECT_NE(testsupport::TempDir::Read(dir.Ini()).find("Node =12"), std::string::npos);

    geo.m_nodeTable.DeleteRow(12);
    geo.UpdateNode();
    EXPECT_EQ(geo.m_nodeOptions.m_nodeLabels.size(), 12u);
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "Node ", -1), 11);
}

TEST_F(GeometryState, UpdateMemberFillsMemberLinesAndWritesElementCount)
{
    CGeometry geo;
    geo.m_nodeTable.SetSize(3, 9);
    geo.m_nodeTable(2, 1) = 4.0;
    geo.m_nodeTable(3, 2) = 6.0;
    geo.m_nodeTable(3, 3) = -2.0;
    geo.m_memberTable.SetSize(2, 8);
    geo.m_memberTable(1, 1) = 1;
    geo.m_memberTable(1, 2) = 2;
    geo.m_memberTable(2, 1) = 2.9; // read as node 2
    geo.m_memberTable(2, 2) = 3;
    geo.UpdateMember();
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", " Element ", -1), 2);
    ASSERT_EQ(geo.m_memberLine.GetRows(), 2);
    const double row2[9] = {4, 0, 0, 0, 6, -2, 2, 3, -1};
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(geo.m_memberLine(2, c), row2[c - 1]) << c;
    EXPECT_EQ(geo.m_memberLine(1, 7), 2.0);
    ASSERT_EQ(geo.m_memberOptions.m_memberLabels.size(), 3u);
    EXPECT_EQ(geo.m_memberOptions.m_memberLabels[1], "1");
}

TEST_F(GeometryState, MemberNamingMissingNodeReadsTheSpareSlot)
{
    CGeometry geo;
    geo.m_nodeTable.SetSize(1, 9);
    geo.m_nodeTable(1, 1) = 2.0;
    geo.m_nodeTable(0, 0) = 0.5; // the spare slot
    geo.m_memberTable.SetSize(1, 8);
    geo.m_memberTable(1, 1) = 1;
    geo.m_memberTable(1, 2) = 7;
    geo.UpdateMember();
    EXPECT_EQ(geo.m_memberLine(1, 4), 0.5);
    EXPECT_EQ(geo.m_memberLine(1, 5), 0.5);
    EXPECT_EQ(geo.m_memberLine(1, 7), 1.25);
}

TEST_F(GeometryState, UpdatePropertyLabelsTruncatedGroupNumbers)
{
    CGeometry geo;
    geo.m_memberTable.SetSize(3, 8);
    geo.m_memberTable(1, 7) = 2;
    geo.m_memberTable(2, 7) = 3.8;
    geo.m_memberTable(3, 7) = -1.5;
    geo.UpdateProperty();
    const auto& labels = geo.m_memberOptions.m_propertyLabels;
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0], "");
    EXPECT_EQ(labels[1], "2");
    EXPECT_EQ(labels[2], "3");
    EXPECT_EQ(labels[3], "-1");
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
