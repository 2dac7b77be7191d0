#include "setup/LayoutGenerator.h"

#include <cmath>
#include <vector>

namespace {

// Restraint columns: 4..6 translations X, Y, Z; 7..9 rotations X, Y, Z.
enum Dof { TX = 4, TY = 5, TZ = 6, RX = 7, RY = 8, RZ = 9 };

struct Builder {
    int dof;
    std::vector<double> xyz;            // 3 per node
    std::vector<std::vector<int>> fixed; // restrained restraint columns per node
    std::vector<std::pair<int, int>> bars;

    int Node(double x, double y, double z)
    {
        xyz.insert(xyz.end(), {x, y, z});
        fixed.emplace_back();
        return static_cast<int>(fixed.size());
    }
    void Fix(int node, std::initializer_list<int> columns)
    {
        for (int c : columns)
            if (c - 3 <= dof)
                fixed[static_cast<size_t>(node - 1)].push_back(c);
    }
    void Bar(int a, int b) { bars.emplace_back(a, b); }

    // Plane structures in the X-Y plane are held in their plane: no node
    // moves along Z or turns about X or Y (lateral bracing of the real
    // structure), so both analyses see the plane truss or frame.
    void HoldInPlane()
    {
        for (size_t n = 1; n <= fixed.size(); ++n)
            Fix(static_cast<int>(n), {TZ, RX, RY});
    }

