# The platform of the Windows build: the real Windows headers and import libraries (mingw-w64's,
# or the Windows SDK's). Defines the targets the stand-in defines on other hosts: platform (the
# libraries the system's code links) and platform_entry (nothing: Windows calls WinMain itself).
#
# The D3DX functions the programs call come from our own D3DX (port/src/d3dx), which reaches
# Direct3D through its public interfaces only, so the programs import nothing that Windows does not
# ship. USE_D3DX9_DLL links the D3DX 9 runtime, d3dx9_43.dll, instead (its import library is d3dx9
# in mingw-w64, the DirectX SDK of June 2010 and the D3DX NuGet package alike); that runtime is not
# part of Windows.
option(USE_D3DX9_DLL "Link the D3DX 9 runtime (d3dx9_43.dll) instead of our own D3DX" OFF)

add_library(platform INTERFACE)
target_link_libraries(platform INTERFACE d3d9 user32 gdi32 kernel32)
if(USE_D3DX9_DLL)
    target_link_libraries(platform INTERFACE d3dx9)
else()
    add_subdirectory(port/src/d3dx)
    target_link_libraries(platform INTERFACE d3dx)
endif()
add_library(platform_entry INTERFACE)

# mingw-w64's msvcrt import library lists only what Windows XP's runtime had. An import library
# from our own list (msvcrt-vista.def) supplies the later functions the programs call.
if(MINGW)
    set(MSVCRT_VISTA_LIBRARY ${CMAKE_BINARY_DIR}/libmsvcrt-vista.a)
    add_custom_command(OUTPUT ${MSVCRT_VISTA_LIBRARY}
        COMMAND ${CMAKE_DLLTOOL} -d ${CMAKE_CURRENT_LIST_DIR}/msvcrt-vista.def
            -l ${MSVCRT_VISTA_LIBRARY}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/msvcrt-vista.def
        COMMENT "Generating the import library for msvcrt.dll's Vista functions")
    add_custom_target(msvcrt_vista DEPENDS ${MSVCRT_VISTA_LIBRARY})
    target_link_libraries(platform INTERFACE ${MSVCRT_VISTA_LIBRARY})
    add_dependencies(platform msvcrt_vista)
endif()
