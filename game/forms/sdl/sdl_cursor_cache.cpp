// Colour mouse cursors made from the game's ICO pictures, one SDL cursor per distinct image.
#include "game/forms/sdl/sdl_cursor_cache.h"

#include <SDL.h>

#include "game/forms/picture.h"

namespace forms {

namespace {

// FNV-1a over the size and the pixels.
std::uint64_t ImageKey(const Picture& picture) {
  std::uint64_t hash = 0xCBF29CE484222325ull;
  auto mix = [&hash](std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      hash ^= (value >> (8 * i)) & 0xFF;
      hash *= 0x100000001B3ull;
    }
  };
  mix(static_cast<std::uint32_t>(picture.Width()));
  mix(static_cast<std::uint32_t>(picture.Height()));
  for (std::uint32_t pixel : picture.Pixels()) mix(pixel);
  return hash;
}

SDL_Cursor* MakeCursor(const Picture& picture) {
  const int width = picture.Width(), height = picture.Height();
  if (width <= 0 || height <= 0 ||
      picture.Pixels().size() < static_cast<std::size_t>(width) * height) {
    return nullptr;
  }
  // SDL only reads the pixels while it builds the cursor, so the const_cast is safe.
  void* pixels = const_cast<std::uint32_t*>(picture.Pixels().data());
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels, width, height, 32, width * 4,
                                                            SDL_PIXELFORMAT_ARGB8888);
  if (surface == nullptr) return nullptr;
  SDL_Cursor* cursor = SDL_CreateColorCursor(surface, width / 2, height / 2);
  SDL_FreeSurface(surface);
  return cursor;
}

}  // namespace

SdlCursorCache::~SdlCursorCache() {
  for (auto& [key, cursor] : cursors_) {
    if (cursor != nullptr) SDL_FreeCursor(cursor);
  }
}

SDL_Cursor* SdlCursorCache::Get(const Picture* picture) {
  if (picture == nullptr) return SDL_GetDefaultCursor();
  const std::uint64_t key = ImageKey(*picture);
  auto found = cursors_.find(key);
  if (found == cursors_.end()) found = cursors_.emplace(key, MakeCursor(*picture)).first;
  return found->second != nullptr ? found->second : SDL_GetDefaultCursor();
}

}  // namespace forms
