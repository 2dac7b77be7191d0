#include "view/OpenGL.h"

#include "platform/MessageBox.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

// Setup failures are shown with the exclamation icon, an OK button and the
// application's own title.
void SetupFailed(const char* text)
{
    platform::MessageBox(text, "", platform::MB_OK | platform::MB_ICONWARNING);
}

} // namespace

COpenGL::COpenGL() = default;

COpenGL::~COpenGL() = default;

int COpenGL::CreateRenderingContext()
{
    m_hRC = m_hDC ? m_hDC->CreateContext() : nullptr;
    if (m_hRC == nullptr) {
        SetupFailed("wglCreateContext failed");
        return 0;
    }
    if (!m_hDC->MakeCurrent(m_hRC)) {
        SetupFailed("wglMakeCurrent failed");
        return 0;
    }
    SetInitialRender();
    return 1;
}

int COpenGL::SetPixelFormatDes()
{
    platform::PixelFormatDescriptor pfd;
    pfd.nSize = sizeof(platform::PixelFormatDescriptor);
    pfd.nVersion = 1;
    pfd.dwFlags = platform::PFD_DRAW_TO_WINDOW | platform::PFD_SUPPORT_OPENGL |
                  platform::PFD_DOUBLEBUFFER | platform::PFD_STEREO_DONTCARE;
    pfd.iPixelType = platform::PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 16;

    if (m_hDC == nullptr) {
        SetupFailed("Choose pixel format failed");
        return 0;
    }
    int format = m_hDC->ChoosePixelFormat(pfd);
    if (format == 0) {
        // Nothing matches the request: take the first format the device
        // offers, if it can be described at all.
        format = 1;
        if (m_hDC->DescribePixelFormat(format, &pfd) == 0) {
            SetupFailed("Choose pixel format failed");
            return 0;
        }
    }
    if (!m_hDC->SetPixelFormat(format, pfd)) {
        SetupFailed("Set pixel format failed");
        return 0;
    }
    return 1;
}

int COpenGL::OnCreate(platform::GLSurface* view)
{
    m_hWnd = view;
    m_hDC = view;
    if (SetPixelFormatDes())
        CreateRenderingContext();
    return 0;
}

void COpenGL::OnSize(unsigned /*type*/, int cx, int cy)
{
    if (cy > 0)
        m_aspect = static_cast<double>(cx) / static_cast<double>(cy);
    else
        m_aspect = static_cast<double>(cx);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, m_aspect, 0.1, 5000.0);
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    m_size.cx = cx;
    m_size.cy = cy;
}

void COpenGL::OnDestroy()
{
    glDisable(GL_DEPTH_TEST);
    if (m_hDC != nullptr && m_hDC->CurrentContext() != nullptr)
        m_hDC->MakeCurrent(nullptr);
    if (m_hRC != nullptr) {
        if (m_hDC != nullptr)
            m_hDC->DeleteContext(m_hRC);
        m_hRC = nullptr;
    }
    if (m_hWnd != nullptr)
        m_hWnd->KillTimer(kTimerId);
}

void COpenGL::OnMouseMove(unsigned /*flags*/, int /*x*/, int /*y*/)
{
}

bool COpenGL::PreCreateWindow(platform::CreateStruct& cs)
{
    cs.style |= platform::WS_CLIPCHILDREN | platform::WS_CLIPSIBLINGS;
    return true;
}

void COpenGL::OnKeyDown(unsigned /*key*/, unsigned /*repeatCount*/, unsigned /*flags*/)
{
}

void COpenGL::SetInitialRender()
{
    InitialRenderState(0.0, 0.0, 0.0);
}

void COpenGL::InitialRenderState(double red, double green, double blue)
{
    glShadeModel(GL_SMOOTH);
    glClearColor(static_cast<GLclampf>(red), static_cast<GLclampf>(green),
                 static_cast<GLclampf>(blue), 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);

    if (m_hWnd != nullptr)
        m_hWnd->SetTimer(kTimerId, kTimerPeriodMs, [this]() { OnTimer(kTimerId); });

    if (m_hDC != nullptr)
        m_hDC->UseFontBitmaps(0, kFontListCount, kFontListBase);
    glListBase(kFontListBase);
}

void COpenGL::Rotation(double x, double y, double z)
{
    glPushMatrix();
    glRotated(x, 1.0, 0.0, 0.0);
    glRotated(y, 0.0, 1.0, 0.0);
    glRotated(z, 0.0, 0.0, 1.0);
    glPopMatrix();
}

void COpenGL::Translate(double x, double y, double z)
{
    glPushMatrix();
    glTranslated(x, y, z);
    glPopMatrix();
}

void COpenGL::Zoom(double percentage)
{
    const double factor = percentage / 100.0;
    glPushMatrix();
    glScaled(factor, factor, factor);
    glPopMatrix();
}

void COpenGL::RenderString(double x, double y, double z, const std::string& text)
{
    glRasterPos3d(x, y, z);
    if (!text.empty())
        glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
}

void COpenGL::UpdateView()
{
    platform::GLSurface::InvalidateAll(false);
}

void COpenGL::OnTimer(unsigned /*id*/)
{
    if (m_hWnd != nullptr)
        m_hWnd->Invalidate(false);
}
