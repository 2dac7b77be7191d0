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
    m_panel->Open();
    return true;
}

bool CCombinationPage::OnKillActive()
{
    m_panel->Close();
    return true;
}
