// The main menu WOB: four picture buttons, the parent's key combinations, the keyboard lockdown.
#pragma once

#include <cstdint>
#include <string>

#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/game_state.h"
#include "game/lockdown/companion_system.h"
#include "game/lockdown/keyboard_lock.h"
#include "game/shell/held_combination.h"
#include "game/shell/parent_panel.h"

namespace shell {

// The four screens the menu opens, modally, over itself.
struct MenuScreens {
  forms::Form& frmLetters;
  forms::Form& frmNumbers;
  forms::Form& frmShapes;
  forms::Form& frmPaint;
  ParentPanel* frmParent = nullptr;  // opened by holding Ctrl+Alt+O; none: the keys do nothing
};

struct MenuButton;

class MainMenuForm : public forms::Form {
 public:
  // keyboard: the platform's keyboard lock, which the menu's load takes and its unload gives
  // back; companion: the companion's system calls, null where no companion runs (Linux).
  MainMenuForm(forms::Application& app, game::GameState& game, lockdown::KeyboardLock& keyboard,
               lockdown::CompanionSystem* companion, MenuScreens screens);

  void Form_Load() override;
  void Form_Resize() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_KeyUp(int key_code, int shift) override;
  void Form_KeyPress(int key_ascii) override;
  void Form_Unload() override;

  double ButtonHeight = 0;         // twips
  std::int64_t ButtonWidth = 0;    // twips; wide so that very wide displays fit
  std::intptr_t KeyboardHook = 0;  // 0 when no hook is installed

 protected:
  void Design() override;

 private:
  void DesignButton(const MenuButton& button);
  // cmdLetters_MouseDown to cmdColors_MouseUp: the buttons ignore the mouse button, the shift
  // state and the position.
  void Button_MouseDown(const MenuButton& button);
  void Button_MouseUp(const MenuButton& button);
  void DesignLabel(const std::string& name, float left, float top, const std::string& caption,
                   forms::Color color);
  void LoadButtonPicture(const std::string& button, const std::string& file);
  void LoadRandomCursor();
  void LayOutButtons(double width, double height);
  void LayOutLabels(double width, double height);
  void StopCompanion();
  void ReleaseLockdownAfterError();
  void ExitGame();
  void StartHold(int key_code);
  void tmrParentHold_Timer();
  void ShowHold();  // the ring's fill, or no ring when no hold runs

  game::GameState& game_;
  lockdown::KeyboardLock& keyboard_;
  lockdown::CompanionSystem* companion_;
  MenuScreens screens_;
  bool started_companion_ = false;  // this run's load started the companion, and no stop yet
  HeldCombination hold_;            // Ctrl+Alt+O for the panel, Ctrl+Alt+T when the exit is held
};

}  // namespace shell
