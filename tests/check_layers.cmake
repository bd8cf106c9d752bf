# Fails when a core source includes Qt, or a render source includes Qt Widgets.
function(check_list list_file pattern what)
  if(NOT EXISTS ${list_file})
    return()
  endif()
  file(STRINGS ${list_file} sources)
  foreach(src IN LISTS sources)
    if(src STREQUAL "")
      continue()
    endif()
    if(NOT IS_ABSOLUTE ${src})
      set(src ${SRC_DIR}/${src})
    endif()
    file(STRINGS ${src} hits REGEX "${pattern}")
    if(hits)
      message(SEND_ERROR "${src} ${what}: ${hits}")
    endif()
  endforeach()
endfunction()

check_list(${LAYERS_DIR}/core_sources.txt "^[ \t]*#[ \t]*include[ \t]*[<\"]Q" "is core but includes Qt")
check_list(${LAYERS_DIR}/render_sources.txt
  "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QWidget|QDialog|QMainWindow|QApplication|QAbstract(Button|ItemView|ScrollArea))"
  "is render but includes Qt Widgets")
check_list(${LAYERS_DIR}/platform_sources.txt
  "^[ \t]*#[ \t]*include[ \t]*[<\"](QtWidgets|QtGui|QWidget|QDialog|QMainWindow|QApplication|QGuiApplication|QImage|QPainter|QColor)"
  "is a QtCore service but includes Qt Gui or Widgets")
