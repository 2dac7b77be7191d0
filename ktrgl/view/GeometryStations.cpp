// CGeometry: member force diagrams from the section forces at the 21
// stations of every member (the ".mfs" results). The diagram of a member
// follows its stations: a parabola under a uniform load, a kink under a
// point load, where the end values alone give only a straight line. Strips
// between neighbouring stations are laid off along the member's local
// axis 2 and fade from white on the member to the diagram colour, like the
// straight diagrams; the largest station value of a component is drawn at
// its "member scale" setting. The strips of a member go to OpenGL as one
// vertex-array draw, as the straight diagrams do.
#include "view/Geometry.h"

#include <GL/gl.h>

#include <cmath>

#include "numerics/RecordSet.h"
#include "platform/WaitCursor.h"
#include "project/Project.h"
#include "view/DiagramStripBatch.h"
#include "view/GlyphMath.h"

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
    // The labels and legends follow the drawn values.
    m_labelStations = std::move(stations);
    RebuildDiagramLabels();
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

    DiagramStripBatch batch;
    batch.SetColour(style.red, style.green, style.blue);
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
        glyph::DiagramFrame frame;
        if (!MemberDiagramFrame(k, axes, frame))
            continue;
        const double h = frame.length / (kStations - 1);

        glPassThrough(static_cast<GLfloat>(k));
        for (int st = 1; st < kStations; ++st) {
            const double f0 = s * stations(row0 + st, c);
            const double f1 = s * stations(row0 + st + 1, c);
            glyph::DiagramStrip strip;
            strip.origin = frame.p1 + ((st - 1) * h) * frame.e1;
            strip.corner[0] = glyph::Vec3{};
            strip.corner[1] = f0 * frame.e2;
            strip.corner[2] = f1 * frame.e2 + h * frame.e1;
            strip.corner[3] = h * frame.e1;
            batch.Add(strip);
        }
        batch.Flush();
    }
    glEndList();
}
