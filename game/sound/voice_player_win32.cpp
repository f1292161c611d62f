// The voice's own player on Windows: waveOut on a thread of its own, beside PlaySoundA's sound.
#include "game/sound/voice_player_win32.h"

#include "game/sound/wave_gain.h"

// After <windows.h>, which it needs.
#include <mmsystem.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace sound {
namespace {

constexpr std::uintmax_t kMaxClipBytes = 4 << 20;  // a spoken name is a few dozen kilobytes
constexpr DWORD kPollMs = 100;                     // how often a playing clip checks for the end

std::optional<WavClip> ReadClip(const std::string& utf8_path, float gain) {
  const std::filesystem::path path(std::u8string(utf8_path.begin(), utf8_path.end()));
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kMaxClipBytes) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (gain < 1.0f) {
    std::vector<std::uint8_t> scaled(bytes.begin(), bytes.end());
    if (ScalePcm16Wave(scaled, gain)) bytes.assign(scaled.begin(), scaled.end());
  }
  return ParseWavClip(bytes);
}

}  // namespace

Win32VoicePlayer::Win32VoicePlayer()
    : done_(CreateEventW(nullptr, FALSE, FALSE, nullptr)), worker_([this] { Run(); }) {}

Win32VoicePlayer::~Win32VoicePlayer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
  CloseHandle(done_);
}

void Win32VoicePlayer::Say(const std::string& path, float gain) {
  std::optional<WavClip> clip = ReadClip(path, gain);
  if (!clip) return;
  {
    std::lock_guard lock(mutex_);
    waiting_ = std::move(clip);
  }
  wake_.notify_all();
}

void Win32VoicePlayer::Run() {
  for (;;) {
    WavClip clip;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || waiting_; });
      if (stopping_) return;
      clip = std::move(*waiting_);
      waiting_.reset();
    }
    PlayToEnd(clip);
  }
}

void Win32VoicePlayer::PlayToEnd(const WavClip& clip) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = clip.channels;
  format.nSamplesPerSec = clip.frames_per_second;
  format.wBitsPerSample = clip.bits;
  format.nBlockAlign = static_cast<WORD>(clip.channels * clip.bits / 8);
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  HWAVEOUT out = nullptr;
  if (waveOutOpen(&out, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_), 0,
                  CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    return;  // no device: the name is not heard, as a firework is not
  }
  WAVEHDR header{};
  header.lpData = reinterpret_cast<LPSTR>(const_cast<std::uint8_t*>(clip.data.data()));
  header.dwBufferLength = static_cast<DWORD>(clip.data.size());
  if (waveOutPrepareHeader(out, &header, sizeof header) == MMSYSERR_NOERROR) {
    if (waveOutWrite(out, &header, sizeof header) == MMSYSERR_NOERROR) {
      while (!(header.dwFlags & WHDR_DONE)) {
        WaitForSingleObject(done_, kPollMs);
        std::lock_guard lock(mutex_);
        if (stopping_) waveOutReset(out);  // marks the buffer done at once
      }
    }
    waveOutUnprepareHeader(out, &header, sizeof header);
  }
  waveOutClose(out);
}

}  // namespace sound
