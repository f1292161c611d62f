// Run-time errors: their numbers, their box text and the two common throws.
#include "game/forms/errors.h"

namespace forms {

RuntimeError::RuntimeError(ErrorCode code, const std::string& description, std::string file)
    : std::runtime_error(description), code_(code), file_(std::move(file)) {}

std::string RuntimeError::BoxText() const {
  return "Run-time error '" + std::to_string(static_cast<int>(code_)) + "':\n\n" + what();
}

std::string NativePath(const std::string& path) {
#ifdef _WIN32
  constexpr char kForeign = '/', kNative = '\\';
#else
  constexpr char kForeign = '\\', kNative = '/';
#endif
  std::string native = path;
  for (char& c : native) {
    if (c == kForeign) c = kNative;
  }
  return native;
}

void ThrowFileNotFound(const std::string& path) {
  throw RuntimeError(ErrorCode::kFileNotFound, "File not found: " + NativePath(path), path);
}

void ThrowFolderInPlaceOfFile(const std::string& path) {
  throw RuntimeError(ErrorCode::kPathFileAccess,
                     "Path/File access error: " + NativePath(path) + " is a folder, not a file",
                     path);
}

void ThrowUnreadableFile(const std::string& path) {
  throw RuntimeError(ErrorCode::kPermissionDenied,
                     "Permission denied: " + NativePath(path) + " cannot be read", path);
}

void ThrowFileTooLarge(const std::string& path) {
  throw RuntimeError(ErrorCode::kOutOfMemory,
                     "Out of memory: " + NativePath(path) + " is too large to load", path);
}

void ThrowInvalidPicture(const std::string& path) {
  throw RuntimeError(ErrorCode::kInvalidPicture,
                     "Invalid picture: " + NativePath(path) + " is damaged or not a picture", path);
}

void ThrowOverflow() {
  throw RuntimeError(ErrorCode::kOverflow, "Overflow");
}

}  // namespace forms
