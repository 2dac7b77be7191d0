#include "tables/element/PropertyTable.h"

#include "project/Project.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"
#include "tables/ReportFrame.h"
#include "view/Geometry.h"

#include <algorithm>
#include <sys/stat.h>
#include <vector>

std::string PropertyTable::FilePath()
{
    const CProject project;
    return project.GetLocation() + project.GetName() + ".pro";
}

bool PropertyTable::Load()
{
    CdMatrix loaded;
    if (!loaded.Load(FilePath())) {
        struct stat info;
        m_unreadable = stat(FilePath().c_str(), &info) == 0;
        m_table.SetSize(0, kColumns);
        return false;
    }
    m_unreadable = false;
    m_table = loaded;
    return true;
}

bool PropertyTable::LoadIfPresent()
{
    struct stat info;
    if (stat(FilePath().c_str(), &info) != 0) {
        m_unreadable = false;
        m_table.SetSize(0, kColumns);
        return false;
    }
    return Load();
}

bool PropertyTable::Save() const { return !m_unreadable && m_table.Save(FilePath()); }

void PropertyTable::WriteCount() const
{
    if (m_unreadable) // the count stays that of the file
        return;
    CProject project;
    project.GetMaterialCount() = Rows();
    project.Settings(true);
}

double PropertyTable::Factor(CGeometry* geometry, int column)
{
    switch (column) {
    case 1:
    case 3: return geometry->GetStressFactor();
    case 2: return geometry->GetAreaFactor();
    default: return geometry->GetInertiaFactor();
    }
}

void PropertyTable::AddNew(CGeometry* geometry, double displayValue)
{
    if (m_table.GetRows() == 0) {
        m_table.SetSize(1, kColumns);
        for (int c = 1; c <= kColumns; ++c)
            m_table(1, c) = displayValue == 0.0 ? 0.0 : displayValue / Factor(geometry, c);
        return;
    }
    const std::vector<double> zeros(static_cast<size_t>(m_table.GetCols()) + 1, 0.0);
    m_table.AppendRow(zeros.data());
}

bool PropertyTable::Delete(int row)
{
    if (row < 1 || row > m_table.GetRows())
        return false;
    m_table.DeleteRow(row);
    return true;
}

bool PropertyTable::Import(const std::string& path)
{
    CdMatrix rows;
    if (!rows.Load(path))
        return false;
    if (m_table.GetRows() == 0 && m_table.GetCols() == 0)
        m_table.SetSize(0, kColumns);
    if (rows.GetCols() != m_table.GetCols()) {
        m_table.AppendRows(rows); // refused with the matrix's message
        return false;
    }
    m_table.AppendRows(rows);
    return true;
}

PropertyTable::Layout PropertyTable::LayoutOf(const std::string& elementType)
{
    if (elementType == "Frame3D")
        return Frame;
    if (elementType == "Truss3D")
        return Truss;
    return Other;
}

std::string PropertyTable::Header(int column, const std::string& force, const std::string& length)
{
    const std::string stress = force + "/" + length + "^2";
    const std::string area = length + "^2";
    const std::string inertia = length + "^4";
    switch (column) {
    case 0: return "  Property";
    case 1: return "  E (" + stress + ")";
    case 2: return "  A (" + area + ")";
    case 3: return "  G (" + stress + ")";
    case 4: return "    I1 (" + inertia + ")";
    case 5: return "    I2 (" + inertia + ")";
    case 6: return "    I3 (" + inertia + ")";
    default: return std::string();
    }
}

