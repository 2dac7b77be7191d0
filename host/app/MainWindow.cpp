// Construction, menus and window state of the main window.
#include "MainWindow.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

#include "AppIcon.h"
#include "DockManager.h"
#include "ModelUndo.h"
#include "ModelViewWidget.h"
#include "PickSelection.h"
#include "ProjectDocument.h"
#include "project/Project.h"
#include "tables/element/CombinationTable.h"
#include "tables/MenuResource.h"
#include "platform/Profile.h"
#include "tables/ReportFrame.h"
#include "view/Geometry.h"

namespace {

// Interval of the undo history's look at the model, milliseconds.
constexpr int kUndoWatchMs = 250;

const char* const kModeNames[4] = {"&Model", "&Loads", "&Displaced shape", "Member &forces"};
const char* const kComponentNames[6] = {"Axial force F&x", "Shear F&y", "Shear F&z",
                                        "Torsion M&x", "Moment M&y", "Moment M&z"};

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_geometry(std::make_unique<CGeometry>())
{
    setObjectName("kestraMainWindow");
    setWindowIcon(AppIcon::Create());
    m_geometry->LoadLibraryA();

    m_view = new ModelViewWidget(*m_geometry, this);
    setCentralWidget(m_view);
    connect(m_view, &ModelViewWidget::contextReady, this, [this]() {
        RefreshView();
        m_view->FitToModel();
    });

    m_document = new ProjectDocument(this);
    connect(m_document, &ProjectDocument::modelChanged, this, &MainWindow::OnModelChanged);
    connect(m_document, &ProjectDocument::resultsChanged, this, &MainWindow::OnResultsChanged);

    m_undo = new ModelUndo(*m_geometry, this);
    m_undo->SetDocument(m_document);
    m_undo->SetWatchInterval(kUndoWatchMs);
    connect(m_undo, &ModelUndo::modelRestored, this, [this]() {
        // The results belong to the model that was solved, not to the one
        // put back.
        if (HasProject() && CProject().GetSolution() != 0)
            ClearResults();
    });
    connect(m_undo, &ModelUndo::restoreFailed, this,
            [this](const QString& message) { ShowError(message, "KESTRA"); });

    m_docks = new DockManager(*this, *m_geometry);
    m_docks->CreateDocks();
    m_docks->SetEnabled(false);
    connect(m_docks, &DockManager::activeLoadCaseChosen, this,
            [this](int k) { SetActiveLoadCase(k); });
    // A pick in the view selects the picked rows of the tables.
    connect(m_view, &ModelViewWidget::nodesPicked, this, [this](const QVector<int>& nodes) {
        PickSelection::SelectNodes(*m_docks, *m_geometry, *m_view, nodes);
    });
    connect(m_view, &ModelViewWidget::membersPicked, this, [this](const QVector<int>& members) {
        PickSelection::SelectMembers(*m_docks, *m_geometry, *m_view, members);
    });

    CreateActions();
    CreateMenus();
    m_resultsLabel = new QLabel(this);
    m_resultsLabel->setObjectName("resultsNotice");
    m_resultsLabel->setStyleSheet("QLabel { color: #b00000; font-weight: bold; }");
    statusBar()->addPermanentWidget(m_resultsLabel);
    m_modeLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_modeLabel);

    QSettings settings;
    restoreGeometry(settings.value("window/geometry").toByteArray());
    if (settings.value("window/geometry").isNull())
        resize(1280, 860);
    if (!m_docks->RestoreLayout(settings))
        QTimer::singleShot(0, this, [this]() { m_docks->DefaultSizes(); });

    // Reports and exports say where they were written.
    ReportFrame::SetWrittenNotifier([this](const std::string& path) {
        statusBar()->showMessage(tr("Written to %1").arg(QString::fromStdString(path)), 15000);
    });
    // A settings file that cannot be written loses the program's state at
    // the next start: say so once, after the command that wrote it.
    platform::Profile::SetWriteFailureHandler([this](const std::string& path) {
        if (m_settingsWriteReported)
            return;
        m_settingsWriteReported = true;
        const QString text = tr("The settings file %1 could not be written: the current project "
                                "and the settings of this session will not be kept. Check that "
                                "the folder is writable and the disk is not full.")
                                 .arg(QString::fromStdString(path));
        QTimer::singleShot(0, this, [this, text]() { ShowError(text, "KESTRA"); });
    });

    UpdateTitle();
    UpdateActions();
    statusBar()->showMessage(tr("Open a project (File > Open) or start a new one (File > New)."));
}

