// Load combinations by superposition: record r (0-based) of the results is
// load case r + 1 for r < N and combination r - N + 1 after the N cases;
// a combination's loads and results are the factored sum of its cases'.
// The solver combines the solved displacements and the loads, then
// recovers every record alike, so each combination equals the factored sum
// of its cases' results.
#pragma once
#include <string>
#include <vector>

#include <Eigen/Dense>

#include "solver/Model.h"

namespace solver {

class LoadCombination {
public:
    // The factor of every load case (index 0 = case 1) in record r.
    static std::vector<double> Factors(const Model& model, int record);

    // Problems of the combination table, one line each.
    static std::vector<std::string> Check(const Model& model);

    // The displacement columns of the N load cases followed by one column
    // per combination.
    static Eigen::MatrixXd Extend(const Eigen::MatrixXd& cases, const Model& model);

    // Node loads of record r: nodes x dof, in global axes.
    static CdMatrix NodeLoads(const Model& model, int record);
};

} // namespace solver
