// CGeometry: member force diagrams from the section forces at the 21
// stations of every member (the ".mfs" results). The diagram of a member
// follows its stations: a parabola under a uniform load, a kink under a
// point load, where the end values alone give only a straight line. Strips
// between neighbouring stations are laid off along the member's local
// axis 2 and fade from white on the member to the diagram colour, like the
// straight diagrams; the largest station value of a component is drawn at
// its "member scale" setting.
#include "view/Geometry.h"

#include <GL/gl.h>

#include <cmath>

#include "numerics/RecordSet.h"
#include "platform/WaitCursor.h"
#include "project/Project.h"
#include "view/GlyphMath.h"

namespace {

inline void Vertex(const glyph::Vec3& p) { glVertex3d(p.x, p.y, p.z); }

} // namespace

// One component: its list, its column c of the station table, its settings
// and whether only frames have it.
struct CGeometry::StationStyle {
    GLuint list;
    int component;
    int scale;
    int red, green, blue;
    bool frameOnly;
};

void CGeometry::UpdateMemberStations(CdMatrix stations)
{
    platform::WaitCursor wait;
    glDeleteLists(ListMemberFx, 6);
    glDeleteLists(ListRefPoints, 1);
    numerics::RecordSet axes;
    m_memberAxes = &axes;
    const COptionPage4& o = m_forceOptions;
    const StationStyle styles[6] = {
        {ListMemberFx, 1, o.m_memberFxScale, o.m_memberFxRed, o.m_memberFxGreen, o.m_memberFxBlue, false},
        {ListMemberFx + 1, 2, o.m_memberFyScale, o.m_memberFyRed, o.m_memberFyGreen, o.m_memberFyBlue, false},
        {ListMemberFx + 2, 3, o.m_memberFzScale, o.m_memberFzRed, o.m_memberFzGreen, o.m_memberFzBlue, false},
        {ListMemberFx + 3, 4, o.m_memberMxScale, o.m_memberMxRed, o.m_memberMxGreen, o.m_memberMxBlue, true},
        {ListMemberFx + 4, 5, o.m_memberMyScale, o.m_memberMyRed, o.m_memberMyGreen, o.m_memberMyBlue, true},
        {ListMemberFx + 5, 6, o.m_memberMzScale, o.m_memberMzRed, o.m_memberMzGreen, o.m_memberMzBlue, true},
    };
    const int shows[6] = {o.m_memberFxShow, o.m_memberFyShow, o.m_memberFzShow,
                          o.m_memberMxShow, o.m_memberMyShow, o.m_memberMzShow};
    for (int c = 0; c < 6; ++c)
        if (shows[c] == 1)
            CreateStationDiagram(stations, styles[c]);
    m_memberAxes = nullptr;
}

void CGeometry::CreateStationDiagram(const CdMatrix& stations, const StationStyle& style)
{
    CProject project;
    const int c = style.component;
    if (c > stations.GetCols())
        return;
    if (style.frameOnly && project.GetElementType() != "Frame3D")
        return;
    const int members = std::min(m_memberTable.GetRows(), stations.GetRows() / kStations);
    const double largest = stations.ColumnAbsMax(c);
    if (members < 1 || !(largest > 0.0) || !std::isfinite(largest))
        return;

    const std::string axesPath = project.GetLocation() + "dcos";
    numerics::RecordSet ownAxes;
    numerics::RecordSet& axes = m_memberAxes ? *m_memberAxes : ownAxes;
    if (!axes.IsLoaded() && axes.Read(axesPath, m_memberTable.GetRows()) != numerics::ReadResult::Ok) {
        numerics::ShowAccessError(axesPath);
        return;
    }
    const double s = style.scale / largest;

    glNewList(style.list, GL_COMPILE);
    for (int k = 1; k <= members; ++k) {
        const int row0 = (k - 1) * kStations;
        bool loaded = false;
        bool finite = true;
        for (int st = 1; st <= kStations; ++st) {
            const double f = stations(row0 + st, c);
            loaded = loaded || f != 0.0;
            finite = finite && std::isfinite(f);
        }
        if (!loaded || !finite)
            continue;
        const int from = TruncateNumber(m_memberTable(k, 1));
        const int to = TruncateNumber(m_memberTable(k, 2));
        const glyph::Vec3 p1{NodeCoordinate(from, 1), NodeCoordinate(from, 2), NodeCoordinate(from, 3)};
        const glyph::Vec3 p2{NodeCoordinate(to, 1), NodeCoordinate(to, 2), NodeCoordinate(to, 3)};
        const glyph::Vec3 e1{axes(k, 1, 1), axes(k, 1, 2), axes(k, 1, 3)};
        const glyph::Vec3 e2{axes(k, 2, 1), axes(k, 2, 2), axes(k, 2, 3)};
        const double length = glyph::Norm(p2 - p1);
        if (!(length > 0.0) || !std::isfinite(length) || !glyph::IsFinite(p1) || !glyph::IsFinite(e1) ||
            !glyph::IsFinite(e2))
            continue;
        const double h = length / (kStations - 1);

        glPassThrough(static_cast<GLfloat>(k));
        for (int st = 1; st < kStations; ++st) {
            const double f0 = s * stations(row0 + st, c);
            const double f1 = s * stations(row0 + st + 1, c);
            const glyph::Vec3 origin = p1 + ((st - 1) * h) * e1;
            glPushMatrix();
            glTranslated(origin.x, origin.y, origin.z);
            glBegin(GL_QUADS);
            glColor3d(1.0, 1.0, 1.0);
            Vertex(glyph::Vec3{});
            glColor3d(style.red / 255.0, style.green / 255.0, style.blue / 255.0);
            Vertex(f0 * e2);
            Vertex(f1 * e2 + h * e1);
            glColor3d(1.0, 1.0, 1.0);
            Vertex(h * e1);
            glEnd();
            glPopMatrix();
        }
    }
    glEndList();
}
