// The view camera's arithmetic: standard directions, fitting and steps.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "ViewCamera.h"

namespace {

using Vec = std::array<double, 3>;

// Eye-space position of a model point (w = 1) or direction (w = 0).
Vec Eye(const ViewCamera& camera, const Vec& p, double w = 0)
{
    double m[16];
    camera.ModelViewMatrix(m);
    Vec out;
    for (int r = 0; r < 3; ++r)
        out[size_t(r)] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r] * w;
    return out;
}

void ExpectNear(const Vec& a, const Vec& b, const char* what)
{
    for (size_t k = 0; k < 3; ++k)
        EXPECT_NEAR(a[k], b[k], 1e-9) << what << " " << k;
}

} // namespace

TEST(ViewCamera, StandardViewsLookAlongTheirAxesAndStepsTurnAndMoveTheModel)
{
    ViewCamera camera;
    camera.SetStandard(ViewCamera::Isometric);
    ExpectNear(Eye(camera, {1, 1, 1}), {0, 0, std::sqrt(3.0)}, "diagonal towards the viewer");
    EXPECT_GT(Eye(camera, {0, 1, 0})[1], 0.8); // Y stays up on the screen
    // Each axis view looks along its axis: the axis points at the viewer.
    const ViewCamera::Standard views[3] = {ViewCamera::ViewX, ViewCamera::ViewY, ViewCamera::ViewZ};
    for (size_t k = 0; k < 3; ++k) {
        camera.SetStandard(views[k]);
        Vec axis{0, 0, 0};
        axis[k] = 1;
        EXPECT_NEAR(Eye(camera, axis)[2], 1.0, 1e-12) << "view " << k;
    }
    camera.SetStandard(ViewCamera::ViewZ);
    camera.Rotate(0, 90, 0); // the model turns 90 degrees about Y
    EXPECT_NEAR(Eye(camera, {1, 0, 0})[2], -1.0, 1e-12);
    camera.SetStandard(ViewCamera::ViewZ);
    const Vec before = Eye(camera, {0, 0, 0}, 1);
    camera.Translate(2, 0, 0); // the model moves 2 along X
    EXPECT_NEAR(Eye(camera, {0, 0, 0}, 1)[0] - before[0], 2.0, 1e-12);
    camera.scale[1] = 3;
    EXPECT_NEAR(Eye(camera, {0, 1, 0})[1], 3.0, 1e-12);
    const double d = camera.distance;
    camera.Zoom(0.5);
    EXPECT_DOUBLE_EQ(camera.distance, d * 0.5);
    camera.Zoom(-1); // refused
    EXPECT_DOUBLE_EQ(camera.distance, d * 0.5);
}

TEST(ViewCamera, FitPutsTheBoundingSphereInsideTheFieldOfView)
{
    CdMatrix box(2, 9); // (0, 0, 0) and (6, 8, 0): centre (3, 4, 0), radius 5
    box(2, 1) = 6;
    box(2, 2) = 8;
    Vec centre;
    double radius = 0;
    ViewCamera::BoundingSphere(box, centre.data(), &radius);
    ExpectNear(centre, {3, 4, 0}, "centre");
    EXPECT_DOUBLE_EQ(radius, 5.0);
    ViewCamera camera;
    camera.pan[0] = 7;
    camera.Fit(box, 2.0, 1.0);
    EXPECT_EQ(camera.pan[0], 0.0);
    // Radius 6 in a 45 degree vertical field (the narrower one at aspect 2).
    EXPECT_NEAR(camera.distance, 6.0 / std::sin(22.5 * M_PI / 180), 1e-9);
    ExpectNear(Eye(camera, centre, 1), {0, 0, -camera.distance}, "centre in front of the eye");
    // Portrait: the horizontal field decides.
    camera.Fit(box, 0.5, 0.0);
    EXPECT_NEAR(camera.distance, 5.0 / std::sin(std::atan(std::tan(22.5 * M_PI / 180) * 0.5)), 1e-9);
    // An empty model still gets a usable camera.
    camera.Fit(CdMatrix(), 1.0, 0.0);
    EXPECT_TRUE(camera.distance > 0.0 && std::isfinite(camera.distance));
}
