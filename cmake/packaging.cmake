# Installing Zephlo on a Linux desktop and building its .deb.
# `cmake --install build [--prefix DIR]` puts the programs, their manual
# pages, the shell completion, the desktop entry, the AppStream metainfo, the
# icon and the MIME type for *.tie files in place; `cpack -G DEB` in the
# build folder makes the package.
include(GNUInstallDirs)

set(ZEPHLO_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(ZEPHLO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zephlo) # Debian's place, in lower case
set(ZEPHLO_PACKAGE_MAINTAINER "The Zephlo developers <zephlo@example.org>"
    CACHE STRING "The maintainer the .deb and its changelog name: 'Name <address>'")
set(ZEPHLO_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions
    CACHE STRING "Where zsh finds completion functions (site-functions outside Debian)")
# The release's date (SOURCE_DATE_EPOCH when set, for reproducible builds).
string(TIMESTAMP ZEPHLO_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP ZEPHLO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

install(TARGETS zephlo-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZEPHLO_PACKAGING_DIR}/completions/zephlo-tool.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME zephlo-tool)
install(FILES ${ZEPHLO_PACKAGING_DIR}/completions/_zephlo-tool
        DESTINATION ${ZEPHLO_ZSH_COMPLETION_DIR})
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
  configure_file(${ZEPHLO_PACKAGING_DIR}/zephlo.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/org.zephlo.zephlo.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/org.zephlo.zephlo.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Manual pages from the programs' own --help, with help2man; a
# cross-compiled program cannot be run here to ask, and a sanitized one may
# end its answer with a report. Packages come from plain builds.
find_program(ZEPHLO_HELP2MAN help2man)
if(ZEPHLO_HELP2MAN AND NOT CMAKE_CROSSCOMPILING AND NOT ZEPHLO_SANITIZE AND NOT ZEPHLO_FUZZ)
  set(man_dir ${CMAKE_BINARY_DIR}/man)
  set(man_pages ${man_dir}/zephlo-tool.1.gz)
  set(editor_args)
  if(TARGET zephlo)
    list(APPEND man_pages ${man_dir}/zephlo.1.gz)
    set(editor_args $<TARGET_FILE:zephlo>)
  endif()
  add_custom_command(
    OUTPUT ${man_pages}
    COMMAND bash ${ZEPHLO_PACKAGING_DIR}/man/make-man-pages.sh ${man_dir}
            $<TARGET_FILE:zephlo-tool> ${editor_args}
    DEPENDS zephlo-tool $<TARGET_NAME_IF_EXISTS:zephlo> ${ZEPHLO_PACKAGING_DIR}/man/make-man-pages.sh
            ${ZEPHLO_PACKAGING_DIR}/man/zephlo-tool.h2m ${ZEPHLO_PACKAGING_DIR}/man/zephlo.h2m
    COMMENT "Writing the manual pages from the programs' help")
  add_custom_target(zephlo_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(NOT CMAKE_CROSSCOMPILING AND NOT ZEPHLO_SANITIZE AND NOT ZEPHLO_FUZZ)
  message(WARNING "help2man was not found: the manual pages are not made (scripts/deps.sh installs it)")
endif()

# Debian's changelog, compressed as the policy asks, without a time stamp.
configure_file(${ZEPHLO_PACKAGING_DIR}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(zephlo_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${ZEPHLO_DOC_DIR})

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/json.md
        DESTINATION ${ZEPHLO_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${ZEPHLO_DOC_DIR}
        RENAME copyright)

# A prefix install (no DESTDIR, as a package build uses) brings the desktop's
# MIME and application databases up to date, so *.tie opens in the editor
# at once. A package leaves that to Debian's triggers.
install(CODE [[
  if("$ENV{DESTDIR}" STREQUAL "")
    foreach(update "update-mime-database;share/mime" "update-desktop-database;share/applications")
      list(GET update 0 program)
      list(GET update 1 folder)
      find_program(found_${program} ${program})
      if(found_${program} AND IS_DIRECTORY "${CMAKE_INSTALL_PREFIX}/${folder}")
        message(STATUS "Updating ${CMAKE_INSTALL_PREFIX}/${folder}")
        execute_process(COMMAND ${found_${program}} "${CMAKE_INSTALL_PREFIX}/${folder}"
                        RESULT_VARIABLE failed)
        if(failed)
          message(WARNING "${program} failed on ${CMAKE_INSTALL_PREFIX}/${folder}")
        endif()
      endif()
    endforeach()
  endif()
]])

set(CPACK_PACKAGE_NAME zephlo)
set(CPACK_PACKAGE_VENDOR "The Zephlo developers")
set(CPACK_PACKAGE_CONTACT "${ZEPHLO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZEPHLO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mission editor for X-Wing Alliance")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Zephlo opens, edits, checks and saves the mission files (.tie) of the\n"
       "space-combat game X-Wing Alliance: flight groups, messages, teams, goals\n"
       "and the animated briefing, on a map of the battlefield.\n"
       "\n"
       "zephlo-tool checks, describes, exports and imports missions from scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# An editor for a game's files, not a game: it lives in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_GENERATE_MD5SUMS ON)
# The libraries the programs link (Qt 6, the C++ runtime) as dpkg-shlibdeps
# finds them; the rest by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
