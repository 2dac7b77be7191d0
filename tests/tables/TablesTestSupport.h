// Helpers for driving the grid widgets with real key and mouse events.
#pragma once
#include "numerics/dMatrix.h"
#include "tables/MSFlexGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace tablestest {

// A shown, active window holding a grid, as a page or bar holds it.
class GridHost : public QWidget {
public:
    explicit GridHost(CMSFlexGrid* grid = nullptr)
    {
        this->grid = grid ? grid : new CMSFlexGrid;
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(5, 7, 5, 5);
        layout->addWidget(this->grid);
        resize(520, 420);
    }
    void ShowActive()
    {
        show();
        activateWindow();
        (void)QTest::qWaitForWindowExposed(this);
        (void)QTest::qWaitForWindowActive(this);
        grid->setFocus();
        QApplication::processEvents();
    }
    CMSFlexGrid* grid;
};

// Keys go to whichever widget has the focus, as they would from the keyboard.
inline QWidget* Focus(QWidget* fallback)
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : fallback;
}

inline void Key(QWidget* fallback, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(Focus(fallback), key, modifiers);
}

inline void Type(QWidget* fallback, const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(Focus(fallback), c.toLatin1());
}

// Centre of data cell (row, col) in the grid's viewport.
inline QPoint CellCentre(CMSFlexGrid* grid, long row, long col)
{
    QRect r = grid->visualRect(grid->model()->index(static_cast<int>(row - 1), static_cast<int>(col - 1)));
    return r.center();
}

inline void Drag(CMSFlexGrid* grid, long fromRow, long toRow, long col = 1)
{
    QWidget* viewport = grid->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, CellCentre(grid, fromRow, col));
    const QPoint to = CellCentre(grid, toRow, col);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(viewport->mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
}

// Puts the cursor on cell (row, col), types text and presses Enter. A page
// opens its editor with Enter first (its opening key is spent).
inline void EditCell(CMSFlexGrid* grid, long row, long col, const QString& text, bool openWithEnter)
{
    grid->SetRow(row);
    grid->SetCol(col);
    grid->SetRowSel(row);
    grid->SetColSel(col);
    grid->setFocus();
    if (openWithEnter)
        Key(grid, Qt::Key_Return);
    Type(grid, text);
    Key(grid, Qt::Key_Return);
}

// Expected texts of grid cells: {row, col, text} each.
struct CellText {
    long row, col;
    std::string text;
};
inline void ExpectCells(const CMSFlexGrid* grid, std::initializer_list<CellText> cells)
{
    for (const CellText& c : cells)
        EXPECT_EQ(grid->GetTextMatrix(c.row, c.col), c.text) << "cell (" << c.row << ", " << c.col << ")";
}

// Expected entries of a 1-based matrix: {row, col, value} each, compared exactly.
struct MatrixEntry {
    int row, col;
    double value;
};
inline void ExpectEntries(const CdMatrix& m, std::initializer_list<MatrixEntry> entries)
{
    for (const MatrixEntry& e : entries)
        EXPECT_EQ(m(e.row, e.col), e.value) << "entry (" << e.row << ", " << e.col << ")";
}

// The head of a printout or export dated Friday, December 04, 2026.
inline std::string ReportHead(const std::string& title, const std::string& description = "Print (WordPad format)",
                              const std::string& programmer = "Programmer:\tMr.Danek")
{
    return "KESTRA\n" + programmer + "\nDescription\t:\t" + description + "\n" + title +
           ":\tLast modify  Friday, December 04, 2026\n\n";
}
inline const char* const kExportProgrammer = "Programmer\t:\tMr.Danek";

// Exactly one message box was shown, with this text (and caption, if given).
template <class Recorder>
void ExpectOnlyMessage(const Recorder& recorder, const std::string& text, const char* caption = nullptr)
{
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, text);
    EXPECT_EQ(recorder.messages[0].caption, caption ? caption : recorder.messages[0].caption);
}

// Answers the next modal dialog of type T (if it is one) with answer.
template <class T, class Answer>
void AnswerModal(Answer answer, bool* asked = nullptr)
{
    QTimer::singleShot(0, [answer, asked] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            if (asked)
                *asked = true;
            answer(dialog);
        }
    });
}

} // namespace tablestest
