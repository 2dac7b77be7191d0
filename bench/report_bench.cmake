# Calculation report of solved building frames of about 1,000 and 10,000
# nodes, e.g.  ./bench/report_bench --benchmark_filter=Report
kestra_add_bench(report_bench
    SOURCES report_bench.cpp
    LIBS kestra_app Qt6::Gui)
