#include "tables/element/MemberLoadTable.h"

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"
#include "tables/ReportFrame.h"
#include "tables/node/TableRows.h"
#include "view/Geometry.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

const char* const MemberLoadTable::kCaption = "KESTRA Wizard";
const char* const MemberLoadTable::kMemberText = "Member %d does not exist: members are numbered 1 to %d";
const char* const MemberLoadTable::kKindText =
    "Unknown load kind: 1 uniform, 2 linear from a to b, 3 concentrated at a, 4 self weight";
const char* const MemberLoadTable::kDirectionText =
    "Unknown load direction: 1, 2, 3 local axes, 4, 5, 6 global X, Y, Z";
const char* const MemberLoadTable::kOutsideText = "%s = %g %s lies outside member %d (length %g %s)";
const char* const MemberLoadTable::kOrderText = "a must be less than b for a linearly varying load";
const char* const MemberLoadTable::kWholeMemberText =
    "Uniform loads and self weight cover the whole member: a and b stay 0";
const char* const MemberLoadTable::kOnlyLinearText = "%s applies only to a linearly varying load (kind 2)";
const char* const MemberLoadTable::kNoCaseText = "Choose a load case first";

namespace {

bool IsWhole(double v, int low, int high)
{
    return std::isfinite(v) && v == std::trunc(v) && v >= low && v <= high;
}

} // namespace

int MemberLoadTable::MemberCount() const { return m_geometry ? m_geometry->m_memberTable.GetRows() : 0; }

double MemberLoadTable::MemberLength(int member) const
{
    if (!m_geometry || member < 1 || member > MemberCount())
        return 0.0;
    const CdMatrix& nodes = m_geometry->m_nodeTable;
    const int a = CGeometry::TruncateNumber(m_geometry->m_memberTable(member, 1));
    const int b = CGeometry::TruncateNumber(m_geometry->m_memberTable(member, 2));
    if (a < 1 || b < 1 || a > nodes.GetRows() || b > nodes.GetRows())
        return 0.0;
    double sum = 0.0;
    for (int c = 1; c <= 3; ++c) {
        const double d = nodes(b, c) - nodes(a, c);
        sum += d * d;
    }
    return std::sqrt(sum);
}

// ---- project facts ---------------------------------------------------------------

std::string MemberLoadTable::CaseExtension(int k) { return GridEditing::Format("mld%d", k); }

std::string MemberLoadTable::CasePath(int k)
{
    CProject project;
    return project.GetLocation() + project.GetName() + "." + CaseExtension(k);
}

int MemberLoadTable::ActiveCase()
{
    CProject project;
    const int k = project.GetActiveLoadCase();
    return k >= 1 && k <= project.GetLoadCaseCount() ? k : 0;
}

// ---- the shown case ----------------------------------------------------------------

bool MemberLoadTable::Choose(int k)
{
    CProject project;
    if (k < 1 || k > project.GetLoadCaseCount())
        return false;
    m_case = k;
    m_loads.SetSize(0, kColumns);
    std::error_code ec;
    if (!std::filesystem::exists(CasePath(k), ec))
        return true;
    CdMatrix file;
    if (!file.Load(CasePath(k)))
        return true;
    // Columns the file lacks read as 0; more than seven are not ours.
    m_loads = TableRows::Resized(file, file.GetRows(), kColumns);
    return true;
}

bool MemberLoadTable::Save() const
{
    if (m_case < 1)
        return false;
    if (m_loads.GetRows() == 0) {
        CdMatrix empty;
        empty.SetSize(0, kColumns);
        return empty.Save(CasePath(m_case));
    }
    return m_loads.Save(CasePath(m_case));
}

void MemberLoadTable::Redraw() const
{
    if (m_geometry)
        m_geometry->UpdateMemberLoad(m_case >= 1 ? m_loads : CdMatrix());
}

// ---- rows ----------------------------------------------------------------------------

