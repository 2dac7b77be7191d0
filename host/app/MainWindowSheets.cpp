// The host's sheets: input tables, result tables, display settings,
// project properties and the geometry wizard.
#include "MainWindow.h"

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include <QPushButton>
#include <QStatusBar>

#include "DockManager.h"
#include "ModelSnapshot.h"
#include "ModelUndo.h"
#include "ModelViewWidget.h"
#include "ProjectDocument.h"
#include "project/Project.h"
#include "tables/PropertySheet.h"
#include "tables/element/ElementPage1.h"
#include "tables/node/NodePage1.h"
#include "tables/node/NodePage2.h"
#include "view/Geometry.h"
#include "tables/element/ElementPage2.h"
#include "tables/element/ElementPage3.h"
#include "tables/element/ElementPage7.h"
#include "tables/node/NodePage3.h"
#include "tables/node/NodePage4.h"
#include "tables/node/NodePage5.h"
#include "tables/element/ElementPage4.h"
#include "tables/element/ElementPage5.h"
#include "settings/pages/OptionPage1Widget.h"
#include "settings/pages/OptionPage2Widget.h"
#include "settings/pages/OptionPage3Widget.h"
#include "settings/pages/OptionPage4Widget.h"
#include "settings/pages/OptionPage5Widget.h"
#include "setup/GeometryWizard.h"
#include "setup/GlobalPage1.h"
#include "tables/element/CombinationPage.h"
#include "tables/element/EnvelopePage.h"
#include "tables/element/MemberLoadPage.h"

namespace {

// Pages over the model view take it before they are shown; pages over a
// table file of their own (the release sets) need none.
template <class Page, class = void>
struct TakesGeometry : std::false_type {};
template <class Page>
struct TakesGeometry<Page, std::void_t<decltype(std::declval<Page&>().SetGeometry(nullptr))>>
    : std::true_type {};

// Adds a page on the model view to a sheet; the sheet's pages are owned by
// the caller's list.
template <class Page>
Page* AddPage(PropertySheet& sheet, std::vector<std::unique_ptr<PropertyPage>>& pages, CGeometry* geometry)
{
    auto page = std::make_unique<Page>();
    if constexpr (TakesGeometry<Page>::value)
        page->SetGeometry(geometry);
    else
        (void)geometry;
    Page* raw = page.get();
    sheet.AddPage(raw);
    pages.push_back(std::move(page));
    return raw;
}

// Holds the undo history's periodic checks for a command's lifetime.
class WatchHold {
public:
    explicit WatchHold(ModelUndo& undo) : m_undo(undo) { m_undo.HoldWatch(); }
    ~WatchHold() { m_undo.ReleaseWatch(); }
    WatchHold(const WatchHold&) = delete;
    WatchHold& operator=(const WatchHold&) = delete;

private:
    ModelUndo& m_undo;
};

} // namespace

void MainWindow::OnInputSheet()
{
    if (!HasProject())
        return;
    PropertySheet sheet(tr("Input"), this);
    std::vector<std::unique_ptr<PropertyPage>> pages;
    AddPage<CNodePage1>(sheet, pages, m_geometry.get());
    AddPage<CNodePage2>(sheet, pages, m_geometry.get());
    AddPage<CElementPage1>(sheet, pages, m_geometry.get());
    AddPage<CElementPage2>(sheet, pages, m_geometry.get());
    AddPage<CElementPage3>(sheet, pages, m_geometry.get());
    AddPage<CElementPage7>(sheet, pages, m_geometry.get());
    AddPage<CMemberLoadPage>(sheet, pages, m_geometry.get());
    AddPage<CCombinationPage>(sheet, pages, m_geometry.get());
    sheet.resize(760, 560);
    // Cancel puts the model back as it was when the sheet opened (or at its
    // last Apply): the pages write their tables as they go. The whole sheet
    // is one undo step.
    m_undo->Checkpoint();
    WatchHold hold(*m_undo);
    ModelSnapshot kept = ModelSnapshot::Capture(*m_geometry);
    bool keptModel = m_geometry->m_modelChanged, keptGeometry = m_geometry->m_geometryChanged;
    connect(sheet.ApplyButton(), &QPushButton::clicked, &sheet, [&]() {
        kept = ModelSnapshot::Capture(*m_geometry);
        keptModel = m_geometry->m_modelChanged;
        keptGeometry = m_geometry->m_geometryChanged;
    });
    const int result = sheet.DoModal();
    // The pages leave the sheet before their owners go.
    for (auto& page : pages)
        page->setParent(nullptr);
    if (result != PropertySheet::IdOk) {
        std::string error;
        if (!kept.Restore(*m_geometry, error))
            ShowError(QString::fromStdString(error), tr("Input"));
        m_geometry->m_modelChanged = keptModel;
        m_geometry->m_geometryChanged = keptGeometry;
    }
    AfterModelChange(tr("Input tables"));
}

