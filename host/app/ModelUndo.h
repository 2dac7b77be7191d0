// Undo and redo of table commands. The library's tables change the model in
// place from their own menus, grids and dialogs, so the host keeps the last
// recorded state of the model (ModelSnapshot) and, after every forwarded
// command and at short intervals while no dialog is open, compares the
// model with it: a difference becomes one QUndoCommand holding the state
// before and after. Undo and redo put a state back and tell the host to
// rebuild the view and refill the tables. Opening or creating a project
// starts a new history.
#pragma once
#include <QObject>
#include <QString>
#include <QUndoStack>

#include "ModelSnapshot.h"

class CGeometry;
class ProjectDocument;
class QTimer;

class ModelUndo : public QObject {
    Q_OBJECT
public:
    explicit ModelUndo(CGeometry& geometry, QObject* parent = nullptr);
    ~ModelUndo() override;

    QUndoStack* Stack() { return &m_stack; }

    // A new history whose first state is the model as it is now.
    void Reset();
    // The document told of every recorded change and every state put
    // back (it numbers the states); may be null.
    void SetDocument(ProjectDocument* document) { m_document = document; }

    // Records the change since the last state as one step named text and
    // tells the document. wholeModel: the change may reach anything (a
    // sheet, a wizard) rather than what a bar changed and redrew in place.
    // True when there was a change.
    bool Checkpoint(const QString& text = QString(), bool wholeModel = false);
    // Records what is pending, then steps back or forward.
    void Undo();
    void Redo();

    // Periodic checks (interval in ms; 0 stops them). Checks are skipped
    // while a modal dialog or a popup menu is open, and while held: a
    // command that runs its own dialog (a sheet, a wizard) holds them until
    // it records its one step, so that nothing it does in between becomes
    // a step of its own.
    void SetWatchInterval(int ms);
    void HoldWatch() { ++m_holds; }
    void ReleaseWatch() { m_holds = m_holds > 0 ? m_holds - 1 : 0; }
    // Whether changes are recorded at all (off while no project is open).
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return m_enabled; }

    // Puts a state back (used by the undo commands).
    void Apply(const ModelSnapshot& state);

signals:
    // A state was put back: the view and the tables must show it.
    void modelRestored();
    // A restore failed; the message says why.
    void restoreFailed(const QString& message);

private:
    void Watch();

    CGeometry& m_geometry;
    ProjectDocument* m_document = nullptr;
    QUndoStack m_stack;
    ModelSnapshot m_current;
    QTimer* m_timer = nullptr;
    bool m_enabled = false;
    bool m_applying = false;
    int m_holds = 0;
};
