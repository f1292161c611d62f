// The parent panel's wording.
#include "game/shell/panel_text.h"

namespace shell {
namespace {

constexpr std::array<const char*, 7> kKindNames = {
    "Windows keys", "Alt+Tab", "Alt+Esc", "Ctrl+Esc", "Applications key", "Sleep", "other"};

std::string OnOff(bool on) {
  return on ? "on" : "off";
}

}  // namespace

PanelCaptions CaptionsFor(const settings::Settings& settings) {
  PanelCaptions captions;
  captions.speak_names = "Spoken names: " + OnOff(settings.speak_names);
  captions.language =
      "Language: " + (settings.language.empty() ? std::string("automatic") : settings.language);
  captions.exit = std::string("Parent exit: Ctrl+Alt+T") +
                  (settings.exit_hold ? " held for 2 seconds" : " at once");
  captions.volume =
      std::string("Volume: ") + (settings.volume == settings::Volume::kQuiet ? "quiet" : "normal");
  captions.keep_paintings = "Keep paintings: " + OnOff(settings.keep_paintings);
  return captions;
}

std::string DurationText(std::int64_t seconds) {
  if (seconds < 60) return std::to_string(seconds) + " s";
  const std::int64_t minutes = seconds / 60;
  if (minutes < 60) return std::to_string(minutes) + " min";
  const std::string rest = std::to_string(minutes % 60);
  return std::to_string(minutes / 60) + " h " + (rest.size() < 2 ? "0" : "") + rest + " min";
}

std::string HeldBackText(const std::array<int, 7>& held_back) {
  std::string text;
  for (std::size_t kind = 0; kind < held_back.size(); ++kind) {
    if (held_back[kind] == 0) continue;
    if (!text.empty()) text += ", ";
    text += std::to_string(held_back[kind]) + " " + kKindNames[kind];
  }
  return text.empty() ? "nothing" : text;
}

std::string GameText(const std::string& which, std::int64_t seconds,
                     const std::array<int, 7>& held_back) {
  return which + ": " + DurationText(seconds) +
         "; escape keys held back: " + HeldBackText(held_back);
}

}  // namespace shell
