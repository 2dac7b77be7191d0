// The matrix viewer page, its sheet for CGeometry::Print, and the two
// table-choice pages.
#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "auxiliary/List1.h"
#include "auxiliary/List2.h"
#include "auxiliary/MatrixViewer.h"
#include "platform/MessageBox.h"
#include "support/TempDir.h"
#include "tables/MSFlexGrid.h"
#include "tables/PropertySheet.h"
#include "view/Geometry.h"

TEST(MatrixViewer, EmptyMatrixGivesOneCell)
{
    CMatrixViewer viewer;
    EXPECT_TRUE(viewer.GetTitle().isEmpty());
    EXPECT_EQ(viewer.GetMatrix().GetRows(), 0);
    viewer.UpdateTable();
    EXPECT_EQ(viewer.Grid()->GetRows(), 1);
    EXPECT_EQ(viewer.Grid()->GetCols(), 1);
    EXPECT_EQ(viewer.Grid()->GetTextMatrix(0, 0), "");
}

TEST(MatrixViewer, CellsUseThreeSignificantDigits)
{
    CdMatrix m(2, 3);
    m(1, 1) = 1234.5;
    m(1, 2) = 0.5;
    m(1, 3) = -2.0 / 3.0;
    m(2, 1) = 100.0;
    m(2, 2) = 1e-7;
    m(2, 3) = 0.0;
    CMatrixViewer viewer;
    viewer.SetMatrix(m);
    m(1, 1) = 9.0;   // the page keeps its own copy
    viewer.UpdateTable();
    CMSFlexGrid* g = viewer.Grid();
    ASSERT_EQ(g->GetRows(), 3);
    ASSERT_EQ(g->GetCols(), 4);
    EXPECT_EQ(g->GetTextMatrix(1, 1), "1.23e+03");
    EXPECT_EQ(g->GetTextMatrix(1, 2), "0.5");
    EXPECT_EQ(g->GetTextMatrix(1, 3), "-0.667");
    EXPECT_EQ(g->GetTextMatrix(2, 1), "100");
    EXPECT_EQ(g->GetTextMatrix(2, 2), "1e-07");
    EXPECT_EQ(g->GetTextMatrix(2, 3), "0");
    EXPECT_EQ(g->GetTextMatrix(1, 0), "1");
    EXPECT_EQ(g->GetTextMatrix(2, 0), "2");
    EXPECT_EQ(g->GetTextMatrix(0, 1), "1");
    EXPECT_EQ(g->GetTextMatrix(0, 3), "3");
    EXPECT_EQ(g->GetTextMatrix(0, 0), "");
    // A smaller matrix afterwards leaves nothing of the old one.
    viewer.SetMatrix(CdMatrix(1, 1));
    viewer.UpdateTable();
    EXPECT_EQ(g->GetRows(), 2);
    EXPECT_EQ(g->GetCols(), 2);
    EXPECT_EQ(g->GetTextMatrix(1, 1), "0");
}

TEST(MatrixViewer, IntegerMatrixIsShownAsDoubles)
{
    CiMatrix m(1, 2);
    m(1, 1) = 7;
    m(1, 2) = -123456;
    CMatrixViewer viewer;
    viewer.SetMatrix(m);
    viewer.UpdateTable();
    EXPECT_EQ(viewer.Grid()->GetTextMatrix(1, 1), "7");
    EXPECT_EQ(viewer.Grid()->GetTextMatrix(1, 2), "-1.23e+05");
    EXPECT_DOUBLE_EQ(viewer.GetMatrix()(1, 2), -123456.0);
}

TEST(MatrixViewer, ActivationTitlesTheSheetAndFillsTheGrid)
{
    PropertySheet sheet(QStringLiteral("before"));
    CMatrixViewer viewer;
    viewer.SetTitle(QStringLiteral("Stiffness"));
    CdMatrix m(1, 1);
    m(1, 1) = 42.0;
    viewer.SetMatrix(m);
    sheet.AddPage(&viewer);
    sheet.show();
    EXPECT_EQ(sheet.Title(), "Stiffness");
    EXPECT_EQ(viewer.Grid()->GetTextMatrix(1, 1), "42");
    sheet.hide();
    viewer.setParent(nullptr);
}

TEST(MatrixViewer, GeometryPrintShowsTheTableInAModalSheet)
{
    testsupport::TempDir dir;
    CMatrixViewer::InstallPrintHook();
    CGeometry geometry;
    CdMatrix table(2, 2);
    table(2, 1) = 1234.5;
    std::string title;
    std::string cell;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* sheet = qobject_cast<PropertySheet*>(QApplication::activeModalWidget());
        if (!sheet)
            return;
        modal = sheet->isModal();
        title = sheet->Title().toStdString();
        if (auto* viewer = qobject_cast<CMatrixViewer*>(sheet->GetPage(0)))
            cell = viewer->Grid()->GetTextMatrix(2, 1);
        sheet->PressCancel();
    });
    geometry.Print(table);   // returns when the sheet is closed
    EXPECT_TRUE(modal);
    EXPECT_EQ(title, "Print matrix");
    EXPECT_EQ(cell, "1.23e+03");
    CGeometry::SetMatrixViewerHook(nullptr);
}

// The two table-choice pages: caption, which boxes can be ticked, and the
// message OK shows.
template <class Page>
void CheckChoicePage(const char* caption, std::initializer_list<const char*> enabled,
                     std::initializer_list<const char*> disabled, const char* okText)
{
    SCOPED_TRACE(caption);
    platform::MessageRecorder boxes;
    Page page;
    EXPECT_EQ(page.Caption(), caption);
    for (const char* text : enabled)
        EXPECT_TRUE(page.Box(text) && page.Box(text)->isEnabled()) << text;
    for (const char* text : disabled)
        EXPECT_TRUE(page.Box(text) && !page.Box(text)->isEnabled()) << text;
    page.OnOK();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, okText);
    EXPECT_EQ(boxes.messages[0].buttons, unsigned(platform::MB_OK));
}

TEST(TableChoicePages, InputAndOutputPages)
{
    CheckChoicePage<CList1>("Input",
                            {"Coordinate", "Connectivities", "Reference Points", "Properties", "Restraints"},
                            {"Member Release", "End Zone", "Load Values"}, "pass1");
    CheckChoicePage<CList2>("Output Table",
                            {"Node Dis...", "Structure Dis...", "Structure Force", "Reactions",
                             "Node Force", "Element Dis...", "Element Force"},
                            {"Stress..."}, "pass2");
}
