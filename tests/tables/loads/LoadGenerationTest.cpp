#include "LoadsTestSupport.h"
#include "tables/TablesTestSupport.h"
#include "tables/node/LoadGennerate.h"
#include "tables/node/NodeBar3.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <tuple>

using loadstest::LoadsProject;
using tablestest::ExpectEntries;

namespace {

class LoadGeneration : public LoadsProject {
protected:
    std::unique_ptr<CNodeBar3> bar;

    void OpenBarOnCase1(int nodes)
    {
        SetInt("Number load case ", 1);
        CdMatrix file(nodes, 6);
        file(2, 3) = 7.0;
        file(4, 3) = 7.0;
        ASSERT_TRUE(file.Save(CaseFile(1)));
        bar = std::make_unique<CNodeBar3>();
        bar->SetGeometry(geo.get());
        bar->Create();
        bar->OnDropdown();
        bar->CaseList()->setCurrentIndex(0);
        bar->OnCloseup();
    }
    static LoadCaseWorker::LoadGeneration Fz(double fz, int start, int step, int count, double ratio)
    {
        LoadCaseWorker::LoadGeneration g;
        g.values[2] = fz;
        g.start = start;
        g.step = step;
        g.count = count;
        g.ratio = ratio;
        return g;
    }
    static QString Text(CLoadGennerate& dialog, int id)
    {
        QWidget* w = dialog.Control(id);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        return "<missing>";
    }
};

} // namespace

TEST_F(LoadGeneration, EverySecondNodeFromNode1)
{
    geo->m_nodeTable = Line(5);
    OpenBarOnCase1(5);
    bar->GenerateLoads(Fz(-10.0, 1, 2, 3, 1.0));
    ExpectEntries(bar->Worker().Loads(), {{1, 3, -10}, {3, 3, -10}, {5, 3, -10}, {2, 3, 7}, {4, 3, 7}, {1, 1, 0}});
    ExpectEntries(ReadMatrix(CaseFile(1)), {{5, 3, -10}, {4, 3, 7}});
    EXPECT_EQ(bar->Grid()->GetTextMatrix(3, 3), "       -10");
    EXPECT_TRUE(geo->m_modelChanged);
}

TEST_F(LoadGeneration, RestrainedDofKeepsItsLoadAndRatioScales)
{
    geo->m_nodeTable = Line(5);
    geo->m_nodeTable(3, 6) = 0.0; // Z translation of node 3 restrained
    OpenBarOnCase1(5);
    bar->Worker().Loads()(3, 3) = 4.0;
    LoadCaseWorker::LoadGeneration g = Fz(-10.0, 1, 1, 4, 0.5);
    g.values[3] = 2.0; // Mx
    bar->GenerateLoads(g);
    ExpectEntries(bar->Worker().Loads(), {{3, 3, 4}, {3, 4, 1}, {2, 3, -5}, {4, 4, 1}, {5, 3, 0}});
    // Ratio 0 writes zeros at the free degrees of freedom.
    bar->GenerateLoads(Fz(-10.0, 2, 2, 2, 0.0));
    ExpectEntries(bar->Worker().Loads(), {{2, 3, 0}, {4, 3, 0}, {3, 3, 4}});
    EXPECT_EQ(ReadMatrix(CaseFile(1))(2, 3), 0.0);
}

TEST_F(LoadGeneration, NodesOutsideTheTableAndTrussMomentsAreSkipped)
{
    CdMatrix loads(4, 3);
    CdMatrix nodes = Line(4);
    LoadCaseWorker::LoadGeneration g = Fz(3.0, 3, 1, 5, 1.0);
    g.values[3] = 9.0;
    EXPECT_EQ(LoadCaseWorker::GenerateLoads(loads, nodes, g, 3), 6); // nodes 3, 4: Fx, Fy, Fz
    EXPECT_EQ(loads(4, 3), 3.0);
    EXPECT_EQ(loads(0, 0), 0.0); // nothing went to the spare slot

    // A negative step walks down and stops below node 1.
    CdMatrix down(4, 3);
    EXPECT_EQ(LoadCaseWorker::GenerateLoads(down, nodes, Fz(1.0, 4, -3, 5, 1.0), 3), 6);
    ExpectEntries(down, {{1, 3, 1}, {4, 3, 1}, {2, 3, 0}});
}

TEST_F(LoadGeneration, NothingWithoutAChosenCase)
{
    geo->m_nodeTable = Line(3);
    SetInt("Number load case ", 1);
    CNodeBar3 unchosen;
    unchosen.SetGeometry(geo.get());
    unchosen.Create();
    unchosen.GenerateLoads(Fz(-10.0, 1, 1, 3, 1.0));
    EXPECT_EQ(unchosen.Worker().Loads().GetRows(), 0);
    EXPECT_FALSE(Exists(CaseFile(1)));
    EXPECT_FALSE(geo->m_modelChanged);
}

// Typed in T and T-cm, kept in kgf and kgf-m as the load table; a truss has no moments.
TEST_F(LoadGeneration, DialogUnitsAndAnswers)
{
    SetProject("Frame3D", 6, "cm", "T");
    CLoadGennerate dialog;
    EXPECT_EQ(Text(dialog, 12067), "T-cm");
    LoadCaseWorker::LoadGeneration seed;
    seed.start = 4;
    seed.values[0] = 2000.0; // kgf: 2 T
    dialog.Seed(seed);
    EXPECT_EQ(Text(dialog, 12068), "4");
    EXPECT_EQ(Text(dialog, 12010), "2");
    const std::pair<int, const char*> typed[] = {{12012, "-12.5"}, {12015, "3"}, {12069, "1.5"}, {12032, "6"}, {12024, "2"}};
    for (const auto& [id, text] : typed)
        qobject_cast<QLineEdit*>(dialog.Control(id))->setText(text);
    dialog.accept();
    const LoadCaseWorker::LoadGeneration g = dialog.Parameters();
    EXPECT_DOUBLE_EQ(g.values[2], -12500.0);
    EXPECT_DOUBLE_EQ(g.values[5], 30.0);
    EXPECT_EQ(std::make_tuple(g.start, g.ratio, g.count, g.step), std::make_tuple(4, 1.5, 6, 2));

    SetProject("Truss3D", 3, "m", "Kg");
    CLoadGennerate truss;
    EXPECT_FALSE(truss.Control(12013)->isEnabled());
    EXPECT_TRUE(truss.Control(12012)->isEnabled());
}
