// CGeometry: reference (K) points and member local axes, display list 13.
// While the reference point table is active, each selected member shows its
// local 1-2 plane as a triangle fading from the member to the K point, its
// three local axes as coloured arrows from its midpoint (one third of the
// member long) and its K point as a small labelled sphere.
#include "view/Geometry.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>

#include "view/GlyphMath.h"

namespace {

inline void Vertex(const glyph::Vec3& p) { glVertex3d(p.x, p.y, p.z); }

// Axis colours: 1 red, 2 green, 3 blue.
const double kAxisColour[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
const char* const kAxisName[3] = {"1", "2", "3"};

constexpr double kKPointRadius = 0.03;

} // namespace

void CGeometry::RenderRefPoint()
{
    glDeleteLists(ListRefPoints, 1);
    if (m_activeTable != TableRefPoints)
        return;
    const int m = m_memberTable.GetRows();
    const int from = m_selMemberFrom < 1 ? 1 : m_selMemberFrom;
    const int to = m_selMemberTo > m ? m : m_selMemberTo;

    glNewList(ListRefPoints, GL_COMPILE_AND_EXECUTE);
    for (int k = from; k <= to; ++k)
        DrawMemberRefPoint(k);
    glEndList();
}

void CGeometry::DrawMemberRefPoint(int k)
{
    const COptionPage2& o = m_memberOptions;
    const glyph::Vec3 s{m_memberLine(k, 1), m_memberLine(k, 2), m_memberLine(k, 3)};
    const glyph::Vec3 e{m_memberLine(k, 4), m_memberLine(k, 5), m_memberLine(k, 6)};
    const glyph::Vec3 q{m_memberLine(k, 7), m_memberLine(k, 8), m_memberLine(k, 9)};
    const glyph::Vec3 kp{m_memberTable(k, 4), m_memberTable(k, 5), m_memberTable(k, 6)};
    const double lm = m_memberTable(k, 3);

    glPassThrough(static_cast<GLfloat>(k));

    const bool points = glyph::IsFinite(s) && glyph::IsFinite(e) && glyph::IsFinite(kp);
    if (points && o.m_memberPlanShow == 1) {
        glBegin(GL_TRIANGLES);
        glColor3d(1.0, 1.0, 1.0);
        Vertex(s);
        Vertex(e);
        glColor3d(o.m_memberPlanRed / 255.0, o.m_memberPlanGreen / 255.0,
                  o.m_memberPlanBlue / 255.0);
        Vertex(kp);
        glEnd();
    }

    // A K point on the member's line (or a member without length) leaves
    // the local axes undefined: the member then shows no axes.
    glyph::Vec3 t[3];
    if (points && glyph::IsFinite(q) && glyph::MemberLocalAxes(s, e, kp, lm, t)) {
        const int shown[3] = {o.m_memberLocalAxis1, o.m_memberLocalAxis2, o.m_memberLocalAxis3};
        glPushMatrix();
        glTranslated(q.x, q.y, q.z);
        glBegin(GL_LINES);
        for (int n = 0; n < 3; ++n) {
            if (shown[n] != 1)
                continue;
            glColor3d(kAxisColour[n][0], kAxisColour[n][1], kAxisColour[n][2]);
            glVertex3d(0.0, 0.0, 0.0);
            Vertex(t[n]);
        }
        glEnd();
        glPopMatrix();

        for (int n = 0; n < 3; ++n) {
            if (shown[n] != 1)
                continue;
            // The head lies in a plane of the local axes: across axis 2 for
            // axes 1 and 3, across axis 1 for axis 2.
            const glyph::Vec3& across = n == 1 ? t[0] : t[1];
            glColor3d(kAxisColour[n][0], kAxisColour[n][1], kAxisColour[n][2]);
            glPushMatrix();
            glTranslated(q.x, q.y, q.z);
            glTranslated(t[n].x, t[n].y, t[n].z);
            if (o.m_memberLocalAxisID == 1)
                RenderString(0.0, 0.0, 0.0, kAxisName[n]);
            glBegin(GL_TRIANGLES);
            Vertex(0.3 * t[n]);
            Vertex(0.05 * across);
            Vertex(-0.05 * across);
            glEnd();
            glPopMatrix();
        }
    }

    if (o.m_memberKPointShow == 1 && glyph::IsFinite(kp)) {
        char label[32];
        std::snprintf(label, sizeof label, "k%d", k);
        glColor3d(1.0, 0.0, 0.0);
        glPushMatrix();
        glTranslated(kp.x, kp.y, kp.z);
        RenderString(0.0, 0.0, 0.0, label);
        gluQuadricNormals(m_quadric, GLU_NONE);
        gluSphere(m_quadric, kKPointRadius, 5, 5);
        glPopMatrix();
    }
}
