#include "NodeTestSupport.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/TablesTestSupport.h"
#include "tables/node/LinearJointGenerate.h"
#include "tables/node/NodeBar1.h"
#include "tables/node/NodePage1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

using nodetest::NodeProject;

namespace {

class LinearGenerate : public NodeProject {
protected:
    static QLineEdit* Edit(CLinearJointGenerate& dialog, int id)
    {
        return qobject_cast<QLineEdit*>(dialog.Control(id));
    }
};

} // namespace

// Shown and typed in the project's length unit, kept in metres.
TEST_F(LinearGenerate, DialogSeedsAndAnswersInTheLengthUnit)
{
    SetProject("Frame3D", 6, "mm");
    CLinearJointGenerate dialog;
    NodeTableWorker::LinearGeneration seed;
    seed.start = 4;
    seed.dy = 0.25; // m
    dialog.Seed(seed);
    EXPECT_EQ(Edit(dialog, 12026)->text(), "250");
    EXPECT_EQ(Edit(dialog, 12026)->toolTip(), "Increment along Y");
    EXPECT_FALSE(Edit(dialog, 12031)->isEnabled());
    EXPECT_EQ(qobject_cast<QLabel*>(dialog.Control(12025))->text(), "X(mm)");
    Edit(dialog, 12028)->setText("2000");
    Edit(dialog, 12032)->setText("3");
    Edit(dialog, 12024)->setText("0.5");
    qobject_cast<QCheckBox*>(dialog.Control(12019))->setChecked(true);
    qobject_cast<QPushButton*>(dialog.Control(12034))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const NodeTableWorker::LinearGeneration g = dialog.Parameters();
    EXPECT_EQ(std::make_tuple(g.start, g.dx, g.dy, g.count, g.ratio), std::make_tuple(4, 2.0, 0.25, 3, 0.5));
    EXPECT_TRUE(g.restrained[5]);
    EXPECT_FALSE(g.restrained[0]);
}

TEST_F(LinearGenerate, CommandStartsFromTheCurrentRow)
{
    geo->m_nodeTable = Nodes({{0, 0, 0}, {1, 0, 0}});
    geo->m_nodeTable(2, 6) = 0.0;
    CNodePage1 page;
    page.SetGeometry(geo.get());
    page.OnSetActive();
    ShowActive(&page);
    page.Grid()->SetRow(2);
    bool asked = false;
    tablestest::AnswerModal<CLinearJointGenerate>([](CLinearJointGenerate* dialog) {
        EXPECT_EQ(qobject_cast<QLineEdit*>(dialog->Control(12031))->text(), "2");
        EXPECT_TRUE(qobject_cast<QCheckBox*>(dialog->Control(12016))->isChecked());
        qobject_cast<QLineEdit*>(dialog->Control(12028))->setText("2");
        qobject_cast<QLineEdit*>(dialog->Control(12032))->setText("3");
        qobject_cast<QPushButton*>(dialog->Control(12034))->click();
    }, &asked);
    page.OnCommand(ID_NODE_GENERATE_LINEAR);
    ASSERT_TRUE(asked);
    ASSERT_EQ(geo->m_nodeTable.GetRows(), 5);
    // Stepped from node 2 with its restraint.
    tablestest::ExpectEntries(geo->m_nodeTable, {{3, 1, 3}, {4, 1, 5}, {5, 1, 7}, {5, 6, 0}, {5, 5, 1}});
    EXPECT_EQ(page.Grid()->GetRows(), 6);
    EXPECT_EQ(page.Grid()->GetTextMatrix(5, 1), "7.000");

    // The bar: CANCEL generates nothing.
    CNodeBar1 bar;
    bar.SetGeometry(geo.get());
    bar.Create();
    ShowActive(&bar);
    bar.Grid()->SetRow(1);
    tablestest::AnswerModal<CLinearJointGenerate>(
        [](CLinearJointGenerate* dialog) { qobject_cast<QPushButton*>(dialog->Control(12033))->click(); });
    bar.OnLinearGenNode();
    EXPECT_EQ(geo->m_nodeTable.GetRows(), 5);
}
