#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Profile.h"
#include "project/Project.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

// Key lines of the settings file in the order they appear.
std::vector<std::string> KeyLines(const std::string& text)
{
    std::vector<std::string> keys;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            keys.push_back(line.substr(0, eq));
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return keys;
}

} // namespace

TEST(ProjectSettings, NoSettingsFileGivesDefaults)
{
    TempDir dir;
    CProject p;
    for (const std::string* s : {&p.GetEngineer(), &p.GetLocation(), &p.GetName(),
                                 &p.GetForceUnit(), &p.GetLengthUnit(), &p.GetElementType(),
                                 &p.GetTitle()})
        EXPECT_EQ(*s, "Undefine ");
    for (int* n : {&p.GetElementCount(), &p.GetNodeCount(), &p.GetMaterialCount(),
                   &p.GetReleaseCount(), &p.GetLoadCaseCount(), &p.GetDof(),
                   &p.GetNodesPerElement(), &p.GetEquationCount(), &p.GetSolution()})
        EXPECT_EQ(*n, 0);
    EXPECT_EQ(p.GetActiveLoadCase(), 1);
}

TEST(ProjectSettings, SaveWritesAllSeventeenKeysInOrder)
{
    TempDir dir;
    CProject p;
    p.Settings(true);   // nothing changed: still every key
    const std::vector<std::string> expected = {
        "engineer", "File location ", "Project name ", "Element Type ", "Current Length ",
        "Current Force ", "Project Title ", "DOF ", "Node/Element ", "Total equation number ",
        "Node ", " Element ", "Number load case ", "Number Material ", "LOADS CASE",
        "Number releases ", "SOLUTION"};
    EXPECT_EQ(KeyLines(TempDir::Read(dir.Ini())), expected);
    const std::string ini = TempDir::Read(dir.Ini());
    EXPECT_NE(ini.find("engineer=Undefine \n"), std::string::npos);
    EXPECT_NE(ini.find("LOADS CASE=1\n"), std::string::npos);
    EXPECT_NE(ini.find(" Element =0\n"), std::string::npos);
}

TEST(ProjectSettings, EveryFieldRoundTripsThroughItsOwnKey)
{
    TempDir dir;
    {
        CProject p;
        p.GetEngineer() = "A. Engineer";
        p.GetLocation() = dir.Folder();
        p.GetName() = "Bridge";
        p.GetForceUnit() = "kN";
        p.GetLengthUnit() = "m";
        p.GetElementType() = "Frame3D";
        p.GetTitle() = "Footbridge over the river";
        p.GetElementCount() = 7;
        p.GetNodeCount() = 8;
        p.GetMaterialCount() = 2;
        p.GetReleaseCount() = 3;
        p.GetLoadCaseCount() = 4;
        p.GetDof() = 6;
        p.GetNodesPerElement() = 2;
        p.GetEquationCount() = 36;
        p.GetActiveLoadCase() = 3;
        p.GetSolution() = -5;
        p.Settings(true);
    }
    using platform::Profile;
    EXPECT_EQ(Profile::GetString("KESTRA ", " Element ", "", 200), "7");
    EXPECT_EQ(Profile::GetString("KESTRA ", "Number Material ", "", 200), "2");
    EXPECT_EQ(Profile::GetString("KESTRA ", "Current Force ", "", 200), "kN");
    EXPECT_EQ(Profile::GetString("KESTRA ", "SOLUTION", "", 200), "-5");
    CProject q;
    EXPECT_EQ(q.GetEngineer(), "A. Engineer");
    EXPECT_EQ(q.GetLocation(), dir.Folder());
    EXPECT_EQ(q.GetName(), "Bridge");
    EXPECT_EQ(q.GetForceUnit(), "kN");
    EXPECT_EQ(q.GetLengthUnit(), "m");
    EXPECT_EQ(q.GetElementType(), "Frame3D");
    EXPECT_EQ(q.GetTitle(), "Footbridge over the river");
    EXPECT_EQ(q.GetElementCount(), 7);
    EXPECT_EQ(q.GetNodeCount(), 8);
    EXPECT_EQ(q.GetMaterialCount(), 2);
    EXPECT_EQ(q.GetReleaseCount(), 3);
    EXPECT_EQ(q.GetLoadCaseCount(), 4);
    EXPECT_EQ(q.GetDof(), 6);
    EXPECT_EQ(q.GetNodesPerElement(), 2);
    EXPECT_EQ(q.GetEquationCount(), 36);
    EXPECT_EQ(q.GetActiveLoadCase(), 3);
    EXPECT_EQ(q.GetSolution(), -5);
}

TEST(ProjectSettings, ReadCutsToBufferAndAppliesIntegerRule)
{
    TempDir dir;
    using platform::Profile;
    Profile::WriteString("KESTRA ", "engineer", std::string(500, 'e'));
    Profile::WriteString("KESTRA ", "Project Title ", std::string(900, 't'));
    Profile::WriteString("KESTRA ", "Project name ", std::string(250, 'n'));
    Profile::WriteString("KESTRA ", "Node ", "x12");
    Profile::WriteString("KESTRA ", " Element ", "  42abc");
    Profile::WriteString("KESTRA ", "LOADS CASE", "");
    CProject p;
    EXPECT_EQ(p.GetEngineer(), std::string(399, 'e'));
    EXPECT_EQ(p.GetTitle(), std::string(799, 't'));
    EXPECT_EQ(p.GetName(), std::string(199, 'n'));
    EXPECT_EQ(p.GetNodeCount(), 0);
    EXPECT_EQ(p.GetElementCount(), 42);
    EXPECT_EQ(p.GetActiveLoadCase(), 0);   // key present but not a number
}

TEST(ProjectSettings, ReadResetsFieldsTheFileDoesNotHold)
{
    TempDir dir;
    CProject p;
    p.GetNodeCount() = 9;
    p.GetTitle() = "changed in memory";
    p.Settings(false);
    EXPECT_EQ(p.GetNodeCount(), 0);
    EXPECT_EQ(p.GetTitle(), "Undefine ");
}

TEST(ProjectSettings, TwoObjectsLastSaveWinsForEveryKey)
{
    TempDir dir;
    CProject a, b;
    a.GetNodeCount() = 5;
    b.GetElementCount() = 3;
    a.Settings(true);
    b.Settings(true);
    CProject c;
    EXPECT_EQ(c.GetNodeCount(), 0);
    EXPECT_EQ(c.GetElementCount(), 3);
}

TEST(ProjectUnits, LabelsFromForceAndLength)
{
    TempDir dir;
    CProject p;
    EXPECT_EQ(p.GetAreaUnit(), "Undefine ^2");
    p.GetForceUnit() = "F";
    p.GetLengthUnit() = "L";
    EXPECT_EQ(p.GetAreaUnit(), "L^2");
    EXPECT_EQ(p.GetInertiaUnit(), "L^4");
    EXPECT_EQ(p.GetStressUnit(), "F/L^2");
    EXPECT_EQ(p.GetMomentUnit(), "F-L");
}

TEST(ProjectSettings, SaveWithoutProjectFileLeavesNone)
{
    TempDir dir;
    CProject p;
    p.GetLocation() = dir.Folder();
    p.GetName() = "Frame1";
    p.Settings(true);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Frame1.KTR")));
    EXPECT_TRUE(std::filesystem::exists(dir.Ini()));
    CProject q;
    EXPECT_EQ(q.GetName(), "Frame1");
}
