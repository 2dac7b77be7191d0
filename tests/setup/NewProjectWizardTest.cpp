// The new-project wizard driven through its real buttons and radios.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "setup/NewProjectPage1.h"
#include "setup/NewProjectPage2.h"
#include "setup/NewProjectPage3.h"
#include "setup/WizardSheet.h"
#include "support/TempDir.h"

namespace {

std::string Key(const char* key)
{
    return platform::Profile::GetString("KESTRA ", key, "<missing>", 800);
}

void ExpectKeys(std::initializer_list<std::pair<const char*, const char*>> keys)
{
    for (const auto& [key, value] : keys)
        EXPECT_EQ(Key(key), value) << key;
}

struct Wizard {
    CWizardSheet sheet;
    CNewProjectPage1 page1;
    CNewProjectPage2 page2;
    CNewProjectPage3 page3;
    Wizard()
    {
        sheet.AddPage(&page1);
        sheet.AddPage(&page2);
        sheet.AddPage(&page3);
        sheet.show();
    }
    ~Wizard() { sheet.hide(); }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void Next() { Click(sheet.NextButton()); }
    void Back() { Click(sheet.BackButton()); }
    void Finish() { Click(sheet.FinishButton()); }
    // A click as the user makes it (pressed and released over the button).
    void Choose(QRadioButton* radio) { radio->click(); }
};

bool NoTypeSelected(const CNewProjectPage1& page)
{
    for (int id : {5000, 5001, 5002, 5003, 5004, 5005})
        if (page.Radio(id)->isChecked())
            return false;
    return true;
}

} // namespace

