# Cross-builds 64-bit Windows programs on Debian with MinGW-w64.
#
# The -posix compilers give std::thread and std::mutex (winpthreads behind
# them). Everything is linked statically, libgcc, libstdc++ and winpthread
# included, so a program needs no DLL beside it on a Windows PC.
#
# Libraries are looked for only in the MinGW sysroot and in our third-party
# prefix (tools/windows/third-party.sh builds it), never in the host's /usr.
# Set BLAZEMERE_THIRD_PARTY_PREFIX (a cache variable or the environment) to
# use a prefix other than the default build-windows/third_party/prefix.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR ${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT BLAZEMERE_THIRD_PARTY_PREFIX)
  if(DEFINED ENV{BLAZEMERE_THIRD_PARTY_PREFIX})
    set(BLAZEMERE_THIRD_PARTY_PREFIX "$ENV{BLAZEMERE_THIRD_PARTY_PREFIX}")
  else()
    get_filename_component(BLAZEMERE_THIRD_PARTY_PREFIX
      "${CMAKE_CURRENT_LIST_DIR}/../../build-windows/third_party/prefix" ABSOLUTE)
  endif()
endif()
set(BLAZEMERE_THIRD_PARTY_PREFIX "${BLAZEMERE_THIRD_PARTY_PREFIX}" CACHE PATH
  "Where the Windows builds of the third-party libraries are installed")
# try_compile() projects read this file again without our cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BLAZEMERE_THIRD_PARTY_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw} "${BLAZEMERE_THIRD_PARTY_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Prefer lib<name>.a over the import library lib<name>.dll.a.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a .lib .dll.a)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# pkg-config must not hand out the host's Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} "${BLAZEMERE_THIRD_PARTY_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
