#include "tables/MenuResource.h"

#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <functional>
#include <memory>

namespace {

struct Item {
    int id;          // 0: a submenu starts (caption) or ends (no caption)
    const char* caption;
};

const Item kNode[] = {
    {ID_NODE_COPY, "Copy"},
    {ID_NODE_PASTE, "Paste"},
    {ID_NODE_DELETE, "Delete"},
    {ID_NODE_RENUMBER, "Re Number"},
    {ID_NODE_MOVE, "Move to"},
    {ID_NODE_ADDNEW, "Add New..."},
    {0, "Generate"},
    {ID_NODE_GENERATE_LINEAR, "Linear"},
    {0, nullptr},
    {ID_NODE_REFRESH, "Refresh"},
    {ID_NODE_PROPERTIES, "Properties..."},
    {ID_NODE_PRINT, "Print"},
    {ID_NODE_IMPORT, "Import"},
};

const Item kDof[] = {
    {ID_DOF_PLAN_XY, "X-Y Plan"},
    {ID_DOF_PLAN_YZ, "Y-Z Plan"},
    {ID_DOF_PLAN_XZ, "X-Z Plan"},
    {ID_DOF_PINNED, "Pinned Support"},
    {ID_DOF_FIXED, "Fixed Support"},
    {ID_DOF_FREE, "Free DOF"},
    {0, "Restraint..."},
    {ID_DOF_LOCK_FX, "Fx"},
    {ID_DOF_LOCK_FY, "Fy"},
    {ID_DOF_LOCK_FZ, "Fz"},
    {ID_DOF_LOCK_MX, "Mx"},
    {ID_DOF_LOCK_MY, "My"},
    {ID_DOF_LOCK_MZ, "Mz"},
    {0, nullptr},
    {ID_DOF_REFRESH, "Refresh"},
    {ID_DOF_PRINT, "Print"},
};

const Item kLoad[] = {
    {ID_LOAD_ADD, "Add load case"},
    {ID_LOAD_DELETE, "Delete load case"},
    {ID_LOAD_COPY, "Copy Loads..."},
    {ID_LOAD_PASTE, "Paste"},
    {ID_LOAD_GENERATE, "Gennerate"},
    {ID_LOAD_PRINT, "Print"},
    {0, "Restraint..."},
    {ID_DOF_LOCK_FX, "Fx"},
    {ID_DOF_LOCK_FY, "Fy"},
    {ID_DOF_LOCK_FZ, "Fz"},
    {ID_DOF_LOCK_MX, "Mx"},
    {ID_DOF_LOCK_MY, "My"},
    {ID_DOF_LOCK_MZ, "Mz"},
    {0, nullptr},
};

const Item kElement[] = {
    {ID_ELEMENT_COPY, "Copy"},
    {ID_ELEMENT_PASTE, "Paste"},
    {ID_ELEMENT_DELETE, "Delete"},
    {ID_ELEMENT_MOVE, "Move to"},
    {ID_ELEMENT_MIRROR, "Mirror...."},
    {ID_ELEMENT_ROTATE, "Rotation"},
    {ID_ELEMENT_REFRESH, "Refresh"},
    {ID_ELEMENT_ADDNEW, "Add New..."},
    {ID_ELEMENT_GENERATE, "Generate..."},
    {ID_ELEMENT_RENUMBER, "Re Number"},
    {ID_ELEMENT_RELEASE, "Release"},
    {ID_ELEMENT_PROPERTIES, "Properties..."},
    {ID_ELEMENT_PRINT, "Print"},
    {ID_ELEMENT_IMPORT, "Import"},
};

const Item kRef[] = {
    {ID_REF_PARALLEL_X, "Parallel  X"},
    {ID_REF_PARALLEL_Y, "Parallel  Y"},
    {ID_REF_PARALLEL_Z, "Parallel  Z"},
    {ID_REF_GENERATE, "Generate..."},
    {ID_REF_PRINT, "Print"},
};

const Item kSec[] = {
    {ID_SEC_COPY, "Copy"},
    {ID_SEC_PASTE, "Paste"},
    {ID_SEC_DELETE, "Delete"},
    {ID_SEC_ADDNEW, "Add New..."},
    {ID_SEC_PRINT, "Print"},
    {ID_SEC_IMPORT, "Import Properties"},
};

const Item kOutput[] = {
    {ID_OUTPUT_WORD, "Export Word"},
    {ID_OUTPUT_EXCEL, "Export Excel"},
};

template <size_t N>
void Build(QMenu* menu, const Item (&items)[N])
{
    QMenu* target = menu;
    for (const Item& item : items) {
        if (item.id == 0) {
            target = item.caption ? target->addMenu(QString::fromLatin1(item.caption)) : menu;
            continue;
        }
        QAction* action = target->addAction(QString::fromLatin1(item.caption));
        action->setData(item.id);
    }
}

} // namespace

