# Build switches shared by every target: warnings, sanitizers, fuzzing.
option(BLAZEMERE_WERROR "Treat compiler warnings as errors" OFF)
option(BLAZEMERE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(BLAZEMERE_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(BLAZEMERE_BUILD_TESTS "Build the tests" ON)
option(BLAZEMERE_BUILD_BENCHMARKS "Build the benchmarks" ON)
option(BLAZEMERE_GENERATORS_ONLY "Build only the picture generators, for a cross build to run" OFF)
set(BLAZEMERE_GENERATORS "" CACHE FILEPATH
    "Cross builds: the BlazemereGenerators.cmake of a native BLAZEMERE_GENERATORS_ONLY build")

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# GCC 12 at -O3 sees overlapping and out-of-bounds copies inside std::string
# that are not there (its bug 105651, fixed in GCC 13): Release builds take
# -O2 there, as the default RelWithDebInfo builds do.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
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

