// Kept paintings: a finished painting saved as a PNG named by the date and time it was kept.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "game/forms/canvas.h"

namespace paint {

class PaintingKeeper {
 public:
  using Folder = std::function<std::filesystem::path()>;   // empty: the system names none
  using Clock = std::function<std::tm()>;                  // the local date and time
  using Report = std::function<void(const std::string&)>;  // one line about a failure

  PaintingKeeper(Folder folder, Clock clock, Report report)
      : folder_(std::move(folder)), clock_(std::move(clock)), report_(std::move(report)) {}

  // Saves painting into the folder, made when missing. A failure (no folder, a folder that
  // cannot be made or written, a full disk) leaves no file behind, reports one line and
  // returns false; it never throws.
  bool Keep(const forms::Canvas& painting);

 private:
  std::filesystem::path FreeName(const std::filesystem::path& folder) const;
  bool Fail(const std::string& what);

  Folder folder_;
  Clock clock_;
  Report report_;
};

// "2026-12-09 14-05-33.png", and " (2)" before ".png" for the second of the same second.
std::string PaintingName(const std::tm& time, int number);

// The painting as an RGB PNG at path; false when it cannot be written whole.
bool WritePng(const forms::Canvas& painting, const std::filesystem::path& path);

}  // namespace paint
