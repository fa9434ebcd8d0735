# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The program for 64-bit ARM Linux (Phytium and Kunpeng desks: Kylin, UOS,
# openKylin, Deepin), cross-built on Debian by multiarch: the arm64
# libraries, Qt's among them, installed beside the machine's own in
# /usr/lib/aarch64-linux-gnu, and Qt's build tools (moc) the machine's.
# Its tests run under qemu-aarch64-static, which finds the arm64 loader and
# libraries where multiarch put them.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(triple aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${triple})
# Only the target's libraries and packages; programs from the machine.
set(CMAKE_FIND_ROOT_PATH /usr/lib/${triple} /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Qt's tools run on this machine: the Qt of this machine's architecture.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)
