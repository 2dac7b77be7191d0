// Picking in the model view on the CPU: every node is projected once to the
// window with the camera's own matrices, then a click finds the nearest
// node (or, failing that, the nearest member line) within a few pixels and
// a rectangle finds every node or member lying wholly inside it. Plain
// arithmetic over the node and member tables, so a model of 200,000 members
// is picked in a few milliseconds without a GL round trip.
#pragma once
#include <vector>

#include "numerics/dMatrix.h"

class ViewCamera;

class ViewPicker {
public:
    enum Kind { None, Node, Member };
    struct Hit {
        Kind kind = None;
        int number = 0; // 1-based row of the node or member table
    };
    // How close a click must come (window pixels).
    static constexpr double NodeTolerance = 6.0;
    static constexpr double MemberTolerance = 5.0;

    // Projects every node of the table for a window of width x height
    // pixels (y down) seen through the camera.
    void Project(const ViewCamera& camera, int width, int height, const CdMatrix& nodes);

    // The node nearest to (x, y) within NodeTolerance (the one in front
    // when several are as near), else the member whose line passes nearest
    // within MemberTolerance, else None.
    Hit Pick(const CdMatrix& members, double x, double y) const;
    // Nodes whose point, and members whose two ends, lie inside the
    // rectangle between the two corners (in table order).
    std::vector<int> NodesInside(double x0, double y0, double x1, double y1) const;
    std::vector<int> MembersInside(const CdMatrix& members, double x0, double y0, double x1,
                                   double y1) const;

    // Window position of node n; false when it is behind the eye or not a
    // finite point.
    bool Position(int n, double* x, double* y) const;

private:
    // Per node (index 1..N): window x, y, depth and whether it is drawn.
    std::vector<double> m_x, m_y, m_depth;
    std::vector<unsigned char> m_shown;
};
