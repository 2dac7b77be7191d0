#include "tables/node/NodePage4.h"

#include "tables/ReportFrame.h"

CNodePage4::CNodePage4(QWidget* parent) : ResultTablePage("Node Force", parent) {}

CNodePage4::CNodePage4(const QString& caption, QWidget* parent) : ResultTablePage(caption, parent) {}

CNodePage4::~CNodePage4() = default;

std::string CNodePage4::Extension() const { return ".sys"; }

void CNodePage4::Prepare(CdMatrix& result) const { result.Chop(9); }

ResultTablePage::Layout CNodePage4::MakeLayout() const
{
    const bool frame = IsFrame();
    const std::string force = ForceUnit();
    const std::string moment = MomentUnit();
    const double forceFactor = ForceFactor();
    const double momentFactor = MomentFactor();
    Layout layout;
    layout.corner = " node ";
    layout.columns = {{" Fx (" + force + ")", forceFactor, 1},
                      {" Fy (" + force + ")", forceFactor, 2},
                      {" Fz (" + force + ")", forceFactor, 3}};
    if (frame)
        layout.columns.insert(layout.columns.end(), {{" Mx (" + moment + ")", momentFactor, 4},
                                                     {" My (" + moment + ")", momentFactor, 5},
                                                     {" Mz (" + moment + ")", momentFactor, 6}});
    layout.extremeColumns = frame ? 6 : 3;
    layout.exportColumns = frame ? 6 : 3;
    return layout;
}

long CNodePage4::GridColumns(const Layout& layout) const
{
    return ResultGridColumns(layout);
}

ResultTablePage::Export CNodePage4::MakeExport(bool excel) const
{
    const std::string force = ForceUnit();
    const std::string moment = MomentUnit();
    Export texts;
    texts.description = excel ? ReportFrame::kExcelFormat : ReportFrame::kWordFormat;
    texts.title = "Node force:\tLast modify  ";
    texts.columnLine = "Node\tFx (" + force + ")" + "\tFy (" + force + ")" + "\tFz (" + force + ")";
    if (IsFrame())
        texts.columnLine += "\tMx (" + moment + ")" + "\tMy (" + moment + ")" + "\tMz (" + moment + ")";
    texts.columnLine += "\n";
    texts.file = excel ? "NodeForce.xls" : "NodeForce.txt";
    return texts;
}
