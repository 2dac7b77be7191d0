// Small models for the solver tests, written the way the tables hold them:
// 1-based node and member numbers, stored units, restraint codes 1 free and
// 0 restrained, release codes 1 connected and 0 released.
#pragma once
#include <array>
#include <vector>

#include "solver/Model.h"

namespace solvertest {

class ModelBuilder {
public:
    explicit ModelBuilder(solver::Model::Type type = solver::Model::Type::Frame3D) : m_type(type) {}

    static constexpr std::array<int, 6> Free{1, 1, 1, 1, 1, 1};
    static constexpr std::array<int, 6> Fixed{0, 0, 0, 0, 0, 0};
    static constexpr std::array<int, 6> Pinned{0, 0, 0, 1, 1, 1};

    int Node(double x, double y, double z, std::array<int, 6> codes = Free)
    {
        m_nodes.push_back({x, y, z, double(codes[0]), double(codes[1]), double(codes[2]),
                           double(codes[3]), double(codes[4]), double(codes[5])});
        return static_cast<int>(m_nodes.size());
    }
    int Member(int start, int end, double kx, double ky, double kz, int property = 1,
               int release = 0)
    {
        m_members.push_back({double(start), double(end), 0.0, kx, ky, kz, double(property),
                             double(release)});
        return static_cast<int>(m_members.size());
    }
    int Property(double E, double A, double G, double J, double I2, double I3)
    {
        m_properties.push_back({E, A, G, J, I2, I3});
        return static_cast<int>(m_properties.size());
    }
    int Release(std::array<int, 12> codes)
    {
        std::array<double, 12> row;
        for (int i = 0; i < 12; ++i)
            row[i] = codes[i];
        m_releases.push_back(row);
        return static_cast<int>(m_releases.size());
    }
    // Load case k (1-based), node (1-based), dof (1..6).
    void Load(int loadCase, int node, int dof, double value)
    {
        if (static_cast<int>(m_loads.size()) < loadCase)
            m_loads.resize(static_cast<size_t>(loadCase));
        m_loads[static_cast<size_t>(loadCase - 1)].push_back({node, dof, value});
    }
    void LoadCases(int count)
    {
        if (static_cast<int>(m_loads.size()) < count)
            m_loads.resize(static_cast<size_t>(count));
    }

    solver::Model Build() const
    {
        solver::Model m;
        m.type = m_type;
        const int dof = m.Dof();
        m.nodes = Table(m_nodes);
        m.members = Table(m_members);
        m.properties = Table(m_properties);
        m.releases = Table(m_releases);
        for (const auto& loads : m_loads) {
            CdMatrix t(static_cast<int>(m_nodes.size()), dof);
            for (const LoadValue& l : loads)
                t(l.node, l.dof) += l.value;
            m.loadCases.push_back(t);
        }
        return m;
    }

private:
    struct LoadValue {
        int node;
        int dof;
        double value;
    };
    template <size_t N>
    static CdMatrix Table(const std::vector<std::array<double, N>>& rows)
    {
        CdMatrix t(static_cast<int>(rows.size()), static_cast<int>(N));
        for (size_t i = 0; i < rows.size(); ++i)
            for (size_t j = 0; j < N; ++j)
                t(static_cast<int>(i + 1), static_cast<int>(j + 1)) = rows[i][j];
        return t;
    }

    solver::Model::Type m_type;
    std::vector<std::array<double, 9>> m_nodes;
    std::vector<std::array<double, 8>> m_members;
    std::vector<std::array<double, 6>> m_properties;
    std::vector<std::array<double, 12>> m_releases;
    std::vector<std::vector<LoadValue>> m_loads;
};

} // namespace solvertest
