# The cut-out form: composition plus layout, painting at 96, 300 and 600 dpi, a preview's
# repaint of its visible part at zoom 100 and 2000, and PDF export.
if(TARGET cutoutform)
    add_executable(bench_report ${CMAKE_CURRENT_LIST_DIR}/report_bench.cpp)
    target_link_libraries(bench_report PRIVATE cutoutform report benchmark::benchmark)
endif()
