// Row work on the table matrices behind the load and combination tables
// (1-based rows and columns): cutting a selected range to the table,
// copying it out, removing it, and resizing a table keeping what fits.
#pragma once
#include "numerics/dMatrix.h"

class TableRows {
public:
    // from .. to put in order and cut to rows 1 .. count; false when no row
    // is left.
    static bool Cut(int from, int to, int count, int& first, int& last);
    // Rows first .. last of table, columns 1 .. cols.
    static CdMatrix Slice(const CdMatrix& table, int first, int last, int cols);
    // table without rows first .. last, columns 1 .. cols (0 x cols when no
    // row is left).
    static CdMatrix Without(const CdMatrix& table, int first, int last, int cols);
    // A rows x cols table holding what fits of table; the rest is 0.
    static CdMatrix Resized(const CdMatrix& table, int rows, int cols);
};
