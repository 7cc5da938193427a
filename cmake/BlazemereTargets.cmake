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

# A program that runs while building to write sources (the built-in
# pictures). It must run on the build machine: a cross build (Windows
# programs built on Linux) takes it from a native build of the generators,
# whose export file BLAZEMERE_GENERATORS names (tools/build-windows.sh makes
# both), and `name` then stands for that imported program. Either way
# `COMMAND name` and `DEPENDS name` run and track the right program.
#   blazemere_generator(name SOURCES files... [LINK libraries...])
function(blazemere_generator name)
  cmake_parse_arguments(arg "" "" "SOURCES;LINK" ${ARGN})
  if(CMAKE_CROSSCOMPILING)
    if(NOT TARGET ${name})
      message(FATAL_ERROR "The generator ${name} is not in BLAZEMERE_GENERATORS "
                          "(${BLAZEMERE_GENERATORS}); build the generators natively first")
    endif()
    return()
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINK})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/generators)
  set_property(GLOBAL APPEND PROPERTY BLAZEMERE_GENERATOR_TARGETS ${name})
endfunction()

# The native side: writes the file a cross build reads its generators from.
function(blazemere_export_generators)
  if(CMAKE_CROSSCOMPILING)
    return()
  endif()
  get_property(generators GLOBAL PROPERTY BLAZEMERE_GENERATOR_TARGETS)
  export(TARGETS ${generators} FILE ${CMAKE_BINARY_DIR}/BlazemereGenerators.cmake)
  add_custom_target(blazemere_generators DEPENDS ${generators})
endfunction()

# The cross side: the generators a native build made.
function(blazemere_import_generators)
  if(NOT CMAKE_CROSSCOMPILING)
    return()
  endif()
  if(NOT BLAZEMERE_GENERATORS OR NOT EXISTS "${BLAZEMERE_GENERATORS}")
    message(FATAL_ERROR "A cross build needs -DBLAZEMERE_GENERATORS=<native build>/BlazemereGenerators.cmake "
                        "(tools/build-windows.sh builds the generators and passes it)")
  endif()
  include("${BLAZEMERE_GENERATORS}")
endfunction()
