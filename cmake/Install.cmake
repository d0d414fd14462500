# Install rules: the libraries, the public headers (an explicit list: internal headers
# stay in the source tree), the CMake package and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(LEDDISPLAY_PUBLIC_HEADERS
  Version.h
  core/Boolean.h core/Object.h core/OleColor.h core/RuntimeError.h core/Variant.h
  model/ControlState.h model/EventSet.h
  host/Container.h host/Font.h host/Gdi.h host/Host.h host/Label.h host/Picture.h
  host/PropertyBag.h host/Surface.h
  control/Dispatch.h control/LEDDisplay.h control/PropertyTable.h control/TypeLibrary.h
  platform/BitmapPicture.h platform/Form.h platform/FormContainer.h platform/Image.h
  platform/MemoryPropertyBag.h platform/Png.h platform/PropertyFile.h
  platform/RasterSurface.h platform/Recorder.h platform/StdFont.h
  platform/SystemColors.h platform/TextLabel.h)
foreach(header ${LEDDISPLAY_PUBLIC_HEADERS})
  get_filename_component(dir ${header} DIRECTORY)
  install(FILES src/leddisplay/${header}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/leddisplay/${dir})
endforeach()

install(TARGETS led_core led_model led_host led_render led_control led_platform leddisplay
  EXPORT leddisplayTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT leddisplayTargets NAMESPACE leddisplay::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
configure_package_config_file(cmake/leddisplayConfig.cmake.in
  ${PROJECT_BINARY_DIR}/leddisplayConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/leddisplayConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/leddisplayConfig.cmake
  ${PROJECT_BINARY_DIR}/leddisplayConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/leddisplay)