std::string MemberLoadTable::Check(const double row[kColumns], int memberCount,
                                   const std::function<double(int)>& length, const std::string& lengthUnit,
                                   double lengthFactor)
{
    const double member = row[ColMember - 1];
    if (!IsWhole(member, 1, std::max(memberCount, 1)) || memberCount < 1)
        return GridEditing::Format(kMemberText, std::isfinite(member) ? CGeometry::TruncateNumber(member) : 0,
                                   memberCount);
    const double kindValue = row[ColKind - 1];
    if (!IsWhole(kindValue, KindUniform, KindSelfWeight))
        return kKindText;
    if (!IsWhole(row[ColDirection - 1], 1, 6))
        return kDirectionText;
    const int m = static_cast<int>(member);
    const int kind = static_cast<int>(kindValue);
    const double a = row[ColA - 1];
    const double b = row[ColB - 1];
    const double l = length(m);
    auto outside = [&](const char* name, double value) {
        return GridEditing::Format(kOutsideText, name, value * lengthFactor, lengthUnit.c_str(), m,
                                   l * lengthFactor, lengthUnit.c_str());
    };
    for (int j = ColA; j <= ColW2; ++j)
        if (!std::isfinite(row[j - 1]))
            return j <= ColB ? outside(j == ColA ? "a" : "b", row[j - 1]) : std::string(kKindText);
    switch (kind) {
    case KindUniform:
    case KindSelfWeight:
        if (a != 0.0 || b != 0.0)
            return kWholeMemberText;
        if (row[ColW2 - 1] != 0.0)
            return GridEditing::Format(kOnlyLinearText, "w2");
        return "";
    case KindPoint:
        if (a < 0.0 || a > l)
            return outside("a", a);
        if (b != 0.0)
            return GridEditing::Format(kOnlyLinearText, "b");
        if (row[ColW2 - 1] != 0.0)
            return GridEditing::Format(kOnlyLinearText, "w2");
        return "";
    default: // KindLinear
        if (a < 0.0 || a > l)
            return outside("a", a);
        if (b < 0.0 || b > l)
            return outside("b", b);
        if (!(a < b))
            return kOrderText;
        return "";
    }
}

bool MemberLoadTable::Store(int row, const double values[kColumns])
{
    CProject project;
    const double lengthFactor = m_geometry->GetLengthFactor();
    const std::string refusal =
        Check(values, MemberCount(), [this](int m) { return MemberLength(m); }, project.GetLengthUnit(), lengthFactor);
    if (!refusal.empty()) {
        platform::MessageBox(refusal, kCaption, platform::MB_OK);
        return false;
    }
    for (int j = 1; j <= kColumns; ++j)
        m_loads(row, j) = values[j - 1];
    Save();
    Redraw();
    m_geometry->m_modelChanged = true;
    return true;
}

bool MemberLoadTable::StoreCell(int row, int col, double shown)
{
    if (!m_geometry || m_case < 1 || row < 1 || row > Rows() || col < 1 || col > kColumns)
        return false;
    double values[kColumns];
    for (int j = 1; j <= kColumns; ++j)
        values[j - 1] = m_loads(row, j);
    const int oldKind = static_cast<int>(values[ColKind - 1]);
    if (col == ColMember || col == ColKind || col == ColDirection) {
        values[col - 1] = shown;
    } else {
        const double factor = Factor(oldKind, col);
        values[col - 1] = shown / factor;
    }
    if (col == ColKind && shown != oldKind) {
        // A new kind keeps only what it uses.
        const int kind = std::isfinite(shown) ? static_cast<int>(shown) : 0;
        if (kind == KindUniform || kind == KindSelfWeight) {
            values[ColA - 1] = values[ColB - 1] = values[ColW2 - 1] = 0.0;
        } else if (kind == KindPoint) {
            values[ColB - 1] = values[ColW2 - 1] = 0.0;
        } else if (kind == KindLinear && !(values[ColB - 1] > values[ColA - 1])) {
            values[ColA - 1] = 0.0;
            values[ColB - 1] = MemberLength(CGeometry::TruncateNumber(values[ColMember - 1]));
            values[ColW2 - 1] = values[ColW1 - 1];
        }
    }
    return Store(row, values);
}

