# The portability check: a portable target must not link, directly or through
# any library it links, a desktop or media library, and none of its sources
# may include such a library's header, directly or through the project's own
# headers. Used at configure time by blazemere_check_portable_targets and by
# the test in tests/portability.

# Link items no portable target may reach: imported targets and plain names,
# the desktop's Win32 libraries among them (the portable services' Win32
# backends use kernel32, shell32 and ole32 only).
string(CONCAT BLAZEMERE_FORBIDDEN_LINKS
  "^(X11::|OpenGL::|GLUT::|FreeGLUT::|JPEG::|FLTK::|SDL2|PkgConfig::)"
  "|(^|[/-])(X11|Xfixes|Xrandr|GL|GLU|glut|fltk|SDL2|SDL2_mixer|cdio|cdio_cdda|cdio_paranoia|jpeg)($|[.])"
  "|^(user32|gdi32|comdlg32|winmm|opengl32|glu32|freeglut|freeglut_static)$"
  "|lib(X11|Xfixes|Xrandr|GL|GLU|glut|fltk|SDL2|SDL2_mixer|cdio|jpeg)[.-]")
# Headers of those libraries.
set(BLAZEMERE_FORBIDDEN_HEADERS "^(X11/|GL/|FL/|SDL|cdio/|jpeglib\\.h|jerror\\.h|commdlg\\.h|mmsystem\\.h)")

# Fails with a message when `file` or a project header it includes (quoted,
# found below `root` or beside the including file) includes a forbidden
# header. `what` names the target in the message.
function(blazemere_scan_includes what root)
  set(pending ${ARGN})
  set(seen "")
  while(pending)
    list(POP_FRONT pending file)
    if(file IN_LIST seen OR NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
      continue()
    endif()
    list(APPEND seen "${file}")
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    get_filename_component(here "${file}" DIRECTORY)
    foreach(line IN LISTS lines)
      if(line MATCHES "include[ \t]*<([^>]+)>")
        if(CMAKE_MATCH_1 MATCHES "${BLAZEMERE_FORBIDDEN_HEADERS}")
          message(FATAL_ERROR "${what} is portable, but ${file} includes <${CMAKE_MATCH_1}>")
        endif()
      elseif(line MATCHES "include[ \t]*\"([^\"]+)\"")
        set(name "${CMAKE_MATCH_1}")
        if(EXISTS "${root}/${name}")
          list(APPEND pending "${root}/${name}")
        elseif(EXISTS "${here}/${name}")
          list(APPEND pending "${here}/${name}")
        endif()
      endif()
    endforeach()
  endwhile()
endfunction()

# Walks everything `target` links and scans the sources of every project
# target on the way.
function(blazemere_check_portable target)
  set(pending ${target})
  set(seen "")
  while(pending)
    list(POP_FRONT pending item)
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
    if(item STREQUAL "" OR item IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${item}")
    if(item MATCHES "${BLAZEMERE_FORBIDDEN_LINKS}")
      message(FATAL_ERROR "${target} is portable, but it reaches ${item} (through ${seen})")
    endif()
    if(NOT TARGET "${item}")
      continue()
    endif()
    get_target_property(aliased "${item}" ALIASED_TARGET)
    if(aliased)
      list(APPEND pending "${aliased}")
      continue()
    endif()
    get_target_property(type "${item}" TYPE)
    get_target_property(imported "${item}" IMPORTED)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct "${item}" LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface "${item}" INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    list(APPEND pending ${links})
    if(NOT imported)
      get_target_property(dir "${item}" SOURCE_DIR)
      get_target_property(sources "${item}" SOURCES)
      if(type STREQUAL "INTERFACE_LIBRARY")
        get_target_property(sources "${item}" INTERFACE_SOURCES)
      endif()
      set(files "")
      foreach(source IN LISTS sources)
        if(source MATCHES "^\\$<")
          continue()
        endif()
        if(NOT IS_ABSOLUTE "${source}")
          set(source "${dir}/${source}")
        endif()
        list(APPEND files "${source}")
      endforeach()
      blazemere_scan_includes("${target}" "${PROJECT_SOURCE_DIR}" ${files})
    endif()
  endwhile()
endfunction()
