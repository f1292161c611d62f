// The Linux lockdown: the keyboard grab with the key filter on the application, /proc, posix_spawn.
#include "game/lockdown/lockdown_service_posix.h"

#include <dirent.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>

#include "game/forms/input.h"
#include "game/forms/resolve_path.h"
#include "game/lockdown/escape_tally.h"
#include "game/lockdown/key_filter.h"

extern char** environ;

namespace lockdown {

namespace {

std::vector<pid_t>& StartedPrograms() {
  static std::vector<pid_t> pids;
  return pids;
}

bool IsProcessFolder(const char* name) {
  return *name != '\0' &&
         std::all_of(name, name + std::char_traits<char>::length(name),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

PosixLockdown::~PosixLockdown() {
  ReapPrograms();
}

std::optional<std::vector<std::string>> PosixLockdown::ListProcesses() {
  ReapPrograms();
  return ListProcessNames();
}

bool PosixLockdown::StartProgram(const std::string& path, int window_style) {
  // Linux has no window style for a program started by path; the style is not used.
  (void)window_style;
  const std::string file = forms::ResolvePath(path);
  return SpawnProgram(file.empty() ? path : file);
}

std::intptr_t PosixLockdown::InstallKeyboardHook() {
  hook_ = 1;
  app_.SetKeyFilter([](int key_code, int shift, bool key_down) {
    const bool alt_down = (shift & forms::kShiftAlt) != 0;
    const bool ctrl_down = (shift & forms::kShiftCtrl) != 0;
    const bool swallow = ShouldSwallow(key_code, alt_down, ctrl_down);
    GameEscapes().Decided(key_code, alt_down, ctrl_down, key_down, swallow);
    return swallow;
  });
  app_.GrabKeyboard(true);
  if (console_keys_ != nullptr) console_keys_->Disarm();
  return hook_;
}

void PosixLockdown::RemoveKeyboardHook(std::intptr_t handle) {
  if (handle == 0 || handle != hook_) return;
  hook_ = 0;
  app_.SetKeyFilter({});
  app_.GrabKeyboard(false);
  if (console_keys_ != nullptr) console_keys_->Restore();
}

std::optional<std::vector<std::string>> ListProcessNames(const std::string& proc_root) {
  DIR* folder = opendir(proc_root.c_str());
  if (folder == nullptr) return std::nullopt;
  std::vector<std::string> names;
  while (const dirent* entry = readdir(folder)) {
    if (!IsProcessFolder(entry->d_name)) continue;
    // A process that ended since the folder was read simply has no comm file any more.
    std::ifstream comm(proc_root + "/" + entry->d_name + "/comm");
    std::string name;
    if (std::getline(comm, name) && !name.empty()) names.push_back(name);
  }
  closedir(folder);
  return names;
}

bool SpawnProgram(const std::string& path) {
  ReapPrograms();
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::string program = path;
  char* argv[] = {program.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  StartedPrograms().push_back(pid);
  return true;
}

void ReapPrograms() {
  auto& pids = StartedPrograms();
  std::erase_if(pids, [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; });
}

}  // namespace lockdown
