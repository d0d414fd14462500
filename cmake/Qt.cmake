# The Qt front ends' shared host, the Qt 6 widget (led_qt), its Designer plugin and its
# example. LEDDISPLAY_QT is AUTO (build when Qt 6 Widgets is found), ON (Qt 6 is
# required) or OFF; inside another project's build it is OFF unless given, as the tests
# and tools are.
led_host_option(LEDDISPLAY_QT "Build the Qt 6 widget")

if(LEDDISPLAY_QT STREQUAL "ON")
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
elseif(LEDDISPLAY_QT STREQUAL "AUTO")
  find_package(Qt6 QUIET COMPONENTS Widgets)
elseif(NOT LEDDISPLAY_QT STREQUAL "OFF")
  message(FATAL_ERROR "LEDDISPLAY_QT must be AUTO, ON or OFF, not '${LEDDISPLAY_QT}'")
endif()

if(NOT LEDDISPLAY_QT STREQUAL "OFF" AND TARGET Qt6::Widgets)
  # The shared Qt host (src/leddisplay/qt: Qt Gui, no Qt Widgets), compiled once into
  # objects, of which libleddisplay_qthost is made: the one copy in a process, whose
  # classes and shared enumerations both front ends' libraries use (a program may show
  # the widget and the QML item together). Its type information (the shared
  # enumerations) goes to the QML module's type registration (cmake/Quick.cmake).
  file(GLOB led_qt_host_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/leddisplay/qt/*.cpp
    ${PROJECT_SOURCE_DIR}/src/leddisplay/qt/*.h)
  add_library(led_qt_host OBJECT ${led_qt_host_sources})
  set_target_properties(led_qt_host PROPERTIES AUTOMOC ON POSITION_INDEPENDENT_CODE ON)
  target_compile_features(led_qt_host PUBLIC cxx_std_20)
  target_link_libraries(led_qt_host PUBLIC Qt6::Gui led_control
    PRIVATE led_platform_raster led_platform_io led_platform_vector led_platform_kit)
  led_warnings(led_qt_host)
  qt_extract_metatypes(led_qt_host OUTPUT_FILES LED_QT_HOST_METATYPES)
  add_library(led_qt_hostlib SHARED $<TARGET_OBJECTS:led_qt_host>)
  set_target_properties(led_qt_hostlib PROPERTIES EXPORT_NAME qthost OUTPUT_NAME leddisplay_qthost
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
    INSTALL_RPATH "$ORIGIN")
  target_compile_features(led_qt_hostlib PUBLIC cxx_std_20)
  target_include_directories(led_qt_hostlib PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<INSTALL_INTERFACE:include>)
  target_link_libraries(led_qt_hostlib PUBLIC Qt6::Gui leddisplay)

  # The widget's objects (src/leddisplay/widgets), compiled as the host's are; our Qt
  # tests link both sets of objects statically, with the folders, to reach the internal
  # parts too.
  file(GLOB led_widgets_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/leddisplay/widgets/*.cpp
    ${PROJECT_SOURCE_DIR}/src/leddisplay/widgets/*.h)
  add_library(led_widgets_objects OBJECT ${led_widgets_sources})
  set_target_properties(led_widgets_objects PROPERTIES AUTOMOC ON POSITION_INDEPENDENT_CODE ON
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(led_widgets_objects PUBLIC Qt6::Widgets led_qt_host)
  led_warnings(led_widgets_objects)

  # libleddisplay_qt, shared as Qt's own libraries are, so that a program and the
  # Designer plugin it loads (through QUiLoader) share one widget class. It links the
  # control from libleddisplay, which is then shared too (CMakeLists.txt): one copy of
  # the control and its globals (the system colour table) in a process. The widget's
  # header is also found by its earlier path, leddisplay/qt/LEDDisplayWidget.h, which
  # src/compat holds.
  add_library(led_qt SHARED $<TARGET_OBJECTS:led_widgets_objects>)
  set_target_properties(led_qt PROPERTIES EXPORT_NAME qt OUTPUT_NAME leddisplay_qt
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
    INSTALL_RPATH "$ORIGIN")
  target_compile_features(led_qt PUBLIC cxx_std_20)
  target_include_directories(led_qt PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src/compat>
    $<INSTALL_INTERFACE:include>)
  target_link_libraries(led_qt PUBLIC Qt6::Widgets led_qt_hostlib leddisplay)
  add_library(leddisplay::qt ALIAS led_qt)

  find_package(Qt6 QUIET COMPONENTS UiPlugin)
  if(TARGET Qt6::UiPlugin)
    add_subdirectory(plugins/designer)
  endif()
  if(LEDDISPLAY_EXAMPLES)
    add_subdirectory(examples/qt)
  endif()

  if(LEDDISPLAY_INSTALL)
    include(GNUInstallDirs)
    # The shared host's public headers serve both front ends.
    install(FILES src/leddisplay/qt/Enums.h src/leddisplay/qt/Export.h src/leddisplay/qt/PropertyList.h
      src/leddisplay/qt/PaintDrawing.h
      src/compat/leddisplay/qt/LEDDisplayWidget.h
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/leddisplay/qt)
    install(FILES src/leddisplay/widgets/LEDDisplayWidget.h
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/leddisplay/widgets)
    install(TARGETS led_qt_hostlib EXPORT leddisplayQtHostTargets
      LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT leddisplayQtHostTargets NAMESPACE leddisplay::
      DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
    install(TARGETS led_qt EXPORT leddisplayQtTargets
      LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT leddisplayQtTargets NAMESPACE leddisplay::
      DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
  endif()
endif()
