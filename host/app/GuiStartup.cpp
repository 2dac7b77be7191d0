#include "GuiStartup.h"

#include <clocale>

#include <QCoreApplication>
#include <QSurfaceFormat>

#include "ModelViewWidget.h"
#include "tables/QtPlatform.h"
#include "auxiliary/MatrixViewer.h"

void GuiStartup::BeforeApplication()
{
    QSurfaceFormat::setDefaultFormat(ModelViewWidget::Format());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void GuiStartup::AfterApplication(const char* organisation, const char* application)
{
    // Tables, settings and reports are written with the C runtime's
    // formats, never with a decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    QCoreApplication::setApplicationVersion("0.1");
    platform::InstallQtPlatform();
    CMatrixViewer::InstallPrintHook();
}
