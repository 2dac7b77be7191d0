#include <gtest/gtest.h>

#include <string>

#include "project/Archive.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

std::string Encoded(const std::string& text)
{
    CArchive ar(CArchive::store, "/x/a.KTR");
    ar.WriteString(text);
    return ar.Bytes();
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

} // namespace

// Each length class with its prefix; all read back in turn, then an integer.
TEST(ArchiveEncoding, StringLengthPrefixesAndReadingBack)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", Bytes({0})},
        {"C:\\P\\", Bytes({5})},
        {std::string(254, 'a'), Bytes({254})},
        {std::string(255, 'b'), Bytes({0xFF, 0xFF, 0x00})},
        {std::string(65533, 'c'), Bytes({0xFF, 0xFD, 0xFF})},
        {std::string(65534, 'd'), Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {std::string(70000, 'e'), Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    CArchive out(CArchive::store, "/x/a.KTR");
    for (const auto& [text, prefix] : cases) {
        EXPECT_EQ(Encoded(text), prefix + text) << text.size();
        out << text;
    }
    out << std::int32_t(-2);
    CArchive in(CArchive::load, "/x/a.KTR", out.Bytes());
    for (const auto& c : cases) {
        std::string got = "old";
        ASSERT_TRUE(in.ReadString(got));
        EXPECT_EQ(got, c.first);
    }
    std::int32_t n = 0;
    EXPECT_TRUE(in.ReadInt(n));
    EXPECT_EQ(n, -2);
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_FALSE(in.Failed());
    EXPECT_EQ(out.Bytes().substr(out.Bytes().size() - 4), Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(ArchiveEncoding, WideStringsAreNarrowed)
{
    // 0xFF 0xFFFE marks 16-bit characters; the length follows.
    CArchive in(CArchive::load, "/x/a.KTR", Bytes({0xFF, 0xFE, 0xFF, 3, 'A', 0, 'b', 0, 0x3A, 0x04}));
    std::string text;
    ASSERT_TRUE(in.ReadString(text));
    EXPECT_EQ(text, "Ab?");
}

TEST(ArchiveDamage, ShortAndHostileInputFailsWithoutChangingTheTarget)
{
    const std::string cases[] = {
        "",                                              // nothing at all
        Bytes({5}) + "abc",                              // fewer characters than the length
        Bytes({0xFF, 0x10}),                             // cut inside the 16-bit length
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),  // 2 GB claimed
        Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
               0xFF, 0xFF}),                             // 64-bit length, far too long
        Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 1, 'a', 0}),  // the wide marker twice
    };
    for (const std::string& bytes : cases) {
        CArchive in(CArchive::load, "/x/a.KTR", bytes);
        std::string text = "keep";
        EXPECT_FALSE(in.ReadString(text));
        EXPECT_EQ(text, "keep");
        EXPECT_TRUE(in.Failed());
        std::int32_t n = 99;
        EXPECT_FALSE(in.ReadInt(n));   // once failed, nothing more is read
        EXPECT_EQ(n, 99);
    }
    CArchive in(CArchive::load, "/x/a.KTR", Bytes({1, 2, 3}));
    std::int32_t n = 99;
    EXPECT_FALSE(in.ReadInt(n));
    EXPECT_EQ(n, 99);
    TempDir dir;
    CArchive missing(CArchive::load, dir.File("none.KTR"));
    EXPECT_FALSE(missing.ReadFile());
    EXPECT_TRUE(missing.Failed());
}
