#include "solver/SparseCholesky.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <mutex>

#include <sys/mman.h>

#include <cholmod.h>

namespace solver {

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

const char* OrderingName(int ordering)
{
    switch (ordering) {
    case CHOLMOD_NATURAL: return "natural";
    case CHOLMOD_GIVEN: return "given";
    case CHOLMOD_AMD: return "AMD";
    case CHOLMOD_METIS: return "METIS";
    case CHOLMOD_NESDIS: return "NESDIS";
    case CHOLMOD_COLAMD: return "COLAMD";
    case CHOLMOD_POSTORDERED: return "postordered";
    default: return "unknown";
    }
}

// The factor of a large model is hundreds of megabytes that CHOLMOD clears
// and then fills once. With 4 KiB pages the first touch of every page is a
// kernel fault, which on a 10,000-node frame costs about as much as the
// arithmetic; asking for transparent huge pages on CHOLMOD's large blocks
// cuts the faults 512-fold. The memory itself still comes from malloc.
constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;

void AdviseHugePages(void* block, size_t size)
{
    if (!block || size < 2 * kHugePage)
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

void* HugeMalloc(size_t size)
{
    void* block = std::malloc(size);
    AdviseHugePages(block, size);
    return block;
}

void* HugeCalloc(size_t count, size_t size)
{
    void* block = std::calloc(count, size);
    AdviseHugePages(block, count * size);
    return block;
}

void* HugeRealloc(void* old, size_t size)
{
    void* block = std::realloc(old, size);
    AdviseHugePages(block, size);
    return block;
}

// CHOLMOD allocates through SuiteSparse's process-wide hooks; they are set
// once, before the first CHOLMOD call of the process.
void UseHugePagesForCholmod()
{
    static std::once_flag once;
    std::call_once(once, [] {
        SuiteSparse_config.malloc_func = HugeMalloc;
        SuiteSparse_config.calloc_func = HugeCalloc;
        SuiteSparse_config.realloc_func = HugeRealloc;
        SuiteSparse_config.free_func = std::free;
    });
}

// A view of the caller's arrays as a CHOLMOD matrix: nothing is copied.
cholmod_sparse View(const LinearSystem::UpperMatrix& m)
{
    cholmod_sparse a{};
    a.nrow = a.ncol = static_cast<size_t>(m.size);
    a.nzmax = static_cast<size_t>(m.colStart[m.size]);
    a.p = const_cast<std::int64_t*>(m.colStart);
    a.i = const_cast<std::int64_t*>(m.rowIndex);
    a.x = const_cast<double*>(m.values);
    a.stype = 1; // upper triangle stored
    a.itype = CHOLMOD_LONG;
    a.xtype = CHOLMOD_REAL;
    a.dtype = CHOLMOD_DOUBLE;
    a.sorted = 1;
    a.packed = 1;
    return a;
}

} // namespace

struct SparseCholesky::Cholmod {
    cholmod_common common{};
    cholmod_factor* factor = nullptr;

