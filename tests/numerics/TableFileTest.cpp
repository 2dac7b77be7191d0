#include <climits>
#include <filesystem>

#include <gtest/gtest.h>

#include "NumericsTestSupport.h"
#include "numerics/dMatrix.h"
#include "numerics/dVector.h"
#include "numerics/iMatrix.h"
#include "numerics/iVector.h"
#include "platform/MessageBox.h"

using numtest::Double;
using numtest::Int32;
using numtest::ProjectDir;
using testsupport::TempDir;

namespace {

CdMatrix Sample23()
{
    CdMatrix m(2, 3);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 3; ++j)
            m(i, j) = i * 10 + j + 0.25;
    return m;
}

const char* const kCaption = "KESTRA detect error in operation ";

} // namespace

TEST(TableFile, MatrixFileLayout)
{
    ProjectDir dir;
    CdMatrix m = Sample23();
    m(0, 0) = -7.5; // the spare slot travels with the elements
    ASSERT_TRUE(m.Save("Bridge", "pro"));
    const std::string bytes = TempDir::Read(dir.Folder() + "Bridge.pro");
    EXPECT_EQ(bytes, Int32(2) + Int32(3) + Double(-7.5) + Double(11.25) + Double(12.25) +
                         Double(13.25) + Double(21.25) + Double(22.25) + Double(23.25));

    CdMatrix back;
    ASSERT_TRUE(back.Load("Bridge", "pro"));
    EXPECT_EQ(back, m);
    EXPECT_EQ(back(0, 0), -7.5);
    CdMatrix byPath;
    ASSERT_TRUE(byPath.Load(dir.Folder() + "Bridge.pro"));
    EXPECT_EQ(byPath, m);
}

TEST(TableFile, VectorAndIntegerLayouts)
{
    ProjectDir dir;
    CiVector iv(3, 5, -6, 7);
    iv(0) = 1;
    ASSERT_TRUE(iv.Save("Bridge", "iv"));
    EXPECT_EQ(TempDir::Read(dir.Folder() + "Bridge.iv"),
              Int32(3) + Int32(1) + Int32(5) + Int32(-6) + Int32(7));
    CiVector ivBack;
    ASSERT_TRUE(ivBack.Load("Bridge", "iv"));
    EXPECT_EQ(ivBack, iv);
    EXPECT_EQ(ivBack(0), 1);

    const CdVector dv(2, 1.5, -2.5);
    ASSERT_TRUE(dv.Save("Bridge", "dv"));
    EXPECT_EQ(TempDir::Read(dir.Folder() + "Bridge.dv"),
              Int32(2) + Double(0.0) + Double(1.5) + Double(-2.5));
    CdVector dvBack;
    ASSERT_TRUE(dvBack.Load("Bridge", "dv"));
    EXPECT_EQ(dvBack, dv);

    CiMatrix im(2, 2);
    im(1, 2) = 12;
    im(2, 1) = -21;
    ASSERT_TRUE(im.Save("Bridge", "im"));
    EXPECT_EQ(TempDir::Read(dir.Folder() + "Bridge.im"),
              Int32(2) + Int32(2) + Int32(0) + Int32(0) + Int32(12) + Int32(-21) + Int32(0));
    CiMatrix imBack;
    ASSERT_TRUE(imBack.Load(dir.Folder() + "Bridge.im"));
    EXPECT_EQ(imBack, im);
    // Empty tables store the header only; loading one gives its shape.
    ASSERT_TRUE(CdMatrix(0, 5).Save("Bridge", "res"));
    EXPECT_EQ(TempDir::Read(dir.Folder() + "Bridge.res"), Int32(0) + Int32(5));
    CdMatrix back = Sample23();
    ASSERT_TRUE(back.Load("Bridge", "res"));
    EXPECT_EQ(back.GetCols(), 5);
    EXPECT_EQ(back.GetSize(), 0);
    ASSERT_TRUE(CdVector().Save("Bridge", "v0"));
    EXPECT_EQ(TempDir::Read(dir.Folder() + "Bridge.v0"), Int32(0));
    ASSERT_TRUE(CiMatrix().Save("Bridge", "i0"));
    EXPECT_EQ(TempDir::Read(dir.Folder() + "Bridge.i0"), Int32(0) + Int32(0));
}

