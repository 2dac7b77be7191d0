// ModelViewWidget: picking nodes and members with the mouse, the selection
// rectangle and the hover tooltip.
#include "ModelViewWidget.h"

#include <QHelpEvent>
#include <QToolTip>

#include "ProjectFiles.h"
#include "project/Project.h"
#include "view/Geometry.h"

namespace {

QString Value(double v) { return QString::number(v, 'g', 5); }

} // namespace

void ModelViewWidget::ProjectNodes()
{
    m_picker.Project(m_camera, width(), height(), m_geometry.m_nodeTable);
}

ViewPicker::Hit ModelViewWidget::PickAt(const QPoint& point)
{
    ProjectNodes();
    return m_picker.Pick(m_geometry.m_memberTable, point.x(), point.y());
}

QVector<int> ModelViewWidget::NodesInside(const QRect& rect)
{
    ProjectNodes();
    const std::vector<int> inside =
        m_picker.NodesInside(rect.left(), rect.top(), rect.right(), rect.bottom());
    return QVector<int>(inside.begin(), inside.end());
}

QVector<int> ModelViewWidget::MembersInside(const QRect& rect)
{
    ProjectNodes();
    const std::vector<int> inside = m_picker.MembersInside(
        m_geometry.m_memberTable, rect.left(), rect.top(), rect.right(), rect.bottom());
    return QVector<int>(inside.begin(), inside.end());
}

bool ModelViewWidget::NodePosition(int n, QPoint* point)
{
    ProjectNodes();
    double x, y;
    if (!m_picker.Position(n, &x, &y))
        return false;
    *point = QPoint(int(std::lround(x)), int(std::lround(y)));
    return true;
}

void ModelViewWidget::FinishRectangle(const QRect& rect)
{
    // Members when the rectangle holds any (a frame is picked by its
    // members), else the nodes inside it.
    const QVector<int> members = MembersInside(rect);
    if (!members.isEmpty()) {
        emit membersPicked(members);
        return;
    }
    const QVector<int> nodes = NodesInside(rect);
    if (!nodes.isEmpty())
        emit nodesPicked(nodes);
}

QString ModelViewWidget::Describe(const ViewPicker::Hit& hit)
{
    CProject project;
    const double lf = m_geometry.GetLengthFactor();
    const double ff = m_geometry.GetForceFactor();
    const QString lu = QString::fromStdString(project.GetLengthUnit());
    const QString fu = QString::fromStdString(project.GetForceUnit());
    const int dof = project.GetDof();
    const int k = project.GetActiveLoadCase();
    const bool solved = project.GetSolution() != 0 && dof > 0;
    const CdMatrix& nodes = m_geometry.m_nodeTable;
    const CdMatrix& members = m_geometry.m_memberTable;
    std::string error;
    QString text;
    if (hit.kind == ViewPicker::Node) {
        const int n = hit.number;
        text = tr("Node %1\nX %2, Y %3, Z %4 %5")
                   .arg(n)
                   .arg(Value(nodes(n, 1) * lf), Value(nodes(n, 2) * lf), Value(nodes(n, 3) * lf), lu);
        CdMatrix d;
        if (solved && ProjectFiles::ReadResult(".disn", k, nodes.GetRows(), dof, d, error)) {
            text += tr("\nLoad case %1: Ux %2, Uy %3, Uz %4 %5")
                        .arg(k)
                        .arg(Value(d(n, 1) * lf), Value(d(n, 2) * lf), Value(d(n, 3) * lf), lu);
            if (dof >= 6)
                text += tr("\nRx %1, Ry %2, Rz %3 rad")
                            .arg(Value(d(n, 4)), Value(d(n, 5)), Value(d(n, 6)));
        }
    } else if (hit.kind == ViewPicker::Member) {
        const int m = hit.number;
        const int a = CGeometry::TruncateNumber(members(m, 1));
        const int b = CGeometry::TruncateNumber(members(m, 2));
        double length = 0;
        for (int c = 1; c <= 3; ++c)
            length += (nodes(b, c) - nodes(a, c)) * (nodes(b, c) - nodes(a, c));
        text = tr("Member %1: node %2 to node %3\nLength %4 %5, property %6")
                   .arg(m)
                   .arg(a)
                   .arg(b)
                   .arg(Value(std::sqrt(length) * lf), lu)
                   .arg(CGeometry::TruncateNumber(members(m, 7)));
        CdMatrix f;
        if (solved && ProjectFiles::ReadResult(".elf", k, members.GetRows(), 2 * dof, f, error)) {
            text += tr("\nLoad case %1, end forces [%2, %2.%3]:").arg(k).arg(fu, lu);
            const char* names[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
            for (int e = 0; e < 2; ++e) {
                QString line = e == 0 ? tr("\nstart:") : tr("\nend:");
                for (int c = 1; c <= dof && c <= 6; ++c)
                    line += QString(" %1 %2").arg(names[c - 1],
                                                  Value(f(m, e * dof + c) * (c > 3 ? ff * lf : ff)));
                text += line;
            }
        }
    }
    return text;
}

bool ModelViewWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const ViewPicker::Hit hit = PickAt(help->pos());
        if (hit.kind == ViewPicker::None) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), Describe(hit), this);
        }
        return true;
    }
    return QOpenGLWidget::event(event);
}
