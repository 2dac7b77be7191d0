// A regular 3D building frame for the solver benchmark: a plan grid of
// columns, beams both ways on every floor, fixed column bases, Y up.
// Load cases: 1 gravity on every floor node, 2 wind along X, 3 wind along
// Z, then mixed cases with torsional moments, as many as asked for.
#pragma once
#include "solver/Model.h"

class BuildingFrame {
public:
    // nx x nz column lines in plan (so (nx - 1) x (nz - 1) bays), storeys
    // floors above the base: nx * nz * (storeys + 1) nodes.
    static solver::Model Build(int nx, int nz, int storeys, int loadCases);
    // The grid closest to a given node count with a plan of about
    // 1000 nodes per floor for the big frames, and a square plan with as
    // many floors as plan lines for the small ones.
    static solver::Model WithAbout(int nodes, int loadCases);
};
