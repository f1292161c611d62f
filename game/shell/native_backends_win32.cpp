// The Windows backends: Win32 windows, PlaySoundA, the low-level hook and the companion.
#include "game/forms/win32/win32_platform.h"
#include "game/lockdown/companion_system_win32.h"
#include "game/lockdown/keyboard_lock_win32.h"
#include "game/shell/native_backends.h"
#include "game/sound/wave_output_win32.h"

namespace shell {

namespace {

class Win32Services : public NativeServices {
 public:
  sound::WaveOutput& Sound() override { return sound_; }
  lockdown::KeyboardLock& Keyboard() override { return keyboard_; }
  lockdown::CompanionSystem* Companion() override { return &companion_; }

 private:
  sound::Win32WaveOutput sound_;
  lockdown::Win32KeyboardLock keyboard_;
  lockdown::Win32CompanionSystem companion_;
};

class Win32Backends : public NativeBackends {
 public:
  explicit Win32Backends(const std::string& asset_folder) : platform_(asset_folder) {}
  forms::Platform& Platform() override { return platform_; }
  std::unique_ptr<NativeServices> OpenServices(forms::Application&) override {
    return std::make_unique<Win32Services>();
  }

 private:
  PlatformWithAssets<forms::Win32Platform> platform_;
};

}  // namespace

std::optional<int> RunBackendHelper(int, char**) {
  return std::nullopt;
}

std::unique_ptr<NativeBackends> OpenNativeBackends(const std::string& asset_folder) {
  return std::make_unique<Win32Backends>(asset_folder);
}

}  // namespace shell
