#include "tables/MSFlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QHelpEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <vector>

namespace {

// Header that draws the grid's own fixed-cell texts: a section without a
// text stays blank instead of showing Qt's default section number.
class FixedCellHeader : public QHeaderView {
public:
    FixedCellHeader(Qt::Orientation orientation, CMSFlexGrid* grid)
        : QHeaderView(orientation, grid), m_grid(grid)
    {
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override
    {
        if (!rect.isValid())
            return;
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = logicalIndex;
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.position = QStyleOptionHeader::Middle;
        option.selectedPosition = QStyleOptionHeader::NotAdjacent;
        const std::string text = orientation() == Qt::Horizontal
                                     ? m_grid->GetTextMatrix(0, logicalIndex + 1)
                                     : m_grid->GetTextMatrix(logicalIndex + 1, 0);
        option.text = QString::fromStdString(text);
        painter->save();
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
        painter->restore();
    }

private:
    CMSFlexGrid* m_grid;
};

Qt::ItemFlags CellFlags() { return Qt::ItemIsEnabled | Qt::ItemIsSelectable; }

} // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableWidget(parent)
{
    setHorizontalHeader(new FixedCellHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedCellHeader(Qt::Vertical, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setFocusPolicy(Qt::StrongFocus);

    const int rowHeight = HeaderHeight();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setFixedHeight(rowHeight);
    horizontalHeader()->setDefaultSectionSize(TwipsToPixelsX(960));
    verticalHeader()->setFixedWidth(TwipsToPixelsX(960));
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);

    // The user widens a column by dragging its border in the header (or
    // double-clicks the border to fit it); such a column keeps its width.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int) {
        if (m_userResizing)
            m_userSized.insert(logical + 1);
    });
    connect(horizontalHeader(), &QHeaderView::sectionHandleDoubleClicked, this,
            [this](int logical) { m_userSized.insert(logical + 1); });

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });

    // A FlexGrid starts with 2 rows and 2 columns.
    SetRows(2);
    SetCols(2);
}

CMSFlexGrid::~CMSFlexGrid() = default;

// ---- shape and texts ------------------------------------------------------

void CMSFlexGrid::SetRows(long rows)
{
    if (rows < 1)
        rows = 1;
    if (rows == GetRows())
        return;
    setRowCount(static_cast<int>(rows - 1));
    m_filledRows.erase(m_filledRows.lower_bound(rows), m_filledRows.end());
    const long row = ClampRow(m_row), rowSel = ClampRow(m_rowSel);
    const bool changed = row != m_row || rowSel != m_rowSel;
    m_row = row;
    m_rowSel = rowSel;
    SyncSelection();
    if (changed)
        emit SelChange();
}

long CMSFlexGrid::GetRows() const { return rowCount() + 1; }

void CMSFlexGrid::SetCols(long cols)
{
    if (cols < 1)
        cols = 1;
    if (cols == GetCols())
        return;
    const int rows = rowCount();
    if (rows <= 256) {
        setColumnCount(static_cast<int>(cols - 1));
    } else {
        // Qt inserts a column row by row into one vector (quadratic in the
        // row count): rebuild the rows around the new column count instead,
        // keeping the texts and the scroll position.
        const long kept = std::min(cols, GetCols());
        std::vector<std::pair<long, std::vector<std::string>>> saved;
        saved.reserve(m_filledRows.size());
        for (long row : m_filledRows) {
            std::vector<std::string> texts;
            for (long col = 0; col < kept; ++col)
                texts.push_back(GetTextMatrix(row, col));
            saved.push_back({row, std::move(texts)});
        }
        const QSignalBlocker blockVertical(verticalScrollBar());
        const QSignalBlocker blockHorizontal(horizontalScrollBar());
        const int position = verticalScrollBar()->value();
        setRowCount(0);
        setColumnCount(static_cast<int>(cols - 1));
        setRowCount(rows);
        m_filledRows.clear();
        for (const auto& [row, texts] : saved)
            for (long col = 0; col < static_cast<long>(texts.size()); ++col)
                if (!texts[static_cast<size_t>(col)].empty())
                    SetTextMatrix(row, col, texts[static_cast<size_t>(col)]);
        updateGeometries();
        verticalScrollBar()->setValue(position);
    }
    const long col = ClampCol(m_col), colSel = ClampCol(m_colSel);
    const bool changed = col != m_col || colSel != m_colSel;
    m_col = col;
    m_colSel = colSel;
    SyncSelection();
    if (changed)
        emit SelChange();
}

