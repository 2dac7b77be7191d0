#include "project/Project.h"

#include <cstdio>

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

void Write(const char* key, const std::string& value)
{
    platform::Profile::WriteString(CProject::Section, key, value);
}

void Write(const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    platform::Profile::WriteString(CProject::Section, key, text);
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

void CProject::Settings(bool save)
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
        return;
    }
    Write("engineer", m_engineer);
    Write("File location ", m_location);
    Write("Project name ", m_name);
    Write("Element Type ", m_elementType);
    Write("Current Length ", m_lengthUnit);
    Write("Current Force ", m_forceUnit);
    Write("Project Title ", m_title);
    Write("DOF ", m_dof);
    Write("Node/Element ", m_nodesPerElement);
    Write("Total equation number ", m_equationCount);
    Write("Node ", m_nodeCount);
    Write(" Element ", m_elementCount);
    Write("Number load case ", m_loadCaseCount);
    Write("Number Material ", m_materialCount);
    Write("LOADS CASE", m_activeLoadCase);
    Write("Number releases ", m_releaseCount);
    Write("SOLUTION", m_solution);
    WriteProjectFile();
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
