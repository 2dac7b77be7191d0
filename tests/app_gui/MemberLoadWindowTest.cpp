// The window with member loads and combinations: the active loads list
// offers the cases and then the combinations, a combination greys the load
// bars and its result tables read record N + c, and a member load typed in
// the bar is undone with the other tables.
#include <QComboBox>

#include "GuiSupport.h"
#include "tables/element/MemberLoadBar.h"
#include "tables/node/ActiveLoadCase.h"
#include "tables/node/NodePage3.h"

namespace fs = std::filesystem;

TEST(MemberLoadWindow, CombinationsAreChosenLikeCasesAndLockTheLoadBars)
{
    testsupport::TempDir tmp;
    auto window = guitest::OpenWindow(guitest::Write(tmp, DemoProjects::BuildingFrame()));
    QString message;
    ASSERT_TRUE(window->SolveProject(&message)) << message.toStdString();
    // One combination: twice case 1. Its record N + 1 as a solver writes it.
    CProject project;
    const int n = project.GetLoadCaseCount();
    ASSERT_GE(n, 1);
    CdMatrix factors(1, n);
    factors(1, 1) = 2.0;
    const std::string base = project.GetLocation() + project.GetName();
    ASSERT_TRUE(factors.Save(base + ".cmb"));
    CdMatrix case1;
    ASSERT_TRUE(case1.LoadRecord(1, base + ".disn"));
    for (const char* ext : {".disn", ".sys", ".dise", ".elf"}) {
        CdMatrix record;
        ASSERT_TRUE(record.LoadRecord(1, base + ext));
        record *= 2.0;
        ASSERT_TRUE(record.SaveRecord(n + 1, base + ext));
    }
    window->Docks()->RefreshAll();
    auto* active = window->Docks()->BarOf<CActiveLoadCase>("activeLoadCase");
    ASSERT_NE(active, nullptr);
    ASSERT_EQ(active->List()->count(), n + 1);
    EXPECT_EQ(active->List()->itemText(0), "Load case:1");
    EXPECT_EQ(active->List()->itemText(n), "Combination 1");
    // Chosen from the list: the load bars only show, the tables read N + 1.
    active->List()->setCurrentIndex(n);
    emit active->List()->activated(n);
    EXPECT_EQ(CProject().GetActiveLoadCase(), n + 1);
    auto* memberLoads = window->Docks()->BarOf<CMemberLoadBar>("memberLoadBar");
    ASSERT_NE(memberLoads, nullptr);
    EXPECT_FALSE(memberLoads->isEnabled());
    EXPECT_FALSE(window->Docks()->Find("nodeBar3")->bar->isEnabled());
    EXPECT_TRUE(window->SetViewMode(CGeometry::ModeDisplaced));
    CNodePage3 page;
    page.SetGeometry(&window->Geometry());
    page.EnsureInitialized();
    ASSERT_EQ(page.Result().GetRows(), case1.GetRows());
    for (int i = 1; i <= case1.GetRows(); ++i)
        EXPECT_EQ(page.Result()(i, 2), 2.0 * case1(i, 2)) << "node " << i;
    // Back to case 1: a member load typed in the bar, then undone.
    ASSERT_TRUE(window->SetActiveLoadCase(1));
    EXPECT_TRUE(memberLoads->isEnabled());
    const std::string file = base + ".mld1";
    const bool had = fs::exists(file);
    const std::string before = had ? testsupport::TempDir::Read(file) : std::string();
    window->Undo()->Checkpoint();
    const int rows = memberLoads->Table().Rows();
    memberLoads->Panel()->OnAdd();
    memberLoads->Panel()->StoreCell(rows + 1, 6, "-12");
    ASSERT_EQ(memberLoads->Table().Rows(), rows + 1);
    EXPECT_TRUE(window->Undo()->Checkpoint("Member load"));
    window->Undo()->Undo();
    EXPECT_EQ(fs::exists(file), had);
    EXPECT_EQ(had ? testsupport::TempDir::Read(file) : std::string(), before);
    window->Docks()->RefreshAll();
    EXPECT_EQ(memberLoads->Table().Rows(), rows);
    guitest::Discard(*window);
    window->close();
}
