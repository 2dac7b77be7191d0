// The geometry wizard page: the layout list, the pictures and pasting a
// generated layout into the model.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "project/Project.h"
#include "setup/GeometryWizard.h"
#include "setup/LayoutPicture.h"
#include "support/TempDir.h"
#include "view/Geometry.h"

namespace {

void Choose(CGeometryWizard& page, int index)
{
    page.Layouts()->setCurrentIndex(index);
    emit page.Layouts()->activated(index);
}

void SetProject(const char* type, int dof, const char* length)
{
    CProject p;
    p.GetElementType() = type;
    p.GetDof() = dof;
    p.GetLengthUnit() = length;
    p.GetForceUnit() = "Kg";
    p.Settings(true);
}

} // namespace

TEST(GeometryWizard, ListsTheSixLayoutsInOrder)
{
    testsupport::TempDir dir;
    CGeometryWizard page;
    page.EnsureInitialized();
    EXPECT_EQ(page.Caption(), "Geometry");
    QStringList entries;
    for (int i = 0; i < page.Layouts()->count(); ++i)
        entries << page.Layouts()->itemText(i);
    EXPECT_EQ(entries.join("|"), "Pratt|Howe Bridge|Howe Roof|Warren|Lattice|Grid");
    EXPECT_EQ(page.Layouts()->currentIndex(), -1);
    // Dropping the list down again does not duplicate it.
    page.OnDropdownCombo1();
    EXPECT_EQ(page.Layouts()->count(), 6);
}

TEST(GeometryWizard, EveryLayoutHasAPicture)
{
    testsupport::TempDir dir;
    unsetenv("KESTRA_DATA_DIR");
    CGeometryWizard page;
    page.EnsureInitialized();
    for (int i = 0; i < 6; ++i) {
        Choose(page, i);
        EXPECT_TRUE(page.PictureLoaded()) << page.PicturePathShown();
        QFile file(QString::fromStdString(page.PicturePathShown()));
        EXPECT_GT(file.size(), 1000) << page.PicturePathShown();
        QImageReader reader(QString::fromStdString(page.PicturePathShown()));
        EXPECT_EQ(reader.format(), "bmp") << page.PicturePathShown();
        QImage image(QString::fromStdString(page.PicturePathShown()));
        ASSERT_FALSE(image.isNull());
        // Drawn on: not one colour all over.
        int inked = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                inked += image.pixel(x, y) != image.pixel(0, 0);
        EXPECT_GT(inked, 100) << i;
        EXPECT_FALSE(page.Picture()->pixmap().isNull());
    }
}

