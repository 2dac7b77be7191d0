// The node displacement page ("Node Displacement"): translations of every
// node in the project's length unit and, for "Frame3D", rotations in
// radians, from the record of the active load case in ".disn".
#pragma once
#include "tables/node/ResultTablePage.h"

class CNodePage3 : public ResultTablePage {
    Q_OBJECT
public:
    explicit CNodePage3(QWidget* parent = nullptr);
    ~CNodePage3() override;

protected:
    std::string Extension() const override;
    Layout MakeLayout() const override;
    long GridColumns(const Layout& layout) const override;
    Export MakeExport(bool excel) const override;
};
