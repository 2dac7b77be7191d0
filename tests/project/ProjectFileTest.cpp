#include <gtest/gtest.h>

#include <string>

#include "platform/Profile.h"
#include "platform/Trace.h"
#include "project/Archive.h"
#include "project/Project.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

std::string Str(const std::string& text)
{
    return Bytes({static_cast<int>(text.size())}) + text;
}

std::string Int(int v)
{
    return Bytes({v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, (v >> 24) & 0xFF});
}

void FillKnownProject(CProject& p, const std::string& folder)
{
    p.GetEngineer() = "Ann";
    p.GetLocation() = folder;
    p.GetName() = "Frame1";
    p.GetElementType() = "Frame3D";
    p.GetForceUnit() = "kN";
    p.GetLengthUnit() = "m";
    p.GetTitle() = "Portal";
    p.GetDof() = 6;
    p.GetNodesPerElement() = 2;
    p.GetEquationCount() = 18;
    p.GetNodeCount() = 4;
    p.GetElementCount() = 3;
    p.GetLoadCaseCount() = 2;
    p.GetMaterialCount() = 1;
    p.GetActiveLoadCase() = 2;
    p.GetReleaseCount() = 0;
    p.GetSolution() = 1;
}

std::string KnownRecord(const std::string& folder, const std::string& name = "Frame1")
{
    return Str("Ann") + Str(folder) + Str(name) + Str("Frame3D") + Str("kN") + Str("m") +
           Str("Portal") + Int(6) + Int(2) + Int(18) + Int(4) + Int(3) + Int(2) + Int(1) +
           Int(2) + Int(0) + Int(1);
}

} // namespace

TEST(ProjectFile, SaveToArchiveTakesFolderAndNameFromTheFile)
{
    TempDir dir;
    {
        CProject p;
        FillKnownProject(p, "/old/place/");
        p.GetName() = "OldName";
        p.Settings(true);
    }
    CArchive ar(CArchive::store, "/P/Frame1.KTR");
    CProject q;
    q.GetNodeCount() = 999;   // refreshed from the settings file before writing
    q.SaveToArchive(ar);
    EXPECT_EQ(ar.Bytes(), KnownRecord("/P/"));
    EXPECT_EQ(q.GetLocation(), "/P/");
    EXPECT_EQ(q.GetName(), "Frame1");
}

TEST(ProjectFile, LongStringsReadBackWhole)
{
    TempDir dir;
    CProject p;
    FillKnownProject(p, dir.Folder());
    p.GetEngineer() = std::string(300, 'E');   // 16-bit length
    p.GetTitle() = std::string(70000, 'T');    // 32-bit length; the INI cuts at 799 on reading
    TempDir::Write(dir.File("Frame1.KTR"), "");
    p.Settings(true);
    // Reading it back gives the full strings: the file holds no buffer limit.
    CArchive in(CArchive::load, dir.File("Frame1.KTR"));
    ASSERT_TRUE(in.ReadFile());
    CProject q;
    ASSERT_TRUE(q.LoadFromArchive(in));
    EXPECT_EQ(q.GetTitle(), std::string(70000, 'T'));
    EXPECT_EQ(q.GetEngineer(), std::string(300, 'E'));
}

TEST(ProjectFile, LoadTakesFolderAndNameFromThePathAndBecomesCurrent)
{
    TempDir dir;
    const std::string path = dir.File("Frame1.KTR");
    TempDir::Write(path, KnownRecord("/elsewhere/", "Other"));
    CArchive ar(CArchive::load, path);
    ASSERT_TRUE(ar.ReadFile());
    CProject p;
    ASSERT_TRUE(p.LoadFromArchive(ar));
    EXPECT_EQ(p.GetLocation(), dir.Folder());
    EXPECT_EQ(p.GetName(), "Frame1");
    EXPECT_EQ(p.GetTitle(), "Portal");
    EXPECT_EQ(p.GetSolution(), 1);

    // The settings file now describes the opened project ...
    CProject q;
    EXPECT_EQ(q.GetLocation(), dir.Folder());
    EXPECT_EQ(q.GetName(), "Frame1");
    EXPECT_EQ(q.GetEquationCount(), 18);
    EXPECT_EQ(q.GetActiveLoadCase(), 2);
    // ... and the project file was rewritten with its own folder and name.
    EXPECT_EQ(TempDir::Read(path), KnownRecord(dir.Folder()));

    // The name is the file name less its last four characters.
    TempDir::Write(dir.File("Tower.ktr"), KnownRecord("/x/", "y"));
    CArchive tower(CArchive::load, dir.File("Tower.ktr"));
    ASSERT_TRUE(tower.ReadFile());
    ASSERT_TRUE(p.LoadFromArchive(tower));
    EXPECT_EQ(p.GetName(), "Tower");
}

TEST(ProjectFile, DamagedFileKeepsDefaultsAndLeavesSettingsAlone)
{
    TempDir dir;
    {
        CProject current;
        current.GetName() = "Current";
        current.GetNodeCount() = 40;
        current.Settings(true);
    }
    const std::string iniBefore = TempDir::Read(dir.Ini());
    const std::string full = KnownRecord("/elsewhere/", "Other");
    // Cut after engineer, folder and name, and after the DOF integer.
    const size_t afterName = Str("Ann").size() + Str("/elsewhere/").size() + Str("Other").size();
    const size_t afterDof = afterName + Str("Frame3D").size() + Str("kN").size() +
                            Str("m").size() + Str("Portal").size() + 4;
    for (size_t cut : {size_t(0), size_t(2), afterName, afterName + 3, afterDof, afterDof + 2,
                       full.size() - 1}) {
        const std::string path = dir.File("Cut.KTR");
        TempDir::Write(path, full.substr(0, cut));
        CArchive ar(CArchive::load, path);
        ASSERT_TRUE(ar.ReadFile());
        CProject p;
        EXPECT_FALSE(p.LoadFromArchive(ar)) << cut;
        EXPECT_TRUE(ar.Failed());
        if (cut >= afterName) {
            EXPECT_EQ(p.GetEngineer(), "Ann");
            EXPECT_EQ(p.GetName(), "Other");
        } else {
            EXPECT_EQ(p.GetName(), "Undefine ");
        }
        if (cut < afterDof) {
            EXPECT_EQ(p.GetElementType(), cut >= afterName + 8 ? "Frame3D" : "Undefine ");
            EXPECT_EQ(p.GetDof(), 0);
        } else {
            EXPECT_EQ(p.GetDof(), 6);
        }
        EXPECT_EQ(p.GetActiveLoadCase(), cut == full.size() - 1 ? 2 : 1);
        EXPECT_EQ(p.GetSolution(), 0);
        EXPECT_EQ(TempDir::Read(dir.Ini()), iniBefore);
    }
}

TEST(ProjectFile, WriteNeverCreatesTheProjectFileAndRewritesAnExistingOne)
{
    TempDir dir;
    platform::TraceRecorder trace;
    CProject p;
    FillKnownProject(p, dir.Folder());
    p.WriteProjectFile();
    EXPECT_EQ(trace.Text(), "Unable to open file\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("Frame1.KTR")));

    // Saving the settings rewrites an existing, longer project file byte for byte.
    TempDir::Write(dir.File("Frame1.KTR"), std::string(2000, 'x'));
    p.Settings(true);
    EXPECT_EQ(trace.Text(), "Unable to open file\n");   // no second line
    EXPECT_EQ(TempDir::Read(dir.File("Frame1.KTR")), KnownRecord(dir.Folder()));
}
