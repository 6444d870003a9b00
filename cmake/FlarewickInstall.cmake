# Installation as a desktop application: the program and its tools, the
# run-time files under share/flarewick, the desktop entry, the icon, the
# AppStream metadata and the manual pages; and a Debian package through CPack.
include(GNUInstallDirs)

set(FW_APP_ID org.flarewick.Flarewick)

install(TARGETS flarewick particle-check particle-info particle-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for these beside its bin/ folder (see platform/CCRunTimeFiles.h).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/rc ${CMAKE_SOURCE_DIR}/res DESTINATION ${CMAKE_INSTALL_DATADIR}/flarewick)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${FW_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${FW_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/hicolor/${size}x${size}/apps/${FW_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/desktop/man/flarewick.1 ${CMAKE_SOURCE_DIR}/desktop/man/particle-check.1
              ${CMAKE_SOURCE_DIR}/desktop/man/particle-info.1 ${CMAKE_SOURCE_DIR}/desktop/man/particle-render.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# cpack -G DEB: the package's dependencies come from dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME flarewick)
set(CPACK_PACKAGE_VENDOR "The Flarewick developers")
set(CPACK_PACKAGE_CONTACT "The Flarewick developers <flarewick@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the particle effects of cocos2d-x 3")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Mesa's drivers are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri, libegl-mesa0")
include(CPack)