QStringList MenuResource::PopupNames()
{
    return {"node", "DOF", "load", "element", "ref", "SEC", "Output"};
}

QMenu* MenuResource::CreatePopup(const QString& name, QWidget* parent)
{
    if (!PopupNames().contains(name))
        return nullptr;
    auto* menu = new QMenu(name, parent);
    if (name == "node")
        Build(menu, kNode);
    else if (name == "DOF")
        Build(menu, kDof);
    else if (name == "load")
        Build(menu, kLoad);
    else if (name == "element")
        Build(menu, kElement);
    else if (name == "ref")
        Build(menu, kRef);
    else if (name == "SEC")
        Build(menu, kSec);
    else
        Build(menu, kOutput);
    return menu;
}

int MenuResource::CommandId(const QAction* action)
{
    return action && !action->menu() ? action->data().toInt() : 0;
}

QAction* MenuResource::FindCommand(const QMenu* menu, int id)
{
    if (!menu)
        return nullptr;
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindCommand(sub, id))
                return found;
        } else if (CommandId(action) == id) {
            return action;
        }
    }
    return nullptr;
}

QList<int> MenuResource::CommandIds(const QMenu* menu)
{
    QList<int> ids;
    if (!menu)
        return ids;
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu())
            ids += CommandIds(sub);
        else if (CommandId(action) != 0)
            ids.append(CommandId(action));
    }
    return ids;
}

bool MenuResource::EnableCommand(const QMenu* menu, int id, bool enable)
{
    QAction* action = FindCommand(menu, id);
    if (!action)
        return false;
    action->setEnabled(enable);
    return true;
}

bool MenuResource::CheckCommand(const QMenu* menu, int id, bool check)
{
    QAction* action = FindCommand(menu, id);
    if (!action)
        return false;
    action->setCheckable(true);
    action->setChecked(check);
    return true;
}

bool MenuResource::RemoveCommand(QMenu* menu, int id)
{
    QAction* action = FindCommand(menu, id);
    if (!action)
        return false;
    // The action lives in the popup or one of its submenus.
    std::function<bool(QMenu*)> remove = [&](QMenu* m) {
        if (m->actions().contains(action)) {
            m->removeAction(action);
            return true;
        }
        for (QAction* a : m->actions())
            if (a->menu() && remove(a->menu()))
                return true;
        return false;
    };
    return remove(menu);
}

int MenuResource::TrackPopupMenu(QMenu* menu, const QPoint& globalPos)
{
    if (!menu)
        return 0;
    return CommandId(menu->exec(globalPos));
}

void MenuResource::RunPopupMenu(QMenu* menu, const QPoint& globalPos, const std::function<void(int)>& onCommand)
{
    std::unique_ptr<QMenu> owned(menu);
    const int id = TrackPopupMenu(owned.get(), globalPos);
    if (id != 0)
        onCommand(id);
}

void MenuResource::ConnectContextMenu(CMSFlexGrid* grid, QObject* context, const std::function<void(const QPoint&)>& show)
{
    QObject::connect(grid, &CMSFlexGrid::MouseDown, context, [show](short button, short, long, long) {
        if (button == 2)
            show(QCursor::pos());
    });
}