long CMSFlexGrid::GetCols() const { return columnCount() + 1; }

void CMSFlexGrid::Clear()
{
    // Only rows that were ever written hold items: a long table filled
    // around its scroll position clears in time proportional to that window.
    const int cols = columnCount();
    for (long row : m_filledRows) {
        const int r = static_cast<int>(row - 1);
        for (int c = 0; c < cols; ++c)
            delete takeItem(r, c);
        delete takeVerticalHeaderItem(r);
    }
    m_filledRows.clear();
    for (int c = 0; c < cols; ++c)
        delete takeHorizontalHeaderItem(c);
    m_corner.clear();
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void CMSFlexGrid::SetTextMatrix(long row, long col, const std::string& text)
{
    if (row < 0 || col < 0 || row >= GetRows() || col >= GetCols())
        return;
    const QString value = QString::fromStdString(text);
    ScheduleFit();
    if (row == 0 && col == 0) {
        m_corner = text;
        return;
    }
    if (row == 0) {
        QTableWidgetItem* item = horizontalHeaderItem(static_cast<int>(col - 1));
        if (!item) {
            item = new QTableWidgetItem(value);
            setHorizontalHeaderItem(static_cast<int>(col - 1), item);
        } else {
            item->setText(value);
        }
        return;
    }
    m_filledRows.insert(row);
    if (col == 0) {
        QTableWidgetItem* item = verticalHeaderItem(static_cast<int>(row - 1));
        if (!item) {
            item = new QTableWidgetItem(value);
            setVerticalHeaderItem(static_cast<int>(row - 1), item);
        } else {
            item->setText(value);
        }
        return;
    }
    QTableWidgetItem* cell = item(static_cast<int>(row - 1), static_cast<int>(col - 1));
    if (!cell) {
        cell = new QTableWidgetItem(value);
        cell->setFlags(CellFlags());
        setItem(static_cast<int>(row - 1), static_cast<int>(col - 1), cell);
    } else {
        cell->setText(value);
    }
}

std::string CMSFlexGrid::GetTextMatrix(long row, long col) const
{
    if (row < 0 || col < 0 || row >= GetRows() || col >= GetCols())
        return std::string();
    const QTableWidgetItem* found = nullptr;
    if (row == 0 && col == 0)
        return m_corner;
    if (row == 0)
        found = horizontalHeaderItem(static_cast<int>(col - 1));
    else if (col == 0)
        found = verticalHeaderItem(static_cast<int>(row - 1));
    else
        found = item(static_cast<int>(row - 1), static_cast<int>(col - 1));
    return found ? found->text().toStdString() : std::string();
}

std::string CMSFlexGrid::GetText() const { return GetTextMatrix(m_row, m_col); }

void CMSFlexGrid::SetText(const std::string& text) { SetTextMatrix(m_row, m_col, text); }

// ---- current cell and selection -------------------------------------------

long CMSFlexGrid::ClampRow(long row) const
{
    const long last = GetRows() - 1;
    if (last < 1)
        return 1;
    return row < 1 ? 1 : (row > last ? last : row);
}

long CMSFlexGrid::ClampCol(long col) const
{
    const long last = GetCols() - 1;
    if (last < 1)
        return 1;
    return col < 1 ? 1 : (col > last ? last : col);
}

void CMSFlexGrid::SyncSelection()
{
    QItemSelectionModel* model = selectionModel();
    if (!model)
        return;
    if (rowCount() == 0 || columnCount() == 0) {
        model->clear();
        return;
    }
    const QModelIndex current = this->model()->index(static_cast<int>(m_row - 1), static_cast<int>(m_col - 1));
    const int r1 = static_cast<int>(std::min(m_row, m_rowSel) - 1), r2 = static_cast<int>(std::max(m_row, m_rowSel) - 1);
    const int c1 = static_cast<int>(std::min(m_col, m_colSel) - 1), c2 = static_cast<int>(std::max(m_col, m_colSel) - 1);
    model->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    model->select(QItemSelection(this->model()->index(r1, c1), this->model()->index(r2, c2)),
                  QItemSelectionModel::ClearAndSelect);
}

void CMSFlexGrid::SetRow(long row)
{
    if (row < 1 || row >= GetRows())
        return;
    const bool changed = row != m_row || m_rowSel != row;
    m_row = row;
    m_rowSel = row;
    SyncSelection();
    if (changed)
        emit SelChange();
}

void CMSFlexGrid::SetCol(long col)
{
    if (col < 1 || col >= GetCols())
        return;
    const bool changed = col != m_col || m_colSel != col;
    m_col = col;
    m_colSel = col;
    SyncSelection();
    if (changed)
        emit SelChange();
}

void CMSFlexGrid::SetRowSel(long row)
{
    if (row < 1 || row >= GetRows() || row == m_rowSel)
        return;
    m_rowSel = row;
    SyncSelection();
    emit SelChange();
}

void CMSFlexGrid::SetColSel(long col)
{
    if (col < 1 || col >= GetCols() || col == m_colSel)
        return;
    m_colSel = col;
    SyncSelection();
    emit SelChange();
}

void CMSFlexGrid::MoveCurrent(long row, long col)
{
    row = ClampRow(row);
    col = ClampCol(col);
    if (row != m_row || col != m_col)
        emit LeaveCell();
    const bool changed = row != m_row || col != m_col || m_rowSel != row || m_colSel != col;
    m_row = row;
    m_col = col;
    m_rowSel = row;
    m_colSel = col;
    SyncSelection();
    if (changed)
        emit SelChange();
}

void CMSFlexGrid::Extend(long rowSel, long colSel)
{
    rowSel = ClampRow(rowSel);
    colSel = ClampCol(colSel);
    if (rowSel == m_rowSel && colSel == m_colSel)
        return;
    m_rowSel = rowSel;
    m_colSel = colSel;
    SyncSelection();
    emit SelChange();
}

// ---- scrolling --------------------------------------------------------------

long CMSFlexGrid::GetTopRow() const { return verticalScrollBar()->value() + 1; }

void CMSFlexGrid::SetTopRow(long row)
{
    const_cast<CMSFlexGrid*>(this)->updateGeometries();
    verticalScrollBar()->setValue(static_cast<int>(row - 1));
}

long CMSFlexGrid::GetLeftCol() const { return horizontalScrollBar()->value() + 1; }

int CMSFlexGrid::GetScrollPos() const { return verticalScrollBar()->value(); }

int CMSFlexGrid::VisibleRowCount() const
{
    const int height = rowCount() > 0 && rowHeight(0) > 0 ? rowHeight(0) : HeaderHeight();
    return viewport()->height() / (height > 0 ? height : 1) + 1;
}

void CMSFlexGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    const int shown = VisibleRowCount();
    const bool more = shown > m_shownRows;
    m_shownRows = shown;
    // Rows that came into view are filled by the owner, as after a scroll.
    if (more && rowCount() > 0)
        emit Scroll();
}

