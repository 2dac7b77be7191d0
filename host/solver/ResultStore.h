// Keeps the results in memory: the member axes as 3 x 3 tables and the four
// result tables of every record (index 0 = load case 1; the combinations
// follow the load cases).
#pragma once
#include <vector>

#include "solver/ResultSink.h"

namespace solver {

class ResultStore : public ResultSink {
public:
    bool Begin(int nodes, int members, int dof, int records) override;
    bool WriteAxes(int member, const Eigen::Matrix3d& axes) override;
    bool WriteCase(int loadCase, const CaseResult& result) override;
    bool Finish() override { return true; }

    std::vector<CdMatrix> axes;
    std::vector<CaseResult> cases;
};

} // namespace solver
