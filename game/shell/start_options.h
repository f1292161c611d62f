// What the game starts with: the settings file, then the command line over it, then the voice.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/settings/settings.h"

namespace shell {

// The Linux program's options, shown by --help.
inline constexpr const char* kUsage =
    "Usage: wobbleton-playboard [OPTION]...\n"
    "A full-screen keyboard game for small children. Ctrl+Alt+T ends it.\n"
    "\n"
    "  --speak-names      every new picture says its name (SpeakNames=1), for this run\n"
    "  --language CODE    the names' language, a code such as de, for this run\n"
    "  --help             show this help and end\n"
    "\n"
    "The settings file is $XDG_CONFIG_HOME/wobbleton-playboard/settings.ini\n"
    "(else ~/.config/wobbleton-playboard/settings.ini).\n";

struct CommandLine {
  bool help = false;
  bool speak_names = false;             // --speak-names
  std::optional<std::string> language;  // --language CODE
  std::vector<std::string> problems;    // values passed over, one line each; the game starts
  std::string unknown;                  // an option the game does not know; it does not start
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

struct StartSettings {
  settings::Settings settings;
  std::string voice_language;
  std::vector<std::string> problems;  // one line each, for stderr where the platform has one
};

// The settings file at path (missing or damaged: the defaults), the command line over it, and
// the language the names are spoken in (has_voice: whether a code's clips exist).
StartSettings ReadStartSettings(const std::filesystem::path& path, const CommandLine& line,
                                const std::string& computer_language,
                                const std::function<bool(const std::string&)>& has_voice);

}  // namespace shell
