#include <ctime>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <locale>
#include <sstream>

#include <gtest/gtest.h>

#include "NumericsTestSupport.h"
#include "numerics/dMatrix.h"
#include "numerics/dVector.h"
#include "numerics/iMatrix.h"
#include "numerics/iVector.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"

using numtest::ProjectDir;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;
using testsupport::TempDir;

namespace {

std::string Now(const char* format)
{
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::put_time(&local, format);
    return out.str();
}

// Runs write() and compares the file with the text expected for the date
// string taken before or after the call (the clock may tick in between).
template <class Write, class Expected>
void ExpectFileWithDate(const std::string& path, const char* format, Write write, Expected expected)
{
    const std::string before = Now(format);
    write();
    const std::string after = Now(format);
    const std::string text = TempDir::Read(path);
    if (text != expected(after)) {
        EXPECT_EQ(text, expected(before));
    }
}

std::string Header(const ProjectDir& dir, const std::string& nameLine, const std::string& date)
{
    return std::string(100, '*') + "\n" + "* TITLE                    : KESTRA\n" +
           "* PROJECT NAME   : Bridge\n" + "* LOCATION             : " + dir.Folder() + "\n" +
           "* STRUCTUR TYPE : Truss3D\n" + nameLine + "* LAST MODIFIED    : " + date + "\n" +
           std::string(100, '*') + "\n\n";
}

CdMatrix Sample()
{
    CdMatrix m(2, 2);
    m(1, 1) = 1.5;
    m(1, 2) = -2.0;
    m(2, 1) = 1234.5678;
    m(2, 2) = 1e-9;
    return m;
}

} // namespace

// The report of each table: the header with the matrix or vector lines,
// then the values.
TEST(TextOutput, Reports)
{
    ProjectDir dir("Bridge", "Truss3D");
    const std::string path = dir.Folder() + "Bridge.rep";
    const auto matrix = [&](int size, int rows, int cols) {
        return "* NAME MATRIX      : " + path + "\n* MATRIX SIZE        : " + std::to_string(size) +
               "\n* ROW                     : " + std::to_string(rows) +
               "\n* COLUMN               : " + std::to_string(cols) + "\n";
    };
    const std::string vector = "* NAME VECTOR      : " + path + "\n* VECTOR SIZE        : 2\n";
    const struct {
        std::function<bool()> report;
        std::string nameLines, body;
    } cases[] = {
        {[] { return Sample().Report("Bridge", "rep"); }, matrix(4, 2, 2),
         "        1.5         -2\n   1.23e+03      1e-09\n"},
        {[] { return CdVector(2, 0.3125, 1234567.0).Report("Bridge", "rep"); }, vector,
         "     [INDEX]         VALUE\n        1         0.3125\n        2    1.23457e+06\n"},
    };
    for (const auto& c : cases)
        ExpectFileWithDate(
            path, "%c", [&] { EXPECT_TRUE(c.report()); },
            [&](const std::string& date) { return Header(dir, c.nameLines, date) + c.body; });
}

TEST(TextOutput, ReportFailures)
{
    ProjectDir dir;
    dir.BreakFolder();
    const std::string path = dir.Folder() + "missing/Bridge.rep";
    platform::MessageRecorder boxes;
    EXPECT_FALSE(Sample().Report("Bridge", "rep"));
    EXPECT_FALSE(CdVector(1).Report("Bridge", "rep"));
    EXPECT_FALSE(CiMatrix(1, 1).Report("Bridge", "rep"));
    CaptureStdout();
    EXPECT_FALSE(CiVector(1).Report("Bridge", "rep"));
    EXPECT_EQ(GetCapturedStdout(), "File could not be open for write!\n");
    ASSERT_EQ(boxes.messages.size(), 3u);
    EXPECT_EQ(boxes.messages[0].text, "Access file " + path);
    EXPECT_EQ(boxes.messages[0].caption, "KESTRA detect error in operation ");
    EXPECT_EQ(boxes.messages[1].text, "Access file " + path);
    EXPECT_EQ(boxes.messages[2].text, "File could not be open for write!");
    EXPECT_EQ(boxes.messages[2].caption, "FILE ERROR");
}

TEST(TextOutput, ExportText)
{
    ProjectDir dir;
    const std::string path = dir.Folder() + "table.xls";
    ASSERT_TRUE(Sample().ExportText("table"));
    EXPECT_EQ(TempDir::Read(path), "1.5\t-2\t\n1234.57\t1e-09\t\n");
    ASSERT_TRUE(CiVector(2, 3, -9).ExportText("table"));
    EXPECT_EQ(TempDir::Read(path), "3,\n-9,\n");

    dir.BreakFolder();
    const std::string bad = dir.Folder() + "missing/table.xls";
    platform::MessageRecorder boxes;
    EXPECT_FALSE(Sample().ExportText("table"));
    EXPECT_FALSE(CiVector(1).ExportText("table"));
    ASSERT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(boxes.messages[0].text, "Access file " + bad);
    EXPECT_EQ(boxes.messages[0].caption, "KESTRA detect error in operation ");
    EXPECT_EQ(boxes.messages[1].text, "File could not be open for write text file!");
    EXPECT_EQ(boxes.messages[1].caption, bad);
}

TEST(TextOutput, PrintWritesTheFileAndOpensTheTextViewer)
{
    ProjectDir dir;
    platform::LaunchRecorder launches;
    const std::string matrixPath = dir.Folder() + "matrix.txt", vectorPath = dir.Folder() + "Vector.txt";
    const struct {
        std::string path;
        std::function<void()> print;
        std::string title, body;
    } cases[] = {
        {matrixPath, [] { Sample().Print(); }, "Matrix\t:\tsize[2,2]", "1.5\t-2\t\n1.23e+03\t1e-09\t\n\n"},
        {vectorPath, [] { CdVector(2, 0.25, -1e-5).Print(); }, "Vector\t:\tsize{2}", "0.25\t\n-1e-05\t\n\n"},
    };
    for (const auto& c : cases)
        ExpectFileWithDate(c.path, "%A, %B %d, %Y", c.print, [&](const std::string& date) {
            return "KESTRA\nProgrammer:\tMr.Danek\nDescription\t:\tPrint (WordPad format)\n" + c.title +
                   "\t\tLast modify  " + date + "\n\n" + c.body;
        });
    EXPECT_EQ(launches.started,
              (std::vector<std::string>{"Notepad " + matrixPath, "Notepad " + vectorPath}));
}

TEST(TextOutput, PrintOfAnEmptyTableOnlyShowsTheMessage)
{
    ProjectDir dir;
    platform::LaunchRecorder launches;
    platform::MessageRecorder boxes;
    CdMatrix(0, 4).Print();
    CiVector().Print();
    EXPECT_TRUE(launches.attempted.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Folder() + "matrix.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir.Folder() + "Vector.txt"));
    ASSERT_EQ(boxes.messages.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(boxes.messages[k].text, "can't print size 0");
        EXPECT_EQ(boxes.messages[k].caption, k == 0 ? "Matrix Error" : "Vector Error");
    }
}
