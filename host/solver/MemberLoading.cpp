#include "solver/MemberLoading.h"

#include "solver/LoadCombination.h"

namespace solver {

MemberLoading::MemberLoading(const Model& model, const std::vector<MemberData>& members)
    : m_model(model), m_members(members)
{
    const int cases = model.LoadCaseCount();
    const int count = static_cast<int>(members.size());
    m_first.resize(static_cast<size_t>(cases));
    m_rows.resize(static_cast<size_t>(cases));
    for (int c = 0; c < cases; ++c) {
        std::vector<int>& first = m_first[static_cast<size_t>(c)];
        std::vector<int>& rows = m_rows[static_cast<size_t>(c)];
        first.assign(static_cast<size_t>(count) + 1, 0);
        if (c >= static_cast<int>(model.memberLoads.size()))
            continue;
        const CdMatrix& table = model.memberLoads[static_cast<size_t>(c)];
        // Counting sort by member, rows in table order within a member.
        for (int r = 1; r <= table.GetRows(); ++r) {
            const int m = MemberLoad::FromRow(table, r).member;
            if (m >= 1 && m <= count)
                ++first[static_cast<size_t>(m)];
        }
        for (int m = 0; m < count; ++m)
            first[static_cast<size_t>(m) + 1] += first[static_cast<size_t>(m)];
        rows.resize(static_cast<size_t>(first[static_cast<size_t>(count)]));
        std::vector<int> next(first.begin(), first.end() - 1);
        for (int r = 1; r <= table.GetRows(); ++r) {
            const int m = MemberLoad::FromRow(table, r).member;
            if (m >= 1 && m <= count)
                rows[static_cast<size_t>(next[static_cast<size_t>(m - 1)]++)] = r;
        }
        if (!rows.empty())
            m_empty = false;
    }
}

void MemberLoading::LocalLoads(int record, int member, std::vector<LocalLoad>& out) const
{
    out.clear();
    if (m_empty)
        return;
    const MemberData& data = m_members[static_cast<size_t>(member)];
    auto add = [&](size_t c, double factor) {
        const std::vector<int>& first = m_first[c];
        for (int i = first[static_cast<size_t>(member)]; i < first[static_cast<size_t>(member) + 1]; ++i)
            MemberLoad::FromRow(m_model.memberLoads[c], m_rows[c][static_cast<size_t>(i)])
                .Resolve(data, factor, out);
    };
    if (record < m_model.LoadCaseCount()) {
        add(static_cast<size_t>(record), 1.0);
        return;
    }
    const std::vector<double> factors = LoadCombination::Factors(m_model, record);
    for (size_t c = 0; c < factors.size(); ++c)
        if (factors[c] != 0.0)
            add(c, factors[c]);
}

std::vector<double> MemberLoading::EquivalentNodalLoads(int loadCase) const
{
    const int dof = m_model.Dof();
    std::vector<double> p(static_cast<size_t>(m_model.NodeCount()) * dof, 0.0);
    std::vector<LocalLoad> loads;
    const std::vector<int>& first = m_first[static_cast<size_t>(loadCase)];
    for (size_t m = 0; m < m_members.size(); ++m) {
        if (first[m] == first[m + 1])
            continue;
        LocalLoads(loadCase, static_cast<int>(m), loads);
        const MemberData& data = m_members[m];
        const MemberStiffness stiffness(m_model.type, data);
        const LocalVector global = stiffness.ToGlobal(FixedEndForces(stiffness, loads).Forces());
        for (int d = 0; d < dof; ++d) {
            p[static_cast<size_t>(data.start) * dof + d] -= global(d);
            p[static_cast<size_t>(data.end) * dof + d] -= global(dof + d);
        }
    }
    return p;
}

void MemberLoading::AddFixedEndForces(int record, int member, const MemberStiffness& stiffness,
                                      LocalVector& forces, LocalVector& endDisplacements,
                                      std::vector<LocalLoad>& loads) const
{
    LocalLoads(record, member, loads);
    if (loads.empty())
        return;
    const FixedEndForces fixed(stiffness, loads);
    forces += fixed.Forces();
    endDisplacements += fixed.ReleasedDisplacements();
}

} // namespace solver
