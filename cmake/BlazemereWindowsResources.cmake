# The resources of a Windows program: the icon (drawn by
# host/resources/icon) and the version information, the same product for
# both programs, each with its own file name and description.
#   blazemere_windows_resources(target FILE_NAME name DESCRIPTION text)
include(BlazemereProduct)

function(blazemere_windows_resources target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(arg "" "FILE_NAME;DESCRIPTION" "" ${ARGN})
  set(icon ${CMAKE_BINARY_DIR}/host/resources/icon/Blazemere.ico)
  set(version_numbers ${BLAZEMERE_VERSION_NUMBERS})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${icon})
  add_dependencies(${target} blazemere_program_icon)
endfunction()
