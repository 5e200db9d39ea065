# Cross build for 64-bit Windows with the mingw-w64 compilers of Debian (g++-mingw-w64-x86-64-posix).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DKLEM_WITH_GUI=OFF
# The programs are linked statically, so they run under wine (or on Windows) without any DLL of
# the compiler beside them. scripts/test-windows builds and runs the tests this way.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KLEM_MINGW_TRIPLE x86_64-w64-mingw32)
# The "posix" variants use winpthreads, which std::thread, std::mutex and friends need; the
# "win32" variants lack them.
set(CMAKE_C_COMPILER ${KLEM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KLEM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KLEM_MINGW_TRIPLE}-windres)

# Libraries and headers come from the cross environment only; programs run at build time
# (code generators) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KLEM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest runs the Windows programs under wine when it is installed.
find_program(KLEM_WINE wine)
if(KLEM_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KLEM_WINE})
endif()
