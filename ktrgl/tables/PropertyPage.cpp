#include "tables/PropertyPage.h"

#include "tables/PropertySheet.h"

PropertyPage::PropertyPage(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption)
{
}

PropertyPage::~PropertyPage() = default;

bool PropertyPage::EnsureInitialized()
{
    if (m_initialized)
        return true;
    m_initialized = true;
    return OnInitDialog();
}

void PropertyPage::SetModified(bool changed)
{
    m_modified = changed;
    if (m_sheet)
        m_sheet->PageModified(this);
}
