// Writes the results into the project folder F as the record files the
// library's result pages and drawings read: F + N + ".disn", ".sys",
// ".dise", ".elf", ".mfs" (one record per load case, then one per
// combination) and F + "dcos" (one 3 x 3 record per member). The files are written front to back in one pass, in
// the record layout of CdMatrix::SaveRecord (rows and cols as 32-bit
// integers, then per record the spare slot and the elements row by row).
#pragma once
#include <fstream>
#include <string>
#include <vector>

#include "solver/ResultSink.h"

namespace solver {

class ResultWriter : public ResultSink {
public:
    // folder ends with '/'; name is the project name.
    ResultWriter(const std::string& folder, const std::string& name);
    ~ResultWriter() override;

    bool Begin(int nodes, int members, int dof, int records) override;
    bool WriteAxes(int member, const Eigen::Matrix3d& axes) override;
    bool WriteCase(int loadCase, const CaseResult& result) override;
    bool Finish() override;
    std::string ErrorText() const override { return m_error; }

    // The six paths, in the order .disn, .sys, .dise, .elf, dcos, .mfs.
    std::vector<std::string> Paths() const;

private:
    struct File {
        std::string path;
        std::ofstream out;
        int rows = 0;
        int cols = 0;
    };
    bool Open(File& file, int rows, int cols);
    bool WriteRecord(File& file, const CdMatrix& table);
    bool Fail(const File& file);
    static std::string PartPath(const File& file);

    std::string m_folder;
    std::string m_name;
    File m_files[6];
    std::vector<char> m_buffer;
    std::string m_error;
};

} // namespace solver
