// A grid that edits a CdMatrix directly: row i, column j of the grid show
// element (i, j) formatted "%.3f", column 0 the row number. Typing or
// Enter opens the in-place editor over the current cell; leaving the cell,
// an arrow key or the editor losing the focus stores the typed value into
// the matrix (at RowSel, ColSel) and marks the table changed.
#pragma once
#include "numerics/dMatrix.h"
#include "tables/MSFlexGrid.h"

#include <QPointer>
#include <string>

class CEditWnd;

class CTable : public CMSFlexGrid {
    Q_OBJECT
public:
    explicit CTable(QWidget* parent = nullptr);
    ~CTable() override;

    // Records the first cell's origin and the screen density and creates
    // the editor (hidden, a child of the grid's parent window).
    void Initialize();

    // The edited matrix; SetMatrix also fills the grid.
    void SetMatrix(const CdMatrix& matrix);
    const CdMatrix& GetMatrix() const { return m_matrix; }
    CdMatrix& GetMatrix() { return m_matrix; }

    // Clears and fills the grid from the matrix.
    void Fill();
    // Shows value in cell (row, col) formatted "%.3f".
    void SetCell(long row, long col, double value);

    // Opens the editor over the current cell (the key press handler).
    bool OpenEditor(short keyAscii = 13);
    // Stores a visible editor's text (the leave-cell handler).
    bool Commit();

    bool IsChanged() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }
    int GetSelStart() const { return m_selStart; }
    int GetSelEnd() const { return m_selEnd; }
    int GetLastKey() const { return m_lastKey; }
    long GetCellOriginLeft() const { return m_cellLeft; }
    long GetCellOriginTop() const { return m_cellTop; }
    int GetPixelsPerInchX() const { return m_pixelsPerInchX; }
    int GetPixelsPerInchY() const { return m_pixelsPerInchY; }
    CEditWnd* Editor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnMouseDown(short button, short shift, long x, long y);
    void OnMouseUp(short button, short shift, long x, long y);

    QPointer<CEditWnd> m_editor;
    long m_cellLeft = 0;
    long m_cellTop = 0;
    int m_pixelsPerInchX = 96;
    int m_pixelsPerInchY = 96;
    int m_lastKey = 0;
    int m_selStart = 0;
    int m_selEnd = 0;
    bool m_changed = true;
    CdMatrix m_matrix;
    std::string m_text;
};
