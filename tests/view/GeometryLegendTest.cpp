// The readable result pictures: the force diagram lists built in one draw
// per member are what the strip-by-strip drawing sent, the largest value is
// written at its member end, the legend text reaches OpenGL, and the
// displaced shape is drawn at 5 % of the model without a "disp factor".
#include "ViewTestSupport.h"

#include <numeric>

using namespace viewtest;

namespace {

class GeometryLegend : public ViewFixture {
protected:
    // Nodes (0,0,0), (4,0,0), (4,0,3); member 1 along X, member 2 up Z;
    // local axes from the "dcos" file (member 1: X, Y, Z; member 2: Z, Y, -X).
    bool Start(CGeometry& geo)
    {
        ProjectKey("File location ", dir.Folder());
        ProjectKey("Project name ", "P");
        ProjectKey("DOF ", "6");
        ProjectKey("Element Type ", "Frame3D");
        ProjectKey("Current Force ", "kN");
        ProjectKey("Current Length ", "m");
        ProjectKey("LOADS CASE ", "1");
        EXPECT_TRUE(Table(3, 3, {{1, 1, 1}, {2, 2, 1}, {3, 3, 1}}).SaveRecord(1, dir.Folder() + "dcos"));
        EXPECT_TRUE(Table(3, 3, {{1, 3, 1}, {2, 2, 1}, {3, 1, -1}}).SaveRecord(2, dir.Folder() + "dcos"));
        if (!StartView(geo))
            return false;
        SetNodes(geo, {{0, 0, 0}, {4, 0, 0}, {4, 0, 3}}, 0.0);
        SetMembers(geo, {{1, 2, 4}, {2, 3, 3}});
        geo.RenderMember();
        return true;
    }

    // Every component non-zero at both ends; Mz largest at member 2's start.
    static CdMatrix Forces()
    {
        CdMatrix f(2, 12);
        for (int k = 1; k <= 2; ++k)
            for (int c = 1; c <= 12; ++c)
                f(k, c) = (c % 2 ? 1.0 : -1.0) * (k + c);
        f(2, 6) = -1000.0; // stored units (kg-force)
        return f;
    }

    // The strips as they were drawn one by one: a matrix push, translate
    // and one quadrilateral each.
    static void ReferenceDiagram(GLuint list, const CGeometry& geo, const CdMatrix& f, int c,
                                 int red, int green, int blue, double scale)
    {
        const Vec3 axes[2][2] = {{{1, 0, 0}, {0, 1, 0}}, {{0, 0, 1}, {0, 1, 0}}};
        double largest = 0;
        for (int k = 1; k <= 2; ++k)
            largest = std::max({largest, std::fabs(f(k, c)), std::fabs(f(k, 6 + c))});
        glNewList(list, GL_COMPILE);
        for (int k = 1; k <= 2; ++k) {
            const Vec3 p1 = NodeAt(geo, int(geo.m_memberTable(k, 1)));
            const Vec3 p2 = NodeAt(geo, int(geo.m_memberTable(k, 2)));
            const double length = glyph::Norm(p2 - p1), h = length / 20;
            glPassThrough(GLfloat(k));
            for (int j = 1; j <= 20; ++j) {
                const auto s = glyph::MakeDiagramStrip(p1, axes[k - 1][0], axes[k - 1][1],
                                                       scale / largest, f(k, c), f(k, 6 + c), length, h, j);
                glPushMatrix();
                glTranslated(s.origin.x, s.origin.y, s.origin.z);
                glBegin(GL_QUADS);
                glColor3d(1, 1, 1);
                glVertex3d(s.corner[0].x, s.corner[0].y, s.corner[0].z);
                glColor3d(red / 255.0, green / 255.0, blue / 255.0);
                glVertex3d(s.corner[1].x, s.corner[1].y, s.corner[1].z);
                glVertex3d(s.corner[2].x, s.corner[2].y, s.corner[2].z);
                glColor3d(1, 1, 1);
                glVertex3d(s.corner[3].x, s.corner[3].y, s.corner[3].z);
                glEnd();
                glPopMatrix();
            }
        }
        glEndList();
    }

    static size_t Characters(const std::vector<std::string>& lines)
    {
        return std::accumulate(lines.begin(), lines.end(), size_t(0),
                               [](size_t n, const std::string& s) { return n + s.size(); });
    }
};

} // namespace

