#include "solver/MemberLoad.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace solver {

namespace {

std::string Number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// A code as the tables store it: a whole number in a double; anything
// else (fractions, non-numbers) is no code at all.
int Code(double v)
{
    if (!std::isfinite(v) || v < -1e9 || v > 1e9 || v != std::floor(v))
        return -1;
    return static_cast<int>(v);
}

} // namespace

MemberLoad MemberLoad::FromRow(const CdMatrix& table, int row)
{
    MemberLoad l;
    for (int j = 0; j < 3; ++j)
        l.stored[j] = table.GetAt(row, j + 1);
    l.member = Code(table.GetAt(row, 1));
    l.kind = Code(table.GetAt(row, 2));
    l.direction = Code(table.GetAt(row, 3));
    l.a = table.GetAt(row, 4);
    l.b = table.GetAt(row, 5);
    l.w1 = table.GetAt(row, 6);
    l.w2 = table.GetAt(row, 7);
    return l;
}

std::string MemberLoad::Problem(int memberCount, double length) const
{
    if (member < 1 || member > memberCount)
        return "member " + Number(stored[0]) +
               " is not in the member table (members 1 to " + std::to_string(memberCount) + ").";
    if (kind < Uniform || kind > SelfWeight)
        return "kind " + Number(stored[1]) +
               " is unknown; the kinds are 1 uniform, 2 linearly varying from a to b, "
               "3 concentrated at a, 4 self weight.";
    if (direction < 1 || direction > 6)
        return "direction " + Number(stored[2]) +
               " is unknown; the directions are 1, 2, 3 the local axes, 4, 5, 6 global X, Y, Z.";
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(w1) || !std::isfinite(w2))
        return "a value is not a number.";
    if (length < 0.0 || (kind != Linear && kind != Concentrated))
        return std::string();
    // Distances typed in display units may round a little past the end.
    const double slack = 1e-6 * length;
    const std::string range = " is outside the member (0 to " + Number(length) + ").";
    if (a < -slack || a > length + slack)
        return "a = " + Number(a) + range;
    if (kind == Linear) {
        if (b < -slack || b > length + slack)
            return "b = " + Number(b) + range;
        if (!(a < b))
            return "a = " + Number(a) + " is not less than b = " + Number(b) +
                   "; a linearly varying load runs from a to b.";
    }
    return std::string();
}

void MemberLoad::Resolve(const MemberData& data, double factor, std::vector<LocalLoad>& out) const
{
    const double L = data.length;
    LocalLoad l;
    l.concentrated = kind == Concentrated;
    l.a = 0.0;
    l.b = L;
    double q1 = w1, q2 = w1;
    if (kind == Linear) {
        l.a = std::clamp(a, 0.0, L);
        l.b = std::clamp(b, 0.0, L);
        q2 = w2;
    } else if (kind == Concentrated) {
        l.a = l.b = std::clamp(a, 0.0, L);
    } else if (kind == SelfWeight) {
        q1 = q2 = w1 * data.section.A;
    }
    // Share of each local axis: the direction's unit vector in local axes.
    Eigen::Vector3d share = Eigen::Vector3d::Zero();
    if (direction <= 3)
        share(direction - 1) = 1.0;
    else
        share = data.axes.col(direction - 4); // rows are the local axes
    for (int j = 0; j < 3; ++j) {
        if (share(j) == 0.0)
            continue;
        l.axis = j;
        l.q1 = factor * share(j) * q1;
        l.q2 = factor * share(j) * q2;
        out.push_back(l);
    }
}

std::vector<std::string> MemberLoad::CheckTable(const CdMatrix& table, int loadCase,
                                                const std::vector<double>& lengths)
{
    std::vector<std::string> problems;
    const int count = static_cast<int>(lengths.size());
    for (int r = 1; r <= table.GetRows(); ++r) {
        const MemberLoad l = FromRow(table, r);
        const bool known = l.member >= 1 && l.member <= count;
        const std::string problem = l.Problem(count, known ? lengths[l.member - 1] : -1.0);
        if (problem.empty())
            continue;
        std::string where = "Load case " + std::to_string(loadCase) + ", member load row " +
                            std::to_string(r);
        if (known)
            where += ", member " + std::to_string(l.member);
        problems.push_back(where + ": " + problem);
    }
    return problems;
}

} // namespace solver
