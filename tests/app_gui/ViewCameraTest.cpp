// The view camera's arithmetic: standard directions, fitting and steps.
#include <gtest/gtest.h>

#include <cmath>

#include "ViewCamera.h"

namespace {

// Eye-space position of a model point (w = 1) or direction (w = 0).
void ToEye(const ViewCamera& camera, const double p[3], double out[3], double w = 0)
{
    double m[16];
    camera.ModelViewMatrix(m);
    for (int r = 0; r < 3; ++r)
        out[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r] * w;
}

CdMatrix Box()
{
    // Two nodes: (0, 0, 0) and (6, 8, 0): centre (3, 4, 0), radius 5.
    CdMatrix nodes(2, 9);
    nodes(2, 1) = 6;
    nodes(2, 2) = 8;
    return nodes;
}

} // namespace

TEST(ViewCamera, StandardViewsLookAlongTheirAxes)
{
    ViewCamera camera;
    double eye[3];
    const double diagonal[3] = {1, 1, 1};
    camera.SetStandard(ViewCamera::Isometric);
    ToEye(camera, diagonal, eye);
    EXPECT_NEAR(eye[0], 0.0, 1e-12);
    EXPECT_NEAR(eye[1], 0.0, 1e-12);
    EXPECT_NEAR(eye[2], std::sqrt(3.0), 1e-12); // towards the viewer
    const double up[3] = {0, 1, 0};
    ToEye(camera, up, eye);
    EXPECT_GT(eye[1], 0.8); // Y stays up on the screen

    // Each axis view looks along its axis: the axis points at the viewer.
    const double axes[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const ViewCamera::Standard views[3] = {ViewCamera::ViewX, ViewCamera::ViewY, ViewCamera::ViewZ};
    for (int k = 0; k < 3; ++k) {
        camera.SetStandard(views[k]);
        ToEye(camera, axes[k], eye);
        EXPECT_NEAR(eye[2], 1.0, 1e-12) << "view " << k;
    }
}

TEST(ViewCamera, FitPutsTheBoundingSphereInsideTheFieldOfView)
{
    double centre[3], radius = 0;
    ViewCamera::BoundingSphere(Box(), centre, &radius);
    EXPECT_DOUBLE_EQ(centre[0], 3.0);
    EXPECT_DOUBLE_EQ(centre[1], 4.0);
    EXPECT_DOUBLE_EQ(radius, 5.0);

    ViewCamera camera;
    camera.pan[0] = 7;
    camera.Fit(Box(), 2.0, 1.0);
    EXPECT_EQ(camera.pan[0], 0.0);
    // Radius 6 in a 45 degree vertical field (the narrower one at aspect 2).
    EXPECT_NEAR(camera.distance, 6.0 / std::sin(22.5 * M_PI / 180), 1e-9);
    double eye[3];
    ToEye(camera, centre, eye, 1);
    EXPECT_NEAR(eye[0], 0.0, 1e-9);
    EXPECT_NEAR(eye[1], 0.0, 1e-9);
    EXPECT_NEAR(eye[2], -camera.distance, 1e-9);

    // Portrait: the horizontal field decides.
    camera.Fit(Box(), 0.5, 0.0);
    const double halfH = std::atan(std::tan(22.5 * M_PI / 180) * 0.5);
    EXPECT_NEAR(camera.distance, 5.0 / std::sin(halfH), 1e-9);

    // An empty model still gets a usable camera.
    camera.Fit(CdMatrix(), 1.0, 0.0);
    EXPECT_GT(camera.distance, 0.0);
    EXPECT_TRUE(std::isfinite(camera.distance));
}

TEST(ViewCamera, StepsTurnAndMoveTheModel)
{
    ViewCamera camera;
    camera.SetStandard(ViewCamera::ViewZ);
    camera.Rotate(0, 90, 0); // the model turns 90 degrees about Y
    double eye[3];
    const double x[3] = {1, 0, 0};
    ToEye(camera, x, eye);
    EXPECT_NEAR(eye[2], -1.0, 1e-12);

    camera.SetStandard(ViewCamera::ViewZ);
    const double origin[3] = {0, 0, 0};
    double before[3], after[3];
    ToEye(camera, origin, before, 1);
    camera.Translate(2, 0, 0); // the model moves 2 along X
    ToEye(camera, origin, after, 1);
    EXPECT_NEAR(after[0] - before[0], 2.0, 1e-12);

    camera.scale[1] = 3;
    const double y[3] = {0, 1, 0};
    ToEye(camera, y, eye);
    EXPECT_NEAR(eye[1], 3.0, 1e-12);

    const double d = camera.distance;
    camera.Zoom(0.5);
    EXPECT_DOUBLE_EQ(camera.distance, d * 0.5);
    camera.Zoom(-1); // refused
    EXPECT_DOUBLE_EQ(camera.distance, d * 0.5);
}