int MemberLoadTable::AddRow(int member)
{
    if (!m_geometry || m_case < 1)
        return 0;
    if (member < 1 || member > MemberCount())
        member = 1;
    CdMatrix grown = TableRows::Resized(m_loads, Rows() + 1, kColumns);
    const int row = Rows() + 1;
    grown(row, ColMember) = member;
    grown(row, ColKind) = KindUniform;
    grown(row, ColDirection) = 5;
    m_loads = std::move(grown);
    Save();
    Redraw();
    m_geometry->m_modelChanged = true;
    return Rows();
}

int MemberLoadTable::DeleteRows(int from, int to)
{
    int first = 0;
    int last = 0;
    if (m_case < 1 || !TableRows::Cut(from, to, Rows(), first, last))
        return 0;
    m_loads = TableRows::Without(m_loads, first, last, kColumns);
    Save();
    Redraw();
    if (m_geometry)
        m_geometry->m_modelChanged = true;
    return last - first + 1;
}

int MemberLoadTable::Paste()
{
    if (!m_geometry || m_case < 1 || !HasCopy())
        return 0;
    CdMatrix grown = TableRows::Resized(m_loads, Rows() + m_copy.GetRows(), kColumns);
    for (int i = 1; i <= m_copy.GetRows(); ++i)
        for (int j = 1; j <= kColumns; ++j)
            grown(Rows() + i, j) = m_copy(i, j);
    m_loads = std::move(grown);
    Save();
    Redraw();
    m_geometry->m_modelChanged = true;
    return m_copy.GetRows();
}

int MemberLoadTable::GenerateSelfWeight(double shownWeight, int direction)
{
    const int members = MemberCount();
    if (!m_geometry || m_case < 1 || direction < 1 || direction > 6 || members < 1 || !std::isfinite(shownWeight))
        return 0;
    int others = 0;
    for (int i = 1; i <= Rows(); ++i)
        if (m_loads(i, ColKind) != KindSelfWeight)
            ++others;
    CdMatrix loads(others + members, kColumns);
    int r = 0;
    for (int i = 1; i <= Rows(); ++i) {
        if (m_loads(i, ColKind) == KindSelfWeight)
            continue;
        ++r;
        for (int j = 1; j <= kColumns; ++j)
            loads(r, j) = m_loads(i, j);
    }
    const double stored = shownWeight / Factor(KindSelfWeight, ColW1);
    for (int m = 1; m <= members; ++m) {
        ++r;
        loads(r, ColMember) = m;
        loads(r, ColKind) = KindSelfWeight;
        loads(r, ColDirection) = direction;
        loads(r, ColW1) = stored;
    }
    m_loads = std::move(loads);
    Save();
    Redraw();
    m_geometry->m_modelChanged = true;
    return members;
}

// ---- units ---------------------------------------------------------------------------------

double MemberLoadTable::Factor(int kind, int col) const
{
    if (!m_geometry)
        return 1.0;
    const double length = m_geometry->GetLengthFactor();
    const double force = m_geometry->GetForceFactor();
    switch (col) {
    case ColA:
    case ColB: return length;
    case ColW1:
        if (kind == KindPoint)
            return force;
        if (kind == KindSelfWeight)
            return force / (length * length * length);
        return force / length;
    case ColW2: return force / length;
    default: return 1.0;
    }
}

// ---- grid ------------------------------------------------------------------------------------

std::string MemberLoadTable::Header(int col, const std::string& length, const std::string& force)
{
    switch (col) {
    case 0: return " load ";
    case ColMember: return " member ";
    case ColKind: return " kind ";
    case ColDirection: return " direction ";
    case ColA: return "  a (" + length + ")";
    case ColB: return "  b (" + length + ")";
    case ColW1: return "  w1 (" + force + "/" + length + "; " + force + "; " + force + "/" + length + "^3)";
    case ColW2: return "  w2 (" + force + "/" + length + ")";
    default: return "";
    }
}

