#include "DemoProjects.h"

#include <cmath>

namespace {

// Steel, in kilogram-force per square metre (about 206 GPa and 79 GPa).
constexpr double kSteelE = 2.1e10;
constexpr double kSteelG = 8.1e9;

using NodeRow = std::array<double, 9>;
using MemberRow = std::array<double, 8>;

NodeRow FreeNode(double x, double y, double z)
{
    return {x, y, z, 1, 1, 1, 1, 1, 1};
}

// Reference point one metre off the start node: straight up for members
// that are not near vertical, along +X for the vertical ones. Local axis 2
// then lies in the vertical plane of a beam (bending under gravity is
// about local 3) and along X for a column.
MemberRow Member(const std::vector<NodeRow>& nodes, int a, int b, int property, int release)
{
    const NodeRow& p = nodes[a - 1];
    const NodeRow& q = nodes[b - 1];
    const double dx = q[0] - p[0], dy = q[1] - p[1], dz = q[2] - p[2];
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    const bool vertical = length > 0 && std::fabs(dy) / length > 0.9;
    MemberRow row{double(a), double(b), length, p[0], p[1] + 1.0, p[2], double(property),
                  double(release)};
    if (vertical) {
        row[3] = p[0] + 1.0;
        row[4] = p[1];
    }
    return row;
}

// The two release sets a new project starts with: rigid, and pinned
// (translations connected, rotations released) at both ends.
std::vector<std::array<double, 12>> DefaultReleases()
{
    return {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0}};
}

} // namespace

DemoProject DemoProjects::BuildingFrame()
{
    DemoProject p;
    p.name = "Building";
    p.title = "Three-storey steel frame, 3 x 2 bays, gravity and wind";
    p.engineer = "KESTRA demo";
    p.elementType = "Frame3D";
    p.forceUnit = "kN";
    p.lengthUnit = "m";
    p.dof = 6;

    const int nx = 4, nz = 3, levels = 4;            // grid lines and floor levels
    const double bayX = 6.0, bayZ = 5.0, storey = 3.5;
    auto id = [&](int level, int ix, int iz) { return level * nx * nz + iz * nx + ix + 1; };

    for (int level = 0; level < levels; ++level)
        for (int iz = 0; iz < nz; ++iz)
            for (int ix = 0; ix < nx; ++ix) {
                NodeRow n = FreeNode(ix * bayX, level * storey, iz * bayZ);
                if (level == 0)
                    for (int c = 3; c < 9; ++c)
                        n[c] = 0.0; // fixed base
                p.nodes.push_back(n);
            }
    // A node at mid-span of every main beam, so that the beams bend under
    // the floor loads they carry.
    const int gridNodes = int(p.nodes.size());
    auto mid = [&](int level, int ix, int iz) {
        return gridNodes + ((level - 1) * nz + iz) * (nx - 1) + ix + 1;
    };
    for (int level = 1; level < levels; ++level)
        for (int iz = 0; iz < nz; ++iz)
            for (int ix = 0; ix + 1 < nx; ++ix)
                p.nodes.push_back(FreeNode((ix + 0.5) * bayX, level * storey, iz * bayZ));

    // Property groups: 1 columns (HE 300 B), 2 main beams along X
    // (IPE 400), 3 secondary beams along Z (IPE 300).
    p.properties = {
        {kSteelE, 1.491e-2, kSteelG, 1.850e-6, 8.563e-5, 2.517e-4},
        {kSteelE, 8.446e-3, kSteelG, 5.130e-7, 1.318e-5, 2.313e-4},
        {kSteelE, 5.381e-3, kSteelG, 2.010e-7, 6.040e-6, 8.356e-5},
    };
    p.releases = DefaultReleases();

    for (int level = 1; level < levels; ++level)
        for (int iz = 0; iz < nz; ++iz)
            for (int ix = 0; ix < nx; ++ix)
                p.members.push_back(Member(p.nodes, id(level - 1, ix, iz), id(level, ix, iz), 1, 1));
    // Member numbers of the main beam halves on each level and line.
    std::vector<std::vector<int>> beamLine(std::size_t(levels * nz));
    for (int level = 1; level < levels; ++level) {
        for (int iz = 0; iz < nz; ++iz)
            for (int ix = 0; ix + 1 < nx; ++ix) {
                p.members.push_back(Member(p.nodes, id(level, ix, iz), mid(level, ix, iz), 2, 1));
                p.members.push_back(Member(p.nodes, mid(level, ix, iz), id(level, ix + 1, iz), 2, 1));
                for (int half = 1; half >= 0; --half)
                    beamLine[std::size_t(level * nz + iz)].push_back(int(p.members.size()) - half);
            }
        for (int ix = 0; ix < nx; ++ix)
            for (int iz = 0; iz + 1 < nz; ++iz)
                p.members.push_back(Member(p.nodes, id(level, ix, iz), id(level, ix, iz + 1), 3, 1));
    }

    // Case 1: floors 500 kgf/m2, roof 300 kgf/m2, spanning along Z onto the
    // main beams: a beam carries the slab strip of width wz as a uniform
    // load along global -Y on both its halves; and the self weight of every
    // member, steel at 7850 kgf/m3. Case 2: wind 100 kgf/m2 on the facade
    // at X = 0, at the column nodes.
    const std::size_t count = p.nodes.size();
    std::vector<std::array<double, 6>> gravity(count, std::array<double, 6>{}),
        wind(count, std::array<double, 6>{});
    std::vector<std::array<double, 7>> floors;
    for (int level = 1; level < levels; ++level)
        for (int iz = 0; iz < nz; ++iz) {
            const double wz = (iz > 0 ? bayZ / 2 : 0) + (iz + 1 < nz ? bayZ / 2 : 0);
            const bool roof = level == levels - 1;
            const double q = roof ? 300.0 : 500.0;
            for (int member : beamLine[std::size_t(level * nz + iz)])
                floors.push_back({double(member), 1, 5, 0, 0, -q * wz, 0});
            wind[id(level, 0, iz) - 1][0] = 100.0 * wz * (roof ? storey / 2 : storey);
        }
    for (std::size_t m = 1; m <= p.members.size(); ++m)
        floors.push_back({double(m), 4, 5, 0, 0, -7850.0, 0});
    p.loadCases = {gravity, wind};
    p.loadCaseNames = {"gravity", "wind along +X"};
    p.memberLoads = {floors};
    p.combinations = {{1.35, 1.5}, {1.0, 1.0}};
    p.combinationNames = {"1.35 gravity + 1.5 wind", "gravity + wind"};
    return p;
}