TEST_F(GeometryLegend, DiagramListsMatchTheStripByStripDrawing)
{
    Options({{"Member Fy scale", 2}, {"Member Mz scale", 3}});
    OptionRgb("Member Fy", 10, 200, 30);
    OptionRgb("Member Mz", 250, 0, 90);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    const CdMatrix f = Forces();
    geo.UpdateMemberForec(f);
    const struct { int c; int r, g, b; double scale; } cases[] = {{2, 10, 200, 30, 2}, {6, 250, 0, 90, 3}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.c);
        ReferenceDiagram(90, geo, f, k.c, k.r, k.g, k.b, k.scale);
        const Records expected = FeedbackOfList(90);
        const Records actual = FeedbackOfList(GLuint(CGeometry::ListMemberFx + k.c - 1));
        ASSERT_EQ(actual.size(), expected.size());
        ASSERT_EQ(Of(actual, GL_POLYGON_TOKEN).size(), 80u);
        for (size_t i = 0; i < actual.size(); ++i) {
            ASSERT_EQ(actual[i].token, expected[i].token) << i;
            EXPECT_EQ(actual[i].value, expected[i].value) << i;
            ASSERT_EQ(actual[i].vertices.size(), expected[i].vertices.size()) << i;
            for (size_t v = 0; v < actual[i].vertices.size(); ++v) {
                ExpectNear(At(actual[i].vertices[v]), At(expected[i].vertices[v]), 1e-5);
                ExpectColour(actual[i].vertices[v], ColourOf(expected[i].vertices[v]));
            }
        }
    }
}

TEST_F(GeometryLegend, LargestValueAtItsMemberEndAndLegendTextReachOpenGL)
{
    Option("Member Mz scale", 2);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.UpdateMemberForec(Forces());

    // Mz: -1000 kgf.m at member 2's start = -9.81 kN.m, written there.
    const std::vector<std::string> mz = {"Mz [kN.m]  load case 1", "scale: 2 m = 9.81 kN.m",
                                         "largest |Mz| at member 2, start: -9.81 kN.m"};
    EXPECT_EQ(geo.m_diagramLegend[5], mz);
    const Records label = FeedbackOfList(CGeometry::ListLabelMz);
    const Records bitmaps = Of(label, GL_BITMAP_TOKEN);
    EXPECT_EQ(bitmaps.size(), std::string("max -9.81").size()) << testsupport::Describe(label);
    ASSERT_FALSE(bitmaps.empty());
    ExpectNear(At(bitmaps[0].vertices[0]), {4, 0, 0}); // member 2 starts at node 2

    // End values on demand: two more labels per member.
    geo.m_showEndValues = true;
    geo.UpdateDiagramLabels(Forces());
    EXPECT_GT(Of(FeedbackOfList(CGeometry::ListLabelMz), GL_BITMAP_TOKEN).size(), bitmaps.size() + 4 * 2);

    // The legend of the shown component, one bitmap per character.
    geo.m_viewMode = CGeometry::ModeForces;
    geo.m_forceComponent = CGeometry::ForceMz;
    const Records legend = testsupport::CaptureFeedback([&] { geo.RenderLegend(kWidth, kHeight); });
    EXPECT_EQ(Of(legend, GL_BITMAP_TOKEN).size(), Characters(mz));
    geo.m_forceComponent = CGeometry::ForceFx;
    EXPECT_EQ(geo.m_diagramLegend[0].at(0), "Fx [kN]  load case 1");
}

TEST_F(GeometryLegend, DisplacedShapeAtFivePercentOfTheModelUnlessDispFactorIsSet)
{
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    // Largest translation 0.01 m at node 3; the model is 4 m wide.
    geo.UpdateDisp(Table(3, 6, {{2, 1, 0.004}, {3, 2, 0.01}}));
    auto lines = testsupport::Lines(FeedbackOfList(CGeometry::ListDisplacedShape));
    ASSERT_EQ(lines.size(), 2u);
    ExpectNear(At(lines[1].vertices[1]), {4, 0.2, 3});
    EXPECT_EQ(geo.m_displacedLegend,
              (std::vector<std::string>{"Displaced shape  load case 1",
                                        "scale: x 20 (largest drawn at 5 % of the model)",
                                        "max translation 0.01 m at node 3"}));
    geo.m_viewMode = CGeometry::ModeDisplaced;
    const Records legend = testsupport::CaptureFeedback([&] { geo.RenderLegend(kWidth, kHeight); });
    EXPECT_EQ(Of(legend, GL_BITMAP_TOKEN).size(), Characters(geo.m_displacedLegend));

    Option("disp factor", 2);
    geo.LoadLibraryA();
    geo.UpdateDisp(Table(3, 6, {{2, 1, 0.004}, {3, 2, 0.01}}));
    lines = testsupport::Lines(FeedbackOfList(CGeometry::ListDisplacedShape));
    ASSERT_EQ(lines.size(), 2u);
    ExpectNear(At(lines[1].vertices[1]), {4, 2, 3});
    EXPECT_EQ(geo.m_displacedLegend.at(1), "scale: x 200 (disp factor 2 m)");
}
