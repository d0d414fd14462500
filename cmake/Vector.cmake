# SVG and PDF output through Cairo (led_platform_cairo): the vector form and its files.
# LEDDISPLAY_VECTOR is AUTO (build when Cairo is found), ON (Cairo is required) or OFF;
# inside another project's build it is OFF unless given, as LEDDISPLAY_QT is. The shapes
# themselves (platform/vector) need no Cairo and are always built.
led_host_option(LEDDISPLAY_VECTOR "Build SVG and PDF output through Cairo")

set(_led_cairo_modules cairo cairo-svg cairo-pdf cairo-ft)
if(LEDDISPLAY_VECTOR STREQUAL "ON")
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET ${_led_cairo_modules})
elseif(LEDDISPLAY_VECTOR STREQUAL "AUTO")
  pkg_check_modules(CAIRO QUIET IMPORTED_TARGET ${_led_cairo_modules})
elseif(NOT LEDDISPLAY_VECTOR STREQUAL "OFF")
  message(FATAL_ERROR "LEDDISPLAY_VECTOR must be AUTO, ON or OFF, not '${LEDDISPLAY_VECTOR}'")
endif()

if(NOT LEDDISPLAY_VECTOR STREQUAL "OFF" AND TARGET PkgConfig::CAIRO)
  led_library(led_platform_cairo platform/cairo)
  target_link_libraries(led_platform_cairo PUBLIC led_platform_form led_platform_vector
    PRIVATE PkgConfig::CAIRO PkgConfig::FONTCONFIG)
  target_link_libraries(led_platform INTERFACE led_platform_cairo)
endif()
