// Run-time errors of the forms runtime and PassOver, which passes over a failing statement.
#pragma once

#include <stdexcept>
#include <string>

namespace forms {

// Error numbers as the game's runtime reports them.
enum class ErrorCode {
  kOverflow = 6,
  kOutOfMemory = 7,
  kFileNotFound = 53,
  kPermissionDenied = 70,
  kPathFileAccess = 75,
  kInvalidPicture = 481,
  kControlNotFound = 730,
  kNameInUse = 727,
};

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorCode code, const std::string& description, std::string file = {});
  ErrorCode Code() const { return code_; }
  const std::string& File() const { return file_; }  // the file the error is about, if any
  // The text of the runtime's error box: names the error and the file.
  std::string BoxText() const;

 private:
  ErrorCode code_;
  std::string file_;
};

// path as the user's platform writes it: '\\' between folders on Windows, '/' elsewhere.
std::string NativePath(const std::string& path);

[[noreturn]] void ThrowFileNotFound(const std::string& path);
[[noreturn]] void ThrowFolderInPlaceOfFile(const std::string& path);
[[noreturn]] void ThrowUnreadableFile(const std::string& path);
[[noreturn]] void ThrowFileTooLarge(const std::string& path);
[[noreturn]] void ThrowInvalidPicture(const std::string& path);
[[noreturn]] void ThrowOverflow();

// Runs one statement; a run-time error in it is passed over without a word.
template <class Statement>
void PassOver(Statement&& statement) {
  try {
    statement();
  } catch (const RuntimeError&) {
  }
}

}  // namespace forms
