// The in-place editor laid over a grid cell. Created hidden as a child of
// the page or bar; the owner places it over the current cell, shows it and
// reads its text back when the edit is committed.
//   Escape: the text is emptied, the editor hidden and the focus returned.
//   Enter:  the focus returns; the Enter character itself never reaches the
//           text (and never reaches the dialog, whose default button would
//           otherwise close it).
#pragma once
#include <QLineEdit>
#include <QPointer>
#include <string>

class CEditWnd : public QLineEdit {
    Q_OBJECT
public:
    explicit CEditWnd(QWidget* parent = nullptr);
    ~CEditWnd() override;

    // Where the focus goes on Escape and Enter: the grid when the table has
    // set one, otherwise the parent window.
    void SetFocusTarget(QWidget* target) { m_focusTarget = target; }
    QWidget* FocusTarget() const;

    std::string GetText() const { return text().toStdString(); }
    void SetText(const std::string& value) { setText(QString::fromStdString(value)); }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ReturnFocus();
    QPointer<QWidget> m_focusTarget;
};
