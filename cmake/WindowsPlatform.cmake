# The platform of the Windows build: the real Windows headers and import libraries of mingw-w64.
# Defines the targets the stand-in defines on other hosts: platform (the libraries the system's
# code links) and platform_entry (nothing: Windows calls WinMain itself).

# An import library from our own list (msvcrt-vista.def) for the runtime functions that
# mingw-w64's msvcrt import library leaves out.
set(MSVCRT_VISTA_LIBRARY ${CMAKE_BINARY_DIR}/libmsvcrt-vista.a)
add_custom_command(OUTPUT ${MSVCRT_VISTA_LIBRARY}
    COMMAND ${CMAKE_DLLTOOL} -d ${CMAKE_CURRENT_LIST_DIR}/msvcrt-vista.def -l ${MSVCRT_VISTA_LIBRARY}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/msvcrt-vista.def
    COMMENT "Generating the import library for msvcrt.dll's Vista functions")
add_custom_target(msvcrt_vista DEPENDS ${MSVCRT_VISTA_LIBRARY})

add_library(platform INTERFACE)
target_link_libraries(platform INTERFACE
    d3d9 d3dx9_43 user32 gdi32 kernel32 ${MSVCRT_VISTA_LIBRARY})
add_dependencies(platform msvcrt_vista)

add_library(platform_entry INTERFACE)
