// Wave files played through SDL audio with the behaviour of Windows' PlaySoundA.
#include "game/sound/wave_output_sdl.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace sound {

namespace {

constexpr int kFrequency = 44100;
constexpr double kGraceSeconds = 1.0;  // a synchronous play's wait beyond the sound's length

}  // namespace

SdlWaveOutput::SdlWaveOutput(PathResolver resolve) : resolve_(std::move(resolve)) {}

SdlWaveOutput::~SdlWaveOutput() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (audio_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlWaveOutput::Play(const std::string& path, bool asynchronous) {
  Stop();
  std::vector<std::uint8_t> samples = LoadForDevice(path);
  if (samples.empty()) return;
  const double seconds = static_cast<double>(samples.size()) / frame_bytes_ / frequency_;
  std::uint64_t sound = 0;
  {
    std::lock_guard lock(mutex_);
    samples_ = std::move(samples);
    position_ = 0;
    playing_ = path;
    sound = ++sound_;
  }
  if (!asynchronous) WaitUntilEnded(sound, seconds);
}

void SdlWaveOutput::Stop() {
  std::lock_guard lock(mutex_);
  samples_.clear();
  position_ = 0;
  playing_.clear();
  ++sound_;
  ended_.notify_all();
}

int SdlWaveOutput::DeviceCount() {
  if (!StartAudio()) return 0;
  // -1 means SDL cannot list the devices, not that there are none: the default one remains.
  const int count = SDL_GetNumAudioDevices(0);
  return count < 0 ? 1 : count;
}

void SdlWaveOutput::Say(const std::string& path) {
  Clip clip{path, LoadForDevice(path)};
  if (clip.samples.empty()) return;
  std::lock_guard lock(mutex_);
  waiting_ = std::move(clip);
  if (saying_.path.empty()) NextClip();
}

std::string SdlWaveOutput::NowPlaying() {
  std::lock_guard lock(mutex_);
  return playing_;
}

std::string SdlWaveOutput::NowSaying() {
  std::lock_guard lock(mutex_);
  return saying_.path;
}

std::string SdlWaveOutput::NextSaying() {
  std::lock_guard lock(mutex_);
  return waiting_.path;
}

// Under the lock: the waiting clip becomes the one said.
void SdlWaveOutput::NextClip() {
  saying_ = std::move(waiting_);
  waiting_ = Clip{};
  saying_position_ = 0;
}

bool SdlWaveOutput::StartAudio() {
  if (!audio_started_ && !audio_failed_) {
    audio_started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    audio_failed_ = !audio_started_;
  }
  return audio_started_;
}

bool SdlWaveOutput::OpenDevice() {
  if (device_ != 0) return true;
  if (device_failed_ || !StartAudio()) return false;
  SDL_AudioSpec wanted{};
  wanted.freq = kFrequency;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = &SdlWaveOutput::FillCallback;
  wanted.userdata = this;
  SDL_AudioSpec obtained{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_ANY_CHANGE);
  device_failed_ = device_ == 0;
  if (device_failed_) return false;
  frequency_ = obtained.freq;
  format_ = obtained.format;
  channels_ = obtained.channels;
  silence_ = obtained.silence;
  frame_bytes_ = std::max(1, SDL_AUDIO_BITSIZE(format_) / 8 * channels_);
  // The device stays open and playing (silence between sounds) until the program ends.
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

std::vector<std::uint8_t> SdlWaveOutput::LoadForDevice(const std::string& path) {
  const std::string file = resolve_ ? resolve_(path) : path;
  if (file.empty() || !OpenDevice()) return {};
  SDL_AudioSpec spec{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (SDL_LoadWAV(file.c_str(), &spec, &buffer, &length) == nullptr) return {};
  SDL_AudioCVT cvt{};
  const int needed = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, format_,
                                       channels_, frequency_);
  std::vector<std::uint8_t> samples;
  if (needed >= 0 && length > 0) {
    samples.resize(static_cast<std::size_t>(length) * std::max(1, cvt.len_mult));
    std::memcpy(samples.data(), buffer, length);
    cvt.buf = samples.data();
    cvt.len = static_cast<int>(length);
    const bool converted = needed == 0 || SDL_ConvertAudio(&cvt) == 0;
    samples.resize(converted ? (needed == 0 ? length : cvt.len_cvt) : 0);
  }
  SDL_FreeWAV(buffer);
  samples.resize(samples.size() - samples.size() % frame_bytes_);
  if (Gain() < 1.0f) ScaleSamples(samples);
  return samples;
}

// SDL mixes in any device format at a volume of 0..128: mixing into silence scales the sound.
void SdlWaveOutput::ScaleSamples(std::vector<std::uint8_t>& samples) const {
  std::vector<std::uint8_t> scaled(samples.size(), silence_);
  const int volume = static_cast<int>(Gain() * SDL_MIX_MAXVOLUME + 0.5f);
  SDL_MixAudioFormat(scaled.data(), samples.data(), format_, static_cast<Uint32>(samples.size()),
                     std::clamp(volume, 0, SDL_MIX_MAXVOLUME));
  samples = std::move(scaled);
}

void SdlWaveOutput::FillCallback(void* self, std::uint8_t* stream, int length) {
  static_cast<SdlWaveOutput*>(self)->Fill(stream, length);
}

void SdlWaveOutput::Fill(std::uint8_t* stream, int length) {
  std::lock_guard lock(mutex_);
  const std::size_t wanted = static_cast<std::size_t>(length);
  std::memset(stream, silence_, wanted);
  if (MixFrom(samples_, position_, stream, wanted) && !playing_.empty()) {
    playing_.clear();
    ended_.notify_all();
  }
  if (MixFrom(saying_.samples, saying_position_, stream, wanted) && !saying_.path.empty()) {
    NextClip();
  }
}

bool SdlWaveOutput::MixFrom(const std::vector<std::uint8_t>& sound, std::size_t& position,
                            std::uint8_t* stream, std::size_t length) {
  const std::size_t count = std::min(length, sound.size() - position);
  // Mixing into silence leaves a lone sound's samples exactly as they are.
  if (count > 0) {
    SDL_MixAudioFormat(stream, sound.data() + position, format_, static_cast<Uint32>(count),
                       SDL_MIX_MAXVOLUME);
  }
  position += count;
  return position >= sound.size();
}

void SdlWaveOutput::WaitUntilEnded(std::uint64_t sound, double seconds) {
  // Bounded: a device that stops taking samples must not hang the game.
  const auto limit = std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(seconds + kGraceSeconds));
  std::unique_lock lock(mutex_);
  ended_.wait_until(lock, limit, [&] { return sound_ != sound || playing_.empty(); });
}

}  // namespace sound
