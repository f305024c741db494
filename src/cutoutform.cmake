# The cut-out form: its template of elements, the composition from the design and the
# preview hook, on the page engine.
add_library(cutoutform STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/Unit2.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Unit2.h
)
target_include_directories(cutoutform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(cutoutform PUBLIC report design)
