# Cross build for Windows with Debian's mingw-w64, included by the toolchain file of each target
# (mingw-w64-x86_64.cmake, mingw-w64-i686.cmake), which sets MINGW_PREFIX and the processor first.
#
# The win32 thread variant of the compilers is used throughout: it has no winpthread runtime, so
# with libgcc and libstdc++ linked statically the programs need only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)

# Libraries and packages come from the mingw-w64 tree only; tools run on the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
