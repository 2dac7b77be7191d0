#include "tables/GridEditing.h"

#include "tables/EditWnd.h"
#include "tables/MSFlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <utility>
#include <vector>

namespace {

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Runs with the C locale as the thread's locale for the lifetime.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_previous;
};

// Mouse button flags as a click leaves them behind as the last key code.
int ButtonFlags(const QMouseEvent* event, bool released)
{
    Qt::MouseButtons buttons = event->buttons();
    if (!released)
        buttons |= event->button();
    int flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= 0x1;
    if (buttons & Qt::RightButton)
        flags |= 0x2;
    if (buttons & Qt::MiddleButton)
        flags |= 0x10;
    if (event->modifiers() & Qt::ShiftModifier)
        flags |= 0x4;
    if (event->modifiers() & Qt::ControlModifier)
        flags |= 0x8;
    return flags;
}

} // namespace

GridEditing::Options GridEditing::PageOptions() { return Options(); }

GridEditing::Options GridEditing::BarOptions()
{
    Options options;
    options.kind = Bar;
    options.cursorMovesSelection = true;
    options.emptyText = SkipEmptyStore;
    options.editOnlyTableRows = true;
    return options;
}

GridEditing::GridEditing(CMSFlexGrid* grid, GridEditingClient* client, const Options& options, QObject* parent)
    : QObject(parent), m_grid(grid), m_client(client), m_options(options)
{
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    m_grid->horizontalHeader()->viewport()->installEventFilter(this);
    m_grid->verticalHeader()->viewport()->installEventFilter(this);
    connect(m_grid, &CMSFlexGrid::KeyPress, this, &GridEditing::OnKeyPress);
    connect(m_grid, &CMSFlexGrid::KeyDown, this, &GridEditing::OnKeyDown);
    connect(m_grid, &CMSFlexGrid::DblClick, this, [this] { OpenEditor(13); });
    connect(m_grid, &CMSFlexGrid::LeaveCell, this, [this] { Commit(); });
    connect(m_grid, &CMSFlexGrid::MouseDown, this, &GridEditing::OnMouseDown);
    connect(m_grid, &CMSFlexGrid::MouseUp, this, &GridEditing::OnMouseUp);
    connect(m_grid, &CMSFlexGrid::Scroll, this, [this] { m_client->RefillTable(); });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_client->ContextMenu(m_grid->viewport()->mapToGlobal(pos)); });
}

GridEditing::~GridEditing() { DestroyEditor(); }

void GridEditing::SetSelectionTarget(int* from, int* to, int* activeTable)
{
    m_selFrom = from;
    m_selTo = to;
    m_activeTable = activeTable;
}

// ---- editor -----------------------------------------------------------------

CEditWnd* GridEditing::CreateEditor(QWidget* parent)
{
    DestroyEditor();
    m_editor = new CEditWnd(parent);
    m_editor->SetFocusTarget(m_grid);
    m_editor->installEventFilter(this);
    return m_editor;
}

void GridEditing::DestroyEditor()
{
    if (m_editor) {
        m_editor->hide();
        delete m_editor.data();
    }
    m_editor = nullptr;
}

CEditWnd* GridEditing::Editor() const { return m_editor; }

// Shown by OpenEditor and not hidden since (the page itself may be hidden).
bool GridEditing::IsEditing() const { return m_editor && !m_editor->isHidden(); }

std::string GridEditing::InitialText(const std::string& cellText) const
{
    std::string text;
    if (m_client->EditorText(m_lastKey, cellText, text))
        return text;
    // A typed digit, "." or "-" starts the number, on a page as in a bar;
    // Enter and a double click on a page show the cell's text to change.
    const int key = m_lastKey;
    if ((key >= '0' && key <= '9') || key == '.' || key == '-')
        return std::string(1, static_cast<char>(key));
    if (m_options.kind == Page)
        return cellText;
    if (key == 1) // left button: a double click
        return cellText;
    return std::string();
}

