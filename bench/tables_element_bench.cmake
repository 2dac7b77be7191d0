# Member table commands on large models: paste, mirror Copy, rotate Copy.
kestra_add_bench(tables_element_bench SOURCES tables_element_bench.cpp LIBS ktrgl_tables_element)
