#include "tables/element/ElementPage4.h"

#include "tables/ReportFrame.h"

CElementPage4::CElementPage4(QWidget* parent) : ResultTablePage("Element Displacement", parent)
{
    setObjectName("12029");
}

CElementPage4::~CElementPage4() = default;

std::string CElementPage4::Extension() const { return ".dise"; }

ResultTablePage::Layout CElementPage4::MakeLayout() const
{
    const bool frame = IsFrame();
    const std::string length = LengthUnit();
    const double factor = LengthFactor();
    Layout layout;
    layout.corner = " Element ";
    if (frame) {
        layout.columns = {{" Uxs (" + length + ")", factor, 1}, {" Uys (" + length + ")", factor, 2},
                          {" Uzs (" + length + ")", factor, 3}, {" Rxs (rad)", 1.0, 4},
                          {" Rys (rad)", 1.0, 5},               {" Rzs (rad)", 1.0, 6},
                          {" Uxe (" + length + ")", factor, 7}, {" Uye (" + length + ")", factor, 8},
                          {" Uze (" + length + ")", factor, 9}, {" Rxe (rad)", 1.0, 10},
                          {" Rye (rad)", 1.0, 11},              {" Rze (rad)", 1.0, 12}};
    } else {
        layout.columns = {{" Uxs (" + length + ")", factor, 1}, {" Uys (" + length + ")", factor, 2},
                          {" Uzs (" + length + ")", factor, 3}, {" Uxe (" + length + ")", factor, 4},
                          {" Uye (" + length + ")", factor, 5}, {" Uze (" + length + ")", factor, 6}};
    }
    layout.extremeColumns = frame ? 12 : 6;
    layout.exportColumns = frame ? 12 : 6;
    return layout;
}

ResultTablePage::Export CElementPage4::MakeExport(bool excel) const
{
    const std::string L = LengthUnit();
    Export texts;
    texts.description = ReportFrame::kWordPadFormat;
    texts.title = "Member Displacement:\tLast modify  ";
    if (IsFrame())
        texts.columnLine = "Member\tUxs (" + L + ")" + "\tUys(" + L + ")" + "\tUzs(" + L + ")" + "\tRxs(rad)" +
                           "\tRys(rad)" + "\tRzs(rad)" + "\tUxe(" + L + ")" + "\tUye(" + L + ")" + "\tUze(" + L +
                           ")" + "\tRxe(rad)" + "\tRye(rad)" + "\tRze(rad)" + "\n";
    else
        texts.columnLine = "Member\tUxs (" + L + ")" + "\tUys(" + L + ")" + "\tUzs(" + L + ")" + "\tUxe(" + L + ")" +
                           "\tUye(" + L + ")" + "\tUze(" + L + ")" + "\n";
    texts.file = excel ? "MemberDisplacement.xls" : "MemberDisplacement.txt";
    return texts;
}