TEST(NewProjectWizard, FinishingUntouchedWritesTheDefaults)
{
    testsupport::TempDir dir;
    platform::MessageRecorder boxes;
    Wizard w;
    EXPECT_EQ(w.sheet.windowTitle(), "Wizard");
    EXPECT_TRUE(w.sheet.IsWizardMode());
    EXPECT_EQ(w.sheet.GetActiveIndex(), 0);
    EXPECT_EQ(w.sheet.WizardButtonFlags(), unsigned(PropertySheet::WizardNext));
    EXPECT_FALSE(w.sheet.BackButton()->isEnabled());
    EXPECT_TRUE(w.page1.Radio(5000)->isChecked());
    EXPECT_EQ(w.page1.m_radioFrame, 0);
    EXPECT_EQ(w.page1.m_radioTruss, 1);
    EXPECT_EQ(w.page1.TitleEdit()->text(), "Undefine ");
    w.Next();
    EXPECT_EQ(w.sheet.GetActiveIndex(), 1);
    EXPECT_EQ(w.sheet.WizardButtonFlags(),
              unsigned(PropertySheet::WizardBack | PropertySheet::WizardNext));
    // Step 1 is written as soon as it is left.
    ExpectKeys({{"Element Type ", "Frame3D"}, {"DOF ", "6"}, {"Node/Element ", "2"},
                {"Project Title ", "Undefine "}});
    w.Next();
    EXPECT_EQ(w.sheet.GetActiveIndex(), 2);
    EXPECT_EQ(w.sheet.WizardButtonFlags(),
              unsigned(PropertySheet::WizardBack | PropertySheet::WizardFinish));
    EXPECT_TRUE(w.sheet.FinishButton()->isVisible());
    EXPECT_EQ(w.page3.Label(5021)->text(), "Structure Type : Frame3D");
    EXPECT_EQ(w.page3.Label(32934)->text(), "Undefine ");
    EXPECT_EQ(w.page3.Label(5023)->text(), "Default Length Unit : m\tDefault Force Unit : Kg");
    w.Finish();
    EXPECT_FALSE(w.sheet.isVisible());
    ExpectKeys({{"Current Length ", "m"}, {"Current Force ", "Kg"}});
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(NewProjectWizard, RefusedTypesShowTheMessageAndClearEveryButton)
{
    testsupport::TempDir dir;
    platform::MessageRecorder boxes;
    Wizard w;
    for (int id : {5001, 5003, 5004, 5005}) {
        boxes.Clear();
        w.Choose(w.page1.Radio(id));
        ASSERT_EQ(boxes.messages.size(), 1u) << id;
        EXPECT_EQ(boxes.messages[0].text,
                  "Sorry this version perform Frame3D or Truss3D Analysis only!");
        EXPECT_EQ(boxes.messages[0].caption, "KESTRA Information");
        EXPECT_EQ(boxes.messages[0].buttons, unsigned(platform::MB_OK));
        EXPECT_TRUE(NoTypeSelected(w.page1)) << id;
    }
    // The refused type string stays and is written when the step is left;
    // the degrees of freedom keep the Frame value.
    w.Choose(w.page1.Radio(5001));
    w.Next();
    ExpectKeys({{"Element Type ", "Plane"}, {"DOF ", "6"}});
}

TEST(NewProjectWizard, BackShowsUndefinedTitleAndTitleIsStored)
{
    testsupport::TempDir dir;
    Wizard w;
    w.page1.TitleEdit()->clear();
    QTest::keyClicks(w.page1.TitleEdit(), "Footbridge");
    w.Next();
    EXPECT_EQ(Key("Project Title "), "Footbridge");
    w.Back();
    EXPECT_EQ(w.sheet.GetActiveIndex(), 0);
    EXPECT_EQ(w.page1.TitleEdit()->text(), "Undefine ");
    // An emptied title is stored as "Undefine ".
    w.page1.TitleEdit()->clear();
    w.Next();
    EXPECT_EQ(Key("Project Title "), "Undefine ");
}

// Truss then Frame: the radios exclude each other and the last choice sets
// the degrees of freedom. Every unit is stored as its label, and the units
// stay when the type changes afterwards.
TEST(NewProjectWizard, TypeChoiceAndUnitsAreStoredAndKept)
{
    testsupport::TempDir dir;
    Wizard w;
    w.Choose(w.page1.Radio(5002));
    EXPECT_EQ(w.page1.Project().GetDof(), 3);
    w.Choose(w.page1.Radio(5000));
    EXPECT_FALSE(w.page1.Radio(5002)->isChecked());
    EXPECT_EQ(w.page1.Project().GetDof(), 6);
    w.Next();
    ExpectKeys({{"Element Type ", "Frame3D"}, {"DOF ", "6"}, {"Node/Element ", "2"}});
    const std::pair<int, const char*> units[] = {
        {5008, "Km"}, {5009, "m"},  {5010, "cm"}, {5011, "mm"}, {5012, "ft"},
        {5013, "in"}, {5014, "MN"}, {5015, "kN"}, {5016, "N"},  {5017, "T"},
        {5018, "Kg"}, {5019, "kip"}, {5020, "P"},
    };
    for (const auto& [id, label] : units) {
        w.Choose(w.page2.Radio(id));
        EXPECT_EQ(id <= 5013 ? w.page2.Project().GetLengthUnit() : w.page2.Project().GetForceUnit(), label);
    }
    EXPECT_EQ(w.page2.Radio(5013)->text(), "Inch");
    EXPECT_EQ(w.page2.Radio(5017)->text(), "Metric Ton");
    w.Choose(w.page2.Radio(5012)); // Foot
    w.Choose(w.page2.Radio(5015)); // KiloNewton
    EXPECT_TRUE(w.page2.Radio(5012)->isChecked());
    EXPECT_FALSE(w.page2.Radio(5009)->isChecked());
    EXPECT_TRUE(w.page2.Radio(5015)->isChecked());
    EXPECT_FALSE(w.page2.Radio(5018)->isChecked());
    w.Back();
    EXPECT_EQ(Key("Current Length "), "ft");
    w.Choose(w.page1.Radio(5002)); // Truss
    w.Next();
    w.Next();
    ExpectKeys({{"Element Type ", "Truss3D"}, {"DOF ", "3"}, {"Current Length ", "ft"},
                {"Current Force ", "kN"}});
    EXPECT_EQ(w.page3.Label(5021)->text(), "Structure Type : Truss3D");
    EXPECT_EQ(w.page3.Label(5023)->text(), "Default Length Unit : ft\tDefault Force Unit : kN");
}

TEST(NewProjectWizard, ToolTipsFollowTheSetting)
{
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "on" : "off");
        testsupport::TempDir dir;
        if (!on)
            platform::Profile::WriteString("KESTRA ", "Tool tip text ", "0");
        CNewProjectPage1 page;
        page.EnsureInitialized();
        EXPECT_EQ(page.HasToolTips(), on);
        const std::pair<int, const char*> tips[] = {
            {5000, "Frame Element Structure"}, {5001, "Plane Element Structure"},
            {5002, "Truss Element Structure"}, {5003, "Plate Element Structure"},
            {5004, "Shell Element Structure"}, {5005, "Solid Element Structure"},
            {5007, "Edit Project Title"}};
        for (const auto& [id, tip] : tips)
            EXPECT_EQ(page.GetDlgItem(id)->toolTip(), on ? tip : "") << id;
        if (on) {
            EXPECT_EQ(page.ToolTipColour(), QColor(0, 255, 225));
        }
        EXPECT_EQ(page.Project().GetElementType(), "Frame3D"); // still defaults to a frame
    }
}
