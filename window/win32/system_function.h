// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <type_traits>

namespace window {

// Whether a function pointer type calls as Windows' own functions do. On
// x86-64 there is one convention and every pointer passes; on 32-bit x86 a
// pointer without WINAPI would call with the wrong one and corrupt the
// stack, and the build fails instead.
template <typename Function>
struct IsWinApi : std::false_type {};
template <typename Result, typename... Arguments>
struct IsWinApi<Result(WINAPI*)(Arguments...)> : std::true_type {};

// A function of a system DLL that the program already has loaded, or
// nullptr where this Windows is too old to have it: the program imports
// only what XP has, and looks newer functions up at run time. The detour
// through void (*)() is the one cast of a FARPROC that compilers accept.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
  static_assert(IsWinApi<Function>::value, "a function fetched from Windows must be WINAPI");
  const HMODULE module = GetModuleHandleW(dll);
  if (module == nullptr) return nullptr;
  const FARPROC found = GetProcAddress(module, name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace window
