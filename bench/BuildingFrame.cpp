#include "BuildingFrame.h"

#include <cmath>

solver::Model BuildingFrame::Build(int nx, int nz, int storeys, int loadCases)
{
    const double bayX = 6.0, bayZ = 5.0, storey = 3.5;
    const int perFloor = nx * nz;
    const int nodes = perFloor * (storeys + 1);
    const int columns = perFloor * storeys;
    const int beams = storeys * ((nx - 1) * nz + nx * (nz - 1));

    solver::Model m;
    m.type = solver::Model::Type::Frame3D;
    m.nodes.SetSize(nodes, 9);
    auto id = [&](int i, int k, int level) { return level * perFloor + k * nx + i + 1; };
    for (int level = 0; level <= storeys; ++level)
        for (int k = 0; k < nz; ++k)
            for (int i = 0; i < nx; ++i) {
                const int n = id(i, k, level);
                m.nodes(n, 1) = i * bayX;
                m.nodes(n, 2) = level * storey;
                m.nodes(n, 3) = k * bayZ;
                for (int d = 4; d <= 9; ++d)
                    m.nodes(n, d) = level == 0 ? 0.0 : 1.0;
            }

    // Group 1: columns (HEB 300-like), group 2: beams (IPE 400-like);
    // E, A, G, J, I2, I3 in kgf and m.
    m.properties.SetSize(2, 6);
    const double col[6] = {2.1e10, 0.0149, 8.1e9, 1.85e-6, 8.56e-5, 2.52e-4};
    const double beam[6] = {2.1e10, 0.00845, 8.1e9, 5.1e-7, 1.32e-5, 2.31e-4};
    for (int j = 0; j < 6; ++j) {
        m.properties(1, j + 1) = col[j];
        m.properties(2, j + 1) = beam[j];
    }
    m.releases.SetSize(0, 12);

    m.members.SetSize(columns + beams, 8);
    int e = 0;
    auto member = [&](int s, int t, double kx, double ky, double kz, int group) {
        ++e;
        m.members(e, 1) = s;
        m.members(e, 2) = t;
        const double dx = m.nodes(t, 1) - m.nodes(s, 1), dy = m.nodes(t, 2) - m.nodes(s, 2),
                     dz = m.nodes(t, 3) - m.nodes(s, 3);
        m.members(e, 3) = std::sqrt(dx * dx + dy * dy + dz * dz);
        m.members(e, 4) = kx;
        m.members(e, 5) = ky;
        m.members(e, 6) = kz;
        m.members(e, 7) = group;
        m.members(e, 8) = 0;
    };
    for (int level = 1; level <= storeys; ++level)
        for (int k = 0; k < nz; ++k)
            for (int i = 0; i < nx; ++i) {
                const int top = id(i, k, level);
                const double x = m.nodes(top, 1), y = m.nodes(top, 2), z = m.nodes(top, 3);
                member(id(i, k, level - 1), top, x + 1.0, y, z, 1);
                if (i + 1 < nx)
                    member(top, id(i + 1, k, level), x, y + 1.0, z, 2);
                if (k + 1 < nz)
                    member(top, id(i, k + 1, level), x, y + 1.0, z, 2);
            }

    for (int c = 1; c <= loadCases; ++c) {
        CdMatrix loads(nodes, 6);
        for (int n = perFloor + 1; n <= nodes; ++n) {
            const int level = (n - 1) / perFloor;
            switch (c) {
            case 1:
                loads(n, 2) = -3000.0;
                break;
            case 2:
                loads(n, 1) = 40.0 * level;
                break;
            case 3:
                loads(n, 3) = 35.0 * level;
                break;
            default:
                loads(n, 2) = -1000.0 * (1 + c % 3);
                loads(n, 1) = 10.0 * c * level;
                loads(n, 5) = 50.0 * ((n + c) % 5 - 2);
                break;
            }
        }
        m.loadCases.push_back(std::move(loads));
    }
    return m;
}

solver::Model BuildingFrame::WithAbout(int nodes, int loadCases)
{
    if (nodes >= 50000) {
        // 40 x 25 = 1000 nodes per floor.
        const int storeys = std::max(1, nodes / 1000 - 1);
        return Build(40, 25, storeys, loadCases);
    }
    // Square plan n x n with n - 1 storeys: n^3 nodes.
    const int n = std::max(2, static_cast<int>(std::lround(std::cbrt(double(nodes)))));
    return Build(n, n, n - 1, loadCases);
}
