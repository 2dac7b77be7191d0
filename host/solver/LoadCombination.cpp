#include "solver/LoadCombination.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace solver {

std::vector<double> LoadCombination::Factors(const Model& model, int record)
{
    const int n = model.LoadCaseCount();
    std::vector<double> f(static_cast<size_t>(n), 0.0);
    if (record < n) {
        f[static_cast<size_t>(record)] = 1.0;
        return f;
    }
    for (int k = 0; k < n; ++k)
        f[static_cast<size_t>(k)] = model.combinations.GetAt(record - n + 1, k + 1);
    return f;
}

std::vector<std::string> LoadCombination::Check(const Model& model)
{
    std::vector<std::string> problems;
    const int n = model.LoadCaseCount();
    const CdMatrix& t = model.combinations;
    for (int c = 1; c <= t.GetRows(); ++c)
        for (int k = 1; k <= t.GetCols(); ++k) {
            const double f = t(c, k);
            const std::string who = "Combination " + std::to_string(c) + ": ";
            if (!std::isfinite(f)) {
                problems.push_back(who + "the factor of load case " + std::to_string(k) +
                                   " is not a number.");
            } else if (k > n && f != 0.0) {
                char text[32];
                std::snprintf(text, sizeof text, "%g", f);
                problems.push_back(who + "factor " + text + " for load case " + std::to_string(k) +
                                   ", but the project has " + std::to_string(n) +
                                   " load case(s).");
            }
        }
    return problems;
}

Eigen::MatrixXd LoadCombination::Extend(const Eigen::MatrixXd& cases, const Model& model)
{
    const int n = model.LoadCaseCount(), c = model.CombinationCount();
    Eigen::MatrixXd all(cases.rows(), n + c);
    all.leftCols(n) = cases;
    for (int r = n; r < n + c; ++r) {
        const std::vector<double> f = Factors(model, r);
        all.col(r).setZero();
        for (int k = 0; k < n; ++k)
            if (f[static_cast<size_t>(k)] != 0.0)
                all.col(r) += f[static_cast<size_t>(k)] * cases.col(k);
    }
    return all;
}

CdMatrix LoadCombination::NodeLoads(const Model& model, int record)
{
    const int nodes = model.NodeCount(), dof = model.Dof();
    CdMatrix p(nodes, dof);
    const std::vector<double> f = Factors(model, record);
    double** out = p.GetData();
    for (int k = 0; k < model.LoadCaseCount(); ++k) {
        const double factor = f[static_cast<size_t>(k)];
        if (factor == 0.0)
            continue;
        const CdMatrix& loads = model.loadCases[static_cast<size_t>(k)];
        const int rows = std::min(loads.GetRows(), nodes);
        const int cols = std::min(loads.GetCols(), dof);
        for (int i = 1; i <= rows; ++i)
            for (int d = 1; d <= cols; ++d)
                out[i][d] += factor * loads(i, d);
    }
    return p;
}

} // namespace solver
