# Solver timings on regular building frames of about 1,000, 10,000 and
# 100,000 nodes. Run in a Release build, e.g.
#   ./bench/solver_bench --benchmark_filter=Solve
kestra_add_bench(solver_bench
    SOURCES solver_bench.cpp BuildingFrame.cpp
    LIBS kestra_solver ktrgl_project)
target_include_directories(solver_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
