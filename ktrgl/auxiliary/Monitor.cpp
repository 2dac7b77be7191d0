#include "auxiliary/Monitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

#include "auxiliary/ProgressBar.h"

namespace {

// The owner keeps the thread busy once the window exists and refreshes it
// with synchronous repaints, which a window not yet exposed ignores: the
// window system gets its chance now. User input stays queued.
void ExposeNow(QWidget* window)
{
    QElapsedTimer waited;
    waited.start();
    while (window->windowHandle() && !window->windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}

} // namespace

CMonitor::CMonitor(QWidget* parent) : QDialog(parent)
{
    setModal(false);
    auto* component = new QGroupBox(QStringLiteral("Component Progress"), this);
    auto* all = new QGroupBox(QStringLiteral("All Progress"), this);
    m_static1 = new QLabel(component);
    m_static1->setObjectName(QString::number(IdComponentText));
    m_bar1 = new CProgressBar(component);
    m_bar1->setObjectName(QString::number(IdComponentBar));
    m_static2 = new QLabel(all);
    m_static2->setObjectName(QString::number(IdAllText));
    m_bar2 = new CProgressBar(all);
    m_bar2->setObjectName(QString::number(IdAllBar));
    auto* c = new QVBoxLayout(component);
    c->addWidget(m_static1);
    c->addWidget(m_bar1);
    auto* a = new QVBoxLayout(all);
    a->addWidget(m_static2);
    a->addWidget(m_bar2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(component);
    layout->addWidget(all);
    resize(340, 210);
    show();
    ExposeNow(this);
}

CMonitor::~CMonitor() = default;

void CMonitor::UpdateData(bool save)
{
    if (save) {
        m_text1 = m_static2->text();
        m_text2 = m_static1->text();
    } else {
        m_static2->setText(m_text1);
        m_static1->setText(m_text2);
    }
}
