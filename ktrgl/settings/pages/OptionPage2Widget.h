// The settings page over COptionPage2 (member display settings): the controls of template
// 12048 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include "settings/OptionPage2.h"
#include "settings/pages/OptionPageOver.h"

class OptionPage2Widget : public OptionPageOver<COptionPage2> {
    Q_OBJECT
public:
    explicit OptionPage2Widget(COptionPage2* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage2Widget() override;
};
