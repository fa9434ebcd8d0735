# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# What both Windows cross builds share: MinGW-w64 with the win32 thread
# model. The program uses no threads; the posix model would link in
# winpthreads, which imports GetTickCount64 and so keeps the program from
# starting on Windows XP. The runtime's own locks are then Windows' critical
# sections, which every Windows has. (GCC 12 of this model has no
# std::thread or std::mutex.) The toolchain file that includes this names
# the target first:
#   set(triple ...) set(CMAKE_SYSTEM_PROCESSOR ...)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${triple}-gcc-win32)
set(CMAKE_CXX_COMPILER ${triple}-g++-win32)
set(CMAKE_RC_COMPILER ${triple}-windres)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