TEST(TableFile, RecordFilesAddressRecordsByNumber)
{
    ProjectDir dir;
    const std::string path = dir.Folder() + "Bridge.disn";
    CdMatrix first(2, 2), third(2, 2);
    first(1, 1) = 1.0;
    first(2, 2) = 4.0;
    third(1, 2) = 3.5;
    third(0, 0) = 0.125;
    ASSERT_TRUE(first.SaveRecord(1, path));
    EXPECT_EQ(TempDir::Read(path).size(), 48u);
    ASSERT_TRUE(third.SaveRecord(3, path));
    // Header, then each record's spare slot and elements; record 2 zero.
    EXPECT_EQ(TempDir::Read(path), Int32(2) + Int32(2) + Double(0) + Double(1) + Double(0) + Double(0) +
                                       Double(4) + std::string(40, '\0') + Double(0.125) + Double(0) +
                                       Double(3.5) + Double(0) + Double(0));

    platform::MessageRecorder boxes;
    CdMatrix r;
    ASSERT_TRUE(r.LoadRecord(2, path));
    EXPECT_EQ(r, CdMatrix(2, 2));
    ASSERT_TRUE(r.LoadRecord(3, path));
    EXPECT_EQ(r, third);
    EXPECT_EQ(r(0, 0), 0.125);
    ASSERT_TRUE(r.LoadRecord(1, path));
    EXPECT_EQ(r, first);
    ASSERT_TRUE(r.LoadRecord(9, path)); // past the end: zero
    EXPECT_EQ(r, CdMatrix(2, 2));
    EXPECT_TRUE(boxes.messages.empty());

    // Record 1 again truncates the file.
    ASSERT_TRUE(first.SaveRecord(1, path));
    EXPECT_EQ(TempDir::Read(path).size(), 48u);
}

TEST(TableFile, RecordFileFailuresKeepTheMatrix)
{
    ProjectDir dir;
    platform::MessageRecorder boxes;
    const std::string missing = dir.Folder() + "none.elf";
    CdMatrix m = Sample23();
    EXPECT_FALSE(m.LoadRecord(1, missing));
    EXPECT_EQ(m, Sample23());
    EXPECT_FALSE(m.SaveRecord(2, missing)); // only record 1 creates the file
    EXPECT_FALSE(std::filesystem::exists(missing));
    ASSERT_EQ(boxes.messages.size(), 2u);
    for (const auto& box : boxes.messages) {
        EXPECT_EQ(box.text, "Access file " + missing);
        EXPECT_EQ(box.caption, kCaption);
    }
}

TEST(TableFile, MissingFilesEmptyTheTable)
{
    ProjectDir dir;
    platform::MessageRecorder boxes;
    CdMatrix m = Sample23();
    EXPECT_FALSE(m.Load("Bridge", "lod7"));
    EXPECT_EQ(m.GetRows(), 0);
    EXPECT_EQ(m.GetCols(), 0);
    CdVector v(2, 1.0, 2.0);
    EXPECT_FALSE(v.Load("Bridge", "vec"));
    EXPECT_EQ(v.GetSize(), 0);
    CiMatrix im(2, 2);
    EXPECT_FALSE(im.Load(dir.Folder() + "x.im"));
    EXPECT_FALSE(im.Load("Bridge", "im"));
    CiVector iv(2);
    EXPECT_FALSE(iv.Load("Bridge", "iv"));
    EXPECT_EQ(iv.GetSize(), 0);
    EXPECT_EQ(im.GetRows(), 0);

    ASSERT_EQ(boxes.messages.size(), 5u);
    EXPECT_EQ(boxes.messages[0].text, "Access file " + dir.Folder() + "Bridge.lod7");
    EXPECT_EQ(boxes.messages[0].caption, kCaption);
    EXPECT_EQ(boxes.messages[1].text, "Access file " + dir.Folder() + "Bridge.vec");
    EXPECT_EQ(boxes.messages[2].text, "Access file " + dir.Folder() + "x.im");
    EXPECT_EQ(boxes.messages[2].caption, kCaption);
    EXPECT_EQ(boxes.messages[3].text, "File could not be open for read!");
    EXPECT_EQ(boxes.messages[3].caption, dir.Folder() + "Bridge.im");
    EXPECT_EQ(boxes.messages[4].text, "File could not be open for read!");
    EXPECT_EQ(boxes.messages[4].caption, dir.Folder() + "Bridge.iv");
}

TEST(TableFile, UnwritableFolderWritesNothing)
{
    ProjectDir dir;
    dir.BreakFolder();
    const std::string base = dir.Folder() + "missing/Bridge.";
    platform::MessageRecorder boxes;
    EXPECT_FALSE(Sample23().Save("Bridge", "pro"));
    EXPECT_FALSE(CdVector(1, 1.0).Save("Bridge", "v"));
    EXPECT_FALSE(CiMatrix(1, 1).Save("Bridge", "im"));
    EXPECT_FALSE(CiVector(1).Save("Bridge", "iv"));
    EXPECT_FALSE(CdMatrix(1, 1).SaveRecord(1, base + "elf"));
    ASSERT_EQ(boxes.messages.size(), 5u);
    EXPECT_EQ(boxes.messages[0].text, "Access file " + base + "pro");
    EXPECT_EQ(boxes.messages[0].caption, kCaption);
    EXPECT_EQ(boxes.messages[1].text, "Access file " + base + "v");
    EXPECT_EQ(boxes.messages[2].text, "Access file " + base + "im");
    EXPECT_EQ(boxes.messages[2].caption, kCaption);
    EXPECT_EQ(boxes.messages[3].text, "File could not be open for write!");
    EXPECT_EQ(boxes.messages[3].caption, base + "iv");
    EXPECT_EQ(boxes.messages[4].text, "Access file " + base + "elf");
}

