// PlaySoundA from a file name without a default sound; a failure is silent by design.
#include "game/sound/wave_output_win32.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

// After <windows.h>, which it needs.
#include <mmsystem.h>

#include "game/sound/wave_gain.h"

namespace sound {
namespace {

constexpr DWORD kPlayAsync = 0x20003;  // SND_FILENAME | SND_NODEFAULT | SND_ASYNC
constexpr DWORD kPlaySync = 0x20002;   // SND_FILENAME | SND_NODEFAULT
constexpr DWORD kPurge = 0x40;         // SND_PURGE
constexpr DWORD kMemory = 0x0004;      // SND_MEMORY, in place of SND_FILENAME

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
  const bool ansi_path = ToAnsi(path, wide, ansi);
  if (Gain() < 1.0f && PlayScaled(wide, asynchronous)) return;
  if (ansi_path) {
    PlaySoundA(ansi.c_str(), nullptr, flags);
  } else {
    // A folder name outside the ANSI code page still plays through the wide call.
    PlaySoundW(wide.c_str(), nullptr, flags);
  }
}

void Win32WaveOutput::Stop() {
  PlaySoundA(nullptr, nullptr, kPurge);
  scaled_.clear();
}

// A file that is not 16-bit PCM plays from its file as recorded.
bool Win32WaveOutput::PlayScaled(const std::wstring& path, bool asynchronous) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  std::vector<std::uint8_t> wav((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
  if (!ScalePcm16Wave(wav, Gain())) return false;
  Stop();
  scaled_ = std::move(wav);
  const DWORD flags = ((asynchronous ? kPlayAsync : kPlaySync) & ~0x20000u) | kMemory;
  PlaySoundA(reinterpret_cast<LPCSTR>(scaled_.data()), nullptr, flags);
  return true;
}

int Win32WaveOutput::DeviceCount() {
  return static_cast<int>(waveOutGetNumDevs());
}

}  // namespace sound
