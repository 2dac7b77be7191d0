// Projects: new, open, save, save as, recent projects, closing.
#include "MainWindow.h"

#include <filesystem>
#include <fstream>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

#include "DockManager.h"
#include "ModelUndo.h"
#include "ModelViewWidget.h"
#include "ProjectDocument.h"
#include "ProjectFiles.h"
#include "platform/MessageBox.h"
#include "project/Archive.h"
#include "project/Project.h"
#include "view/Geometry.h"
#include "setup/NewProjectPage1.h"
#include "setup/NewProjectPage2.h"
#include "setup/NewProjectPage3.h"
#include "setup/WizardSheet.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRecentCount = 8;

// Folder of a path with its trailing '/', as the project keeps it.
std::string FolderOf(const fs::path& path)
{
    std::string folder = path.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool EnsureProjectFile(const std::string& path)
{
    std::error_code ec;
    if (fs::is_regular_file(path, ec))
        return true;
    std::ofstream out(path, std::ios::binary);
    return bool(out);
}

} // namespace

// ---- reading the model -------------------------------------------------------

bool MainWindow::ReadProjectModel(std::string& error)
{
    // A project just made has no tables yet, and one with nodes but no
    // members yet has an empty member table: both open as they are.
    CProject project;
    const std::string nodeFile = project.GetLocation() + project.GetName() + ".nod";
    const std::string memberFile = project.GetLocation() + project.GetName() + ".ele";
    std::error_code ec;
    const bool haveNodes = fs::is_regular_file(nodeFile, ec);
    const bool haveMembers = fs::is_regular_file(memberFile, ec);
    if (!haveNodes && !haveMembers) {
        m_geometry->m_nodeTable = CdMatrix();
        m_geometry->m_memberTable = CdMatrix();
        return true;
    }
    CdMatrix nodes, members;
    if (haveNodes && haveMembers && nodes.Load(nodeFile) && members.Load(memberFile) &&
        members.GetRows() == 0) {
        const int dof = project.GetDof();
        if (nodes.GetRows() == 0 || nodes.GetCols() >= 3 + dof) {
            m_geometry->m_nodeTable = nodes;
            m_geometry->m_memberTable = CdMatrix();
            return true;
        }
    }
    return ProjectFiles::ReadModel(*m_geometry, error);
}

void MainWindow::ShowProjectModel()
{
    m_geometry->m_viewMode = CGeometry::ModeModel;
    if (m_geometry->m_forceComponent < CGeometry::ForceFx || m_geometry->m_forceComponent > CGeometry::ForceMz)
        m_geometry->m_forceComponent = CGeometry::ForceFx;
    m_geometry->m_selNodeFrom = m_geometry->m_selNodeTo = 0;
    m_geometry->m_selMemberFrom = m_geometry->m_selMemberTo = 0;
    // Another model: the document has every dock, the view and the status
    // refresh; results on disk belong to it.
    CProject project;
    m_document->Replaced(project.GetSolution() != 0);
    m_view->FitToModel();
    // Filling the view and the bars is not a change of the model.
    m_geometry->m_geometryChanged = false;
    m_geometry->m_modelChanged = false;
    m_undo->SetEnabled(true);
    m_undo->Reset();
    UpdateActions();
}

// ---- workers -------------------------------------------------------------------

bool MainWindow::OpenProject(const QString& path, QString* error)
{
    const std::string previous = m_projectPath.toStdString();
    std::string message;
    if (!ProjectFiles::OpenProject(path.toStdString(), message)) {
        if (error)
            *error = QString::fromStdString(message);
        return false;
    }
    if (!ReadProjectModel(message)) {
        // The settings point at the project that failed: give the one that
        // was open back its place.
        std::string ignored;
        if (!previous.empty())
            ProjectFiles::OpenProject(previous, ignored);
        if (error)
            *error = QString::fromStdString(message);
        return false;
    }
    CProject project;
    m_projectPath = QString::fromStdString(project.GetProjectFilePath());
    AddRecent(m_projectPath);
    ShowProjectModel();
    statusBar()->showMessage(tr("Opened %1").arg(m_projectPath), 5000);
    const std::vector<int> unfinished = ProjectFiles::UnfinishedMembers(m_geometry->m_memberTable);
    if (!unfinished.empty())
        platform::MessageBox(ProjectFiles::UnfinishedText(unfinished), "KESTRA",
                             platform::MB_OK | platform::MB_ICONWARNING);
    return true;
}

