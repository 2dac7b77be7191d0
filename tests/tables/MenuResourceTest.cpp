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
    const std::vector<Entry> restraint = {{0, "Restraint..."}, {32841, "> Fx"}, {32842, "> Fy"}, {32843, "> Fz"},
                                          {32844, "> Mx"},         {32845, "> My"}, {32846, "> Mz"}};
    auto with = [](std::vector<Entry> head, const std::vector<Entry>& tail, std::vector<Entry> end = {}) {
        head.insert(head.end(), tail.begin(), tail.end());
        head.insert(head.end(), end.begin(), end.end());
        return head;
    };
    const std::pair<const char*, std::vector<Entry>> popups[] = {
        {"node", {{32771, "Copy"}, {32772, "Paste"}, {32773, "Delete"}, {32774, "Re Number"}, {32795, "Move to"},
                  {32781, "Add New..."}, {0, "Generate"}, {32830, "> Linear"}, {32793, "Refresh"},
                  {32789, "Properties..."}, {32938, "Print"}, {32957, "Import"}}},
        {"DOF", with({{32810, "X-Y Plan"}, {32811, "Y-Z Plan"}, {32812, "X-Z Plan"}, {32809, "Pinned Support"},
                      {32808, "Fixed Support"}, {32847, "Free DOF"}},
                     restraint, {{32793, "Refresh"}, {32939, "Print"}})},
        {"load", with({{32919, "Add load case"}, {32920, "Delete load case"}, {32936, "Copy Loads..."},
                       {32937, "Paste"}, {32932, "Gennerate"}, {32955, "Print"}},
                      restraint)},
        {"element", {{32782, "Copy"}, {32783, "Paste"}, {32784, "Delete"}, {32840, "Move to"}, {32934, "Mirror...."},
                     {32941, "Rotation"}, {32794, "Refresh"}, {32785, "Add New..."}, {32780, "Generate..."},
                     {32786, "Re Number"}, {32935, "Release"}, {32790, "Properties..."}, {32952, "Print"},
                     {32958, "Import"}}},
        {"ref", {{32892, "Parallel  X"}, {32893, "Parallel  Y"}, {32894, "Parallel  Z"}, {32895, "Generate..."},
                 {32953, "Print"}}},
        {"SEC", {{32782, "Copy"}, {32783, "Paste"}, {32784, "Delete"}, {32785, "Add New..."}, {32954, "Print"},
                 {32956, "Import Properties"}}},
        {"Output", {{32949, "Export Word"}, {32948, "Export Excel"}}},
    };
    for (const auto& [name, items] : popups) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Items(Popup(name).get()), items);
    }
}