int CMSFlexGrid::VisibleRows() const
{
    const int height = rowHeight(0) > 0 ? rowHeight(0) : HeaderHeight();
    const int rows = viewport()->height() / (height > 0 ? height : 1);
    return rows > 1 ? rows : 1;
}

void CMSFlexGrid::EnsureVisible(long row, long col)
{
    if (rowCount() == 0 || columnCount() == 0)
        return;
    updateGeometries();
    scrollTo(model()->index(static_cast<int>(row - 1), static_cast<int>(col - 1)));
}

// ---- geometry ---------------------------------------------------------------

int CMSFlexGrid::TwipsToPixelsX(long twips) const { return TwipsToPixels(twips, logicalDpiX()); }
int CMSFlexGrid::TwipsToPixelsY(long twips) const { return TwipsToPixels(twips, logicalDpiY()); }
long CMSFlexGrid::PixelsToTwipsX(int pixels) const { return PixelsToTwips(pixels, logicalDpiX()); }
long CMSFlexGrid::PixelsToTwipsY(int pixels) const { return PixelsToTwips(pixels, logicalDpiY()); }

int CMSFlexGrid::HeaderHeight() const
{
    const int standard = TwipsToPixelsY(240);
    const int needed = fontMetrics().height() + 2;
    return standard > needed ? standard : needed;
}

