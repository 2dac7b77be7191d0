#include "platform/FileDialog.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "support/TempDir.h"
#include "tables/ReportFrame.h"
#include "tables/TablesTestSupport.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <vector>

namespace {

std::time_t LocalNoon(int year, int month, int day)
{
    std::tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

class ReportFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Profile::WriteString("KESTRA ", "File location ", dir.Folder());
        ReportFrame::SetFixedTime(LocalNoon(2026, 12, 4));
    }
    void TearDown() override { ReportFrame::SetFixedTime(0); }
    testsupport::TempDir dir;
};

} // namespace

TEST(ReportFrameDate, CLocaleNamesAndTwoDigitDay)
{
    EXPECT_EQ(ReportFrame::DateLine(LocalNoon(2026, 12, 4)), "Friday, December 04, 2026\n");
    EXPECT_EQ(ReportFrame::DateLine(LocalNoon(2027, 2, 28)), "Sunday, February 28, 2027\n");
    EXPECT_EQ(ReportFrame::DateLine(LocalNoon(2026, 7, 15)), "Wednesday, July 15, 2026\n");
}

TEST_F(ReportFrameTest, ExportsOpenTheirProgramsWithTheTextViewerAsFallback)
{
    platform::LaunchRecorder launches;
    ReportFrame word(ReportFrame::kExportProgrammer, ReportFrame::kWordFormat, "Node force:\tLast modify  ");
    ASSERT_TRUE(word.ExportWord("NodeForce.txt"));
    EXPECT_EQ(word.Text(), "KESTRA\nProgrammer\t:\tMr.Danek\nDescription\t:\tPrint (Word format)\n"
                           "Node force:\tLast modify  Friday, December 04, 2026\n\n");
    ReportFrame excel(ReportFrame::kExportProgrammer, ReportFrame::kEXCELFormat, "Node displacement:\tLast modify  ");
    ASSERT_TRUE(excel.ExportExcel("displacement.xls"));
    ASSERT_EQ(launches.started.size(), 2u);
    EXPECT_EQ(launches.started[0], std::string(platform::kWordProcessorCommand) + dir.Folder() + "NodeForce.txt");
    EXPECT_EQ(launches.started[1], std::string(platform::kSpreadsheetCommand) + dir.Folder() + "displacement.xls");

    // Without a word processor the same file goes to the text viewer.
    launches.missing.push_back(platform::kWordProcessorCommand);
    launches.started.clear();
    ASSERT_TRUE(word.ExportWord("NodeForce.txt"));
    ASSERT_EQ(launches.started.size(), 1u);
    EXPECT_EQ(launches.started[0], "Notepad " + dir.Folder() + "NodeForce.txt");
}

TEST_F(ReportFrameTest, UnwritableFolderIsReportedAndNothingOpens)
{
    platform::LaunchRecorder launches;
    platform::MessageRecorder messages;
    platform::Profile::WriteString("KESTRA ", "File location ", dir.Folder() + "missing/");
    ReportFrame report(ReportFrame::kPrintProgrammer, ReportFrame::kWordPadFormat, "Member connextivity:\tLast modify  ");
    EXPECT_FALSE(report.Print("Member.txt"));
    tablestest::ExpectOnlyMessage(messages, "Access file " + dir.Folder() + "missing/Member.txt", "KESTRA detect error in operation ");
    EXPECT_TRUE(launches.attempted.empty());
}

// The user is asked where an export goes, starting in the project folder;
// the file is written where the user says, the host is told, and the
// program opens it there. Cancel writes and opens nothing.
TEST_F(ReportFrameTest, ExportsAskWhereToWriteAndSayWhereTheyWrote)
{
    platform::LaunchRecorder launches;
    platform::FileDialogRecorder dialog;
    std::vector<std::string> told;
    ReportFrame::SetWrittenNotifier([&](const std::string& path) { told.push_back(path); });
    ReportFrame report(ReportFrame::kExportProgrammer, ReportFrame::kExcelFormat, "Node displacement:\tLast modify  ");
    const std::string chosen = dir.Folder() + "elsewhere.xls";
    dialog.AnswerSave(chosen);
    dialog.AnswerSave("");
    ASSERT_TRUE(report.ExportExcel("Displacement.xls"));
    EXPECT_FALSE(report.ExportExcel("Displacement.xls"));
    ReportFrame::SetWrittenNotifier(nullptr);
    ASSERT_EQ(dialog.suggestions.size(), 2u);
    EXPECT_EQ(dialog.suggestions[0], dir.Folder() + "Displacement.xls");
    EXPECT_EQ(dialog.filters[0], "Report (*.xls)|*.xls|All files (*)|*||");
    EXPECT_EQ(testsupport::TempDir::Read(chosen), report.Text());
    EXPECT_FALSE(std::filesystem::exists(dir.Folder() + "Displacement.xls"));
    EXPECT_EQ(told, std::vector<std::string>{chosen});
    ASSERT_EQ(launches.attempted.size(), 1u);
    EXPECT_NE(launches.attempted[0].find("elsewhere.xls"), std::string::npos);
}
