#include "solver/SectionForces.h"

#include <algorithm>

#include <Eigen/Dense>

namespace solver {

void SectionForces::Fill(int member, int dof, double L, const double* start,
                         const std::vector<LocalLoad>& loads, CdMatrix& table)
{
    const Eigen::Vector3d f0(start[0], start[1], start[2]);
    const Eigen::Vector3d m0 = dof == 6 ? Eigen::Vector3d(start[3], start[4], start[5])
                                        : Eigen::Vector3d::Zero();
    // Moment about the station of a force at distance d beyond it along
    // axis 1: d e1 x F.
    auto lever = [](double d, const Eigen::Vector3d& force) {
        return Eigen::Vector3d(0.0, -d * force(2), d * force(1));
    };
    double** rows = table.GetData();
    for (int s = 0; s < Stations; ++s) {
        const double x = L * s / (Stations - 1);
        // Forces of the part before the section: the start node's force
        // (-f0, -m0 about the start) and the loads on [0, x].
        Eigen::Vector3d force = -f0;
        Eigen::Vector3d moment = -m0 + lever(-x, -f0);
        for (const LocalLoad& l : loads) {
            if (s == 0 || l.a > x)
                continue;
            if (l.concentrated) {
                const Eigen::Vector3d p = Eigen::Vector3d::Unit(l.axis) * l.q1;
                force += p;
                moment += lever(l.a - x, p);
                continue;
            }
            // The linear load on [a, min(b, x)]: its resultant and its
            // moment about the station, in closed form.
            const double hi = std::min(l.b, x), len = hi - l.a;
            if (!(len > 0.0))
                continue;
            const double qa = l.q1;
            const double qh = l.q1 + (l.q2 - l.q1) * len / (l.b - l.a);
            const double total = 0.5 * (qa + qh) * len;
            // Its first moment about a.
            const double firstMoment = len * len * (qa + 2.0 * qh) / 6.0;
            const Eigen::Vector3d p = Eigen::Vector3d::Unit(l.axis) * total;
            force += p;
            // Sum of (xi - x) q dxi = first moment about a + (a - x) total.
            moment += lever(1.0, Eigen::Vector3d::Unit(l.axis) * firstMoment) + lever(l.a - x, p);
        }
        // The section force is what the part beyond exerts: minus the part before.
        double* row = rows[(member - 1) * Stations + s + 1];
        for (int j = 0; j < 3; ++j)
            row[j + 1] = -force(j);
        for (int j = 0; dof == 6 && j < 3; ++j)
            row[j + 4] = -moment(j);
    }
}

} // namespace solver
