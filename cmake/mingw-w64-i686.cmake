# Cross build for 32-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-i686).
#
# The win32 thread variant of the compilers is used throughout: it has no winpthread runtime, so
# with libgcc and libstdc++ linked statically the programs need only system DLLs and d3dx9_43.dll.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)

set(MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

# Libraries and packages come from the mingw-w64 tree only; tools run on the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 arithmetic rounds every single-precision operation to float, as the native x86-64 build
# does; the x87 unit would keep intermediates in extended precision and drift the spin angle.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
