// CGeometry: what makes the result pictures readable. The largest absolute
// value of each member force component (at the member ends, or at the
// stations when the diagrams follow them) is written where it occurs
// (lists 25 to 30, with every member's end values when asked for), the
// displaced shape gets its drawing size, and a legend in the window's top
// left corner names the component, its units, the drawing scale and the
// load case.
#include "view/Geometry.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/Profile.h"
#include "project/Project.h"

namespace {

const char* const kComponentNames[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};

std::string Number(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4g", v);
    return text;
}

inline bool Finite(double x, double y, double z)
{
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

} // namespace

void CGeometry::ShowEndValues(bool show)
{
    m_showEndValues = show;
    if (m_labelForces.GetRows() > 0)
        RebuildDiagramLabels();
}

void CGeometry::UpdateDiagramLabels(const CdMatrix& forces)
{
    if (&forces != &m_labelForces)
        m_labelForces = forces;
    m_labelStations = CdMatrix();
    RebuildDiagramLabels();
}

void CGeometry::RebuildDiagramLabels()
{
    const CdMatrix& forces = m_labelForces;
    CProject project;
    const int dof = project.GetDof();
    const bool frame = project.GetElementType() == "Frame3D";
    const int components = dof >= 6 ? 6 : 3;
    const int loadCase = project.GetActiveLoadCase();
    const double forceFactor = GetForceFactor();
    const double momentFactor = forceFactor * GetLengthFactor();
    const std::string lengthUnit = project.GetLengthUnit();
    const std::string forceUnit = project.GetForceUnit();
    const int scales[6] = {m_forceOptions.m_memberFxScale, m_forceOptions.m_memberFyScale,
                           m_forceOptions.m_memberFzScale, m_forceOptions.m_memberMxScale,
                           m_forceOptions.m_memberMyScale, m_forceOptions.m_memberMzScale};
    // Diagrams drawn through the stations take their largest value (and so
    // their scale) from the stations: mid-span moments exceed the end
    // values under member loads.
    const int stationMembers = m_labelStations.GetRows() / kStations;
    const bool stations = stationMembers > 0;
    glDeleteLists(ListLabelFx, 6);

    for (int c = 1; c <= 6; ++c) {
        std::vector<std::string>& legend = m_diagramLegend[c - 1];
        legend.clear();
        if (c > components || (c > 3 && !frame))
            continue;
        const bool moment = c > 3;
        const double factor = moment ? momentFactor : forceFactor;
        const std::string unit = moment ? forceUnit + "." + lengthUnit : forceUnit;

        // The largest absolute value, its member and where along it
        // (0 start .. 1 end); the first one found when several are as large.
        int where = 0;
        double at = 0.0, shown = 0.0, largest = 0.0;
        auto consider = [&](int k, double t, double v) {
            if (std::isfinite(v) && std::fabs(v) > largest) {
                largest = std::fabs(v);
                shown = v;
                where = k;
                at = t;
            }
        };
        if (stations && c <= m_labelStations.GetCols()) {
            for (int k = 1; k <= stationMembers; ++k)
                for (int st = 1; st <= kStations; ++st)
                    consider(k, double(st - 1) / (kStations - 1),
                             m_labelStations((k - 1) * kStations + st, c));
        } else if (!stations) {
            for (int k = 1; k <= forces.GetRows(); ++k)
                for (int e = 0; e < 2; ++e)
                    consider(k, e, forces(k, e * dof + c));
        }
        legend.push_back(std::string(kComponentNames[c - 1]) + " [" + unit + "]  load case " +
                         std::to_string(loadCase));
        if (where == 0) {
            legend.push_back("no " + std::string(kComponentNames[c - 1]) + " in any member");
            continue;
        }
        shown *= factor;
        const std::string place = at == 0.0   ? ", start: "
                                  : at == 1.0 ? ", end: "
                                              : ", " + Number(at) + " L from its start: ";
        legend.push_back("scale: " + Number(scales[c - 1] * GetLengthFactor()) + " " +
                         lengthUnit + " = " + Number(largest * factor) + " " + unit);
        legend.push_back("largest |" + std::string(kComponentNames[c - 1]) + "| at member " +
                         std::to_string(where) + place + Number(shown) + " " + unit);

        glNewList(ListLabelFx + GLuint(c - 1), GL_COMPILE);
        glColor3d(1.0, 1.0, 0.0);
        if (where <= m_memberLine.GetRows()) {
            const double* r = static_cast<const CdMatrix&>(m_memberLine).GetData()[where];
            const double x = r[1] + at * (r[4] - r[1]), y = r[2] + at * (r[5] - r[2]),
                         z = r[3] + at * (r[6] - r[3]);
            if (Finite(x, y, z))
                RenderString(x, y, z, "max " + Number(shown));
        }
        if (m_showEndValues) {
            glColor3d(1.0, 1.0, 1.0);
            for (int k = 1; k <= forces.GetRows(); ++k) {
                const double* r = static_cast<const CdMatrix&>(m_memberLine).GetData()[k];
                if (k > m_memberLine.GetRows() || !Finite(r[1], r[2], r[3]) ||
                    !Finite(r[4], r[5], r[6]))
                    continue;
                // A fifth of the way in from each end, clear of the node.
                for (int e = 0; e < 2; ++e) {
                    const double v = forces(k, e * dof + c);
                    if (!std::isfinite(v))
                        continue;
                    const double t = e == 0 ? 0.2 : 0.8;
                    RenderString(r[1] + t * (r[4] - r[1]), r[2] + t * (r[5] - r[2]),
                                 r[3] + t * (r[6] - r[3]), Number(v * factor));
                }
            }
        }
        glEndList();
    }
}

double CGeometry::DisplacedShapeSize()
{
    if (platform::Profile::HasKey("OPTION", "disp factor"))
        return m_nodeOptions.m_dispFactor;
    double lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
    bool any = false;
    for (int i = 1; i <= m_nodeTable.GetRows(); ++i) {
        const double p[3] = {m_nodeTable(i, 1), m_nodeTable(i, 2), m_nodeTable(i, 3)};
        if (!Finite(p[0], p[1], p[2]))
            continue;
        for (int c = 0; c < 3; ++c) {
            lo[c] = any ? std::min(lo[c], p[c]) : p[c];
            hi[c] = any ? std::max(hi[c], p[c]) : p[c];
        }
        any = true;
    }
    const double extent = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
    return 0.05 * (extent > 0.0 ? extent : 1.0);
}

void CGeometry::UpdateDisplacedLegend(const CdMatrix& displacements)
{
    CProject project;
    m_displacedLegend.clear();
    int where = 0;
    double dmax = 0.0;
    for (int i = 1; i <= displacements.GetRows(); ++i) {
        const double d = std::sqrt(displacements(i, 1) * displacements(i, 1) +
                                   displacements(i, 2) * displacements(i, 2) +
                                   displacements(i, 3) * displacements(i, 3));
        if (std::isfinite(d) && d > dmax) {
            dmax = d;
            where = i;
        }
    }
    const double l = GetLengthFactor();
    const std::string unit = project.GetLengthUnit();
    m_displacedLegend.push_back("Displaced shape  load case " +
                                std::to_string(project.GetActiveLoadCase()));
    if (where == 0) {
        m_displacedLegend.push_back("no translation at any node");
        return;
    }
    const double size = DisplacedShapeSize();
    const bool automatic = !platform::Profile::HasKey("OPTION", "disp factor");
    m_displacedLegend.push_back("scale: x " + Number(size / dmax) +
                                (automatic ? " (largest drawn at 5 % of the model)"
                                           : " (disp factor " + Number(size * l) + " " + unit + ")"));
    m_displacedLegend.push_back("max translation " + Number(dmax * l) + " " + unit + " at node " +
                                std::to_string(where));
}

void CGeometry::RenderLegend(int width, int height)
{
    const std::vector<std::string>* lines = nullptr;
    if (m_viewMode == ModeDisplaced)
        lines = &m_displacedLegend;
    else if (m_viewMode == ModeForces && m_forceComponent >= ForceFx &&
             m_forceComponent <= ForceMz)
        lines = &m_diagramLegend[m_forceComponent - ForceFx];
    if (!lines || lines->empty() || width <= 0 || height <= 0)
        return;

    // Window pixels, origin at the bottom left; the text in the colour
    // that stands out from the background.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const COptionPage5& v = m_viewOptions;
    const double light = (0.3 * v.m_screenRed + 0.59 * v.m_screenGreen + 0.11 * v.m_screenBlue) / 255.0;
    const double ink = light > 0.5 ? 0.0 : 1.0;
    glColor3d(ink, ink, ink);
    for (size_t i = 0; i < lines->size(); ++i)
        RenderString(8.0, height - 18.0 - 16.0 * double(i), 0.0, (*lines)[i]);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
