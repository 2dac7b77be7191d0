#include "ProjectDocument.h"

const char* const ProjectDocument::OutOfDateText = "Results out of date - solve again";

ProjectDocument::ProjectDocument(QObject* parent) : QObject(parent) {}

unsigned long long ProjectDocument::Edited(bool wholeModel)
{
    const bool wasCurrent = ResultsCurrent();
    m_generation = m_next++;
    emit modelChanged(wholeModel);
    if (wasCurrent)
        emit resultsChanged();
    return m_generation;
}

void ProjectDocument::Redisplay() { emit modelChanged(true); }

void ProjectDocument::Restored(unsigned long long generation)
{
    const bool wasCurrent = ResultsCurrent();
    m_generation = generation;
    emit modelChanged(true);
    if (wasCurrent != ResultsCurrent())
        emit resultsChanged();
}

void ProjectDocument::Replaced(bool solved)
{
    m_generation = m_next++;
    m_resultsGeneration = solved ? m_generation : 0;
    emit modelChanged(true);
    emit resultsChanged();
}

void ProjectDocument::Solved()
{
    m_resultsGeneration = m_generation;
    emit resultsChanged();
}

void ProjectDocument::ResultsCleared()
{
    if (m_resultsGeneration == 0)
        return;
    m_resultsGeneration = 0;
    emit resultsChanged();
}
