// PlaySoundA from a file name without a default sound; a failure is silent by design.
#include "game/sound/wave_output_win32.h"

#include <windows.h>

// After <windows.h>, which it needs.
#include <mmsystem.h>

namespace sound {
namespace {

constexpr DWORD kPlayAsync = 0x20003;  // SND_FILENAME | SND_NODEFAULT | SND_ASYNC
constexpr DWORD kPlaySync = 0x20002;   // SND_FILENAME | SND_NODEFAULT
constexpr DWORD kPurge = 0x40;         // SND_PURGE

// Paths arrive as UTF-8; false when the path has a character the ANSI code page lacks.
bool ToAnsi(const std::string& utf8, std::wstring& wide, std::string& ansi) {
  int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  wide.assign(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  BOOL lossy = FALSE;
  length = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, &lossy);
  ansi.assign(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(), length,
                      nullptr, &lossy);
  return !lossy;
}

}  // namespace

void Win32WaveOutput::Play(const std::string& path, bool asynchronous) {
  const DWORD flags = asynchronous ? kPlayAsync : kPlaySync;
  std::wstring wide;
  std::string ansi;
  if (ToAnsi(path, wide, ansi)) {
    PlaySoundA(ansi.c_str(), nullptr, flags);
  } else {
    // A folder name outside the ANSI code page still plays through the wide call.
    PlaySoundW(wide.c_str(), nullptr, flags);
  }
}

void Win32WaveOutput::Stop() {
  PlaySoundA(nullptr, nullptr, kPurge);
}

int Win32WaveOutput::DeviceCount() {
  return static_cast<int>(waveOutGetNumDevs());
}

}  // namespace sound
