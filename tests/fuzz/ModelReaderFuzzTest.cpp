// The solver's input: whatever bytes the project's table files hold, the
// model reader gives a model or a message naming the file, and the solver's
// check of a model it read refuses what it cannot solve without touching
// memory outside the tables.
#include "fuzz/FuzzRunner.h"
#include "numerics/dMatrix.h"
#include "platform/MessageBox.h"
#include "solver/Model.h"
#include "solver/ModelReader.h"
#include "solver/Solver.h"
#include "support/TempDir.h"

#include <array>
#include <cstdio>

using testsupport::TempDir;

namespace {

CdMatrix Table(int rows, int cols, std::initializer_list<double> values)
{
    CdMatrix m(rows, cols);
    auto it = values.begin();
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m(i, j) = it != values.end() ? *it++ : 0.0;
    return m;
}

const std::array<const char*, 5> Extensions = {".nod", ".ele", ".pro", ".res", ".lod1"};

} // namespace

TEST(ModelReaderFuzz, TableFilesGiveAModelOrAMessage)
{
    TempDir dir;
    platform::MessageRecorder boxes;
    const std::string base = dir.Folder() + "M";
    // A cantilever of two members with a release set and one load case.
    const std::array<CdMatrix, 5> tables = {
        Table(3, 9, {0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 1, 1, 1, 1, 1, 1, 6, 0, 0, 1, 1, 1, 1, 1, 1}),
        Table(2, 8, {1, 2, 3, 0, 1, 0, 1, 0, 2, 3, 3, 3, 1, 0, 1, 1}),
        Table(1, 6, {2.1e10, 0.01, 8e9, 1e-5, 2e-5, 3e-5}),
        Table(1, 12, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}),
        Table(3, 6, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1000, 0, 0, 0, 0}),
    };
    std::vector<std::string> good;
    for (std::size_t f = 0; f < tables.size(); ++f) {
        ASSERT_TRUE(tables[f].Save(base + Extensions[f]));
        good.push_back(TempDir::Read(base + Extensions[f]));
    }
    fuzz::Mutator mutator(good);

    fuzz::Runner runner("ModelReaderFuzz");
    std::size_t round = 0;
    runner.Run(mutator, [&](const std::string& bytes) {
        // One file takes the input, the others stay good; now and then the
        // optional release file is missing.
        const std::size_t target = round++ % good.size();
        for (std::size_t f = 0; f < good.size(); ++f)
            TempDir::Write(base + Extensions[f], f == target ? bytes : good[f]);
        if (round % 7 == 0 && target != 3)
            std::remove((base + ".res").c_str());

        for (const char* type : {"Frame3D", "Truss3D"}) {
            solver::Model model;
            const solver::SolverStatus status = solver::ModelReader::Read(dir.Folder(), "M", type, 1, model);
            if (status.IsOk()) {
                std::vector<solver::MemberData> members;
                solver::Solver::Check(model, members);
            }
        }
        boxes.Clear();
    });
}
