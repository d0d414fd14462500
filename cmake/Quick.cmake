# The display as a Qt Quick item in a QML module. LEDDISPLAY_QUICK is AUTO (build when
# Qt 6 Quick is found and the shared Qt host is built, which LEDDISPLAY_QT builds), ON (Qt
# Quick is required) or OFF; inside another project's build it is OFF unless given, as
# LEDDISPLAY_QT is.
led_host_option(LEDDISPLAY_QUICK "Build the Qt Quick item and its QML module")

if(LEDDISPLAY_QUICK STREQUAL "ON")
  if(NOT TARGET led_qt_host)
    message(FATAL_ERROR "LEDDISPLAY_QUICK=ON needs the shared Qt host, built with LEDDISPLAY_QT")
  endif()
  find_package(Qt6 REQUIRED COMPONENTS Quick)
elseif(LEDDISPLAY_QUICK STREQUAL "AUTO")
  if(TARGET led_qt_host)
    find_package(Qt6 QUIET COMPONENTS Quick)
  endif()
elseif(NOT LEDDISPLAY_QUICK STREQUAL "OFF")
  message(FATAL_ERROR "LEDDISPLAY_QUICK must be AUTO, ON or OFF, not '${LEDDISPLAY_QUICK}'")
endif()

if(NOT LEDDISPLAY_QUICK STREQUAL "OFF" AND TARGET Qt6::Quick AND TARGET led_qt_host)
  # libleddisplay_quick, the module's backing library: the item's sources, linking the
  # shared Qt host (libleddisplay_qthost) and the control from libleddisplay, shared as
  # libleddisplay_qt is, and Qt Quick but not Qt Widgets. The module LedDisplay (qmldir,
  # type information, plugin) is built under qml/ in the build tree: the import path of
  # programs run from the build. The host's type information lets the type registration
  # describe the shared enumerations, which the item extends its QML type with.
  file(GLOB led_quick_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/leddisplay/quick/*.cpp
    ${PROJECT_SOURCE_DIR}/src/leddisplay/quick/*.h)
  qt_add_library(led_quick SHARED)
  set_target_properties(led_quick PROPERTIES AUTOMOC ON)
  qt_add_qml_module(led_quick URI LedDisplay VERSION 1.0 SOURCES ${led_quick_sources}
    OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/qml/LedDisplay PLUGIN_TARGET led_quickplugin
    IMPORTS QtQuick)
  set_target_properties(led_quick PROPERTIES EXPORT_NAME quick
    OUTPUT_NAME leddisplay_quick VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR} INSTALL_RPATH "$ORIGIN")
  target_compile_features(led_quick PUBLIC cxx_std_20)
  target_include_directories(led_quick PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<INSTALL_INTERFACE:include>)
  # Qt's generated type registration includes the item's header by its file name.
  target_include_directories(led_quick PRIVATE ${PROJECT_SOURCE_DIR}/src/leddisplay/quick)
  target_sources(led_quick PRIVATE ${LED_QT_HOST_METATYPES})
  add_dependencies(led_quick led_qt_host)
  target_link_libraries(led_quick PUBLIC Qt6::Quick led_qt_hostlib leddisplay)
  led_warnings(led_quick)
  add_library(leddisplay::quick ALIAS led_quick)
  if(LEDDISPLAY_EXAMPLES)
    add_subdirectory(examples/quick)
  endif()
endif()

if(TARGET led_quick AND LEDDISPLAY_INSTALL)
  # The backing library and its header for find_package(leddisplay COMPONENTS Quick),
  # and the module (qmldir, type information, plugin) under <libdir>/qml/LedDisplay:
  # a program's QML engine finds it with <libdir>/qml on its import path, which the
  # package gives as leddisplay_QML_IMPORT_DIR (cmake/Install.cmake).
  include(GNUInstallDirs)
  set(LEDDISPLAY_QML_IMPORT_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/qml)
  set(LEDDISPLAY_QML_INSTALL_DIR ${LEDDISPLAY_QML_IMPORT_INSTALL_DIR}/LedDisplay)
  install(FILES src/leddisplay/quick/LEDDisplayItem.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/leddisplay/quick)
  install(FILES src/leddisplay/quick/LEDDisplayKeyEvent.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/leddisplay/quick)
  install(TARGETS led_quick EXPORT leddisplayQuickTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT leddisplayQuickTargets NAMESPACE leddisplay::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
  # The plugin finds libleddisplay_quick in <libdir>, two folders up.
  set_target_properties(led_quickplugin PROPERTIES INSTALL_RPATH "$ORIGIN/../..")
  install(TARGETS led_quickplugin LIBRARY DESTINATION ${LEDDISPLAY_QML_INSTALL_DIR})
  install(FILES ${PROJECT_BINARY_DIR}/qml/LedDisplay/qmldir
    ${PROJECT_BINARY_DIR}/qml/LedDisplay/led_quick.qmltypes
    DESTINATION ${LEDDISPLAY_QML_INSTALL_DIR})
endif()
