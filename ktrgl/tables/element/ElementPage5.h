// The member end force page (dialog 12039, "Element Force"): for every
// member the axial force, the two shears and (for "Frame3D") the torsion
// and the two bending moments at its start and at its end, from the record
// of the active load case in ".elf". The grid shows the two bending moments
// of each end in swapped order (Ms2 is stored column 6, Ms3 column 5); the
// min/max rows and the exports keep the stored order.
#pragma once
#include "tables/node/ResultTablePage.h"

class CElementPage5 : public ResultTablePage {
    Q_OBJECT
public:
    explicit CElementPage5(QWidget* parent = nullptr);
    ~CElementPage5() override;

protected:
    std::string Extension() const override;
    Layout MakeLayout() const override;
    Export MakeExport(bool excel) const override;
    bool WaitWhileFilling() const override { return true; }
};
