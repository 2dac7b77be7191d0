#include "solver/ResultStore.h"

namespace solver {

bool ResultStore::Begin(int /*nodes*/, int members, int /*dof*/, int records)
{
    axes.assign(static_cast<size_t>(members), CdMatrix(3, 3));
    cases.assign(static_cast<size_t>(records), CaseResult());
    return true;
}

bool ResultStore::WriteAxes(int member, const Eigen::Matrix3d& a)
{
    if (member < 1 || member > static_cast<int>(axes.size()))
        return false;
    CdMatrix& t = axes[static_cast<size_t>(member - 1)];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t(i + 1, j + 1) = a(i, j);
    return true;
}

bool ResultStore::WriteCase(int loadCase, const CaseResult& result)
{
    if (loadCase < 1 || loadCase > static_cast<int>(cases.size()))
        return false;
    cases[static_cast<size_t>(loadCase - 1)] = result;
    return true;
}

} // namespace solver
