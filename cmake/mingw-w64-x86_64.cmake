# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# Only the core library and the Windows tests are built (there is no MinGW Qt);
# the tests run under Wine (see README, "The Windows build").
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_mingw x86_64-w64-mingw32)
# The POSIX thread model of the compiler, as GoogleTest needs std::mutex.
find_program(CMAKE_C_COMPILER NAMES ${_mingw}-gcc-posix ${_mingw}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${_mingw}-g++-posix ${_mingw}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The programs carry their compiler's run-time libraries, so Wine needs no
# MinGW folder on its path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Wine runs the tests CTest finds.
find_program(ZQ_WINE NAMES wine64 wine HINTS /usr/lib/wine)
if(ZQ_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZQ_WINE})
endif()
# Boost.Multiprecision is headers only, so the host's headers serve; they are
# seen through a folder that holds nothing else, since the host's /usr/include
# must never come before MinGW's own headers.
set(_zq_boost ${CMAKE_BINARY_DIR}/mingw-boost)
if(NOT EXISTS ${_zq_boost}/boost AND EXISTS /usr/include/boost)
  file(MAKE_DIRECTORY ${_zq_boost})
  file(CREATE_LINK /usr/include/boost ${_zq_boost}/boost SYMBOLIC)
endif()
set(Boost_INCLUDE_DIR ${_zq_boost} CACHE PATH "Boost headers for the cross build")
set(Boost_NO_BOOST_CMAKE ON)
