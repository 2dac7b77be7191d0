// Editing and sorting shared by CdVector and CiVector: a block of n + 1
// elements whose index 0 is the spare slot. Insertions and deletions move
// whole runs of the block.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <type_traits>
#include <vector>

namespace numerics {

template <class T>
struct DenseList {
    // ---- storage: block[1..n] holds the values, block[0] is the spare slot --
    // The empty list: n = 0 and the spare slot alone.
    static void Clear(std::vector<T>& block, int& n)
    {
        n = 0;
        block.assign(1, T(0));
    }
    // size zeros; a negative size leaves the list as it is.
    static void Resize(std::vector<T>& block, int& n, int size)
    {
        if (size < 0)
            return;
        n = size;
        block.assign(static_cast<std::size_t>(size) + 1, T(0));
    }
    // Copies the leading elements both blocks have, the spare slot included.
    static void CopyCommon(std::vector<T>& block, const std::vector<T>& from)
    {
        const std::size_t count = std::min(block.size(), from.size());
        std::copy(from.begin(), from.begin() + count, block.begin());
    }

    // ---- editing by position: a position outside 1..n changes nothing ------
    // Inserts count values before position i (1..n).
    static void InsertAt(std::vector<T>& block, int& n, int i, const T* values, int count)
    {
        if (i >= 1 && i <= n)
            Insert(block, n, i, values, count);
    }
    static void DeleteAt(std::vector<T>& block, int& n, int i)
    {
        if (i >= 1 && i <= n)
            Erase(block, n, i, i);
    }
    static void DeleteRange(std::vector<T>& block, int& n, int from, int to)
    {
        if (from >= 1 && from <= n && to >= 1 && to <= n && from <= to)
            Erase(block, n, from, to);
    }
    // The first k values (1 <= k <= n).
    static void DeleteFirst(std::vector<T>& block, int& n, int k)
    {
        if (k >= 1 && k <= n)
            Erase(block, n, 1, k);
    }
    // The last k values, or all of them when k > n.
    static void DeleteLast(std::vector<T>& block, int& n, int k)
    {
        if (k < 1 || n < 1)
            return;
        Erase(block, n, std::max(1, n - k + 1), n);
    }
    static void ZeroRange(std::vector<T>& block, int n, int from, int to)
    {
        if (from >= 1 && to <= n)
            for (int i = from; i <= to; ++i)
                block[i] = T(0);
    }
    // Positions 0..n: the spare slot may take part.
    static void SwapAt(std::vector<T>& block, int n, int i, int j)
    {
        if (i >= 0 && j >= 0 && i <= n && j <= n)
            std::swap(block[i], block[j]);
    }

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
