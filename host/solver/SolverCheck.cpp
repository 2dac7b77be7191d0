// The member checks that run before anything is assembled: every problem is
// collected, so the user sees the whole list at once.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "numerics/dVector.h"
#include "solver/LoadCombination.h"
#include "solver/MemberLoad.h"
#include "solver/Solver.h"

namespace solver {

namespace {

// A node, property or release number as the tables store it: a whole
// number in a double, read by truncation. -1 when it is not a number.
int Whole(double v)
{
    if (!std::isfinite(v) || v < -1e9 || v > 1e9)
        return -1;
    return static_cast<int>(v);
}

std::string Number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::string Point(double x, double y, double z)
{
    return "(" + Number(x) + ", " + Number(y) + ", " + Number(z) + ")";
}

Eigen::Matrix3d Axes(const Eigen::Vector3d& a, const Eigen::Vector3d& b, const Eigen::Vector3d& c)
{
    const CdMatrix t = MemberAxes(CdVector(3, a.x(), a.y(), a.z()), CdVector(3, b.x(), b.y(), b.z()),
                                  CdVector(3, c.x(), c.y(), c.z()));
    Eigen::Matrix3d r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r(i, j) = t(i + 1, j + 1);
    return r;
}

} // namespace

SolverStatus Solver::Check(const Model& model, std::vector<MemberData>& members)
{
    std::vector<std::string> problems;
    int firstMember = 0, firstNode = 0;
    auto problem = [&](int member, int node, const std::string& text) {
        if (problems.empty()) {
            firstMember = member;
            firstNode = node;
        }
        problems.push_back(text);
    };

    const int n = model.NodeCount();
    const int m = model.MemberCount();
    const int dof = model.Dof();
    const bool frame = model.type == Model::Type::Frame3D;
    if (n < 1)
        problem(0, 0, "The model has no nodes.");
    if (m < 1)
        problem(0, 0, "The model has no members.");
    if (n > 0 && model.nodes.GetCols() < 3 + dof)
        problem(0, 0, "The node table has " + std::to_string(model.nodes.GetCols()) +
                          " columns; 3 coordinates and " + std::to_string(dof) +
                          " restraint codes are needed.");
    if (m > 0 && model.members.GetCols() < 8)
        problem(0, 0, "The member table has " + std::to_string(model.members.GetCols()) +
                          " columns; 8 are needed.");
    if (model.LoadCaseCount() < 1)
        problem(0, 0, "The project has no load case; add one in the load table.");

    std::vector<char> badNode(static_cast<size_t>(std::max(n, 0)), 0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= 3; ++j)
            if (!std::isfinite(model.nodes(i, j)) && !badNode[i - 1]) {
                badNode[i - 1] = 1;
                problem(0, i, "Node " + std::to_string(i) + ": a coordinate is not a number.");
            }

    const int groups = model.properties.GetRows();
    const int sets = model.releases.GetRows();
    const char* const names[6] = {"E", "A", "G", "I1", "I2", "I3"};
    std::vector<MemberData> checked;
    checked.reserve(static_cast<size_t>(std::max(m, 0)));
    // Length of every sound member, -1 for a faulty one (member loads).
    std::vector<double> lengths(static_cast<size_t>(std::max(m, 0)), -1.0);
    const std::string nodeRange = n > 0 ? " is not in the node table (nodes 1 to " +
                                              std::to_string(n) + ")."
                                        : " is not in the node table (the table is empty).";

    for (int k = 1; k <= m; ++k) {
        const std::string who = "Member " + std::to_string(k) + ": ";
        const size_t before = problems.size();
        const int s = Whole(model.members(k, 1));
        const int e = Whole(model.members(k, 2));
        const bool sOk = s >= 1 && s <= n && !badNode[s - 1];
        const bool eOk = e >= 1 && e <= n && !badNode[e - 1];
        if (!(s >= 1 && s <= n))
            problem(k, 0, who + "start node " + Number(model.members(k, 1)) + nodeRange);
        if (!(e >= 1 && e <= n))
            problem(k, 0, who + "end node " + Number(model.members(k, 2)) + nodeRange);

        MemberData data;
        Eigen::Vector3d a = Eigen::Vector3d::Zero(), b = Eigen::Vector3d::Zero();
        if (sOk && eOk) {
            a = Eigen::Vector3d(model.nodes(s, 1), model.nodes(s, 2), model.nodes(s, 3));
            b = Eigen::Vector3d(model.nodes(e, 1), model.nodes(e, 2), model.nodes(e, 3));
            data.length = (b - a).norm();
            if (s == e)
                problem(k, s, who + "zero length: start and end are both node " +
                                  std::to_string(s) + ".");
            else if (!(data.length > 1e-6))
                problem(k, s, who + "zero length: nodes " + std::to_string(s) + " and " +
                                  std::to_string(e) + " are at the same point " +
                                  Point(a.x(), a.y(), a.z()) + ".");
        }

        const int p = Whole(model.members(k, 7));
        if (p < 1 || p > groups) {
            problem(k, 0, who + "property " + Number(model.members(k, 7)) +
                              (groups > 0 ? " is not in the property table (groups 1 to " +
                                                std::to_string(groups) + ")."
                                          : " is not in the property table (the table is empty)."));
        } else {
            double v[6];
            for (int j = 0; j < 6; ++j)
                v[j] = model.properties.GetAt(p, j + 1);
            const int used = frame ? 6 : 2;
            for (int j = 0; j < used; ++j)
                if (!(v[j] > 0.0) || !std::isfinite(v[j])) {
                    problem(k, 0, who + "property group " + std::to_string(p) + " has " + names[j] +
                                      " = " + Number(v[j]) +
                                      (frame ? "; E, A, G, I1, I2 and I3 must be above 0."
                                             : "; E and A must be above 0."));
                    break;
                }
            data.section = Section{v[0], v[1], v[2], v[3], v[4], v[5]};
        }

        const int r = Whole(model.members(k, 8));
        data.connected.fill(true);
        if (r < 0 || r > sets) {
            problem(k, 0, who + "release set " + Number(model.members(k, 8)) +
                              (sets > 0 ? " is not in the release table (0 for none, sets 1 to " +
                                              std::to_string(sets) + ")."
                                        : " is not in the release table (0 for none; the table "
                                          "is empty)."));
        } else if (r > 0) {
            for (int j = 0; j < 12; ++j)
                data.connected[j] = Whole(model.releases.GetAt(r, j + 1)) != 0;
        }

        if (sOk && eOk && data.length > 1e-6 && s != e) {
            Eigen::Vector3d c(model.members(k, 4), model.members(k, 5), model.members(k, 6));
            const Eigen::Vector3d axis = (b - a) / data.length;
            const bool finite = c.allFinite();
            const double offLine = finite ? axis.cross(c - a).norm() : 0.0;
            if (!(offLine > 1e-6 * data.length)) {
                if (frame) {
                    problem(k, 0, who + "reference point " + Point(c.x(), c.y(), c.z()) +
                                      " lies on the member's line, so its local axes 2 and 3 "
                                      "are undefined. Set its reference point off the line, "
                                      "e.g. with Parallel X/Y/Z in the member reference point "
                                      "table (right-click).");
                } else {
                    // A bar's orientation carries no stiffness; lay local axis 2
                    // towards the global axis most across the bar.
                    Eigen::Vector3d::Index across;
                    axis.cwiseAbs().minCoeff(&across);
                    c = a + Eigen::Vector3d::Unit(across) * data.length;
                }
            }
            if (problems.size() == before)
                data.axes = Axes(a, b, c);
        }
        if (problems.size() == before) {
            lengths[static_cast<size_t>(k - 1)] = data.length;
            data.start = s - 1;
            data.end = e - 1;
            checked.push_back(data);
        }
    }

    static const char* const kLoadName[6] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
    for (int c = 0; c < model.LoadCaseCount(); ++c) {
        const CdMatrix& loads = model.loadCases[c];
        const int rows = std::min(loads.GetRows(), n);
        const int cols = std::min(loads.GetCols(), dof);
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= cols; ++j)
                if (!std::isfinite(loads(i, j)))
                    problem(0, i, "Load case " + std::to_string(c + 1) + ", node " +
                                      std::to_string(i) + ": the load " +
                                      kLoadName[j - 1] + " is not a number.");
    }

    const int loaded = std::min(model.LoadCaseCount(), static_cast<int>(model.memberLoads.size()));
    for (int c = 0; c < loaded; ++c)
        for (const std::string& text :
             MemberLoad::CheckTable(model.memberLoads[static_cast<size_t>(c)], c + 1, lengths))
            problem(0, 0, text);
    for (const std::string& text : LoadCombination::Check(model))
        problem(0, 0, text);

    if (problems.empty()) {
        members = std::move(checked);
        return SolverStatus::Ok(0);
    }
    std::string message = "The model cannot be solved:\n";
    const size_t shown = std::min<size_t>(problems.size(), 20);
    for (size_t i = 0; i < shown; ++i)
        message += problems[i] + "\n";
    if (problems.size() > shown)
        message += "... and " + std::to_string(problems.size() - shown) + " more.\n";
    message += "No results were written.";
    SolverStatus status = SolverStatus::Failure(SolverStatus::InvalidModel, message);
    status.SetLocation(firstMember, firstNode, 0);
    status.SetProblems(std::move(problems));
    return status;
}

} // namespace solver
