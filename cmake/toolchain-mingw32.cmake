# Cross build for 32-bit Windows with MinGW-w64; test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

get_filename_component(ORR_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
if(DEFINED ENV{ORR_CACHE})
  set(ORR_DEPS_PREFIX "$ENV{ORR_CACHE}/mingw")
else()
  set(ORR_DEPS_PREFIX "${ORR_ROOT}/.cache/mingw")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32 "${ORR_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR "${ORR_ROOT}/cmake/wine-run.sh")