QRect CMSFlexGrid::CellRect(long row, long col) const
{
    const QPoint origin = viewport()->geometry().topLeft();
    int x = 0, y = 0, w = 0, h = 0;
    if (col == 0) {
        x = verticalHeader()->geometry().left();
        w = verticalHeader()->width();
    } else {
        x = origin.x() + columnViewportPosition(static_cast<int>(col - 1));
        w = columnWidth(static_cast<int>(col - 1));
    }
    if (row == 0) {
        y = horizontalHeader()->geometry().top();
        h = horizontalHeader()->height();
    } else {
        y = origin.y() + rowViewportPosition(static_cast<int>(row - 1));
        h = rowHeight(static_cast<int>(row - 1));
    }
    return QRect(x, y, w, h);
}

long CMSFlexGrid::GetCellLeft() const { return PixelsToTwipsX(CellRect(m_row, m_col).left() - frameWidth()); }
long CMSFlexGrid::GetCellTop() const { return PixelsToTwipsY(CellRect(m_row, m_col).top() - frameWidth()); }
long CMSFlexGrid::GetCellWidth() const { return PixelsToTwipsX(CellRect(m_row, m_col).width()); }
long CMSFlexGrid::GetCellHeight() const { return PixelsToTwipsY(CellRect(m_row, m_col).height()); }

void CMSFlexGrid::SetColWidth(long col, long twips)
{
    if (col < 0 || col >= GetCols())
        return;
    const int pixels = TwipsToPixelsX(twips);
    // The same width asked again (a refill) keeps a column widened to its
    // content; the user's width stays.
    const auto asked = m_askedWidth.find(col);
    const bool again = asked != m_askedWidth.end() && asked->second == pixels;
    m_askedWidth[col] = pixels;
    if (col == 0) {
        if (!again || verticalHeader()->width() < pixels)
            verticalHeader()->setFixedWidth(pixels);
    } else if (!IsUserSized(col)) {
        if (!again || columnWidth(static_cast<int>(col - 1)) < pixels)
            setColumnWidth(static_cast<int>(col - 1), pixels);
    }
    ScheduleFit();
}

void CMSFlexGrid::ScheduleFit()
{
    if (m_fitPending)
        return;
    m_fitPending = true;
    QTimer::singleShot(0, this, [this] { FitColumnsToContents(); });
}

void CMSFlexGrid::FitColumnsToContents()
{
    m_fitPending = false;
    const QFontMetrics metrics(font());
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    // The rows around the view are the ones filled; a long table filled
    // whole is measured there too.
    const long first = std::max(1L, GetTopRow() - 64);
    const long last = GetTopRow() + VisibleRowCount() + 64;
    auto from = m_filledRows.lower_bound(first);
    const auto to = m_filledRows.upper_bound(last);
    std::vector<int> needed(static_cast<size_t>(GetCols()), 0);
    for (long col = 0; col < GetCols(); ++col)
        needed[static_cast<size_t>(col)] =
            headerMetrics.horizontalAdvance(QString::fromStdString(GetTextMatrix(0, col))) + padding;
    for (auto it = from; it != to; ++it)
        for (long col = 0; col < GetCols(); ++col) {
            const QTableWidgetItem* cell = col == 0 ? verticalHeaderItem(static_cast<int>(*it - 1))
                                                    : item(static_cast<int>(*it - 1), static_cast<int>(col - 1));
            if (cell) {
                const QFontMetrics& m = col == 0 ? headerMetrics : metrics;
                needed[static_cast<size_t>(col)] =
                    std::max(needed[static_cast<size_t>(col)], m.horizontalAdvance(cell->text()) + padding);
            }
        }
    // Only ever wider: the table's own width is the least.
    if (needed[0] > verticalHeader()->width())
        verticalHeader()->setFixedWidth(needed[0]);
    for (long col = 1; col < GetCols(); ++col) {
        const int c = static_cast<int>(col - 1);
        if (!IsUserSized(col) && needed[static_cast<size_t>(col)] > columnWidth(c))
            setColumnWidth(c, needed[static_cast<size_t>(col)]);
    }
}

void CMSFlexGrid::SetHeaderToolTip(long col, const std::string& text)
{
    if (text.empty())
        m_headerTips.erase(col);
    else
        m_headerTips[col] = text;
}

std::string CMSFlexGrid::GetHeaderToolTip(long col) const
{
    const auto it = m_headerTips.find(col);
    return it == m_headerTips.end() ? std::string() : it->second;
}

std::string CMSFlexGrid::SelectionText(const std::function<std::string(long, long)>& text) const
{
    const long top = std::min(m_row, m_rowSel), bottom = std::max(m_row, m_rowSel);
    const long left = std::min(m_col, m_colSel), right = std::max(m_col, m_colSel);
    std::string out;
    for (long row = top; row <= bottom; ++row) {
        for (long col = left; col <= right; ++col) {
            if (col > left)
                out += '\t';
            out += text(row, col);
        }
        out += '\n';
    }
    return out;
}

