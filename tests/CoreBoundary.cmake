# Fails when a core source includes a Qt, platform or geometry library header (the arrangement
# library stays behind RoomFinder in src/rooms), when the core links Qt, or when a
# Windows header is included anywhere but in the Windows program's folder (src/win32), or Qt
# there.
set(core_folders model exchange files view fill output window)
set(forbidden_includes "#include[ \t]*<Q" "#include[ \t]*<(windows|unistd|X11/|sys/)"
  "#include[ \t]*<(CGAL|boost)/")
set(windows_headers "#include[ \t]*<(windows|windowsx|commctrl|commdlg|gdiplus)[.]h>")
set(failures "")

# Appends to `failures` every line of `sources` that matches one of the `patterns`.
function(check_sources sources patterns)
  foreach(source ${sources})
    file(STRINGS "${source}" lines)
    foreach(line IN LISTS lines)
      foreach(pattern ${patterns})
        if(line MATCHES "${pattern}")
          list(APPEND failures "${source}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

foreach(folder ${core_folders})
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  check_sources("${sources}" "${forbidden_includes}")
endforeach()
file(GLOB_RECURSE everything "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(FILTER everything EXCLUDE REGEX "/win32/")
check_sources("${everything}" "${windows_headers}")
file(GLOB_RECURSE windows_sources "${SOURCE_DIR}/win32/*.h" "${SOURCE_DIR}/win32/*.cpp")
check_sources("${windows_sources}" "#include[ \t]*<Q")

file(READ "${LINKS_FILE}" links)
if(links MATCHES "Qt")
  list(APPEND failures "zf61core links ${links}")
endif()
if(failures)
  string(REPLACE ";" "\n" report "${failures}")
  message(FATAL_ERROR "The core must not depend on Qt or the platform:\n${report}")
endif()
message(STATUS "core boundary holds")
