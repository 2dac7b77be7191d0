// Project summary, clearing of results and the solver's scratch files.
#include "project/Project.h"

#include <cstdio>
#include <unistd.h>

#include "platform/MessageBox.h"

namespace {

CProject::DeleteFileHook g_deleteHook = nullptr;

std::string Format(const char* format, int value)
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

CProject::DeleteFileHook CProject::SetDeleteFileHook(DeleteFileHook hook)
{
    DeleteFileHook previous = g_deleteHook;
    g_deleteHook = hook;
    return previous;
}

void CProject::DeleteFile(const std::string& path)
{
    if (g_deleteHook)
        g_deleteHook(path);
    else
        ::unlink(path.c_str());   // files only; a missing one is simply skipped
}

std::string CProject::DetailText() const
{
    std::string text;
    text += "Project name\t\t\t: " + m_name + "\n";
    text += "Project location\t\t\t: " + m_location + "\n";
    text += "Structural engineer\t\t\t: " + m_engineer + "\n";
    text += "Element type\t\t\t: " + m_elementType + "\n";
    text += "Force unit\t\t\t\t: " + m_forceUnit + "\n";
    text += "Length unit\t\t\t: " + m_lengthUnit + "\n";
    text += Format("Total node\t\t\t= %d\tnode\n", m_nodeCount);
    text += Format("Total element\t\t\t= %d\telement\n", m_elementCount);
    text += Format("Total property\t\t\t= %d\tgrop\n", m_materialCount);
    text += Format("Total loads\t\t\t= %d\tcase\n", m_loadCaseCount);
    text += "\ndetail\t\t\t:\t" + m_title;
    return text;
}

void CProject::ShowDetail()
{
    platform::MessageBox(DetailText(), m_name + " detail", platform::MB_OK);
}

std::vector<std::string> CProject::TempFileNames()
{
    return {"temp.con", "temp.ch",  "temp.id", "temp.lc", "temp.lm", "temp.stf",
            "temp.dis", "temp.lod", "dcos",    "ke",      "kl",      "temp.dcom"};
}

std::vector<std::string> CProject::ResultFilePaths() const
{
    const std::string base = m_location + m_name;
    return {base,          base + ".stf", base + ".dise", base + ".disn",
            base + ".elf", base + ".err", base + ".sys"};
}

void CProject::DeleteTempFiles()
{
    for (const std::string& name : TempFileNames())
        DeleteFile(m_location + name);
}

void CProject::ClearResults()
{
    DeleteTempFiles();
    for (const std::string& path : ResultFilePaths())
        DeleteFile(path);
    m_solution = 0;
    Settings(true);
}
