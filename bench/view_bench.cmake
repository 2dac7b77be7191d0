# Model view timings: renumbering and display list building.
kestra_add_bench(view_bench SOURCES view_bench.cpp LIBS ktrgl_view)
