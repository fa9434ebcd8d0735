#pragma once

// Shared by the program's resources (vellacor.rc) and its code.
#define IDI_VELLACOR 1
