# Picking in the model view (the host's ViewPicker) on 200,000 members.
kestra_add_bench(pick_bench SOURCES pick_bench.cpp LIBS kestra_gui)
