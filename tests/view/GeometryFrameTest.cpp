// One whole frame through the offscreen surface: the host's paint steps
// (clear, view transform, Rendering) and the pixels that come out.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "platform/Profile.h"
#include "support/GlFixture.h"
#include "support/GlPixels.h"
#include "support/TempDir.h"
#include "view/Geometry.h"

using testsupport::Rgba;

namespace {

class GeometryFrame : public testsupport::GlFixture {
protected:
    testsupport::TempDir dir;
};

void Option(const std::string& key, int value)
{
    platform::Profile::WriteString("OPTION", key, std::to_string(value));
}

// Window position of a model point under the current matrices.
void Project(double x, double y, double z, int* wx, int* wy)
{
    GLdouble model[16], proj[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble px = 0, py = 0, pz = 0;
    gluProject(x, y, z, model, proj, viewport, &px, &py, &pz);
    *wx = static_cast<int>(std::floor(px));
    *wy = static_cast<int>(std::floor(py));
}

} // namespace

TEST_F(GeometryFrame, NodesMembersAndHighlightLandWhereTheyProject)
{
    Option("node coordinate red", 255);
    Option("node coordinate green", 0);
    Option("node coordinate blue", 255);
    Option("node number show", 0);
    Option("member number show", 0);
    Option("screen red", 0);
    Option("screen green", 0);
    Option("screen blue", 64);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));

    geo.m_nodeTable.SetSize(4, 9);
    const double xyz[4][3] = {{-1, -1, 0}, {1, 1, 0}, {1, -1, 0}, {-1, 1, -1}};
    for (int i = 1; i <= 4; ++i)
        for (int c = 1; c <= 3; ++c)
            geo.m_nodeTable(i, c) = xyz[i - 1][c - 1];
    for (int i = 1; i <= 4; ++i)
        for (int c = 4; c <= 9; ++c)
            geo.m_nodeTable(i, c) = 1.0;
    geo.m_memberTable.SetSize(1, 8);
    geo.m_memberTable(1, 1) = 1;
    geo.m_memberTable(1, 2) = 2;
    geo.UpdateNode();
    geo.UpdateMember();
    geo.m_selNodeFrom = geo.m_selNodeTo = 4;
    geo.OnSelSelectNode();

    // The host's paint: clear, its view transform, Rendering.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(0.0, 0.0, -8.0);
    geo.m_viewMode = 0;
    geo.Rendering();
    const testsupport::PixelImage image = testsupport::ReadViewport();
    ASSERT_EQ(image.width, kWidth);

    const Rgba nodeColour{255, 0, 255, 255};
    for (int i = 1; i <= 3; ++i) {
        int wx = 0, wy = 0;
        Project(xyz[i - 1][0], xyz[i - 1][1], xyz[i - 1][2], &wx, &wy);
        const Rgba seen = image.At(wx, wy);
        EXPECT_EQ(seen[0], 255) << "node " << i << " at " << wx << "," << wy;
        EXPECT_EQ(seen[1], 0) << "node " << i;
        EXPECT_EQ(seen[2], 255) << "node " << i;
    }
    // The highlighted node is red: list 3 comes first and the depth test
    // lets the node colour through only where it is strictly nearer.
    int hx = 0, hy = 0;
    Project(-1, 1, -1, &hx, &hy);
    EXPECT_EQ(image.At(hx, hy)[0], 255);
    EXPECT_EQ(image.At(hx, hy)[1], 0);
    EXPECT_EQ(image.At(hx, hy)[2], 0);

    // The member line (default cyan) passes through the origin, the centre.
    int cx = 0, cy = 0;
    Project(0, 0, 0, &cx, &cy);
    bool cyan = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const Rgba p = image.At(cx + dx, cy + dy);
            cyan = cyan || (p[0] == 0 && p[1] == 255 && p[2] == 255);
        }
    EXPECT_TRUE(cyan);

    // The node points cover 6 x 6 pixels each (the member line may take a
    // few where it meets nodes 1 and 2); the rest is background.
    const int nodePixels = image.CountMatching(nodeColour);
    EXPECT_LE(nodePixels, 3 * 36);
    EXPECT_GE(nodePixels, 3 * 36 - 12);
    const Rgba corner = image.At(2, 2);
    EXPECT_EQ(corner[0], 0);
    EXPECT_EQ(corner[1], 0);
    EXPECT_EQ(corner[2], 64);
}
