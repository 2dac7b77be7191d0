// The editing and selection protocol every editable table shares: opening
// the in-place editor over the current cell, committing its text, routing
// Up/Down/Right/Enter/Delete before the grid sees them, the selection range
// kept in the model view (mouse press/release, a click on the header row,
// Ctrl+A), and the windowed fill of long tables. A page or bar owns one
// GridEditing for its grid and implements GridEditingClient for what is its
// own: its row count, how a cell is stored, delete, append and refill.
#pragma once
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <string>

class CEditWnd;
class CMSFlexGrid;
class QKeyEvent;
class QWidget;

class GridEditingClient {
public:
    virtual ~GridEditingClient() = default;
    // Rows of the table behind the grid (grid rows 1..n).
    virtual int TableRowCount() const = 0;
    // Stores the edited text of cell (row, col): parse, format into the
    // cell, convert and store in the model.
    virtual void StoreCell(long row, long col, const std::string& text) = 0;
    // After every commit (the editor is already hidden): redraw the model.
    virtual void AfterCommit() {}
    // The Delete key.
    virtual void DeleteRows() {}
    // Down on the last row (see Options::append).
    virtual void AppendRow() {}
    // The grid scrolled: fill the rows around the new position.
    virtual void RefillTable() {}
    // The selection range changed through the mouse, Ctrl+A or the cursor.
    virtual void SelectionChanged() {}
    // A mouse press (not the right button) after the range start was set.
    virtual void MousePressed(short /*button*/) {}
    // Right click on the grid: the table's popup menu at this screen point.
    virtual void ContextMenu(const QPoint& /*globalPos*/) {}
    // A table with its own rule for the editor's first text returns true.
    virtual bool EditorText(int /*lastKey*/, const std::string& /*cellText*/, std::string& /*text*/) const
    {
        return false;
    }
};

class GridEditing : public QObject {
    Q_OBJECT
public:
    enum Kind { Page, Bar };
    enum RoutedKeys : unsigned { RouteUpDown = 0x1, RouteRight = 0x2, RouteEnter = 0x4, RouteDelete = 0x8 };
    enum Append {
        NoAppend,
        AppendAfterCommit, // Down on the last row appends when it committed an edit
        AppendOnDown,      // Down on the last row always appends
    };
    enum EmptyText {
        StoreEmpty,     // an empty text is stored like any other
        SkipEmptyStore, // nothing stored, the editor is still closed
        IgnoreEmpty,    // an empty text is no commit at all: the editor stays
    };
    struct Options {
        Kind kind = Page;
        unsigned routedKeys = RouteUpDown | RouteEnter | RouteDelete;
        // Up/Down (and a routed Right) set the selection range to the row the
        // cursor moves to.
        bool cursorMovesSelection = false;
        Append append = NoAppend;
        EmptyText emptyText = StoreEmpty;
        // The editor opens only on rows 1 .. TableRowCount().
        bool editOnlyTableRows = false;
        // Value written to the model view's active-table code on a press.
        int activeTableCode = 0;
        // Column of the cursor after Ctrl+A (0: the last data column).
        int selectAllColumn = 0;
        // A range dragged upwards is kept, put in order (the member tables);
        // otherwise it becomes the pressed row alone.
        bool orderDraggedRange = false;
    };
    static Options PageOptions();
    static Options BarOptions();

    GridEditing(CMSFlexGrid* grid, GridEditingClient* client, const Options& options,
                QObject* parent = nullptr);
    ~GridEditing() override;

    const Options& GetOptions() const { return m_options; }
    Options& GetOptions() { return m_options; }
    CMSFlexGrid* Grid() const { return m_grid; }

    // Where the selection range and the active-table code live (the model
    // view's fields); any may be null.
    void SetSelectionTarget(int* from, int* to, int* activeTable);

    // The editor: a hidden CEditWnd child of parent. Pages create it when
    // they become active and destroy it when left; bars create it once.
    CEditWnd* CreateEditor(QWidget* parent);
    void DestroyEditor();
    CEditWnd* Editor() const;
    bool IsEditing() const;

    // Opens the editor over the current cell; keyAscii is the key that
    // opened it (13 for Enter and double click), which is not typed into
    // the editor. False when nothing opened.
    bool OpenEditor(short keyAscii = 13);
    // Commits a visible editor into the current cell; false when there was
    // nothing to commit.
    bool Commit();
    // Ctrl+A: the whole table selected and highlighted.
    void SelectAll();

    // The last key code seen (character code of a typed key, virtual-key
    // code of other keys, mouse button flags after a click: 1 left).
    int LastKey() const { return m_lastKey; }
    void SetLastKey(int key) { m_lastKey = key; }

    // Rows max(1, p - half) .. min(count, p + half) around scroll position p,
    // and at least every row in view (visible rows from p + 1 on): no row
    // the user sees is left blank, whatever the height of the grid.
    struct Window {
        long first;
        long last;
    };
    static Window FillWindow(int scrollPos, long rowCount, int half = 27, int visibleRows = 0);
    Window CurrentWindow(long rowCount, int half = 27) const;
    // Calls fill(row) for every row of the current window.
    void FillRows(long rowCount, const std::function<void(long)>& fill, int half = 27) const;

    // Number texts in the C numeric locale, whatever the user's locale is.
    static double ParseNumber(const std::string& text); // atof
    static long ParseInteger(const std::string& text);  // atoi
    static std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // Parses the typed text, shows it in cell (row, col) formatted with
    // format and returns the value of the shown text.
    static double ShowNumber(CMSFlexGrid& grid, long row, long col, const std::string& typed,
                             const char* format);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool PreTranslateKey(QObject* watched, QKeyEvent* event);
    void OnKeyPress(short* keyAscii);
    void OnKeyDown(short* keyCode, short shift);
    void OnMouseDown(short button, short shift, long x, long y);
    void OnMouseUp(short button, short shift, long x, long y);
    std::string InitialText(const std::string& cellText) const;

    CMSFlexGrid* m_grid;
    GridEditingClient* m_client;
    Options m_options;
    QPointer<CEditWnd> m_editor;
    int* m_selFrom = nullptr;
    int* m_selTo = nullptr;
    int* m_activeTable = nullptr;
    int m_lastKey = 0;
    bool m_forwarding = false;
    // The editor's text when it opened, and whether a typed character
    // started it: an untouched editor that no key started stores nothing.
    std::string m_openedText;
    bool m_typedStart = false;
};
