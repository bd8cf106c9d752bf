# Installing Zephlo on a Linux desktop and building its .deb.
# `cmake --install build [--prefix DIR]` puts the programs, the desktop entry,
# the icon and the MIME type for *.tie files in place; `cpack -G DEB` in the
# build folder makes the package.
include(GNUInstallDirs)

set(ZEPHLO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ZEPHLO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zephlo) # Debian's place, in lower case

install(TARGETS zephlo-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET zephlo)
  install(TARGETS zephlo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${ZEPHLO_PACKAGING_DIR}/zephlo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ZEPHLO_PACKAGING_DIR}/zephlo.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The desktop's file manager learns that *.tie is a mission and opens it
  # with the editor. Debian's shared-mime-info and desktop-file-utils pick
  # both files up through their own triggers.
  install(FILES ${ZEPHLO_PACKAGING_DIR}/zephlo-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zephlo.xml)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/json.md
        DESTINATION ${ZEPHLO_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${ZEPHLO_DOC_DIR}
        RENAME copyright)

set(CPACK_PACKAGE_NAME zephlo)
set(CPACK_PACKAGE_VENDOR "The Zephlo developers")
set(CPACK_PACKAGE_CONTACT "The Zephlo developers <zephlo@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mission editor for X-Wing Alliance")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Zephlo opens, edits, checks and saves X-Wing Alliance mission files (.tie).\n"
       "zephlo-tool checks, describes, exports and imports missions from scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link (Qt 6, the C++ runtime) as dpkg-shlibdeps
# finds them; the rest by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
