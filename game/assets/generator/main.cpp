// Paints every picture, cursor, icon and sound of the game into the given folders.
#include <cstdio>
#include <exception>
#include <map>
#include <string>

#include "families.h"

namespace {

constexpr const char* kUsage =
    "usage: wob_asset_generator --font <LiberationSans-Bold.ttf> --app-dir <folder>"
    " --icon-dir <folder> --embedded <splash_logo.cpp>\n";

// Options as --name value pairs; empty when an option is unknown, doubled or lacks its value.
std::map<std::string, std::string> ParseOptions(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i < argc; i += 2) {
    const std::string name = argv[i];
    const bool known =
        name == "--font" || name == "--app-dir" || name == "--icon-dir" || name == "--embedded";
    if (!known || i + 1 >= argc || !options.emplace(name, argv[i + 1]).second) return {};
  }
  return options.size() == 4 ? options : std::map<std::string, std::string>{};
}

void Generate(const std::map<std::string, std::string>& options) {
  using namespace assetgen;
  const Font font(options.at("--font"));
  Output out(options.at("--app-dir"), options.at("--icon-dir"));
  WriteMenuButtons(out, font);
  WriteCursors(out);
  WritePickers(out, font);
  WriteSpawnedPictures(out, font);
  WriteFireworks(out);
  WriteFireworkSound(out);
  WritePaintButtons(out);
  WriteBrushCursors(out);
  WriteProgramIcons(out, font);
  WriteEmbeddedLogo(options.at("--embedded"), SplashLogoJpeg(font));
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = ParseOptions(argc, argv);
  if (options.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    Generate(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wob_asset_generator: %s\n", error.what());
    return 1;
  }
  return 0;
}
