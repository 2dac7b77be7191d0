#include "DockManager.h"

#include <QByteArray>
#include <QComboBox>
#include <QSignalBlocker>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>

#include "tables/CommandIds.h"
#include "tables/DialogBar.h"
#include "tables/EditWnd.h"
#include "tables/element/ElementBar1.h"
#include "tables/node/NodeBar1.h"
#include "tables/node/NodeBar2.h"
#include "project/Project.h"
#include "view/Geometry.h"
#include "tables/node/NodeBar3.h"
#include "tables/node/ActiveLoadCase.h"
#include "tables/element/ElementBar2.h"
#include "tables/element/ElementBar3.h"
#include "tables/element/CombinationBar.h"
#include "tables/element/CombinationTable.h"
#include "tables/element/MemberLoadBar.h"

namespace {
// Version of the saved dock layout; a layout of another version is ignored.
constexpr int kLayoutVersion = 1;
} // namespace

DockManager::DockManager(QMainWindow& window, CGeometry& geometry)
    : QObject(&window), m_window(window), m_geometry(geometry)
{
}

DockManager::~DockManager() = default;

template <class T>
T* DockManager::Add(const QString& name, const QString& title, const QString& popup, int area)
{
    auto* bar = new T;
    bar->SetGeometry(&m_geometry);
    bar->Create();
    auto* dock = new QDockWidget(title, &m_window);
    dock->setObjectName(name);
    dock->setWidget(bar);
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    m_window.addDockWidget(Qt::DockWidgetArea(area), dock);
    Bar entry;
    entry.name = name;
    entry.title = title;
    entry.popup = popup;
    entry.bar = bar;
    entry.dock = dock;
    entry.refresh = [bar]() { bar->UpdateTable(); };
    entry.command = [bar](int id) { return bar->OnCommand(id); };
    m_bars.push_back(entry);
    return bar;
}

void DockManager::CreateDocks()
{
    if (!m_bars.empty())
        return;
    Add<CNodeBar1>("nodeBar1", tr("Node coordinates"), "node", Qt::LeftDockWidgetArea);
    Add<CNodeBar2>("nodeBar2", tr("Node restraints"), "DOF", Qt::LeftDockWidgetArea);
    {
        // The load bar keeps the shown case's loads: it reads them again.
        auto* nodeLoads = Add<CNodeBar3>("nodeBar3", tr("Node loads"), "load", Qt::LeftDockWidgetArea);
        m_bars.back().refresh = [nodeLoads]() { nodeLoads->Reread(); };
        // A case chosen in the node load bar is the active case of every view.
        connect(nodeLoads->CaseList(), QOverload<int>::of(&QComboBox::activated), this,
                [this](int index) { emit activeLoadCaseChosen(index + 1); });
    }
    Add<CMemberLoadBar>("memberLoadBar", tr("Member loads"), "", Qt::LeftDockWidgetArea);
    Add<CCombinationBar>("combinationBar", tr("Load combinations"), "", Qt::LeftDockWidgetArea);
    {
        auto* bar = new CActiveLoadCase;
        bar->Create();
        auto* dock = new QDockWidget(tr("Active load case"), &m_window);
        dock->setObjectName("activeLoadCase");
        dock->setWidget(bar);
        m_window.addDockWidget(Qt::TopDockWidgetArea, dock);
        Bar entry;
        entry.name = "activeLoadCase";
        entry.title = dock->windowTitle();
        entry.bar = bar;
        entry.dock = dock;
        // The host fills the list with the project's load cases and shows
        // the one chosen.
        QComboBox* list = bar->List();
        entry.refresh = [list]() {
            const QSignalBlocker block(list);
            CProject project;
            list->clear();
            // The cases, then the combinations: item k - 1 is result record k.
            const int cases = project.GetLoadCaseCount();
            for (int k = 1; k <= cases; ++k)
                list->addItem(QString("Load case:%1").arg(k));
            for (int c = 1; c <= CombinationTable::Count(); ++c)
                list->addItem(QString::fromStdString(CombinationTable::Name(c)));
            list->setCurrentIndex(project.GetActiveLoadCase() - 1);
        };
        entry.command = [](int) { return false; };
        connect(list, QOverload<int>::of(&QComboBox::activated), this,
                [this](int index) { emit activeLoadCaseChosen(index + 1); });
        m_bars.push_back(entry);
    }
    Add<CElementBar1>("elementBar1", tr("Member connectivity"), "element", Qt::RightDockWidgetArea);
    Add<CElementBar2>("elementBar2", tr("Member reference points"), "ref", Qt::RightDockWidgetArea);
    Add<CElementBar3>("elementBar3", tr("Member properties"), "SEC", Qt::RightDockWidgetArea);
    // Bars on one side share the side as tabs; the first of each is shown.
    QDockWidget* firstLeft = nullptr;
    QDockWidget* firstRight = nullptr;
    for (const Bar& b : m_bars) {
        QDockWidget*& first =
            m_window.dockWidgetArea(b.dock) == Qt::RightDockWidgetArea ? firstRight : firstLeft;
        if (m_window.dockWidgetArea(b.dock) == Qt::TopDockWidgetArea)
            continue;
        if (first)
            m_window.tabifyDockWidget(first, b.dock);
        else
            first = b.dock;
    }
    if (firstLeft)
        firstLeft->raise();
    if (firstRight)
        firstRight->raise();
}

