// CGeometry: construction, settings, unit factors, the node and member
// updates and the two renumbering clean-ups.
#include "view/Geometry.h"

#include <GL/glu.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unordered_set>

#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "project/Project.h"

CGeometry::MatrixViewerHook CGeometry::s_matrixViewerHook = nullptr;

CGeometry::CGeometry()
    : m_selNodeFrom(0),
      m_selNodeTo(0),
      m_selMemberFrom(0),
      m_selMemberTo(0),
      m_activeTable(0),
      m_forceComponent(0),
      m_viewMode(ModeModel),
      m_hostFlag(1),
      m_geometryChanged(false),
      m_modelChanged(false),
      m_quadric(nullptr)
{
    LoadLibraryA();
}

CGeometry::~CGeometry()
{
    if (m_quadric)
        gluDeleteQuadric(m_quadric);
    m_quadric = nullptr;
}

void CGeometry::LoadLibraryA()
{
    m_nodeOptions.LoadLibraryA();
    m_memberOptions.LoadLibraryA();
    m_loadOptions.LoadLibraryA();
    m_forceOptions.LoadLibraryA();
    m_viewOptions.LoadLibraryA();
    m_memberLoadOptions.LoadLibraryA();
    // Re-reading the settings must not leak the quadric of the last read.
    if (m_quadric)
        gluDeleteQuadric(m_quadric);
    m_quadric = gluNewQuadric();
}

// ---------------------------------------------------------------------------
// Model updates

void CGeometry::UpdateNode()
{
    CProject project;
    const int n = m_nodeTable.GetRows();
    std::vector<std::string>& labels = m_nodeOptions.m_nodeLabels;
    labels.assign(static_cast<size_t>(n) + 1, std::string());
    for (int i = 1; i <= n; ++i)
        labels[i] = std::to_string(i);
    project.GetNodeCount() = n;
    project.Settings(true);
    RenderNode();
    RenderSupport();
}

void CGeometry::UpdateMember()
{
    CProject project;
    const int m = m_memberTable.GetRows();
    std::vector<std::string>& labels = m_memberOptions.m_memberLabels;
    labels.assign(static_cast<size_t>(m) + 1, std::string());
    m_memberLine.SetSize(m, 9);
    for (int i = 1; i <= m; ++i)
        labels[i] = std::to_string(i);
    project.GetElementCount() = m;
    project.Settings(true);
    RenderMember();
}

// ---------------------------------------------------------------------------
// Unit factors

double CGeometry::LengthFactorOf(const std::string& unit)
{
    if (unit == "mm")
        return 1000;
    if (unit == "cm")
        return 100.0;
    if (unit == "m")
        return 1.0;
    if (unit == "Km")
        return 0.001;
    if (unit == "in")
        return 39.37;
    if (unit == "ft")
        return 3.281;
    return 1.0;
}

double CGeometry::ForceFactorOf(const std::string& unit)
{
    if (unit == "T")
        return 0.001;
    if (unit == "Kg")
        return 1.0;
    if (unit == "kip")
        return 0.002205;
    if (unit == "P")
        return 2.205;
    if (unit == "MN")
        return 0.00000981;
    if (unit == "kN")
        return 0.00981;
    if (unit == "N")
        return 9.81;
    return 1.0;
}

double CGeometry::GetLengthFactor()
{
    CProject project;
    return LengthFactorOf(project.GetLengthUnit());
}

double CGeometry::GetForceFactor()
{
    CProject project;
    return ForceFactorOf(project.GetForceUnit());
}

double CGeometry::GetAreaFactor()
{
    const double l = GetLengthFactor();
    return l * l;
}

double CGeometry::GetInertiaFactor()
{
    const double l = GetLengthFactor();
    return l * l * l * l;
}

double CGeometry::GetStressFactor()
{
    const double l = GetLengthFactor();
    return GetForceFactor() / (l * l);
}

double CGeometry::GetMomentFactor()
{
    return GetForceFactor() * GetLengthFactor();
}

// ---------------------------------------------------------------------------
// Renumbering

