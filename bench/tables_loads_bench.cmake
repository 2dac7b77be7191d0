# Load cases and result pages on large models: choosing a load case of
# 100,000 loaded nodes (read, fill, load glyph lists on the offscreen
# surface) and opening the member force page on a 100,000-member ".elf" of
# 10 load cases. Run in a Release build, e.g.
#   ./bench/tables_loads_bench --benchmark_min_time=0.5
kestra_add_bench(tables_loads_bench SOURCES tables_loads_bench.cpp
    LIBS ktrgl_tables_node ktrgl_tables_element ktrgl_view)
