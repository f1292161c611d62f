// The voice's own player on Windows: waveOut on a thread of its own, beside PlaySoundA's sound.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "game/sound/wav_clip.h"

namespace sound {

// Plays one clip at a time to its end; the newest clip asked for meanwhile waits, replacing any
// that waited before it. A clip that cannot be read or played is passed over in silence.
class Win32VoicePlayer {
 public:
  Win32VoicePlayer();
  ~Win32VoicePlayer();
  Win32VoicePlayer(const Win32VoicePlayer&) = delete;
  Win32VoicePlayer& operator=(const Win32VoicePlayer&) = delete;

  void Say(const std::string& path, float gain);  // path in UTF-8; gain as the wave output's

 private:
  void Run();
  void PlayToEnd(const WavClip& clip);

  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<WavClip> waiting_;
  bool stopping_ = false;
  HANDLE done_;  // signalled by waveOut when a clip's buffer is played
  std::thread worker_;
};

}  // namespace sound
