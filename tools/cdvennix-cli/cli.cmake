# cdvennix-cli: every .cpp here is one part of the tool; each registers its own commands.
# Parts that need more libraries add them in a cli-<part>.cmake fragment beside this file.
find_package(nlohmann_json 3 REQUIRED)
file(GLOB cli_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
add_executable(cdvennix-cli ${cli_sources})
target_link_libraries(cdvennix-cli PRIVATE design nlohmann_json::nlohmann_json)
install(TARGETS cdvennix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB cli_fragments CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/cli-*.cmake)
foreach(fragment ${cli_fragments})
    include(${fragment})
endforeach()
