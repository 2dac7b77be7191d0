// The renumbering clean-ups of the model view written as the plain loops
// they are defined by (quadratic and cubic). The view tests compare the
// fast library versions against them; the view benchmark times them for the
// speed ratio. Header only.
#pragma once
#include <cmath>

#include "numerics/dMatrix.h"
#include "view/Geometry.h"

namespace reference {

inline int Trunc(double v) { return CGeometry::TruncateNumber(v); }

// Every later member that repeats an earlier one (either direction), or is
// degenerate (equal ends, an end 0), is removed.
inline void RemoveDuplicateMembers(CdMatrix& mt)
{
    for (int i = 1; i <= mt.GetRows(); ++i) {
        const int a = Trunc(mt(i, 1));
        const int b = Trunc(mt(i, 2));
        for (int j = mt.GetRows(); j >= i + 1; --j) {
            const int c = Trunc(mt(j, 1));
            const int d = Trunc(mt(j, 2));
            if ((c == a && d == b) || (c == b && d == a) || c == d || c == 0 || d == 0)
                mt.DeleteRow(j);
        }
    }
}

// Member ends naming node j go to every earlier node i that coincides with
// j within 0.0001 in each coordinate, in loop order.
inline void MergeCoincident(const CdMatrix& nodes, CdMatrix& mt)
{
    for (int i = 1; i <= nodes.GetRows(); ++i)
        for (int j = i + 1; j <= nodes.GetRows(); ++j) {
            bool same = true;
            for (int c = 1; c <= 3; ++c)
                if (!(std::fabs(nodes(i, c) - nodes(j, c)) < 0.0001))
                    same = false;
            if (!same)
                continue;
            for (int k = 1; k <= mt.GetRows(); ++k)
                for (int c = 1; c <= 2; ++c)
                    if (Trunc(mt(k, c)) == j)
                        mt(k, c) = i;
        }
}

// From the last node down: a node no member end names is removed and the
// ends above it move down by one.
inline void RemoveUnconnected(CdMatrix& nodes, CdMatrix& mt)
{
    for (int n = nodes.GetRows(); n >= 1; --n) {
        int count = 0;
        for (int k = 1; k <= mt.GetRows(); ++k)
            for (int c = 1; c <= 2; ++c)
                if (Trunc(mt(k, c)) == n)
                    ++count;
        if (count)
            continue;
        nodes.DeleteRow(n);
        for (int k = 1; k <= mt.GetRows(); ++k)
            for (int c = 1; c <= 2; ++c)
                if (Trunc(mt(k, c)) > n)
                    mt(k, c) -= 1;
    }
}

} // namespace reference
