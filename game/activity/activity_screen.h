// The letters, numbers and shapes screens: one form class configured by a table.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "game/activity/screen_table.h"
#include "game/forms/application.h"
#include "game/forms/form.h"
#include "game/game_state.h"
#include "game/sound/cls_wave.h"

namespace activity {

constexpr int kSlotCount = 30;
constexpr float kDesignWidth = 6060;   // twips
constexpr float kDesignHeight = 4215;  // twips
constexpr float kDesignButton = 495;   // twips
constexpr float kMargin = 200;         // twips
// Most candidates one spot search draws before it gives up.
constexpr int kMaxCandidates = 1000;

// One picture slot. Tick numbers are whole numbers so a screen left open for months still
// counts every tick exactly.
struct Slot {
  std::int64_t BornTick = 0;  // 0: free; else the tick that spawned the slot's picture
  int FireStage = 0;          // 0: not bursting; 1 to 6: ticks since the burst began, plus 1
};

class ActivityScreen : public forms::Form {
 public:
  // sound: where the celebration's firework sound plays and the pictures say their names.
  ActivityScreen(forms::Application& app, game::GameState& game, sound::WaveOutput& sound,
                 const ScreenTable& table);
  ~ActivityScreen() override;

  void Form_Load() override;
  void Form_Resize() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_KeyPress(int key_ascii) override;
  void Form_Unload() override;
  void Timer1_Timer();

  // Finds a clear spot for a new picture in NewLeft and NewTop; false when none was found
  // within kMaxCandidates draws.
  bool testDo();

  // The file last loaded into a control of this screen ("\A.jpg"); empty when none.
  std::string LoadedFile(const std::string& control) const;
  static std::string SlotName(int slot);  // "cmd7Img"

 protected:
  void Design() override;

 private:
  friend class ActivityScreenProbe;  // tests and benchmarks reach the form-level state
  class ScreenClosed {};             // thrown when an event-loop turn unloaded the screen

  void DesignPickers();
  void Picker_MouseDown(int picker);  // picker: index into kPickers
  void Picker_MouseUp(int picker);
  void cmdExit_MouseUp(const forms::MouseArgs& args);
  void Frame1_MouseUp(const forms::MouseArgs& args);
  void LayoutButton(forms::Control& button, float form_height, int place);
  void LoadInto(forms::Image& image, const std::string& file);
  void Turn();

  void SpawnForPicker();
  void SpawnForPresses();
  void SpawnPicture(int group);
  bool CandidateClear();
  int TakeFreeSlot();
  std::string ChoosePicture(int group);
  void PlacePicture(forms::Image& image, const std::string& file);
  void SayName(const std::string& picture);

  void RunTick();
  template <class Step>
  void Pass(Step step);
  void Ignite(int slot);
  void SecondPicture(int slot);
  void ThirdPicture(int slot);
  void RemovePicture(int slot);
  void PlayFireSound(int slot);

  game::GameState& game_;
  sound::WaveOutput& sound_;
  const ScreenTable& table_;

  // Form-level state; it outlives unloading, as the form object does.
  float HeightRatio = 1;
  float WidthRatio = 1;
  int PickerChoice = 0;  // 0 none, else a group number 1 to 6
  int PressCount = 0;
  std::string PendingPicture;
  float NewLeft = 0;  // twips, whole
  float NewTop = 0;   // twips, whole
  std::int64_t TickCount = 0;
  int SoundGate = 0;
  std::array<Slot, kSlotCount + 1> slots_;  // index 1 to 30
  std::array<std::unique_ptr<sound::clsWave>, kSlotCount + 1> FirePlayers;
  std::map<std::string, std::string> loaded_files_;  // control name -> file last loaded
  int candidates_ = 0;  // candidates the last spot search drew, for measurements
};

}  // namespace activity
