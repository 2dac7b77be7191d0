#include "tables/element/ElementPage5.h"

#include "tables/ReportFrame.h"

CElementPage5::CElementPage5(QWidget* parent) : ResultTablePage("Element Force", parent)
{
    setObjectName("12039");
}

CElementPage5::~CElementPage5() = default;

std::string CElementPage5::Extension() const { return ".elf"; }

ResultTablePage::Layout CElementPage5::MakeLayout() const
{
    const bool frame = IsFrame();
    const std::string F = ForceUnit();
    const std::string FL = F + "-" + LengthUnit();
    const double force = ForceFactor();
    const double moment = MomentFactor();
    Layout layout;
    layout.corner = " Element ";
    if (frame) {
        layout.columns = {{"Ps (" + F + ")", force, 1},    {"Vs2 (" + F + ")", force, 2},
                          {"Vs3 (" + F + ")", force, 3},   {"Ts (" + FL + ")", moment, 4},
                          {"Ms2 (" + FL + ")", moment, 5}, {"Ms3 (" + FL + ")", moment, 6},
                          {"Pe (" + F + ")", force, 7},    {"Ve2 (" + F + ")", force, 8},
                          {"Ve3 (" + F + ")", force, 9},   {"Te (" + FL + ")", moment, 10},
                          {"Me2 (" + FL + ")", moment, 11}, {"Me3 (" + FL + ")", moment, 12}};
    } else {
        layout.columns = {{"Ps (" + F + ")", force, 1},  {"Vs2 (" + F + ")", force, 2},
                          {"Vs3 (" + F + ")", force, 3}, {"Pe (" + F + ")", force, 4},
                          {"Ve2 (" + F + ")", force, 5}, {"Ve3 (" + F + ")", force, 6}};
    }
    layout.extremeColumns = frame ? 12 : 6;
    layout.exportColumns = frame ? 12 : 6;
    return layout;
}

ResultTablePage::Export CElementPage5::MakeExport(bool excel) const
{
    const std::string F = ForceUnit();
    const std::string FL = F + "-" + LengthUnit();
    const bool frame = IsFrame();
    const std::string forces = "\tP (" + F + ")" + "\tV2 (" + F + ")" + "\tV3 (" + F + ")";
    const std::string moments = frame ? "\tT (" + FL + ")" + "\tM2 (" + FL + ")" + "\tM3 (" + FL + ")" : "";
    Export texts;
    texts.description = ReportFrame::kWordPadFormat;
    texts.title = "Member force:\tLast modify  ";
    texts.columnLine = "Element" + forces + moments + forces + moments + "\n";
    texts.file = excel ? "MemberForce.xls" : "MemberForce.txt";
    return texts;
}
