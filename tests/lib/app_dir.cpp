// The build's app folder and temporary copies of it for tests that damage files.
#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include <unistd.h>

#include "tests/lib/scenario.h"

namespace wobtest {
namespace {

namespace fs = std::filesystem;

// Removes the temporary folders when the test program ends.
struct TempFolders {
  std::mutex mutex;
  std::vector<fs::path> paths;
  ~TempFolders() {
    std::error_code ignored;
    for (const auto& p : paths) fs::remove_all(p, ignored);
  }
};

TempFolders& Temps() {
  static TempFolders temps;
  return temps;
}

}  // namespace

std::string AppDir() {
  return WOB_APP_DIR;
}

std::string MakeTempDir() {
  static std::atomic<int> counter{0};
  const fs::path dir = fs::temp_directory_path() /
                       ("wobtest-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::lock_guard lock(Temps().mutex);
  Temps().paths.push_back(dir);
  return dir.string();
}

// Native programs built into the app folder (the game, test programs) are not assets; they
// are large, so copies leave them out. Files with an extension, "Muzzle.exe" too, are copied.
bool IsNativeProgram(const fs::directory_entry& entry) {
  std::error_code error;
  const auto perms = entry.status(error).permissions();
  return entry.is_regular_file(error) && !entry.path().has_extension() &&
         (perms & fs::perms::owner_exec) != fs::perms::none;
}

std::string CopyAppDir() {
  const std::string dir = MakeTempDir();
  for (const auto& entry : fs::directory_iterator(AppDir())) {
    if (IsNativeProgram(entry)) continue;
    fs::copy(entry.path(), fs::path(dir) / entry.path().filename(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  return dir;
}

}  // namespace wobtest
