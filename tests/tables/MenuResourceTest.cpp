#include "tables/MenuResource.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Entry = std::pair<int, std::string>;

std::vector<Entry> Items(const QMenu* menu)
{
    std::vector<Entry> items;
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            items.push_back({0, action->text().toStdString()});
            for (const Entry& sub : Items(action->menu()))
                items.push_back({sub.first, "> " + sub.second});
        } else {
            items.push_back({MenuResource::CommandId(action), action->text().toStdString()});
        }
    }
    return items;
}

std::unique_ptr<QMenu> Popup(const char* name)
{
    return std::unique_ptr<QMenu>(MenuResource::CreatePopup(name));
}

} // namespace

TEST(MenuResource, PopupsListTheirCommands)
{
    EXPECT_EQ(MenuResource::PopupNames(),
              QStringList({"node", "DOF", "load", "element", "ref", "SEC", "Output"}));
    EXPECT_EQ(MenuResource::CreatePopup("nodes"), nullptr);
    // The load popup, with its restraint submenu and its own spellings.
    const std::vector<Entry> load = {{32919, "Add load case"}, {32920, "Delete load case"}, {32936, "Copy Loads..."},
                                     {32937, "Paste"}, {32932, "Gennerate"}, {32955, "Print"}, {0, "Restraint..."},
                                     {32841, "> Fx"}, {32842, "> Fy"}, {32843, "> Fz"}, {32844, "> Mx"},
                                     {32845, "> My"}, {32846, "> Mz"}};
    EXPECT_EQ(Items(Popup("load").get()), load);
}
