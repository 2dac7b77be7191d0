// Storage and row/column editing shared by CdMatrix and CiMatrix: one
// contiguous block of size + 1 elements (index 0 = spare slot, a(i,j) at
// (i-1)*cols + j) and a row table whose entry i points just before a(i,1).
// Every editing operation works on whole runs of the block (memmove-sized
// steps), so editing tables of 100,000 rows stays cheap.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <deque>
#include <vector>

namespace numerics {

template <class T>
class DenseTable {
public:
    std::vector<T> data;      // size + 1 elements, [0] = spare slot
    std::vector<T*> rowTable; // rows + 1 entries
    int rows = 0;
    int cols = 0;
    int size = 0;

    DenseTable() : data(1, T()) { Relink(); }
    DenseTable(const DenseTable& o) : data(o.data), rows(o.rows), cols(o.cols), size(o.size)
    {
        Relink();
    }
    DenseTable(DenseTable&& o) noexcept
        : data(std::move(o.data)), rowTable(std::move(o.rowTable)), rows(o.rows), cols(o.cols),
          size(o.size), m_linkedBase(o.m_linkedBase), m_linkedCols(o.m_linkedCols)
    {
        o.ResetEmpty();
    }
    DenseTable& operator=(const DenseTable& o)
    {
        if (this != &o) {
            data = o.data;
            rows = o.rows;
            cols = o.cols;
            size = o.size;
            Relink();
        }
        return *this;
    }
    DenseTable& operator=(DenseTable&& o) noexcept
    {
        if (this != &o) {
            data.swap(o.data);
            rowTable.swap(o.rowTable);
            rows = o.rows;
            cols = o.cols;
            size = o.size;
            m_linkedBase = o.m_linkedBase;
            m_linkedCols = o.m_linkedCols;
            o.ResetEmpty();
        }
        return *this;
    }

    // The last test keeps references inside the block even after the shape
    // fields were overwritten alone (SetRowsField, SetColsField).
    bool InRange(int i, int j) const
    {
        return i >= 1 && i <= rows && j >= 1 && j <= cols && Index(i, j) < data.size();
    }
    std::size_t Index(int i, int j) const
    {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(cols) + j;
    }
    T* Row(int i) { return data.data() + Index(i, 1); }
    const T* Row(int i) const { return data.data() + Index(i, 1); }

    // Overwrite one shape field alone; size is not touched. The block grows
    // with zeros where the new shape reaches past it, so that every row and
    // column the fields now describe lies in storage; a negative count is
    // ignored.
    void SetRowsField(int n)
    {
        if (n < 0)
            return;
        rows = n;
        CoverShape();
    }
    void SetColsField(int n)
    {
        if (n < 0)
            return;
        cols = n;
        CoverShape();
    }
    void CoverShape()
    {
        const std::size_t need = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols) + 1;
        if (data.size() < need)
            data.resize(need, T());
        Relink();
    }

    // 0x0 with a fresh one-slot block.
    void ResetEmpty()
    {
        data.assign(1, T());
        rows = cols = size = 0;
        m_linkedBase = nullptr; // the row table may describe another block
        Relink();
    }

    // New zero block of the given shape; contents are not kept.
    void Reshape(int r, int c)
    {
        rows = r;
        cols = c;
        size = r * c;
        data.assign(static_cast<std::size_t>(size) + 1, T());
        Relink();
    }

    // Row table entries: 0 and 1 at the block start, i = i-1 + cols. When
    // only the row count changed and the block did not move, only the new
    // tail entries are written.
    void Relink()
    {
        T* base = data.data();
        std::size_t keep = rowTable.size();
        if (base != m_linkedBase || cols != m_linkedCols)
            keep = 0;
        rowTable.resize(static_cast<std::size_t>(rows) + 1);
        if (keep == 0) {
            rowTable[0] = base;
            keep = 1;
        }
        for (std::size_t i = std::max<std::size_t>(keep, 1); i < rowTable.size(); ++i)
            rowTable[i] = base + (i - 1) * static_cast<std::size_t>(cols);
        m_linkedBase = base;
        m_linkedCols = cols;
    }

