// The settings page over COptionPage1 (node display settings): the controls of template
// 12047 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include "settings/OptionPage1.h"
#include "settings/pages/OptionPageOver.h"

class OptionPage1Widget : public OptionPageOver<COptionPage1> {
    Q_OBJECT
public:
    explicit OptionPage1Widget(COptionPage1* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage1Widget() override;
};
