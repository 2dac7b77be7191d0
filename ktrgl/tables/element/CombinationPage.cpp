#include "tables/element/CombinationPage.h"

#include <QVBoxLayout>

CCombinationPage::CCombinationPage(QWidget* parent) : PropertyPage("Load Combinations", parent)
{
    m_panel = new CombinationPanel(GridEditing::Page, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_panel);
}

CCombinationPage::~CCombinationPage() = default;

bool CCombinationPage::OnSetActive()
{
    m_panel->Editing()->CreateEditor(m_panel);
    m_panel->UpdateTable();
    return true;
}

bool CCombinationPage::OnKillActive()
{
    m_panel->Editing()->Commit();
    m_panel->Editing()->DestroyEditor();
    return true;
}
