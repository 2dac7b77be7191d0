// The settings page over COptionPage4 (member force diagram settings): the controls of template
// 12051 bound to the keys of the group. The page edits the object it is given
// (for example CGeometry's own) or one of its own.
#pragma once
#include "settings/OptionPage4.h"
#include "settings/pages/OptionPageOver.h"

class OptionPage4Widget : public OptionPageOver<COptionPage4> {
    Q_OBJECT
public:
    explicit OptionPage4Widget(COptionPage4* settings = nullptr, QWidget* parent = nullptr);
    ~OptionPage4Widget() override;
};
