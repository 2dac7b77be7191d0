// A result sink that takes the results and drops them: the benchmarks
// measure the solver, not the disk.
#pragma once
#include <benchmark/benchmark.h>

#include "solver/ResultSink.h"

class NullSink : public solver::ResultSink {
public:
    bool Begin(int, int, int, int) override { return true; }
    bool WriteAxes(int, const Eigen::Matrix3d&) override { return true; }
    bool WriteCase(int, const solver::CaseResult& r) override
    {
        benchmark::DoNotOptimize(r.memberForces.GetData());
        benchmark::DoNotOptimize(r.sectionForces.GetData());
        return true;
    }
    bool Finish() override { return true; }
};
