# The API reference over the installed headers, when Doxygen is found:
# `cmake --build build --target docs` writes build/docs/html/index.html.
find_package(Doxygen QUIET)
if(DOXYGEN_FOUND)
  set(_led_docs_headers ${LEDDISPLAY_PUBLIC_HEADERS})
  if(TARGET led_qt)
    list(APPEND _led_docs_headers qt/Enums.h qt/Export.h qt/PropertyList.h qt/PaintDrawing.h widgets/LEDDisplayWidget.h)
  endif()
  if(TARGET led_quick)
    list(APPEND _led_docs_headers quick/LEDDisplayItem.h)
  list(APPEND _led_docs_headers quick/LEDDisplayKeyEvent.h)
  endif()
  list(TRANSFORM _led_docs_headers PREPEND ${PROJECT_SOURCE_DIR}/src/leddisplay/)
  string(REPLACE ";" " " LEDDISPLAY_DOCS_INPUT "${_led_docs_headers}")
  set(LEDDISPLAY_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
  configure_file(cmake/Doxyfile.in ${PROJECT_BINARY_DIR}/Doxyfile @ONLY)
  add_custom_target(docs COMMAND Doxygen::doxygen ${PROJECT_BINARY_DIR}/Doxyfile
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "API reference in ${LEDDISPLAY_DOCS_DIR}/html" VERBATIM)
endif()
