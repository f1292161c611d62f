// The platform services that Linux gives without SDL: processes, programs and the local clock.
#include "game/forms/sdl/posix_services.h"

#include <dirent.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <fstream>

extern char** environ;

namespace forms {

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

double LocalSecondsSinceMidnight() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto whole = std::chrono::system_clock::from_time_t(seconds);
  const double fraction = std::chrono::duration<double>(now - whole).count();
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace forms
