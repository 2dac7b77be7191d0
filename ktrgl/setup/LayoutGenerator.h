// Node and member tables of the six standard layouts the geometry wizard
// offers, from the overall dimensions and the numbers of bays. The tables
// have the layout of the model view's tables: nodes X, Y, Z [m] and one
// restraint code per degree of freedom (1 free, 0 restrained); members
// start, end, length, reference point X, Y, Z, property group, release set.
//
// Global axes: X along the length, Y up, Z across the width. The four
// plane trusses lie in the X-Y plane (z = 0); Lattice and Grid are spatial.
// Every pattern is described where it is built (LayoutGenerator.cpp).
#pragma once
#include <string>

#include "numerics/dMatrix.h"

class LayoutGenerator {
public:
    // List order of the geometry wizard.
    enum Layout { Pratt = 0, HoweBridge = 1, HoweRoof = 2, Warren = 3, Lattice = 4, Grid = 5 };
    static constexpr int LayoutCount = 6;

    struct Dimensions {
        double height = 3.0;   // depth of a truss, rise of a roof, total height of a grid
        double length = 12.0;  // span along X
        double width = 4.0;    // along Z (Lattice, Grid)
        int baysLength = 6;    // panels along X
        int baysWidth = 2;     // bays along Z (Grid)
        int baysHeight = 1;    // storeys (Grid)
    };

    // The wizard's list entry and picture file title of a layout.
    static const char* Name(int layout);        // "Pratt", "Howe Bridge", ...
    static const char* PictureTitle(int layout); // "PRATT", "BRIDGE", ...

    // Builds the tables for dof degrees of freedom per node (3 or 6; the
    // node table gets 3 + dof columns; Grid needs 6). On bad dimensions or bay counts
    // returns false with a message in *error and leaves the tables alone.
    static bool Generate(int layout, const Dimensions& d, int dof, CdMatrix& nodes,
                         CdMatrix& members, std::string* error = nullptr);
};