void PropertyTable::FillGrid(CMSFlexGrid& grid, const GridEditing& editing, CGeometry* geometry, long gridRows,
                             const char* format, bool clear) const
{
    const CProject project;
    if (clear)
        grid.Clear();
    grid.SetRows(gridRows);
    const Layout layout = LayoutOf(project.GetElementType());
    if (layout != Other) {
        const long cols = layout == Frame ? 7 : 3;
        grid.SetCols(cols);
        for (long c = 0; c < cols; ++c)
            grid.SetTextMatrix(0, c, Header(static_cast<int>(c), project.GetForceUnit(), project.GetLengthUnit()));
        if (layout == Frame) {
            grid.SetColWidth(0, 855);
            for (long c = 1; c < cols; ++c)
                grid.SetColWidth(c, 1202);
        } else {
            for (long c = 0; c < cols; ++c)
                grid.SetColWidth(c, 1300);
        }
    }
    if (m_table.GetRows() == 0)
        return;
    double factors[kColumns + 1];
    for (int c = 1; c <= kColumns; ++c)
        factors[c] = Factor(geometry, c);
    const long valueCols = std::min<long>(grid.GetCols() - 1, kColumns);
    editing.FillRows(m_table.GetRows(), [&](long row) {
        grid.SetTextMatrix(row, 0, GridEditing::Format(" %ld", row));
        for (long c = 1; c <= valueCols; ++c)
            grid.SetTextMatrix(row, c, GridEditing::Format(format, m_table(static_cast<int>(row), static_cast<int>(c)) *
                                                                       factors[c]));
    }, 10);
}

bool PropertyTable::StoreCell(CMSFlexGrid& grid, CGeometry* geometry, long row, long col, const std::string& text,
                              const char* editFormat)
{
    if (row < 1 || row > m_table.GetRows() || col < 1 || col > kColumns || col >= grid.GetCols())
        return false;
    const double shown = GridEditing::ShowNumber(grid, row, col, text, editFormat);
    m_table(static_cast<int>(row), static_cast<int>(col)) = shown / Factor(geometry, static_cast<int>(col));
    return true;
}

std::string PropertyTable::Report(const CdMatrix& table, const std::string& elementType, const std::string& force,
                                  const std::string& length)
{
    const std::string stress = force + "/" + length + "^2";
    const std::string area = length + "^2";
    const std::string inertia = length + "^4";
    // The values in the units of the headings, as the cells show them.
    const double l = CGeometry::LengthFactorOf(length);
    const double stressFactor = CGeometry::ForceFactorOf(force) / (l * l);
    const double f[] = {0.0, stressFactor, l * l, stressFactor, l * l * l * l, l * l * l * l, l * l * l * l};
    ReportFrame report(ReportFrame::kPrintProgrammer, ReportFrame::kWordPadFormat, "Member properties:\tLast modify  ");
    if (elementType == "Frame3D") {
        report.Append("Property\tE(" + stress + ")\tA(" + area + ")\tG(" + stress + ")\tI1(" + inertia + ")\tI2(" +
                      inertia + ")\tI3(" + inertia + ")\n");
        for (int r = 1; r <= table.GetRows(); ++r)
            report.AppendFormat("%d\t%.3g\t%.3g\t%.3g\t%.3g\t%.3g\t%.3g\n", r, table(r, 1) * f[1], table(r, 2) * f[2],
                                table(r, 3) * f[3], table(r, 4) * f[4], table(r, 5) * f[5], table(r, 6) * f[6]);
    } else if (elementType == "Truss3D") {
        report.Append("Property\tE(" + stress + ")\tA(" + area + ")\n");
        for (int r = 1; r <= table.GetRows(); ++r)
            report.AppendFormat("%d\t%.3g\t%.3g\n", r, table(r, 1) * f[1], table(r, 2) * f[2]);
    }
    return report.Text();
}

bool PropertyTable::Print() const
{
    const CProject project;
    const std::string path = ReportFrame::ChooseReportPath("reference point.txt");
    if (path.empty())
        return false;
    if (!ReportFrame::WriteFile(
            path, Report(m_table, project.GetElementType(), project.GetForceUnit(), project.GetLengthUnit())))
        return false;
    ReportFrame::Open(path, ReportFrame::TextViewer);
    return true;
}
