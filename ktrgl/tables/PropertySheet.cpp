#include "tables/PropertySheet.h"

#include "tables/PropertyPage.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

PropertySheet::PropertySheet(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    m_tabs = new QTabWidget(this);
    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_apply = new QPushButton(tr("&Apply"), this);
    m_back = new QPushButton(tr("< &Back"), this);
    m_next = new QPushButton(tr("&Next >"), this);
    m_finish = new QPushButton(tr("Finish"), this);
    m_ok->setDefault(true);
    m_apply->setEnabled(false);
    m_back->hide();
    m_next->hide();
    m_finish->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {m_back, m_next, m_finish, m_ok, m_cancel, m_apply})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::OnTabChanged);
    connect(m_ok, &QPushButton::clicked, this, [this] { PressOk(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { PressCancel(); });
    connect(m_apply, &QPushButton::clicked, this, [this] { PressApply(); });
    connect(m_back, &QPushButton::clicked, this, [this] { PressBack(); });
    connect(m_next, &QPushButton::clicked, this, [this] { PressNext(); });
    connect(m_finish, &QPushButton::clicked, this, [this] { PressFinish(); });
}

PropertySheet::~PropertySheet()
{
    // Pages of the caller keep living: take them out of the tabs.
    for (size_t i = 0; i < m_pages.size(); ++i) {
        PropertyPage* page = m_pages[i];
        if (!page)
            continue;
        page->m_sheet = nullptr;
        if (!m_owned[i]) {
            m_tabs->removeTab(m_tabs->indexOf(page));
            page->hide();
            page->setParent(nullptr);
        }
    }
}

void PropertySheet::AddBorrowedPage(PropertyPage* page)
{
    AddPage(page);
    if (page)
        m_owned.back() = false;
}

void PropertySheet::AddPage(PropertyPage* page)
{
    if (!page)
        return;
    page->m_sheet = this;
    m_pages.push_back(page);
    m_owned.push_back(true);
    m_switching = true;
    m_tabs->addTab(page, page->Caption());
    m_tabs->setCurrentIndex(m_current < 0 ? 0 : m_current);
    m_switching = false;
}

PropertyPage* PropertySheet::GetPage(int index) const
{
    if (index < 0 || index >= GetPageCount())
        return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

PropertyPage* PropertySheet::GetActivePage() const { return GetPage(m_current); }

int PropertySheet::GetActiveIndex() const { return m_current; }

void PropertySheet::SetTitle(const QString& caption) { setWindowTitle(caption); }

QString PropertySheet::Title() const { return windowTitle(); }

void PropertySheet::SetWizardMode()
{
    m_wizard = true;
    m_tabs->tabBar()->hide();
    m_ok->hide();
    m_apply->hide();
    m_back->show();
    m_next->setDefault(true);
    m_ok->setDefault(false);
    UpdateButtons();
}

void PropertySheet::SetWizardButtons(unsigned flags)
{
    m_wizardFlags = flags;
    UpdateButtons();
}

void PropertySheet::SetFinishText(const QString& text) { m_finish->setText(text); }

void PropertySheet::UpdateButtons()
{
    if (!m_wizard)
        return;
    const bool finish = (m_wizardFlags & (WizardFinish | WizardDisabledFinish)) != 0;
    m_back->setEnabled((m_wizardFlags & WizardBack) != 0);
    m_next->setVisible(!finish);
    m_next->setEnabled((m_wizardFlags & WizardNext) != 0);
    m_finish->setVisible(finish);
    m_finish->setEnabled((m_wizardFlags & WizardFinish) != 0);
    m_next->setDefault(!finish);
    m_finish->setDefault(finish);
}

bool PropertySheet::Activate(int index)
{
    PropertyPage* page = GetPage(index);
    if (!page)
        return false;
    m_current = index;
    m_switching = true;
    m_tabs->setCurrentIndex(index);
    m_switching = false;
    page->EnsureInitialized();
    page->OnSetActive();
    return true;
}

bool PropertySheet::MoveTo(int index)
{
    if (!GetPage(index))
        return false;
    if (index == m_current)
        return true;
    PropertyPage* current = GetActivePage();
    if (current && !current->OnKillActive()) {
        m_switching = true;
        m_tabs->setCurrentIndex(m_current);
        m_switching = false;
        return false;
    }
    return Activate(index);
}

bool PropertySheet::SetActivePage(int index)
{
    if (m_current < 0)
        return Activate(index);
    return MoveTo(index);
}

void PropertySheet::OnTabChanged(int index)
{
    if (m_switching)
        return;
    if (m_current < 0) {
        if (isVisible())
            Activate(index);
        return;
    }
    MoveTo(index);
}

void PropertySheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_current < 0 && !m_pages.empty())
        Activate(0);
}

void PropertySheet::PageModified(PropertyPage*)
{
    bool any = false;
    for (PropertyPage* page : m_pages)
        any = any || (page && page->IsModified());
    m_apply->setEnabled(any);
}

int PropertySheet::DoModal()
{
    m_result = IdCancel;
    exec();
    return m_result;
}

bool PropertySheet::PressOk()
{
    PropertyPage* current = GetActivePage();
    if (current && !current->OnKillActive())
        return false;
    for (PropertyPage* page : m_pages)
        if (page && page->IsInitialized())
            page->OnOK();
    m_result = IdOk;
    done(QDialog::Accepted);
    return true;
}

void PropertySheet::PressCancel()
{
    for (PropertyPage* page : m_pages)
        if (page && page->IsInitialized())
            page->OnCancel();
    m_result = IdCancel;
    done(QDialog::Rejected);
}

void PropertySheet::reject() { PressCancel(); }

bool PropertySheet::PressApply()
{
    PropertyPage* current = GetActivePage();
    if (current && !current->OnKillActive())
        return false;
    for (PropertyPage* page : m_pages)
        if (page && page->IsInitialized() && !page->OnApply())
            return false;
    for (PropertyPage* page : m_pages)
        if (page)
            page->m_modified = false;
    m_apply->setEnabled(false);
    return true;
}

bool PropertySheet::PressBack()
{
    PropertyPage* current = GetActivePage();
    if (!current || !(m_wizardFlags & WizardBack))
        return false;
    int step = current->OnWizardBack();
    if (step < 0)
        return false;
    return MoveTo(step > 0 ? step - 1 : m_current - 1);
}

bool PropertySheet::PressNext()
{
    PropertyPage* current = GetActivePage();
    if (!current || !(m_wizardFlags & WizardNext))
        return false;
    int step = current->OnWizardNext();
    if (step < 0)
        return false;
    return MoveTo(step > 0 ? step - 1 : m_current + 1);
}

bool PropertySheet::PressFinish()
{
    PropertyPage* current = GetActivePage();
    if (!current || !(m_wizardFlags & WizardFinish))
        return false;
    if (!current->OnWizardFinish())
        return false;
    m_result = IdWizardFinish;
    done(QDialog::Accepted);
    return true;
}