MainWindow::~MainWindow()
{
    // The undo history goes after this window's own parts: it must not
    // call back into them.
    disconnect(m_undo->Stack(), nullptr, this, nullptr);
    disconnect(m_undo, nullptr, this, nullptr);
    disconnect(m_document, nullptr, this, nullptr);
    m_undo->SetDocument(nullptr);
    ReportFrame::SetWrittenNotifier(nullptr);
    platform::Profile::SetWriteFailureHandler(nullptr);
    // The view releases its context through the model view, which must
    // still exist; the bars hold pointers to it as well.
    delete m_view;
    m_view = nullptr;
    for (const DockManager::Bar& b : m_docks->Bars())
        delete b.dock;
}

void MainWindow::CreateActions()
{
    m_modeGroup = new QActionGroup(this);
    for (int mode = 0; mode < 4; ++mode) {
        QAction* a = m_modeGroup->addAction(tr(kModeNames[mode]));
        a->setCheckable(true);
        a->setData(mode);
        a->setShortcut(QKeySequence(QString("Ctrl+%1").arg(mode + 1)));
        connect(a, &QAction::triggered, this, [this, mode]() { SetViewMode(mode); });
        m_modeActions[mode] = a;
    }
    m_modeActions[0]->setChecked(true);

    m_componentGroup = new QActionGroup(this);
    for (int c = 0; c < 6; ++c) {
        QAction* a = m_componentGroup->addAction(tr(kComponentNames[c]));
        a->setCheckable(true);
        const int id = CGeometry::ForceFx + c;
        a->setData(id);
        connect(a, &QAction::triggered, this, [this, id]() { SetForceComponent(id); });
        m_componentActions[c] = a;
    }
}

void MainWindow::CreateMenus()
{
    // ---- File
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New..."), QKeySequence::New, this, &MainWindow::OnFileNew);
    file->addAction(tr("&Open..."), QKeySequence::Open, this, &MainWindow::OnFileOpen);
    m_recentMenu = file->addMenu(tr("Open &recent"));
    UpdateRecentMenu();
    m_projectActions << file->addAction(tr("&Save"), QKeySequence::Save, this, &MainWindow::OnFileSave);
    m_projectActions << file->addAction(tr("Save &as..."), QKeySequence::SaveAs, this,
                                        &MainWindow::OnFileSaveAs);
    file->addSeparator();
    m_projectActions << file->addAction(tr("Project &properties..."), this,
                                        &MainWindow::OnProjectProperties);
    m_projectActions << file->addAction(tr("&Geometry wizard..."), this, &MainWindow::OnGeometryWizard);
    m_projectActions << file->addAction(tr("S&ummary"), this, &MainWindow::OnSummary);
    m_projectActions << file->addAction(tr("&Clear results"), this, &MainWindow::OnClearResults);
    m_projectActions << file->addAction(tr("E&xport report..."), this, &MainWindow::OnExportReport);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    // ---- Edit
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = edit->addAction(tr("&Undo"), QKeySequence::Undo, m_undo, &ModelUndo::Undo);
    QAction* redo = edit->addAction(tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), m_undo,
                                    &ModelUndo::Redo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    auto updateUndo = [this, undo, redo]() {
        QUndoStack* s = m_undo->Stack();
        undo->setEnabled(s->canUndo());
        redo->setEnabled(s->canRedo());
        undo->setText(s->canUndo() ? tr("&Undo %1").arg(s->undoText()) : tr("&Undo"));
        redo->setText(s->canRedo() ? tr("&Redo %1").arg(s->redoText()) : tr("&Redo"));
    };
    connect(m_undo->Stack(), &QUndoStack::indexChanged, this, updateUndo);
    connect(m_undo->Stack(), &QUndoStack::cleanChanged, this, updateUndo);
    connect(m_undo->Stack(), &QUndoStack::indexChanged, this, &MainWindow::UpdateTitle);
    updateUndo();

    // ---- Input
    menuBar()->addMenu(CreateInputMenu());

    // ---- Analysis
    QMenu* analysis = menuBar()->addMenu(tr("&Analysis"));
    m_projectActions << analysis->addAction(tr("&Solve"), QKeySequence(Qt::Key_F5), this,
                                            &MainWindow::OnSolve);

    // ---- Output
    QMenu* output = menuBar()->addMenu(tr("&Output"));
    m_projectActions << output->addAction(tr("&Result tables..."), QKeySequence(Qt::Key_F6), this,
                                          &MainWindow::OnOutputSheet);

    // ---- View
    QMenu* view = menuBar()->addMenu(tr("&View"));
    for (QAction* a : m_modeActions)
        view->addAction(a);
    view->addSeparator();
    QMenu* components = view->addMenu(tr("Member force &component"));
    for (QAction* a : m_componentActions)
        components->addAction(a);
    components->addSeparator();
    components->addAction(m_view->EndValuesAction());
    m_loadCaseMenu = view->addMenu(tr("Active &load case"));
    view->addSeparator();
    QAction* fit = view->addAction(tr("&Fit to model"), m_view, &ModelViewWidget::FitToModel);
    fit->setShortcut(QKeySequence(Qt::Key_F));
    fit->setShortcutContext(Qt::WidgetShortcut);
    m_view->addAction(fit);
    struct StandardView {
        const char* text;
        ViewCamera::Standard view;
        QKeySequence key;
    };
    const StandardView standards[] = {
        {"View along &X", ViewCamera::ViewX, QKeySequence(Qt::Key_X)},
        {"View from &top (Y)", ViewCamera::ViewY, QKeySequence(Qt::Key_Y)},
        {"View along &Z", ViewCamera::ViewZ, QKeySequence(Qt::Key_Z)},
        {"&Isometric view", ViewCamera::Isometric, QKeySequence(Qt::Key_I)},
    };
    for (const StandardView& s : standards) {
        const ViewCamera::Standard v = s.view;
        QAction* a = view->addAction(tr(s.text), this, [this, v]() { m_view->SetStandardView(v); });
        a->setShortcut(s.key);
        a->setShortcutContext(Qt::WidgetShortcut);
        m_view->addAction(a);
    }
    QMenu* steps = view->addMenu(tr("&Steps"));
    const char* axes[3] = {"X", "Y", "Z"};
    for (int axis = 0; axis < 3; ++axis)
        for (int sign : {1, -1}) {
            steps->addAction(tr("Rotate about %1 %2").arg(axes[axis]).arg(sign > 0 ? "+" : "-"), this,
                             [this, axis, sign]() { m_view->StepRotate(axis, sign); });
        }
    steps->addSeparator();
    for (int axis = 0; axis < 3; ++axis)
        for (int sign : {1, -1}) {
            steps->addAction(tr("Translate along %1 %2").arg(axes[axis]).arg(sign > 0 ? "+" : "-"), this,
                             [this, axis, sign]() { m_view->StepTranslate(axis, sign); });
        }
    steps->addSeparator();
    steps->addAction(tr("Zoom in"), QKeySequence::ZoomIn, this, [this]() { m_view->StepZoom(1); });
    steps->addAction(tr("Zoom out"), QKeySequence::ZoomOut, this, [this]() { m_view->StepZoom(-1); });
    view->addSeparator();
    QMenu* bars = view->addMenu(tr("&Bars"));
    m_docks->AddToggleActions(bars);

    // ---- Settings
    QMenu* settings = menuBar()->addMenu(tr("&Settings"));
    settings->addAction(tr("&Display settings..."), this, &MainWindow::OnSettings);

    // ---- Help
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About KESTRA"), this, &MainWindow::OnAbout);
}