int CGeometry::TruncateNumber(double value)
{
    // The range test is written so that NaN fails it too.
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return INT_MIN;
    return static_cast<int>(value);
}

namespace {

// The rows of `table` whose keep flag is set, in order, with all columns.
CdMatrix KeptRows(const CdMatrix& table, const std::vector<char>& keep)
{
    const int rows = table.GetRows();
    const int cols = table.GetCols();
    int kept = 0;
    for (int i = 1; i <= rows; ++i)
        kept += keep[i] ? 1 : 0;
    CdMatrix result(kept, cols);
    const double* const* src = table.GetData();
    double** dst = result.GetData();
    int r = 0;
    for (int i = 1; i <= rows; ++i) {
        if (!keep[i])
            continue;
        ++r;
        std::memcpy(dst[r] + 1, src[i] + 1, sizeof(double) * static_cast<size_t>(cols));
    }
    // The spare slot travels with the table.
    dst[0][0] = src[0][0];
    return result;
}

// Cells of the coincidence grid: cubes of eight times the tolerance, so
// that a point usually has to look into its own cell only. The cell index
// along one axis is computed in extended precision: for |v| < 2^40 its
// rounding error stays below 0.001 of a cell, and beyond 2^40 two doubles
// closer than the tolerance are equal and share their cell anyway.
constexpr long double kCellSize = 8.0L * static_cast<long double>(CGeometry::CoincidenceTolerance);
// A point within the tolerance lies less than this fraction of a cell away
// (1/8 plus a margin for the rounding of both cell positions).
constexpr long double kReach = 0.13L;
constexpr long double kCellLimit = 4.0e18L;

struct AxisCells {
    std::int64_t home;
    bool below; // the cell below may hold a coincident point
    bool above; // the cell above may
};

AxisCells Cells(double v)
{
    const long double t = static_cast<long double>(v) / kCellSize;
    const long double c = std::floor(t);
    if (c > kCellLimit || c < -kCellLimit) {
        const long double clamped = c > 0 ? kCellLimit : -kCellLimit;
        return {static_cast<std::int64_t>(clamped), true, true};
    }
    const long double f = t - c; // exact: 0 <= f < 1
    return {static_cast<std::int64_t>(c), f < kReach, f > 1.0L - kReach};
}

// A full 64-bit mix (the splitmix64 finaliser): coordinates that differ
// only in their top bits still spread over every bucket.
inline std::uint64_t Mix(std::uint64_t h)
{
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 31);
}

struct CellKey {
    std::int64_t x, y, z;
    bool operator==(const CellKey& o) const { return x == o.x && y == o.y && z == o.z; }
};
struct CellKeyHash {
    size_t operator()(const CellKey& k) const
    {
        return static_cast<size_t>(Mix(Mix(Mix(static_cast<std::uint64_t>(k.x)) ^
                                           static_cast<std::uint64_t>(k.y)) ^
                                       static_cast<std::uint64_t>(k.z)));
    }
};

// Exact coordinates of a point, -0.0 folded onto 0.0.
struct PointKey {
    std::uint64_t x, y, z;
    bool operator==(const PointKey& o) const { return x == o.x && y == o.y && z == o.z; }
};
struct PointKeyHash {
    size_t operator()(const PointKey& k) const
    {
        return static_cast<size_t>(Mix(Mix(Mix(k.x) ^ k.y) ^ k.z));
    }
};
// Open-addressing hash table with linear probing for the merge: one probe
// sequence per look-up in a power-of-two array, no allocation per entry.
template <class Key, class Value, class Hash>
class FlatTable {
public:
    explicit FlatTable(size_t expected)
    {
        size_t capacity = 16;
        while (capacity < 2 * expected)
            capacity *= 2;
        m_slots.resize(capacity);
        m_mask = capacity - 1;
    }
    Value* Find(const Key& key)
    {
        for (size_t i = Hash()(key) & m_mask;; i = (i + 1) & m_mask) {
            Slot& s = m_slots[i];
            if (!s.used)
                return nullptr;
            if (s.key == key)
                return &s.value;
        }
    }
    // The value stored under key, inserting `value` first when absent;
    // *inserted tells which.
    Value& Insert(const Key& key, const Value& value, bool* inserted)
    {
        for (size_t i = Hash()(key) & m_mask;; i = (i + 1) & m_mask) {
            Slot& s = m_slots[i];
            if (!s.used) {
                s.used = true;
                s.key = key;
                s.value = value;
                *inserted = true;
                return s.value;
            }
            if (s.key == key) {
                *inserted = false;
                return s.value;
            }
        }
    }

private:
    struct Slot {
        Key key{};
        Value value{};
        bool used = false;
    };
    std::vector<Slot> m_slots;
    size_t m_mask = 0;
};

