#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Profile.h"
#include "project/Project.h"
#include "support/TempDir.h"

using testsupport::TempDir;

TEST(ProjectSettings, SaveWritesAllSeventeenKeysInOrder)
{
    TempDir dir;
    CProject p;
    p.Settings(true);   // nothing changed: still every key
    EXPECT_EQ(TempDir::Read(dir.Ini()),
              "[KESTRA ]\nengineer=Undefine \nFile location =Undefine \nProject name =Undefine \n"
              "Element Type =Undefine \nCurrent Length =Undefine \nCurrent Force =Undefine \n"
              "Project Title =Undefine \nDOF =0\nNode/Element =0\nTotal equation number =0\nNode =0\n"
              " Element =0\nNumber load case =0\nNumber Material =0\nLOADS CASE=1\n"
              "Number releases =0\nSOLUTION=0\n");
}

TEST(ProjectSettings, EveryFieldRoundTripsThroughItsOwnKey)
{
    TempDir dir;
    {
        CProject p;
        const char* texts[] = {"A. Engineer", "/data/", "Bridge", "kN", "m", "Frame3D", "Footbridge"};
        std::string* fields[] = {&p.GetEngineer(), &p.GetLocation(), &p.GetName(), &p.GetForceUnit(),
                                 &p.GetLengthUnit(), &p.GetElementType(), &p.GetTitle()};
        for (int i = 0; i < 7; ++i)
            *fields[i] = texts[i];
        int n = 1; // distinct numbers: 1 to 10, the solution state negative
        for (int* f : {&p.GetElementCount(), &p.GetNodeCount(), &p.GetMaterialCount(),
                       &p.GetReleaseCount(), &p.GetLoadCaseCount(), &p.GetDof(),
                       &p.GetNodesPerElement(), &p.GetEquationCount(), &p.GetActiveLoadCase()})
            *f = n++;
        p.GetSolution() = -5;
        p.Settings(true);
    }
    const std::string ini = TempDir::Read(dir.Ini());
    for (const char* line : {" Element =1\n", "Node =2\n", "Number Material =3\n", "Number releases =4\n",
                             "Number load case =5\n", "DOF =6\n", "Node/Element =7\n",
                             "Total equation number =8\n", "LOADS CASE=9\n", "SOLUTION=-5\n",
                             "Current Force =kN\n", "Current Length =m\n", "Project Title =Footbridge\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;
    CProject q;
    EXPECT_EQ(q.GetEngineer() + "|" + q.GetLocation() + "|" + q.GetName() + "|" + q.GetForceUnit() +
                  "|" + q.GetLengthUnit() + "|" + q.GetElementType() + "|" + q.GetTitle(),
              "A. Engineer|/data/|Bridge|kN|m|Frame3D|Footbridge");
    std::vector<int> numbers;
    for (int v : {q.GetElementCount(), q.GetNodeCount(), q.GetMaterialCount(), q.GetReleaseCount(),
                  q.GetLoadCaseCount(), q.GetDof(), q.GetNodesPerElement(), q.GetEquationCount(),
                  q.GetActiveLoadCase(), q.GetSolution()})
        numbers.push_back(v);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, -5}));
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
    EXPECT_EQ(p.GetActiveLoadCase(), 1);
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
