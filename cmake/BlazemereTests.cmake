# The three kinds of test, labelled by what they need, so that a run can pick
# what its machine has:
#   unit   nothing: no display, no sound; the sanitizer run takes exactly these
#   audio  real sound through SDL's disk driver, timed by the clock (which a
#          sanitizer build would only slow down)
#   x11    a display: the X server that tools/with-xvfb.sh starts
#   wine   a Windows build's tests: each runs under Wine in a private prefix
#          on a private Xvfb display (tools/with-wine.sh); unit tests there
#          are labelled "unit" too
# The target "unit_tests" builds every unit test and nothing else.
include(GoogleTest)
find_package(GTest REQUIRED)
add_custom_target(unit_tests)

# Every test file includes GoogleTest; its headers are compiled once and the
# result is reused by every test.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/test_headers.cpp CONTENT "// GoogleTest's headers, compiled once.\n")
add_library(blazemere_test_headers STATIC ${CMAKE_BINARY_DIR}/test_headers.cpp)
target_link_libraries(blazemere_test_headers PRIVATE GTest::gtest)
target_precompile_headers(blazemere_test_headers PRIVATE <gtest/gtest.h>)

function(blazemere_test_executable name)
  add_executable(${name} ${ARGN})
  target_precompile_headers(${name} REUSE_FROM blazemere_test_headers)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # With GoogleTest's headers compiled ahead, GCC 12 inlines std::string
    # differently and sees out-of-bounds copies that are not there (its
    # known false positives, gone in GCC 13).
    target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-restrict)
  endif()
endfunction()

function(blazemere_unit_test name)
  blazemere_test_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    # One Wine start for the whole program: a start per case would cost
    # more than the cases themselves.
    blazemere_wine_test(${name} LABELS unit COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/wine-program.sh
                        $<TARGET_FILE:${name}>)
  else()
    gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
  endif()
  add_dependencies(unit_tests ${name})
endfunction()

# A test of a Windows build: COMMAND runs inside tools/with-wine.sh, with
# its own Wine prefix (kept in <build>/wine/<name> between runs, cloned from
# the shared template the first time), HOME and Xvfb display, from the
# test's binary folder; WINE in its environment runs a Windows program.
#   blazemere_wine_test(name [LABELS labels...] [TIMEOUT seconds] COMMAND command args...)
# SCREEN (WIDTHxHEIGHT, 1280x1024 unless given) is the size of its display.
# In its environment BLAZEMERE_BIN_DIR is the Windows programs' folder and
# BLAZEMERE_LINUX_BIN_DIR the Linux programs' (tools/build.sh build), for
# tests that compare the two.
#   blazemere_wine_test(name [LABELS labels...] [TIMEOUT seconds] [SCREEN WxH] COMMAND command args...)
set(BLAZEMERE_LINUX_BIN_DIR "${PROJECT_SOURCE_DIR}/build/bin" CACHE PATH
    "Windows builds: the Linux programs whose output the Windows ones must match")
function(blazemere_wine_test name)
  cmake_parse_arguments(arg "" "TIMEOUT;SCREEN" "LABELS;COMMAND" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  set(screen)
  if(arg_SCREEN)
    set(screen -s ${arg_SCREEN})
  endif()
  add_test(NAME ${name}
           COMMAND ${PROJECT_SOURCE_DIR}/tools/with-wine.sh ${screen} ${CMAKE_BINARY_DIR}/wine/${name} ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS "wine;${arg_LABELS}" TIMEOUT ${arg_TIMEOUT}
                       ENVIRONMENT "BLAZEMERE_BIN_DIR=${CMAKE_BINARY_DIR}/bin;BLAZEMERE_LINUX_BIN_DIR=${BLAZEMERE_LINUX_BIN_DIR}")
endfunction()

# The scenario scripts of a folder: each NAME_test.sh there is the test
# NAME_test, run by bash inside tools/with-wine.sh from a scratch folder of
# its own, with the helpers of tests/windows/wine_checks.sh. A script sets
# its test's options in a comment line of its own, e.g.
#   # wine-test: SCREEN 320x240 TIMEOUT 120 LABELS slow
# Adding a scenario is adding its script; the folder is read again when a
# script comes or goes.
function(blazemere_wine_scenarios)
  file(GLOB scripts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.sh)
  foreach(script IN LISTS scripts)
    get_filename_component(name ${script} NAME_WE)
    file(STRINGS ${script} options REGEX "^# wine-test: ")
    string(REGEX REPLACE "^# wine-test: " "" options "${options}")
    separate_arguments(options UNIX_COMMAND "${options}")
    blazemere_wine_test(${name} ${options} COMMAND bash ${PROJECT_SOURCE_DIR}/tests/windows/run_scenario.sh ${script})
  endforeach()
endfunction()

# A file of the source tree, as the test programs name it: under Wine the
# Unix root is drive Z:.
function(blazemere_test_data_path variable relative_path)
  if(CMAKE_CROSSCOMPILING)
    set(${variable} "Z:${PROJECT_SOURCE_DIR}/${relative_path}" PARENT_SCOPE)
  else()
    set(${variable} "${PROJECT_SOURCE_DIR}/${relative_path}" PARENT_SCOPE)
  endif()
endfunction()

function(blazemere_audio_test name)
  blazemere_test_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main blazemere::test_support)
  gtest_discover_tests(${name} PROPERTIES LABELS audio DISCOVERY_TIMEOUT 60)
endfunction()

# Windows of one test must not meet another's on the shared display, so these
# run one at a time.
function(blazemere_x11_test name)
  blazemere_test_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main blazemere::test_support)
  gtest_discover_tests(${name} PROPERTIES LABELS x11 RUN_SERIAL TRUE DISCOVERY_TIMEOUT 60
                       ENVIRONMENT "BLAZEMERE_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()