bool MainWindow::SaveProject(QString* error)
{
    if (!HasProject()) {
        if (error)
            *error = tr("No project is open.");
        return false;
    }
    std::string message;
    if (!ProjectFiles::WriteModel(m_geometry->m_nodeTable, m_geometry->m_memberTable, message)) {
        if (error)
            *error = QString::fromStdString(message);
        return false;
    }
    CProject project;
    project.Settings(true);
    m_undo->Checkpoint();
    if (m_document->ResultsOutOfDate()) {
        // Saved with this model, another model's results would be read
        // as its own when the project is opened again.
        ClearResults();
    }
    m_geometry->m_geometryChanged = false;
    m_geometry->m_modelChanged = false;
    m_undo->Stack()->setClean();
    UpdateTitle();
    statusBar()->showMessage(tr("Saved %1").arg(m_projectPath), 5000);
    return true;
}

bool MainWindow::SaveProjectAs(const QString& path, QString* error)
{
    if (!HasProject()) {
        if (error)
            *error = tr("No project is open.");
        return false;
    }
    fs::path target = fs::absolute(path.toStdString()).lexically_normal();
    if (target.extension() != ".KTR")
        target += ".KTR";
    const std::string newFolder = FolderOf(target);
    const std::string newName = target.stem().string();
    CProject project;
    const std::string oldFolder = project.GetLocation();
    const std::string oldName = project.GetName();
    if (newFolder == oldFolder && newName == oldName)
        return SaveProject(error);

    std::error_code ec;
    fs::create_directories(newFolder, ec);
    // Every file of the project goes along under the new name: the
    // library's tables, the host's model tables and the results.
    for (const auto& entry : fs::directory_iterator(oldFolder, ec)) {
        const std::string file = entry.path().filename().string();
        if (!entry.is_regular_file())
            continue;
        std::string copyName;
        if (file.size() > oldName.size() + 1 && file.compare(0, oldName.size() + 1, oldName + ".") == 0) {
            const std::string ext = file.substr(oldName.size());
            if (ext == ".KTR")
                continue;
            copyName = newName + ext;
        } else if (file == "dcos") {
            copyName = file;
        } else {
            continue;
        }
        std::error_code copyError;
        fs::copy_file(entry.path(), fs::path(newFolder) / copyName, fs::copy_options::overwrite_existing,
                      copyError);
        if (copyError) {
            if (error)
                *error = tr("Cannot copy %1 to %2").arg(QString::fromStdString(entry.path().string()),
                                                         QString::fromStdString(newFolder + copyName));
            return false;
        }
    }
    const std::string projectFile = newFolder + newName + ".KTR";
    if (!EnsureProjectFile(projectFile)) {
        if (error)
            *error = tr("Cannot create %1").arg(QString::fromStdString(projectFile));
        return false;
    }
    project.GetLocation() = newFolder;
    project.GetName() = newName;
    project.Settings(true);
    m_projectPath = QString::fromStdString(projectFile);
    AddRecent(m_projectPath);
    if (!SaveProject(error))
        return false;
    // The copy is the project now: everything shows it (its load files,
    // its name) and a history of its own starts.
    m_document->Replaced(CProject().GetSolution() != 0);
    m_undo->Reset();
    UpdateActions();
    return true;
}

bool MainWindow::CreateProject(const QString& path, QString* error)
{
    fs::path target = fs::absolute(path.toStdString()).lexically_normal();
    if (target.extension() != ".KTR")
        target += ".KTR";
    const std::string folder = FolderOf(target);
    const std::string name = target.stem().string();
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string projectFile = folder + name + ".KTR";
    if (!EnsureProjectFile(projectFile)) {
        if (error)
            *error = tr("Cannot create %1").arg(QString::fromStdString(projectFile));
        return false;
    }
    // A project of the same name that was here leaves no member loads or
    // combinations to the new one.
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string file = entry.path().filename().string();
        const bool mine = file.size() >= name.size() + 4 && file.compare(0, name.size() + 1, name + ".") == 0;
        const std::string ext = mine ? file.substr(name.size() + 1) : std::string();
        if (ext == "cmb" || (ext.size() > 3 && ext.compare(0, 3, "mld") == 0))
            fs::remove(entry.path(), ec);
    }
    // The wizard has written type, title and units; the rest starts empty.
    CProject project;
    project.GetLocation() = folder;
    project.GetName() = name;
    project.GetNodeCount() = 0;
    project.GetElementCount() = 0;
    project.GetMaterialCount() = 0;
    project.GetReleaseCount() = 0;
    project.GetLoadCaseCount() = 0;
    project.GetEquationCount() = 0;
    project.GetActiveLoadCase() = 1;
    project.GetSolution() = 0;
    if (project.GetElementType() == "Truss3D") {
        project.GetDof() = 3;
    } else {
        project.GetElementType() = "Frame3D";
        project.GetDof() = 6;
    }
    project.GetNodesPerElement() = 2;
    project.Settings(true);

    m_geometry->m_nodeTable = CdMatrix();
    m_geometry->m_memberTable = CdMatrix();
    m_projectPath = QString::fromStdString(projectFile);
    std::string message;
    if (!ProjectFiles::WriteModel(m_geometry->m_nodeTable, m_geometry->m_memberTable, message)) {
        if (error)
            *error = QString::fromStdString(message);
        return false;
    }
    AddRecent(m_projectPath);
    ShowProjectModel();
    statusBar()->showMessage(tr("New project %1").arg(m_projectPath), 5000);
    return true;
}

