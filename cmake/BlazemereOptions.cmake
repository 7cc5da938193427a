# Build switches shared by every target: warnings, sanitizers, fuzzing.
option(BLAZEMERE_WERROR "Treat compiler warnings as errors" OFF)
option(BLAZEMERE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(BLAZEMERE_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(BLAZEMERE_BUILD_TESTS "Build the tests" ON)
option(BLAZEMERE_BUILD_BENCHMARKS "Build the benchmarks" ON)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wno-missing-field-initializers)
if(BLAZEMERE_WERROR)
  add_compile_options(-Werror)
endif()

if(BLAZEMERE_SANITIZE OR BLAZEMERE_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(BLAZEMERE_FUZZ)
  # Coverage feedback for the libraries the fuzz targets link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

