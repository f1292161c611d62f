// This system's backends for the game: the platform, then the sound output, the keyboard lock and
// (on Windows) the companion's system calls, made for the running application. One implementation
// file per system; the build compiles only the one it targets, so this is the one place that names
// the backends the game runs on.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "game/forms/application.h"
#include "game/forms/platform.h"
#include "game/lockdown/companion_system.h"
#include "game/lockdown/keyboard_lock.h"
#include "game/sound/wave_output.h"

namespace shell {

// The services beside the forms runtime. They are ended before the application they were made for.
class NativeServices {
 public:
  virtual ~NativeServices() = default;
  virtual sound::WaveOutput& Sound() = 0;
  virtual lockdown::KeyboardLock& Keyboard() = 0;
  // The companion key blocker's processes and programs; nullptr where there is no companion.
  virtual lockdown::CompanionSystem* Companion() = 0;
};

class NativeBackends {
 public:
  virtual ~NativeBackends() = default;
  virtual forms::Platform& Platform() = 0;
  virtual std::unique_ptr<NativeServices> OpenServices(forms::Application& app) = 0;
};

// A start of the program as a helper of this system's backends rather than as the game: the
// helper's exit code once it has run, else nullopt.
std::optional<int> RunBackendHelper(int argc, char** argv);

// Opens the platform on this system's display. The game's files are looked up in asset_folder,
// a folder relative to the program's own (empty: the program's own folder). Throws
// std::runtime_error with the reason when the platform cannot come up (no display).
std::unique_ptr<NativeBackends> OpenNativeBackends(const std::string& asset_folder = {});

// A platform backend whose game files lie in a folder relative to the program's own.
template <class Backend>
class PlatformWithAssets : public Backend {
 public:
  explicit PlatformWithAssets(std::string asset_folder) : asset_folder_(std::move(asset_folder)) {}
  std::string AppFolder() override {
    const std::string own = Backend::AppFolder();
    return asset_folder_.empty() ? own : own + "/" + asset_folder_;
  }

 private:
  std::string asset_folder_;
};

}  // namespace shell
