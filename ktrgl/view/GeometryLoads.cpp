// CGeometry: node load glyphs of the active load case, display lists 7 to 12.
// A force is a straight arrow from its node along the component's global
// axis, a moment an open arc of about 260 degrees around it; both carry an
// arrowhead and the value in the project's units. The glyph size depends
// only on how many characters the load's whole part prints with.
#include "view/Geometry.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "view/GlyphMath.h"

namespace {

inline void Colour(int red, int green, int blue)
{
    glColor3d(red / 255.0, green / 255.0, blue / 255.0);
}

struct Turn {
    double angle;
    double x, y, z;
};

} // namespace

// A force component: its list and column, the unit direction of its global
// axis, and for each sign the label position beyond the head and the turn
// that lays the arrowhead's +Z along the arrow.
struct CGeometry::ForceGlyph {
    GLuint list;
    int column;
    int show;
    int red, green, blue;
    glyph::Vec3 axis;
    glyph::Vec3 labelPositive, labelNegative;
    Turn headPositive, headNegative;
};

// A moment component: its list and column, the arc in the plane normal to
// its axis, and for each sign the arc point carrying the head and the turns
// (applied in order) that lay the head tangent to the arc.
struct CGeometry::MomentGlyph {
    GLuint list;
    int column;
    int show;
    int red, green, blue;
    glyph::Vec3 (*arcPoint)(double t, double radius);
    double headTPositive, headTNegative;
    Turn positive[2];
    int positiveTurns;
    Turn negative[2];
    int negativeTurns;
};

namespace {

// Arc planes: Mx runs from +Y towards +Z, My from +X towards +Z, Mz from +Y
// towards +X.
glyph::Vec3 ArcX(double t, double r) { return {0.0, r * std::cos(t), r * std::sin(t)}; }
glyph::Vec3 ArcY(double t, double r) { return {r * std::cos(t), 0.0, r * std::sin(t)}; }
glyph::Vec3 ArcZ(double t, double r) { return {r * std::sin(t), r * std::cos(t), 0.0}; }

const double kHeadEnd = glyph::ArcParameter(glyph::kArcPoints - 1); // 4.55

} // namespace

void CGeometry::UpdateLoad(CdMatrix loads)
{
    loads.Chop(9);
    CreateLoadFx(loads);
    CreateLoadFy(loads);
    CreateLoadFz(loads);
    CreateLoadMx(loads);
    CreateLoadMy(loads);
    CreateLoadMz(loads);
    glDeleteLists(ListRefPoints, 1);
}

void CGeometry::DrawLoadHead()
{
    gluQuadricNormals(m_quadric, GLU_NONE);
    gluCylinder(m_quadric, glyph::kHeadRadius, 0.0, glyph::kHeadLength, 2, 1);
}

void CGeometry::CreateLoadFx(CdMatrix loads)
{
    const COptionPage3& o = m_loadOptions;
    const ForceGlyph g{7, 1, o.m_fxLineShow, o.m_fxRed, o.m_fxGreen, o.m_fxBlue,
                       {1, 0, 0}, {0.3, 0, 0}, {-0.3, 0.1, 0},
                       {90, 0, 1, 0}, {270, 0, 1, 0}};
    CreateLoadForce(loads, g);
}

void CGeometry::CreateLoadFy(CdMatrix loads)
{
    const COptionPage3& o = m_loadOptions;
    const ForceGlyph g{8, 2, o.m_fyLineShow, o.m_fyRed, o.m_fyGreen, o.m_fyBlue,
                       {0, 1, 0}, {0, 0.3, 0}, {0, -0.3, 0},
                       {-90, 1, 0, 0}, {90, 1, 0, 0}};
    CreateLoadForce(loads, g);
}

void CGeometry::CreateLoadFz(CdMatrix loads)
{
    const COptionPage3& o = m_loadOptions;
    const ForceGlyph g{9, 3, o.m_fzLineShow, o.m_fzRed, o.m_fzGreen, o.m_fzBlue,
                       {0, 0, 1}, {0, 0.3, 0}, {0, 0.3, 0},
                       {0, 1, 0, 0}, {180, 1, 0, 0}};
    CreateLoadForce(loads, g);
}

void CGeometry::CreateLoadMx(CdMatrix loads)
{
    const COptionPage3& o = m_loadOptions;
    const MomentGlyph g{10, 4, o.m_mxLineShow, o.m_mxRed, o.m_mxGreen, o.m_mxBlue, ArcX,
                        kHeadEnd, 0.0,
                        {{270, 1, 0, 0}, {0, 0, 0, 0}}, 1,
                        {{180, 0, 1, 0}, {0, 0, 0, 0}}, 1};
    CreateLoadMoment(loads, g);
}