    explicit Cholmod(Method method)
    {
        UseHugePagesForCholmod();
        cholmod_l_start(&common);
        const bool super = method == Method::Supernodal;
        common.supernodal = super ? CHOLMOD_SUPERNODAL : CHOLMOD_SIMPLICIAL;
        common.final_ll = super ? 1 : 0;
        // The solver reports through its status, not on stderr.
        common.print = 0;
        common.error_handler = nullptr;
    }
    ~Cholmod()
    {
        FreeFactor();
        cholmod_l_finish(&common);
    }
    void FreeFactor()
    {
        if (factor)
            cholmod_l_free_factor(&factor, &common);
    }
};

SparseCholesky::SparseCholesky(Method method) : m_cholmod(std::make_unique<Cholmod>(method)) {}

SparseCholesky::~SparseCholesky() = default;

LinearSystem::Outcome SparseCholesky::Fail(const char* what)
{
    const int status = m_cholmod->common.status;
    if (status == CHOLMOD_OUT_OF_MEMORY) {
        m_error = std::string(what) + ": not enough memory";
        return Outcome::OutOfMemory;
    }
    m_error = std::string(what) + " failed (CHOLMOD status " + std::to_string(status) + ")";
    return Outcome::Failed;
}

LinearSystem::Outcome SparseCholesky::Analyse(const UpperMatrix& matrix)
{
    const Clock::time_point start = Clock::now();
    m_failed = -1;
    m_error.clear();
    m_statistics = Statistics();
    m_cholmod->FreeFactor();
    cholmod_sparse a = View(matrix);
    cholmod_common& c = m_cholmod->common;
    m_cholmod->factor = cholmod_l_analyze(&a, &c);
    if (!m_cholmod->factor)
        return Fail("The analysis of the stiffness matrix");
    const int selected = c.selected;
    m_statistics.ordering = selected >= 0 && selected <= CHOLMOD_MAXMETHODS
                                ? OrderingName(c.method[selected].ordering)
                                : OrderingName(m_cholmod->factor->ordering);
    m_statistics.factorEntries = c.lnz;
    m_statistics.flops = c.fl;
    m_statistics.analyseSeconds = Seconds(start);
    return Outcome::Factorised;
}

LinearSystem::Outcome SparseCholesky::Factorise(const UpperMatrix& matrix, double pivotTolerance)
{
    const Clock::time_point start = Clock::now();
    m_failed = -1;
    cholmod_factor* l = m_cholmod->factor;
    if (!l) {
        m_error = "The stiffness matrix was not analysed";
        return Outcome::Failed;
    }
    cholmod_sparse a = View(matrix);
    cholmod_common& c = m_cholmod->common;
    const int ok = cholmod_l_factorize(&a, l, &c);
    m_statistics.factorSeconds = Seconds(start);
    if (!ok || (c.status != CHOLMOD_OK && c.status != CHOLMOD_NOT_POSDEF))
        return Fail("The factorisation of the stiffness matrix");
    // Columns before the one CHOLMOD stopped at are complete: a weak pivot
    // among them comes first in the elimination.
    const std::int64_t stopped = c.status == CHOLMOD_NOT_POSDEF
                                     ? static_cast<std::int64_t>(l->minor)
                                     : matrix.size;
    std::int64_t column = FirstWeakPivot(matrix, stopped, pivotTolerance);
    if (column < 0 && stopped < matrix.size)
        column = stopped;
    if (column < 0)
        return Outcome::Factorised;
    m_failed = static_cast<const std::int64_t*>(l->Perm)[column];
    return Outcome::NotPositiveDefinite;
}

std::int64_t SparseCholesky::FirstWeakPivot(const UpperMatrix& matrix, std::int64_t end,
                                            double tolerance) const
{
    const cholmod_factor* l = m_cholmod->factor;
    const auto* perm = static_cast<const std::int64_t*>(l->Perm);
    const auto* x = static_cast<const double*>(l->x);
    auto weak = [&](std::int64_t column, double pivot) {
        // The matrix's own diagonal ends its column.
        const std::int64_t e = perm[column];
        const double diagonal = matrix.values[matrix.colStart[e + 1] - 1];
        return !(pivot > tolerance * diagonal);
    };
    if (l->is_super) {
        // Supernode s: columns super[s] .. super[s + 1] - 1, stored as a
        // dense column-major block of pi[s + 1] - pi[s] rows from px[s].
        const auto* super = static_cast<const std::int64_t*>(l->super);
        const auto* pi = static_cast<const std::int64_t*>(l->pi);
        const auto* px = static_cast<const std::int64_t*>(l->px);
        for (size_t s = 0; s < l->nsuper; ++s) {
            const std::int64_t rows = pi[s + 1] - pi[s];
            for (std::int64_t k = super[s]; k < super[s + 1] && k < end; ++k) {
                const std::int64_t local = k - super[s];
                const double d = x[px[s] + local * rows + local];
                if (weak(k, d * d))
                    return k;
            }
            if (super[s + 1] >= end)
                break;
        }
        return -1;
    }
    // Simplicial: the diagonal opens each column (L L' or L D L').
    const auto* p = static_cast<const std::int64_t*>(l->p);
    for (std::int64_t k = 0; k < end; ++k) {
        const double d = x[p[k]];
        if (weak(k, l->is_ll ? d * d : d))
            return k;
    }
    return -1;
}

LinearSystem::Outcome SparseCholesky::Solve(Eigen::MatrixXd& rhs)
{
    const Clock::time_point start = Clock::now();
    cholmod_common& c = m_cholmod->common;
    // No free equation (every node held) or no load case: nothing to solve.
    if (rhs.size() == 0)
        return Outcome::Factorised;
    if (!m_cholmod->factor) {
        m_error = "The stiffness matrix was not factorised";
        return Outcome::Failed;
    }
    cholmod_dense b{};
    b.nrow = static_cast<size_t>(rhs.rows());
    b.ncol = static_cast<size_t>(rhs.cols());
    b.nzmax = b.nrow * b.ncol;
    b.d = b.nrow;
    b.x = rhs.data();
    b.xtype = CHOLMOD_REAL;
    b.dtype = CHOLMOD_DOUBLE;
    cholmod_dense* u = cholmod_l_solve(CHOLMOD_A, m_cholmod->factor, &b, &c);
    if (!u)
        return Fail("Solving the load cases");
    std::copy(static_cast<const double*>(u->x), static_cast<const double*>(u->x) + b.nzmax,
              rhs.data());
    cholmod_l_free_dense(&u, &c);
    m_statistics.solveSeconds = Seconds(start);
    return Outcome::Factorised;
}

} // namespace solver
