#include "tables/EditWnd.h"

#include <QKeyEvent>

CEditWnd::CEditWnd(QWidget* parent) : QLineEdit(parent)
{
    hide();
    setGeometry(QRect());
}

CEditWnd::~CEditWnd()
{
    // The table that edits through this box filters its events; the
    // destruction of the QWidget part below would still send it some (the
    // focus leaving) while this is no longer an editor.
    if (m_focusTarget)
        removeEventFilter(m_focusTarget.data());
}

QWidget* CEditWnd::FocusTarget() const
{
    return m_focusTarget ? m_focusTarget.data() : parentWidget();
}

void CEditWnd::ReturnFocus()
{
    if (QWidget* target = FocusTarget())
        target->setFocus(Qt::OtherFocusReason);
}

bool CEditWnd::event(QEvent* event)
{
    // Keep Escape and Enter for the editor even where a dialog would take
    // them as shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CEditWnd::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        setText(QString());
        hide();
        ReturnFocus();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ReturnFocus();
        event->accept(); // swallowed: no line break, no default button
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}
