// The settings page over COptionPage5 (global view settings): the controls of template
// 12052 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include "settings/OptionPage5.h"
#include "settings/pages/OptionPageOver.h"

class OptionPage5Widget : public OptionPageOver<COptionPage5> {
    Q_OBJECT
public:
    explicit OptionPage5Widget(COptionPage5* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage5Widget() override;
};
