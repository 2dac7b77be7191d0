// What the view shows: view modes, force components, the active load case,
// the display lists after a change, and the solver run.
#include "MainWindow.h"

#include <cstdio>

#include <QApplication>
#include <QEventLoop>
#include <filesystem>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStatusBar>

#include "DockManager.h"
#include "ModelUndo.h"
#include "ModelViewWidget.h"
#include "ProjectDocument.h"
#include "ProjectFiles.h"
#include "SolveJob.h"
#include "platform/MessageBox.h"
#include "project/Project.h"
#include "solver/Solver.h"
#include "view/Geometry.h"
#include "auxiliary/Minimonitor.h"
#include "tables/element/CombinationTable.h"
#include "tables/element/MemberLoadTable.h"

bool MainWindow::RefreshView(QString* problem)
{
    if (!m_view->MakeListsCurrent())
        return true; // the lists are built when the context comes
    CGeometry& g = *m_geometry;
    const int mode = g.m_viewMode;
    const int component = g.m_forceComponent; // UpdateDisp clears it
    QString trouble;

    // Nodes, members, property numbers and supports belong to every mode.
    g.m_viewMode = CGeometry::ModeModel;
    g.ClearView();
    g.CreateDisplayList();
    g.RenderSupport();
    g.UpdateProperty();

    CProject project;
    const int nodes = g.m_nodeTable.GetRows();
    const int members = g.m_memberTable.GetRows();
    const int dof = project.GetDof();
    const int k = project.GetActiveLoadCase();
    std::string error;
    if (HasProject() && nodes > 0 && k >= 1 && k <= project.GetLoadCaseCount()) {
        CdMatrix loads;
        if (ProjectFiles::ReadLoads(k, nodes, loads, error))
            g.UpdateLoad(loads);
        else
            trouble = QString::fromStdString(error);
    }
    ShowMemberLoads(k);
    if (HasProject() && project.GetSolution() != 0 && m_document->ResultsCurrent() && nodes > 0 && k >= 1) {
        CdMatrix record;
        if (ProjectFiles::ReadResult(".disn", k, nodes, dof, record, error))
            g.UpdateDisp(record);
        else
            trouble = QString::fromStdString(error);
        if (members > 0) {
            if (ProjectFiles::ReadResult(".elf", k, members, 2 * dof, record, error))
                ShowForceDiagrams(k, record, mode == CGeometry::ModeForces ? component : 0);
            else
                trouble = QString::fromStdString(error);
        }
    }
    g.m_viewMode = mode;
    g.m_forceComponent = component;
    if (!trouble.isEmpty())
        statusBar()->showMessage(trouble, 10000);
    if (problem)
        *problem = trouble;
    m_view->update();
    return trouble.isEmpty();
}

bool MainWindow::SetViewMode(int mode)
{
    if (mode < CGeometry::ModeModel || mode > CGeometry::ModeForces)
        return false;
    CProject project;
    if (mode >= CGeometry::ModeDisplaced && (!HasProject() || project.GetSolution() == 0)) {
        statusBar()->showMessage(tr("No results yet: solve the project first (Analysis > Solve)."), 8000);
        UpdateActions();
        return false;
    }
    if (mode >= CGeometry::ModeDisplaced && !m_document->ResultsCurrent()) {
        statusBar()->showMessage(ProjectDocument::OutOfDateText, 8000);
        UpdateActions();
        return false;
    }
    m_geometry->m_viewMode = mode;
    if (mode == CGeometry::ModeForces && project.GetElementType() == "Truss3D" &&
        m_geometry->m_forceComponent > CGeometry::ForceFx + 2)
        m_geometry->m_forceComponent = CGeometry::ForceFx;
    RefreshView();
    UpdateActions();
    return true;
}

bool MainWindow::SetForceComponent(int id)
{
    if (id < CGeometry::ForceFx || id > CGeometry::ForceMz)
        return false;
    CProject project;
    if (project.GetElementType() == "Truss3D" && id > CGeometry::ForceFx + 2) {
        statusBar()->showMessage(tr("A truss carries no member moments."), 8000);
        UpdateActions();
        return false;
    }
    const bool changed = m_geometry->m_forceComponent != id;
    m_geometry->m_forceComponent = id;
    if (m_geometry->m_viewMode != CGeometry::ModeForces) {
        if (!SetViewMode(CGeometry::ModeForces))
            return false;
    } else if (changed) {
        RefreshView(); // builds the newly chosen diagram
    }
    UpdateActions();
    m_view->update();
    return true;
}

bool MainWindow::SetActiveLoadCase(int k)
{
    CProject project;
    // Records N + 1 .. N + C are the combinations.
    if (!HasProject() || k < 1 || k > project.GetLoadCaseCount() + CombinationTable::Count())
        return false;
    if (project.GetActiveLoadCase() != k) {
        project.GetActiveLoadCase() = k;
        project.Settings(true);
    }
    RefreshView();
    m_docks->RefreshAll();
    UpdateActions();
    return true;
}