void MainWindow::OnOutputSheet()
{
    if (!HasProject())
        return;
    CProject project;
    if (project.GetSolution() == 0) {
        statusBar()->showMessage(tr("No results yet: solve the project first (Analysis > Solve)."), 8000);
        return;
    }
    if (!m_document->ResultsCurrent()) {
        // Tables of another model's results are not shown as if current.
        statusBar()->showMessage(ProjectDocument::OutOfDateText, 8000);
        return;
    }
    PropertySheet sheet(tr("Output"), this);
    std::vector<std::unique_ptr<PropertyPage>> pages;
    AddPage<CNodePage3>(sheet, pages, m_geometry.get());
    AddPage<CNodePage4>(sheet, pages, m_geometry.get());
    AddPage<CNodePage5>(sheet, pages, m_geometry.get());
    AddPage<CElementPage4>(sheet, pages, m_geometry.get());
    AddPage<CElementPage5>(sheet, pages, m_geometry.get());
    AddPage<CEnvelopePage>(sheet, pages, m_geometry.get());
    if (pages.empty()) {
        ShowError(tr("The result tables are not part of this build."), tr("Output"));
        return;
    }
    sheet.resize(820, 560);
    sheet.DoModal();
    for (auto& page : pages)
        page->setParent(nullptr);
}

void MainWindow::OnSettings()
{
    // The five pages edit the model view's own settings objects; accepting
    // writes section "OPTION", after which the view re-reads it and
    // rebuilds every list.
    PropertySheet sheet(tr("Display settings"), this);
    CGeometry& g = *m_geometry;
    OptionPage1Widget page1(&g.m_nodeOptions);
    OptionPage2Widget page2(&g.m_memberOptions);
    OptionPage3Widget page3(&g.m_loadOptions, nullptr, &g.m_memberLoadOptions);
    OptionPage4Widget page4(&g.m_forceOptions);
    OptionPage5Widget page5(&g.m_viewOptions);
    for (PropertyPage* page : std::initializer_list<PropertyPage*>{&page1, &page2, &page3, &page4, &page5})
        sheet.AddPage(page);
    sheet.DoModal();
    for (PropertyPage* page : std::initializer_list<PropertyPage*>{&page1, &page2, &page3, &page4, &page5})
        page->setParent(nullptr);
    g.LoadLibraryA();
    RefreshView();
}

void MainWindow::OnProjectProperties()
{
    if (!HasProject())
        return;
    PropertySheet sheet(tr("Project"), this);
    CGlobalPage1 page;
    sheet.AddPage(&page);
    const int result = sheet.DoModal();
    page.setParent(nullptr);
    if (result == PropertySheet::IdOk) {
        CProject project;
        m_projectPath = QString::fromStdString(project.GetProjectFilePath());
        AfterModelChange(tr("Project properties"));
    }
}

void MainWindow::OnGeometryWizard()
{
    if (!HasProject())
        return;
    m_undo->Checkpoint();
    WatchHold hold(*m_undo); // the pasted layout is one step, recorded below
    PropertySheet sheet(tr("Geometry"), this);
    CGeometryWizard page;
    page.SetGeometry(m_geometry.get());
    sheet.AddPage(&page);
    sheet.DoModal();
    page.setParent(nullptr);
    // A pasted layout is a new model: the old model's results go with it.
    if (m_undo->Checkpoint(tr("Geometry wizard")) && CProject().GetSolution() != 0)
        ClearResults();
    AfterModelChange(tr("Geometry wizard"));
    m_view->FitToModel();
}
