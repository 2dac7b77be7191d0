// CGeometry: results of the active load case. The displaced shape (list 15)
// is scaled so that the largest nodal translation is drawn at "disp factor"
// model units (5 % of the model's size while the user has set none); the
// member force diagrams (lists 16 to 21) lay the straight line between a
// member's two scaled end values off along its local axis 2, in strips
// that fade from white on the member to the diagram colour.
#include "view/Geometry.h"

#include <GL/gl.h>

#include <cmath>

#include "numerics/RecordSet.h"
#include "platform/WaitCursor.h"
#include "project/Project.h"
#include "view/DiagramStripBatch.h"
#include "view/GlyphMath.h"

namespace {

inline void Colour(int red, int green, int blue)
{
    glColor3d(red / 255.0, green / 255.0, blue / 255.0);
}

inline void Vertex(const glyph::Vec3& p) { glVertex3d(p.x, p.y, p.z); }

} // namespace

// One member force component: its list, how the list is compiled, its
// component number c (columns c and D + c), its settings and whether it is
// drawn only for frames.
struct CGeometry::DiagramStyle {
    GLuint list;
    GLenum mode;
    int component;
    int subdivisions;
    int scale;
    int red, green, blue;
    bool frameOnly;
};

void CGeometry::UpdateDisp(CdMatrix displacements)
{
    glDeleteLists(ListRefPoints, 1);
    glDeleteLists(ListDisplacedShape, 1);
    UpdateDisplacedLegend(displacements);
    const double factor = DisplacedShapeSize();
    const COptionPage1& nodes = m_nodeOptions;
    const COptionPage2& members = m_memberOptions;

    // Largest nodal translation: distance between each node and its moved
    // position; a strictly larger value replaces the one kept.
    double dmax = 0.0;
    for (int i = 1; i <= displacements.GetRows(); ++i) {
        double sum = 0.0;
        for (int c = 1; c <= 3; ++c) {
            const double p = NodeCoordinate(i, c);
            const double d = (p + displacements(i, c)) - p;
            sum += d * d;
        }
        const double distance = std::sqrt(sum);
        if (distance > dmax)
            dmax = distance;
    }

    // Without any translation the magnification is undefined: nothing is
    // drawn rather than dividing by zero.
    if (glyph::DisplacementScaleDefined(factor, dmax)) {
        displacements *= factor / dmax;
        glNewList(ListDisplacedShape, GL_COMPILE);
        for (int k = 1; k <= m_memberTable.GetRows(); ++k) {
            const int a = TruncateNumber(m_memberTable(k, 1));
            const int b = TruncateNumber(m_memberTable(k, 2));
            glyph::Vec3 pa, pb;
            pa.x = NodeCoordinate(a, 1) + displacements(a, 1);
            pa.y = NodeCoordinate(a, 2) + displacements(a, 2);
            pa.z = NodeCoordinate(a, 3) + displacements(a, 3);
            pb.x = NodeCoordinate(b, 1) + displacements(b, 1);
            pb.y = NodeCoordinate(b, 2) + displacements(b, 2);
            pb.z = NodeCoordinate(b, 3) + displacements(b, 3);
            if (!glyph::IsFinite(pa) || !glyph::IsFinite(pb))
                continue;
            glPassThrough(static_cast<GLfloat>(k));
            if (nodes.m_nodeDisplacementShow == 1) {
                glPointSize(6.0f);
                Colour(nodes.m_nodeDisplacementRed, nodes.m_nodeDisplacementGreen,
                       nodes.m_nodeDisplacementBlue);
                glBegin(GL_POINTS);
                Vertex(pa);
                Vertex(pb);
                glEnd();
            }
            if (members.m_memberDisplacementShow == 1) {
                glLineWidth(1.0f);
                Colour(members.m_memberDisplacementRed, members.m_memberDisplacementGreen,
                       members.m_memberDisplacementBlue);
                glBegin(GL_LINES);
                Vertex(pa);
                Vertex(pb);
                glEnd();
            }
        }
        glEndList();
    }
    m_forceComponent = 0;
}

void CGeometry::UpdateMemberForec(CdMatrix forces)
{
    platform::WaitCursor wait;
    glDeleteLists(ListMemberFx, 6);
    glDeleteLists(ListRefPoints, 1);
    // The local axes of all members are read once for the six diagrams.
    numerics::RecordSet axes;
    m_memberAxes = &axes;
    const COptionPage4& o = m_forceOptions;
    if (o.m_memberFxShow == 1)
        CreateMemberFx(forces);
    if (o.m_memberFyShow == 1)
        CreateMemberFy(forces);
    if (o.m_memberFzShow == 1)
        CreateMemberFz(forces);
    if (o.m_memberMxShow == 1)
        CreateMemberMx(forces);
    if (o.m_memberMyShow == 1)
        CreateMemberMy(forces);
    if (o.m_memberMzShow == 1)
        CreateMemberMz(forces);
    m_memberAxes = nullptr;
    UpdateDiagramLabels(forces);
}

void CGeometry::CreateMemberFx(CdMatrix forces)
{
    const COptionPage4& o = m_forceOptions;
    CreateMemberDiagram(forces, {16, GL_COMPILE_AND_EXECUTE, 1, o.m_subdivisionsFx,
                                 o.m_memberFxScale, o.m_memberFxRed, o.m_memberFxGreen,
                                 o.m_memberFxBlue, false});
}

