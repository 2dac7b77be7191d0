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
    testsupport::TempDir::Write(
        platform::Profile::FilePath(),
        "[KESTRA ]\nengineer=B. Engineer\nFile location =/data/hall/\nProject name =Hall\n"
        "Element Type =Truss3D\nCurrent Length =cm\nCurrent Force =kN\nProject Title =Roof of the hall\n"
        "DOF =3\nTotal equation number =33\nNode =12\n Element =21\nNumber load case =2\n"
        "Number Material =3\nNumber releases =1\n");
}

// The project as stored, every field in order.
std::string Stored()
{
    CProject p;
    std::string s = p.GetName() + "|" + p.GetLocation() + "|" + p.GetEngineer() + "|" +
                    p.GetTitle() + "|" + p.GetElementType() + "|" + std::to_string(p.GetDof()) +
                    "|" + p.GetForceUnit() + "|" + p.GetLengthUnit();
    for (int n : {p.GetNodeCount(), p.GetElementCount(), p.GetLoadCaseCount(),
                  p.GetMaterialCount(), p.GetReleaseCount(), p.GetEquationCount()})
        s += "|" + std::to_string(n);
    return s;
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
    const std::pair<int, const char*> edits[] = {
        {12010, "Hall"}, {12079, "/data/hall/"}, {12080, "B. Engineer"}, {12081, "Roof of the hall"},
        {12082, "12"},   {12085, "21"},          {12086, "2"},           {12054, "3"},
        {12088, "1"}};
    for (const auto& [id, text] : edits)
        EXPECT_EQ(page.Edit(id)->text(), text) << id;
    EXPECT_EQ(page.Combo(12078)->currentText(), "Truss3D");
    EXPECT_EQ(page.Combo(12083)->currentText(), "kN");
    EXPECT_EQ(page.Combo(12084)->currentText(), "cm");
    EXPECT_TRUE(page.MixLoads()->isChecked());
    EXPECT_FALSE(page.MixLoads()->isEnabled());
    const std::pair<int, const char*> lists[] = {{12078, "Frame3D,Truss3D,Plane,Plate,Solid,Shell"},
                                                 {12083, "T,Kg,kip,P,MN,kN,N"},
                                                 {12084, "mm,cm,m,Km,in,ft"}};
    for (const auto& [id, items] : lists) {
        QStringList texts;
        for (int i = 0; i < page.Combo(id)->count(); ++i)
            texts << page.Combo(id)->itemText(i);
        EXPECT_EQ(texts.join(","), items) << id;
    }
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
    ChooseFromList(page.Combo(12078), 4);     // "Solid" is put back to Frame3D
    EXPECT_EQ(page.Combo(12078)->currentText(), "Frame3D");
    ChooseFromList(page.Combo(12083), 0);     // T: the unit lists take any choice
    EXPECT_TRUE(sheet.PressOk());
    // Name, location, engineer, title, type, dof, force, length, nodes,
    // members, load cases, groups, releases, equations (carried through).
    EXPECT_EQ(Stored(), "Shed|/data/shed/|B. Engineer|Roof of the hall|Frame3D|6|T|cm|40|77|2|3|1|33");
}

// Text typed into the lists: empty takes the defaults, anything else is
// taken as is, and an unsupported type keeps the degrees of freedom it had.
TEST(GlobalPage1, TypedTextIsAcceptedAsIsAndEmptyTakesTheDefaults)
{
    const struct {
        const char *type, *force, *length;
        int dof;
        const char *storedForce, *storedLength;
    } cases[] = {{"", "", "", 6, "Kg", "m"},
                 {"Truss3D", "kN", "yd", 3, "kN", "yd"},
                 {"Shell", "kN", "cm", 3, "kN", "cm"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        testsupport::TempDir dir;
        WriteProject();
        CGlobalPage1 page;
        page.EnsureInitialized();
        page.Combo(12078)->setEditText(c.type);
        page.Combo(12083)->setEditText(c.force);
        page.Combo(12084)->setEditText(c.length);
        page.OnOK();
        EXPECT_EQ(Stored(), std::string("Hall|/data/hall/|B. Engineer|Roof of the hall|") +
                                (*c.type ? c.type : "Frame3D") + "|" + std::to_string(c.dof) +
                                "|" + c.storedForce + "|" + c.storedLength + "|12|21|2|3|1|33");
    }
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
