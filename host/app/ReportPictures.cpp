#include "ReportPictures.h"

#include "CommandLine.h"
#include "HeadlessRenderer.h"
#include "ProjectFiles.h"

ReportPictures::ReportPictures(int width, int height) : m_width(width), m_height(height) {}

ReportPictures::~ReportPictures() = default;

bool ReportPictures::Open(std::string& error)
{
    if (m_open)
        return true;
    auto renderer = std::make_unique<HeadlessRenderer>(m_width, m_height);
    if (!renderer->Open(error) || !ProjectFiles::ReadModel(renderer->Geometry(), error))
        return false;
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
    if (!CommandLine::PrepareView(m_renderer->Geometry(), mode, component, k, error))
        return QImage();
    return m_renderer->Capture();
}