// ---- recent projects ---------------------------------------------------------------

QStringList MainWindow::RecentProjects() const
{
    return QSettings().value("recentProjects").toStringList();
}

void MainWindow::AddRecent(const QString& path)
{
    QStringList list = RecentProjects();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > kRecentCount)
        list.removeLast();
    QSettings().setValue("recentProjects", list);
    UpdateRecentMenu();
}

void MainWindow::UpdateRecentMenu()
{
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    const QStringList list = RecentProjects();
    int n = 0;
    for (const QString& path : list) {
        ++n;
        QAction* a = m_recentMenu->addAction(QString("&%1 %2").arg(n).arg(path));
        a->setEnabled(QFileInfo::exists(path));
        connect(a, &QAction::triggered, this, [this, path]() {
            if (!MaybeSave())
                return;
            QString error;
            if (!OpenProject(path, &error))
                ShowError(error, tr("Open project"));
        });
    }
    m_recentMenu->setEnabled(!list.isEmpty());
}

// ---- handlers ------------------------------------------------------------------------

bool MainWindow::MaybeSave()
{
    if (!HasProject() || !(m_geometry->m_modelChanged || m_geometry->m_geometryChanged))
        return true;
    CProject project;
    const int answer = platform::MessageBox("Save the changes to the model of " + project.GetName() + "?",
                                            "KESTRA", platform::MB_YESNOCANCEL | platform::MB_ICONQUESTION);
    if (answer == platform::IDCANCEL)
        return false;
    if (answer == platform::IDYES) {
        QString error;
        if (!SaveProject(&error)) {
            ShowError(error, tr("Save project"));
            return false;
        }
    }
    return true;
}

void MainWindow::OnFileOpen()
{
    if (!MaybeSave())
        return;
    const QString start = HasProject() ? QFileInfo(m_projectPath).absolutePath() : QDir::homePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("Open project"), start,
                                                      tr("KESTRA projects (*.KTR);;All files (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!OpenProject(path, &error))
        ShowError(error, tr("Open project"));
}

void MainWindow::OnFileSave()
{
    QString error;
    if (!SaveProject(&error))
        ShowError(error, tr("Save project"));
}

void MainWindow::SetProjectPathChooser(PathChooser chooser)
{
    m_choosePath = std::move(chooser);
}

void MainWindow::OnFileSaveAs()
{
    const QString path = m_choosePath ? m_choosePath(tr("Save project as"))
                                      : QFileDialog::getSaveFileName(this, tr("Save project as"),
                                                                     QFileInfo(m_projectPath).absolutePath(),
                                                                     tr("KESTRA projects (*.KTR)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveProjectAs(path, &error))
        ShowError(error, tr("Save project as"));
}

void MainWindow::OnFileNew()
{
    if (!MaybeSave())
        return;
    // The wizard's pages write the project facts as each step is left. So
    // that an open project's file is not touched by them, the settings
    // point at no project file while the wizard runs; cancelling puts the
    // open project back.
    const CProject before;
    {
        CProject scratch;
        scratch.GetLocation() = QDir::tempPath().toStdString() + "/";
        scratch.GetName() = "kestra-new-project-" + std::to_string(QCoreApplication::applicationPid());
        scratch.Settings(true);
    }
    auto restore = [&before]() {
        CProject back = before;
        back.Settings(true);
    };
    CWizardSheet sheet(this);
    CNewProjectPage1 page1;
    CNewProjectPage2 page2;
    CNewProjectPage3 page3;
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    sheet.AddPage(&page3);
    if (sheet.DoModal() != PropertySheet::IdWizardFinish) {
        restore();
        return;
    }
    const QString caption = tr("New project: folder and name");
    const QString path = m_choosePath ? m_choosePath(caption)
                                      : QFileDialog::getSaveFileName(this, caption, QDir::homePath(),
                                                                     tr("KESTRA projects (*.KTR)"));
    if (path.isEmpty()) {
        restore();
        return;
    }
    QString error;
    if (!CreateProject(path, &error)) {
        restore();
        ShowError(error, tr("New project"));
    }
}

void MainWindow::OnSummary()
{
    CProject project;
    project.ShowDetail();
}

void MainWindow::OnClearResults()
{
    ClearResults();
}
