#include "ReportPictures.h"

#include "CommandLine.h"
#include "HeadlessRenderer.h"
#include "ProjectFiles.h"
#include "view/Geometry.h"

ReportPictures::ReportPictures(int width, int height) : m_width(width), m_height(height) {}

ReportPictures::~ReportPictures() = default;

bool ReportPictures::Open(std::string& error)
{
    if (m_open)
        return true;
    auto renderer = std::make_unique<HeadlessRenderer>(m_width, m_height);
    if (!renderer->Open(error) || !ProjectFiles::ReadModel(renderer->Geometry(), error))
        return false;
    CGeometry& g = renderer->Geometry();
    m_labelled = g.m_nodeTable.GetRows() <= kLabelledNodes;
    if (!m_labelled) {
        // For these pictures only; the settings file is not touched.
        g.m_nodeOptions.m_nodeNumberShow = 0;
        g.m_nodeOptions.m_nodeCoordinateShow = 0;
        g.m_memberOptions.m_memberNumberShow = 0;
        g.m_loadOptions.m_loadNumberShow = 0;
    }
    renderer->MakeCurrent(false);
    m_renderer = std::move(renderer);
    m_open = true;
    return true;
}

QImage ReportPictures::Draw(int mode, int component, int k, std::string& error)
{
    if (!m_open) {
        error = "the offscreen view is not open";
        return QImage();
    }
    // The context is current only while a picture is drawn.
    if (!m_renderer->MakeCurrent(true)) {
        error = "cannot make the offscreen view's OpenGL context current";
        return QImage();
    }
    CGeometry& g = m_renderer->Geometry();
    QImage image;
    if (mode == CGeometry::ModeForces && k == m_forcesOf) {
        g.m_viewMode = mode;
        g.m_forceComponent = component;
        image = m_renderer->Capture();
    } else {
        m_forcesOf = 0;
        if (CommandLine::PrepareView(g, mode, component, k, error)) {
            if (mode == CGeometry::ModeForces)
                m_forcesOf = k;
            image = m_renderer->Capture();
        }
    }
    m_renderer->MakeCurrent(false);
    return image;
}
