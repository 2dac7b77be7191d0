// Picking in the model view on a model of 200,000 members: projecting every
// node for the camera, then a click (nearest node, else nearest member) and
// a rectangle (every member inside), as the window does on each pick.
//
//   ./bench/pick_bench --benchmark_min_time=0.2
#include <benchmark/benchmark.h>

#include <cmath>

#include "ViewCamera.h"
#include "ViewPicker.h"

namespace {

constexpr int kWidth = 1280, kHeight = 860;

// A cubic lattice of about m / 3 nodes at 1 m spacing and its m members
// along X, Y and Z between neighbours.
struct Model {
    CdMatrix nodes, members;
};

Model Lattice(int m)
{
    const int side = int(std::cbrt(m / 3.0)) + 1;
    Model model;
    model.nodes.SetSize(side * side * side, 9);
    for (int i = 0; i < side * side * side; ++i) {
        model.nodes(i + 1, 1) = i % side;
        model.nodes(i + 1, 2) = (i / side) % side;
        model.nodes(i + 1, 3) = i / (side * side);
    }
    model.members.SetSize(m, 8);
    int k = 0;
    for (int i = 0; i < side * side * side && k < m; ++i) {
        const int step[3] = {1, side, side * side};
        for (int a = 0; a < 3 && k < m; ++a)
            if (i + step[a] < side * side * side) {
                ++k;
                model.members(k, 1) = i + 1;
                model.members(k, 2) = i + step[a] + 1;
            }
    }
    return model;
}

const Model& TheModel()
{
    static const Model model = Lattice(200000);
    return model;
}

ViewCamera FittedCamera()
{
    ViewCamera camera;
    camera.SetStandard(ViewCamera::Isometric);
    camera.Fit(TheModel().nodes, double(kWidth) / kHeight, 0.5);
    return camera;
}

void BM_PickClick(benchmark::State& state)
{
    const Model& model = TheModel();
    const ViewCamera camera = FittedCamera();
    ViewPicker picker;
    int found = 0;
    for (auto _ : state) {
        picker.Project(camera, kWidth, kHeight, model.nodes);
        const ViewPicker::Hit hit = picker.Pick(model.members, kWidth * 0.37, kHeight * 0.41);
        found = hit.number;
        benchmark::DoNotOptimize(found);
    }
    state.counters["members"] = model.members.GetRows();
    state.counters["picked"] = found;
}
BENCHMARK(BM_PickClick)->Unit(benchmark::kMillisecond);

void BM_PickRectangle(benchmark::State& state)
{
    const Model& model = TheModel();
    const ViewCamera camera = FittedCamera();
    ViewPicker picker;
    size_t inside = 0;
    for (auto _ : state) {
        picker.Project(camera, kWidth, kHeight, model.nodes);
        inside = picker.MembersInside(model.members, kWidth * 0.3, kHeight * 0.3, kWidth * 0.6,
                                      kHeight * 0.6).size();
        benchmark::DoNotOptimize(inside);
    }
    state.counters["inside"] = double(inside);
}
BENCHMARK(BM_PickRectangle)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
