// The parent panel frmParent: the parent's settings, each saved at once, and what the child tried.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/game_state.h"
#include "game/lockdown/escape_tally.h"
#include "game/settings/settings_store.h"
#include "game/sound/wave_output.h"

namespace shell {

class ParentPanel : public forms::Form {
 public:
  // store: the settings file each change goes to; sound: the output the volume applies to.
  ParentPanel(forms::Application& app, game::GameState& game, settings::SettingsStore& store,
              sound::WaveOutput& sound);

  void Form_Load() override;
  void Form_Resize() override;

  // The game that ends now, from the menu's load: its figures go to the [LastGame] section.
  void KeepLastGame(double run_ms, const lockdown::EscapeCounts& held_back);

  // Each button steps its setting to the next choice.
  void cmdSpeakNames_Click();
  void cmdLanguage_Click();
  void cmdExit_Click();
  void cmdVolume_Click();
  void cmdKeepPaintings_Click();
  void cmdClose_Click() { Unload(); }

 protected:
  void Design() override;

 private:
  forms::CommandButton& DesignButton(const std::string& name, void (ParentPanel::*click)());
  forms::Label& DesignLabel(const std::string& name, forms::Color color);
  // Saves the one setting the parent changed and shows them all.
  template <class Value>
  void Changed(Value settings::Settings::*setting);
  void ShowSettings();
  void ShowGames();

  game::GameState& game_;
  settings::SettingsStore& store_;
  sound::WaveOutput& sound_;
  std::vector<std::string> languages_;  // "" (automatic) and the voices' folders beside the game
  std::optional<settings::LastGame> previous_game_;  // as the settings file held it at start
};

// The codes of the voices/<code>/ folders in the app folder, sorted.
std::vector<std::string> VoiceLanguages(const std::string& app_folder);

// The gain of the sound output for a volume setting.
float GainFor(settings::Volume volume);

}  // namespace shell