QMenu* MainWindow::CreateInputMenu()
{
    // The input sheet, then each bar's table popup: the host forwards the
    // chosen command to the bar and records it for undo.
    auto* input = new QMenu(tr("&Input"), this);
    m_projectActions << input->addAction(tr("&Tables..."), QKeySequence(Qt::Key_F4), this,
                                         &MainWindow::OnInputSheet);
    input->addSeparator();
    for (const DockManager::Bar& b : m_docks->Bars()) {
        if (b.popup.isEmpty())
            continue;
        QMenu* popup = MenuResource::CreatePopup(b.popup, input);
        if (!popup)
            continue;
        popup->setTitle(b.title);
        const QString name = b.name;
        for (QAction* a : popup->findChildren<QAction*>()) {
            const int id = MenuResource::CommandId(a);
            if (id <= 0)
                continue;
            const QString text = a->text().remove('&').trimmed();
            connect(a, &QAction::triggered, this, [this, name, id, text]() {
                QDockWidget* dock = m_docks->Dock(name);
                if (dock) {
                    dock->show();
                    dock->raise();
                }
                m_undo->Checkpoint();
                m_docks->Forward(name, id);
                m_undo->Checkpoint(text);
                UpdateTitle();
            });
        }
        QAction* menuAction = input->addMenu(popup);
        m_projectActions << menuAction;
    }
    return input;
}

void MainWindow::UpdateTitle()
{
    QString title = "KESTRA";
    if (HasProject()) {
        CProject project;
        title = QString::fromStdString(project.GetName()) + " (" +
                QString::fromStdString(project.GetElementType()) + ") - KESTRA";
        if (m_geometry->m_modelChanged || m_geometry->m_geometryChanged)
            title = "*" + title;
        if (m_document->ResultsOutOfDate())
            title += " - " + QString(ProjectDocument::OutOfDateText);
    }
    setWindowTitle(title);
    if (m_resultsLabel)
        m_resultsLabel->setText(ResultsNotice());
    if (m_modeLabel) {
        QString mode = QString(tr(kModeNames[std::clamp(m_geometry->m_viewMode, 0, 3)])).remove('&');
        if (m_geometry->m_viewMode == CGeometry::ModeForces) {
            const int c = m_geometry->m_forceComponent - CGeometry::ForceFx;
            if (c >= 0 && c < 6)
                mode += ": " + QString(tr(kComponentNames[c])).remove('&');
        }
        if (HasProject()) {
            CProject project;
            const int k = project.GetActiveLoadCase();
            const int cases = project.GetLoadCaseCount();
            if (k > cases && cases > 0)
                mode += tr("   combination %1").arg(k - cases);
            else
                mode += tr("   load case %1 of %2").arg(k).arg(cases);
        }
        m_modeLabel->setText(mode);
    }
}

