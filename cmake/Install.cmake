# Install rules: the libraries, the public headers (an explicit list: internal headers
# stay in the source tree), the CMake package, a pkg-config file and the licence.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(LEDDISPLAY_PUBLIC_HEADERS
  Version.h
  core/Boolean.h core/Object.h core/OleColor.h core/RuntimeError.h core/SetterArguments.h
  core/TwipsExtent.h core/Variant.h
  model/ControlState.h model/EventSet.h model/Extensions.h
  host/Container.h host/Font.h host/Gdi.h host/Host.h host/Label.h host/Picture.h
  host/PropertyBag.h host/Surface.h
  control/Dispatch.h control/LEDDisplay.h control/PropertyTable.h control/TypeLibrary.h
  platform/raster/Image.h platform/raster/PlacedLabel.h platform/raster/RasterSurface.h
  platform/raster/StdFont.h platform/raster/SystemColors.h
  platform/text/TextLabel.h platform/text/TextPlacement.h
  platform/io/BitmapPicture.h platform/io/MemoryPropertyBag.h platform/io/Png.h
  platform/io/PropertyFile.h
  platform/form/Form.h platform/form/FormContainer.h platform/form/Recorder.h
  platform/vector/Drawing.h platform/vector/ShapeRecorder.h platform/vector/VectorGdi.h
  platform/vector/SnapshotFormat.h platform/vector/SurfaceShapes.h platform/vector/VectorSurface.h
  platform/vector/DrawingWalk.h
  platform/kit/DisabledLook.h platform/kit/FormHost.h platform/kit/InputConventions.h
  platform/kit/InputSequence.h platform/kit/Palette.h
  platform/kit/Placement.h platform/kit/ViewPoint.h platform/kit/FlashClock.h)
if(TARGET led_platform_cairo)
  list(APPEND LEDDISPLAY_PUBLIC_HEADERS platform/cairo/VectorFile.h platform/cairo/VectorForm.h
    platform/cairo/CairoPainter.h)
  set(LEDDISPLAY_HAS_CAIRO TRUE)
  set(LEDDISPLAY_PC_CAIRO " cairo")
else()
  set(LEDDISPLAY_HAS_CAIRO FALSE)
  set(LEDDISPLAY_PC_CAIRO "")
endif()
foreach(header ${LEDDISPLAY_PUBLIC_HEADERS})
  get_filename_component(dir ${header} DIRECTORY)
  install(FILES src/leddisplay/${header}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/leddisplay/${dir})
endforeach()

install(TARGETS leddisplay EXPORT leddisplayTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT leddisplayTargets NAMESPACE leddisplay::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
# The folder holding the QML module (cmake/Quick.cmake names it when it installs one):
# the package computes leddisplay_QML_IMPORT_DIR from its own location and this path.
if(NOT DEFINED LEDDISPLAY_QML_IMPORT_INSTALL_DIR)
  set(LEDDISPLAY_QML_IMPORT_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/qml)
endif()
configure_package_config_file(cmake/leddisplayConfig.cmake.in
  ${PROJECT_BINARY_DIR}/leddisplayConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay
  PATH_VARS LEDDISPLAY_QML_IMPORT_INSTALL_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/leddisplayConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/leddisplayConfig.cmake
  ${PROJECT_BINARY_DIR}/leddisplayConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)

# The install checks compare the installed tree with this list; the Qt widget's and Qt
# Quick item's headers are installed by cmake/Qt.cmake and cmake/Quick.cmake when built.
set(_led_checked_headers ${LEDDISPLAY_PUBLIC_HEADERS})
if(TARGET led_qt)
  list(APPEND _led_checked_headers qt/Enums.h qt/Export.h qt/PropertyList.h qt/PaintDrawing.h qt/LEDDisplayWidget.h
    widgets/LEDDisplayWidget.h)
endif()
if(TARGET led_quick)
  list(APPEND _led_checked_headers quick/LEDDisplayItem.h)
  list(APPEND _led_checked_headers quick/LEDDisplayKeyEvent.h)
endif()
string(REPLACE ";" "\n" _led_header_lines "${_led_checked_headers}")
file(WRITE ${PROJECT_BINARY_DIR}/leddisplay-public-headers.txt "${_led_header_lines}\n")

# pkg-config: paths relative to the .pc file's own folder, so that a copy installed
# with `cmake --install --prefix` anywhere still points at itself.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}" OR IS_ABSOLUTE "${CMAKE_INSTALL_INCLUDEDIR}")
  set(LEDDISPLAY_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
  set(LEDDISPLAY_PC_LIBDIR "${CMAKE_INSTALL_FULL_LIBDIR}")
  set(LEDDISPLAY_PC_INCLUDEDIR "${CMAKE_INSTALL_FULL_INCLUDEDIR}")
else()
  file(RELATIVE_PATH _led_pc_up "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" _led_pc_up "${_led_pc_up}")
  set(LEDDISPLAY_PC_PREFIX "\${pcfiledir}/${_led_pc_up}")
  set(LEDDISPLAY_PC_LIBDIR "\${prefix}/${CMAKE_INSTALL_LIBDIR}")
  set(LEDDISPLAY_PC_INCLUDEDIR "\${prefix}/${CMAKE_INSTALL_INCLUDEDIR}")
endif()
# A static library's users link its dependencies themselves, so pkg-config names them
# for plain --libs; a shared library carries them, so they are needed with --static only.
get_target_property(_led_type leddisplay TYPE)
if(_led_type STREQUAL "SHARED_LIBRARY")
  set(LEDDISPLAY_PC_REQUIRES "Requires.private")
else()
  set(LEDDISPLAY_PC_REQUIRES "Requires")
endif()
configure_file(cmake/leddisplay.pc.in ${PROJECT_BINARY_DIR}/leddisplay.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/leddisplay.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# What `cmake --install` copies from the build: target installed_parts builds it alone
# (a partial build, such as scripts/demo's, may lack some), and the install stops at
# once, naming what to build, when a part is missing.
set(_led_installed_parts)
foreach(part leddisplay led_qt_hostlib led_qt leddisplay_designer led_quick led_quickplugin
    leddisplay_tool)
  if(TARGET ${part})
    list(APPEND _led_installed_parts ${part})
  endif()
endforeach()
add_custom_target(installed_parts)
add_dependencies(installed_parts ${_led_installed_parts})
list(TRANSFORM _led_installed_parts REPLACE "(.+)" "\"$<TARGET_FILE:\\1>\"")
string(JOIN " " _led_installed_files ${_led_installed_parts})
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/leddisplay-install-check-$<CONFIG>.cmake
  CONTENT "set(missing)
foreach(file ${_led_installed_files})
  if(NOT EXISTS \"\${file}\")
    string(APPEND missing \"\\n  \${file}\")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR \"Not built yet, so not installed:\${missing}\\nBuild them first: \"
    \"cmake --build ${PROJECT_BINARY_DIR} --target installed_parts (or the whole build).\")
endif()
")
