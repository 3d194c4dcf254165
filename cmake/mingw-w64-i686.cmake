# Cross build for 32-bit Windows with Debian's mingw-w64 (package g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# SSE2 arithmetic rounds every single-precision operation to float, as the x86-64 builds do; the
# x87 unit would keep intermediates in extended precision and drift the spin angle.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
