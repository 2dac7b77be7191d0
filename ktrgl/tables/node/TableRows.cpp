#include "tables/node/TableRows.h"

#include <algorithm>

bool TableRows::Cut(int from, int to, int count, int& first, int& last)
{
    first = std::max(1, std::min(from, to));
    last = std::min(count, std::max(from, to));
    return first <= last;
}

CdMatrix TableRows::Slice(const CdMatrix& table, int first, int last, int cols)
{
    CdMatrix slice(last - first + 1, cols);
    for (int i = first; i <= last; ++i)
        for (int j = 1; j <= cols; ++j)
            slice(i - first + 1, j) = table(i, j);
    return slice;
}

CdMatrix TableRows::Without(const CdMatrix& table, int first, int last, int cols)
{
    const int rows = table.GetRows();
    CdMatrix kept(rows - (last - first + 1), cols);
    int r = 0;
    for (int i = 1; i <= rows; ++i) {
        if (i >= first && i <= last)
            continue;
        ++r;
        for (int j = 1; j <= cols; ++j)
            kept(r, j) = table(i, j);
    }
    if (kept.GetRows() == 0)
        kept.SetSize(0, cols);
    return kept;
}

CdMatrix TableRows::Resized(const CdMatrix& table, int rows, int cols)
{
    CdMatrix resized(rows, cols);
    const int keepRows = std::min(rows, table.GetRows());
    const int keepCols = std::min(cols, table.GetCols());
    for (int i = 1; i <= keepRows; ++i)
        for (int j = 1; j <= keepCols; ++j)
            resized(i, j) = table(i, j);
    return resized;
}
