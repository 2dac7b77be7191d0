#include "tables/element/CombinationTable.h"

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

const char* const CombinationTable::kCaption = "KESTRA Wizard";
const char* const CombinationTable::kFactorText = "A load case factor must be a number";
const char* const CombinationTable::kNoCaseText = "Add a load case before a combination";

std::string CombinationTable::FilePath()
{
    CProject project;
    return project.GetLocation() + project.GetName() + ".cmb";
}

int CombinationTable::Count()
{
    CProject project;
    if (project.GetLoadCaseCount() < 1)
        return 0;
    std::error_code ec;
    if (!std::filesystem::exists(FilePath(), ec))
        return 0;
    CdMatrix file;
    return file.Load(FilePath()) ? file.GetRows() : 0;
}

std::string CombinationTable::Name(int c) { return GridEditing::Format("Combination %d", c); }

bool CombinationTable::Load()
{
    CProject project;
    const int cases = std::max(project.GetLoadCaseCount(), 0);
    m_factors.SetSize(0, cases);
    std::error_code ec;
    if (cases < 1 || !std::filesystem::exists(FilePath(), ec))
        return true;
    CdMatrix file;
    if (!file.Load(FilePath()))
        return false;
    m_factors = TableRows::Resized(file, file.GetRows(), cases);
    if (m_factors.GetRows() == 0)
        m_factors.SetSize(0, cases);
    return true;
}

bool CombinationTable::Save() const { return m_factors.Save(FilePath()); }

void CombinationTable::Changed() const
{
    Save();
    if (m_geometry)
        m_geometry->m_modelChanged = true;
}

bool CombinationTable::StoreCell(int row, int col, double factor)
{
    if (row < 1 || row > Rows() || col < 1 || col > Cases())
        return false;
    if (!std::isfinite(factor)) {
        platform::MessageBox(kFactorText, kCaption, platform::MB_OK);
        return false;
    }
    m_factors(row, col) = factor;
    Changed();
    return true;
}

int CombinationTable::AddRow()
{
    CProject project;
    const int cases = project.GetLoadCaseCount();
    if (cases < 1) {
        platform::MessageBox(kNoCaseText, kCaption, platform::MB_OK);
        return 0;
    }
    CdMatrix grown = TableRows::Resized(m_factors, Rows() + 1, cases);
    for (int j = 1; j <= cases; ++j)
        grown(Rows() + 1, j) = 1.0;
    m_factors = std::move(grown);
    Changed();
    return Rows();
}

int CombinationTable::DeleteRows(int from, int to)
{
    int first = 0;
    int last = 0;
    if (!TableRows::Cut(from, to, Rows(), first, last))
        return 0;
    m_factors = TableRows::Without(m_factors, first, last, Cases());
    Changed();
    return last - first + 1;
}

void CombinationTable::FillGrid(CMSFlexGrid& grid, const GridEditing& editing) const
{
    grid.Clear();
    grid.SetRows(Rows() + 2);
    grid.SetCols(Cases() + 1);
    grid.SetTextMatrix(0, 0, " combination ");
    for (int j = 1; j <= Cases(); ++j) {
        grid.SetTextMatrix(0, j, GridEditing::Format("  Load case:%d", j));
        grid.SetColWidth(j, 1400);
    }
    grid.SetColWidth(0, 1400);
    editing.FillRows(Rows(), [&](long row) { ShowRow(grid, static_cast<int>(row)); });
}

void CombinationTable::ShowRow(CMSFlexGrid& grid, int row) const
{
    if (row < 1 || row > Rows())
        return;
    grid.SetTextMatrix(row, 0, Name(row));
    for (int j = 1; j <= Cases(); ++j)
        grid.SetTextMatrix(row, j, GridEditing::Format("     %g", m_factors(row, j)));
}

std::string CombinationTable::Report(Output output) const
{
    ReportFrame report(output == PrintOut ? ReportFrame::kPrintProgrammer : ReportFrame::kExportProgrammer,
                       output == ExcelExport ? ReportFrame::kEXCELFormat : ReportFrame::kWordPadFormat,
                       "Load combinations:\tLast modify  ");
    std::string columns = "combination";
    for (int j = 1; j <= Cases(); ++j)
        columns += GridEditing::Format("\tLoad case %d", j);
    report.Append(columns + "\n");
    for (int i = 1; i <= Rows(); ++i) {
        std::string line = GridEditing::Format("%d", i);
        for (int j = 1; j <= Cases(); ++j)
            line += GridEditing::Format("\t%g", m_factors(i, j));
        report.Append(line + "\n");
    }
    return report.Text();
}

bool CombinationTable::Publish(Output output) const
{
    const std::string text = Report(output);
    const char* file = output == PrintOut ? "Combination.txt" : output == WordExport ? "combination.txt" : "combination.xls";
    const ReportFrame::Viewer viewer = output == PrintOut     ? ReportFrame::TextViewer
                                       : output == WordExport ? ReportFrame::WordProcessor
                                                              : ReportFrame::Spreadsheet;
    const std::string path = ReportFrame::ReportPath(file);
    return ReportFrame::WriteFile(path, text) && ReportFrame::Open(path, viewer);
}
