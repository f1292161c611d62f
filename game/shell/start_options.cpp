// What the game starts with: the settings file, then the command line over it, then the voice.
#include "game/shell/start_options.h"

#include "game/settings/settings_file.h"
#include "game/settings/voice_language.h"

namespace shell {
namespace {

void ReadLanguageOption(const std::optional<std::string>& value, CommandLine& line) {
  if (value && settings::IsLanguageCode(*value)) {
    line.language = *value;
  } else {
    line.problems.push_back("--language " + value.value_or("") +
                            ": not a language code such as de; the setting applies");
  }
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size() && line.unknown.empty(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help") {
      line.help = true;
    } else if (arg == "--speak-names") {
      line.speak_names = true;
    } else if (arg == "--language") {
      const bool has_value = i + 1 < args.size();
      ReadLanguageOption(has_value ? std::optional(args[i + 1]) : std::nullopt, line);
      i += has_value;
    } else if (arg.rfind("--language=", 0) == 0) {
      ReadLanguageOption(arg.substr(11), line);
    } else {
      line.unknown = arg;
    }
  }
  return line;
}

StartSettings ReadStartSettings(const std::filesystem::path& path, const CommandLine& line,
                                const std::string& computer_language,
                                const std::function<bool(const std::string&)>& has_voice) {
  settings::LoadedSettings loaded = settings::LoadSettings(path);
  StartSettings start{loaded.settings, "", std::move(loaded.problems)};
  start.problems.insert(start.problems.end(), line.problems.begin(), line.problems.end());
  if (line.speak_names) start.settings.speak_names = true;
  if (line.language) start.settings.language = *line.language;
  settings::VoiceChoice voice =
      settings::ChooseVoiceLanguage(start.settings.language, computer_language, has_voice);
  start.voice_language = voice.language;
  if (!voice.problem.empty()) start.problems.push_back(voice.problem);
  return start;
}

}  // namespace shell