// The pictures shipped with the program show what Paste builds: each is
// drawn again from the generator and compared below its caption line.
TEST(GeometryWizard, PicturesShowTheGeneratedLayouts)
{
    testsupport::TempDir dir;
    unsetenv("KESTRA_DATA_DIR");
    const QString folder = QString::fromStdString(dir.Folder());
    for (int i = 0; i < LayoutGenerator::LayoutCount; ++i) {
        ASSERT_TRUE(LayoutPicture::Write(i, folder)) << i;
        const QString title = QString::fromLatin1(LayoutGenerator::PictureTitle(i)) + ".bmp";
        const QImage drawn = QImage(folder + "/" + title).convertToFormat(QImage::Format_RGB32);
        const QImage shipped =
            QImage(QString::fromStdString(CGeometryWizard::PicturePath(i))).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(drawn.size(), shipped.size()) << i;
        int differ = 0;
        for (int y = 30; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                differ += drawn.pixel(x, y) != shipped.pixel(x, y);
        EXPECT_LT(differ, 20) << title.toStdString();
    }
}

TEST(GeometryWizard, HoweRoofLoadsTheRoofPicture)
{
    testsupport::TempDir dir;
    unsetenv("KESTRA_DATA_DIR");
    CGeometryWizard page;
    page.EnsureInitialized();
    Choose(page, 2);
    EXPECT_EQ(page.PicturePathShown(), CGeometryWizard::PictureFolder() + "ROOF.bmp");
    EXPECT_EQ(CGeometryWizard::PicturePath(-1), CGeometryWizard::PictureFolder() + ".bmp");
}

TEST(GeometryWizard, MissingPictureSaysFileNotFound)
{
    testsupport::TempDir dir;
    setenv("KESTRA_DATA_DIR", dir.Folder().c_str(), 1);
    EXPECT_EQ(CGeometryWizard::PictureFolder(), dir.File("layouts/"));
    CGeometryWizard page;
    page.EnsureInitialized();
    Choose(page, 0);
    unsetenv("KESTRA_DATA_DIR");
    EXPECT_EQ(page.PicturePathShown(), dir.File("layouts/PRATT.bmp"));
    EXPECT_FALSE(page.PictureLoaded());
    EXPECT_EQ(page.Picture()->text(), "File not found.");
    EXPECT_TRUE(page.Picture()->pixmap().isNull());
}

TEST(GeometryWizard, PasteMakesTheLayoutTheModel)
{
    testsupport::TempDir dir;
    SetProject("Truss3D", 3, "m");
    platform::MessageRecorder boxes;
    CGeometry geometry;
    CGeometryWizard page;
    page.SetGeometry(&geometry);
    page.EnsureInitialized();
    Choose(page, 3);   // Warren
    page.Edit(12010)->setText("2");
    page.Edit(12012)->setText("12");
    page.Edit(12013)->setText("3");
    QTest::mouseClick(qobject_cast<QPushButton*>(page.GetDlgItem(1)), Qt::LeftButton);
    EXPECT_TRUE(boxes.messages.empty());
    ASSERT_EQ(geometry.m_nodeTable.GetRows(), 7);
    EXPECT_EQ(geometry.m_nodeTable.GetCols(), 6);   // X, Y, Z and three codes
    EXPECT_EQ(geometry.m_memberTable.GetRows(), 11);
    EXPECT_DOUBLE_EQ(geometry.m_nodeTable(5, 1), 2.0);
    EXPECT_DOUBLE_EQ(geometry.m_nodeTable(5, 2), 2.0);
    EXPECT_TRUE(geometry.m_geometryChanged);
    EXPECT_TRUE(geometry.m_modelChanged);
    CProject p;
    EXPECT_EQ(p.GetNodeCount(), 7);
    EXPECT_EQ(p.GetElementCount(), 11);
}

TEST(GeometryWizard, FieldsAreInTheProjectUnit)
{
    testsupport::TempDir dir;
    SetProject("Frame3D", 6, "cm");
    CGeometry geometry;
    CGeometryWizard page;
    page.SetGeometry(&geometry);
    page.EnsureInitialized();
    Choose(page, 0);
    page.Edit(12010)->setText("300");
    page.Edit(12012)->setText("1200");
    page.Edit(12013)->setText("4");
    page.OnPaste();
    ASSERT_EQ(geometry.m_nodeTable.GetRows(), 8);
    EXPECT_EQ(geometry.m_nodeTable.GetCols(), 9);
    EXPECT_DOUBLE_EQ(geometry.m_nodeTable(5, 1), 12.0);
    EXPECT_DOUBLE_EQ(geometry.m_nodeTable(6, 2), 3.0);
}

TEST(GeometryWizard, ReplacingAModelIsAskedFirst)
{
    testsupport::TempDir dir;
    SetProject("Frame3D", 6, "m");
    platform::MessageRecorder boxes;
    CGeometry geometry;
    geometry.m_nodeTable.SetSize(2, 9);
    geometry.m_memberTable.SetSize(1, 8);
    CGeometryWizard page;
    page.SetGeometry(&geometry);
    page.EnsureInitialized();
    Choose(page, 5);
    boxes.Answer(platform::IDCANCEL);
    page.OnPaste();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "The Grid layout replaces the current model (2 nodes, 1 members).");
    EXPECT_EQ(boxes.messages[0].caption, "KESTRA Wizard");
    EXPECT_EQ(boxes.messages[0].buttons, unsigned(platform::MB_OKCANCEL));
    EXPECT_EQ(geometry.m_nodeTable.GetRows(), 2);
    boxes.Answer(platform::IDOK);
    page.OnPaste();
    EXPECT_EQ(geometry.m_nodeTable.GetRows(), 7 * 3 * 2);   // 6 x 2 x 1 bays
}

TEST(GeometryWizard, BadInputIsRefusedAndTheModelKept)
{
    testsupport::TempDir dir;
    SetProject("Frame3D", 6, "m");
    platform::MessageRecorder boxes;
    CGeometry geometry;
    CGeometryWizard page;
    page.SetGeometry(&geometry);
    page.EnsureInitialized();
    page.OnPaste();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Choose one of the layouts first.");
    Choose(page, 2);
    page.Edit(12010)->setText("high");
    page.OnPaste();
    EXPECT_EQ(boxes.messages.back().text, "Please enter a number.");
    page.Edit(12010)->setText("3");
    page.Edit(12013)->setText("5");
    page.OnPaste();
    EXPECT_EQ(boxes.messages.back().text, "A roof truss needs an even number of bays (2 or more).");
    EXPECT_EQ(geometry.m_nodeTable.GetRows(), 0);
    // "Default" puts the standard dimensions back.
    QTest::mouseClick(qobject_cast<QPushButton*>(page.GetDlgItem(2)), Qt::LeftButton);
    EXPECT_EQ(page.Edit(12013)->text(), "6");
    EXPECT_EQ(page.Edit(12010)->text(), "3");
    EXPECT_EQ(page.Edit(12012)->text(), "12");
    page.OnPaste();
    EXPECT_EQ(geometry.m_nodeTable.GetRows(), 12);
}
