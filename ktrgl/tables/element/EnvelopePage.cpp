#include "tables/element/EnvelopePage.h"

#include "numerics/RecordSet.h"
#include "platform/WaitCursor.h"
#include "project/Project.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/ReportFrame.h"
#include "tables/element/CombinationTable.h"
#include "view/Geometry.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const char* const kExtensions[3] = {".disn", ".sys", ".elf"};

} // namespace

bool CEnvelopePage::Compute(const std::string& path, int records, Extremes& out)
{
    out = Extremes();
    numerics::RecordSet set;
    if (records < 1 || set.Read(path, records) != numerics::ReadResult::Ok)
        return false;
    const int rows = set.GetRows();
    const int cols = set.GetCols();
    out.max.SetSize(rows, cols);
    out.min.SetSize(rows, cols);
    out.maxAt.assign(static_cast<size_t>(rows) * cols, 1);
    out.minAt.assign(static_cast<size_t>(rows) * cols, 1);
    out.records = records;
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) {
            const size_t at = static_cast<size_t>(i - 1) * cols + (j - 1);
            out.max(i, j) = out.min(i, j) = set(1, i, j);
            for (int k = 2; k <= records; ++k) {
                const double v = set(k, i, j);
                if (v > out.max(i, j)) {
                    out.max(i, j) = v;
                    out.maxAt[at] = k;
                }
                if (v < out.min(i, j)) {
                    out.min(i, j) = v;
                    out.minAt[at] = k;
                }
            }
        }
    return true;
}

std::string CEnvelopePage::RecordName(int record, int cases)
{
    return record <= cases ? GridEditing::Format("Load case:%d", record)
                           : CombinationTable::Name(record - cases);
}

CEnvelopePage::CEnvelopePage(QWidget* parent) : PropertyPage("Envelope", parent)
{
    m_list = new QComboBox(this);
    m_list->addItems({"Node displacement", "Node force", "Member end force"});
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_list);
    layout->addWidget(m_grid);
    connect(m_list, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { Show(static_cast<Result>(index)); });
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CEnvelopePage::~CEnvelopePage() = default;

bool CEnvelopePage::OnInitDialog() { return Show(NodeDisplacement); }

std::vector<CEnvelopePage::Column> CEnvelopePage::Columns(Result result) const
{
    CProject project;
    const bool frame = project.GetElementType() == "Frame3D";
    const std::string length = project.GetLengthUnit();
    const std::string force = project.GetForceUnit();
    const std::string moment = project.GetMomentUnit();
    const double l = m_geometry ? m_geometry->GetLengthFactor() : 1.0;
    const double f = m_geometry ? m_geometry->GetForceFactor() : 1.0;
    const double m = m_geometry ? m_geometry->GetMomentFactor() : 1.0;
    std::vector<Column> columns;
    switch (result) {
    case NodeDisplacement:
        columns = {{"Ux (" + length + ")", l}, {"Uy (" + length + ")", l}, {"Uz (" + length + ")", l}};
        if (frame)
            columns.insert(columns.end(), {{"Rx (rad)", 1.0}, {"Ry (rad)", 1.0}, {"Rz (rad)", 1.0}});
        break;
    case NodeForce:
        columns = {{"Fx (" + force + ")", f}, {"Fy (" + force + ")", f}, {"Fz (" + force + ")", f}};
        if (frame)
            columns.insert(columns.end(),
                           {{"Mx (" + moment + ")", m}, {"My (" + moment + ")", m}, {"Mz (" + moment + ")", m}});
        break;
    case MemberForce:
        for (const char* end : {"start", "end"}) {
            if (frame)
                columns.insert(columns.end(), {{std::string("P ") + end + " (" + force + ")", f},
                                               {std::string("V2 ") + end + " (" + force + ")", f},
                                               {std::string("V3 ") + end + " (" + force + ")", f},
                                               {std::string("T ") + end + " (" + moment + ")", m},
                                               {std::string("M2 ") + end + " (" + moment + ")", m},
                                               {std::string("M3 ") + end + " (" + moment + ")", m}});
            else
                columns.insert(columns.end(), {{std::string("F1 ") + end + " (" + force + ")", f},
                                               {std::string("F2 ") + end + " (" + force + ")", f},
                                               {std::string("F3 ") + end + " (" + force + ")", f}});
        }
        break;
    }
    return columns;
}

