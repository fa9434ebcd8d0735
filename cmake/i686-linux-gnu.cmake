# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The calculation and the press logic built as a static 32-bit x86 Linux
# program, with the 32-bit Windows build's float flags, and tested under
# qemu-i386-static (no binfmt needed for a static program): the digits under
# the 32-bit ABI and instruction set, which this machine cannot run natively.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triple i686-linux-gnu)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static)
