# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Cross-builds the 32-bit Windows program, for 32-bit Windows and for
# Windows on ARM, which emulates 32-bit x86 (float arithmetic in SSE2, see
# cross.cmake). No emulator: this machine runs no 32-bit Windows program,
# so only the checks of the files themselves run here.
set(triple i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
