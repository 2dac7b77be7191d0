#include "ReportMemberLoads.h"

#include <vector>

#include "solver/LoadCombination.h"
#include "solver/MemberLoad.h"
#include "solver/MemberLoading.h"
#include "solver/Model.h"
#include "solver/ModelReader.h"
#include "solver/Solver.h"

// The solver's model, its checked members and the member loading built on
// both (which refers to them, so they live together).
struct ReportMemberLoads::Data {
    solver::Model model;
    std::vector<solver::MemberData> members;
    std::unique_ptr<solver::MemberLoading> loading;
};

ReportMemberLoads::ReportMemberLoads() = default;
ReportMemberLoads::~ReportMemberLoads() = default;

void ReportMemberLoads::Read(const std::string& folder, const std::string& name, const std::string& elementType,
                             int loadCases)
{
    m_data.reset();
    m_error.clear();
    auto data = std::make_unique<Data>();
    solver::SolverStatus status = solver::ModelReader::Read(folder, name, elementType, loadCases, data->model);
    if (status.IsOk())
        status = solver::Solver::Check(data->model, data->members);
    if (!status.IsOk()) {
        m_error = "the member loads cannot be resolved: " + status.GetMessage();
        while (!m_error.empty() && (m_error.back() == '\n' || m_error.back() == ' '))
            m_error.pop_back();
        return;
    }
    data->loading = std::make_unique<solver::MemberLoading>(data->model, data->members);
    m_data = std::move(data);
}

const CdMatrix& ReportMemberLoads::Table(int loadCase) const
{
    if (!m_data || loadCase < 1 || loadCase > int(m_data->model.memberLoads.size()))
        return m_empty;
    return m_data->model.memberLoads[std::size_t(loadCase - 1)];
}

bool ReportMemberLoads::AddEquivalentNodalLoads(int record, CdMatrix& loads, std::string& error) const
{
    if (!m_data) {
        error = m_error.empty() ? "the member loads were not read" : m_error;
        return false;
    }
    const solver::Model& model = m_data->model;
    if (m_data->loading->IsEmpty())
        return true;
    if (record < 1 || record > model.RecordCount()) {
        error = "the member loads of record " + std::to_string(record) + " are not known";
        return false;
    }
    const int n = model.NodeCount(), dof = model.Dof();
    if (loads.GetRows() != n || loads.GetCols() < dof) {
        error = "the node loads do not match the model";
        return false;
    }
    const std::vector<double> factors = solver::LoadCombination::Factors(model, record - 1);
    for (std::size_t c = 0; c < factors.size(); ++c) {
        if (factors[c] == 0.0)
            continue;
        const std::vector<double> p = m_data->loading->EquivalentNodalLoads(int(c));
        for (int i = 0; i < n; ++i)
            for (int d = 0; d < dof; ++d)
                loads(i + 1, d + 1) += factors[c] * p[std::size_t(i) * dof + d];
    }
    return true;
}

std::string ReportMemberLoads::KindName(int kind)
{
    switch (kind) {
    case solver::MemberLoad::Uniform: return "uniform";
    case solver::MemberLoad::Linear: return "linear";
    case solver::MemberLoad::Concentrated: return "concentrated";
    case solver::MemberLoad::SelfWeight: return "self weight";
    default: return "kind " + std::to_string(kind);
    }
}

std::string ReportMemberLoads::DirectionName(int direction)
{
    if (direction >= 1 && direction <= 3)
        return "local " + std::to_string(direction);
    if (direction >= 4 && direction <= 6)
        return std::string("global ") + "XYZ"[direction - 4];
    return "direction " + std::to_string(direction);
}
