// Section forces along a member at 21 equally spaced stations (both ends
// included), in local axes and with the sign convention of the member end
// forces: at a section, what the part of the member beyond it exerts on
// the face whose outward normal is +axis 1 (P tension positive, V2, V3,
// then T, M2, M3 for a frame). Each station's value is exact: the start
// value less every load between the start and the station, moments taken
// about the station. A concentrated load at a station counts as before
// it, so the last station equals the end value.
#pragma once
#include <vector>

#include "numerics/dMatrix.h"
#include "solver/MemberLoad.h"

namespace solver {

class SectionForces {
public:
    static constexpr int Stations = 21;

    // Rows (member - 1) * Stations + 1 .. member * Stations of `table`
    // (dof columns): start = the section forces at the start (the first dof
    // member end forces, as ".elf" holds them), loads = the member's loads
    // in local axes.
    static void Fill(int member, int dof, double length, const double* start,
                     const std::vector<LocalLoad>& loads, CdMatrix& table);
};

} // namespace solver
