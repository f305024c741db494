# Load and save of design files with 10, 10 000 and 1 000 000 contents lines.
add_executable(bench_design_file ${CMAKE_CURRENT_LIST_DIR}/bench_design_file.cpp)
target_link_libraries(bench_design_file PRIVATE design benchmark::benchmark benchmark::benchmark_main)
