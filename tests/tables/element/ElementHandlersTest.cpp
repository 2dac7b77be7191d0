#include "ElementTestSupport.h"
#include "tables/PropertySheet.h"
#include "tables/element/ElementAssign.h"
#include "tables/element/ElementBar1.h"
#include "tables/element/ElementGen1.h"
#include "tables/element/ElementPage1.h"
#include "tables/element/ElementPage6.h"
#include "tables/element/ElementPage8.h"
#include "tables/node/CopyNodeDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include "tables/TablesTestSupport.h"
#include <functional>

using elementtest::ElementProject;

namespace {

class Handlers : public ElementProject {
protected:
    std::unique_ptr<CElementBar1> bar;
    bool asked = false;

    void SetUp() override
    {
        ElementProject::SetUp();
        geo->m_nodeTable = Line(6);
        geo->m_memberTable = Members({{1, 2}});
        bar = std::make_unique<CElementBar1>();
        bar->SetGeometry(geo.get());
        bar->Create();
        Select(1, 1);
    }
    // Answers the next modal dialog of type T.
    template <class T>
    void Answer(std::function<void(T*)> answer)
    {
        tablestest::AnswerModal<T>(answer, &asked);
    }
    // Answers the next sheet through its only page.
    template <class P>
    void AnswerSheet(std::function<void(P*)> fill, bool ok = true)
    {
        Answer<PropertySheet>([fill, ok](PropertySheet* sheet) {
            EXPECT_EQ(sheet->GetPageCount(), 1);
            if (auto* page = dynamic_cast<P*>(sheet->GetPage(0)))
                fill(page);
            if (ok)
                sheet->PressOk();
            else
                sheet->PressCancel();
        });
    }
};

TEST_F(Handlers, GenerateRunsTheElementGenneratePage)
{
    Answer<PropertySheet>([](PropertySheet* sheet) { EXPECT_EQ(sheet->Title(), "Element Gennerate"); });
    AnswerSheet<CElementGen1>([](CElementGen1* page) {
        EXPECT_EQ(page->Edit(12060)->text(), "   1");
        page->Edit(12032)->setText("2");
    });
    bar->OnGenerate();
    ASSERT_TRUE(asked);
    ASSERT_EQ(geo->m_memberTable.GetRows(), 3);
    EXPECT_EQ(geo->m_memberTable(3, 1), 3.0);
    EXPECT_EQ(geo->m_memberTable(3, 2), 4.0);
}

// The page shows the source member and its property; text that is no
// whole number is refused with a message, the page stays and the last good
// answers stand.
TEST_F(Handlers, GenerationPageRefusesAnythingButWholeNumbers)
{
    geo->m_memberTable = Members({{1, 2}, {2, 3}});
    geo->m_memberTable(2, 7) = 4;
    Select(2, 2);
    CElementGen1 page;
    page.m_geometry = geo.get();
    page.EnsureInitialized();
    page.OnSetActive();
    EXPECT_EQ(page.Edit(12060)->text(), "   2");
    EXPECT_EQ(page.Edit(12059)->text(), "   4");
    EXPECT_FALSE(page.Edit(12060)->isEnabled());
    page.Edit(12032)->setText("3");
    page.Edit(12024)->setText("2");
    page.OnOK();
    const MemberTableWorker::Generation g = page.Parameters();
    EXPECT_EQ(std::make_tuple(g.element, g.property, g.count, g.ratio, g.startIncrement), std::make_tuple(2, 4, 3, 2, 1));
    for (const char* bad : {"abc", "", "2.5x"}) {
        messages.Clear();
        page.Edit(12032)->setText(bad);
        EXPECT_FALSE(page.OnKillActive()) << bad;
        ASSERT_EQ(messages.messages.size(), 1u) << bad;
        EXPECT_EQ(messages.messages[0].text, std::string("Gen No.: \"") + bad + "\" is not a whole number.");
        EXPECT_EQ(page.Parameters().count, 3);
    }
}

TEST_F(Handlers, MirrorAndRotateTakeTheirPagesAnswers)
{
    AnswerSheet<CElementPage6>([](CElementPage6* page) { page->DistanceEdit()->setText("10"); });
    bar->OnMirror();
    ASSERT_TRUE(asked);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 8);
    EXPECT_EQ(geo->m_nodeTable(7, 1), 19.0);
    EXPECT_EQ(geo->m_nodeTable(8, 1), 18.0);
    EXPECT_TRUE(geo->m_geometryChanged);
    asked = false;
    AnswerSheet<CElementPage8>(
        [](CElementPage8* page) {
            page->Edit(3)->setText("90");
            page->ModeButton(1)->setChecked(true);
        },
        false);
    bar->OnRotate();
    ASSERT_TRUE(asked);
    EXPECT_EQ(geo->m_nodeTable(2, 3), 0.0); // Cancel: nothing turned
    asked = false;
    AnswerSheet<CElementPage8>([](CElementPage8* page) {
        page->Edit(3)->setText("90");
        page->ModeButton(1)->setChecked(true);
    });
    Select(1, 1);
    bar->OnRotate();
    ASSERT_TRUE(asked);
    // Move about Y through the origin: (1,0,0) -> (0,0,-1), (2,0,0) -> (0,0,-2).
    EXPECT_NEAR(geo->m_nodeTable(1, 3), -1.0, 1e-9);
    EXPECT_NEAR(geo->m_nodeTable(2, 3), -2.0, 1e-9);
}

TEST_F(Handlers, AssignmentOffersTheProjectsGroups)
{
    SetCount("Number Material ", 3);
    Answer<CElementAssign>([](CElementAssign* dialog) {
        EXPECT_EQ(dialog->ModeLabel()->text(), "Properties");
        EXPECT_EQ(dialog->List()->count(), 3);
        EXPECT_EQ(dialog->List()->itemText(2), "Group 3");
        dialog->SetGroup(3);
        dialog->accept();
    });
    bar->OnProperties();
    ASSERT_TRUE(asked);
    EXPECT_EQ(geo->m_memberTable(1, 7), 3.0);
    asked = false;
    Answer<CElementAssign>([](CElementAssign* dialog) { dialog->reject(); });
    bar->OnMemberRelease();
    ASSERT_TRUE(asked);
    EXPECT_EQ(geo->m_memberTable(1, 8), 0.0);
}

TEST_F(Handlers, PasteAndMoveAskForTheOffset)
{
    CElementPage1 page;
    page.SetGeometry(geo.get());
    page.EnsureInitialized();
    page.OnSetActive();
    page.OnCopy();
    Answer<CCopyNodeDlg>([](CCopyNodeDlg* dialog) {
        dialog->Field(12005)->setText("3");
        dialog->accept();
    });
    page.OnPaste();
    ASSERT_TRUE(asked);
    ASSERT_EQ(geo->m_memberTable.GetRows(), 2);
    EXPECT_EQ(geo->m_nodeTable(7, 3), 3.0);
    asked = false;
    Answer<CCopyNodeDlg>([](CCopyNodeDlg* dialog) { dialog->reject(); });
    page.OnMove();
    ASSERT_TRUE(asked);
    EXPECT_EQ(geo->m_nodeTable(1, 3), 0.0);
}

} // namespace
