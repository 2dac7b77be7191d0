#include "tables/node/ResultTablePage.h"

#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "project/Project.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/ReportFrame.h"
#include "view/Geometry.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

ResultTablePage::ResultTablePage(const QString& caption, QWidget* parent) : PropertyPage(caption, parent)
{
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);

    // No keys are routed and no editor is ever created: the grid only
    // scrolls, and the Scroll event refills it.
    GridEditing::Options options = GridEditing::PageOptions();
    options.routedKeys = 0;
    m_editing = new GridEditing(m_grid, this, options, this);
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
    auto* copy = new QAction(QStringLiteral("Copy"), m_grid);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, [this] { OnCopy(); });
    m_grid->addAction(copy);
}

ResultTablePage::~ResultTablePage() = default;

const char* const ResultTablePage::kNoModelText =
    "The results cannot be exported without their model: open the project first.";
const char* const ResultTablePage::kErrorCaption = "KESTRA detect error in operation ";

bool ResultTablePage::OnInitDialog()
{
    ReadResult();
    FineValue();
    UpdateTable();
    return true;
}

// ---- project facts -------------------------------------------------------------------

bool ResultTablePage::IsFrame() { return CProject().GetElementType() == "Frame3D"; }
std::string ResultTablePage::LengthUnit() { return CProject().GetLengthUnit(); }
std::string ResultTablePage::ForceUnit() { return CProject().GetForceUnit(); }
std::string ResultTablePage::MomentUnit() { return CProject().GetMomentUnit(); }
double ResultTablePage::LengthFactor() { return CGeometry::LengthFactorOf(CProject().GetLengthUnit()); }
double ResultTablePage::ForceFactor() { return CGeometry::ForceFactorOf(CProject().GetForceUnit()); }
double ResultTablePage::MomentFactor()
{
    CProject project;
    return CGeometry::ForceFactorOf(project.GetForceUnit()) * CGeometry::LengthFactorOf(project.GetLengthUnit());
}

// ---- the result ----------------------------------------------------------------------

std::string ResultTablePage::ResultPath() const
{
    CProject project;
    return project.GetLocation() + project.GetName() + Extension();
}

bool ResultTablePage::ReadResult()
{
    CProject project;
    const std::string path = project.GetLocation() + project.GetName() + Extension();
    // LoadRecord seeks straight to the record: the other cases are not read.
    const bool read = m_result.LoadRecord(project.GetActiveLoadCase(), path);
    if (read)
        Prepare(m_result);
    if (m_result.GetRows() < 1)
        m_result.SetSize(0, 0);
    return read;
}

void ResultTablePage::FineValue()
{
    const int cols = m_result.GetCols();
    const int rows = m_result.GetRows();
    m_min.assign(static_cast<size_t>(cols), 0.0);
    m_max.assign(static_cast<size_t>(cols), 0.0);
    if (rows < 1)
        return;
    // The true extremes: the start value is the first row, so that a column
    // of negative values has a negative maximum and one row shows that row.
    for (int j = 1; j <= cols; ++j) {
        double low = m_result(1, j);
        double high = low;
        for (int i = 2; i <= rows; ++i) {
            low = std::min(low, m_result(i, j));
            high = std::max(high, m_result(i, j));
        }
        m_min[static_cast<size_t>(j - 1)] = low;
        m_max[static_cast<size_t>(j - 1)] = high;
    }
}

double ResultTablePage::StoredFactor(const Layout& layout, int stored)
{
    for (const Column& column : layout.columns)
        if (column.stored == stored)
            return column.factor;
    return 1.0;
}

std::string ResultTablePage::Extreme(const std::vector<double>& extremes, int stored, double factor,
                                     const char* format)
{
    if (stored < 1 || stored > static_cast<int>(extremes.size()))
        return std::string();
    // A negative factor would turn a minimum into a maximum; unit factors
    // are positive, so converting the stored extreme is exact.
    return GridEditing::Format(format, extremes[static_cast<size_t>(stored - 1)] * factor);
}

