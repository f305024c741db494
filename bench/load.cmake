# The program under load: a 100 000-line design with a 2000-character title and a 200 MB
# bitmap, opened, edited, previewed at 2000 % and saved in the real windows (offscreen).
if(TARGET windows)
    add_executable(bench_load ${CMAKE_CURRENT_LIST_DIR}/load_bench.cpp)
    target_link_libraries(bench_load PRIVATE windows)
endif()
