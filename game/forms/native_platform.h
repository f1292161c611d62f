// The platform backend of the system being built: Win32 on Windows, SDL elsewhere.
#pragma once

#ifdef _WIN32
#include "game/forms/win32/win32_platform.h"
namespace forms {
using NativePlatform = Win32Platform;
}
#else
#include "game/forms/sdl/sdl_platform.h"
namespace forms {
using NativePlatform = SdlPlatform;
}
#endif
