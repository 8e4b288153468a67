# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling the Windows program on Debian with mingw-w64 (the posix
# threads flavour, whose C++ library has std::thread and friends).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TENEBRIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TENEBRIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TENEBRIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TENEBRIX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TENEBRIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Windows build is kept free of warnings: any warning fails it.
set(CMAKE_CXX_FLAGS_INIT "-Werror")
# Static: the programs need no DLL beyond those Windows ships.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the Windows test programs through Wine, each run in a fresh,
# private, quiet prefix of its own (never the developer's ~/.wine). The
# script finds Wine when the tests run, so Wine may come after configuring.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
