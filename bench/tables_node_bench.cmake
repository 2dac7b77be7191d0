# Node table commands on a 100,000-node, 200,000-member model (own main:
# the page needs a QApplication).
kestra_add_bench(tables_node_bench SOURCES tables_node_bench.cpp LIBS ktrgl_tables_node)
