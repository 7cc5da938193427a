# The four kinds of test, labelled by what they need, so that a run can pick
# what its machine has:
#   unit     nothing: no display, no sound; the sanitizer run takes exactly these
#   audio    real sound through SDL's disk driver, timed by the clock (which a
#            sanitizer build would only slow down)
#   x11      a display: the X server that tools/with-xvfb.sh starts
#   install  the whole build, installed into a scratch prefix, and the
#            validators of the desktop's files (tests/packaging)
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
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
  add_dependencies(unit_tests ${name})
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
