# Configures the fixture once per case: the clean one must pass, every other
# one must stop the configure step with the check's message.
# Usage: cmake -DBLAZEMERE_CMAKE_DIR=<cmake folder> -DWORK=<scratch> -P portability_check.cmake
set(cases clean links_x11 links_x11_through_a_library links_fltk_by_path links_user32 includes_x11
    includes_x11_through_a_header)
set(failures "")
foreach(case IN LISTS cases)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/fixture -B ${WORK}/${case}
            -DCASE=${case} -DBLAZEMERE_CMAKE_DIR=${BLAZEMERE_CMAKE_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(case STREQUAL "clean")
    if(NOT status EQUAL 0)
      list(APPEND failures "${case}: refused\n${output}")
    endif()
  elseif(status EQUAL 0 OR NOT output MATCHES "is portable, but")
    list(APPEND failures "${case}: not refused\n${output}")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "the portability check refuses exactly what it must")
