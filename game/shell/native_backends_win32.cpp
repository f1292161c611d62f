// The Windows backends: Win32 windows, PlaySoundA, the low-level hook and the companion.
#include "game/forms/win32/win32_platform.h"
#include "game/lockdown/lockdown_service_win32.h"
#include "game/shell/native_backends.h"
#include "game/sound/wave_output_win32.h"

namespace shell {

namespace {

class Win32Services : public NativeServices {
 public:
  sound::WaveOutput& Sound() override { return sound_; }
  lockdown::LockdownService& Lockdown() override { return lockdown_; }

 private:
  sound::Win32WaveOutput sound_;
  lockdown::Win32Lockdown lockdown_;
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

std::unique_ptr<NativeBackends> OpenNativeBackends(const std::string& asset_folder) {
  return std::make_unique<Win32Backends>(asset_folder);
}

}  // namespace shell
