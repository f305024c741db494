# The windows: the main window TForm1 (Unit1*.cpp, one source per page), the about box
# (Unit3) and the preview window (Unit4), plus the program's entry point.
find_package(Qt6 REQUIRED COMPONENTS Widgets Svg)

file(GLOB windows_sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/Unit1*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Unit3.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/Unit4.cpp)
add_library(windows STATIC
    ${windows_sources}
    ${CMAKE_CURRENT_SOURCE_DIR}/Unit1.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ApplicationSetup.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ApplicationSetup.h
    ${CMAKE_CURRENT_SOURCE_DIR}/CommandGuard.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CommandGuard.h
    ${CMAKE_CURRENT_SOURCE_DIR}/ImageList.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ImageList.h
    ${PROJECT_SOURCE_DIR}/resources/cdvennix.qrc)
set_target_properties(windows PROPERTIES AUTOMOC ON AUTORCC ON)
target_include_directories(windows PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(windows PUBLIC pages Qt6::Widgets Qt6::Svg)
foreach(layer widgets cutoutform)
    if(TARGET ${layer})
        target_link_libraries(windows PUBLIC ${layer})
    endif()
endforeach()

add_executable(cdvennix ${CMAKE_CURRENT_SOURCE_DIR}/CDVennix.cpp)
target_link_libraries(cdvennix PRIVATE windows)
install(TARGETS cdvennix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
