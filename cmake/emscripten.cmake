# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The calculation and the window in a browser: the same C++ compiled to
# WebAssembly by Debian's emscripten. The tests run under Node, which
# emscripten's own toolchain names as the emulator.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# emcc runs its JavaScript tools (acorn's optimizer) with Node, which finds
# Debian's JavaScript modules without being told only when it is Debian's
# own build: told here, when configuring and when building.
set(ENV{NODE_PATH} /usr/share/nodejs)
set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
# Errors travel as exceptions; emscripten compiles catch blocks only when
# asked, else a throw aborts.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
# Every program one file with its WebAssembly inlined (Node from 18 on
# cannot load it otherwise), which ends with the exit code of main, as a
# test must. The page sets its own.
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-fexceptions -sSINGLE_FILE=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1")
