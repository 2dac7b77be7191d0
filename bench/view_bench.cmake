# Model view timings: renumbering and display list building; the plain
# renumbering loops (for the speed ratio) come from the tests' reference.
kestra_add_bench(view_bench SOURCES view_bench.cpp LIBS ktrgl_view)
target_include_directories(view_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
