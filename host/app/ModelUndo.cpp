#include "ModelUndo.h"

#include <QApplication>
#include <QTimer>
#include <QUndoCommand>

#include "ProjectDocument.h"
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

    void SetAfterGeneration(unsigned long long generation) { m_after.generation = generation; }

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
    m_current.generation = m_document ? m_document->Generation() : 0;
}

void ModelUndo::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled) {
        m_current = ModelSnapshot::Capture(m_geometry);
        m_current.generation = m_document ? m_document->Generation() : 0;
    }
}

bool ModelUndo::Checkpoint(const QString& text, bool wholeModel)
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
    auto* command = new SnapshotCommand(*this, std::move(before), now, text.isEmpty() ? tr("Table edit") : text);
    m_stack.push(command);
    if (m_document) {
        // The new state's number goes with it into the history.
        const unsigned long long generation = m_document->Edited(wholeModel);
        m_current.generation = generation;
        command->SetAfterGeneration(generation);
    }
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
    if (m_holds > 0 || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    Checkpoint();
}

void ModelUndo::Apply(const ModelSnapshot& state)
{
    m_applying = true;
    std::string error;
    const bool ok = state.Restore(m_geometry, error);
    m_current = ModelSnapshot::Capture(m_geometry);
    m_current.generation = state.generation;
    m_applying = false;
    if (!ok)
        emit restoreFailed(QString::fromStdString(error));
    emit modelRestored();
    if (m_document)
        m_document->Restored(state.generation);
}