std::uint64_t Bits(double v)
{
    v += 0.0; // -0.0 becomes 0.0
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

bool Coincide(const double* a, const double* b)
{
    const double tol = CGeometry::CoincidenceTolerance;
    return std::fabs(a[0] - b[0]) < tol && std::fabs(a[1] - b[1]) < tol &&
           std::fabs(a[2] - b[2]) < tol;
}

} // namespace

// For every node v the loop "for i < j: if i and j coincide, ends naming j
// become i" leaves an end that named v at the smallest i < v coinciding with
// v itself: once an end has become i no later pair (i', j > i' > i) can name
// it again. Coincidence is not transitive, so the answer is searched among
// the direct neighbours of v only. A grid of cells finds them; points with
// identical coordinates share one representative so that a heap of copies
// of one point costs one look-up each.
int CGeometry::MergeCoincidentNodeEnds(const CdMatrix& nodes, CdMatrix& members)
{
    const int n = nodes.GetRows();
    if (n < 2 || members.GetRows() < 1)
        return 0;

    std::vector<int> target(static_cast<size_t>(n) + 1, 0);  // 0: keeps its number
    std::vector<double> point(3 * (static_cast<size_t>(n) + 1), 0.0);
    struct Chain {
        int first;
        int last;
    };
    // At most one cell and one exact point per node: the tables never fill.
    FlatTable<CellKey, Chain, CellKeyHash> cells(static_cast<size_t>(n));
    std::vector<int> next(static_cast<size_t>(n) + 1, 0); // 0 ends a chain
    FlatTable<PointKey, int, PointKeyHash> exact(static_cast<size_t>(n));

    for (int v = 1; v <= n; ++v) {
        double* p = &point[3 * static_cast<size_t>(v)];
        p[0] = nodes(v, 1);
        p[1] = nodes(v, 2);
        p[2] = nodes(v, 3);
        // A point with an infinite or undefined coordinate coincides with none.
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
            continue;
        bool fresh = false;
        const int u = exact.Insert(PointKey{Bits(p[0]), Bits(p[1]), Bits(p[2])}, v, &fresh);
        if (!fresh) {
            target[v] = target[u] ? target[u] : u;
            continue;
        }

        const AxisCells ax = Cells(p[0]), ay = Cells(p[1]), az = Cells(p[2]);
        int best = 0;
        for (int dx = ax.below ? -1 : 0; dx <= (ax.above ? 1 : 0); ++dx)
            for (int dy = ay.below ? -1 : 0; dy <= (ay.above ? 1 : 0); ++dy)
                for (int dz = az.below ? -1 : 0; dz <= (az.above ? 1 : 0); ++dz) {
                    const Chain* cell = cells.Find(CellKey{ax.home + dx, ay.home + dy, az.home + dz});
                    if (cell == nullptr)
                        continue;
                    // Cells chain their points in ascending order: the first
                    // match is the cell's smallest.
                    for (int i = cell->first; i != 0; i = next[i]) {
                        if (best && i >= best)
                            break;
                        if (Coincide(&point[3 * static_cast<size_t>(i)], p)) {
                            best = i;
                            break;
                        }
                    }
                }
        target[v] = best;
        Chain& chain = cells.Insert(CellKey{ax.home, ay.home, az.home}, Chain{v, v}, &fresh);
        if (!fresh) {
            next[chain.last] = v;
            chain.last = v;
        }
    }

    int changed = 0;
    const int m = members.GetRows();
    const int ends = std::min(2, members.GetCols());
    double** a = members.GetData();
    for (int k = 1; k <= m; ++k)
        for (int c = 1; c <= ends; ++c) {
            const int t = TruncateNumber(a[k][c]);
            if (t >= 2 && t <= n && target[t]) {
                a[k][c] = target[t];
                ++changed;
            }
        }
    return changed;
}