void MainWindow::UpdateActions()
{
    const bool open = HasProject();
    for (QAction* a : m_projectActions)
        a->setEnabled(open);
    m_docks->SetEnabled(open);
    m_undo->SetEnabled(open);
    CProject project;
    // Out-of-date results are not shown: only a solve brings them back.
    const bool solved = open && project.GetSolution() != 0 && m_document->ResultsCurrent();
    m_modeActions[1]->setEnabled(open);
    m_modeActions[2]->setEnabled(solved);
    m_modeActions[3]->setEnabled(solved);
    const bool truss = project.GetElementType() == "Truss3D";
    for (int c = 0; c < 6; ++c)
        m_componentActions[c]->setEnabled(solved && (!truss || c < 3));
    const int mode = std::clamp(m_geometry->m_viewMode, 0, 3);
    m_modeActions[mode]->setChecked(true);
    const int c = m_geometry->m_forceComponent - CGeometry::ForceFx;
    if (c >= 0 && c < 6)
        m_componentActions[c]->setChecked(true);
    UpdateLoadCaseMenu();
    UpdateTitle();
}

QString MainWindow::ResultsNotice() const
{
    return HasProject() && m_document->ResultsOutOfDate() ? QString(ProjectDocument::OutOfDateText) : QString();
}

void MainWindow::OnModelChanged(bool replaced)
{
    // A bar that changed the model in place has redrawn its part of the
    // view already; everything else shows the model again.
    if (replaced)
        RefreshView();
    m_docks->RefreshAll();
    UpdateActions();
}

void MainWindow::OnResultsChanged()
{
    // Diagrams of results that no longer belong to the model are hidden;
    // the notice says why.
    if (!m_document->ResultsCurrent() && m_geometry->m_viewMode >= CGeometry::ModeDisplaced) {
        m_geometry->m_viewMode = CGeometry::ModeModel;
        RefreshView();
    }
    UpdateActions();
    if (m_document->ResultsOutOfDate())
        statusBar()->showMessage(ProjectDocument::OutOfDateText, 10000);
}

void MainWindow::UpdateLoadCaseMenu()
{
    m_loadCaseMenu->clear();
    if (!HasProject()) {
        m_loadCaseMenu->setEnabled(false);
        return;
    }
    CProject project;
    const int count = project.GetLoadCaseCount();
    m_loadCaseMenu->setEnabled(count > 0);
    auto* group = new QActionGroup(m_loadCaseMenu);
    for (int k = 1; k <= count; ++k) {
        QAction* a = m_loadCaseMenu->addAction(tr("Load case %1").arg(k));
        a->setCheckable(true);
        a->setChecked(k == project.GetActiveLoadCase());
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, k]() { SetActiveLoadCase(k); });
    }
    // The combinations follow the cases: combination c is result record N + c.
    const int combinations = CombinationTable::Count();
    for (int c = 1; c <= combinations; ++c) {
        QAction* a = m_loadCaseMenu->addAction(QString::fromStdString(CombinationTable::Name(c)));
        a->setCheckable(true);
        a->setChecked(count + c == project.GetActiveLoadCase());
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, k = count + c]() { SetActiveLoadCase(k); });
    }
}

void MainWindow::ShowError(const QString& text, const QString& caption)
{
    statusBar()->showMessage(text, 10000);
    QMessageBox::warning(this, caption, text);
}

void MainWindow::OnAbout()
{
    QMessageBox::about(this, tr("About KESTRA"),
                       tr("<b>KESTRA</b> %1<br>Linear static analysis of three-dimensional frames "
                          "and trusses.<br><br>Mouse: left drag turns the model, right or middle "
                          "drag (or Shift + left) moves it, the wheel zooms.<br>Keys in the view: "
                          "arrows and Page Up/Down turn by the steps of the global settings, with "
                          "Ctrl they move the model; X, Y, Z and I give the standard views, F "
                          "fits the model.")
                           .arg(QApplication::applicationVersion()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue("window/geometry", saveGeometry());
    m_docks->SaveLayout(settings);
    event->accept();
}
