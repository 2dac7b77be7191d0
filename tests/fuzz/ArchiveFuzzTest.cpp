// The project file: whatever bytes a ".KTR" file holds, opening it either
// gives a project or refuses the file, and never reads past the bytes the
// archive holds nor allocates for a length the file cannot fill.
#include "fuzz/FuzzRunner.h"
#include "platform/MessageBox.h"
#include "project/Archive.h"
#include "project/Project.h"
#include "support/TempDir.h"

#include <cstdint>

using testsupport::TempDir;

namespace {

std::string Record(const std::string& folder, const std::string& title, int nodes)
{
    CArchive ar(CArchive::store, folder + "Frame1.KTR");
    for (const char* text : {"Ann", folder.c_str(), "Frame1", "Frame3D", "kN", "m"})
        ar << std::string(text);
    ar << title;
    for (std::int32_t v : {6, 2, 18, nodes, 3, 2, 1, 2, 0, 1})
        ar << v;
    return ar.Bytes();
}

} // namespace

TEST(ArchiveFuzz, ProjectFileOpensOrIsRefused)
{
    TempDir dir;
    platform::MessageRecorder boxes;
    const std::string path = dir.File("Frame1.KTR");
    // Short, one-byte-prefixed and wide (0xFF, 0xFFFF) string lengths.
    fuzz::Mutator mutator({Record(dir.Folder(), "Portal", 4),
                           Record(dir.Folder(), std::string(300, 'T'), 70000),
                           Record(dir.Folder(), "", -1)});

    fuzz::Runner runner("ArchiveFuzz");
    runner.Run(mutator, [&](const std::string& bytes) {
        CArchive in(CArchive::load, path, bytes);
        CProject project;
        if (project.LoadFromArchive(in)) {
            EXPECT_FALSE(in.Failed());
            EXPECT_FALSE(project.DetailText().empty());
        }
        // Reads after the end of the record keep failing cleanly.
        std::string text;
        std::int32_t value = 0;
        in >> text >> value;
        boxes.Clear();
    });
}
