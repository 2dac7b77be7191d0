// The desktop model view: a QOpenGLWidget that is the model view's window.
// It implements the library's GL surface (the context is the widget's own),
// creates the model view's context state through COpenGL::OnCreate when its
// context first exists, and on every paint clears, loads its camera, draws
// the ground grid and the global axes of the global settings, calls
// CGeometry::Rendering and draws the result legend.
//
// The view repaints only when something changed: the library's repaint
// timer does not run periodically but fires once after the user did
// something anywhere in the window (a key, a click, the wheel), which is
// when the tables rebuild display lists; camera, selection and size changes
// repaint at once, and Qt merges repaint requests into one frame.
//
// Picking (ModelViewWidgetPick.cpp): a click selects the node or member
// under the pointer, Shift + drag a rectangle selects every node (or, when
// it holds no node, every member) inside it; the main window selects the
// table rows. Hovering shows the number and key values in a tooltip.
// The main window owns the widget and the CGeometry it shows.
#pragma once
#include <QOpenGLWidget>
#include <QPoint>
#include <QVector>
#include <map>

#include "ViewCamera.h"
#include "ViewPicker.h"
#include "view/GLSurface.h"

class CGeometry;
class QAction;
class QRubberBand;
class QTimer;

class ModelViewWidget : public QOpenGLWidget, public platform::GLSurface {
    Q_OBJECT
public:
    explicit ModelViewWidget(CGeometry& geometry, QWidget* parent = nullptr);
    ~ModelViewWidget() override;

    // The surface format the view asks for: OpenGL 2.1 compatibility
    // profile, 24-bit depth, double buffered. main() makes it the default
    // before the application object exists.
    static QSurfaceFormat Format();

    CGeometry& Geometry() { return m_geometry; }
    ViewCamera& Camera() { return m_camera; }

    // True once the context exists and the model view's state is set up.
    bool ContextReady() const { return m_ready; }
    // Makes the view's context current so that display lists can be
    // rebuilt outside a paint; false before the context exists.
    bool MakeListsCurrent();

    // Camera commands (each repaints).
    void FitToModel();
    void SetStandardView(ViewCamera::Standard view);
    // One keyboard step of the global settings: axis 0..2, sign +1 or -1.
    void StepRotate(int axis, int sign);
    void StepTranslate(int axis, int sign);
    void StepZoom(int sign);

    // ---- picking (ModelViewWidgetPick.cpp) ----------------------------
    // What lies under window point (x, y) and inside a window rectangle,
    // seen through the current camera.
    ViewPicker::Hit PickAt(const QPoint& point);
    QVector<int> NodesInside(const QRect& rect);
    QVector<int> MembersInside(const QRect& rect);
    // Window position of node n (false when it is not drawn).
    bool NodePosition(int n, QPoint* point);
    // The tooltip of a picked node or member: number, coordinates or end
    // nodes and property, and with results the displacements or end forces
    // of the active load case, in the project's units.
    QString Describe(const ViewPicker::Hit& hit);
    // "Member end values" (key E): every member's end values on the force
    // diagrams.
    QAction* EndValuesAction() const { return m_endValuesAction; }

    // ---- platform::GLSurface ------------------------------------------
    int ChoosePixelFormat(const platform::PixelFormatDescriptor& request) override;
    int DescribePixelFormat(int format, platform::PixelFormatDescriptor* out) override;
    bool SetPixelFormat(int format, const platform::PixelFormatDescriptor& descriptor) override;
    platform::GLContextHandle CreateContext() override;
    bool MakeCurrent(platform::GLContextHandle context) override;
    platform::GLContextHandle CurrentContext() const override;
    bool DeleteContext(platform::GLContextHandle context) override;
    void SwapBuffers() override;
    void SetTimer(unsigned id, unsigned periodMs, std::function<void()> tick) override;
    void KillTimer(unsigned id) override;
    void Invalidate(bool erase) override;
    platform::GLSize ClientSize() const override;

signals:
    // The context exists and the model view is ready for its display lists.
    void contextReady();
    // A click or a rectangle picked these nodes or members (table order).
    void nodesPicked(const QVector<int>& nodes);
    void membersPicked(const QVector<int>& members);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DrawGroundGrid();
    void DrawGlobalAxes();
    double Aspect() const;
    void ReleaseContext();
    // Starts the library's repaint timers once (they fire one tick each).
    void ArmRepaint();
    void ProjectNodes();
    void FinishRectangle(const QRect& rect);

    CGeometry& m_geometry;
    ViewCamera m_camera;
    std::map<unsigned, QTimer*> m_timers;
    QPoint m_lastMouse;
    QPoint m_pressPoint;
    bool m_dragged = false;
    QRubberBand* m_band = nullptr;
    ViewPicker m_picker;
    QAction* m_endValuesAction = nullptr;
    bool m_ready = false;
    bool m_fitted = false;
};