void CGeometry::CreateLoadMy(CdMatrix loads)
{
    const COptionPage3& o = m_loadOptions;
    const MomentGlyph g{11, 5, o.m_myLineShow, o.m_myRed, o.m_myGreen, o.m_myBlue, ArcY,
                        0.0, kHeadEnd,
                        {{180, 0, 1, 0}, {0, 0, 0, 0}}, 1,
                        {{90, 0, 1, 0}, {0, 0, 0, 0}}, 1};
    CreateLoadMoment(loads, g);
}

void CGeometry::CreateLoadMz(CdMatrix loads)
{
    const COptionPage3& o = m_loadOptions;
    const MomentGlyph g{12, 6, o.m_mzLineShow, o.m_mzRed, o.m_mzGreen, o.m_mzBlue, ArcZ,
                        0.0, kHeadEnd,
                        {{90, 0, 1, 0}, {180, 1, 0, 0}}, 2,
                        {{90, 0, 1, 0}, {-90, 1, 0, 0}}, 2};
    CreateLoadMoment(loads, g);
}

void CGeometry::CreateLoadForce(const CdMatrix& loads, const ForceGlyph& g)
{
    glDeleteLists(g.list, 1);
    if (g.show != 1)
        return;
    const double factor = GetForceFactor();
    const double scale = m_loadOptions.m_loadScale;
    const bool labels = m_loadOptions.m_loadNumberShow == 1;

    glNewList(g.list, GL_COMPILE);
    for (int i = 1; i <= loads.GetRows(); ++i) {
        const double v = loads(i, g.column);
        if (v == 0.0 || !std::isfinite(v))
            continue;
        const double x = NodeCoordinate(i, 1), y = NodeCoordinate(i, 2), z = NodeCoordinate(i, 3);
        const double length = glyph::GlyphSize(v, scale);
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z) || !std::isfinite(length))
            continue;
        const double sign = v > 0 ? 1.0 : -1.0;
        const glyph::Vec3 tip = (sign * length) * g.axis;
        const glyph::Vec3& label = v > 0 ? g.labelPositive : g.labelNegative;
        const Turn& head = v > 0 ? g.headPositive : g.headNegative;

        glPassThrough(static_cast<GLfloat>(i)); // marks the node of each glyph
        glPushMatrix();
        glTranslated(x, y, z);
        Colour(g.red, g.green, g.blue);
        glBegin(GL_LINES);
        glVertex3d(0.0, 0.0, 0.0);
        glVertex3d(tip.x, tip.y, tip.z);
        glEnd();
        glPushMatrix();
        glTranslated(tip.x, tip.y, tip.z);
        if (labels)
            RenderString(label.x, label.y, label.z, glyph::LoadLabel(v, factor));
        glRotated(head.angle, head.x, head.y, head.z);
        DrawLoadHead();
        glPopMatrix();
        glPopMatrix();
    }
    glEndList();
}

void CGeometry::CreateLoadMoment(const CdMatrix& loads, const MomentGlyph& g)
{
    glDeleteLists(g.list, 1);
    if (g.show != 1)
        return;
    const double factor = GetMomentFactor();
    const double scale = m_loadOptions.m_loadScale;
    const bool labels = m_loadOptions.m_loadNumberShow != 0;

    glNewList(g.list, GL_COMPILE);
    for (int i = 1; i <= loads.GetRows(); ++i) {
        const double v = loads(i, g.column);
        if (v == 0.0 || !std::isfinite(v))
            continue;
        const double x = NodeCoordinate(i, 1), y = NodeCoordinate(i, 2), z = NodeCoordinate(i, 3);
        const double radius = glyph::GlyphSize(v, scale);
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z) || !std::isfinite(radius))
            continue;

        glPassThrough(static_cast<GLfloat>(i)); // marks the node of each glyph
        glPushMatrix();
        Colour(g.red, g.green, g.blue);
        glTranslated(x, y, z);
        glBegin(GL_LINE_STRIP);
        for (int k = 0; glyph::ArcParameter(k) <= glyph::kArcLimit; ++k) {
            const glyph::Vec3 p = g.arcPoint(glyph::ArcParameter(k), radius);
            glVertex3d(p.x, p.y, p.z);
        }
        glEnd();

        const bool positive = v > 0;
        const glyph::Vec3 base = g.arcPoint(positive ? g.headTPositive : g.headTNegative, radius);
        glTranslated(base.x, base.y, base.z);
        const Turn* turns = positive ? g.positive : g.negative;
        const int count = positive ? g.positiveTurns : g.negativeTurns;
        for (int t = 0; t < count; ++t)
            glRotated(turns[t].angle, turns[t].x, turns[t].y, turns[t].z);
        if (labels)
            RenderString(0.0, 0.0, 0.4, glyph::LoadLabel(v, factor));
        DrawLoadHead();
        glPopMatrix();
    }
    glEndList();
}
