#include "settings/pages/OptionPage5Widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

OptionPage5Widget::OptionPage5Widget(COptionPage5* settings, QWidget* parent)
    : OptionPageForm(QStringLiteral("Global Setting"), parent),
      m_own(settings ? nullptr : std::make_unique<COptionPage5>()),
      m_settings(settings ? settings : m_own.get())
{
    auto group = [this](const char* title) {
        auto* box = new QGroupBox(QString::fromLatin1(title), this);
        return new QGridLayout(box);
    };
    auto box = [](QGridLayout* grid) { return grid->parentWidget(); };
    QGridLayout* shown = group("Show");
    AddCheck(shown, 12014, "Global Axis", "axis show");
    AddCheck(shown, 12015, "Grid", "grid show");
    AddColour(shown, 12105, "Screen", "screen red", "screen green", "screen blue");
    AddColour(shown, 12025, "Grid", "grid red", "grid green", "grid blue");

    QGridLayout* scale = group("View scale");
    AddEdit(scale, 12010, "Global X axis", "scale along X");
    AddEdit(scale, 12011, "Global Y axis", "scale along Y");
    AddEdit(scale, 12012, "Global Z axis", "scale along Z");

    QGridLayout* grid = group("Grid subdivisions ");
    AddEdit(grid, 12034, "Global X axis", "grid sub divisions X");
    AddEdit(grid, 12035, "Global Z axis", "grid sub divisions Z");
    // Beside the subdivisions the template has distance fields that no
    // setting keeps.
    AddFreeEdit(grid, 12013, "Distance X");
    AddFreeEdit(grid, 12020, "Distance Y");
    AddFreeEdit(grid, 12036, "Distance Z");
    AddFreeEdit(grid, 12116, "");

    QGridLayout* translate = group("Translate");
    AddEdit(translate, 12037, "Along X", "Translate along X");
    AddEdit(translate, 12039, "Along Y", "Translate along Y");
    AddEdit(translate, 12041, "Along Z", "Translate along Z");

    QGridLayout* rotate = group("Rotate");
    AddEdit(rotate, 12042, "About X", "Rotate about X");
    AddEdit(rotate, 12040, "About Y", "Rotate about Y");
    AddEdit(rotate, 12043, "About Z", "Rotate about Z");

    auto* layout = new QGridLayout(this);
    layout->addWidget(box(shown), 0, 0);
    layout->addWidget(box(scale), 0, 1);
    layout->addWidget(box(grid), 1, 0, 2, 1);
    layout->addWidget(box(translate), 1, 1);
    layout->addWidget(box(rotate), 2, 1);
}

OptionPage5Widget::~OptionPage5Widget() = default;
