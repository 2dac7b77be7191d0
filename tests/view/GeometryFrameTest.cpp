// One whole frame through the offscreen surface: the host's paint steps
// (clear, view transform, Rendering) and the pixels that come out.
#include "ViewTestSupport.h"

#include <GL/glu.h>

using namespace viewtest;
using testsupport::Rgba;

namespace {

class GeometryFrame : public ViewFixture {};

// The pixel of a model point under the current matrices, and the RGB there.
Rgba PixelAt(const testsupport::PixelImage& image, const Vec3& p, int dx = 0, int dy = 0)
{
    GLdouble model[16], proj[16], wx = 0, wy = 0, wz = 0;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(p.x, p.y, p.z, model, proj, viewport, &wx, &wy, &wz);
    Rgba c = image.At(static_cast<int>(std::floor(wx)) + dx, static_cast<int>(std::floor(wy)) + dy);
    c[3] = 0;
    return c;
}

} // namespace

TEST_F(GeometryFrame, NodesMembersAndHighlightLandWhereTheyProject)
{
    OptionRgb("node coordinate", 255, 0, 255);
    OptionRgb("screen", 0, 0, 64);
    Options({{"node number show", 0}, {"member number show", 0}});
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    const std::vector<Vec3> xyz = {{-1, -1, 0}, {1, 1, 0}, {1, -1, 0}, {-1, 1, -1}};
    SetNodes(geo, xyz);
    SetMembers(geo, {{1, 2}});
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

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(PixelAt(image, xyz[size_t(i)]), (Rgba{255, 0, 255, 0})) << "node " << i + 1;
    // The highlighted node is red: list 3 comes first and the depth test
    // lets the node colour through only where it is strictly nearer.
    EXPECT_EQ(PixelAt(image, xyz[3]), (Rgba{255, 0, 0, 0}));
    // The member line (default cyan) passes through the origin, the centre.
    bool cyan = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            cyan = cyan || PixelAt(image, {0, 0, 0}, dx, dy) == Rgba{0, 255, 255, 0};
    EXPECT_TRUE(cyan);
    // The node points cover 6 x 6 pixels each (the member line may take a
    // few where it meets nodes 1 and 2); the rest is background.
    const int nodePixels = image.CountMatching({255, 0, 255, 255});
    EXPECT_LE(nodePixels, 3 * 36);
    EXPECT_GE(nodePixels, 3 * 36 - 12);
    Rgba corner = image.At(2, 2);
    corner[3] = 0;
    EXPECT_EQ(corner, (Rgba{0, 0, 64, 0}));
}
