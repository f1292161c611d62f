// File look-up that ignores letter case and takes '\' and '/' alike, on every platform.
#include "game/forms/resolve_path.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "game/forms/errors.h"
#include "game/forms/ignore_case.h"

namespace forms {
namespace {

namespace fs = std::filesystem;

// Far above any asset; a larger file in an asset's place is refused instead of read whole.
constexpr std::uintmax_t kMaxFileBytes = 64u * 1024 * 1024;

// Paths are UTF-8 strings on every platform; on Windows a narrow fs::path would mean the ANSI
// code page, so the conversion is explicit both ways.
fs::path FromUtf8(const std::string& text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}
std::string ToUtf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// The entry of folder whose name matches name when case is ignored; empty when none does.
fs::path FindEntry(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::exists(folder / FromUtf8(name), error)) return folder / FromUtf8(name);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (SameIgnoringCase(ToUtf8(it->path().filename()), name)) return it->path();
  }
  return {};
}

std::vector<std::string> SplitComponents(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
  if (path.empty()) return {};
  std::error_code error;
  if (path.find('\\') == std::string::npos && fs::exists(FromUtf8(path), error)) return path;
  std::vector<std::string> parts = SplitComponents(path);
  fs::path current = (path[0] == '\\' || path[0] == '/') ? fs::path("/") : fs::path(".");
  std::size_t first = 0;
  if (!parts.empty() && parts[0].size() == 2 && parts[0][1] == ':') {  // a drive: "C:"
    current = FromUtf8(parts[0] + "/");
    first = 1;
  }
  for (std::size_t i = first; i < parts.size(); ++i) {
    if (parts[i] == "." || parts[i] == "..") {
      current /= parts[i];
      continue;
    }
    current = FindEntry(current, parts[i]);
    if (current.empty()) return {};
  }
  if (current == fs::path(".")) return {};
  return ToUtf8(current);
}

std::vector<unsigned char> ReadFileBytes(const std::string& path) {
  const std::string found = ResolvePath(path);
  std::error_code error;
  if (found.empty()) ThrowFileNotFound(path);
  if (fs::is_directory(FromUtf8(found), error)) ThrowFolderInPlaceOfFile(path);
  // Devices and pipes could block or never end; only plain files are read.
  if (!fs::is_regular_file(FromUtf8(found), error)) ThrowUnreadableFile(path);
  if (fs::file_size(FromUtf8(found), error) > kMaxFileBytes) ThrowFileTooLarge(path);
  std::ifstream in(FromUtf8(found), std::ios::binary);
  if (!in) ThrowUnreadableFile(path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace forms
