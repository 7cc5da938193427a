# Which backend of each platform service is built. The cores never ask:
# only the CMake files of platform/ and of the programs' shells do.
if(WIN32)
  set(_default_platform win32)
else()
  set(_default_platform x11)
endif()
set(BLAZEMERE_PLATFORM ${_default_platform} CACHE STRING "Platform whose backends are built (x11)")
set_property(CACHE BLAZEMERE_PLATFORM PROPERTY STRINGS x11)

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
else()
  message(FATAL_ERROR "No backends are written for BLAZEMERE_PLATFORM=${BLAZEMERE_PLATFORM}; "
                      "see docs/architecture.md for where they go.")
endif()