void CGeometry::CreateMemberFy(CdMatrix forces)
{
    const COptionPage4& o = m_forceOptions;
    CreateMemberDiagram(forces, {17, GL_COMPILE, 2, o.m_subdivisionsFy, o.m_memberFyScale,
                                 o.m_memberFyRed, o.m_memberFyGreen, o.m_memberFyBlue, false});
}

void CGeometry::CreateMemberFz(CdMatrix forces)
{
    const COptionPage4& o = m_forceOptions;
    CreateMemberDiagram(forces, {18, GL_COMPILE, 3, o.m_subdivisionsFz, o.m_memberFzScale,
                                 o.m_memberFzRed, o.m_memberFzGreen, o.m_memberFzBlue, false});
}

void CGeometry::CreateMemberMx(CdMatrix forces)
{
    const COptionPage4& o = m_forceOptions;
    CreateMemberDiagram(forces, {19, GL_COMPILE, 4, o.m_subdivisionsMx, o.m_memberMxScale,
                                 o.m_memberMxRed, o.m_memberMxGreen, o.m_memberMxBlue, true});
}

void CGeometry::CreateMemberMy(CdMatrix forces)
{
    const COptionPage4& o = m_forceOptions;
    CreateMemberDiagram(forces, {20, GL_COMPILE, 5, o.m_subdivisionsMy, o.m_memberMyScale,
                                 o.m_memberMyRed, o.m_memberMyGreen, o.m_memberMyBlue, true});
}

void CGeometry::CreateMemberMz(CdMatrix forces)
{
    const COptionPage4& o = m_forceOptions;
    CreateMemberDiagram(forces, {21, GL_COMPILE, 6, o.m_subdivisionsMz, o.m_memberMzScale,
                                 o.m_memberMzRed, o.m_memberMzGreen, o.m_memberMzBlue, true});
}

bool CGeometry::MemberDiagramFrame(int k, const numerics::RecordSet& axes,
                                   glyph::DiagramFrame& frame)
{
    const int from = TruncateNumber(m_memberTable(k, 1));
    const int to = TruncateNumber(m_memberTable(k, 2));
    frame.p1 = {NodeCoordinate(from, 1), NodeCoordinate(from, 2), NodeCoordinate(from, 3)};
    const glyph::Vec3 p2{NodeCoordinate(to, 1), NodeCoordinate(to, 2), NodeCoordinate(to, 3)};
    frame.e1 = {axes(k, 1, 1), axes(k, 1, 2), axes(k, 1, 3)};
    frame.e2 = {axes(k, 2, 1), axes(k, 2, 2), axes(k, 2, 3)};
    frame.length = glyph::Norm(p2 - frame.p1);
    return frame.length > 0.0 && std::isfinite(frame.length) && glyph::IsFinite(frame.p1) &&
           glyph::IsFinite(frame.e1) && glyph::IsFinite(frame.e2);
}

void CGeometry::CreateMemberDiagram(const CdMatrix& forces, const DiagramStyle& style)
{
    CProject project;
    const int dof = project.GetDof();
    const int c = style.component;
    const double a = forces.ColumnAbsMax(c);
    const double b = forces.ColumnAbsMax(dof + c);
    const double largest = a > b ? a : b;
    if (a == 0.0 && b == 0.0)
        return;
    if (style.frameOnly && project.GetElementType() != "Frame3D")
        return;
    if (!(largest > 0.0) || !std::isfinite(largest))
        return;

    // The local axes come from the solver's "dcos" record file, one 3 x 3
    // record per member. Without it there is nothing to lay the diagram
    // along: one failed read reports the file and the list stays deleted.
    const std::string axesPath = project.GetLocation() + "dcos";
    numerics::RecordSet ownAxes; // a diagram built outside UpdateMemberForec
    numerics::RecordSet& axes = m_memberAxes ? *m_memberAxes : ownAxes;
    numerics::ReadResult axesRead = numerics::ReadResult::Ok;
    if (!axes.IsLoaded())
        axesRead = axes.Read(axesPath, forces.GetRows());
    if (axesRead == numerics::ReadResult::OpenFailed) {
        numerics::ShowAccessError(axesPath);
        return;
    }

    const int stations = style.subdivisions;
    const double s = style.scale / largest;

    DiagramStripBatch batch;
    batch.SetColour(style.red, style.green, style.blue);
    glNewList(style.list, style.mode);
    for (int k = 1; k <= forces.GetRows(); ++k) {
        const double f1 = forces(k, c);
        const double f2 = forces(k, dof + c);
        if (f1 == 0.0 || f2 == 0.0 || !std::isfinite(f1) || !std::isfinite(f2))
            continue;
        if (axesRead != numerics::ReadResult::Ok) {
            // A broken file is reported once, not once per member.
            numerics::ShowAccessError(axesPath);
            break;
        }
        glyph::DiagramFrame frame;
        if (!MemberDiagramFrame(k, axes, frame))
            continue;
        const double h = frame.length / stations;

        glPassThrough(static_cast<GLfloat>(k));
        for (double j = 1; j <= stations; ++j)
            batch.Add(glyph::MakeDiagramStrip(frame.p1, frame.e1, frame.e2, s, f1, f2,
                                              frame.length, h, static_cast<int>(j)));
        batch.Flush();
    }
    glEndList();
}
