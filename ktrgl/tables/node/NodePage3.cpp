#include "tables/node/NodePage3.h"

#include "tables/ReportFrame.h"

CNodePage3::CNodePage3(QWidget* parent) : ResultTablePage("Node Displacement", parent) {}

CNodePage3::~CNodePage3() = default;

std::string CNodePage3::Extension() const { return ".disn"; }

ResultTablePage::Layout CNodePage3::MakeLayout() const
{
    const bool frame = IsFrame();
    const std::string length = LengthUnit();
    const double factor = LengthFactor();
    Layout layout;
    layout.corner = " node ";
    layout.columns = {{" Ux (" + length + ")", factor, 1},
                      {" Uy (" + length + ")", factor, 2},
                      {" Uz (" + length + ")", factor, 3}};
    if (frame) // rotations stay in radians
        layout.columns.insert(layout.columns.end(), {{" Rx (rad)", 1.0, 4}, {" Ry (rad)", 1.0, 5}, {" Rz (rad)", 1.0, 6}});
    layout.extremeColumns = frame ? 6 : 3;
    layout.exportColumns = frame ? 6 : 3;
    return layout;
}

long CNodePage3::GridColumns(const Layout& layout) const
{
    return ResultGridColumns(layout);
}

ResultTablePage::Export CNodePage3::MakeExport(bool excel) const
{
    const std::string length = LengthUnit();
    Export texts;
    texts.description = excel ? ReportFrame::kEXCELFormat : ReportFrame::kWordPadFormat;
    texts.title = "Node displacement:\tLast modify  ";
    texts.columnLine = "Node\tUx (" + length + ")" + "\tUy (" + length + ")" + "\tUz (" + length + ")";
    if (IsFrame())
        texts.columnLine += "\tRx (rad)\tRy (rad)\tRz (rad)";
    texts.columnLine += "\n";
    texts.file = excel ? "displacement.xls" : "displacement.txt";
    return texts;
}