bool MainWindow::SolveProject(QString* error)
{
    if (!HasProject()) {
        if (error)
            *error = tr("No project is open.");
        return false;
    }
    // The results will belong to the model as it is now, edits of the
    // last moments included.
    m_undo->Checkpoint();
    // The solver reads the model from the project's files.
    std::string message;
    if (!ProjectFiles::WriteModel(m_geometry->m_nodeTable, m_geometry->m_memberTable, message)) {
        if (error)
            *error = QString::fromStdString(message);
        return false;
    }
    // The solve runs on a worker thread; this waits for it in an event
    // loop, so the window repaints and the dialog's Cancel stays live.
    solver::SolverStatus status;
    {
        SolveJob job;
        QProgressDialog dialog(tr("Reading the model"), tr("Cancel"), 0, 1000, this);
        dialog.setWindowTitle(tr("Solve"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumDuration(0);
        dialog.setValue(0);
        connect(&job, &SolveJob::Progress, &dialog, [this, &dialog](double fraction, const QString& stage) {
            if (dialog.wasCanceled())
                return;
            dialog.setLabelText(stage);
            dialog.setValue(int(fraction * 999.0));
            statusBar()->showMessage(stage);
        });
        connect(&dialog, &QProgressDialog::canceled, &job, [this, &job, &dialog]() {
            job.Cancel();
            dialog.show(); // until the worker has stopped
            dialog.setLabelText(tr("Cancelling..."));
            dialog.setCancelButton(nullptr);
        });
        QEventLoop loop;
        connect(&job, &SolveJob::Finished, &loop, &QEventLoop::quit);
        job.Start();
        loop.exec();
        status = job.Status();
    }
    statusBar()->clearMessage();
    if (status.GetCode() == solver::SolverStatus::Cancelled) {
        // The user asked for it: no error box, the model view as before.
        if (error)
            error->clear();
        if (m_geometry->m_viewMode >= CGeometry::ModeDisplaced)
            m_geometry->m_viewMode = CGeometry::ModeModel;
        RefreshView();
        UpdateActions();
        statusBar()->showMessage(QString::fromStdString(status.GetMessage()), 10000);
        return false;
    }
    if (!status.IsOk()) {
        QString text = QString::fromStdString(status.GetMessage());
        for (const std::string& p : status.GetProblems())
            text += "\n" + QString::fromStdString(p);
        if (error)
            *error = text;
        if (m_geometry->m_viewMode >= CGeometry::ModeDisplaced)
            m_geometry->m_viewMode = CGeometry::ModeModel;
        RefreshView();
        UpdateActions();
        return false;
    }
    QString note = tr("Solved: %1 equations.").arg(status.GetEquationCount());
    if (!status.GetWarnings().empty())
        note += " " + QString::fromStdString(status.GetWarnings().front());
    m_geometry->m_viewMode = CGeometry::ModeDisplaced;
    m_document->Solved();
    RefreshView();
    m_docks->RefreshAll();
    UpdateActions();
    statusBar()->showMessage(note, 10000);
    return true;
}

void MainWindow::ClearResults()
{
    if (!HasProject())
        return;
    CProject project;
    project.ClearResults();
    // The solver's section forces go with the other result files.
    std::remove((project.GetLocation() + project.GetName() + ".mfs").c_str());
    if (m_geometry->m_viewMode >= CGeometry::ModeDisplaced)
        m_geometry->m_viewMode = CGeometry::ModeModel;
    m_document->ResultsCleared();
    RefreshView();
    UpdateActions();
}

void MainWindow::OnSolve()
{
    QString error;
    if (!SolveProject(&error) && !error.isEmpty())
        platform::MessageBox(error.toStdString(), "KESTRA solver", platform::MB_OK | platform::MB_ICONERROR);
}

void MainWindow::AfterModelChange(const QString& undoText)
{
    // A change reaches the history and the document, which has everything
    // refresh; a sheet that changed only how the model is shown (units,
    // names) still has it shown again.
    if (!m_undo->Checkpoint(undoText, true))
        m_document->Redisplay();
}

void MainWindow::ShowMemberLoads(int k)
{
    CProject project;
    CdMatrix loads;
    if (HasProject() && k >= 1 && k <= project.GetLoadCaseCount() &&
        std::filesystem::exists(MemberLoadTable::CasePath(k))) {
        if (!loads.Load(MemberLoadTable::CasePath(k)) || loads.GetCols() != MemberLoadTable::kColumns) {
            statusBar()->showMessage(tr("Member loads of load case %1 cannot be read").arg(k), 10000);
            loads = CdMatrix();
        }
    }
    m_geometry->UpdateMemberLoad(loads);
}

void MainWindow::ShowForceDiagrams(int k, const CdMatrix& forces, int component)
{
    // Section forces at the stations, when the solver wrote them, draw the
    // diagrams along the members instead of straight lines between the
    // end values: the straight ones are then not built at all.
    CProject project;
    CGeometry& g = *m_geometry;
    const std::string path = ProjectFiles::ProjectPath(".mfs");
    const int members = g.m_memberTable.GetRows();
    CdMatrix stations;
    std::string error;
    if (std::filesystem::exists(path) &&
        !ProjectFiles::ReadResult(".mfs", k, members * CGeometry::kStations, project.GetDof(), stations, error)) {
        statusBar()->showMessage(QString::fromStdString(error), 10000);
        stations = CdMatrix();
    }
    // Only the diagram on screen is built (none outside the force view):
    // on software OpenGL each one costs about a second per 50,000 members,
    // and the view shows one component at a time. Choosing another builds
    // that one. The user's show switches are kept for the next build.
    COptionPage4& o = g.m_forceOptions;
    const COptionPage4 chosen = o;
    int* shows[6] = {&o.m_memberFxShow, &o.m_memberFyShow, &o.m_memberFzShow,
                     &o.m_memberMxShow, &o.m_memberMyShow, &o.m_memberMzShow};
    for (int c = 0; c < 6; ++c)
        if (c != component - CGeometry::ForceFx)
            *shows[c] = 0;
    if (stations.GetRows() == 0) {
        g.UpdateMemberForec(forces);
    } else {
        g.UpdateDiagramLabels(forces);
        g.UpdateMemberStations(stations);
    }
    o = chosen;
}
