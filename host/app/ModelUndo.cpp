#include "ModelUndo.h"

#include <QApplication>
#include <QTimer>
#include <QUndoCommand>

#include "view/Geometry.h"

namespace {

// One recorded change: the model before and after it. The change has
// already happened when the command is pushed, so its first redo does
// nothing.
class SnapshotCommand : public QUndoCommand {
public:
    SnapshotCommand(ModelUndo& owner, ModelSnapshot before, ModelSnapshot after, const QString& text)
        : QUndoCommand(text), m_owner(owner), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void undo() override { m_owner.Apply(m_before); }
    void redo() override
    {
        if (m_first) {
            m_first = false;
            return;
        }
        m_owner.Apply(m_after);
    }

private:
    ModelUndo& m_owner;
    ModelSnapshot m_before;
    ModelSnapshot m_after;
    bool m_first = true;
};

} // namespace

ModelUndo::ModelUndo(CGeometry& geometry, QObject* parent) : QObject(parent), m_geometry(geometry)
{
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &ModelUndo::Watch);
}

ModelUndo::~ModelUndo() = default;

void ModelUndo::Reset()
{
    m_stack.clear();
    m_current = ModelSnapshot::Capture(m_geometry);
}

void ModelUndo::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled)
        m_current = ModelSnapshot::Capture(m_geometry);
}

bool ModelUndo::Checkpoint(const QString& text)
{
    if (!m_enabled || m_applying)
        return false;
    ModelSnapshot now = ModelSnapshot::Capture(m_geometry);
    if (now.SameAs(m_current))
        return false;
    if (now.folder != m_current.folder || now.name != m_current.name) {
        // Another project became current: its history starts here.
        m_stack.clear();
        m_current = std::move(now);
        return false;
    }
    ModelSnapshot before = std::move(m_current);
    m_current = now;
    m_stack.push(new SnapshotCommand(*this, std::move(before), std::move(now),
                                     text.isEmpty() ? tr("Table edit") : text));
    return true;
}

void ModelUndo::Undo()
{
    Checkpoint();
    m_stack.undo();
}

void ModelUndo::Redo()
{
    Checkpoint();
    m_stack.redo();
}

void ModelUndo::SetWatchInterval(int ms)
{
    if (ms > 0)
        m_timer->start(ms);
    else
        m_timer->stop();
}

void ModelUndo::Watch()
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    Checkpoint();
}

void ModelUndo::Apply(const ModelSnapshot& state)
{
    m_applying = true;
    std::string error;
    const bool ok = state.Restore(m_geometry, error);
    m_current = ModelSnapshot::Capture(m_geometry);
    m_applying = false;
    if (!ok)
        emit restoreFailed(QString::fromStdString(error));
    emit modelRestored();
}
