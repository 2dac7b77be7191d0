// The project file F + N + ".KTR": the 17 project settings in archive form.
#include "project/Archive.h"
#include "project/Project.h"

#include "platform/MessageBox.h"
#include "platform/Trace.h"

#include <sys/stat.h>

void CProject::WriteRecord(CArchive& ar)
{
    ar << m_engineer << m_location << m_name << m_elementType << m_forceUnit << m_lengthUnit
       << m_title;
    ar << m_dof << m_nodesPerElement << m_equationCount << m_nodeCount << m_elementCount
       << m_loadCaseCount << m_materialCount << m_activeLoadCase << m_releaseCount
       << m_solution;
}

bool CProject::ReadRecord(CArchive& ar)
{
    // Each read stops at the first damage; the fields after it keep the
    // defaults they were given by ResetDefaults.
    return ar.ReadString(m_engineer) && ar.ReadString(m_location) && ar.ReadString(m_name) &&
           ar.ReadString(m_elementType) && ar.ReadString(m_forceUnit) &&
           ar.ReadString(m_lengthUnit) && ar.ReadString(m_title) && ar.ReadInt(m_dof) &&
           ar.ReadInt(m_nodesPerElement) && ar.ReadInt(m_equationCount) &&
           ar.ReadInt(m_nodeCount) && ar.ReadInt(m_elementCount) &&
           ar.ReadInt(m_loadCaseCount) && ar.ReadInt(m_materialCount) &&
           ar.ReadInt(m_activeLoadCase) && ar.ReadInt(m_releaseCount) && ar.ReadInt(m_solution);
}

void CProject::TakePathFrom(const CArchive& ar)
{
    // Folder keeps its trailing '/', so paths stay folder + file name.
    const std::string fileName = ar.GetFileName();
    m_location = ar.GetFolder();
    m_name = fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

bool CProject::WriteProjectFile()
{
    const std::string path = GetProjectFilePath();
    CArchive ar(CArchive::store, path);
    WriteRecord(ar);
    // The project file is created by the host when a project is saved; here
    // it is only ever rewritten (atomically: a failed write keeps the old).
    if (ar.WriteFile(false))
        return true;
    platform::Trace("Unable to open file\n");
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        platform::MessageBox("Access file " + path, "KESTRA detect error in operation ",
                             platform::MB_OK | platform::MB_ICONERROR);
        return false;
    }
    return true;
}

void CProject::SaveToArchive(CArchive& ar)
{
    Settings(false);
    m_name = ar.GetFileTitle();
    m_location = ar.GetFolder();
    WriteRecord(ar);
}

bool CProject::LoadFromArchive(CArchive& ar)
{
    ResetDefaults();
    if (!ReadRecord(ar))
        return false;
    TakePathFrom(ar);
    Settings(true);
    return true;
}
