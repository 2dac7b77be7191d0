#include "tables/element/MemberLoadBar.h"

#include <QVBoxLayout>

CMemberLoadBar::CMemberLoadBar(QWidget* parent) : DialogBar("Member loads", parent)
{
    m_panel = new MemberLoadPanel(GridEditing::Bar, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_panel);
}

CMemberLoadBar::~CMemberLoadBar() = default;

bool CMemberLoadBar::OnInitDialog()
{
    m_panel->Open();
    return true;
}
