// <windows.h> for the Win32 backend, without the macros that clash with the Platform interface.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Platform::CreateWindow and Platform::MessageBox would otherwise be renamed to their A forms.
#undef CreateWindow
#undef MessageBox
