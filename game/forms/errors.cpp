// Run-time errors: their numbers, their box text and the two common throws.
#include "game/forms/errors.h"

namespace forms {

RuntimeError::RuntimeError(ErrorCode code, const std::string& description, std::string file)
    : std::runtime_error(description), code_(code), file_(std::move(file)) {}

std::string RuntimeError::BoxText() const {
  return "Run-time error '" + std::to_string(static_cast<int>(code_)) + "':\n\n" + what();
}

void ThrowFileNotFound(const std::string& path) {
  throw RuntimeError(ErrorCode::kFileNotFound, "File not found: " + path, path);
}

void ThrowOverflow() {
  throw RuntimeError(ErrorCode::kOverflow, "Overflow");
}

}  // namespace forms