// The loop "for n = N down to 1: when no member end names n, remove node n
// and lower every end above n by one" removes exactly the nodes no end named
// at the start (an end above n is always lowered to a number still above
// the next n), and lowers each end t by the number of removed nodes below t.
int CGeometry::RemoveUnconnectedNodes(CdMatrix& nodes, CdMatrix& members)
{
    const int n = nodes.GetRows();
    if (n < 1)
        return 0;
    const int m = members.GetRows();
    const int ends = std::min(2, members.GetCols());
    double** a = members.GetData();

    std::vector<char> used(static_cast<size_t>(n) + 1, 0);
    for (int k = 1; k <= m; ++k)
        for (int c = 1; c <= ends; ++c) {
            const int t = TruncateNumber(a[k][c]);
            if (t >= 1 && t <= n)
                used[t] = 1;
        }
    // below[t] = number of removed nodes with a number below t (t = 1..n+1).
    std::vector<int> below(static_cast<size_t>(n) + 2, 0);
    for (int t = 1; t <= n; ++t)
        below[t + 1] = below[t] + (used[t] ? 0 : 1);
    const int removed = below[n + 1];
    if (removed == 0)
        return 0;

    for (int k = 1; k <= m; ++k)
        for (int c = 1; c <= ends; ++c) {
            const int t = TruncateNumber(a[k][c]);
            if (t >= 2)
                a[k][c] -= (t <= n + 1) ? below[t] : removed;
        }
    nodes = KeptRows(nodes, used);
    return removed;
}

// Row j > 1 survives the loop "for each row i, remove every later row that
// repeats (a, b) in either direction, joins a node to itself or names node
// 0" exactly when it is not degenerate and its node pair appeared in no
// earlier row.
int CGeometry::RemoveDuplicateMembers(CdMatrix& members)
{
    const int m = members.GetRows();
    if (m < 2)
        return 0;
    auto pairKey = [](int c, int d) {
        const std::uint32_t lo = static_cast<std::uint32_t>(std::min(c, d));
        const std::uint32_t hi = static_cast<std::uint32_t>(std::max(c, d));
        return (static_cast<std::uint64_t>(lo) << 32) | hi;
    };
    std::vector<char> keep(static_cast<size_t>(m) + 1, 0);
    std::unordered_set<std::uint64_t> seen;
    seen.reserve(static_cast<size_t>(m));
    int removed = 0;
    for (int j = 1; j <= m; ++j) {
        const int c = TruncateNumber(members(j, 1));
        const int d = TruncateNumber(members(j, 2));
        if (j == 1) {
            keep[j] = 1;
            seen.insert(pairKey(c, d));
            continue;
        }
        if (c == d || c == 0 || d == 0 || !seen.insert(pairKey(c, d)).second) {
            ++removed;
            continue;
        }
        keep[j] = 1;
    }
    if (removed)
        members = KeptRows(members, keep);
    return removed;
}

void CGeometry::ReNumberNode()
{
    platform::WaitCursor wait;
    MergeCoincidentNodeEnds(m_nodeTable, m_memberTable);
    const int answer = platform::MessageBox("Check node if not have connectivity will delete",
                                            "KESTRA Wizard", platform::MB_OKCANCEL);
    if (answer == platform::IDOK)
        RemoveUnconnectedNodes(m_nodeTable, m_memberTable);
    UpdateNode();
}

void CGeometry::ReNumberNode(bool removeUnconnected)
{
    platform::WaitCursor wait;
    MergeCoincidentNodeEnds(m_nodeTable, m_memberTable);
    if (removeUnconnected)
        RemoveUnconnectedNodes(m_nodeTable, m_memberTable);
    UpdateNode();
}

void CGeometry::ReNumberMember()
{
    platform::WaitCursor wait;
    RemoveDuplicateMembers(m_memberTable);
    UpdateMember();
}
