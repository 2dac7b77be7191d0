#include "settings/pages/OptionPage5Widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

OptionPage5Widget::OptionPage5Widget(COptionPage5* settings, QWidget* parent)
    : OptionPageOver(QStringLiteral("Global Setting"), settings, parent)
{
    QGridLayout* shown = AddGroup("Show");
    AddCheck(shown, 12014, "Global Axis", "axis show");
    AddCheck(shown, 12015, "Grid", "grid show");
    AddColour(shown, 12105, "Screen", "screen red", "screen green", "screen blue");
    AddColour(shown, 12025, "Grid", "grid red", "grid green", "grid blue");

    QGridLayout* scale = AddGroup("View scale");
    AddEdit(scale, 12010, "Global X axis", "scale along X");
    AddEdit(scale, 12011, "Global Y axis", "scale along Y");
    AddEdit(scale, 12012, "Global Z axis", "scale along Z");

    QGridLayout* grid = AddGroup("Grid subdivisions ");
    AddEdit(grid, 12034, "Global X axis", "grid sub divisions X");
    AddEdit(grid, 12035, "Global Z axis", "grid sub divisions Z");
    // Beside the subdivisions the template has distance fields that no
    // setting keeps.
    AddFreeEdit(grid, 12013, "Distance X");
    AddFreeEdit(grid, 12020, "Distance Y");
    AddFreeEdit(grid, 12036, "Distance Z");
    AddFreeEdit(grid, 12116, "");

    QGridLayout* translate = AddGroup("Translate");
    AddEdit(translate, 12037, "Along X", "Translate along X");
    AddEdit(translate, 12039, "Along Y", "Translate along Y");
    AddEdit(translate, 12041, "Along Z", "Translate along Z");

    QGridLayout* rotate = AddGroup("Rotate");
    AddEdit(rotate, 12042, "About X", "Rotate about X");
    AddEdit(rotate, 12040, "About Y", "Rotate about Y");
    AddEdit(rotate, 12043, "About Z", "Rotate about Z");

    auto* layout = new QGridLayout(this);
    layout->addWidget(GroupBox(shown), 0, 0);
    layout->addWidget(GroupBox(scale), 0, 1);
    layout->addWidget(GroupBox(grid), 1, 0, 2, 1);
    layout->addWidget(GroupBox(translate), 1, 1);
    layout->addWidget(GroupBox(rotate), 2, 1);
}

OptionPage5Widget::~OptionPage5Widget() = default;
