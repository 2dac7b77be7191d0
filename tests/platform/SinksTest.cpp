#include "platform/FileDialog.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/Trace.h"
#include "platform/WaitCursor.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(MessageBox, RecorderRecordsAndAnswersFromScript)
{
    MessageRecorder rec;
    rec.Answer(IDCANCEL);
    EXPECT_EQ(MessageBox("Check node if not have connectivity will delete", "KESTRA Wizard", MB_OKCANCEL),
              IDCANCEL);
    EXPECT_EQ(MessageBox("second", "cap"), IDOK);
    ASSERT_EQ(rec.messages.size(), 2u);
    EXPECT_EQ(rec.messages[0].text, "Check node if not have connectivity will delete");
    EXPECT_EQ(rec.messages[0].caption, "KESTRA Wizard");
    EXPECT_EQ(rec.messages[0].buttons, static_cast<unsigned>(MB_OKCANCEL));
}

TEST(MessageBox, RecordersNestAndRestore)
{
    MessageRecorder outer;
    {
        MessageRecorder inner;
        MessageBox("a", "b");
        EXPECT_EQ(inner.messages.size(), 1u);
    }
    MessageBox("c", "d");
    ASSERT_EQ(outer.messages.size(), 1u);
    EXPECT_EQ(outer.messages[0].text, "c");
}

TEST(MessageBox, ConsoleAnswersTheDefaultButton)
{
    ConsoleMessageSink console;
    testing::internal::CaptureStderr();
    EXPECT_EQ(console.Show("Access file /x", "KESTRA detect error in operation ", MB_OK), IDOK);
    EXPECT_EQ(console.Show("q", "c", MB_YESNO), IDYES);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "KESTRA detect error in operation : Access file /x\nc: q\n");
}

TEST(Launcher, WordAndSpreadsheetFallBackToTheTextViewer)
{
    LaunchRecorder rec;
    rec.missing = {kWordProcessorCommand};
    EXPECT_TRUE(Launcher::OpenInWordProcessor("/p/displacement.doc"));
    EXPECT_TRUE(Launcher::OpenInSpreadsheet("/p/displacement.xls"));
    EXPECT_TRUE(Launcher::OpenInTextViewer("/p/coordinate.txt"));
    const std::vector<std::string> attempted = {
        "C:\\Program Files\\Microsoft Office\\Office\\WINWORD.EXE /p/displacement.doc",
        "Notepad /p/displacement.doc",
        "C:\\Program Files\\Microsoft Office\\Office\\EXCEL.EXE /p/displacement.xls",
        "Notepad /p/coordinate.txt",
    };
    EXPECT_EQ(rec.attempted, attempted);
    EXPECT_EQ(rec.started.size(), 3u);
}

TEST(Launcher, SystemLauncherRefusesUnknownProgramsAndMissingViewers)
{
    setenv("KESTRA_NO_VIEWER", "0", 1);
    setenv("KESTRA_WORD", "/nonexistent/word-processor", 1);
    EXPECT_FALSE(Launcher::Run("calc.exe /tmp/x"));
    EXPECT_FALSE(Launcher::Run(std::string(kWordProcessorCommand) + "/tmp/x"));
    setenv("KESTRA_TEXT_VIEWER", "true", 1);
    EXPECT_TRUE(Launcher::OpenInWordProcessor("/tmp/x"));  // falls back to `true`
    unsetenv("KESTRA_WORD");
    unsetenv("KESTRA_TEXT_VIEWER");
    setenv("KESTRA_NO_VIEWER", "1", 1);
}

TEST(Trace, RecorderCapturesLines)
{
    TraceRecorder rec;
    Trace("KTRGL.DLL Initializing!\n");
    Trace("KTRGL.DLL Terminating!\n");
    EXPECT_EQ(rec.Text(), "KTRGL.DLL Initializing!\nKTRGL.DLL Terminating!\n");
}

TEST(FileDialog, HeadlessCancelsAndRecorderAnswers)
{
    std::string path = "unchanged";
    EXPECT_FALSE(FileDialog::GetOpenFileName("Node File (*.nod)|*.nod||", path));
    EXPECT_EQ(path, "unchanged");
    FileDialogRecorder rec;
    rec.Answer("/data/a.nod");
    EXPECT_TRUE(FileDialog::GetOpenFileName("Node File (*.nod)|*.nod||", path));
    EXPECT_EQ(path, "/data/a.nod");
    EXPECT_FALSE(FileDialog::GetOpenFileName("Member File (*.ele)|*.ele||", path));
    EXPECT_EQ(rec.filters.size(), 2u);
}

namespace {
int g_shown = 0;
void Begin() { ++g_shown; }
void End() { --g_shown; }
} // namespace

TEST(WaitCursor, NestedCursorsShowOnce)
{
    WaitCursor::SetHooks(Begin, End);
    {
        WaitCursor outer;
        EXPECT_EQ(g_shown, 1);
        {
            WaitCursor inner;
            EXPECT_EQ(g_shown, 1);
            EXPECT_EQ(WaitCursor::Depth(), 2);
        }
        EXPECT_EQ(g_shown, 1);
    }
    EXPECT_EQ(g_shown, 0);
    WaitCursor::SetHooks(nullptr, nullptr);
}
