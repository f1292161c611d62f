// Colour mouse cursors made from the game's ICO pictures, one SDL cursor per distinct image.
#pragma once

#include <cstdint>
#include <unordered_map>

struct SDL_Cursor;

namespace forms {

class Picture;

class SdlCursorCache {
 public:
  SdlCursorCache() = default;
  ~SdlCursorCache();
  SdlCursorCache(const SdlCursorCache&) = delete;
  SdlCursorCache& operator=(const SdlCursorCache&) = delete;

  // The cursor for a picture, hot spot at its centre; the default arrow for nullptr or
  // when SDL cannot make a colour cursor.
  SDL_Cursor* Get(const Picture* picture);

 private:
  // Keyed by the image's content: a picture freed and another loaded at its address
  // must not get the old cursor.
  std::unordered_map<std::uint64_t, SDL_Cursor*> cursors_;
};

}  // namespace forms
