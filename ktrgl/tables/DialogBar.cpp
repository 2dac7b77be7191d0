#include "tables/DialogBar.h"

DialogBar::DialogBar(const QString& caption, QWidget* parent) : QWidget(parent), m_caption(caption)
{
    setWindowTitle(caption);
}

DialogBar::~DialogBar() = default;

bool DialogBar::Create()
{
    if (m_created)
        return true;
    m_created = true;
    return OnInitDialog();
}
