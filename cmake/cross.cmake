# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# What every cross build shares: libraries, headers and packages from the
# target's own folder, /usr/${triple}; programs from the build machine. The
# toolchain file that includes this names ${triple} first.
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# 32-bit x86 computes floats in SSE2, as x86-64 does: the x87 unit keeps
# intermediates wider than binary32, and the digits would differ. One place
# for the flags, so that the 32-bit Windows program and the 32-bit tests
# under qemu compute alike.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|i686)$")
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()
