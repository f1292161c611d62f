// nokill.dll: a library that loads but lacks the "@Kill@4" export, for the host's failure test.
#include <windows.h>

extern "C" __declspec(dllexport) void Kill(unsigned) {}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  return TRUE;
}
