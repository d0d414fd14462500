# led_host_option(NAME DOC): a host's build switch, a cache string AUTO (build when its
# toolkit is found), ON (the toolkit is required) or OFF. Inside another project's build
# it is OFF unless given, so including us builds the library alone.
function(led_host_option name doc)
  if(LEDDISPLAY_TOP_LEVEL)
    set(default AUTO)
  else()
    set(default OFF)
  endif()
  set(${name} ${default} CACHE STRING "${doc}: AUTO, ON or OFF")
  set_property(CACHE ${name} PROPERTY STRINGS AUTO ON OFF)
endfunction()
