// Many records of a record file read at once must give what one
// CdMatrix::LoadRecord per record gives: the same elements, the same spare
// slots, zeros past the end of the file, and the same refusals.
#include <cstdint>
#include <fstream>

#include <gtest/gtest.h>

#include "NumericsTestSupport.h"
#include "numerics/RecordSet.h"
#include "numerics/dMatrix.h"
#include "platform/MessageBox.h"

using numtest::ProjectDir;

namespace {

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Header(std::int32_t rows, std::int32_t cols)
{
    return std::string(reinterpret_cast<const char*>(&rows), 4) +
           std::string(reinterpret_cast<const char*>(&cols), 4);
}

std::string Doubles(int n, double first)
{
    std::string bytes;
    for (int i = 0; i < n; ++i) {
        const double v = first + i;
        bytes.append(reinterpret_cast<const char*>(&v), 8);
    }
    return bytes;
}

void ExpectSameAsLoadRecord(const numerics::RecordSet& set, int k, const std::string& path)
{
    CdMatrix one;
    ASSERT_TRUE(one.LoadRecord(k, path)) << k;
    const CdMatrix all = set.Record(k);
    ASSERT_EQ(all.GetRows(), one.GetRows());
    ASSERT_EQ(all.GetCols(), one.GetCols());
    for (int i = 0; i <= one.GetRows() + 1; ++i)
        for (int j = 0; j <= one.GetCols() + 1; ++j) {
            EXPECT_EQ(all(i, j), one(i, j)) << k << " " << i << " " << j;
            EXPECT_EQ(set(k, i, j), one(i, j)) << k << " " << i << " " << j;
        }
}

} // namespace

TEST(RecordSet, GivesEveryRecordAsLoadRecordDoes)
{
    ProjectDir dir;
    const std::string path = dir.Folder() + "dcos";
    // Three whole 2 x 3 records, then a fourth cut short after 4 of its 7.
    WriteBytes(path, Header(2, 3) + Doubles(7, 100) + Doubles(7, 200) + Doubles(7, 300) +
                         Doubles(4, 400));
    numerics::RecordSet set;
    platform::MessageRecorder recorder;
    ASSERT_TRUE(set.Load(path, 6));
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(set.GetRows(), 2);
    EXPECT_EQ(set.GetCols(), 3);
    EXPECT_EQ(set.GetCount(), 6);
    for (int k = 1; k <= 6; ++k)
        ExpectSameAsLoadRecord(set, k, path);
    EXPECT_EQ(set(2, 2, 1), 204.0); // a(2,1) of record 2: slot 4
    EXPECT_EQ(set(2, 9, 9), 200.0); // out of range: the record's spare slot
    EXPECT_EQ(set(4, 1, 3), 403.0);
    EXPECT_EQ(set(4, 2, 1), 0.0);   // cut off by the end of the file
    EXPECT_EQ(set(7, 1, 1), 0.0);   // beyond the records asked for
}

TEST(RecordSet, RefusesWhatLoadRecordRefusesWithTheSameMessage)
{
    ProjectDir dir;
    const std::string path = dir.Folder() + "dcos";
    numerics::RecordSet set;
    EXPECT_EQ(set.Read(path, 3), numerics::ReadResult::OpenFailed);

    platform::MessageRecorder recorder;
    EXPECT_FALSE(set.Load(path, 3));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Access file " + path);
    EXPECT_EQ(recorder.messages[0].caption, "KESTRA detect error in operation ");
    EXPECT_FALSE(set.IsLoaded());

    // Negative counts, and a header whose first record the file cannot hold.
    WriteBytes(path, Header(-1, 3) + Doubles(4, 1));
    EXPECT_EQ(set.Read(path, 3), numerics::ReadResult::BadHeader);
    WriteBytes(path, Header(3, 3) + Doubles(9, 1));
    EXPECT_EQ(set.Read(path, 3), numerics::ReadResult::BadHeader);
    CdMatrix one;
    EXPECT_FALSE(one.LoadRecord(1, path));
    // A huge header over a short file allocates nothing large.
    WriteBytes(path, Header(46340, 46340) + Doubles(10, 1));
    EXPECT_EQ(set.Read(path, 200000), numerics::ReadResult::BadHeader);
    EXPECT_FALSE(set.IsLoaded());
}
