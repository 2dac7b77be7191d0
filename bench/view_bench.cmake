# Model view timings: renumbering and display list building.
if(TARGET ktrgl_view)
    kestra_add_bench(view_bench SOURCES view_bench.cpp LIBS ktrgl_view)
endif()
