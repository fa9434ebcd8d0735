// SPDX-FileCopyrightText: 2026 The Vellacor developers
// SPDX-License-Identifier: MIT

#pragma once

// Shared by the program's resources (vellacor.rc) and its code.
#define IDI_VELLACOR 1
