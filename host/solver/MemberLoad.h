// One row of a member load table F + N + ".mld<k>" (one table per load
// case, 7 columns): member number, kind, direction, a, b, w1, w2, in
// stored units (metres, kilogram-force). Kinds: 1 uniform over the whole
// member, 2 linearly varying from w1 at a to w2 at b, 3 a force w1 at a,
// 4 self weight (w1 = weight per unit volume, times the area A of the
// member's property, uniform over the member). Directions: 1, 2, 3 the
// member's local axes, 4, 5, 6 global X, Y, Z; a global load is per unit
// length of the member, not of its projection. The sign gives the sense.
#pragma once
#include <string>
#include <vector>

#include "numerics/dMatrix.h"
#include "solver/MemberStiffness.h"

namespace solver {

// A member load resolved into one local axis: a force per unit length
// varying linearly from q1 at a to q2 at b, or (concentrated) a force q1
// at a. Distances from the start node, 0 <= a <= b <= length.
struct LocalLoad {
    int axis = 0; // 0, 1, 2 = local axes 1, 2, 3
    bool concentrated = false;
    double a = 0.0;
    double b = 0.0;
    double q1 = 0.0;
    double q2 = 0.0;
};

class MemberLoad {
public:
    enum Kind { Uniform = 1, Linear = 2, Concentrated = 3, SelfWeight = 4 };
    static constexpr int Columns = 7;

    int member = 0; // 1-based
    int kind = 0;
    int direction = 0;
    double a = 0.0;
    double b = 0.0;
    double w1 = 0.0;
    double w2 = 0.0;
    // Member, kind and direction as the table holds them, for messages.
    double stored[3] = {0.0, 0.0, 0.0};

    // Row `row` (1-based) of a member load table; missing cells are 0.
    static MemberLoad FromRow(const CdMatrix& table, int row);

    // What is wrong with the row, or an empty text. length < 0: the member
    // itself is faulty (reported on its own), so a and b are not checked.
    std::string Problem(int memberCount, double length) const;

    // Appends the local components of the load times `factor` (one per
    // local axis the load has a share in).
    void Resolve(const MemberData& data, double factor, std::vector<LocalLoad>& out) const;

    // Every problem of load case k's table (1-based k), each line naming
    // the load case, the row and the member. lengths: member length by
    // member number - 1, negative for a faulty member.
    static std::vector<std::string> CheckTable(const CdMatrix& table, int loadCase,
                                               const std::vector<double>& lengths);
};

} // namespace solver
