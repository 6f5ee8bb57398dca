# Cross-build for 64-bit Windows with mingw-w64 (Debian: g++-mingw-w64-x86-64-posix).
# The posix thread model is the one whose libstdc++ links statically without
# extra DLLs; tests and the program run under wine64 on the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest and gtest_discover_tests start the Windows executables through wine.
find_program(WINE_PROGRAMMA NAMES wine64 wine PATHS /usr/lib/wine)
if(WINE_PROGRAMMA)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_PROGRAMMA})
endif()
