#include "settings/pages/OptionPage4Widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

OptionPage4Widget::OptionPage4Widget(COptionPage4* settings, QWidget* parent)
    : OptionPageOver(QStringLiteral("Member force"), settings, parent)
{
    QGridLayout* shown = AddGroup("Member force");
    AddCheck(shown, 12014, "Axial force", "Member Fx show");
    AddCheck(shown, 12015, "Shear (12 Plan)", "Member Fy show");
    AddCheck(shown, 12016, "Shear (13 Plan)", "Member Fz show");
    AddCheck(shown, 12017, "Torq", "Member Mx show");
    AddCheck(shown, 12018, "Moment (about 13 Plan)", "Member My show");
    AddCheck(shown, 12019, "Moment (about 12 Plan)", "Member Mz show");

    QGridLayout* colours = AddGroup("Colour");
    AddColour(colours, 12105, "Fx", "Member Fx red", "Member Fx green", "Member Fx blue");
    AddColour(colours, 12025, "Fy", "Member Fy red", "Member Fy green", "Member Fy blue");
    AddColour(colours, 12026, "Fz", "Member Fz red", "Member Fz green", "Member Fz blue");
    AddColour(colours, 12021, "Mx", "Member Mx red", "Member Mx green", "Member Mx blue");
    AddColour(colours, 12022, "My", "Member My red", "Member My green", "Member My blue");
    AddColour(colours, 12023, "Mz", "Member Mz red", "Member Mz green", "Member Mz blue");

    QGridLayout* scales = AddGroup("Force scale");
    AddEdit(scales, 12010, "Fx", "Member Fx scale");
    AddEdit(scales, 12011, "Fy", "Member Fy scale");
    AddEdit(scales, 12012, "Fz", "Member Fz scale");
    AddEdit(scales, 12013, "Mx", "Member Mx scale");
    AddEdit(scales, 12020, "My", "Member My scale");
    AddEdit(scales, 12116, "Mz", "Member Mz scale");

    QGridLayout* stations = AddGroup("Subdivisions along member");
    AddEdit(stations, 12034, "Fx", "Subdivisions Fx");
    AddEdit(stations, 12035, "Fy", "Subdivisions Fy");
    AddEdit(stations, 12036, "Fz", "Subdivisions Fz");
    AddEdit(stations, 12037, "Mx", "Subdivisions Mx");
    AddEdit(stations, 12038, "My", "Subdivisions My");
    AddEdit(stations, 12039, "Mz", "Subdivisions Mz");

    auto* layout = new QGridLayout(this);
    layout->addWidget(GroupBox(shown), 0, 0);
    layout->addWidget(GroupBox(colours), 0, 1);
    layout->addWidget(GroupBox(scales), 1, 0);
    layout->addWidget(GroupBox(stations), 1, 1);
}

OptionPage4Widget::~OptionPage4Widget() = default;
