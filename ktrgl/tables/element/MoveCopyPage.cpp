#include "tables/element/MoveCopyPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

MoveCopyPage::MoveCopyPage(const QString& caption, QWidget* parent) : PropertyPage(caption, parent) {}

MoveCopyPage::~MoveCopyPage() = default;

void MoveCopyPage::AddRadioBox(QVBoxLayout* layout, const char* title, const char* const texts[], int count,
                               QRadioButton* buttons[])
{
    auto* box = new QGroupBox(title, this);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < count; ++i) {
        buttons[i] = new QRadioButton(texts[i], box);
        group->addButton(buttons[i], i);
        boxLayout->addWidget(buttons[i]);
    }
    layout->addWidget(box);
}

void MoveCopyPage::AddModeBox(QVBoxLayout* layout)
{
    static const char* const kModes[2] = {"Move", "Copy"};
    AddRadioBox(layout, "Mode", kModes, 2, m_modeButtons);
}

void MoveCopyPage::UpdateMode(bool save)
{
    if (save)
        m_mode = m_modeButtons[0]->isChecked() ? 1 : 2;
    else
        m_modeButtons[m_mode == 1 ? 0 : 1]->setChecked(true);
}

bool MoveCopyPage::OnKillActive()
{
    UpdateData(true);
    return true;
}

void MoveCopyPage::OnOK()
{
    UpdateData(true);
    PropertyPage::OnOK();
}
