#include "settings/pages/OptionPage1Widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

OptionPage1Widget::OptionPage1Widget(COptionPage1* settings, QWidget* parent)
    : OptionPageOver(QStringLiteral("Node setting"), settings, parent)
{
    QGridLayout* undeformed = AddGroup("Undeformed shape");
    AddCheck(undeformed, 12014, "Joint", "node coordinate show");
    AddCheck(undeformed, 12015, "Joint ID", "node number show");
    AddColour(undeformed, 12105, "Joint", "node coordinate red", "node coordinate green",
              "node coordinate blue");
    AddColour(undeformed, 12112, "ID", "node number red", "node number green", "node number blue");
    AddEdit(undeformed, 12010, "Joint size", "node factor");

    QGridLayout* deformed = AddGroup("Deformed shape");
    AddCheck(deformed, 12016, "Joint", "node displacement show");
    AddCheck(deformed, 12017, "Joint ID", "disp number show", false);
    AddColour(deformed, 12113, "Joint", "node displacement red", "node displacement green",
              "node displacement blue");
    AddColour(deformed, 12108, "ID", "disp number red", "disp number green", "dsip number blue",
              false);
    AddEdit(deformed, 12012, "Displacement Scale", "disp factor");

    QGridLayout* supports = AddGroup("Supports");
    AddCheck(supports, 12019, "Boundary", "boundary show");

    auto* columns = new QHBoxLayout;
    columns->addWidget(GroupBox(undeformed));
    columns->addWidget(GroupBox(deformed));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(GroupBox(supports));
    layout->addStretch(1);
}

OptionPage1Widget::~OptionPage1Widget() = default;
