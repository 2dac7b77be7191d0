# What member loads and combinations add to a solve: a building frame of
# about 1,000 nodes with node loads only, with a uniform load and self
# weight on every member, and with two combinations on top.
#   ./bench/member_load_bench
kestra_add_bench(member_load_bench
    SOURCES member_load_bench.cpp BuildingFrame.cpp
    LIBS kestra_solver)
target_include_directories(member_load_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