long ResultTablePage::GridColumns(const Layout& layout) const
{
    return static_cast<long>(layout.columns.size()) + 1;
}

long ResultTablePage::ResultGridColumns(const Layout& layout) const
{
    return m_result.GetCols() > 0 ? m_result.GetCols() + 1 : ResultTablePage::GridColumns(layout);
}

void ResultTablePage::UpdateTable()
{
    std::unique_ptr<platform::WaitCursor> wait;
    if (WaitWhileFilling())
        wait = std::make_unique<platform::WaitCursor>();
    const Layout layout = MakeLayout();
    const int rows = m_result.GetRows();
    const long gridCols = GridColumns(layout);
    m_grid->Clear();
    m_grid->SetRows(rows + 5);
    m_grid->SetCols(gridCols);
    m_grid->SetTextMatrix(0, 0, layout.corner);
    for (size_t c = 0; c < layout.columns.size(); ++c)
        m_grid->SetTextMatrix(0, static_cast<long>(c) + 1, layout.columns[c].header);
    if (rows < 1 || m_result.GetCols() < 1)
        return;

    const std::vector<Column> shown = ShownColumns(layout, gridCols);
    m_editing->FillRows(rows, [&](long row) {
        const int i = static_cast<int>(row);
        m_grid->SetTextMatrix(row, 0, GridEditing::Format("%d", i));
        for (size_t c = 0; c < shown.size(); ++c)
            if (shown[c].stored >= 1 && shown[c].stored <= m_result.GetCols())
                m_grid->SetTextMatrix(row, static_cast<long>(c) + 1,
                                      GridEditing::Format("%.4g", m_result(i, shown[c].stored) * shown[c].factor));
    });

    // The extremes of the column each stands under, in its display units.
    m_grid->SetTextMatrix(rows + 2, 0, " min ");
    m_grid->SetTextMatrix(rows + 3, 0, " max ");
    const int extremes = std::min(layout.extremeColumns, static_cast<int>(shown.size()));
    for (int c = 1; c <= extremes; ++c) {
        const Column& column = shown[static_cast<size_t>(c - 1)];
        m_grid->SetTextMatrix(rows + 2, c, Extreme(m_min, column.stored, column.factor, "%.4g"));
        m_grid->SetTextMatrix(rows + 3, c, Extreme(m_max, column.stored, column.factor, "%.4g"));
    }
}

std::vector<ResultTablePage::Column> ResultTablePage::ShownColumns(const Layout& layout, long gridCols) const
{
    // Grid column c shows a stored column in display units.
    std::vector<Column> shown(static_cast<size_t>(std::max(gridCols - 1, 0L)));
    for (size_t c = 0; c < shown.size(); ++c) {
        if (c < layout.columns.size())
            shown[c] = layout.columns[c];
        else
            shown[c].stored = static_cast<int>(c) + 1;
    }
    return shown;
}

// ---- copy ----------------------------------------------------------------------------

std::string ResultTablePage::CopyText() const
{
    const Layout layout = MakeLayout();
    const std::vector<Column> shown = ShownColumns(layout, m_grid->GetCols());
    const int rows = m_result.GetRows();
    auto trimmed = [](std::string text) {
        const size_t first = text.find_first_not_of(' ');
        const size_t last = text.find_last_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    };
    const long left = std::max(1L, std::min(m_grid->GetCol(), m_grid->GetColSel()));
    const long right = std::max(m_grid->GetCol(), m_grid->GetColSel());
    std::string text = trimmed(m_grid->GetTextMatrix(0, 0));
    for (long col = left; col <= right; ++col)
        text += "\t" + trimmed(m_grid->GetTextMatrix(0, col));
    text += "\n";
    // The number column leads every line, whatever columns are selected.
    const long first = std::min(m_grid->GetRow(), m_grid->GetRowSel());
    const long last = std::max(m_grid->GetRow(), m_grid->GetRowSel());
    for (long row = first; row <= last; ++row) {
        const int i = static_cast<int>(row);
        std::string line = i <= rows ? GridEditing::Format("%d", i) : trimmed(m_grid->GetTextMatrix(row, 0));
        for (long col = left; col <= right; ++col) {
            line += '\t';
            const Column* c = static_cast<size_t>(col - 1) < shown.size() ? &shown[static_cast<size_t>(col - 1)] : nullptr;
            if (i <= rows && c && c->stored >= 1 && c->stored <= m_result.GetCols())
                line += GridEditing::Format("%.6g", m_result(i, c->stored) * c->factor);
            else
                line += trimmed(m_grid->GetTextMatrix(row, col));
        }
        text += line + "\n";
    }
    return text;
}

