#include "ModelViewWidget.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QRubberBand>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWheelEvent>

#include <GL/gl.h>

#include "view/Geometry.h"

ModelViewWidget::ModelViewWidget(CGeometry& geometry, QWidget* parent)
    : QOpenGLWidget(parent), m_geometry(geometry)
{
    setObjectName("modelView");
    setFormat(Format());
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    m_endValuesAction = new QAction(tr("Member &end values"), this);
    m_endValuesAction->setCheckable(true);
    m_endValuesAction->setToolTip(tr("Write every member's end values on the force diagrams (E in the view)"));
    connect(m_endValuesAction, &QAction::toggled, this, [this](bool on) {
        if (MakeListsCurrent())
            m_geometry.ShowEndValues(on);
        else
            m_geometry.m_showEndValues = on;
        update();
    });
    // Table commands rebuild display lists from the bars' own events; the
    // view's context is made current before any input reaches them.
    qApp->installEventFilter(this);
}

ModelViewWidget::~ModelViewWidget()
{
    qApp->removeEventFilter(this);
    ReleaseContext();
    for (auto& timer : m_timers)
        delete timer.second;
}

QSurfaceFormat ModelViewWidget::Format()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return format;
}

bool ModelViewWidget::MakeListsCurrent()
{
    if (!m_ready || !context())
        return false;
    if (QOpenGLContext::currentContext() != context())
        makeCurrent();
    return QOpenGLContext::currentContext() == context();
}

void ModelViewWidget::ReleaseContext()
{
    if (!m_ready)
        return;
    m_ready = false;
    if (context())
        makeCurrent();
    m_geometry.OnDestroy();
}

// ---- the GL surface ----------------------------------------------------

int ModelViewWidget::ChoosePixelFormat(const platform::PixelFormatDescriptor& request)
{
    // The widget has one format, which serves every request a view makes:
    // RGBA, double buffered, with depth.
    if (request.iPixelType != platform::PFD_TYPE_RGBA)
        return 0;
    return 1;
}

int ModelViewWidget::DescribePixelFormat(int format, platform::PixelFormatDescriptor* out)
{
    if (format != 1)
        return 0;
    if (out) {
        *out = platform::PixelFormatDescriptor();
        out->dwFlags = platform::PFD_DRAW_TO_WINDOW | platform::PFD_SUPPORT_OPENGL |
                       platform::PFD_DOUBLEBUFFER;
        out->iPixelType = platform::PFD_TYPE_RGBA;
        out->cColorBits = 32;
        out->cRedBits = out->cGreenBits = out->cBlueBits = out->cAlphaBits = 8;
        out->cRedShift = 16;
        out->cGreenShift = 8;
        out->cAlphaShift = 24;
        out->cDepthBits = 24;
        out->iLayerType = platform::PFD_MAIN_PLANE;
    }
    return 1;
}

bool ModelViewWidget::SetPixelFormat(int format, const platform::PixelFormatDescriptor&)
{
    return format == 1;
}

platform::GLContextHandle ModelViewWidget::CreateContext()
{
    return context();
}

bool ModelViewWidget::MakeCurrent(platform::GLContextHandle handle)
{
    if (!handle) {
        if (QOpenGLContext::currentContext())
            doneCurrent();
        return true;
    }
    if (handle != context())
        return false;
    makeCurrent();
    return QOpenGLContext::currentContext() == context();
}

platform::GLContextHandle ModelViewWidget::CurrentContext() const
{
    return QOpenGLContext::currentContext();
}

bool ModelViewWidget::DeleteContext(platform::GLContextHandle handle)
{
    // The widget owns its context and deletes it with itself.
    return handle == context();
}

void ModelViewWidget::SwapBuffers()
{
    // QOpenGLWidget presents its frame after paintGL.
}

void ModelViewWidget::SetTimer(unsigned id, unsigned periodMs, std::function<void()> tick)
{
    // The library's repaint timer: one tick per burst of user activity
    // (ArmRepaint) instead of one every periodMs while nothing happens.
    QTimer*& timer = m_timers[id];
    if (!timer)
        timer = new QTimer;
    timer->stop();
    timer->disconnect();
    timer->setSingleShot(true);
    timer->setInterval(int(periodMs));
    QObject::connect(timer, &QTimer::timeout, this, [tick]() {
        if (tick)
            tick();
    });
    timer->setProperty("armed", true);
}

void ModelViewWidget::KillTimer(unsigned id)
{
    auto it = m_timers.find(id);
    if (it != m_timers.end() && it->second) {
        it->second->stop();
        it->second->setProperty("armed", false);
    }
}

void ModelViewWidget::ArmRepaint()
{
    for (auto& timer : m_timers)
        if (timer.second && timer.second->property("armed").toBool() && !timer.second->isActive())
            timer.second->start();
}

