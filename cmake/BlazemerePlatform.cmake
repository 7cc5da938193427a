# Which backend of each platform service is built. The cores never ask:
# only the CMake files of platform/ and of the programs' shells do.
if(WIN32)
  set(_default_platform win32)
else()
  set(_default_platform x11)
endif()
set(BLAZEMERE_PLATFORM ${_default_platform} CACHE STRING "Platform whose backends are built (x11, win32)")
set_property(CACHE BLAZEMERE_PLATFORM PROPERTY STRINGS x11 win32)

if(BLAZEMERE_PLATFORM STREQUAL "x11")
  set(BLAZEMERE_SYSTEM_BACKEND posix)  # files, paths, processes, shell open
  set(BLAZEMERE_WINDOW_BACKEND x11)    # window lookup, cursor, pointer, caption zoom, keyboard focus
  set(BLAZEMERE_TOOLKIT_BACKEND fltk)  # message box, file chooser
  set(BLAZEMERE_AUDIO_BACKEND sdl)     # MCI command strings and PlaySound
  # The desktop libraries the backends and shells of this platform use.
  find_package(X11 REQUIRED)
  find_library(BLAZEMERE_FLTK_LIBRARY fltk REQUIRED)
  add_library(FLTK::FLTK UNKNOWN IMPORTED GLOBAL)
  set_target_properties(FLTK::FLTK PROPERTIES IMPORTED_LOCATION ${BLAZEMERE_FLTK_LIBRARY})
elseif(BLAZEMERE_PLATFORM STREQUAL "win32")
  if(NOT WIN32)
    message(FATAL_ERROR "BLAZEMERE_PLATFORM=win32 builds Windows programs: configure with "
                        "-DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake (tools/build-windows.sh does)")
  endif()
  # Every family is the Win32 API itself: the services are the real ones.
  set(BLAZEMERE_SYSTEM_BACKEND win32)
  set(BLAZEMERE_WINDOW_BACKEND win32)
  set(BLAZEMERE_TOOLKIT_BACKEND win32)
  set(BLAZEMERE_AUDIO_BACKEND win32)
  # Unicode entry points throughout; the W calls take our UTF-8 converted.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # GLUT for the renderer: freeglut, linked statically (tools/windows/third-party.sh builds it).
  find_package(FreeGLUT CONFIG REQUIRED)
  add_library(GLUT::GLUT INTERFACE IMPORTED GLOBAL)
  target_link_libraries(GLUT::GLUT INTERFACE FreeGLUT::freeglut_static)  # brings FREEGLUT_STATIC
else()
  message(FATAL_ERROR "No backends are written for BLAZEMERE_PLATFORM=${BLAZEMERE_PLATFORM}; "
                      "see docs/architecture.md for where they go.")
endif()
