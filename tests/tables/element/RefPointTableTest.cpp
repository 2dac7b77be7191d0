#include "ElementTestSupport.h"
#include "tables/EditWnd.h"
#include "tables/MSFlexGrid.h"
#include "tables/TablesTestSupport.h"
#include "tables/element/ElementBar2.h"
#include "tables/element/ElementPage2.h"
#include "tables/element/RefPointTable.h"

#include <array>
#include <cmath>
#include <vector>

using elementtest::ElementProject;
using tablestest::EditCell;
using tablestest::Key;
using tablestest::Type;

namespace {

class RefPoints : public testsupport::PageBarTable<ElementProject, CElementPage2, CElementBar2> {
protected:
    static void Point(int axis, std::array<double, 3> s, std::array<double, 3> e, double* p)
    {
        const double start[4] = {0, s[0], s[1], s[2]};
        const double end[4] = {0, e[0], e[1], e[2]};
        if (axis == 0)
            RefPointTable::GeneratePoint(start, end, p);
        else
            RefPointTable::ParallelPoint(axis, start, end, p);
    }
};

// Parallel X, Y, Z (axis 1..3) and Generate (axis 0), one case of each rule.
TEST_F(RefPoints, RulesPlaceThePointAgainstHandWorkedCases)
{
    const double l = std::sqrt(1.5);
    const struct {
        int axis;
        std::array<double, 3> start, end, point;
    } cases[] = {
        {1, {0, 0, 0}, {0, 10, 0}, {0, 0, 1}}, // along Y: up Z
        {1, {2, 3, 4}, {7, 3, 4}, {2, 3, 4}},  // along X: no projection, the start node
        {2, {1, 1, 1}, {1, 5, 21}, {-1, 1, 1}}, // projection (dz, dx) turned a quarter at a tenth
        {3, {0, 0, 0}, {30, 0, 5}, {0, 3, 0}},
        {0, {0, 0, 0}, {4, 0, 0}, {0, 4, 0}},   // dy = 0, then dz = 0 wins
        {0, {0, 0, 0}, {0, 0, 2}, {-2, 0, 0}},  // dx = 0 and dy = 0: the dy case last
        {0, {1, 1, 1}, {2, 2, 2}, {1 - l, 1 + l, 1}}, // no zero: in the x-y plane
    };
    for (const auto& c : cases) {
        double p[4];
        Point(c.axis, c.start, c.end, p);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(p[k + 1], c.point[k], 1e-9) << "axis " << c.axis << " end x " << c.end[0] << " coordinate " << k;
    }
    double p[4];
    Point(1, {0, 0, 0}, {0, 10, 0}, p);
    EXPECT_EQ(p[2], 0.0); // cos of the rounded quarter turn is below 1e-06
}

TEST_F(RefPoints, PageShowsStoredValuesAndBarDisplayUnits)
{
    SetProject("Frame3D", 6, "cm", "Kg");
    geo->m_nodeTable = Nodes({{0, 0, 0}, {0, 10, 0}});
    geo->m_memberTable = Members({{1, 2}});
    geo->m_memberTable(1, 4) = 1.5;
    CMSFlexGrid* grid = OpenPage();
    tablestest::ExpectCells(grid, {{0, 1, "  X (cm)"}, {1, 0, "      1"}, {1, 1, "1.500"}});
    EditCell(grid, 1, 2, "2.34567", true);
    EXPECT_EQ(grid->GetTextMatrix(1, 2), "2.346");
    EXPECT_DOUBLE_EQ(geo->m_memberTable(1, 5), 2.346);

    CMSFlexGrid* barGrid = OpenBar();
    EXPECT_EQ(barGrid->GetTextMatrix(1, 1), "150.000");
    GoTo(barGrid, 1, 3);
    Type(barGrid, "-12.345");
    EXPECT_EQ(bar->Editing()->Editor()->GetText(), "-12.345");
    Key(barGrid, Qt::Key_Return);
    EXPECT_EQ(barGrid->GetTextMatrix(1, 3), "-12.35");
    EXPECT_DOUBLE_EQ(geo->m_memberTable(1, 6), -0.1235);
    EXPECT_EQ(geo->m_activeTable, 0); // set by a press only
}

TEST_F(RefPoints, CommandsWorkOnTheOrderedSelection)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {0, 10, 0}, {4, 0, 0}});
    geo->m_memberTable = Members({{1, 2}, {1, 3}, {2, 3}});
    OpenBar();
    Select(2, 1);
    bar->OnParallelX();
    EXPECT_DOUBLE_EQ(geo->m_memberTable(1, 6), 1.0);
    EXPECT_EQ(geo->m_memberTable(3, 6), 0.0);
    EXPECT_EQ(bar->Grid()->GetTextMatrix(1, 3), "1.000");
    Select(2, 2);
    bar->OnGenerate();
    EXPECT_DOUBLE_EQ(geo->m_memberTable(2, 5), 4.0);
    EXPECT_TRUE(geo->m_modelChanged);
}

TEST_F(RefPoints, PrintoutListsThePointsInProjectUnits)
{
    FixDate();
    SetProject("Frame3D", 6, "mm", "Kg");
    geo->m_nodeTable = Line(2);
    geo->m_memberTable = Members({{1, 2}, {2, 1}});
    geo->m_memberTable(1, 4) = 0.25;
    geo->m_memberTable(2, 6) = -1.5;
    OpenPage();
    page->OnPrint();
    const std::string path = dir.Folder() + "reference point.txt";
    EXPECT_EQ(testsupport::TempDir::Read(path),
              tablestest::ReportHead("Member reference point") +
                  "Element\tX(mm)\tY(mm)\tZ(mm)\n"
                  "1\t250.000\t0.000\t0.000\n"
                  "2\t0.000\t0.000\t-1500.000\n");
    EXPECT_EQ(launches.attempted.at(0), "Notepad " + path);
}

} // namespace
