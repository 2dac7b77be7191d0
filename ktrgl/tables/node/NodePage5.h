// The support reaction page ("Support reaction"): the node forces of
// ".sys" at the supported degrees of freedom only; a free degree of
// freedom (restraint code 1 in the model view's node table) shows 0. The
// table is the node force table; only the values and the exports differ.
#pragma once
#include "tables/node/NodePage4.h"

class CNodePage5 : public CNodePage4 {
    Q_OBJECT
public:
    explicit CNodePage5(QWidget* parent = nullptr);
    ~CNodePage5() override;

    // Every value at a free degree of freedom (code 1 in node column
    // 3 + j) set to 0.
    static void ZeroFreeDof(CdMatrix& result, const CdMatrix& nodes);

protected:
    void Prepare(CdMatrix& result) const override;
    Export MakeExport(bool excel) const override;
    bool NeedsModelNodes() const override { return true; }
};