    void Write(CdMatrix& nodes, CdMatrix& members) const
    {
        const int n = static_cast<int>(fixed.size());
        nodes.SetSize(n, 3 + dof);
        for (int i = 1; i <= n; ++i) {
            for (int c = 1; c <= 3; ++c)
                nodes(i, c) = xyz[static_cast<size_t>(3 * (i - 1) + c - 1)];
            for (int c = 4; c <= 3 + dof; ++c)
                nodes(i, c) = 1.0;
            for (int c : fixed[static_cast<size_t>(i - 1)])
                nodes(i, c) = 0.0;
        }
        const int m = static_cast<int>(bars.size());
        members.SetSize(m, 8);
        for (int k = 1; k <= m; ++k) {
            const int a = bars[static_cast<size_t>(k - 1)].first;
            const int b = bars[static_cast<size_t>(k - 1)].second;
            double d[3];
            for (int c = 0; c < 3; ++c)
                d[c] = xyz[static_cast<size_t>(3 * (b - 1) + c)] - xyz[static_cast<size_t>(3 * (a - 1) + c)];
            const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
            members(k, 1) = a;
            members(k, 2) = b;
            members(k, 3) = length;
            // Reference point a tenth of the length from the start node,
            // straight up (global Y), so that local axis 2 of a beam or
            // chord lies in the vertical plane through it; a vertical
            // member takes global X instead.
            const bool vertical = std::fabs(d[0]) < 1e-9 * length && std::fabs(d[2]) < 1e-9 * length;
            const double offset = length / 10.0;
            for (int c = 0; c < 3; ++c)
                members(k, 4 + c) = xyz[static_cast<size_t>(3 * (a - 1) + c)];
            members(k, vertical ? 4 : 5) += offset;
            members(k, 7) = 1.0;   // property group 1
            members(k, 8) = 0.0;   // no release set
        }
    }
};

// Pratt and Howe bridge trusses: parallel chords of depth H over n panels
// of L / n, inclined end posts.
//   bottom chord nodes 1 .. n+1 at x = i L / n, y = 0 (i = 0 .. n);
//   top chord nodes n+2 .. 2n at x = i L / n, y = H (i = 1 .. n-1);
//   members: bottom chord (n), top chord (n-2), verticals at i = 1 .. n-1,
//   end posts bottom 0 -> top 1 and top n-1 -> bottom n, then one diagonal
//   in each inner panel i .. i+1 (i = 1 .. n-2).
// Pratt diagonals fall towards midspan (top i -> bottom i+1 in the left
// half, bottom i -> top i+1 in the right half): tension under gravity.
// Howe diagonals rise towards midspan (bottom i -> top i+1 in the left
// half, top i -> bottom i+1 in the right half): compression under gravity.
// With an odd n the middle panel gets both diagonals (crossing, not
// joined). Supports: pin at bottom node 1, roller (Y) at bottom node n+1.
void BridgeTruss(Builder& b, const LayoutGenerator::Dimensions& d, bool pratt)
{
    const int n = d.baysLength;
    const double dx = d.length / n;
    auto bottom = [](int i) { return i + 1; };
    auto top = [n](int i) { return n + 1 + i; };   // i = 1 .. n-1
    for (int i = 0; i <= n; ++i)
        b.Node(i * dx, 0.0, 0.0);
    for (int i = 1; i <= n - 1; ++i)
        b.Node(i * dx, d.height, 0.0);
    for (int i = 0; i < n; ++i)
        b.Bar(bottom(i), bottom(i + 1));
    for (int i = 1; i < n - 1; ++i)
        b.Bar(top(i), top(i + 1));
    for (int i = 1; i <= n - 1; ++i)
        b.Bar(bottom(i), top(i));
    b.Bar(bottom(0), top(1));
    b.Bar(top(n - 1), bottom(n));
    for (int i = 1; i <= n - 2; ++i) {
        const bool left = 2 * (i + 1) <= n;   // panel wholly in the left half
        const bool right = 2 * i >= n;        // panel wholly in the right half
        if (left || !right) {
            if (pratt)
                b.Bar(top(i), bottom(i + 1));
            else
                b.Bar(bottom(i), top(i + 1));
        }
        if (right || !left) {
            if (pratt)
                b.Bar(bottom(i), top(i + 1));
            else
                b.Bar(top(i), bottom(i + 1));
        }
    }
    b.HoldInPlane();
    b.Fix(bottom(0), {TX, TY});
    b.Fix(bottom(n), {TX, TY});
}

// Howe roof truss: a pitched roof of span L and rise H over an even number
// n of panels.
//   bottom chord nodes 1 .. n+1 at x = i L / n, y = 0;
//   top chord nodes n+2 .. 2n at x = i L / n on the roof line
//   y = H (1 - |x - L/2| / (L/2)), the ridge at i = n/2;
//   members: bottom chord (n), rafters from bottom 0 over the top nodes to
//   bottom n (n), verticals at i = 1 .. n-1 (the king post at the ridge),
//   diagonals falling towards the middle, fanning out from the foot of the
//   king post: top i -> bottom i+1 for i = 1 .. n/2-1 and bottom i -> top
//   i+1 for i = n/2 .. n-2.
// Under gravity the diagonals are in compression and the verticals in
// tension, which is what makes it a Howe truss (the opposite web, rising
// to the ridge, is the Pratt roof truss).
// Supports: pins at both bearings, bottom nodes 1 and n+1.
void HoweRoofTruss(Builder& b, const LayoutGenerator::Dimensions& d)
{
    const int n = d.baysLength;
    const double dx = d.length / n;
    auto bottom = [](int i) { return i + 1; };
    auto top = [n](int i) { return n + 1 + i; };
    auto rise = [&](int i) { return d.height * (1.0 - std::fabs(2.0 * i - n) / n); };
    for (int i = 0; i <= n; ++i)
        b.Node(i * dx, 0.0, 0.0);
    for (int i = 1; i <= n - 1; ++i)
        b.Node(i * dx, rise(i), 0.0);
    for (int i = 0; i < n; ++i)
        b.Bar(bottom(i), bottom(i + 1));
    b.Bar(bottom(0), top(1));
    for (int i = 1; i < n - 1; ++i)
        b.Bar(top(i), top(i + 1));
    b.Bar(top(n - 1), bottom(n));
    for (int i = 1; i <= n - 1; ++i)
        b.Bar(bottom(i), top(i));
    for (int i = 1; i <= n / 2 - 1; ++i)
        b.Bar(top(i), bottom(i + 1));
    for (int i = n / 2; i <= n - 2; ++i)
        b.Bar(bottom(i), top(i + 1));
    b.HoldInPlane();
    b.Fix(bottom(0), {TX, TY});
    b.Fix(bottom(n), {TX, TY});
}

// Warren truss: parallel chords of depth H, n panels of L / n along the
// bottom chord, no verticals.
//   bottom chord nodes 1 .. n+1 at x = i L / n, y = 0;
//   top chord nodes n+2 .. 2n+1 at the panel middles x = (i + 1/2) L / n,
//   y = H (i = 0 .. n-1);
//   members: bottom chord (n), top chord (n-1), then the zigzag of
//   diagonals bottom i -> top i -> bottom i+1 (2n).
// Supports: pins at both bearings, bottom nodes 1 and n+1.
void WarrenTruss(Builder& b, const LayoutGenerator::Dimensions& d)
{
    const int n = d.baysLength;
    const double dx = d.length / n;
    auto bottom = [](int i) { return i + 1; };
    auto top = [n](int i) { return n + 2 + i; };   // i = 0 .. n-1
    for (int i = 0; i <= n; ++i)
        b.Node(i * dx, 0.0, 0.0);
    for (int i = 0; i < n; ++i)
        b.Node((i + 0.5) * dx, d.height, 0.0);
    for (int i = 0; i < n; ++i)
        b.Bar(bottom(i), bottom(i + 1));
    for (int i = 0; i < n - 1; ++i)
        b.Bar(top(i), top(i + 1));
    for (int i = 0; i < n; ++i) {
        b.Bar(bottom(i), top(i));
        b.Bar(top(i), bottom(i + 1));
    }
    b.HoldInPlane();
    b.Fix(bottom(0), {TX, TY});
    b.Fix(bottom(n), {TX, TY});
}

// Lattice girder: a spatial box of depth H and width W over n panels of
// L / n. At each station i = 0 .. n four nodes, numbered 4i+1 bottom front
// (y = 0, z = 0), 4i+2 bottom back (y = 0, z = W), 4i+3 top front
// (y = H, z = 0), 4i+4 top back (y = H, z = W).
//   members, in this order: the four chords (bottom front, bottom back,
//   top front, top back; n each); at every station the two posts (front,
//   back) and the bottom and top cross beams; the two side faces latticed
//   with both diagonals in every panel (front, then back: bottom i -> top
//   i+1 and top i -> bottom i+1); the bottom and top faces with one
//   diagonal per panel (front i -> back i+1); the two end frames braced
//   with one diagonal (bottom front -> top back).
// Every face panel is braced, so the box is stable as a truss too.
// Supports: the two bottom nodes at x = 0 pinned (X, Y, Z); at x = L the
// bottom nodes rest on rollers (Y), the front one also held along Z.
void LatticeGirder(Builder& b, const LayoutGenerator::Dimensions& d)
{
    const int n = d.baysLength;
    const double dx = d.length / n;
    auto node = [](int i, int k) { return 4 * i + k; };   // k = 1 .. 4
    for (int i = 0; i <= n; ++i) {
        b.Node(i * dx, 0.0, 0.0);
        b.Node(i * dx, 0.0, d.width);
        b.Node(i * dx, d.height, 0.0);
        b.Node(i * dx, d.height, d.width);
    }
    for (int k = 1; k <= 4; ++k)
        for (int i = 0; i < n; ++i)
            b.Bar(node(i, k), node(i + 1, k));
    for (int i = 0; i <= n; ++i) {
        b.Bar(node(i, 1), node(i, 3));
        b.Bar(node(i, 2), node(i, 4));
        b.Bar(node(i, 1), node(i, 2));
        b.Bar(node(i, 3), node(i, 4));
    }
    for (int face = 0; face < 2; ++face) {
        const int lo = 1 + face, hi = 3 + face;
        for (int i = 0; i < n; ++i) {
            b.Bar(node(i, lo), node(i + 1, hi));
            b.Bar(node(i, hi), node(i + 1, lo));
        }
    }
    for (int i = 0; i < n; ++i)
        b.Bar(node(i, 1), node(i + 1, 2));
    for (int i = 0; i < n; ++i)
        b.Bar(node(i, 3), node(i + 1, 4));
    b.Bar(node(0, 1), node(0, 4));
    b.Bar(node(n, 1), node(n, 4));
    b.Fix(node(0, 1), {TX, TY, TZ});
    b.Fix(node(0, 2), {TX, TY, TZ});
    b.Fix(node(n, 1), {TY, TZ});
    b.Fix(node(n, 2), {TY});
}

// Grid: a spatial building frame, nx bays of L / nx along X, nz bays of
// W / nz along Z (nz = 0: one plane frame at z = 0) and ny storeys of
// H / ny. Nodes level by level from the ground (j = 0 .. ny), within a
// level row by row along Z (k = 0 .. nz), within a row along X
// (i = 0 .. nx). Members: all columns (level j -> j+1, storey by storey),
// then for each floor level j = 1 .. ny the beams along X and then the
// beams along Z. Every ground node is fixed in all its degrees of freedom.
// A grid is a moment frame; as a truss it would be a mechanism, so it is
// offered for Frame3D projects only.
void GridFrame(Builder& b, const LayoutGenerator::Dimensions& d)
{
    const int nx = d.baysLength, ny = d.baysHeight, nz = d.baysWidth;
    const double dx = d.length / nx, dy = d.height / ny, dz = nz > 0 ? d.width / nz : 0.0;
    auto node = [nx, nz](int i, int j, int k) { return 1 + i + (nx + 1) * (k + (nz + 1) * j); };
    for (int j = 0; j <= ny; ++j)
        for (int k = 0; k <= nz; ++k)
            for (int i = 0; i <= nx; ++i)
                b.Node(i * dx, j * dy, k * dz);
    for (int j = 0; j < ny; ++j)
        for (int k = 0; k <= nz; ++k)
            for (int i = 0; i <= nx; ++i)
                b.Bar(node(i, j, k), node(i, j + 1, k));
    for (int j = 1; j <= ny; ++j) {
        for (int k = 0; k <= nz; ++k)
            for (int i = 0; i < nx; ++i)
                b.Bar(node(i, j, k), node(i + 1, j, k));
        for (int k = 0; k < nz; ++k)
            for (int i = 0; i <= nx; ++i)
                b.Bar(node(i, j, k), node(i, j, k + 1));
    }
    for (int k = 0; k <= nz; ++k)
        for (int i = 0; i <= nx; ++i)
            b.Fix(node(i, 0, k), {TX, TY, TZ, RX, RY, RZ});
}

bool Fail(std::string* error, const char* text)
{
    if (error)
        *error = text;
    return false;
}

bool Positive(double x) { return std::isfinite(x) && x > 0.0; }

// Keeps a generated model to a size the tables and the view handle.
constexpr long kMaxNodes = 100000;

} // namespace

