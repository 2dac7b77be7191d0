// The table grid every page and bar shows its data in: a QTableWidget that
// speaks in the terms the tables use. Row 0 is the fixed header row (drawn
// by the horizontal header), column 0 the fixed row-number column (drawn by
// the vertical header); data cell (r, c) with r, c >= 1 is table item
// (r - 1, c - 1). Row/Col is the current cell, RowSel/ColSel the far corner
// of the selected block. Geometry is in twips (1/1440 inch), converted with
// the screen's logical pixels per inch.
//
// Events reach the owner as signals: KeyDown (virtual-key code, shift
// state 1 Shift, 2 Ctrl, 4 Alt), KeyPress (character code), DblClick,
// MouseDown/MouseUp (button 1 left, 2 right, 4 middle; x, y in pixels of the
// grid's client area, the header row at the top), LeaveCell (before the
// current cell changes through the user), Scroll and SelChange. A handler
// may set the key code to 0 to cancel the grid's own handling.
#pragma once
#include <QTableWidget>
#include <functional>
#include <map>
#include <set>
#include <string>

class CMSFlexGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);
    ~CMSFlexGrid() override;

    // Shape. Counts include the header row and the row-number column.
    void SetRows(long rows);
    long GetRows() const;
    void SetCols(long cols);
    long GetCols() const;
    long GetFixedRows() const { return 1; }
    long GetFixedCols() const { return 1; }

    // Empties every cell's text; the counts stay.
    void Clear();

    // Any cell's text, visible or not. Out-of-range cells are ignored / "".
    void SetTextMatrix(long row, long col, const std::string& text);
    std::string GetTextMatrix(long row, long col) const;
    // Text of the current cell (Row, Col).
    std::string GetText() const;
    void SetText(const std::string& text);

    // Current cell and the far corner of the selected block.
    long GetRow() const { return m_row; }
    void SetRow(long row);
    long GetCol() const { return m_col; }
    void SetCol(long col);
    long GetRowSel() const { return m_rowSel; }
    void SetRowSel(long row);
    long GetColSel() const { return m_colSel; }
    void SetColSel(long col);

    // First data row / column shown at the top / left.
    long GetTopRow() const;
    void SetTopRow(long row);
    long GetLeftCol() const;
    // The vertical scroll position: rows scrolled past (0 at the top).
    int GetScrollPos() const;
    // Data rows the viewport has room for, a partly shown last row
    // included. A fill covers at least GetScrollPos() + 1 .. that many
    // rows on, so no row in view is left blank; when the viewport grows
    // the grid emits Scroll so that its owner fills the new rows.
    int VisibleRowCount() const;

    // Tooltip of header cell (0, col), kept when the texts are cleared.
    void SetHeaderToolTip(long col, const std::string& text);
    std::string GetHeaderToolTip(long col) const;

    // The selected block (Row..RowSel, Col..ColSel in order) as
    // tab-separated lines, one per row; text(row, col) gives each cell.
    std::string SelectionText(const std::function<std::string(long, long)>& text) const;

    // Rectangle of the current cell relative to the client area, in twips.
    long GetCellLeft() const;
    long GetCellTop() const;
    long GetCellWidth() const;
    long GetCellHeight() const;
    // The same in pixels, relative to the grid widget.
    QRect CellRect(long row, long col) const;

    // Column width asked for by the table. Columns are widened to their
    // content (the header and the filled cells) when the event loop next
    // runs, never narrowed below this width; a column the user has
    // resized keeps the user's width.
    void SetColWidth(long col, long twips);
    // Widens every column not resized by the user to its content now.
    void FitColumnsToContents();
    bool IsUserSized(long col) const { return m_userSized.count(col) != 0; }
    // Width the table last asked for data column `column` (0-based, as
    // columnWidth), in pixels; the current width when it asked none.
    int AskedColumnWidth(int column) const
    {
        const auto it = m_askedWidth.find(column + 1);
        return it != m_askedWidth.end() ? it->second : columnWidth(column);
    }
    long GetColWidth(long col) const;
    long GetRowHeight(long row) const;
    // Height of the header row in pixels (240 twips unless the font needs more).
    int HeaderHeight() const;

    // Twips <-> pixels with this screen's logical density (integer division).
    int TwipsToPixelsX(long twips) const;
    int TwipsToPixelsY(long twips) const;
    long PixelsToTwipsX(int pixels) const;
    long PixelsToTwipsY(int pixels) const;
    static int TwipsToPixels(long twips, int pixelsPerInch) { return static_cast<int>(twips * pixelsPerInch / 1440); }
    static long PixelsToTwips(int pixels, int pixelsPerInch)
    {
        return pixelsPerInch > 0 ? static_cast<long>(pixels) * 1440 / pixelsPerInch : 0;
    }

    // Virtual-key code of a Qt key (arrows 37..40, Enter 13, Escape 27,
    // Delete 46, letters 65..90, digits 48..57, ...); 0 when none.
    static int VirtualKey(int qtKey);
    // Shift state of Qt modifiers: 1 Shift, 2 Ctrl, 4 Alt.
    static int ShiftState(Qt::KeyboardModifiers modifiers);

signals:
    void KeyDown(short* keyCode, short shift);
    void KeyPress(short* keyAscii);
    void DblClick();
    void MouseDown(short button, short shift, long x, long y);
    void MouseUp(short button, short shift, long x, long y);
    void LeaveCell();
    void Scroll();
    void SelChange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A fit of the column widths when the event loop next runs.
    void ScheduleFit();
    // Whether a press at pos of the column header grabs a section border.
    bool OnSectionBorder(const QPoint& pos) const;
    // Moves the current cell through the user (LeaveCell first) and
    // collapses the block onto it.
    void MoveCurrent(long row, long col);
    void Extend(long rowSel, long colSel);
    void SyncSelection();
    void Navigate(int keyCode, int shift);
    void EnsureVisible(long row, long col);
    QPoint ClientPoint(QWidget* from, const QPoint& pos) const;
    bool HeaderMouse(QHeaderView* header, QMouseEvent* event);
    long ClampRow(long row) const;
    long ClampCol(long col) const;
    int VisibleRows() const;

    long m_row = 1;
    long m_col = 1;
    long m_rowSel = 1;
    long m_colSel = 1;
    bool m_dragging = false;
    std::string m_corner;        // text of cell (0, 0)
    std::set<long> m_filledRows; // data rows holding texts (cleared by Clear)
    std::map<long, std::string> m_headerTips; // col -> header tooltip
    std::map<long, int> m_askedWidth;         // col -> width the table asked for, pixels
    std::set<long> m_userSized;               // columns the user resized
    bool m_fitPending = false;
    bool m_userResizing = false;
    int m_shownRows = 0;                      // VisibleRowCount() at the last resize
};
