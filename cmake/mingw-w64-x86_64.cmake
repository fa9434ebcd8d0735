# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Cross-builds the 64-bit Windows program on Debian or Ubuntu; its tests run
# under Wine's 64-bit loader, with a Wine prefix of its own in the build.
set(triple x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh
    ${CMAKE_BINARY_DIR}/wine)
