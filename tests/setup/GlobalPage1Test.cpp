// The project properties page: what opening shows, the type correction and
// what OK writes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "project/Project.h"
#include "setup/GlobalPage1.h"
#include "support/TempDir.h"
#include "tables/PropertySheet.h"

namespace {

void WriteProject()
{
    CProject p;
    p.GetName() = "Hall";
    p.GetLocation() = "/data/hall/";
    p.GetEngineer() = "B. Engineer";
    p.GetTitle() = "Roof of the hall";
    p.GetElementType() = "Truss3D";
    p.GetForceUnit() = "kN";
    p.GetLengthUnit() = "cm";
    p.GetDof() = 3;
    p.GetNodeCount() = 12;
    p.GetElementCount() = 21;
    p.GetLoadCaseCount() = 2;
    p.GetMaterialCount() = 3;
    p.GetReleaseCount() = 1;
    p.GetEquationCount() = 33;
    p.Settings(true);
}

void ChooseFromList(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

TEST(GlobalPage1, OpeningShowsTheProject)
{
    testsupport::TempDir dir;
    WriteProject();
    CGlobalPage1 page;
    page.EnsureInitialized();
    EXPECT_EQ(page.Caption(), "Properties");
    EXPECT_EQ(page.Edit(12010)->text(), "Hall");
    EXPECT_EQ(page.Edit(12079)->text(), "/data/hall/");
    EXPECT_EQ(page.Edit(12080)->text(), "B. Engineer");
    EXPECT_EQ(page.Edit(12081)->text(), "Roof of the hall");
    EXPECT_EQ(page.Combo(12078)->currentText(), "Truss3D");
    EXPECT_EQ(page.Combo(12083)->currentText(), "kN");
    EXPECT_EQ(page.Combo(12084)->currentText(), "cm");
    EXPECT_EQ(page.Edit(12082)->text(), "12");
    EXPECT_EQ(page.Edit(12085)->text(), "21");
    EXPECT_EQ(page.Edit(12086)->text(), "2");
    EXPECT_EQ(page.Edit(12054)->text(), "3");
    EXPECT_EQ(page.Edit(12088)->text(), "1");
    EXPECT_TRUE(page.MixLoads()->isChecked());
    EXPECT_FALSE(page.MixLoads()->isEnabled());
    QStringList types, forces, lengths;
    for (int i = 0; i < page.Combo(12078)->count(); ++i)
        types << page.Combo(12078)->itemText(i);
    for (int i = 0; i < page.Combo(12083)->count(); ++i)
        forces << page.Combo(12083)->itemText(i);
    for (int i = 0; i < page.Combo(12084)->count(); ++i)
        lengths << page.Combo(12084)->itemText(i);
    EXPECT_EQ(types.join(","), "Frame3D,Truss3D,Plane,Plate,Solid,Shell");
    EXPECT_EQ(forces.join(","), "T,Kg,kip,P,MN,kN,N");
    EXPECT_EQ(lengths.join(","), "mm,cm,m,Km,in,ft");
}

TEST(GlobalPage1, UnsupportedTypeIsPutBackToFrame)
{
    testsupport::TempDir dir;
    WriteProject();
    CGlobalPage1 page;
    page.EnsureInitialized();
    ChooseFromList(page.Combo(12078), 4);   // "Solid"
    EXPECT_EQ(page.Combo(12078)->currentText(), "Frame3D");
    ChooseFromList(page.Combo(12078), 1);   // "Truss3D" stays
    EXPECT_EQ(page.Combo(12078)->currentText(), "Truss3D");
    // The unit lists take any choice without correction.
    ChooseFromList(page.Combo(12084), 5);
    EXPECT_EQ(page.Combo(12084)->currentText(), "ft");
}

TEST(GlobalPage1, OkWritesEveryFieldAndTheDegreesOfFreedom)
{
    testsupport::TempDir dir;
    WriteProject();
    PropertySheet sheet(QStringLiteral("Project"));
    CGlobalPage1 page;
    sheet.AddPage(&page);
    sheet.show();
    page.Edit(12010)->setText("Shed");
    page.Edit(12079)->setText("/data/shed");   // the closing '/' is added
    page.Edit(12082)->setText("40");
    page.Edit(12085)->setText("77");
    ChooseFromList(page.Combo(12078), 0);     // Frame3D
    ChooseFromList(page.Combo(12083), 0);     // T
    EXPECT_TRUE(sheet.PressOk());
    CProject p;
    EXPECT_EQ(p.GetName(), "Shed");
    EXPECT_EQ(p.GetLocation(), "/data/shed/");
    EXPECT_EQ(p.GetEngineer(), "B. Engineer");
    EXPECT_EQ(p.GetTitle(), "Roof of the hall");
    EXPECT_EQ(p.GetElementType(), "Frame3D");
    EXPECT_EQ(p.GetDof(), 6);
    EXPECT_EQ(p.GetForceUnit(), "T");
    EXPECT_EQ(p.GetLengthUnit(), "cm");
    EXPECT_EQ(p.GetNodeCount(), 40);
    EXPECT_EQ(p.GetElementCount(), 77);
    EXPECT_EQ(p.GetLoadCaseCount(), 2);
    EXPECT_EQ(p.GetMaterialCount(), 3);
    EXPECT_EQ(p.GetReleaseCount(), 1);
    EXPECT_EQ(p.GetEquationCount(), 33);   // carried through
}

TEST(GlobalPage1, EmptyTypeAndUnitsTakeTheDefaults)
{
    testsupport::TempDir dir;
    WriteProject();
    CGlobalPage1 page;
    page.EnsureInitialized();
    page.Combo(12078)->setEditText("");
    page.Combo(12083)->setEditText("");
    page.Combo(12084)->clearEditText();
    page.OnOK();
    CProject p;
    EXPECT_EQ(p.GetElementType(), "Frame3D");
    EXPECT_EQ(p.GetDof(), 6);
    EXPECT_EQ(p.GetLengthUnit(), "m");
    EXPECT_EQ(p.GetForceUnit(), "Kg");
}

TEST(GlobalPage1, TypedTextIsAcceptedAsIs)
{
    testsupport::TempDir dir;
    WriteProject();
    CGlobalPage1 page;
    page.EnsureInitialized();
    page.Combo(12078)->setEditText("Truss3D");
    page.Combo(12084)->setEditText("yd");
    page.OnOK();
    CProject p;
    EXPECT_EQ(p.GetElementType(), "Truss3D");
    EXPECT_EQ(p.GetDof(), 3);
    EXPECT_EQ(p.GetLengthUnit(), "yd");
    // A typed unsupported type keeps the degrees of freedom it had.
    page.Combo(12078)->setEditText("Shell");
    page.OnOK();
    CProject q;
    EXPECT_EQ(q.GetElementType(), "Shell");
    EXPECT_EQ(q.GetDof(), 3);
}

TEST(GlobalPage1, NonNumericCountKeepsThePageAndWritesNothing)
{
    testsupport::TempDir dir;
    WriteProject();
    platform::MessageRecorder boxes;
    const std::string before = testsupport::TempDir::Read(dir.Ini());
    PropertySheet sheet(QStringLiteral("Project"));
    CGlobalPage1 page;
    sheet.AddPage(&page);
    sheet.show();
    page.Edit(12086)->setText("two");
    EXPECT_FALSE(sheet.PressOk());
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Please enter an integer.");
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(testsupport::TempDir::Read(dir.Ini()), before);
    sheet.hide();
}
