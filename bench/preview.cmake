# A full repaint of a 1280 x 1000 preview view at zoom 100, 400, 1000 and 2000: time and the
# program's peak memory.
if(TARGET widgets AND TARGET cutoutform)
    add_executable(bench_preview ${CMAKE_CURRENT_LIST_DIR}/preview_bench.cpp)
    target_link_libraries(bench_preview PRIVATE widgets cutoutform benchmark::benchmark)
endif()
