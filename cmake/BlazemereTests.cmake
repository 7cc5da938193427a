# The three kinds of test, labelled by what they need, so that a run can pick
# what its machine has:
#   unit   nothing: no display, no sound; the sanitizer run takes exactly these
#   audio  real sound through SDL's disk driver, timed by the clock (which a
#          sanitizer build would only slow down)
#   x11    a display: the X server that tools/with-xvfb.sh starts
# The target "unit_tests" builds every unit test and nothing else.
include(GoogleTest)
find_package(GTest REQUIRED)
add_custom_target(unit_tests)

function(blazemere_unit_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES LABELS unit DISCOVERY_TIMEOUT 60)
  add_dependencies(unit_tests ${name})
endfunction()

function(blazemere_audio_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main blazemere::test_support)
  gtest_discover_tests(${name} PROPERTIES LABELS audio DISCOVERY_TIMEOUT 60)
endfunction()

# Windows of one test must not meet another's on the shared display, so these
# run one at a time.
function(blazemere_x11_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main blazemere::test_support)
  gtest_discover_tests(${name} PROPERTIES LABELS x11 RUN_SERIAL TRUE DISCOVERY_TIMEOUT 60
                       ENVIRONMENT "BLAZEMERE_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()
