// CGeometry: the display lists of nodes, members, property numbers and
// supports, and the draw order of the view modes.
#include "view/Geometry.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>

#include "project/Project.h"

namespace {

inline void Colour(int red, int green, int blue)
{
    glColor3d(red / 255.0, green / 255.0, blue / 255.0);
}

inline bool Finite(double x, double y, double z)
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

// Half the edge of a support glyph and the height of the pinned pyramid, in
// model units (metres); the glyphs do not scale with the view.
constexpr double kSupportHalf = 0.15;
constexpr double kPyramidHeight = 0.3;

} // namespace

std::string CGeometry::LabelAt(const std::vector<std::string>& labels, int i, int fallback)
{
    if (i >= 1 && static_cast<size_t>(i) < labels.size())
        return labels[static_cast<size_t>(i)];
    return std::to_string(fallback);
}

double CGeometry::NodeCoordinate(int n, int c)
{
    // Out-of-range node numbers read the table's spare slot.
    return m_nodeTable(n, c);
}

void CGeometry::CreateDisplayList()
{
    if (m_viewMode == ModeModel || m_viewMode == ModeLoads || m_viewMode == ModeDisplaced) {
        RenderNode();
        RenderMember();
    }
}

void CGeometry::ClearView()
{
    glDeleteLists(1, 21);
    glDeleteLists(ListLabelFx, 6);
    glDeleteLists(ListMemberLoads, 1);
}

void CGeometry::Rendering()
{
    // The member highlight (list 6) is drawn in every mode, so that a
    // member picked in the view or the table shows over results too.
    switch (m_viewMode) {
    case ModeModel: {
        static const GLuint order[] = {3, 1, 2, 13, 6, 4, 5, 14, 24};
        for (GLuint list : order)
            glCallList(list);
        break;
    }
    case ModeLoads: {
        static const GLuint order[] = {7, 8, 9, 10, 11, 12, 3, 1, 2, 6, 4, 5};
        for (GLuint list : order)
            glCallList(list);
        glCallList(ListMemberLoads);
        break;
    }
    case ModeDisplaced: {
        static const GLuint order[] = {3, 1, 2, 6, 4, 15};
        for (GLuint list : order)
            glCallList(list);
        break;
    }
    case ModeForces: {
        if (m_forceComponent >= ForceFx && m_forceComponent <= ForceMz) {
            glCallList(static_cast<GLuint>(ListMemberFx + (m_forceComponent - ForceFx)));
            glCallList(static_cast<GLuint>(ListLabelFx + (m_forceComponent - ForceFx)));
        }
        static const GLuint order[] = {3, 1, 2, 6, 4};
        for (GLuint list : order)
            glCallList(list);
        break;
    }
    default:
        break;
    }
    glFinish();
}

void CGeometry::RenderScene()
{
    static const GLuint order[] = {3, 1, 2, 13, 6, 4, 5, 14};
    for (GLuint list : order)
        glCallList(list);
}

void CGeometry::SetInitialRender()
{
    InitialRenderState(m_viewOptions.m_screenRed / 255.0, m_viewOptions.m_screenGreen / 255.0,
                       m_viewOptions.m_screenBlue / 255.0);
}

void CGeometry::RenderNode()
{
    glDeleteLists(ListNodePoints, 1);
    glDeleteLists(ListNodeNumbers, 1);
    const int n = m_nodeTable.GetRows();
    const COptionPage1& opt = m_nodeOptions;

    if (opt.m_nodeCoordinateShow == 1) {
        glNewList(ListNodePoints, GL_COMPILE);
        // A size below one pixel is no valid point size: the current one stays.
        if (opt.m_nodeFactor > 0)
            glPointSize(static_cast<GLfloat>(opt.m_nodeFactor));
        Colour(opt.m_nodeCoordinateRed, opt.m_nodeCoordinateGreen, opt.m_nodeCoordinateBlue);
        glBegin(GL_POINTS);
        for (int i = 1; i <= n; ++i) {
            const double x = m_nodeTable(i, 1), y = m_nodeTable(i, 2), z = m_nodeTable(i, 3);
            if (Finite(x, y, z))
                glVertex3d(x, y, z);
        }
        glEnd();
        glEndList();
    }

    if (opt.m_nodeNumberShow == 1) {
        glNewList(ListNodeNumbers, GL_COMPILE);
        Colour(opt.m_nodeNumberRed, opt.m_nodeNumberGreen, opt.m_nodeNumberBlue);
        for (int i = 1; i <= n; ++i) {
            const double x = m_nodeTable(i, 1), y = m_nodeTable(i, 2), z = m_nodeTable(i, 3);
            if (Finite(x, y, z))
                RenderString(x, y, z, LabelAt(opt.m_nodeLabels, i, i));
        }
        glEndList();
    }
}

