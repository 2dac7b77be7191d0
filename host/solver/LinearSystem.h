// The linear-system step of the solver behind one small interface: the
// symmetric positive definite stiffness is analysed and factorised once,
// then every load case is solved in one call with many right-hand sides.
// Assembly and recovery only see this interface, so a different direct
// solver (a distributed one, say) can take the place of SparseCholesky
// without touching them.
#pragma once
#include <cstdint>
#include <string>

#include <Eigen/Dense>

namespace solver {

class LinearSystem {
public:
    // The upper triangle of a symmetric matrix in compressed columns:
    // column j holds rows rowIndex[colStart[j] .. colStart[j + 1]),
    // increasing, its diagonal last.
    struct UpperMatrix {
        std::int64_t size = 0;
        const std::int64_t* colStart = nullptr;
        const std::int64_t* rowIndex = nullptr;
        const double* values = nullptr;
    };

    enum class Outcome {
        Factorised,
        // A pivot at or below the tolerance: FailedEquation() names it.
        NotPositiveDefinite,
        OutOfMemory,
        Failed, // anything else; ErrorText() says what
    };

    // What the last analysis and factorisation did, for the log and the
    // benchmark.
    struct Statistics {
        std::string ordering;       // fill-reducing ordering chosen
        double factorEntries = 0.0; // stored entries of the factor
        double flops = 0.0;         // floating-point operations of the factorisation
        double analyseSeconds = 0.0;
        double factorSeconds = 0.0;
        double solveSeconds = 0.0;
    };

    virtual ~LinearSystem() = default;

    // Chooses the elimination order and lays out the factor for the
    // pattern of matrix (its values are not read).
    virtual Outcome Analyse(const UpperMatrix& matrix) = 0;
    // Factorises matrix (the pattern given to Analyse). A pivot at or below
    // pivotTolerance times its diagonal entry, or not a number, stops with
    // NotPositiveDefinite and the equation it belongs to.
    virtual Outcome Factorise(const UpperMatrix& matrix, double pivotTolerance) = 0;
    // The equation (row of the matrix as given) whose pivot failed; -1 when none.
    virtual std::int64_t FailedEquation() const = 0;
    // Overwrites every column of rhs (size rows) with the solution.
    virtual Outcome Solve(Eigen::MatrixXd& rhs) = 0;

    virtual const Statistics& GetStatistics() const = 0;
    virtual std::string ErrorText() const = 0;
};

} // namespace solver
