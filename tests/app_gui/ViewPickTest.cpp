// Picking in the model view with real mouse events: a click on a drawn node
// selects its row in the node table, a Shift + drag rectangle selects the
// members inside it, and the view highlights what the table selects. Where
// a node is drawn is found from the GL matrices the frame was drawn with.
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QToolTip>
#include <set>

#include <GL/gl.h>
#include <GL/glu.h>

#include "GuiSupport.h"
#include "tables/element/ElementBar1.h"

namespace {

struct ViewPick : ::testing::Test {
    testsupport::TempDir tmp;
    std::unique_ptr<MainWindow> window = guitest::OpenWindow(guitest::Write(tmp, DemoProjects::BuildingFrame()), false);
    // Window positions (y down) of every node once the layout has settled
    // (two frames 100 ms apart agree).
    std::vector<QPointF> DrawnNodes()
    {
        std::vector<QPointF> last, now = Frame();
        for (int tries = 0; tries < 30 && now != last; ++tries) {
            QTest::qWait(100);
            last = now;
            now = Frame();
        }
        return now;
    }

    // Positions of the nodes in the frame drawn now, from the frame's own
    // matrices through gluProject.
    std::vector<QPointF> Frame()
    {
        ModelViewWidget* view = window->View();
        view->repaint();
        EXPECT_TRUE(view->MakeListsCurrent());
        GLdouble model[16], projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        const double ratio = view->devicePixelRatioF();
        const CdMatrix& nodes = window->Geometry().m_nodeTable;
        std::vector<QPointF> points(size_t(nodes.GetRows()) + 1);
        for (int i = 1; i <= nodes.GetRows(); ++i) {
            GLdouble x, y, z;
            gluProject(nodes(i, 1), nodes(i, 2), nodes(i, 3), model, projection, viewport, &x, &y, &z);
            points[size_t(i)] = QPointF(x / ratio, view->height() - y / ratio);
        }
        return points;
    }

    // Inside the view (20 px from its edges) and farther than `gap` from
    // every other one of `points`.
    bool Clear(const QPointF& p, const std::vector<QPointF>& points, double gap)
    {
        bool clear = window->View()->rect().adjusted(20, 20, -20, -20).contains(p.toPoint());
        for (const QPointF& q : points)
            clear = clear && (q == p || QLineF(p, q).length() > gap);
        return clear;
    }

    static std::set<int> SelectedRows(CMSFlexGrid* grid)
    {
        std::set<int> rows;
        for (const QModelIndex& index : grid->selectionModel()->selectedIndexes())
            rows.insert(index.row() + 1);
        return rows;
    }
};

} // namespace

TEST_F(ViewPick, ClickOnADrawnNodeSelectsItsTableRow)
{
    CGeometry& g = window->Geometry();
    const std::vector<QPointF> drawn = DrawnNodes();
    // A node drawn well apart from every other one, inside the view (the
    // highest such number, so that no default row 1 passes for a pick).
    int node = int(drawn.size()) - 1;
    while (node > 1 && !Clear(drawn[size_t(node)], drawn, 15))
        --node;
    ASSERT_GT(node, 1);
    QTest::mouseClick(window->View(), Qt::LeftButton, Qt::NoModifier, drawn[size_t(node)].toPoint() + QPoint(2, -1));
    QApplication::processEvents();
    CMSFlexGrid* grid = window->Docks()->BarOf<CNodeBar1>("nodeBar1")->Grid();
    EXPECT_EQ(grid->GetRow(), node);
    EXPECT_EQ(SelectedRows(grid), std::set<int>{node});
    EXPECT_TRUE(window->Docks()->Dock("nodeBar1")->isVisible());
    EXPECT_EQ(g.m_selNodeFrom, node);
    EXPECT_EQ(g.m_selNodeTo, node);
    ASSERT_TRUE(window->View()->MakeListsCurrent());
    EXPECT_TRUE(glIsList(CGeometry::ListNodeHighlight));
    // A click on empty background picks nothing and keeps the selection.
    QTest::mouseClick(window->View(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(g.m_selNodeFrom, node);
}

TEST_F(ViewPick, ShiftDragRectangleSelectsTheMembersInside)
{
    CGeometry& g = window->Geometry();
    window->View()->SetStandardView(ViewCamera::ViewZ);
    const std::vector<QPointF> drawn = DrawnNodes();
    // Seen along Z the top floor is the top row of nodes: a rectangle
    // round it holds exactly the members of that floor.
    const double top = 10.5; // the roof of the demo building
    QRectF box;
    std::set<int> expected;
    for (int i = 1; i <= g.m_nodeTable.GetRows(); ++i)
        if (g.m_nodeTable(i, 2) == top)
            box = box.isNull() ? QRectF(drawn[size_t(i)], QSizeF(0.01, 0.01)) : box.united(QRectF(drawn[size_t(i)], QSizeF(0.01, 0.01)));
    for (int k = 1; k <= g.m_memberTable.GetRows(); ++k)
        if (g.m_nodeTable(int(g.m_memberTable(k, 1)), 2) == top && g.m_nodeTable(int(g.m_memberTable(k, 2)), 2) == top)
            expected.insert(k);
    ASSERT_GE(expected.size(), 2u);
    ASSERT_LT(expected.size(), size_t(g.m_memberTable.GetRows()));
    const QRect rect = box.toAlignedRect().adjusted(-8, -8, 8, 8);
    ModelViewWidget* view = window->View();
    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, rect.topLeft());
    for (int step = 1; step <= 4; ++step) {
        const QPointF p = rect.topLeft() + (rect.bottomRight() - rect.topLeft()) * (step / 4.0);
        QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                         Qt::ShiftModifier);
        QApplication::sendEvent(view, &move);
    }
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, rect.bottomRight());
    QApplication::processEvents();
    CMSFlexGrid* grid = window->Docks()->BarOf<CElementBar1>("elementBar1")->Grid();
    EXPECT_EQ(SelectedRows(grid), expected);
    EXPECT_EQ(grid->GetRow(), *expected.begin());
    EXPECT_EQ(g.m_selMemberFrom, *expected.begin());
    EXPECT_EQ(g.m_selMemberTo, *expected.rbegin());
    EXPECT_EQ(g.m_activeTable, CGeometry::TableConnectivity);
    ASSERT_TRUE(view->MakeListsCurrent());
    EXPECT_TRUE(glIsList(CGeometry::ListMemberHighlight));
    // The camera did not turn while the rectangle was drawn.
    EXPECT_EQ(DrawnNodes()[1], drawn[1]);
}

