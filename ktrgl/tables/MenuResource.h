// Menu 12000: the popup menus of the tables ("node", "DOF", "load",
// "element", "ref", "SEC", "Output"), built as QMenus whose actions carry
// their command id in data(). A page builds its popup for the context menu,
// greys and checks items by id, runs it at the mouse position and
// dispatches the chosen id to its handler.
#pragma once
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class CMSFlexGrid;
class QAction;
class QMenu;
class QObject;
class QWidget;

class MenuResource {
public:
    static constexpr int kMenuId = 12000;

    // The names of the popups, in menu order.
    static QStringList PopupNames();
    // A new popup (owned by parent); nullptr for an unknown name.
    static QMenu* CreatePopup(const QString& name, QWidget* parent = nullptr);

    // The item sending id, searched through the submenus; nullptr if none.
    static QAction* FindCommand(const QMenu* menu, int id);
    static int CommandId(const QAction* action);
    // Greying, checking and removing items by id; false when not found.
    static bool EnableCommand(const QMenu* menu, int id, bool enable);
    static bool CheckCommand(const QMenu* menu, int id, bool check);
    static bool RemoveCommand(QMenu* menu, int id);
    // Every item id of the popup and its submenus, in menu order.
    static QList<int> CommandIds(const QMenu* menu);

    // Shows the popup at a global position; the chosen id or 0.
    static int TrackPopupMenu(QMenu* menu, const QPoint& globalPos);
    // The tables' right-click: shows the popup (taking ownership of it, it is
    // deleted on return) and hands the chosen id, if any, to onCommand.
    static void RunPopupMenu(QMenu* menu, const QPoint& globalPos, const std::function<void(int)>& onCommand);
    // A right press in the grid calls show with the cursor's global position
    // for as long as context lives.
    static void ConnectContextMenu(CMSFlexGrid* grid, QObject* context, const std::function<void(const QPoint&)>& show);
};
