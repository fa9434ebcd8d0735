# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Every program hardened as the platform's own packagers harden theirs.
#
# Linux: what Debian 13's dpkg-buildflags gives under hardening=+all, for
# every Linux build (Qt 6 and Qt 5, amd64, arm64 and i686, make run's):
# the stack protector and stack-clash protection, fortified libc calls, the
# format checks, control-flow protection (CET on x86, BTI and PAC on arm64),
# PIE, read-only relocations and immediate binding. GCC 10, in the Qt 5
# chroot, knows every flag. Fortifying needs optimisation, so a Debug build
# goes without it; under the sanitizers it goes too, since AddressSanitizer
# checks those calls itself and the fortified wrappers would hide them from
# it.
#
# Windows: the stack protector, its guard from libssp linked in like the
# rest of the runtime (the XP import check keeps its imports within XP's).
# ASLR, high-entropy ASLR on 64-bit and DEP are the linker's defaults, and
# the program check holds the programs to them. The page, WebAssembly, has
# no stack to smash and no addresses to hide.
if(EMSCRIPTEN OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  return()
endif()

if(MINGW)
  add_compile_options(-fstack-protector-strong)
  add_link_options(-fstack-protector-strong)
  return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_compile_options(-fstack-protector-strong -fstack-clash-protection
  -Wformat -Werror=format-security)
if(NOT VELLACOR_SANITIZE AND NOT VELLACOR_FUZZ)
  add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
  add_compile_options(-fcf-protection)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
  add_compile_options(-mbranch-protection=standard)
endif()
add_link_options(-Wl,-z,relro -Wl,-z,now)
