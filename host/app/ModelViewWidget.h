// The desktop model view: a QOpenGLWidget that is the model view's window.
// It implements the library's GL surface (the context is the widget's own,
// the repaint timer a QTimer), creates the model view's context state
// through COpenGL::OnCreate when its context first exists, and on every
// paint clears, loads its camera, draws the ground grid and the global axes
// of the global settings and calls CGeometry::Rendering. The main window
// owns it and the CGeometry it shows.
#pragma once
#include <QOpenGLWidget>
#include <QPoint>
#include <map>

#include "ViewCamera.h"
#include "view/GLSurface.h"

class CGeometry;
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

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DrawGroundGrid();
    void DrawGlobalAxes();
    double Aspect() const;
    void ReleaseContext();

    CGeometry& m_geometry;
    ViewCamera m_camera;
    std::map<unsigned, QTimer*> m_timers;
    QPoint m_lastMouse;
    bool m_ready = false;
    bool m_fitted = false;
};
