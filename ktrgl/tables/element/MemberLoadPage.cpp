#include "tables/element/MemberLoadPage.h"

#include <QVBoxLayout>

CMemberLoadPage::CMemberLoadPage(QWidget* parent) : PropertyPage("Member Loads", parent)
{
    m_panel = new MemberLoadPanel(GridEditing::Page, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_panel);
}

CMemberLoadPage::~CMemberLoadPage() = default;

bool CMemberLoadPage::OnSetActive()
{
    m_panel->Open();
    return true;
}

bool CMemberLoadPage::OnKillActive()
{
    m_panel->Close();
    return true;
}