bool CMSFlexGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        // A cell's tooltip is its whole text, however narrow the column.
        auto* help = static_cast<QHelpEvent*>(event);
        const QTableWidgetItem* cell = itemAt(help->pos());
        if (cell && !cell->text().trimmed().isEmpty())
            QToolTip::showText(help->globalPos(), cell->text().trimmed(), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

bool CMSFlexGrid::OnSectionBorder(const QPoint& pos) const
{
    const QHeaderView* header = horizontalHeader();
    const int margin = std::max(3, style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header));
    for (int x : {pos.x() - margin, pos.x() + margin}) {
        const int section = header->logicalIndexAt(x);
        if (section < 0)
            continue;
        const int border = header->sectionViewportPosition(section) + header->sectionSize(section);
        if (std::abs(pos.x() - border) <= margin)
            return true;
    }
    return false;
}

long CMSFlexGrid::GetColWidth(long col) const
{
    if (col < 0 || col >= GetCols())
        return 0;
    if (col == 0)
        return PixelsToTwipsX(verticalHeader()->width());
    return PixelsToTwipsX(columnWidth(static_cast<int>(col - 1)));
}

long CMSFlexGrid::GetRowHeight(long row) const
{
    if (row < 0 || row >= GetRows())
        return 0;
    if (row == 0)
        return PixelsToTwipsY(horizontalHeader()->height());
    return PixelsToTwipsY(rowHeight(static_cast<int>(row - 1)));
}

// ---- keys -------------------------------------------------------------------

int CMSFlexGrid::VirtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey; // 'A'..'Z'
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return qtKey; // '0'..'9'
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Period: return 190;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Plus: return 187;
    default: return qtKey > 0 && qtKey < 256 ? qtKey : 0;
    }
}

int CMSFlexGrid::ShiftState(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

void CMSFlexGrid::Navigate(int keyCode, int shift)
{
    const bool extend = (shift & 1) != 0;
    const bool control = (shift & 2) != 0;
    long row = extend ? m_rowSel : m_row;
    long col = extend ? m_colSel : m_col;
    const long page = VisibleRows();
    switch (keyCode) {
    case 38: row -= 1; break;
    case 40: row += 1; break;
    case 37: col -= 1; break;
    case 39: col += 1; break;
    case 33: row -= page; break;
    case 34: row += page; break;
    case 36:
        col = 1;
        if (control)
            row = 1;
        break;
    case 35:
        col = GetCols() - 1;
        if (control)
            row = GetRows() - 1;
        break;
    default: return;
    }
    if (rowCount() == 0 || columnCount() == 0)
        return;
    if (extend)
        Extend(row, col);
    else
        MoveCurrent(row, col);
    EnsureVisible(extend ? m_rowSel : m_row, extend ? m_colSel : m_col);
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event)
{
    const short pressed = static_cast<short>(VirtualKey(event->key()));
    short code = pressed;
    const short shift = static_cast<short>(ShiftState(event->modifiers()));
    emit KeyDown(&code, shift);
    if (code == 0 && pressed != 0) {
        event->accept();
        return;
    }
    switch (code) {
    case 33: case 34: case 35: case 36: case 37: case 38: case 39: case 40:
        Navigate(code, shift);
        event->accept();
        return;
    case 9:  // focus moves on
    case 27: // the dialog's Cancel
        event->ignore();
        return;
    default:
        break;
    }
    // Characters: printable ones, Backspace and Enter reach KeyPress; a
    // Ctrl shortcut is no character.
    const QString text = event->text();
    short character = 0;
    if ((shift & 6) == 2)
        character = 0;
    else if (code == 13)
        character = 13;
    else if (code == 8)
        character = 8;
    else if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() < 256 &&
             text.at(0).unicode() != 127)
        character = static_cast<short>(text.at(0).unicode());
    if (character != 0)
        emit KeyPress(&character);
    event->accept();
}

// ---- mouse ------------------------------------------------------------------

QPoint CMSFlexGrid::ClientPoint(QWidget* from, const QPoint& pos) const
{
    return from->mapTo(const_cast<CMSFlexGrid*>(this), pos) - QPoint(frameWidth(), frameWidth());
}

