// Every file the library writes is replaced as a whole: under a file size
// limit (standing in for a full disk) a write fails, says so, and leaves
// the previous file byte for byte, with no temporary file behind.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>

#include "numerics/dMatrix.h"
#include "platform/MessageBox.h"
#include "project/Project.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

// Writes larger than `bytes` fail (EFBIG) while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_previous{};
    void (*m_signal)(int) = nullptr;
};

} // namespace

TEST(AtomicWrites, AFailedWriteSaysSoAndKeepsTheOldFile)
{
    TempDir dir;
    {
        CProject project;
        project.GetLocation() = dir.Folder();
        project.GetName() = "demo";
        TempDir::Write(dir.File("demo.KTR"), "x");
        ASSERT_TRUE(project.Settings(true));
    }
    CdMatrix table(20, 20);
    table(3, 4) = 7.0;
    ASSERT_TRUE(table.Save(dir.File("demo.nod")));
    ASSERT_TRUE(table.SaveRecord(1, dir.File("demo.disn")));

    const struct {
        const char* what;
        std::string path;
        std::function<bool()> write;
    } cases[] = {
        {"settings file", dir.Ini(), [] {
             CProject project;
             project.GetTitle() = "a title long enough to grow the settings file";
             return project.Settings(true);
         }},
        {"project file", dir.File("demo.KTR"), [] {
             CProject project;
             project.GetTitle() = "another title, longer than the one the settings file holds now";
             return project.WriteProjectFile();
         }},
        {"table file", dir.File("demo.nod"), [&] { return CdMatrix(30, 30).Save(dir.File("demo.nod")); }},
        {"record file", dir.File("demo.disn"), [&] { return CdMatrix(20, 20).SaveRecord(2, dir.File("demo.disn")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string before = TempDir::Read(c.path);
        ASSERT_FALSE(before.empty());
        platform::MessageRecorder messages;
        bool written = true;
        {
            const FileSizeLimit limit(before.size());
            written = c.write();
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(TempDir::Read(c.path), before);
        ASSERT_FALSE(messages.messages.empty());
        EXPECT_EQ(messages.messages[0].text, "Access file " + c.path);
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir.Folder()))
        EXPECT_EQ(entry.path().filename().string().find(".kestra-"), std::string::npos) << entry.path();
}
