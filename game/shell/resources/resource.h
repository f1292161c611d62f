// Resource ids of WOB.exe.
#pragma once

// The program icon; the Win32 backend gives its windows icon resource 1.
#define IDI_WOB 1
