# How the project's libraries are declared, and the check that keeps the
# portable ones portable.
#
# A library is blazemere_<name>; other targets link it as blazemere::<name>,
# so a name that no target answers to stops the configure step (a name with
# "::" must be a target) instead of turning into a "-l" flag or silently
# leaving a program out.
function(blazemere_add_library name)
  add_library(blazemere_${name} ${ARGN})
  add_library(blazemere::${name} ALIAS blazemere_${name})
  get_target_property(type blazemere_${name} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(blazemere_${name} INTERFACE ${PROJECT_SOURCE_DIR})
  else()
    target_include_directories(blazemere_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# Marks blazemere_<name> as portable: neither it nor anything it links may
# reach X11, OpenGL, GLUT, FLTK, SDL, libcdio or libjpeg, by library or by
# header. Checked once every target exists (blazemere_check_portable_targets).
function(blazemere_portable name)
  set_property(GLOBAL APPEND PROPERTY BLAZEMERE_PORTABLE_TARGETS blazemere_${name})
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/BlazemerePortability.cmake)

function(blazemere_check_portable_targets)
  get_property(targets GLOBAL PROPERTY BLAZEMERE_PORTABLE_TARGETS)
  foreach(target IN LISTS targets)
    blazemere_check_portable(${target})
  endforeach()
endfunction()
