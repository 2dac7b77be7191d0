# Grid fill of the table pages (needs a QApplication: own main).
kestra_add_bench(tables_bench SOURCES tables_bench.cpp LIBS ktrgl_tables ktrgl_numerics)
include(${CMAKE_CURRENT_SOURCE_DIR}/tables_node_bench.cmake)
include(${CMAKE_CURRENT_SOURCE_DIR}/tables_loads_bench.cmake)
include(${CMAKE_CURRENT_SOURCE_DIR}/tables_element_bench.cmake)
