// The member end force page (dialog 12039, "Element Force"): for every
// member the axial force, the two shears and (for "Frame3D") the torsion
// and the two bending moments at its start and at its end, from the record
// of the active load case in ".elf". The solver stores per end P, V2, V3,
// T, M2 (about local axis 2), M3 (about local axis 3): the grid's "Ms2" is
// stored column 5 and "Ms3" column 6 ("Me2" 11, "Me3" 12), the same values
// the exports print under "M2" and "M3".
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
