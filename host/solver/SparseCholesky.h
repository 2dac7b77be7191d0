// LinearSystem by CHOLMOD's supernodal Cholesky factorisation (L L'): the
// analysis picks the cheaper of its orderings (AMD, or METIS nested
// dissection when AMD leaves much fill), the factorisation works on dense
// supernodes through the multithreaded BLAS, and all right-hand sides are
// solved together. A pivot that fails (CHOLMOD's "not positive definite",
// or a positive pivot too small to trust) is mapped back through the
// factor's permutation to the equation it belongs to.
#pragma once
#include <memory>

#include "solver/LinearSystem.h"

namespace solver {

class SparseCholesky : public LinearSystem {
public:
    // Supernodal L L' is the solver's; simplicial L D L' (column by column)
    // is there to check it against.
    enum class Method { Supernodal, Simplicial };

    explicit SparseCholesky(Method method = Method::Supernodal);
    ~SparseCholesky() override;
    SparseCholesky(const SparseCholesky&) = delete;
    SparseCholesky& operator=(const SparseCholesky&) = delete;

    Outcome Analyse(const UpperMatrix& matrix) override;
    Outcome Factorise(const UpperMatrix& matrix, double pivotTolerance) override;
    std::int64_t FailedEquation() const override { return m_failed; }
    Outcome Solve(Eigen::MatrixXd& rhs) override;

    const Statistics& GetStatistics() const override { return m_statistics; }
    std::string ErrorText() const override { return m_error; }

private:
    struct Cholmod;
    Outcome Fail(const char* what);
    // First column of the factor (elimination order) before end whose
    // squared pivot is at or below tolerance times the matrix's diagonal
    // entry; -1 when there is none.
    std::int64_t FirstWeakPivot(const UpperMatrix& matrix, std::int64_t end,
                                double tolerance) const;

    std::unique_ptr<Cholmod> m_cholmod;
    std::int64_t m_failed = -1;
    Statistics m_statistics;
    std::string m_error;
};

} // namespace solver