void MemberLoadTable::FillGrid(CMSFlexGrid& grid, const GridEditing& editing) const
{
    if (!ClearGrid(grid))
        return;
    CProject project;
    grid.SetRows(Rows() + 2);
    grid.SetCols(kColumns + 1);
    for (int col = 0; col <= kColumns; ++col)
        grid.SetTextMatrix(0, col, Header(col, project.GetLengthUnit(), project.GetForceUnit()));
    for (long col = 1; col <= kColumns; ++col)
        grid.SetColWidth(col, col == ColW1 ? 2400 : 1000);
    FillRows(grid, editing);
}

void MemberLoadTable::FillRows(CMSFlexGrid& grid, const GridEditing& editing) const
{
    if (m_case < 1)
        return;
    editing.FillRows(Rows(), [&](long row) { ShowRow(grid, static_cast<int>(row)); });
}

void MemberLoadTable::ShowRow(CMSFlexGrid& grid, int row) const
{
    if (row < 1 || row > Rows())
        return;
    const int kind = CGeometry::TruncateNumber(m_loads(row, ColKind));
    grid.SetTextMatrix(row, 0, GridEditing::Format("%d", row));
    for (int j = ColMember; j <= ColDirection; ++j)
        grid.SetTextMatrix(row, j, GridEditing::Format("     %d", CGeometry::TruncateNumber(m_loads(row, j))));
    for (int j = ColA; j <= ColW2; ++j)
        grid.SetTextMatrix(row, j, GridEditing::Format("     %g", m_loads(row, j) * Factor(kind, j)));
}

// ---- printout and exports ----------------------------------------------------------------------

std::string MemberLoadTable::Report(Output output) const
{
    CProject project;
    const std::string length = project.GetLengthUnit();
    const std::string force = project.GetForceUnit();
    const bool print = output == PrintOut;
    ReportFrame report(print ? ReportFrame::kPrintProgrammer : ReportFrame::kExportProgrammer,
                       output == ExcelExport ? ReportFrame::kEXCELFormat : ReportFrame::kWordPadFormat,
                       GridEditing::Format("Member loads of load case %d:\tLast modify  ", m_case));
    report.Append("load\tmember\tkind\tdirection\ta (" + length + ")\tb (" + length + ")\tw1 (" + force + "/" +
                  length + "; " + force + "; " + force + "/" + length + "^3)\tw2 (" + force + "/" + length + ")\n");
    for (int i = 1; i <= Rows(); ++i) {
        const int kind = CGeometry::TruncateNumber(m_loads(i, ColKind));
        report.AppendFormat("%d\t%d\t%d\t%d\t%.4g\t%.4g\t%.4g\t%.4g\n", i,
                            CGeometry::TruncateNumber(m_loads(i, ColMember)), kind,
                            CGeometry::TruncateNumber(m_loads(i, ColDirection)), m_loads(i, ColA) * Factor(kind, ColA),
                            m_loads(i, ColB) * Factor(kind, ColB), m_loads(i, ColW1) * Factor(kind, ColW1),
                            m_loads(i, ColW2) * Factor(kind, ColW2));
    }
    return report.Text();
}

bool MemberLoadTable::Publish(Output output) const
{
    if (m_case < 1)
        return false;
    const std::string text = Report(output);
    switch (output) {
    case PrintOut: {
        const std::string path = ReportFrame::ReportPath("Member load.txt");
        return ReportFrame::WriteFile(path, text) && ReportFrame::Open(path, ReportFrame::TextViewer);
    }
    case WordExport: {
        const std::string path = ReportFrame::ReportPath("member load.txt");
        return ReportFrame::WriteFile(path, text) && ReportFrame::Open(path, ReportFrame::WordProcessor);
    }
    default: {
        const std::string path = ReportFrame::ReportPath("member load.xls");
        return ReportFrame::WriteFile(path, text) && ReportFrame::Open(path, ReportFrame::Spreadsheet);
    }
    }
}
