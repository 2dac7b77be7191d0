// The numbers behind load glyphs, force diagrams, the displaced shape and
// member local axes, checked without an OpenGL context.
#include "view/GlyphMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using glyph::Vec3;

TEST(GlyphMath, LoadDigitsAndGlyphSizeFollowTheWholePartAsPrinted)
{
    // {load, printed digits of its whole part}; "-0.4" truncates to "0";
    // 1e20 is beyond 64-bit integers and must not overflow.
    const std::pair<double, int> digits[] = {{5, 1}, {250, 3}, {-250, 4}, {9, 1}, {-9, 2},
                                             {0.4, 1}, {-0.4, 1}, {99.99, 2}, {-1000.5, 5},
                                             {1e12, 13}, {1e20, 21}};
    for (const auto& d : digits)
        EXPECT_EQ(glyph::LoadDigits(d.first), d.second) << d.first;
    // {load, scale, digits x scale / 10}
    const double sizes[][3] = {{5, 1, 0.1}, {250, 1, 0.3}, {-250, 1, 0.4},
                               {250, 3, 0.9}, {9, 2, 0.2},  {-9, 2, 0.4}};
    for (const auto& z : sizes)
        EXPECT_DOUBLE_EQ(glyph::GlyphSize(z[0], z[1]), z[2]) << z[0] << " at " << z[1];
    EXPECT_EQ(glyph::LoadLabel(0.4, 1.0), "0.4");
    EXPECT_EQ(glyph::LoadLabel(250, 9.81), "2.45e+03");
    EXPECT_EQ(glyph::LoadLabel(-250, 0.001), "-0.25");
    EXPECT_EQ(glyph::LoadLabel(12345, 1.0), "1.23e+04");
}

TEST(GlyphMath, ArcHasTwentySevenPointsEndingAt455)
{
    int count = 0;
    double last = -1;
    for (int k = 0; glyph::ArcParameter(k) <= glyph::kArcLimit; ++k) {
        last = glyph::ArcParameter(k);
        ++count;
    }
    EXPECT_EQ(count, glyph::kArcPoints);
    EXPECT_NEAR(last, glyph::kArcHeadEnd, 1e-12);
}

TEST(GlyphMath, DiagramOrdinateIsLinearBetweenScaledEnds)
{
    EXPECT_DOUBLE_EQ(glyph::DiagramOrdinate(0.5, 10, -20, 0, 4), 5);
    EXPECT_DOUBLE_EQ(glyph::DiagramOrdinate(0.5, 10, -20, 4, 4), -10);
    EXPECT_DOUBLE_EQ(glyph::DiagramOrdinate(0.5, 10, -20, 2, 4), -2.5);
}

TEST(GlyphMath, DiagramStripCornersFollowWhiteColourColourWhite)
{
    const Vec3 p1{1, 2, 3}, e1{0, 1, 0}, e2{0, 0, 1};
    // member of length 4 in 4 stations, s = 0.1, F1 = 10, F2 = 50
    const glyph::DiagramStrip strip = glyph::MakeDiagramStrip(p1, e1, e2, 0.1, 10, 50, 4, 1, 2);
    EXPECT_DOUBLE_EQ(strip.origin.y, 3);  // P1 + 1 * e1
    EXPECT_DOUBLE_EQ(strip.corner[0].z, 0);
    EXPECT_DOUBLE_EQ(strip.corner[1].z, 2);  // y(1) = 1 + 4 * 1/4
    EXPECT_DOUBLE_EQ(strip.corner[2].z, 3);  // y(2)
    EXPECT_DOUBLE_EQ(strip.corner[2].y, 1);  // + h * e1
    EXPECT_DOUBLE_EQ(strip.corner[3].y, 1);
    EXPECT_DOUBLE_EQ(strip.corner[3].z, 0);
}

TEST(GlyphMath, DisplacementScaleMapsLargestToFactorAndRefusesZero)
{
    EXPECT_DOUBLE_EQ(glyph::DisplacementScale(2.0, 0.004), 500.0);
    // 1e-320 would overflow to infinity.
    for (double dmax : {0.0, std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(), 1e-320})
        EXPECT_EQ(glyph::DisplacementScale(dmax == 1e-320 ? 1.0 : 2.0, dmax), 0.0) << dmax;
}

TEST(GlyphMath, LocalAxesAreRightHandedAndAThirdOfTheStoredLength)
{
    Vec3 t[3];
    // member along X of length 6, K above the start in +Y
    ASSERT_TRUE(glyph::MemberLocalAxes({0, 0, 0}, {6, 0, 0}, {0, 5, 0}, 6, t));
    EXPECT_NEAR(t[0].x, 2, 1e-12);
    EXPECT_NEAR(t[1].y, 2, 1e-12);  // axis 2 towards K
    EXPECT_NEAR(t[2].z, 2, 1e-12);  // axis 3 = 1 x 2
    EXPECT_NEAR(glyph::Norm(t[0]), 2, 1e-12);
    EXPECT_NEAR(glyph::Dot(t[0], t[1]), 0, 1e-12);
    EXPECT_NEAR(glyph::Dot(t[1], t[2]), 0, 1e-12);

    // vertical member, K along -X: axis 3 = (0,0,1) x (-1,0,0) = (0,-1,0)
    ASSERT_TRUE(glyph::MemberLocalAxes({1, 1, 0}, {1, 1, 3}, {-4, 1, 1}, 3, t));
    EXPECT_NEAR(t[0].z, 1, 1e-12);
    EXPECT_NEAR(t[2].y, -1, 1e-12);
    EXPECT_NEAR(t[1].x, -1, 1e-12);  // 3 x 1 = (0,-1,0) x (0,0,1) = (-1,0,0)

    // A negative stored length turns axes 1 and 3 back (T1 = (E - S) / Lm,
    // all times Lm / 3) and leaves axis 2 pointing away from K.
    ASSERT_TRUE(glyph::MemberLocalAxes({0, 0, 0}, {6, 0, 0}, {0, 5, 0}, -6, t));
    EXPECT_NEAR(t[0].x, 2, 1e-12);
    EXPECT_NEAR(t[1].y, -2, 1e-12);
    EXPECT_NEAR(t[2].z, 2, 1e-12);
}

TEST(GlyphMath, LocalAxesUndefinedForKOnTheLineOrZeroLength)
{
    Vec3 t[3];
    // K on the member, on its extension, at S; zero stored length.
    const std::pair<Vec3, double> bad[] = {{{3, 0, 0}, 6}, {{12, 0, 0}, 6}, {{0, 0, 0}, 6}, {{0, 1, 0}, 0}};
    for (const auto& b : bad)
        EXPECT_FALSE(glyph::MemberLocalAxes({0, 0, 0}, {6, 0, 0}, b.first, b.second, t)) << b.first.x;
    // K a hair off a long member's line still gives unit-free right-handed axes
    ASSERT_TRUE(glyph::MemberLocalAxes({0, 0, 0}, {6, 0, 0}, {3, 1e-6, 0}, 6, t));
    EXPECT_NEAR(t[1].y, 2, 1e-9);
}