TEST_F(ViewPick, ClickOnAMemberOfTheSolvedModelShowsItsRowForcesAndLegend)
{
    CGeometry& g = window->Geometry();
    QString error;
    ASSERT_TRUE(window->SolveProject(&error)) << error.toStdString();
    ASSERT_TRUE(window->SetForceComponent(CGeometry::ForceMz));
    EXPECT_EQ(g.m_diagramLegend[5].at(0).rfind("Mz [", 0), 0u);
    const std::vector<QPointF> drawn = DrawnNodes();
    // The midpoint of a long member drawn apart from every node and every
    // other midpoint (not member 1, so that no default row passes).
    std::vector<QPointF> ends[2], middles;
    for (int k = 1; k <= g.m_memberTable.GetRows(); ++k) {
        for (int e = 0; e < 2; ++e)
            ends[e].push_back(drawn[size_t(g.m_memberTable(k, e + 1))]);
        middles.push_back((ends[0].back() + ends[1].back()) / 2);
    }
    int member = 2;
    while (member <= int(middles.size()) &&
           !(QLineF(ends[0][size_t(member - 1)], ends[1][size_t(member - 1)]).length() > 60 &&
             Clear(middles[size_t(member - 1)], middles, 25) && Clear(middles[size_t(member - 1)], drawn, 25)))
        ++member;
    ASSERT_LE(member, int(middles.size()));
    const QPointF middle = middles[size_t(member - 1)];
    QTest::mouseClick(window->View(), Qt::LeftButton, Qt::NoModifier, middle.toPoint());
    QApplication::processEvents();
    CMSFlexGrid* grid = window->Docks()->BarOf<CElementBar1>("elementBar1")->Grid();
    EXPECT_EQ(grid->GetRow(), member);
    EXPECT_EQ(SelectedRows(grid), std::set<int>{member});
    EXPECT_EQ(g.m_selMemberFrom, member);
    // Hovering: the tooltip names the member and its end forces.
    QHelpEvent hover(QEvent::ToolTip, middle.toPoint(), window->View()->mapToGlobal(middle.toPoint()));
    QApplication::sendEvent(window->View(), &hover);
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    const QString tip = QToolTip::text();
    EXPECT_TRUE(tip.startsWith(QString("Member %1: node ").arg(member))) << tip.toStdString();
    EXPECT_TRUE(tip.contains("end forces")) << tip.toStdString();
    QToolTip::hideText();
    EXPECT_EQ(g.m_forceComponent, CGeometry::ForceMz);
    if (const char* shots = std::getenv("KESTRA_SCREENSHOT_DIR"); shots && *shots) {
        std::filesystem::create_directories(shots);
        window->View()->repaint();
        window->grab().save(QString("%1/view-forces-picked-member.png").arg(shots));
        ASSERT_TRUE(window->SetViewMode(CGeometry::ModeDisplaced));
        window->View()->repaint();
        window->View()->grab().save(QString("%1/view-displaced-legend.png").arg(shots));
    }
}
