// The Linux backends: SDL2 windows and sound, and the keyboard grab with the key filter; no
// companion.
#include "game/forms/resolve_path.h"
#include "game/forms/sdl/sdl_platform.h"
#include "game/lockdown/console_keys_watcher.h"
#include "game/lockdown/console_keys_x11.h"
#include "game/lockdown/keyboard_lock_linux.h"
#include "game/shell/native_backends.h"
#include "game/sound/wave_output_sdl.h"

namespace shell {

namespace {

class SdlServices : public NativeServices {
 public:
  SdlServices(forms::Application& app, bool on_x11)
      : sound_([](const std::string& path) { return forms::ResolvePath(path); }),
        keyboard_(app, on_x11 ? &console_keys_ : nullptr) {}
  sound::WaveOutput& Sound() override { return sound_; }
  lockdown::KeyboardLock& Keyboard() override { return keyboard_; }
  lockdown::CompanionSystem* Companion() override { return nullptr; }  // Windows-only

 private:
  sound::SdlWaveOutput sound_;
  // The keyboard map is the whole display's: whatever way the game ends, it is put back.
  lockdown::ConsoleKeysX11 console_keys_;
  lockdown::LinuxKeyboardLock keyboard_;
};

class SdlBackends : public NativeBackends {
 public:
  explicit SdlBackends(const std::string& asset_folder) : platform_(asset_folder) {}
  forms::Platform& Platform() override { return platform_; }
  std::unique_ptr<NativeServices> OpenServices(forms::Application& app) override {
    // Wayland's compositor owns the console keys; only an X display's map holds them.
    return std::make_unique<SdlServices>(app, platform_.VideoDriver() == "x11");
  }

 private:
  PlatformWithAssets<forms::SdlPlatform> platform_;
};

}  // namespace

std::optional<int> RunBackendHelper(int argc, char** argv) {
  // The game program started again as the keeper of the display's console keys.
  if (lockdown::IsConsoleKeysWatcherCall(argc, argv)) return lockdown::RunConsoleKeysWatcher();
  return std::nullopt;
}

std::unique_ptr<NativeBackends> OpenNativeBackends(const std::string& asset_folder) {
  return std::make_unique<SdlBackends>(asset_folder);
}

}  // namespace shell
