#include "tables/node/NodePage5.h"

#include "tables/ReportFrame.h"
#include "view/Geometry.h"

CNodePage5::CNodePage5(QWidget* parent) : CNodePage4("Support reaction", parent) {}

CNodePage5::~CNodePage5() = default;

void CNodePage5::ZeroFreeDof(CdMatrix& result, const CdMatrix& nodes)
{
    const int rows = result.GetRows();
    const int cols = result.GetCols();
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            if (nodes.GetAt(i, 3 + j) == 1.0)
                result(i, j) = 0.0;
}

void CNodePage5::Prepare(CdMatrix& result) const
{
    ZeroFreeDof(result, Geometry() ? Geometry()->m_nodeTable : CdMatrix());
    result.Chop(9);
}

ResultTablePage::Export CNodePage5::MakeExport(bool excel) const
{
    Export texts = CNodePage4::MakeExport(excel);
    texts.description = excel ? ReportFrame::kExcelFormat : ReportFrame::kWordPadFormat;
    texts.title = "Reaction:\tLast modify  ";
    texts.file = excel ? "Reaction.xls" : "Reaction.txt";
    return texts;
}
