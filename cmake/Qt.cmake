# The Qt 6 widget (led_qt), its Designer plugin and its example. LEDDISPLAY_QT is AUTO
# (build when Qt 6 Widgets is found), ON (Qt 6 is required) or OFF.
set(LEDDISPLAY_QT AUTO CACHE STRING "Build the Qt 6 widget: AUTO, ON or OFF")
set_property(CACHE LEDDISPLAY_QT PROPERTY STRINGS AUTO ON OFF)

if(LEDDISPLAY_QT STREQUAL "ON")
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
elseif(LEDDISPLAY_QT STREQUAL "AUTO")
  find_package(Qt6 QUIET COMPONENTS Widgets)
elseif(NOT LEDDISPLAY_QT STREQUAL "OFF")
  message(FATAL_ERROR "LEDDISPLAY_QT must be AUTO, ON or OFF, not '${LEDDISPLAY_QT}'")
endif()

if(NOT LEDDISPLAY_QT STREQUAL "OFF" AND TARGET Qt6::Widgets)
  file(GLOB led_qt_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/leddisplay/qt/*.cpp
    ${PROJECT_SOURCE_DIR}/src/leddisplay/qt/*.h)
  add_library(led_qt STATIC ${led_qt_sources})
  set_target_properties(led_qt PROPERTIES AUTOMOC ON POSITION_INDEPENDENT_CODE ON EXPORT_NAME qt)
  target_compile_features(led_qt PUBLIC cxx_std_20)
  target_include_directories(led_qt PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<INSTALL_INTERFACE:include>)
  # In our build the widget links the folders it uses (the control, the raster and io
  # rooms: no FreeType, no fontconfig); installed, it links the one library.
  target_link_libraries(led_qt
    PUBLIC Qt6::Widgets $<BUILD_INTERFACE:led_control>
           $<INSTALL_INTERFACE:leddisplay::leddisplay>
    PRIVATE $<BUILD_INTERFACE:led_platform_raster> $<BUILD_INTERFACE:led_platform_io>)
  led_warnings(led_qt)
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
    install(FILES src/leddisplay/qt/LEDDisplayWidget.h
      DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/leddisplay/qt)
    install(TARGETS led_qt EXPORT leddisplayQtTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
    install(EXPORT leddisplayQtTargets NAMESPACE leddisplay::
      DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
  endif()
endif()
