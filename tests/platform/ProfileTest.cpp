#include "platform/Profile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using platform::Profile;
using testsupport::TempDir;

TEST(Profile, WritesSectionAndKeyByteForByte)
{
    TempDir dir;
    EXPECT_EQ(Profile::FilePath(), dir.Ini());
    ASSERT_TRUE(Profile::WriteString("KESTRA ", "Node ", "12"));
    ASSERT_TRUE(Profile::WriteString("KESTRA ", " Element ", "3"));
    ASSERT_TRUE(Profile::WriteString("OPTION", "node show", "1"));
    EXPECT_EQ(TempDir::Read(dir.Ini()), "[KESTRA ]\nNode =12\n Element =3\n[OPTION]\nnode show=1\n");

    // Replacing keeps the key's place; matching ignores case.
    ASSERT_TRUE(Profile::WriteString("kestra ", "NODE ", "7"));
    EXPECT_EQ(TempDir::Read(dir.Ini()), "[KESTRA ]\nNODE =7\n Element =3\n[OPTION]\nnode show=1\n");
    EXPECT_EQ(Profile::GetInt("KESTRA ", "node ", 0), 7);
    // Blanks are part of the names: "Element" is not " Element ".
    EXPECT_EQ(Profile::GetInt("KESTRA ", "Element", -1), -1);
    EXPECT_EQ(Profile::GetInt("KESTRA", "NODE ", -1), -1);
}

TEST(Profile, KeepsForeignLinesAndAppendsInsideTheSection)
{
    TempDir dir;
    TempDir::Write(dir.Ini(), "; comment\r\n[KESTRA ]\r\nengineer=Ann\r\n\r\n[Other]\r\nx=1\r\n");
    ASSERT_TRUE(Profile::WriteString("KESTRA ", "SOLUTION", "0"));
    EXPECT_EQ(TempDir::Read(dir.Ini()),
              "; comment\n[KESTRA ]\nengineer=Ann\nSOLUTION=0\n\n[Other]\nx=1\n");
    EXPECT_EQ(Profile::GetString("KESTRA ", "engineer", "Undefine ", 400), "Ann");
    EXPECT_EQ(Profile::GetString("Other", "x", "", 200), "1");
}

TEST(Profile, StringReadsDefaultAndCutToBuffer)
{
    TempDir dir;
    EXPECT_EQ(Profile::GetString("KESTRA ", "engineer", "Undefine ", 400), "Undefine ");
    Profile::WriteString("KESTRA ", "Project Title ", std::string(900, 'x'));
    EXPECT_EQ(Profile::GetString("KESTRA ", "Project Title ", "Undefine ", 800).size(), 799u);
    EXPECT_EQ(Profile::GetString("KESTRA ", "Project Title ", "", 1), "");
}

TEST(Profile, IntegerRule)
{
    TempDir dir;
    const std::pair<const char*, int> cases[] = {
        {"42", 42}, {"  17abc", 17}, {"abc", 0}, {"", 0}, {"-3", -3}, {"2.9", 2}, {"x12", 0},
    };
    for (const auto& [text, expected] : cases) {
        Profile::WriteString("S", "k", text);
        EXPECT_EQ(Profile::GetInt("S", "k", 99), expected) << text;
    }
    EXPECT_EQ(Profile::GetInt("S", "missing", 1), 1);
    Profile::WriteString("S", "u", "-3");
    EXPECT_EQ(Profile::GetUInt("S", "u", 5), 0u);
    Profile::WriteString("S", "u", "250");
    EXPECT_EQ(Profile::GetUInt("S", "u", 5), 250u);
}

TEST(Profile, FileLocationFromXdgWhenNoOverride)
{
    TempDir dir;
    unsetenv("KESTRA_INI");
    setenv("XDG_CONFIG_HOME", "/some/config", 1);
    EXPECT_EQ(Profile::FilePath(), "/some/config/kestra/KESTRA.INI");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/eng", 1);
    EXPECT_EQ(Profile::FilePath(), "/home/eng/.config/kestra/KESTRA.INI");
}
