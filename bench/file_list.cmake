# How long the Image page's file list takes to read a folder of 20 000 bitmap files.
if(TARGET widgets)
    add_executable(bench_file_list ${CMAKE_CURRENT_LIST_DIR}/file_list_bench.cpp)
    target_link_libraries(bench_file_list PRIVATE widgets benchmark::benchmark)
endif()
