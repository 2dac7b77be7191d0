// The settings file: whatever text "KESTRA.INI" holds (a hand edit, a cut
// write, another program's bytes), every read gives a value or the default,
// and a value written is the value read back afterwards.
#include "fuzz/FuzzRunner.h"
#include "platform/Profile.h"
#include "support/TempDir.h"

using platform::Profile;
using testsupport::TempDir;

TEST(ProfileFuzz, SettingsFileReadsAndWritesBack)
{
    TempDir dir;
    const std::string good =
        "[KESTRA ]\nengineer=Ann\nFile location =/home/ann/work/\nProject name =Frame1\n"
        "Node =12\nElement =-3\n\n[OPTION]\nnode show=1\n";
    fuzz::Mutator mutator({good, "; comment\r\n[KESTRA ]\r\nNode =  42x\r\n[kestra ]\r\nnode =7\r\n",
                           "[KESTRA ]\nNode =99999999999999999999\n[OPTION", std::string()},
                          {"[", "]", "=", "\n", "\r\n", ";", " ", "[KESTRA ]\n", "Node =", "-",
                           "[OPTION]\n", "node show="});

    fuzz::Runner runner("ProfileFuzz");
    runner.Run(mutator, [&](const std::string& bytes) {
        TempDir::Write(dir.Ini(), bytes);
        const std::string name = Profile::GetString("KESTRA ", "Project name ", "Undefine ", 200);
        EXPECT_LE(name.size(), 199u);
        Profile::GetInt("KESTRA ", "Node ", 0);
        Profile::GetUInt("KESTRA ", "Element ", 5);
        Profile::HasKey("OPTION", "node show");
        EXPECT_EQ(Profile::GetString("KESTRA ", "engineer", "x", 1), "");

        ASSERT_TRUE(Profile::WriteString("KESTRA ", "Node ", "12"));
        ASSERT_TRUE(Profile::WriteString("OPTION", "node show", "0"));
        EXPECT_EQ(Profile::GetInt("KESTRA ", "Node ", 0), 12);
        EXPECT_EQ(Profile::GetString("OPTION", "node show", "x", 20), "0");
        EXPECT_TRUE(Profile::HasKey("kestra ", "NODE "));
    });
}
