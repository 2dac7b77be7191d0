#include "settings/pages/OptionPage3Widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

OptionPage3Widget::OptionPage3Widget(COptionPage3* settings, QWidget* parent, CMemberLoadOptions* memberLoads)
    : OptionPageOver(QStringLiteral("Loads setting"), settings, parent),
      m_memberLoads(memberLoads)
{
    QGridLayout* directions = AddGroup("Loads");
    AddCheck(directions, 12014, "Fx direction", "Fx line show");
    AddCheck(directions, 12015, "Fy direction", "Fy line show");
    AddCheck(directions, 12016, "Fz direction", "Fz line show");
    AddCheck(directions, 12017, "Mx direction", "Mx line show");
    AddCheck(directions, 12018, "My direction", "My line show");
    AddCheck(directions, 12019, "Mz direction", "Mz line show");
    AddCheck(directions, 12044, "Value", "load number show");
    if (m_memberLoads)
        AddCheck(directions, 12045, "Member loads", "member load show");

    QGridLayout* colours = AddGroup("Colour");
    AddColour(colours, 12010, "Fx", "Fx red", "Fx green", "Fx blue");
    AddColour(colours, 12011, "Fy", "Fy red", "Fy green", "Fy blue");
    AddColour(colours, 12012, "Fz", "Fz red", "Fz green", "Fz blue");
    AddColour(colours, 12013, "Mx", "Mx red", "Mx green", "Mx blue");
    AddColour(colours, 12111, "My", "My red", "My green", "My blue");
    AddColour(colours, 12112, "Mz", "Mz red", "Mz green", "Mz blue");
    if (m_memberLoads)
        AddColour(colours, 12113, "Member", "member load red", "member load green", "member load blue");

    QGridLayout* scale = AddGroup("Scale");
    AddRealEdit(scale, 12116, "Loads scale ", "load scale");

    auto* columns = new QHBoxLayout;
    columns->addWidget(GroupBox(directions));
    columns->addWidget(GroupBox(colours));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(GroupBox(scale));
    layout->addStretch(1);
}

OptionPage3Widget::~OptionPage3Widget() = default;

void OptionPage3Widget::ReadGroup()
{
    OptionPageOver::ReadGroup();
    if (m_memberLoads)
        m_memberLoads->LoadLibraryA();
}

void OptionPage3Widget::WriteGroup() const
{
    OptionPageOver::WriteGroup();
    if (m_memberLoads)
        m_memberLoads->WriteSettings();
}

int* OptionPage3Widget::IntMember(const char* key)
{
    if (int* member = OptionPageOver::IntMember(key))
        return member;
    return m_memberLoads ? KeyMember(*m_memberLoads, key) : nullptr;
}
