#include "auxiliary/Minimonitor.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>

#include "auxiliary/ProgressBar.h"

namespace {

// The caller keeps the thread busy once the window is shown, so the window
// system gets its chance now: a window that is not yet exposed ignores the
// synchronous repaints of UpdateStep. User input stays queued.
void ExposeNow(QWidget* window)
{
    QElapsedTimer waited;
    waited.start();
    while (window->windowHandle() && !window->windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

} // namespace

CMinimonitor::CMinimonitor(QWidget* parent) : m_parent(parent) {}

CMinimonitor::~CMinimonitor()
{
    HideMonitor();
}

void CMinimonitor::ShowMonitor(QWidget* parent, const QString& title, double minimum,
                               double maximum)
{
    HideMonitor();
    m_window = new QDialog(parent ? parent : m_parent);
    m_window->setModal(false);
    m_window->setWindowTitle(title);
    auto* box = new QGroupBox(QStringLiteral("Progress"), m_window);
    m_label = new QLabel(box);
    m_label->setObjectName(QString::number(IdLabel));
    m_bar = new CProgressBar(box);
    m_bar->setObjectName(QString::number(IdBar));
    auto* inner = new QVBoxLayout(box);
    inner->addWidget(m_label);
    inner->addWidget(m_bar);
    auto* layout = new QVBoxLayout(m_window);
    layout->addWidget(box);
    m_window->resize(320, 90);
    m_window->show();
    ExposeNow(m_window);

    m_title = title;
    m_minimum = minimum;
    m_maximum = maximum;
    m_scale = 100.0 / (maximum - minimum);
}

void CMinimonitor::UpdateStep(double value)
{
    if (!m_window)
        return;
    m_bar->SetValue(static_cast<float>(value * m_scale));
    char text[64];
    std::snprintf(text, sizeof text, ":progress done %.2f", static_cast<double>(m_bar->GetValue()));
    m_stepText = QString::fromLatin1(text);
    m_labelText = m_title + m_stepText + QStringLiteral("%");
    m_label->setText(m_labelText);
    m_window->repaint();
}

void CMinimonitor::HideMonitor()
{
    if (!m_window)
        return;
    m_window->hide();
    delete m_window.data();
    m_window = nullptr;
    m_label = nullptr;
    m_bar = nullptr;
}
