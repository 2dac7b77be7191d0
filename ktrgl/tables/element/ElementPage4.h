// The member end displacement page (dialog 12029, "Element Displacement"):
// for every member the translations (and, for "Frame3D", rotations) at its
// start and at its end, in the member's local axes, from the record of the
// active load case in ".dise". Translations show in the project's length
// unit, rotations in radians.
#pragma once
#include "tables/node/ResultTablePage.h"

class CElementPage4 : public ResultTablePage {
    Q_OBJECT
public:
    explicit CElementPage4(QWidget* parent = nullptr);
    ~CElementPage4() override;

protected:
    std::string Extension() const override;
    Layout MakeLayout() const override;
    Export MakeExport(bool excel) const override;
    bool WaitWhileFilling() const override { return true; }
};