DemoProject DemoProjects::PrattBridge()
{
    DemoProject p;
    p.name = "Bridge";
    p.title = "Pratt truss bridge, 6 panels of 5 m, deck loads";
    p.engineer = "KESTRA demo";
    p.elementType = "Truss3D";
    p.forceUnit = "kN";
    p.lengthUnit = "m";
    p.dof = 3;

    const int panels = 6;
    const double panel = 5.0, height = 5.0, width = 4.0;
    const int perSide = (panels + 1) + (panels - 1);
    auto bottom = [&](int side, int i) { return side * perSide + i + 1; };
    auto top = [&](int side, int i) { return side * perSide + (panels + 1) + i; }; // i = 1..5

    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i <= panels; ++i)
            p.nodes.push_back(FreeNode(i * panel, 0.0, side * width));
        for (int i = 1; i < panels; ++i)
            p.nodes.push_back(FreeNode(i * panel, height, side * width));
    }
    // Pinned at the near left bearing; the far left bearing slides across
    // (Z), the near right one along the span (X); the far right one only
    // carries vertical load.
    auto restrain = [&](int node, double x, double y, double z) {
        p.nodes[node - 1][3] = x;
        p.nodes[node - 1][4] = y;
        p.nodes[node - 1][5] = z;
    };
    restrain(bottom(0, 0), 0, 0, 0);
    restrain(bottom(1, 0), 0, 0, 1);
    restrain(bottom(0, panels), 1, 0, 0);
    restrain(bottom(1, panels), 1, 0, 1);

    // Property groups: 1 chords, 2 web members, 3 cross girders and bracing.
    p.properties = {
        {kSteelE, 8.0e-3, kSteelG, 1.0e-6, 5.0e-5, 5.0e-5},
        {kSteelE, 4.0e-3, kSteelG, 5.0e-7, 2.0e-5, 2.0e-5},
        {kSteelE, 2.0e-3, kSteelG, 2.0e-7, 5.0e-6, 5.0e-6},
    };
    p.releases = DefaultReleases();

    auto add = [&](int a, int b, int property) { p.members.push_back(Member(p.nodes, a, b, property, 1)); };
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < panels; ++i)
            add(bottom(side, i), bottom(side, i + 1), 1);
        for (int i = 1; i + 1 < panels; ++i)
            add(top(side, i), top(side, i + 1), 1);
        add(bottom(side, 0), top(side, 1), 2); // end posts
        add(bottom(side, panels), top(side, panels - 1), 2);
        for (int i = 1; i < panels; ++i)
            add(bottom(side, i), top(side, i), 2); // verticals
        // Diagonals slope down towards mid-span, so they carry tension.
        for (int i = 1; i + 1 < panels; ++i) {
            if (i + 1 <= panels / 2)
                add(top(side, i), bottom(side, i + 1), 2);
            else
                add(bottom(side, i), top(side, i + 1), 2);
        }
    }
    for (int i = 0; i <= panels; ++i)
        add(bottom(0, i), bottom(1, i), 3); // cross girders
    for (int i = 1; i < panels; ++i)
        add(top(0, i), top(1, i), 3); // top struts
    for (int i = 0; i < panels; ++i)
        add(bottom(0, i), bottom(1, i + 1), 3); // bottom lateral bracing
    for (int i = 1; i + 1 < panels; ++i)
        add(top(0, i), top(1, i + 1), 3); // top lateral bracing
    for (int i = 1; i < panels; ++i)
        add(bottom(0, i), top(1, i), 3); // sway bracing

    std::vector<std::array<double, 6>> deck(p.nodes.size(), std::array<double, 6>{});
    // The deck's share at the bearings goes straight into them; only the
    // inner cross girders load the trusses.
    for (int side = 0; side < 2; ++side)
        for (int i = 1; i < panels; ++i)
            deck[bottom(side, i) - 1][1] = -12000.0;
    p.loadCases = {deck};
    p.loadCaseNames = {"deck loads"};
    return p;
}

double DemoProjects::MemberLength(const DemoProject& project, int member)
{
    const auto& m = project.members.at(member - 1);
    const auto& a = project.nodes.at(int(m[0]) - 1);
    const auto& b = project.nodes.at(int(m[1]) - 1);
    return std::sqrt((b[0] - a[0]) * (b[0] - a[0]) + (b[1] - a[1]) * (b[1] - a[1]) +
                     (b[2] - a[2]) * (b[2] - a[2]));
}