const char* LayoutGenerator::Name(int layout)
{
    static const char* const names[LayoutCount] = {"Pratt", "Howe Bridge", "Howe Roof",
                                                   "Warren", "Lattice", "Grid"};
    return layout >= 0 && layout < LayoutCount ? names[layout] : "";
}

const char* LayoutGenerator::PictureTitle(int layout)
{
    static const char* const titles[LayoutCount] = {"PRATT", "BRIDGE", "ROOF",
                                                    "WARREN", "LATTICE", "GRID"};
    return layout >= 0 && layout < LayoutCount ? titles[layout] : "";
}

bool LayoutGenerator::Generate(int layout, const Dimensions& d, int dof, CdMatrix& nodes,
                               CdMatrix& members, std::string* error)
{
    if (layout < 0 || layout >= LayoutCount)
        return Fail(error, "Choose one of the layouts first.");
    if (dof != 3 && dof != 6)
        return Fail(error, "The structure type must be Frame3D or Truss3D.");
    if (!Positive(d.height) || !Positive(d.length))
        return Fail(error, "Height and length must be greater than 0.");
    const bool spatial = layout == Lattice || (layout == Grid && d.baysWidth > 0);
    if (spatial && !Positive(d.width))
        return Fail(error, "Width must be greater than 0.");
    long count = 0;
    switch (layout) {
    case Pratt:
    case HoweBridge:
        if (d.baysLength < 2)
            return Fail(error, "A bridge truss needs at least 2 bays.");
        count = 2L * d.baysLength;
        break;
    case HoweRoof:
        if (d.baysLength < 2 || d.baysLength % 2 != 0)
            return Fail(error, "A roof truss needs an even number of bays (2 or more).");
        count = 2L * d.baysLength;
        break;
    case Warren:
    case Lattice:
        if (d.baysLength < 1)
            return Fail(error, "The number of bays must be at least 1.");
        count = 4L * (d.baysLength + 1);
        break;
    case Grid:
        // Pin-jointed, the unbraced frame would sway freely in every storey.
        if (dof == 3)
            return Fail(error, "A grid is a moment frame: it needs the structure type Frame3D.");
        if (d.baysLength < 1 || d.baysHeight < 1 || d.baysWidth < 0)
            return Fail(error, "A grid needs at least 1 bay along the length and 1 storey.");
        if (d.baysLength > kMaxNodes || d.baysHeight > kMaxNodes || d.baysWidth > kMaxNodes)
            return Fail(error, "Too many bays.");
        count = (d.baysLength + 1L) * (d.baysHeight + 1L) * (d.baysWidth + 1L);
        break;
    }
    if (count > kMaxNodes)
        return Fail(error, "Too many bays.");

    Builder b{dof, {}, {}, {}};
    switch (layout) {
    case Pratt: BridgeTruss(b, d, true); break;
    case HoweBridge: BridgeTruss(b, d, false); break;
    case HoweRoof: HoweRoofTruss(b, d); break;
    case Warren: WarrenTruss(b, d); break;
    case Lattice: LatticeGirder(b, d); break;
    case Grid: GridFrame(b, d); break;
    }
    b.Write(nodes, members);
    if (error)
        error->clear();
    return true;
}
