// The node force page ("Node Force"): the forces (and, for "Frame3D",
// moments) at every node from the record of the active load case in
// ".sys", values of magnitude 1e-9 or less shown as 0.
#pragma once
#include "tables/node/ResultTablePage.h"

class CNodePage4 : public ResultTablePage {
    Q_OBJECT
public:
    explicit CNodePage4(QWidget* parent = nullptr);
    ~CNodePage4() override;

protected:
    CNodePage4(const QString& caption, QWidget* parent);

    std::string Extension() const override;
    void Prepare(CdMatrix& result) const override;
    Layout MakeLayout() const override;
    long GridColumns(const Layout& layout) const override;
    Export MakeExport(bool excel) const override;
};
