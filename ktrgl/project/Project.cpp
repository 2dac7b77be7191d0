#include "project/Project.h"

#include <cstdio>

#include "platform/MessageBox.h"
#include "platform/Profile.h"

const char* const CProject::Section = "KESTRA ";
const char* const CProject::Undefined = "Undefine ";

namespace {

std::string ReadString(const char* key, int bufferSize)
{
    return platform::Profile::GetString(CProject::Section, key, CProject::Undefined, bufferSize);
}

int ReadInt(const char* key, int def)
{
    return platform::Profile::GetInt(CProject::Section, key, def);
}

bool Write(const char* key, const std::string& value)
{
    return platform::Profile::WriteString(CProject::Section, key, value);
}

bool Write(const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return platform::Profile::WriteString(CProject::Section, key, text);
}

} // namespace

CProject::CProject()
{
    ResetDefaults();
    Settings(false);
}

CProject::~CProject() = default;

void CProject::ResetDefaults()
{
    m_engineer = Undefined;
    m_location = Undefined;
    m_name = Undefined;
    m_forceUnit = Undefined;
    m_lengthUnit = Undefined;
    m_elementType = Undefined;
    m_title = Undefined;
    m_elementCount = 0;
    m_nodeCount = 0;
    m_materialCount = 0;
    m_releaseCount = 0;
    m_loadCaseCount = 0;
    m_dof = 0;
    m_nodesPerElement = 0;
    m_equationCount = 0;
    m_activeLoadCase = 1;
    m_solution = 0;
}

bool CProject::Settings(bool save)
{
    if (!save) {
        ResetDefaults();
        m_engineer = ReadString("engineer", 400);
        m_location = ReadString("File location ", 200);
        m_name = ReadString("Project name ", 200);
        m_elementType = ReadString("Element Type ", 200);
        m_lengthUnit = ReadString("Current Length ", 200);
        m_forceUnit = ReadString("Current Force ", 200);
        m_title = ReadString("Project Title ", 800);
        m_dof = ReadInt("DOF ", 0);
        m_nodesPerElement = ReadInt("Node/Element ", 0);
        m_equationCount = ReadInt("Total equation number ", 0);
        m_nodeCount = ReadInt("Node ", 0);
        m_elementCount = ReadInt(" Element ", 0);
        m_loadCaseCount = ReadInt("Number load case ", 0);
        m_materialCount = ReadInt("Number Material ", 0);
        m_activeLoadCase = ReadInt("LOADS CASE", 1);
        m_releaseCount = ReadInt("Number releases ", 0);
        m_solution = ReadInt("SOLUTION", 0);
        return true;
    }
    bool ok = Write("engineer", m_engineer);
    ok = Write("File location ", m_location) && ok;
    ok = Write("Project name ", m_name) && ok;
    ok = Write("Element Type ", m_elementType) && ok;
    ok = Write("Current Length ", m_lengthUnit) && ok;
    ok = Write("Current Force ", m_forceUnit) && ok;
    ok = Write("Project Title ", m_title) && ok;
    ok = Write("DOF ", m_dof) && ok;
    ok = Write("Node/Element ", m_nodesPerElement) && ok;
    ok = Write("Total equation number ", m_equationCount) && ok;
    ok = Write("Node ", m_nodeCount) && ok;
    ok = Write(" Element ", m_elementCount) && ok;
    ok = Write("Number load case ", m_loadCaseCount) && ok;
    ok = Write("Number Material ", m_materialCount) && ok;
    ok = Write("LOADS CASE", m_activeLoadCase) && ok;
    ok = Write("Number releases ", m_releaseCount) && ok;
    ok = Write("SOLUTION", m_solution) && ok;
    // One message for the settings file, however many keys failed.
    if (!ok)
        platform::MessageBox("Access file " + platform::Profile::FilePath(), "KESTRA detect error in operation ",
                             platform::MB_OK | platform::MB_ICONERROR);
    return WriteProjectFile() && ok;
}

std::string CProject::GetAreaUnit() const
{
    return m_lengthUnit + "^2";
}

std::string CProject::GetInertiaUnit() const
{
    return m_lengthUnit + "^4";
}

std::string CProject::GetStressUnit() const
{
    return m_forceUnit + "/" + GetAreaUnit();
}

std::string CProject::GetMomentUnit() const
{
    return m_forceUnit + "-" + m_lengthUnit;
}
