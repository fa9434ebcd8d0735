// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

namespace window {

// From here on, a DLL that the program or Windows loads by its bare name
// comes from the system's own folder, never from the program's: a lab
// runs Vellacor from a USB stick or a network share, where anyone who
// can write beside vellacor.exe could plant a DLL that would run as every
// user who starts it. Called first thing, before anything loads a DLL.
// XP SP1 and later take the program's folder out of the search; Windows 8
// and later (7 with KB2533623) search the system folder alone.
void LoadDllsFromSystemOnly();

}  // namespace window
