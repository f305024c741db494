# Installation into a prefix and the Debian package.

if(TARGET cdvennix)
    install(TARGETS cdvennix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET cdvennix-cli)
    install(TARGETS cdvennix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(CDV_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${CDV_PACKAGING_DIR}/cdvennix.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CDV_PACKAGING_DIR}/io.github.cdvennix.CDVennixDesigner.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CDV_PACKAGING_DIR}/cdvennix.1 ${CDV_PACKAGING_DIR}/cdvennix-cli.1
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(size 16 32 48 128)
    install(FILES ${CDV_PACKAGING_DIR}/icons/cdvennix-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME cdvennix.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/cdvennix.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cdvennix)
set(CPACK_PACKAGE_VENDOR "CD Vennix Designer developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design and print the paper inserts of a CD case")
set(CPACK_PACKAGE_CONTACT "CD Vennix Designer developers <cdvennix@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Shared-library dependencies (Qt, the C++ runtime) come from dpkg-shlibdeps; the fonts the
# cut-out form is drawn with are named here since no library links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, xdg-utils")
include(CPack)