// Headers that ask for more than the file holds, or for negative counts, are
// refused before anything is allocated; the table keeps its content.
TEST(TableFile, HostileHeadersAreRefusedAndKeepTheTable)
{
    ProjectDir dir;
    const std::string p = dir.Folder() + "Bridge.pro";
    const std::string block = Double(0) + Double(1) + Double(2);
    const std::vector<std::string> hostile = {
        "",                                                // no header at all
        Int32(2),                                          // half a header
        Int32(-1) + Int32(3) + block,                      // negative rows
        Int32(3) + Int32(-2) + block,                      // negative cols
        Int32(-2) + Int32(-3) + block,                     // two negatives make a positive count
        Int32(INT_MAX) + Int32(INT_MAX) + block,           // product beyond 32 bits
        Int32(100000) + Int32(100000) + block,             // far more than the file holds
        Int32(2) + Int32(3) + block,                       // truncated: 7 doubles announced, 3 present
        Int32(2) + Int32(3) + std::string(63 - 8, '\x01'), // one byte short
        Int32(INT_MAX) + Int32(0),                         // no elements but a huge row table
    };
    for (std::size_t k = 0; k < hostile.size(); ++k) {
        SCOPED_TRACE(k);
        TempDir::Write(p, hostile[k]);
        platform::MessageRecorder boxes;
        CdMatrix m = Sample23();
        m(0, 0) = 4.0;
        EXPECT_FALSE(m.Load("Bridge", "pro"));
        EXPECT_EQ(m, Sample23());
        EXPECT_EQ(m(0, 0), 4.0);
        CdMatrix r = Sample23();
        EXPECT_FALSE(r.LoadRecord(1, p)); // not even the first record fits
        EXPECT_EQ(r, Sample23());
        if (k != 8) { // 55 bytes do hold a 2x3 integer table
            CiMatrix im(1, 1);
            im(1, 1) = 9;
            EXPECT_FALSE(im.Load(p));
            EXPECT_FALSE(im.Load("Bridge", "pro"));
            EXPECT_EQ(im.GetAt(1, 1), 9);
        }
        ASSERT_EQ(boxes.messages.size(), k != 8 ? 4u : 2u);
        for (const auto& box : boxes.messages) {
            EXPECT_EQ(box.text, "Access file " + p);
            EXPECT_EQ(box.caption, kCaption);
        }
    }
    // One byte short for 4-byte elements.
    TempDir::Write(p, Int32(2) + Int32(3) + std::string(27, '\x01'));
    CiMatrix im(1, 1);
    EXPECT_FALSE(im.Load(p));
    EXPECT_EQ(im.GetRows(), 1);
    // Exactly the announced size loads.
    TempDir::Write(p, Int32(2) + Int32(3) + std::string(56, '\0'));
    CdMatrix ok;
    EXPECT_TRUE(ok.Load(p));
    EXPECT_EQ(ok, CdMatrix(2, 3));
}

TEST(TableFile, HostileVectorHeaders)
{
    ProjectDir dir;
    const std::vector<std::string> hostile = {
        "", Int32(-3) + Double(1) + Double(2), Int32(INT_MAX) + Double(1), Int32(3) + Double(1),
    };
    for (std::size_t k = 0; k < hostile.size(); ++k) {
        SCOPED_TRACE(k);
        TempDir::Write(dir.Folder() + "Bridge.vec", hostile[k]);
        platform::MessageRecorder boxes;
        CdVector v(2, 1.0, 2.0);
        EXPECT_FALSE(v.Load("Bridge", "vec"));
        EXPECT_EQ(v, CdVector(2, 1.0, 2.0));
        CiVector iv(2, 1, 2);
        EXPECT_FALSE(iv.Load("Bridge", "vec"));
        EXPECT_EQ(iv, CiVector(2, 1, 2));
        ASSERT_EQ(boxes.messages.size(), 2u);
        EXPECT_EQ(boxes.messages[1].text, "Access file " + dir.Folder() + "Bridge.vec");
        EXPECT_EQ(boxes.messages[1].caption, kCaption);
    }
}

TEST(TableFile, PathsFollowTheCurrentProjectSettings)
{
    ProjectDir dir("Tower");
    ASSERT_TRUE(CdMatrix(1, 1).Save("Tower", "lod1"));
    EXPECT_TRUE(std::filesystem::exists(dir.Folder() + "Tower.lod1"));
    // A second project folder set afterwards is used by the next call.
    TempDir other;
    platform::Profile::WriteString("KESTRA ", "File location ", other.Folder());
    ASSERT_TRUE(CdMatrix(1, 1).Save("Tower", "lod2"));
    EXPECT_TRUE(std::filesystem::exists(other.Folder() + "Tower.lod2"));
}
