// One solve of the current project (solver::Solver::SolveProject) on a
// worker thread, so the window stays responsive. Progress and the end come
// back as signals queued to the thread that owns the job; Cancel may be
// called at any time and the solve then stops at its next check, leaving
// no result files and "SOLUTION" at 0.
#pragma once
#include <QObject>
#include <QString>
#include <thread>

#include "solver/Solver.h"

class SolveJob : public QObject {
    Q_OBJECT
public:
    explicit SolveJob(QObject* parent = nullptr);
    // Cancels a solve still running and waits for it.
    ~SolveJob() override;

    void Start();
    void Cancel() { m_solver.Cancel(); }
    bool IsCancelled() const { return m_solver.IsCancelled(); }
    // Valid once Finished has been received.
    const solver::SolverStatus& Status() const { return m_status; }

signals:
    // fraction 0..1 of the whole solve and the stage being worked on.
    void Progress(double fraction, const QString& stage);
    void Finished();

private:
    void Join();

    solver::Solver m_solver;
    solver::SolverStatus m_status;
    std::thread m_thread;
};
