#include "settings/pages/OptionPage2Widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

OptionPage2Widget::OptionPage2Widget(COptionPage2* settings, QWidget* parent)
    : OptionPageOver(QStringLiteral("Element setting"), settings, parent)
{
    QGridLayout* undeformed = AddGroup("Undeformed shape");
    AddCheck(undeformed, 12014, "Member", "member line show");
    AddCheck(undeformed, 12015, "Member ID", "member number show");
    AddColour(undeformed, 12108, "Member", "member line red", "member line green",
              "member line blue");
    AddColour(undeformed, 12106, "ID", "member number red", "member number green",
              "member number blue");

    QGridLayout* deformed = AddGroup("Deformed shape");
    AddCheck(deformed, 12016, "Member", "member displacement show");
    AddColour(deformed, 12111, "Member", "member displacement red", "member displacement green",
              "member displacement blue");

    QGridLayout* axes = AddGroup("Local axes");
    AddCheck(axes, 12017, "Local axis 1", "member local axis 1");
    AddCheck(axes, 12018, "Local axis 2", "member local axis 2");
    AddCheck(axes, 12022, "Local axis 3", "member local axis 3");
    AddCheck(axes, 12019, "Local axis ID", "member local axis ID");
    AddCheck(axes, 12023, "Plan 12", "member plan show");
    AddColour(axes, 12116, "Plan 12", "member plan red", "member plan green", "member plan blue");
    AddCheck(axes, 12024, "K point", "member K point show");

    auto* left = new QVBoxLayout;
    left->addWidget(GroupBox(undeformed));
    left->addWidget(GroupBox(deformed));
    left->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(GroupBox(axes));
}

OptionPage2Widget::~OptionPage2Widget() = default;