bool CEnvelopePage::Show(Result result)
{
    platform::WaitCursor wait;
    m_result = result;
    if (m_list->currentIndex() != result)
        m_list->setCurrentIndex(result);
    CProject project;
    const int records = std::max(project.GetLoadCaseCount(), 0) + CombinationTable::Count();
    const std::string path = project.GetLocation() + project.GetName() + kExtensions[result];
    const bool read = Compute(path, records, m_extremes);
    Fill();
    return read;
}

void CEnvelopePage::Fill()
{
    CProject project;
    const int cases = project.GetLoadCaseCount();
    const std::vector<Column> columns = Columns(m_result);
    const int rows = m_extremes.max.GetRows();
    const int cols = std::min(m_extremes.max.GetCols(), static_cast<int>(columns.size()));
    m_grid->Clear();
    m_grid->SetRows(static_cast<long>(rows) * cols + 1);
    m_grid->SetCols(6);
    const char* heads[6] = {m_result == MemberForce ? " member " : " node ", " result ", " max ", " from ",
                            " min ", " from "};
    for (int c = 0; c < 6; ++c)
        m_grid->SetTextMatrix(0, c, heads[c]);
    m_grid->SetColWidth(1, 1500);
    m_grid->SetColWidth(3, 1500);
    m_grid->SetColWidth(5, 1500);
    long r = 0;
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) {
            ++r;
            const size_t at = static_cast<size_t>(i - 1) * m_extremes.max.GetCols() + (j - 1);
            const Column& column = columns[static_cast<size_t>(j - 1)];
            m_grid->SetTextMatrix(r, 0, GridEditing::Format("%d", i));
            m_grid->SetTextMatrix(r, 1, column.name);
            m_grid->SetTextMatrix(r, 2, GridEditing::Format("%.4g", m_extremes.max(i, j) * column.factor));
            m_grid->SetTextMatrix(r, 3, RecordName(m_extremes.maxAt[at], cases));
            m_grid->SetTextMatrix(r, 4, GridEditing::Format("%.4g", m_extremes.min(i, j) * column.factor));
            m_grid->SetTextMatrix(r, 5, RecordName(m_extremes.minAt[at], cases));
        }
}

std::string CEnvelopePage::ExportReport(bool excel) const
{
    static const char* const kTitles[3] = {"Node displacement envelope:\tLast modify  ",
                                           "Node force envelope:\tLast modify  ",
                                           "Member end force envelope:\tLast modify  "};
    ReportFrame report(ReportFrame::kExportProgrammer, excel ? ReportFrame::kEXCELFormat : ReportFrame::kWordPadFormat,
                       kTitles[m_result]);
    report.Append(std::string(m_result == MemberForce ? "Member" : "Node") + "\tresult\tmax\tfrom\tmin\tfrom\n");
    for (long r = 1; r < m_grid->GetRows(); ++r) {
        std::string line = m_grid->GetTextMatrix(r, 0);
        for (long c = 1; c < 6; ++c)
            line += "\t" + m_grid->GetTextMatrix(r, c);
        report.Append(line + "\n");
    }
    return report.Text();
}

bool CEnvelopePage::Export(bool excel) const
{
    const std::string path = ReportFrame::ReportPath(excel ? "envelope.xls" : "envelope.txt");
    return ReportFrame::WriteFile(path, ExportReport(excel)) &&
           ReportFrame::Open(path, excel ? ReportFrame::Spreadsheet : ReportFrame::WordProcessor);
}

void CEnvelopePage::OnContextMenu(const QPoint& globalPos)
{
    auto* menu = new QMenu(this);
    menu->addAction("Word")->setData(1);
    menu->addAction("Excel")->setData(2);
    MenuResource::RunPopupMenu(menu, globalPos, [this](int id) { Export(id == 2); });
}