bool GridEditing::OpenEditor(short /*keyAscii*/)
{
    if (!m_editor || m_grid->GetRows() <= 1)
        return false;
    if (m_options.editOnlyTableRows && m_grid->GetRow() > m_client->TableRowCount())
        return false;
    const std::string text = InitialText(m_grid->GetText());

    // The cell's rectangle comes in twips relative to the grid's client area.
    QWidget* parent = m_editor->parentWidget();
    const int frame = m_grid->frameWidth();
    const QPoint origin = parent ? m_grid->mapTo(parent, QPoint(frame, frame)) : QPoint(frame, frame);
    const QRect rect(origin.x() + m_grid->TwipsToPixelsX(m_grid->GetCellLeft()),
                     origin.y() + m_grid->TwipsToPixelsY(m_grid->GetCellTop()),
                     m_grid->TwipsToPixelsX(m_grid->GetCellWidth()),
                     m_grid->TwipsToPixelsY(m_grid->GetCellHeight()));
    m_editor->setGeometry(rect);
    m_editor->SetText(text);
    const int key = m_lastKey;
    m_typedStart = (key >= '0' && key <= '9') || key == '.' || key == '-';
    m_openedText = m_editor->GetText();
    if (m_options.kind == Page && !m_typedStart)
        m_editor->selectAll();
    else
        m_editor->end(false);
    m_editor->show();
    m_editor->raise();
    m_editor->setFocus(Qt::OtherFocusReason);
    // The key that opened the editor is spent on opening it: a typed
    // character has started the text (InitialText); otherwise a page shows
    // the cell's text selected, so what the user types next replaces it.
    return true;
}

bool GridEditing::Commit()
{
    if (!IsEditing())
        return false;
    const std::string text = m_editor->GetText();
    if (text.empty() && m_options.emptyText == IgnoreEmpty)
        return false;
    // Nothing typed, nothing stored: an editor closed as it opened would
    // only write back the cell's rounded text (or an empty cell as 0).
    const bool untouched = !m_typedStart && text == m_openedText;
    if (!untouched && !(text.empty() && m_options.emptyText == SkipEmptyStore))
        m_client->StoreCell(m_grid->GetRow(), m_grid->GetCol(), text);
    m_editor->setText(QString());
    m_editor->hide();
    m_client->AfterCommit();
    m_grid->setFocus(Qt::OtherFocusReason);
    return true;
}

void GridEditing::SelectAll()
{
    const int count = m_client->TableRowCount();
    if (m_selFrom)
        *m_selFrom = 1;
    if (m_selTo)
        *m_selTo = count;
    const long lastCol = m_options.selectAllColumn > 0 ? m_options.selectAllColumn : m_grid->GetCols() - 1;
    m_grid->SetRow(count);
    m_grid->SetCol(lastCol);
    m_grid->SetColSel(1);
    m_grid->SetRowSel(1);
    m_client->SelectionChanged();
}

// ---- events -----------------------------------------------------------------

void GridEditing::OnKeyPress(short* keyAscii)
{
    if (keyAscii)
        OpenEditor(*keyAscii);
}

void GridEditing::OnKeyDown(short* keyCode, short shift)
{
    if (keyCode && shift == 2 && *keyCode == 65)
        SelectAll();
}

void GridEditing::OnMouseDown(short button, short, long, long)
{
    if (button == 2)
        return;
    if (m_selFrom)
        *m_selFrom = m_grid->GetRowSel();
    if (m_activeTable && m_options.activeTableCode != 0)
        *m_activeTable = m_options.activeTableCode;
    m_client->MousePressed(button);
}

void GridEditing::OnMouseUp(short button, short, long, long y)
{
    if (button == 2 || !m_selFrom || !m_selTo)
        return;
    *m_selTo = m_grid->GetRowSel();
    if (*m_selTo < *m_selFrom) {
        if (m_options.orderDraggedRange)
            std::swap(*m_selFrom, *m_selTo);
        else
            *m_selTo = *m_selFrom;
    }
    // A click on the header row (the top 240 twips) selects the whole table.
    if (*m_selFrom == *m_selTo && y < m_grid->HeaderHeight()) {
        *m_selFrom = 1;
        *m_selTo = m_client->TableRowCount();
    }
    m_client->SelectionChanged();
}

