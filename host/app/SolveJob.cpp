#include "SolveJob.h"

SolveJob::SolveJob(QObject* parent) : QObject(parent)
{
    m_solver.SetProgress([this](double fraction, const std::string& stage) {
        emit Progress(fraction, QString::fromStdString(stage));
    });
    // The worker's signals reach this thread's receivers queued; the
    // thread is joined here, after its last signal has been sent.
    connect(this, &SolveJob::Finished, this, &SolveJob::Join, Qt::QueuedConnection);
}

SolveJob::~SolveJob()
{
    m_solver.Cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void SolveJob::Start()
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this]() {
        m_status = m_solver.SolveProject();
        emit Finished();
    });
}

void SolveJob::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}