void ResultTablePage::OnCopy()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(CopyText()));
}

// ---- exports -----------------------------------------------------------------------------

std::string ResultTablePage::ExportReport(bool excel) const
{
    const Export texts = MakeExport(excel);
    const Layout layout = MakeLayout();
    const int columns = layout.exportColumns;
    // Stored order, each value in the units of its heading, as the cells.
    std::vector<double> factors(static_cast<size_t>(columns) + 1, 1.0);
    for (int j = 1; j <= columns; ++j)
        factors[static_cast<size_t>(j)] = StoredFactor(layout, j);
    ReportFrame report(ReportFrame::kExportProgrammer, texts.description, texts.title);
    report.Append(texts.columnLine);
    const int rows = m_result.GetRows();
    for (int i = 1; i <= rows; ++i) {
        report.AppendFormat("%d", i);
        for (int j = 1; j <= columns; ++j)
            report.AppendFormat("\t%g", m_result.GetAt(i, j) * factors[static_cast<size_t>(j)]);
        report.Append("\n");
    }
    report.Append("\n");
    // The min and max lines are always written; without rows they have no
    // values.
    report.Append("min");
    for (int j = 1; rows >= 1 && j <= columns; ++j)
        report.Append("\t" + Extreme(m_min, j, factors[static_cast<size_t>(j)], "%g"));
    report.Append("\nmax");
    for (int j = 1; rows >= 1 && j <= columns; ++j)
        report.Append("\t" + Extreme(m_max, j, factors[static_cast<size_t>(j)], "%g"));
    report.Append("\n");
    return report.Text();
}

bool ResultTablePage::CanExport() const
{
    if (!m_geometry || (NeedsModelNodes() && m_geometry->m_nodeTable.GetRows() < m_result.GetRows())) {
        platform::MessageBox(kNoModelText, kErrorCaption, platform::MB_OK | platform::MB_ICONERROR);
        return false;
    }
    return true;
}

bool ResultTablePage::Publish(bool excel) const
{
    if (!CanExport())
        return false;
    const std::string path = ReportFrame::ChooseReportPath(MakeExport(excel).file);
    if (path.empty())
        return false;
    if (!ReportFrame::WriteFile(path, ExportReport(excel)))
        return false;
    ReportFrame::Open(path, excel ? ReportFrame::Spreadsheet : ReportFrame::WordProcessor);
    return true;
}

bool ResultTablePage::OnWord() { return Publish(false); }
bool ResultTablePage::OnExcel() { return Publish(true); }

bool ResultTablePage::OnCommand(int commandId)
{
    switch (commandId) {
    case ID_OUTPUT_WORD: OnWord(); return true;
    case ID_OUTPUT_EXCEL: OnExcel(); return true;
    case ID_EDIT_COPY: OnCopy(); return true;
    default: return false;
    }
}

QMenu* ResultTablePage::CreateContextMenu()
{
    QMenu* menu = MenuResource::CreatePopup("Output", this);
    if (menu) {
        // "Copy" first: the selection to the clipboard.
        auto* copy = new QAction(QStringLiteral("Copy"), menu);
        copy->setData(static_cast<int>(ID_EDIT_COPY));
        copy->setShortcut(QKeySequence::Copy);
        const QList<QAction*> actions = menu->actions();
        menu->insertAction(actions.isEmpty() ? nullptr : actions.first(), copy);
        if (!actions.isEmpty())
            menu->insertSeparator(actions.first());
    }
    return menu;
}

void ResultTablePage::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