namespace {
short ButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}
} // namespace

void CMSFlexGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    const short shift = static_cast<short>(ShiftState(event->modifiers()));
    const QModelIndex index = indexAt(pos);
    if (index.isValid() && event->button() != Qt::RightButton) {
        if (shift & 1) {
            Extend(index.row() + 1, index.column() + 1);
        } else {
            MoveCurrent(index.row() + 1, index.column() + 1);
        }
        m_dragging = event->button() == Qt::LeftButton;
    }
    const QPoint client = ClientPoint(viewport(), pos);
    emit MouseDown(ButtonCode(event->button()), shift, client.x(), client.y());
    event->accept();
}

void CMSFlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    QPoint pos = event->position().toPoint();
    const QRect area = viewport()->rect();
    // Dragging past an edge scrolls one row or column on.
    if (pos.y() >= area.bottom())
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    else if (pos.y() < 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    pos.setX(std::max(area.left(), std::min(pos.x(), area.right() - 1)));
    pos.setY(std::max(area.top(), std::min(pos.y(), area.bottom() - 1)));
    const QModelIndex index = indexAt(pos);
    if (index.isValid())
        Extend(index.row() + 1, index.column() + 1);
}

void CMSFlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    const QPoint client = ClientPoint(viewport(), event->position().toPoint());
    emit MouseUp(ButtonCode(event->button()), static_cast<short>(ShiftState(event->modifiers())), client.x(),
                 client.y());
    event->accept();
}

void CMSFlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        // The second click lands on the cell it opens.
        if (index.row() + 1 != m_row || index.column() + 1 != m_col)
            MoveCurrent(index.row() + 1, index.column() + 1);
        emit DblClick();
    }
    event->accept();
}

// Clicks on the fixed cells: the header row selects a whole column, the
// row-number column a whole row; the events carry client coordinates.
bool CMSFlexGrid::HeaderMouse(QHeaderView* header, QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    // A press on a column border resizes the column (the header's own
    // handling); the release ends it.
    if (header == horizontalHeader()) {
        if (m_userResizing) {
            if (event->type() == QEvent::MouseButtonRelease)
                m_userResizing = false;
            return false;
        }
        if (event->button() == Qt::LeftButton && OnSectionBorder(pos)) {
            m_userResizing = event->type() == QEvent::MouseButtonPress;
            return false;
        }
    }
    const QPoint client = ClientPoint(header->viewport(), pos);
    const short shift = static_cast<short>(ShiftState(event->modifiers()));
    const short button = ButtonCode(event->button());
    if (event->type() == QEvent::MouseButtonPress) {
        setFocus(Qt::MouseFocusReason);
        const int section = header->logicalIndexAt(pos);
        if (section >= 0 && event->button() != Qt::RightButton) {
            if (header->orientation() == Qt::Horizontal) {
                MoveCurrent(1, section + 1);
                Extend(GetRows() - 1, section + 1);
            } else {
                MoveCurrent(section + 1, 1);
                Extend(section + 1, GetCols() - 1);
            }
        }
        emit MouseDown(button, shift, client.x(), client.y());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        emit MouseUp(button, shift, client.x(), client.y());
        return true;
    }
    return event->type() == QEvent::MouseButtonDblClick;
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ToolTip &&
        (watched == horizontalHeader()->viewport() || watched == verticalHeader()->viewport())) {
        // Header cells: their tooltip, else their whole text.
        auto* help = static_cast<QHelpEvent*>(event);
        const bool columns = watched == horizontalHeader()->viewport();
        QHeaderView* header = columns ? horizontalHeader() : verticalHeader();
        const int section = header->logicalIndexAt(help->pos());
        std::string tip;
        if (section >= 0) {
            tip = columns ? GetHeaderToolTip(section + 1) : std::string();
            if (tip.empty())
                tip = columns ? GetTextMatrix(0, section + 1) : GetTextMatrix(section + 1, 0);
        }
        const QString text = QString::fromStdString(tip).trimmed();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, header->viewport());
        return true;
    }
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseButtonDblClick) {
        if (watched == horizontalHeader()->viewport())
            return HeaderMouse(horizontalHeader(), static_cast<QMouseEvent*>(event));
        if (watched == verticalHeader()->viewport())
            return HeaderMouse(verticalHeader(), static_cast<QMouseEvent*>(event));
    }
    return QTableWidget::eventFilter(watched, event);
}
