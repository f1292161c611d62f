// Each family of the game's files, written by its own function.
#pragma once

#include "encoders.h"
#include "font.h"
#include "output.h"

namespace assetgen {

void WriteMenuButtons(Output& out, const Font& font);
void WriteCursors(Output& out);
void WritePickers(Output& out, const Font& font);
void WriteSpawnedPictures(Output& out, const Font& font);
void WriteFireworks(Output& out);
void WriteFireworkSound(Output& out);
void WritePaintButtons(Output& out);
void WriteBrushCursors(Output& out);
void WriteProgramIcons(Output& out, const Font& font);
Bytes SplashLogoJpeg(const Font& font);

}  // namespace assetgen
