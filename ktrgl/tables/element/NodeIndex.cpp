#include "tables/element/NodeIndex.h"

#include "numerics/dMatrix.h"

#include <cmath>
#include <cstring>

namespace {

// Cell side of the tolerant index: twice the tolerance, so that two points
// closer than the tolerance lie in the same or in neighbouring cells even
// after the rounding of the division.
constexpr double kCell = 2.0e-4;
constexpr double kCellLimit = 4.0e18;

std::int64_t Bits(double v)
{
    if (v == 0.0)
        v = 0.0; // -0 and +0 compare equal
    std::int64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

std::int64_t CellOf(double v)
{
    double c = std::floor(v / kCell);
    if (c > kCellLimit)
        c = kCellLimit;
    if (c < -kCellLimit)
        c = -kCellLimit;
    return static_cast<std::int64_t>(c);
}

} // namespace

std::size_t NodeIndex::KeyHash::operator()(const Key& k) const
{
    std::uint64_t h = static_cast<std::uint64_t>(k.x) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<std::uint64_t>(k.y) + 0x7F4A7C159E3779B9ull + (h << 6) + (h >> 2);
    h ^= static_cast<std::uint64_t>(k.z) + 0x94D049BB133111EBull + (h << 6) + (h >> 2);
    return static_cast<std::size_t>(h);
}

NodeIndex::NodeIndex(const CdMatrix& nodes, Rule rule) : m_nodes(nodes), m_rule(rule), m_columns(nodes.GetCols())
{
    const int n = nodes.GetRows();
    if (rule == Exact)
        m_exact.reserve(static_cast<std::size_t>(n) * 2);
    else
        m_cells.reserve(static_cast<std::size_t>(n) * 2);
    for (int r = 1; r <= n; ++r)
        Add(r);
}

bool NodeIndex::KeyOf(const double* row, Key& key) const
{
    if (!std::isfinite(row[1]) || !std::isfinite(row[2]) || !std::isfinite(row[3]))
        return false;
    if (m_rule == Exact) {
        key = Key{Bits(row[1]), Bits(row[2]), Bits(row[3])};
    } else {
        key = Key{CellOf(row[1]), CellOf(row[2]), CellOf(row[3])};
    }
    return true;
}

void NodeIndex::Add(int r)
{
    if (r < 1 || r > m_nodes.GetRows() || m_columns < 3)
        return;
    const double* row = m_nodes.GetData()[r];
    Key key;
    if (!KeyOf(row, key))
        return;
    if (m_rule == Exact) {
        int& best = m_exact[key];
        if (r > best)
            best = r;
    } else {
        m_cells[key].push_back(r);
    }
}

int NodeIndex::Find(const double* row) const
{
    if (m_columns < 3)
        return 0;
    Key key;
    if (!KeyOf(row, key))
        return 0;
    if (m_rule == Exact) {
        auto it = m_exact.find(key);
        return it == m_exact.end() ? 0 : it->second;
    }
    int best = 0;
    for (std::int64_t dx = -1; dx <= 1; ++dx)
        for (std::int64_t dy = -1; dy <= 1; ++dy)
            for (std::int64_t dz = -1; dz <= 1; ++dz) {
                auto it = m_cells.find(Key{key.x + dx, key.y + dy, key.z + dz});
                if (it == m_cells.end())
                    continue;
                const std::vector<int>& rows = it->second;
                // Rows are ascending: the first match from the back is the best.
                for (auto r = rows.rbegin(); r != rows.rend() && *r > best; ++r) {
                    if (TolerantMatch(m_nodes.GetData()[*r], row, m_columns)) {
                        best = *r;
                        break;
                    }
                }
            }
    return best;
}

bool NodeIndex::ExactMatch(const double* a, const double* b)
{
    return a[1] == b[1] && a[2] == b[2] && a[3] == b[3];
}

bool NodeIndex::TolerantMatch(const double* a, const double* b, int columns)
{
    for (int c = 1; c <= columns; ++c) {
        if (!(std::log10(std::fabs(a[c] - b[c])) < -4.0))
            return false;
    }
    return true;
}
