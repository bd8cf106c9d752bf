# `cmake --install` on Windows puts Qt's DLLs and plugins and the compiler's
# runtime beside the installed programs (Qt's windeployqt), so the install
# folder runs on a machine without Qt. Included after the programs' own
# install rules, which must have run first.
if(TARGET Qt6::windeployqt)
  set(ZEPHLO_WINDEPLOYQT "$<TARGET_FILE:Qt6::windeployqt>")
else()
  find_program(ZEPHLO_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
  if(NOT ZEPHLO_WINDEPLOYQT)
    message(FATAL_ERROR "windeployqt was not found beside Qt: use a Qt from Qt's own installer")
  endif()
endif()

install(CODE "
  set(zephlo_bin \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  execute_process(
    COMMAND \"${ZEPHLO_WINDEPLOYQT}\" --no-translations
            \"\${zephlo_bin}/$<TARGET_FILE_NAME:zephlo>\"
            \"\${zephlo_bin}/$<TARGET_FILE_NAME:zephlo-tool>\"
    COMMAND_ERROR_IS_FATAL ANY)
")
