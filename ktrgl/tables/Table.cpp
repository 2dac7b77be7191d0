#include "tables/Table.h"

#include "tables/EditWnd.h"
#include "tables/GridEditing.h"

#include <QKeyEvent>

CTable::CTable(QWidget* parent) : CMSFlexGrid(parent)
{
    installEventFilter(this);
    connect(this, &CMSFlexGrid::KeyPress, this, [this](short* key) { OpenEditor(key ? *key : 13); });
    connect(this, &CMSFlexGrid::DblClick, this, [this] {
        if (GetRowSel() >= 1 && GetColSel() >= 1)
            OpenEditor(13);
    });
    connect(this, &CMSFlexGrid::LeaveCell, this, [this] { Commit(); });
    connect(this, &CMSFlexGrid::MouseDown, this, &CTable::OnMouseDown);
    connect(this, &CMSFlexGrid::MouseUp, this, &CTable::OnMouseUp);
}

CTable::~CTable()
{
    if (m_editor && m_editor->parentWidget() != this)
        delete m_editor.data();
}

CEditWnd* CTable::Editor() const { return m_editor; }

void CTable::Initialize()
{
    const QRect first = CellRect(1, 1);
    m_cellLeft = PixelsToTwipsX(first.left() - frameWidth());
    m_cellTop = PixelsToTwipsY(first.top() - frameWidth());
    m_pixelsPerInchX = logicalDpiX();
    m_pixelsPerInchY = logicalDpiY();
    if (!m_editor) {
        m_editor = new CEditWnd(parentWidget() ? parentWidget() : this);
        m_editor->SetFocusTarget(this);
        m_editor->installEventFilter(this);
    }
}

void CTable::SetMatrix(const CdMatrix& matrix)
{
    m_matrix = matrix;
    Fill();
}

void CTable::Fill()
{
    Clear();
    SetRows(m_matrix.GetRows() + 1);
    SetCols(m_matrix.GetCols() + 1);
    for (int i = 1; i <= m_matrix.GetRows(); ++i) {
        SetTextMatrix(i, 0, GridEditing::Format("%d", i));
        for (int j = 1; j <= m_matrix.GetCols(); ++j)
            SetTextMatrix(i, j, GridEditing::Format("%.3f", m_matrix(i, j)));
    }
}

void CTable::SetCell(long row, long col, double value)
{
    SetTextMatrix(row, col, GridEditing::Format("%.3f", value));
}

bool CTable::OpenEditor(short /*keyAscii*/)
{
    if (!m_editor || GetRows() <= 1)
        return false;
    QWidget* parent = m_editor->parentWidget();
    const int frame = frameWidth();
    const QPoint origin = parent == this ? QPoint(frame, frame) : mapTo(parent, QPoint(frame, frame));
    m_editor->setGeometry(origin.x() + TwipsToPixels(GetCellLeft(), m_pixelsPerInchX),
                          origin.y() + TwipsToPixels(GetCellTop(), m_pixelsPerInchY),
                          TwipsToPixels(GetCellWidth(), m_pixelsPerInchX),
                          TwipsToPixels(GetCellHeight(), m_pixelsPerInchY));
    m_editor->SetText(GetText());
    m_editor->selectAll();
    m_editor->show();
    m_editor->raise();
    m_editor->setFocus(Qt::OtherFocusReason);
    // The opening key is not typed in: the cell's text waits selected.
    return true;
}

bool CTable::Commit()
{
    if (!m_editor || m_editor->isHidden())
        return false;
    m_text = m_editor->GetText();
    SetText(m_text);
    const long row = GetRowSel(), col = GetColSel();
    if (row >= 1 && row <= m_matrix.GetRows() && col >= 1 && col <= m_matrix.GetCols()) {
        const double value = GridEditing::ParseNumber(m_text);
        if (!m_changed && value != m_matrix(static_cast<int>(row), static_cast<int>(col)))
            m_changed = true;
        m_matrix(static_cast<int>(row), static_cast<int>(col)) = value;
    }
    m_editor->setText(QString());
    m_editor->hide();
    return true;
}

void CTable::keyPressEvent(QKeyEvent* event)
{
    // The table wants every key, Escape included.
    CMSFlexGrid::keyPressEvent(event);
    event->accept();
}

bool CTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = VirtualKey(key->key());
        m_lastKey = code;
        if (code >= 37 && code <= 40) {
            Commit();
        } else if (code == 13) {
            OpenEditor(13);
            return true;
        }
        return false;
    }
    if (m_editor && watched == m_editor && event->type() == QEvent::FocusOut) {
        // The editor's own handling first, then the commit.
        const bool handled = CMSFlexGrid::eventFilter(watched, event);
        Commit();
        return handled;
    }
    return CMSFlexGrid::eventFilter(watched, event);
}

void CTable::OnMouseDown(short button, short, long, long)
{
    m_lastKey = button;
    if (button != 1)
        return;
    if (GetRow() == GetRows() - 1 && GetCol() == GetCols() - 1) {
        m_selStart = 1;
        m_selEnd = static_cast<int>(GetRows() - 1);
    } else {
        m_selStart = static_cast<int>(GetRowSel());
    }
}

void CTable::OnMouseUp(short button, short, long, long)
{
    if (button != 1)
        return;
    m_selEnd = static_cast<int>(GetRowSel());
}
