// The loads suite's fixture: the shared table project with the debug trace
// recorder, and helpers for profile numbers, case files and result record
// files.
#pragma once
#include "platform/Trace.h"
#include "project/Project.h"
#include "support/TableTestSupport.h"

#include <filesystem>

namespace loadstest {

class LoadsProject : public testsupport::TableProject {
protected:
    platform::TraceRecorder trace;

    // The model view goes while the trace recorder still listens.
    void TearDown() override
    {
        geo.reset();
        TableProject::TearDown();
    }

    static void SetInt(const std::string& key, int value)
    {
        platform::Profile::WriteString("KESTRA ", key, std::to_string(value));
    }
    static int GetInt(const std::string& key) { return platform::Profile::GetInt("KESTRA ", key, -99); }

    // Translations of node i restrained, rotations free.
    static void Pin(CdMatrix& nodes, int i)
    {
        for (int j = 4; j <= 6; ++j)
            nodes(i, j) = 0.0;
    }

    std::string CaseFile(int k) const { return dir.Folder() + "demo.lod" + std::to_string(k); }
    bool Exists(const std::string& path) const { return std::filesystem::exists(path); }
    // Case file k holding value at (1, 1) of a rows x cols matrix.
    void WriteCase(int k, int rows, int cols, double value) const
    {
        CdMatrix loads(rows, cols);
        loads(1, 1) = value;
        ASSERT_TRUE(loads.Save(CaseFile(k)));
    }
    static CdMatrix ReadMatrix(const std::string& path)
    {
        CdMatrix m;
        m.Load(path);
        return m;
    }

    // The loads pages are shown a little larger.
    static void ShowActive(QWidget* widget) { TableProject::ShowActive(widget, 600, 480); }
};

} // namespace loadstest