void ModelViewWidget::Invalidate(bool)
{
    if (isVisible())
        update();
}

platform::GLSize ModelViewWidget::ClientSize() const
{
    return {width(), height()};
}

// ---- painting ------------------------------------------------------------

void ModelViewWidget::initializeGL()
{
    if (m_ready)
        return;
    platform::CreateStruct cs;
    m_geometry.PreCreateWindow(cs);
    m_geometry.OnCreate(this);
    if (!m_geometry.m_hRC)
        return;
    m_ready = true;
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this]() { ReleaseContext(); },
            Qt::DirectConnection);
    m_geometry.OnSize(0, width(), height());
    emit contextReady();
}

void ModelViewWidget::resizeGL(int w, int h)
{
    if (m_ready)
        m_geometry.OnSize(0, w, h);
}

double ModelViewWidget::Aspect() const
{
    return height() > 0 ? double(width()) / height() : double(width());
}

void ModelViewWidget::paintGL()
{
    if (!m_ready)
        return;
    const COptionPage5& v = m_geometry.m_viewOptions;
    if (!m_fitted && m_geometry.m_nodeTable.GetRows() > 0) {
        m_camera.SetStandard(ViewCamera::Isometric);
        m_camera.Fit(m_geometry.m_nodeTable, Aspect(), 0.5);
        m_fitted = true;
    }
    m_camera.scale[0] = v.m_scaleAlongX;
    m_camera.scale[1] = v.m_scaleAlongY;
    m_camera.scale[2] = v.m_scaleAlongZ;

    const qreal ratio = devicePixelRatioF();
    glViewport(0, 0, int(width() * ratio), int(height() * ratio));
    // Opaque: the widget's frame is composed into the window with its alpha.
    glClearColor(v.m_screenRed / 255.0f, v.m_screenGreen / 255.0f, v.m_screenBlue / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    m_camera.LoadProjection(Aspect());
    m_camera.LoadModelView();
    if (v.m_gridShow == 1)
        DrawGroundGrid();
    if (v.m_axisShow == 1)
        DrawGlobalAxes();
    m_geometry.Rendering();
    m_geometry.RenderLegend(width(), height());
}

void ModelViewWidget::DrawGroundGrid()
{
    // The ground: the X-Z plane at the lowest node, a little wider than the
    // model, divided as the global settings say.
    const CdMatrix& nodes = m_geometry.m_nodeTable;
    double lo[3] = {-5, 0, -5}, hi[3] = {5, 0, 5};
    bool any = false;
    for (int i = 1; i <= nodes.GetRows(); ++i) {
        const double p[3] = {nodes(i, 1), nodes(i, 2), nodes(i, 3)};
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
            continue;
        for (int c = 0; c < 3; ++c) {
            lo[c] = any ? std::min(lo[c], p[c]) : p[c];
            hi[c] = any ? std::max(hi[c], p[c]) : p[c];
        }
        any = true;
    }
    const double size = std::max({hi[0] - lo[0], hi[2] - lo[2], 1.0});
    const double border = 0.1 * size;
    const double x0 = lo[0] - border, x1 = hi[0] + border;
    const double z0 = lo[2] - border, z1 = hi[2] + border;
    const double y = lo[1];
    const COptionPage5& v = m_geometry.m_viewOptions;
    const int nx = std::clamp(v.m_gridSubDivisionsX, 1, 1000);
    const int nz = std::clamp(v.m_gridSubDivisionsZ, 1, 1000);

    glColor3d(v.m_gridRed / 255.0, v.m_gridGreen / 255.0, v.m_gridBlue / 255.0);
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (int i = 0; i <= nx; ++i) {
        const double x = x0 + (x1 - x0) * i / nx;
        glVertex3d(x, y, z0);
        glVertex3d(x, y, z1);
    }
    for (int k = 0; k <= nz; ++k) {
        const double z = z0 + (z1 - z0) * k / nz;
        glVertex3d(x0, y, z);
        glVertex3d(x1, y, z);
    }
    glEnd();
}

void ModelViewWidget::DrawGlobalAxes()
{
    // Global X, Y, Z at the origin in red, green and blue, a quarter of the
    // model's size long, each named at its tip.
    double centre[3], radius = 1.0;
    ViewCamera::BoundingSphere(m_geometry.m_nodeTable, centre, &radius);
    const double length = std::max(0.25 * radius, 0.5);
    const double colour[3][3] = {{1, 0, 0}, {0, 0.8, 0}, {0.2, 0.4, 1}};
    const char* names[3] = {"X", "Y", "Z"};
    glLineWidth(2.0f);
    for (int a = 0; a < 3; ++a) {
        double tip[3] = {0, 0, 0};
        tip[a] = length;
        glColor3dv(colour[a]);
        glBegin(GL_LINES);
        glVertex3d(0, 0, 0);
        glVertex3dv(tip);
        glEnd();
        tip[a] = length * 1.08;
        m_geometry.RenderString(tip[0], tip[1], tip[2], names[a]);
    }
    glLineWidth(1.0f);
}

// ---- camera commands -------------------------------------------------------

void ModelViewWidget::FitToModel()
{
    double centre[3], radius = 1.0;
    ViewCamera::BoundingSphere(m_geometry.m_nodeTable, centre, &radius);
    m_camera.Fit(m_geometry.m_nodeTable, Aspect(), 0.1 * radius + 0.35);
    m_fitted = true;
    update();
}

void ModelViewWidget::SetStandardView(ViewCamera::Standard view)
{
    m_camera.SetStandard(view);
    FitToModel();
}

void ModelViewWidget::StepRotate(int axis, int sign)
{
    const COptionPage5& v = m_geometry.m_viewOptions;
    const double steps[3] = {double(v.m_rotateAboutX), double(v.m_rotateAboutY),
                             double(v.m_rotateAboutZ)};
    double turn[3] = {0, 0, 0};
    turn[axis] = sign * steps[axis];
    m_camera.Rotate(turn[0], turn[1], turn[2]);
    update();
}

void ModelViewWidget::StepTranslate(int axis, int sign)
{
    const COptionPage5& v = m_geometry.m_viewOptions;
    const double steps[3] = {double(v.m_translateAlongX), double(v.m_translateAlongY),
                             double(v.m_translateAlongZ)};
    double move[3] = {0, 0, 0};
    move[axis] = sign * steps[axis];
    m_camera.Translate(move[0], move[1], move[2]);
    update();
}

void ModelViewWidget::StepZoom(int sign)
{
    m_camera.Zoom(sign > 0 ? 1.0 / 1.2 : 1.2);
    update();
}

// ---- input -----------------------------------------------------------------

void ModelViewWidget::mousePressEvent(QMouseEvent* event)
{
    m_lastMouse = event->position().toPoint();
    m_pressPoint = m_lastMouse;
    m_dragged = false;
    setFocus();
}

void ModelViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const QPoint d = p - m_lastMouse;
    m_lastMouse = p;
    if ((p - m_pressPoint).manhattanLength() > 3)
        m_dragged = true;
    const Qt::MouseButtons b = event->buttons();
    if ((b & Qt::LeftButton) && (event->modifiers() & Qt::ShiftModifier)) {
        // Shift + drag: the selection rectangle.
        if (!m_band)
            m_band = new QRubberBand(QRubberBand::Rectangle, this);
        m_band->setGeometry(QRect(m_pressPoint, p).normalized());
        m_band->show();
        return;
    }
    if (b & Qt::LeftButton)
        m_camera.Orbit(d.x(), d.y());
    else if (b & (Qt::MiddleButton | Qt::RightButton))
        m_camera.Pan(d.x(), d.y(), height());
    else
        return;
    update();
}

void ModelViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_band && m_band->isVisible()) {
        m_band->hide();
        FinishRectangle(QRect(m_pressPoint, event->position().toPoint()).normalized());
        return;
    }
    if (m_dragged)
        return;
    const ViewPicker::Hit hit = PickAt(event->position().toPoint());
    if (hit.kind == ViewPicker::Node)
        emit nodesPicked({hit.number});
    else if (hit.kind == ViewPicker::Member)
        emit membersPicked({hit.number});
}

void ModelViewWidget::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    m_camera.Zoom(std::pow(0.85, notches));
    update();
}

void ModelViewWidget::keyPressEvent(QKeyEvent* event)
{
    // Arrows and Page Up/Down turn by the global settings' steps; with
    // Ctrl they move the model along X (left, right), Y (up, down) and Z
    // (Page Up/Down).
    const bool move = event->modifiers() & Qt::ControlModifier;
    auto step = [&](int axis, int sign) {
        if (move)
            StepTranslate(axis, sign);
        else
            StepRotate(axis, sign);
    };
    switch (event->key()) {
    case Qt::Key_Left: move ? step(0, -1) : step(1, -1); break;
    case Qt::Key_Right: move ? step(0, 1) : step(1, 1); break;
    case Qt::Key_Up: move ? step(1, 1) : step(0, -1); break;
    case Qt::Key_Down: move ? step(1, -1) : step(0, 1); break;
    case Qt::Key_PageUp: step(2, 1); break;
    case Qt::Key_PageDown: step(2, -1); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: StepZoom(1); break;
    case Qt::Key_Minus: StepZoom(-1); break;
    case Qt::Key_E: m_endValuesAction->toggle(); break;
    default: QOpenGLWidget::keyPressEvent(event); return;
    }
}

bool ModelViewWidget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
        MakeListsCurrent();
        ArmRepaint();
        break;
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        ArmRepaint();
        break;
    default:
        break;
    }
    return QOpenGLWidget::eventFilter(watched, event);
}
