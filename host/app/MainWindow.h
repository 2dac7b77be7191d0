// The kestra desktop window: the model view in the middle, the table bars in
// docks around it, and the menus File, Edit, Input, Analysis, Output, View,
// Settings and Help. It owns the one CGeometry of the program and keeps the
// host's side of the project: the node and member tables (F + N + ".nod",
// ".ele"), the solver run and what the view shows after it.
//
// Every command that asks the user something is a handler (On...) that asks
// and a worker that takes the answers; tests call the workers.
//
// Sources: MainWindow.cpp (construction, menus, window state),
// MainWindowFile.cpp (new, open, save, recent projects, closing),
// MainWindowView.cpp (view modes, load case, solving, the view's lists),
// MainWindowSheets.cpp (input, output, settings, properties, wizards).
#pragma once
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "ViewCamera.h"

class CGeometry;
class CdMatrix;
class DockManager;
class ModelUndo;
class ModelViewWidget;
class ProjectDocument;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    CGeometry& Geometry() { return *m_geometry; }
    ModelViewWidget* View() const { return m_view; }
    DockManager* Docks() const { return m_docks; }
    ModelUndo* Undo() const { return m_undo; }
    // What changed: every dock, the view, the title and the status bar
    // follow its signals.
    ProjectDocument* Document() const { return m_document; }

    // ---- projects (MainWindowFile.cpp) -------------------------------------
    // Opens a ".KTR" file: it becomes the current project of the settings
    // file, its node and member tables fill the model and the view shows
    // it. False with `error` when the file or its tables cannot be read;
    // the project that was open stays open.
    bool OpenProject(const QString& path, QString* error);
    // Writes the node and member tables and every project setting
    // (CProject::Settings (true), which rewrites the project file).
    bool SaveProject(QString* error);
    // Copies the project's files to the new folder and name (F' + N' + ext)
    // and makes the copy the current project.
    bool SaveProjectAs(const QString& path, QString* error);
    // After the new-project wizard: a project at path (folder and name from
    // it) with the wizard's type, title and units and an empty model.
    bool CreateProject(const QString& path, QString* error);
    bool HasProject() const { return !m_projectPath.isEmpty(); }
    QString ProjectPath() const { return m_projectPath; }
    QStringList RecentProjects() const;

    // ---- view and analysis (MainWindowView.cpp) ---------------------------
    // 0 model, 1 loads, 2 displaced shape, 3 member forces. Modes 2 and 3
    // need results; false (and the mode unchanged) without them.
    bool SetViewMode(int mode);
    // 1007..1012 (Fx .. Mz); a truss has no moments.
    bool SetForceComponent(int id);
    // Makes k the active load case ("LOADS CASE") and shows its loads and
    // results.
    bool SetActiveLoadCase(int k);
    // Rebuilds every display list of the model view from the model, the
    // active load case's loads and, when solved, its results. False with
    // the reason when a load or result file cannot be read (the model is
    // still drawn).
    bool RefreshView(QString* problem = nullptr);
    // Writes the model tables, runs the solver with the progress monitor
    // and shows the displaced shape. False with the solver's message.
    bool SolveProject(QString* error);
    // Clears the results (CProject::ClearResults) and returns to the model.
    void ClearResults();

    // Where New and Save As ask for the project's folder and name: a
    // function given the dialog's caption, returning the chosen ".KTR"
    // path or an empty string. The default is the desktop's save dialog;
    // tests answer with a fixed path.
    using PathChooser = std::function<QString(const QString& caption)>;
    void SetProjectPathChooser(PathChooser chooser);

    // ---- handlers: they ask, then call the workers --------------------------
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnSummary();
    void OnClearResults();
    void OnExportReport();
    void OnProjectProperties();
    void OnGeometryWizard();
    void OnInputSheet();
    void OnOutputSheet();
    void OnSettings();
    void OnSolve();
    void OnAbout();

    // After a sheet or a wizard: the change goes into the undo history and
    // the document, which has everything show the model again.
    void AfterModelChange(const QString& undoText);
    // "Results out of date - solve again", or "" while the results (if
    // any) belong to the model as it is.
    QString ResultsNotice() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    QMenu* CreateInputMenu();
    void UpdateTitle();
    void UpdateActions();
    // The document's signals: refresh from the model, show the results'
    // state.
    void OnModelChanged(bool replaced);
    void OnResultsChanged();
    void UpdateRecentMenu();
    void UpdateLoadCaseMenu();
    // Member load glyphs of case k (none for a combination or without a
    // file).
    void ShowMemberLoads(int k);
    // The force diagram of `component` (ForceFx..ForceMz; 0 for none) of
    // record k with its member end forces, the labels and legends of all:
    // through the stations when the solver wrote ".mfs", else straight.
    void ShowForceDiagrams(int k, const CdMatrix& forces, int component);
    void AddRecent(const QString& path);
    // Asks to save a changed model: false when the user cancels.
    bool MaybeSave();
    void ShowError(const QString& text, const QString& caption);
    // Model tables of the current project, or an empty model when the
    // project has none yet.
    bool ReadProjectModel(std::string& error);
    void ShowProjectModel();

    std::unique_ptr<CGeometry> m_geometry;
    ModelViewWidget* m_view = nullptr;
    DockManager* m_docks = nullptr;
    ModelUndo* m_undo = nullptr;
    ProjectDocument* m_document = nullptr;
    QString m_projectPath;
    PathChooser m_choosePath;

    QMenu* m_recentMenu = nullptr;
    QMenu* m_loadCaseMenu = nullptr;
    QActionGroup* m_modeGroup = nullptr;
    QActionGroup* m_componentGroup = nullptr;
    QAction* m_modeActions[4] = {};
    QAction* m_componentActions[6] = {};
    QList<QAction*> m_projectActions; // enabled only with a project open
    QLabel* m_modeLabel = nullptr;
    QLabel* m_resultsLabel = nullptr;
    bool m_settingsWriteReported = false; // one notice per session
};
