#include "tables/node/ResultTablePage.h"

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
    m_min.assign(static_cast<size_t>(cols), 0.0);
    m_max.assign(static_cast<size_t>(cols), 0.0);
    for (int j = 1; j <= cols; ++j) {
        m_min[static_cast<size_t>(j - 1)] = m_result.ColumnMin(j);
        m_max[static_cast<size_t>(j - 1)] = m_result.ColumnMax(j);
    }
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

    // The extremes stand under the stored column they come from, unconverted.
    m_grid->SetTextMatrix(rows + 2, 0, " min ");
    m_grid->SetTextMatrix(rows + 3, 0, " max ");
    const int extremes = std::min({layout.extremeColumns, static_cast<int>(m_min.size()), static_cast<int>(gridCols - 1)});
    for (int j = 1; j <= extremes; ++j) {
        m_grid->SetTextMatrix(rows + 2, j, GridEditing::Format("%.4g", m_min[static_cast<size_t>(j - 1)]));
        m_grid->SetTextMatrix(rows + 3, j, GridEditing::Format("%.4g", m_max[static_cast<size_t>(j - 1)]));
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
    const int columns = MakeLayout().exportColumns;
    ReportFrame report(ReportFrame::kExportProgrammer, texts.description, texts.title);
    report.Append(texts.columnLine);
    const int rows = m_result.GetRows();
    for (int i = 1; i <= rows; ++i) {
        report.AppendFormat("%d", i);
        for (int j = 1; j <= columns; ++j)
            report.AppendFormat("\t%g", m_result.GetAt(i, j));
        report.Append("\n");
    }
    report.Append("\n");
    if (rows >= 1) {
        report.Append("min");
        for (int j = 1; j <= columns; ++j)
            report.AppendFormat("\t%g", m_result.ColumnMin(j));
        report.Append("\nmax");
        for (int j = 1; j <= columns; ++j)
            report.AppendFormat("\t%g", m_result.ColumnMax(j));
        report.Append("\n");
    }
    return report.Text();
}

void ResultTablePage::Publish(bool excel) const
{
    const std::string path = ReportFrame::ChooseReportPath(MakeExport(excel).file);
    if (path.empty())
        return;
    if (!ReportFrame::WriteFile(path, ExportReport(excel)))
        return;
    ReportFrame::Open(path, excel ? ReportFrame::Spreadsheet : ReportFrame::WordProcessor);
}

void ResultTablePage::OnWord() { Publish(false); }
void ResultTablePage::OnExcel() { Publish(true); }

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
