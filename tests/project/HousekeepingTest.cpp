#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "project/Project.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

const std::vector<std::string> kScratch = {"temp.con", "temp.ch",  "temp.id", "temp.lc",
                                           "temp.lm",  "temp.stf", "temp.dis", "temp.lod",
                                           "dcos",     "ke",       "kl",      "temp.dcom"};
const std::vector<std::string> kResults = {"", ".stf", ".dise", ".disn", ".elf", ".err", ".sys"};

} // namespace

TEST(ProjectDetail, SummaryTextAndCaption)
{
    TempDir dir;
    platform::MessageRecorder box;
    TempDir::Write(dir.Ini(), "[KESTRA ]\nengineer=Ann\nFile location =/data/Bridge/\nProject name =Bridge\n"
                              "Element Type =Truss3D\nCurrent Length =m\nCurrent Force =kN\n"
                              "Project Title =Truss over the river\nNode =12\n Element =21\n"
                              "Number load case =3\nNumber Material =2\n");
    CProject p;
    p.ShowDetail();
    ASSERT_EQ(box.messages.size(), 1u);
    EXPECT_EQ(box.messages[0].caption, "Bridge detail");
    EXPECT_EQ(box.messages[0].buttons, unsigned(platform::MB_OK));
    EXPECT_EQ(box.messages[0].text,
              "Project name\t\t\t: Bridge\n"
              "Project location\t\t\t: /data/Bridge/\n"
              "Structural engineer\t\t\t: Ann\n"
              "Element type\t\t\t: Truss3D\n"
              "Force unit\t\t\t\t: kN\n"
              "Length unit\t\t\t: m\n"
              "Total node\t\t\t= 12\tnode\n"
              "Total element\t\t\t= 21\telement\n"
              "Total property\t\t\t= 2\tgrop\n"
              "Total loads\t\t\t= 3\tcase\n"
              "\ndetail\t\t\t:\tTruss over the river");
}

TEST(ProjectHousekeeping, ClearResultsRemovesOnlyItsFilesFromDisk)
{
    TempDir dir;
    {
        CProject setup;
        setup.GetNodeCount() = 5;
        setup.Settings(true);
    }
    CProject p;
    p.GetLocation() = dir.Folder();
    p.GetName() = "Frame1";
    p.GetSolution() = 1;
    for (const auto& n : kScratch)
        TempDir::Write(dir.File(n), "s");
    for (const auto& e : kResults)
        TempDir::Write(dir.File("Frame1" + e), "r");
    const std::vector<std::string> kept = {"Frame1.pro", "Frame1.res", "Frame1.lod1",
                                           "Frame1.nod", "temp.xyz", "Frame1.KTR"};
    for (const auto& n : kept)
        TempDir::Write(dir.File(n), "k");
    p.ClearResults();
    for (const auto& n : kScratch)
        EXPECT_FALSE(std::filesystem::exists(dir.File(n))) << n;
    for (const auto& e : kResults)
        EXPECT_FALSE(std::filesystem::exists(dir.File("Frame1" + e))) << e;
    for (const auto& n : kept)
        EXPECT_TRUE(std::filesystem::exists(dir.File(n))) << n;
    // The project file was rewritten with solution state 0 (the last int32).
    const std::string ktr = TempDir::Read(dir.File("Frame1.KTR"));
    ASSERT_GE(ktr.size(), 4u);
    EXPECT_EQ(ktr.substr(ktr.size() - 4), std::string(4, '\0'));
    // ... and the settings with it, from the object's fields.
    CProject q;
    EXPECT_EQ(q.GetSolution(), 0);
    EXPECT_EQ(q.GetNodeCount(), 5);
    EXPECT_EQ(q.GetName(), "Frame1");
}

// Nothing to delete, and a subfolder named like the project: only the
// settings are written, the folder stays, no project file is made.
TEST(ProjectHousekeeping, ClearResultsWithoutResultFilesKeepsASubfolderOfTheSameName)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File("Frame1"));
    CProject p;
    p.GetLocation() = dir.Folder();
    p.GetName() = "Frame1";
    p.GetSolution() = 1;
    p.ClearResults();
    EXPECT_EQ(platform::Profile::GetInt("KESTRA ", "SOLUTION", -1), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("Frame1.KTR")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Frame1")));
}
