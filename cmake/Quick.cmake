# The display as a Qt Quick item in a QML module. LEDDISPLAY_QUICK is AUTO (build when
# Qt 6 Quick is found and the widget is built), ON (Qt Quick is required) or OFF; inside
# another project's build it is OFF unless given, as LEDDISPLAY_QT is.
if(LEDDISPLAY_TOP_LEVEL)
  set(_led_quick_default AUTO)
else()
  set(_led_quick_default OFF)
endif()
set(LEDDISPLAY_QUICK ${_led_quick_default} CACHE STRING
  "Build the Qt Quick item and its QML module: AUTO, ON or OFF")
set_property(CACHE LEDDISPLAY_QUICK PROPERTY STRINGS AUTO ON OFF)

if(LEDDISPLAY_QUICK STREQUAL "ON")
  if(NOT TARGET led_qt)
    message(FATAL_ERROR "LEDDISPLAY_QUICK=ON needs the Qt widget's host code (LEDDISPLAY_QT)")
  endif()
  find_package(Qt6 REQUIRED COMPONENTS Quick)
elseif(LEDDISPLAY_QUICK STREQUAL "AUTO")
  if(TARGET led_qt)
    find_package(Qt6 QUIET COMPONENTS Quick)
  endif()
elseif(NOT LEDDISPLAY_QUICK STREQUAL "OFF")
  message(FATAL_ERROR "LEDDISPLAY_QUICK must be AUTO, ON or OFF, not '${LEDDISPLAY_QUICK}'")
endif()
