#include "tables/element/CombinationBar.h"

#include <QVBoxLayout>

CCombinationBar::CCombinationBar(QWidget* parent) : DialogBar("Combinations", parent)
{
    m_panel = new CombinationPanel(GridEditing::Bar, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_panel);
}

CCombinationBar::~CCombinationBar() = default;

bool CCombinationBar::OnInitDialog()
{
    m_panel->Open();
    return true;
}
