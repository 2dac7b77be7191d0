// The geometry wizard page: the layout list, the pictures and pasting a
// generated layout into the model.
#include <QComboBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
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

// The six layouts in list order; choosing one shows its picture. The
// pictures shipped with the program show what Paste builds: each is drawn
// again from the generator and compared below its caption line.
TEST(GeometryWizard, EveryLayoutShowsAPictureOfTheGeneratedLayout)
{
    testsupport::TempDir dir;
    unsetenv("KESTRA_DATA_DIR");
    CGeometryWizard page;
    page.EnsureInitialized();
    EXPECT_EQ(page.Caption(), "Geometry");
    QStringList entries;
    for (int i = 0; i < page.Layouts()->count(); ++i)
        entries << page.Layouts()->itemText(i);
    EXPECT_EQ(entries.join("|"), "Pratt|Howe Bridge|Howe Roof|Warren|Lattice|Grid");
    EXPECT_EQ(page.Layouts()->currentIndex(), -1);
    page.OnDropdownCombo1(); // dropping the list down again does not duplicate it
    EXPECT_EQ(page.Layouts()->count(), 6);
    const QString folder = QString::fromStdString(dir.Folder());
    for (int i = 0; i < LayoutGenerator::LayoutCount; ++i) {
        SCOPED_TRACE(i);
        Choose(page, i);
        const std::string path = page.PicturePathShown();
        EXPECT_EQ(path, CGeometryWizard::PictureFolder() + LayoutGenerator::PictureTitle(i) + ".bmp");
        EXPECT_TRUE(page.PictureLoaded());
        EXPECT_FALSE(page.Picture()->pixmap().isNull());
        EXPECT_EQ(QImageReader(QString::fromStdString(path)).format(), "bmp");
        ASSERT_TRUE(LayoutPicture::Write(i, folder));
        const QString title = QString::fromLatin1(LayoutGenerator::PictureTitle(i)) + ".bmp";
        const QImage drawn = QImage(folder + "/" + title).convertToFormat(QImage::Format_RGB32);
        const QImage shipped = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(drawn.size(), shipped.size());
        int differ = 0, inked = 0;
        for (int y = 30; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                differ += drawn.pixel(x, y) != shipped.pixel(x, y);
                inked += shipped.pixel(x, y) != shipped.pixel(0, 0);
            }
        EXPECT_LT(differ, 20);
        EXPECT_GT(inked, 400); // drawn on: not one colour all over
    }
    EXPECT_EQ(CGeometryWizard::PicturePath(2), CGeometryWizard::PictureFolder() + "ROOF.bmp");
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

// Paste (by its button, or its handler) with the fields in the project's
// length unit: the layout becomes the model and the project counts follow.
TEST(GeometryWizard, PasteMakesTheLayoutTheModelInTheProjectUnit)
{
    const struct {
        const char *type, *unit;
        int dof, layout;
        const char *h, *l, *bays;
        int nodes, members;
        std::vector<std::array<double, 3>> xy; // {node, X, Y} in metres
    } cases[] = {{"Truss3D", "m", 3, 3, "2", "12", "3", 7, 11, {{5, 2, 2}}},              // Warren
                 {"Frame3D", "cm", 6, 0, "300", "1200", "4", 8, 13, {{5, 12, 0}, {6, 3, 3}}}}; // Pratt
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        testsupport::TempDir dir;
        SetProject(c.type, c.dof, c.unit);
        platform::MessageRecorder boxes;
        CGeometry geometry;
        CGeometryWizard page;
        page.SetGeometry(&geometry);
        page.EnsureInitialized();
        Choose(page, c.layout);
        page.Edit(12010)->setText(c.h);
        page.Edit(12012)->setText(c.l);
        page.Edit(12013)->setText(c.bays);
        QTest::mouseClick(qobject_cast<QPushButton*>(page.GetDlgItem(1)), Qt::LeftButton);
        EXPECT_TRUE(boxes.messages.empty());
        ASSERT_EQ(geometry.m_nodeTable.GetRows(), c.nodes);
        EXPECT_EQ(geometry.m_nodeTable.GetCols(), 3 + c.dof); // X, Y, Z and the codes
        EXPECT_EQ(geometry.m_memberTable.GetRows(), c.members);
        for (const auto& [node, x, y] : c.xy) {
            EXPECT_DOUBLE_EQ(geometry.m_nodeTable(int(node), 1), x);
            EXPECT_DOUBLE_EQ(geometry.m_nodeTable(int(node), 2), y);
        }
        EXPECT_TRUE(geometry.m_geometryChanged);
        EXPECT_TRUE(geometry.m_modelChanged);
        CProject p;
        EXPECT_EQ(p.GetNodeCount(), c.nodes);
        EXPECT_EQ(p.GetElementCount(), c.members);
    }
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