void CGeometry::RenderMember()
{
    const int m = m_memberTable.GetRows();
    m_memberLine.SetSize(m, 9);
    for (int k = 1; k <= m; ++k) {
        const int a = TruncateNumber(m_memberTable(k, 1));
        const int b = TruncateNumber(m_memberTable(k, 2));
        for (int c = 1; c <= 3; ++c) {
            const double start = NodeCoordinate(a, c);
            const double end = NodeCoordinate(b, c);
            m_memberLine(k, c) = start;
            m_memberLine(k, c + 3) = end;
            m_memberLine(k, c + 6) = (end - start) / 2 + start;
        }
    }

    glDeleteLists(ListMemberLines, 1);
    glDeleteLists(ListMemberNumbers, 1);
    const COptionPage2& opt = m_memberOptions;
    const double* const* line = static_cast<const CdMatrix&>(m_memberLine).GetData();

    if (opt.m_memberLineShow == 1) {
        glNewList(ListMemberLines, GL_COMPILE);
        glLineWidth(1.0f);
        Colour(opt.m_memberLineRed, opt.m_memberLineGreen, opt.m_memberLineBlue);
        glBegin(GL_LINES);
        for (int k = 1; k <= m; ++k) {
            const double* r = line[k];
            if (Finite(r[1], r[2], r[3]) && Finite(r[4], r[5], r[6])) {
                glVertex3d(r[1], r[2], r[3]);
                glVertex3d(r[4], r[5], r[6]);
            }
        }
        glEnd();
        glEndList();
    }

    if (opt.m_memberNumberShow == 1) {
        glNewList(ListMemberNumbers, GL_COMPILE);
        Colour(opt.m_memberNumberRed, opt.m_memberNumberGreen, opt.m_memberNumberBlue);
        for (int k = 1; k <= m; ++k) {
            const double* r = line[k];
            if (Finite(r[7], r[8], r[9]))
                RenderString(r[7], r[8], r[9], LabelAt(opt.m_memberLabels, k, k));
        }
        glEndList();
    }
}

void CGeometry::UpdateProperty()
{
    const int m = m_memberTable.GetRows();
    std::vector<std::string>& labels = m_memberOptions.m_propertyLabels;
    labels.assign(static_cast<size_t>(m) + 1, std::string());
    for (int k = 1; k <= m; ++k)
        labels[k] = std::to_string(TruncateNumber(m_memberTable(k, 7)));

    glDeleteLists(ListPropertyNumbers, 1);
    glNewList(ListPropertyNumbers, GL_COMPILE);
    glColor3d(1.0, 1.0, 1.0);
    for (int k = 1; k <= m; ++k) {
        // A member drawn before its line was computed reads the spare slot.
        const double x = m_memberLine(k, 7), y = m_memberLine(k, 8), z = m_memberLine(k, 9);
        if (Finite(x, y, z))
            RenderString(x, y, z, labels[k]);
    }
    glEndList();
}

void CGeometry::DrawPinnedSupport(double x, double y, double z)
{
    const double h = kSupportHalf;
    const double d = -kPyramidHeight;
    // Base corners in order around the apex's axis.
    const double corner[4][3] = {{h, d, h}, {h, d, -h}, {-h, d, -h}, {-h, d, h}};
    glColor3d(1.0, 0.0, 0.0);
    glPushMatrix();
    glTranslated(x, y, z);
    glBegin(GL_TRIANGLES);
    for (int s = 0; s < 4; ++s) {
        const double* p = corner[s];
        const double* q = corner[(s + 1) % 4];
        glVertex3d(0.0, 0.0, 0.0);
        glVertex3d(p[0], p[1], p[2]);
        glVertex3d(q[0], q[1], q[2]);
    }
    glEnd();
    glPopMatrix();
}

void CGeometry::DrawFixedSupport(double x, double y, double z)
{
    const double h = kSupportHalf;
    // The eight corners and the six faces of the cube, each face wound
    // counter-clockwise seen from outside.
    const double v[8][3] = {{-h, -h, -h}, {h, -h, -h}, {h, h, -h}, {-h, h, -h},
                            {-h, -h, h},  {h, -h, h},  {h, h, h},  {-h, h, h}};
    static const int face[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4},
                                   {3, 7, 6, 2}, {0, 4, 7, 3}, {1, 2, 6, 5}};
    glColor3d(1.0, 0.0, 0.0);
    glPushMatrix();
    glTranslated(x, y, z);
    glBegin(GL_QUADS);
    for (const auto& f : face)
        for (int corner : f)
            glVertex3d(v[corner][0], v[corner][1], v[corner][2]);
    glEnd();
    glPopMatrix();
}

void CGeometry::RenderSupport()
{
    CProject project;
    const std::string& type = project.GetElementType();
    glDeleteLists(ListSupports, 1);
    if (m_nodeOptions.m_boundaryShow != 1)
        return;

    const bool truss = type == "Truss3D";
    const bool frame = type == "Frame3D";
    const int n = m_nodeTable.GetRows();
    glNewList(ListSupports, GL_COMPILE);
    for (int i = 1; i <= n; ++i) {
        const double x = m_nodeTable(i, 1), y = m_nodeTable(i, 2), z = m_nodeTable(i, 3);
        if (!Finite(x, y, z))
            continue;
        const bool translationsFixed =
            m_nodeTable(i, 4) == 0.0 && m_nodeTable(i, 5) == 0.0 && m_nodeTable(i, 6) == 0.0;
        if (truss) {
            if (translationsFixed)
                DrawPinnedSupport(x, y, z);
        } else if (frame) {
            const bool rotationsFixed =
                m_nodeTable(i, 7) == 0.0 && m_nodeTable(i, 8) == 0.0 && m_nodeTable(i, 9) == 0.0;
            if (rotationsFixed)
                DrawFixedSupport(x, y, z);
            else if (translationsFixed)
                DrawPinnedSupport(x, y, z);
        }
    }
    glEndList();
}
