// Where the Linux game finds its pictures and sounds: beside the program, or where a package put
// them.
#pragma once

#include <string>

namespace forms {

// The folder of the game's pictures and sounds for a game program in exe_folder: the installed
// data folder <exe_folder>/../share/games/wobbleton-playboard when there is one (a package puts
// the program in <prefix>/games and its data there), else exe_folder itself (the build's app
// folder, or a copied folder). No trailing separator.
std::string AssetFolderFor(const std::string& exe_folder);

}  // namespace forms