void DockManager::DefaultSizes()
{
    // The model view keeps most of the width.
    QList<QDockWidget*> docks;
    QList<int> widths;
    for (const Bar& b : m_bars) {
        const Qt::DockWidgetArea area = m_window.dockWidgetArea(b.dock);
        if (area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea) {
            docks << b.dock;
            widths << (area == Qt::LeftDockWidgetArea ? 290 : 320);
        }
    }
    m_window.resizeDocks(docks, widths, Qt::Horizontal);
}

const DockManager::Bar* DockManager::Find(const QString& name) const
{
    for (const Bar& b : m_bars)
        if (b.name == name)
            return &b;
    return nullptr;
}

QDockWidget* DockManager::Dock(const QString& name) const
{
    const Bar* b = Find(name);
    return b ? b->dock : nullptr;
}

void DockManager::RefreshAll()
{
    // The node load bar shows the active case like the member load bar.
    if (auto* nodeLoads = BarOf<CNodeBar3>("nodeBar3")) {
        const int k = CProject().GetActiveLoadCase();
        if (k >= 1 && k <= LoadCaseWorker::CaseCount() && nodeLoads->Worker().CurrentCase() != k)
            nodeLoads->Worker().Choose(k);
    }
    for (const Bar& b : m_bars) {
        // A bar whose editor is open keeps it: the typed text is not lost,
        // and the bar refills when the edit is committed.
        const CEditWnd* editor = b.bar->findChild<CEditWnd*>();
        if (editor && editor->isVisible())
            continue;
        if (b.refresh)
            b.refresh();
    }
    ApplyLoadBarState();
}

void DockManager::ApplyLoadBarState()
{
    // While a combination is active its loads are those of its cases: the
    // load bars only show.
    CProject project;
    const bool combination = project.GetActiveLoadCase() > project.GetLoadCaseCount();
    for (const char* name : {"nodeBar3", "memberLoadBar"})
        if (const Bar* b = Find(name))
            b->bar->setEnabled(m_enabled && !combination);
}

bool DockManager::Forward(const QString& name, int id)
{
    const Bar* b = Find(name);
    return b && b->command && b->command(id);
}

void DockManager::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    for (const Bar& b : m_bars)
        b.bar->setEnabled(enabled);
    if (enabled)
        ApplyLoadBarState();
}

void DockManager::AddToggleActions(QMenu* menu) const
{
    for (const Bar& b : m_bars)
        menu->addAction(b.dock->toggleViewAction());
}

void DockManager::SaveLayout(QSettings& settings) const
{
    settings.setValue("window/state", m_window.saveState(kLayoutVersion));
}

bool DockManager::RestoreLayout(QSettings& settings)
{
    const QByteArray state = settings.value("window/state").toByteArray();
    return !state.isEmpty() && m_window.restoreState(state, kLayoutVersion);
}
