// The parent panel: big plain buttons that step through each setting, saved at every change.
#include "game/shell/parent_panel.h"

#include <algorithm>
#include <filesystem>

#include "game/forms/resolve_path.h"
#include "game/settings/voice_language.h"
#include "game/shell/panel_text.h"

namespace shell {
namespace {

constexpr forms::Color kPanelBackColor = forms::Rgb(0, 0, 0);
constexpr forms::Color kTitleColor = forms::Rgb(255, 214, 0);
constexpr forms::Color kFiguresColor = forms::Rgb(64, 224, 255);
constexpr forms::Color kProblemColor = forms::Rgb(255, 96, 96);
constexpr const char* kSettingButtons[] = {"cmdSpeakNames", "cmdLanguage", "cmdExit", "cmdVolume",
                                           "cmdKeepPaintings"};

// A font that fills about half of a control of this height (twips; 20 twips a point).
float FontFor(float height_twips) {
  return std::max(8.0f, height_twips * 0.45f / 20.0f);
}

}  // namespace

ParentPanel::ParentPanel(forms::Application& app, game::GameState& game,
                         settings::SettingsStore& store, sound::WaveOutput& sound)
    : forms::Form(app),
      game_(game),
      store_(store),
      sound_(sound),
      previous_game_(store.LastGameRecord()) {
  SetCaption("Kinderkit");
  SetMaximised(true);
  SetClientSize(6060, 4215);
}

void ParentPanel::Design() {
  SetBackColor(kPanelBackColor);
  DesignLabel("lblTitle", kTitleColor).SetCaption("Parent panel");
  DesignButton("cmdSpeakNames", &ParentPanel::cmdSpeakNames_Click);
  DesignButton("cmdLanguage", &ParentPanel::cmdLanguage_Click);
  DesignButton("cmdExit", &ParentPanel::cmdExit_Click);
  DesignButton("cmdVolume", &ParentPanel::cmdVolume_Click);
  DesignButton("cmdKeepPaintings", &ParentPanel::cmdKeepPaintings_Click);
  DesignLabel("lblThisGame", kFiguresColor);
  DesignLabel("lblLastGame", kFiguresColor);
  DesignLabel("lblProblem", kProblemColor);
  DesignButton("cmdClose", &ParentPanel::cmdClose_Click).SetCaption("Close");
}

forms::CommandButton& ParentPanel::DesignButton(const std::string& name,
                                                void (ParentPanel::*click)()) {
  auto& button = Add<forms::CommandButton>(name, nullptr);
  button.on_click = [this, click] { (this->*click)(); };
  return button;
}

forms::Label& ParentPanel::DesignLabel(const std::string& name, forms::Color color) {
  auto& label = Add<forms::Label>(name, nullptr);
  label.SetForeColor(color);
  label.SetTransparent(true);
  return label;
}

void ParentPanel::Form_Load() {
  languages_ = VoiceLanguages(App().Path());
  languages_.insert(languages_.begin(), "");
  ShowSettings();
  ShowGames();
}

// One column of rows down the left, the close button at the bottom right.
void ParentPanel::Form_Resize() {
  const float width = Width(), height = Height();
  const float row = height / 11, gap = row / 5;
  float top = 200;
  auto place = [&](forms::Control& control, float control_width) {
    control.SetLeft(400);
    control.SetTop(top);
    control.SetWidth(control_width);
    control.SetHeight(row);
    top += row + gap;
  };
  place(Get<forms::Label>("lblTitle"), width - 800);
  for (const char* name : kSettingButtons) place(Get<forms::CommandButton>(name), width - 800);
  for (const char* name : {"lblThisGame", "lblLastGame", "lblProblem"}) {
    place(Get<forms::Label>(name), width - 800);
    Get<forms::Label>(name).SetHeight(row * 0.7f);
  }
  auto& close = Get<forms::CommandButton>("cmdClose");
  close.SetWidth(width * 0.2f);
  close.SetHeight(row);
  close.SetLeft(width - 400 - close.Width());
  close.SetTop(height - 200 - close.Height());
  for (const auto& control : AllControls()) {
    if (auto* label = dynamic_cast<forms::Label*>(control.get())) {
      label->SetFontSize(FontFor(label->Height()) * (label->Name() == "lblTitle" ? 1.4f : 1.0f));
    } else if (auto* button = dynamic_cast<forms::CommandButton*>(control.get())) {
      button->SetFontSize(FontFor(button->Height()));
    }
  }
}

void ParentPanel::ShowSettings() {
  const PanelCaptions captions = CaptionsFor(game_.settings);
  Get<forms::CommandButton>("cmdSpeakNames").SetCaption(captions.speak_names);
  Get<forms::CommandButton>("cmdLanguage").SetCaption(captions.language);
  Get<forms::CommandButton>("cmdExit").SetCaption(captions.exit);
  Get<forms::CommandButton>("cmdVolume").SetCaption(captions.volume);
  Get<forms::CommandButton>("cmdKeepPaintings").SetCaption(captions.keep_paintings);
}

void ParentPanel::ShowGames() {
  const auto seconds = static_cast<std::int64_t>((App().NowMs() - game_.GameStartedMs) / 1000);
  Get<forms::Label>("lblThisGame")
      .SetCaption(GameText("This game so far", seconds, lockdown::GameEscapes().Counts()));
  Get<forms::Label>("lblLastGame")
      .SetCaption(previous_game_ ? GameText("The last game", previous_game_->seconds,
                                            previous_game_->held_back)
                                 : "The last game: none yet");
}

// Only the changed setting goes into the file, so an option given on the command line for one
// run stays out of it. The change holds for this run even when the file cannot take it; the
// panel says so.
template <class Value>
void ParentPanel::Changed(Value settings::Settings::*setting) {
  sound_.SetGain(GainFor(game_.settings.volume));
  ShowSettings();
  settings::Settings filed = store_.Filed();
  filed.*setting = game_.settings.*setting;
  const bool saved = store_.Save(filed);
  Get<forms::Label>("lblProblem")
      .SetCaption(saved ? "" : "The settings file could not be written: it keeps what it had.");
}

void ParentPanel::cmdSpeakNames_Click() {
  game_.settings.speak_names = !game_.settings.speak_names;
  Changed(&settings::Settings::speak_names);
}

void ParentPanel::cmdLanguage_Click() {
  const auto current = std::find(languages_.begin(), languages_.end(), game_.settings.language);
  const bool last = current == languages_.end() || current + 1 == languages_.end();
  game_.settings.language = last ? languages_.front() : *(current + 1);
  // The names follow the choice at once; automatic is the computer's language again.
  const auto has_voice = [this](const std::string& code) {
    return std::find(languages_.begin() + 1, languages_.end(), code) != languages_.end();
  };
  game_.voice_language = settings::ChooseVoiceLanguage(game_.settings.language,
                                                       settings::ComputerLanguage(), has_voice)
                             .language;
  Changed(&settings::Settings::language);
}

void ParentPanel::cmdExit_Click() {
  game_.settings.exit_hold = !game_.settings.exit_hold;
  Changed(&settings::Settings::exit_hold);
}

void ParentPanel::cmdVolume_Click() {
  const bool quiet = game_.settings.volume == settings::Volume::kQuiet;
  game_.settings.volume = quiet ? settings::Volume::kNormal : settings::Volume::kQuiet;
  Changed(&settings::Settings::volume);
}

void ParentPanel::cmdKeepPaintings_Click() {
  game_.settings.keep_paintings = !game_.settings.keep_paintings;
  Changed(&settings::Settings::keep_paintings);
}

void ParentPanel::KeepLastGame(double run_ms, const lockdown::EscapeCounts& held_back) {
  settings::LastGame last_game;
  last_game.seconds = static_cast<std::int64_t>(std::max(0.0, run_ms) / 1000);
  last_game.held_back = held_back;
  store_.Save(last_game);
}

std::vector<std::string> VoiceLanguages(const std::string& app_folder) {
  std::vector<std::string> codes;
  const std::string voices = forms::ResolvePath(app_folder + "\\voices");
  std::error_code error;
  if (voices.empty() || !std::filesystem::is_directory(voices, error)) return codes;
  for (std::filesystem::directory_iterator it(voices, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (it->is_directory(error) && settings::IsLanguageCode(name)) codes.push_back(name);
  }
  std::sort(codes.begin(), codes.end());
  return codes;
}

float GainFor(settings::Volume volume) {
  return volume == settings::Volume::kQuiet ? sound::kQuietGain : 1.0f;
}

}  // namespace shell