    void SetData(int n, const T* src)
    {
        if (n < 0 || !src)
            return;
        std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(n) + 1, data.size());
        std::copy(src, src + count, data.begin());
    }

    void CopyRows(int r1, int r2, const DenseTable& src)
    {
        if (r1 > r2)
            std::swap(r1, r2);
        DenseTable out;
        out.Reshape(r2 - r1 + 1, src.cols);
        for (int i = r1; i <= r2; ++i)
            if (i >= 1 && i <= src.rows)
                std::copy(src.Row(i), src.Row(i) + src.cols, out.Row(i - r1 + 1));
        *this = std::move(out);
    }

    // 1-based arrays: row[1..cols] (index 0 not read).
    void InsertRow(int r, const T* row)
    {
        if (r < 1)
            return;
        if (r > rows) {
            AppendRow(row);
            return;
        }
        std::vector<T> copy(row + 1, row + 1 + cols); // row may point into this block
        data.insert(data.begin() + Index(r, 1), copy.begin(), copy.end());
        ++rows;
        size = rows * cols;
        Relink();
    }
    void AppendRow(const T* row)
    {
        std::vector<T> copy(row + 1, row + 1 + cols);
        data.insert(data.begin() + Index(rows + 1, 1), copy.begin(), copy.end());
        ++rows;
        size = rows * cols;
        Relink();
    }
    void InsertColumn(int c, const T* col)
    {
        if (c < 1)
            return;
        if (c >= cols) {
            AppendColumn(col);
            return;
        }
        SpliceColumn(c, col);
    }
    void AppendColumn(const T* col) { SpliceColumn(cols + 1, col); }

    // New column at position c (1..cols+1); columns c.. move right.
    void SpliceColumn(int c, const T* col)
    {
        std::vector<T> out(static_cast<std::size_t>(rows) * (cols + 1) + 1);
        out[0] = data[0];
        const int nc = cols + 1;
        for (int i = 1; i <= rows; ++i) {
            const T* src = Row(i);
            T* dst = out.data() + static_cast<std::size_t>(i - 1) * nc + 1;
            std::copy(src, src + (c - 1), dst);
            dst[c - 1] = col[i];
            std::copy(src + (c - 1), src + cols, dst + c);
        }
        data.swap(out);
        cols = nc;
        size = rows * cols;
        Relink();
    }

    // More columns, the new ones zero, in one pass over the block.
    void Widen(int nc)
    {
        std::vector<T> out(static_cast<std::size_t>(rows) * nc + 1, T());
        out[0] = data[0];
        for (int i = 1; i <= rows; ++i)
            std::copy(Row(i), Row(i) + cols, out.data() + static_cast<std::size_t>(i - 1) * nc + 1);
        data.swap(out);
        cols = nc;
        size = rows * cols;
        Relink();
    }

    // Appends all rows of other (same column count, checked by the caller).
    void AppendRows(const DenseTable& other)
    {
        if (&other == this) {
            DenseTable copy(other);
            AppendRows(copy);
            return;
        }
        const std::size_t count = static_cast<std::size_t>(other.rows) * other.cols;
        data.insert(data.begin() + Index(rows + 1, 1), other.data.begin() + 1,
                    other.data.begin() + 1 + count);
        rows += other.rows;
        size = rows * cols;
        Relink();
    }

    // In place: the following rows move up; the capacity is kept.
    void DeleteRow(int r)
    {
        if (r < 1 || r > rows)
            return;
        auto first = data.begin() + Index(r, 1);
        data.erase(first, first + cols);
        --rows;
        size = rows * cols;
        Relink();
    }
    void DeleteColumn(int c)
    {
        if (c < 1 || c > cols)
            return;
        const int nc = cols - 1;
        T* base = data.data();
        for (int i = 1; i <= rows; ++i) {
            const T* src = base + static_cast<std::size_t>(i - 1) * cols + 1;
            T* dst = base + static_cast<std::size_t>(i - 1) * nc + 1;
            std::memmove(dst, src, sizeof(T) * (c - 1));
            std::memmove(dst + (c - 1), src + c, sizeof(T) * (cols - c));
        }
        cols = nc;
        size = rows * cols;
        data.resize(static_cast<std::size_t>(size) + 1);
        Relink();
    }
    void SwapRows(int r1, int r2)
    {
        if (r1 < 1 || r1 > rows || r2 < 1 || r2 > rows || r1 == r2)
            return;
        std::swap_ranges(Row(r1), Row(r1) + cols, Row(r2));
    }
    void SwapColumns(int c1, int c2)
    {
        if (c1 < 1 || c1 > cols || c2 < 1 || c2 > cols || c1 == c2)
            return;
        for (int i = 1; i <= rows; ++i)
            std::swap(data[Index(i, c1)], data[Index(i, c2)]);
    }
    void MoveRow(int from, int to)
    {
        if (from > rows || from < 1 || to < 1)
            return;
        if (to > rows) {
            // The new rows are zero, also where storage already reached
            // past the old row count (SetRowsField).
            const std::size_t oldEnd = static_cast<std::size_t>(rows) * cols + 1;
            data.resize(static_cast<std::size_t>(to) * cols + 1, T());
            std::fill(data.begin() + oldEnd, data.end(), T());
            rows = to;
            size = rows * cols;
            Relink();
        }
        if (to == from)
            return;
        std::copy(Row(from), Row(from) + cols, Row(to));
        std::fill(Row(from), Row(from) + cols, T());
    }
    void MoveColumn(int from, int to)
    {
        if (from > cols || from < 1 || to < 1)
            return;
        if (to > cols)
            Widen(to);
        if (to == from)
            return;
        for (int i = 1; i <= rows; ++i) {
            data[Index(i, to)] = data[Index(i, from)];
            data[Index(i, from)] = T();
        }
    }
    // Row from to position to (to <= from): rows to..from-1 move down.
    // For to > from the row travels down instead and rows from+1..to move up.
    void ShiftRow(int from, int to)
    {
        if (from < 1 || from > rows || to < 1 || to == from)
            return;
        if (to > rows)
            to = rows;
        if (to < from)
            std::rotate(Row(to), Row(from), Row(from) + cols);
        else
            std::rotate(Row(from), Row(from) + cols, Row(to) + cols);
    }
    void ShiftColumn(int from, int to)
    {
        if (from < 1 || from > cols || to < 1 || to == from)
            return;
        if (to > cols)
            to = cols;
        for (int i = 1; i <= rows; ++i) {
            T* r = Row(i);
            if (to < from)
                std::rotate(r + to - 1, r + from - 1, r + from);
            else
                std::rotate(r + from - 1, r + from, r + to);
        }
    }

    // Orders the rows by column c exactly as the exchange sort
    //     for i = 1..n, for j = 1..n: when key(j) >= key(i) swap rows i and j
    // does, equal keys included, in O(n log n):
    // - the pass i = 1 is played as written; it leaves a largest key M in row 1;
    // - from then on rows 1..i-1 are sorted and row i-1 holds key M. In pass i
    //   the j < i swaps insert row i before the first row of key >= its own
    //   and push the last row of the sorted part (key M) into row i; the
    //   j > i swaps rotate that row through the later rows of key M.
    // So rows of a key below M end up in descending order of their place
    // after pass 1, and the rows of key M in the order two queues give them.
    // With a NaN key (every comparison false) the procedure runs as written.
    // outOfRangeKey is what the class's GetAt returns outside the table.
    void SortByColumn(int c, T outOfRangeKey)
    {
        const int n = rows;
        if (n < 2)
            return;
        std::vector<T> key(static_cast<std::size_t>(n) + 1);
        std::vector<int> perm(static_cast<std::size_t>(n) + 1);
        bool unordered = false;
        for (int i = 1; i <= n; ++i) {
            key[i] = (c >= 1 && c <= cols) ? data[Index(i, c)] : outOfRangeKey;
            perm[i] = i;
            unordered = unordered || !(key[i] == key[i]);
        }
        auto exchange = [&](int i, int j) {
            if (i != j && key[j] >= key[i]) {
                std::swap(key[i], key[j]);
                std::swap(perm[i], perm[j]);
            }
        };
        std::vector<int> order;
        order.reserve(static_cast<std::size_t>(n));
        if (unordered) {
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    exchange(i, j);
            order.assign(perm.begin() + 1, perm.end());
        } else {
            for (int j = 1; j <= n; ++j)
                exchange(1, j);
            const T top = key[1];
            std::vector<int> lower; // places after pass 1 of keys below the top
            std::deque<int> sortedTop{perm[1]}, laterTop;
            for (int p = 2; p <= n; ++p) {
                if (key[p] == top)
                    laterTop.push_back(perm[p]);
                else
                    lower.push_back(p);
            }
            std::sort(lower.begin(), lower.end(), [&key](int a, int b) {
                return key[a] < key[b] || (key[a] == key[b] && a > b);
            });
            for (int p : lower)
                order.push_back(perm[p]);
            for (int i = 2; i <= n; ++i) {
                if (key[i] == top) {
                    sortedTop.push_front(laterTop.front());
                    laterTop.pop_front();
                }
                int carried = sortedTop.back();
                sortedTop.pop_back();
                if (!laterTop.empty()) {
                    laterTop.push_front(carried);
                    carried = laterTop.back();
                    laterTop.pop_back();
                }
                sortedTop.push_back(carried);
            }
            order.insert(order.end(), sortedTop.begin(), sortedTop.end());
        }
        std::vector<T> out(data.size());
        out[0] = data[0];
        for (int i = 1; i <= n; ++i)
            std::copy(Row(order[i - 1]), Row(order[i - 1]) + cols,
                      out.data() + static_cast<std::size_t>(i - 1) * cols + 1);
        // Storage past the rows (after SetRowsField) keeps its content.
        const std::size_t used = static_cast<std::size_t>(n) * cols + 1;
        if (used < data.size())
            std::copy(data.begin() + used, data.end(), out.begin() + used);
        data.swap(out);
        Relink();
    }

    void Transpose(DenseTable& out) const
    {
        out.Reshape(cols, rows);
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= cols; ++j)
                out.data[out.Index(j, i)] = data[Index(i, j)];
    }

private:
    const T* m_linkedBase = nullptr;
    int m_linkedCols = -1;
};

} // namespace numerics