bool GridEditing::PreTranslateKey(QObject* watched, QKeyEvent* event)
{
    const int key = CMSFlexGrid::VirtualKey(event->key());
    m_lastKey = key;
    const unsigned routed = m_options.routedKeys;
    const bool fromEditor = m_editor && watched == m_editor;

    const bool vertical = (key == 38 || key == 40) && (routed & RouteUpDown);
    const bool right = key == 39 && (routed & RouteRight);
    if (vertical || right) {
        const bool committed = Commit();
        if (m_options.cursorMovesSelection) {
            const int row = static_cast<int>(m_grid->GetRow()) + (key == 38 ? -1 : key == 40 ? 1 : 0);
            if (m_selFrom)
                *m_selFrom = row;
            if (m_selTo)
                *m_selTo = row;
        }
        if (key == 40 && m_grid->GetRow() == m_client->TableRowCount() &&
            ((m_options.append == AppendAfterCommit && committed) || m_options.append == AppendOnDown))
            m_client->AppendRow();
        if (m_options.cursorMovesSelection)
            m_client->SelectionChanged();
        if (fromEditor && committed) {
            // The key moves the grid's cursor on from the committed cell.
            QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
            m_forwarding = true;
            QApplication::sendEvent(m_grid, &copy);
            m_forwarding = false;
            return true;
        }
        return false;
    }
    if (key == 13 && (routed & RouteEnter)) {
        if (IsEditing())
            Commit();
        else
            OpenEditor(13);
        return true;
    }
    if (key == 46 && (routed & RouteDelete) && !fromEditor) {
        m_client->DeleteRows();
        return true;
    }
    // A typed character is what the key press hands on.
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() < 256)
        m_lastKey = text.at(0).unicode();
    return false;
}

bool GridEditing::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!m_forwarding && (watched == m_grid || (m_editor && watched == m_editor)))
            return PreTranslateKey(watched, static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_lastKey = ButtonFlags(static_cast<QMouseEvent*>(event), false);
        break;
    case QEvent::MouseButtonRelease:
        m_lastKey = ButtonFlags(static_cast<QMouseEvent*>(event), true);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// ---- windowed fill ------------------------------------------------------------

GridEditing::Window GridEditing::FillWindow(int scrollPos, long rowCount, int half, int visibleRows)
{
    Window window;
    window.first = scrollPos - half > 1 ? scrollPos - half : 1;
    const long reach = static_cast<long>(scrollPos) + (half > visibleRows ? half : visibleRows);
    window.last = reach < rowCount ? reach : rowCount;
    return window;
}

GridEditing::Window GridEditing::CurrentWindow(long rowCount, int half) const
{
    return FillWindow(m_grid->GetScrollPos(), rowCount, half, m_grid->VisibleRowCount());
}

void GridEditing::FillRows(long rowCount, const std::function<void(long)>& fill, int half) const
{
    const Window window = CurrentWindow(rowCount, half);
    for (long row = window.first; row <= window.last; ++row)
        fill(row);
}

// ---- numbers ------------------------------------------------------------------

double GridEditing::ParseNumber(const std::string& text)
{
    return strtod_l(text.c_str(), nullptr, CLocale());
}

long GridEditing::ParseInteger(const std::string& text)
{
    CLocaleScope scope;
    return std::atoi(text.c_str());
}

std::string GridEditing::Format(const char* format, ...)
{
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (size > 0) {
        std::vector<char> buffer(static_cast<size_t>(size) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(size));
    }
    va_end(args);
    return text;
}

double GridEditing::ShowNumber(CMSFlexGrid& grid, long row, long col, const std::string& typed, const char* format)
{
    const std::string shown = Format(format, ParseNumber(typed));
    grid.SetTextMatrix(row, col, shown);
    return ParseNumber(shown);
}
