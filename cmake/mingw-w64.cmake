# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# What both Windows cross builds share, MinGW-w64 with the posix thread
# model (which GoogleTest and std::mutex need); the toolchain file that
# includes this names the target first:
#   set(triple ...) set(CMAKE_SYSTEM_PROCESSOR ...)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
