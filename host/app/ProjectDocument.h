// The host's one source of "what changed": the window's project document.
// It numbers the states of the model (a generation that grows with every
// change) and remembers the generation the results on disk were solved
// for. Commands, undo and redo, New/Open/Save as and the solver only tell
// the document; the docks, the view, the title and the status bar listen
// to its signals and refresh themselves.
//
// "Results out of date" is a comparison: results exist and were solved for
// another generation than the model's. An undo back to the solved state
// gives the solved generation back, so the results are current again.
#pragma once
#include <QObject>
#include <QString>

class ProjectDocument : public QObject {
    Q_OBJECT
public:
    // The notice shown wherever out-of-date results would otherwise be.
    static const char* const OutOfDateText; // "Results out of date - solve again"

    explicit ProjectDocument(QObject* parent = nullptr);

    unsigned long long Generation() const { return m_generation; }
    // Generation the results were solved for; 0 without results.
    unsigned long long ResultsGeneration() const { return m_resultsGeneration; }
    bool HasResults() const { return m_resultsGeneration != 0; }
    bool ResultsOutOfDate() const { return HasResults() && m_resultsGeneration != m_generation; }
    // Results that may be shown as current.
    bool ResultsCurrent() const { return HasResults() && m_resultsGeneration == m_generation; }

    // The model was edited: a new generation. Returns it. wholeModel: the
    // change may reach anything (a sheet, a wizard), not only what a bar
    // changed and redrew in place.
    unsigned long long Edited(bool wholeModel = false);
    // Nothing in the model changed but how it is shown may have (units,
    // names): everything shows it again.
    void Redisplay();
    // A recorded state came back (undo, redo): its generation again.
    void Restored(unsigned long long generation);
    // Another model is loaded (New, Open, Save as): a new generation; the
    // project's results on disk, when it has any, belong to it.
    void Replaced(bool solved);
    // The solver wrote results for the model as it is now.
    void Solved();
    // The results are gone (cleared, or a failed solve removed them).
    void ResultsCleared();

signals:
    // The model changed in any way: every dock, open sheet, the view and
    // the status bar refresh from it. replaced: the whole model may differ
    // (not only what a bar changed in place and has already redrawn).
    void modelChanged(bool replaced);
    // Results were written, cleared, or became out of date or current
    // again.
    void resultsChanged();

private:
    unsigned long long m_generation = 1;
    unsigned long long m_next = 2;
    unsigned long long m_resultsGeneration = 0;
};
