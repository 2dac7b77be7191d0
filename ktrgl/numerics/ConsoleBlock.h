// The console display shared by CdMatrix and CiMatrix: a block of the table
// written to standard output for debugging.
#pragma once
#include <cmath>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>

#include "platform/MessageBox.h"

namespace numerics {

// Rows r1..r2 and columns c1..c2 of a: the header "0|" with ten '_' and the
// index per column, then "\n |", one line per row (index, '|', every element
// with precision 3 in a field of width 11, |x| below tolerance as 0) and an
// empty line. A table without rows shows "can't print size 0" instead.
template <class Table>
void DisplayBlock(const Table& a, int r1, int r2, int c1, int c2, double tolerance = 0.0)
{
    if (a.GetRows() == 0) {
        platform::MessageBox("can't print size 0", "Matrix Error", platform::MB_OK);
        return;
    }
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "0|";
    for (int j = c1; j <= c2; ++j)
        out << "__________" << j;
    out << "\n |";
    for (int i = r1; i <= r2; ++i) {
        out << "\n" << i << "|";
        for (int j = c1; j <= c2; ++j) {
            auto x = a(i, j);
            if (std::fabs(static_cast<double>(x)) < tolerance)
                x = 0;
            out << std::setprecision(3) << std::setw(11) << x;
        }
    }
    out << "\n\n";
    std::cout << out.str() << std::flush;
}

} // namespace numerics
