// CGeometry: the red highlights of the node and member ranges selected in
// the tables or picked in the view (lists 3 and 6), and the two Print
// operations.
#include "view/Geometry.h"

#include <GL/gl.h>

#include <cmath>

namespace {

void DeleteHighlights()
{
    if (glIsList(CGeometry::ListNodeHighlight))
        glDeleteLists(CGeometry::ListNodeHighlight, 1);
    if (glIsList(CGeometry::ListMemberHighlight))
        glDeleteLists(CGeometry::ListMemberHighlight, 1);
}

inline bool Finite(double x, double y, double z)
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

} // namespace

void CGeometry::OnSelSelectNode()
{
    DeleteHighlights();
    if (m_selNodeFrom <= 0 || m_selNodeTo <= 0)
        return;
    const int n = m_nodeTable.GetRows();
    if (m_selNodeTo > n)
        m_selNodeTo = n;

    glNewList(ListNodeHighlight, GL_COMPILE_AND_EXECUTE);
    glColor3d(1.0, 0.0, 0.0);
    glPointSize(6.0f);
    for (int k = m_selNodeFrom; k <= m_selNodeTo; ++k) {
        const double x = m_nodeTable(k, 1), y = m_nodeTable(k, 2), z = m_nodeTable(k, 3);
        if (!Finite(x, y, z))
            continue;
        glBegin(GL_POINTS);
        glVertex3d(x, y, z);
        glEnd();
        RenderString(x, y, z, LabelAt(m_nodeOptions.m_nodeLabels, k, k));
    }
    glEndList();
}

void CGeometry::OnSelSelectMember()
{
    DeleteHighlights();
    if (m_selMemberFrom <= 0 || m_selMemberTo <= 0)
        return;
    const int m = m_memberTable.GetRows();
    if (m_selMemberTo > m)
        m_selMemberTo = m;

    glNewList(ListMemberHighlight, GL_COMPILE_AND_EXECUTE);
    for (int k = m_selMemberFrom; k <= m_selMemberTo; ++k) {
        glColor3d(1.0, 0.0, 0.0);
        DrawMemberHighlight(k);
    }
    glEndList();
    RenderRefPoint();
}

void CGeometry::DrawMemberHighlight(int k)
{
    // m_memberLine may lag behind a table that grew since the last
    // RenderMember: such rows read the spare slot like any other table.
    const double sx = m_memberLine(k, 1), sy = m_memberLine(k, 2), sz = m_memberLine(k, 3);
    const double ex = m_memberLine(k, 4), ey = m_memberLine(k, 5), ez = m_memberLine(k, 6);
    const double mx = m_memberLine(k, 7), my = m_memberLine(k, 8), mz = m_memberLine(k, 9);
    if (Finite(sx, sy, sz) && Finite(ex, ey, ez)) {
        glBegin(GL_LINES);
        glVertex3d(sx, sy, sz);
        glVertex3d(ex, ey, ez);
        glEnd();
    }
    if (Finite(mx, my, mz))
        RenderString(mx, my, mz, LabelAt(m_memberOptions.m_memberLabels, k, k));
}

void CGeometry::HighlightNodes(const std::vector<int>& nodes)
{
    DeleteHighlights();
    if (nodes.empty())
        return;
    m_selNodeFrom = nodes.front();
    m_selNodeTo = nodes.back();
    const int n = m_nodeTable.GetRows();
    glNewList(ListNodeHighlight, GL_COMPILE);
    glColor3d(1.0, 0.0, 0.0);
    glPointSize(6.0f);
    for (int k : nodes) {
        if (k < 1 || k > n)
            continue;
        const double x = m_nodeTable(k, 1), y = m_nodeTable(k, 2), z = m_nodeTable(k, 3);
        if (!Finite(x, y, z))
            continue;
        glBegin(GL_POINTS);
        glVertex3d(x, y, z);
        glEnd();
        RenderString(x, y, z, LabelAt(m_nodeOptions.m_nodeLabels, k, k));
    }
    glEndList();
}

void CGeometry::HighlightMembers(const std::vector<int>& members)
{
    DeleteHighlights();
    if (members.empty())
        return;
    m_selMemberFrom = members.front();
    m_selMemberTo = members.back();
    const int m = m_memberTable.GetRows();
    glNewList(ListMemberHighlight, GL_COMPILE);
    glColor3d(1.0, 0.0, 0.0);
    for (int k : members) {
        if (k >= 1 && k <= m)
            DrawMemberHighlight(k);
    }
    glEndList();
    RenderRefPoint();
}

CGeometry::MatrixViewerHook CGeometry::SetMatrixViewerHook(MatrixViewerHook hook)
{
    MatrixViewerHook previous = s_matrixViewerHook;
    s_matrixViewerHook = hook;
    return previous;
}

void CGeometry::Print(CdMatrix table)
{
    if (s_matrixViewerHook)
        s_matrixViewerHook(table, "Print matrix");
}

void CGeometry::Print(void* /*deviceContext*/, void* /*printInfo*/, void* /*view*/)
{
}
