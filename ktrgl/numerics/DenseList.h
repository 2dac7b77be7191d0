// Editing and sorting shared by CdVector and CiVector: a block of n + 1
// elements whose index 0 is the spare slot. Insertions and deletions move
// whole runs of the block.
#pragma once
#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

namespace numerics {

template <class T>
struct DenseList {
    // Inserts count values before position i (1..n+1).
    static void Insert(std::vector<T>& block, int& n, int i, const T* values, int count)
    {
        if (count <= 0)
            return;
        std::vector<T> copy(values, values + count); // values may lie in block
        block.insert(block.begin() + i, copy.begin(), copy.end());
        n += count;
    }
    // Removes v(from..to), 1 <= from <= to <= n.
    static void Erase(std::vector<T>& block, int& n, int from, int to)
    {
        block.erase(block.begin() + from, block.begin() + to + 1);
        n -= to - from + 1;
    }

    // The exchange sort "for i, for j: when v(j) >= v(i) swap" (ascending)
    // or "when v(j) < v(i) swap" (descending). Both leave the values sorted,
    // so an ordinary sort gives the same block whenever equal values are
    // indistinguishable; NaN and signed zeros of doubles take the exchange
    // procedure itself.
    static void Sort(std::vector<T>& block, int n, bool ascending)
    {
        if (n < 2)
            return;
        T* v = block.data();
        if (!NeedsExchangeProcedure(v, n)) {
            if (ascending)
                std::sort(v + 1, v + n + 1);
            else
                std::sort(v + 1, v + n + 1, [](T a, T b) { return a > b; });
            return;
        }
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                if (ascending ? (v[j] >= v[i]) : (v[j] < v[i]))
                    std::swap(v[i], v[j]);
    }

    static bool NeedsExchangeProcedure(const T* v, int n)
    {
        if constexpr (std::is_floating_point<T>::value) {
            for (int i = 1; i <= n; ++i)
                if (std::isnan(v[i]) || (v[i] == 0 && std::signbit(v[i])))
                    return true;
        } else {
            (void)v;
            (void)n;
        }
        return false;
    }
};

} // namespace numerics
