// A recorder of what a scripted play does, one line per event, for the golden trace.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/forms/form.h"
#include "game/game_state.h"
#include "tests/lib/scenario.h"

namespace gametest {

// Compares the game's state between two calls of Record and writes a line for each change:
// forms loaded and unloaded, controls added and removed, pictures and cursors given by file
// name, dots painted, and the platform's services (programs, hooks, sounds, message boxes).
class PlayTrace {
 public:
  PlayTrace(wobtest::Scenario& scenario, const game::GameState& state,
            std::vector<std::pair<const forms::Form*, std::string>> forms);

  void Step(const std::string& what);  // writes "> what", the script's own line
  void Record();                       // writes the changes since the last call
  std::string Text() const;

 private:
  struct Tracked {
    std::string name;
    std::weak_ptr<const bool> alive;
    const forms::Picture* picture = nullptr;
    long painted = 0;  // pixels of a picture box not in its back colour
  };
  struct FormState {
    const forms::Form* form;
    std::string name;
    bool loaded = false;
    const forms::Picture* cursor = nullptr;
    std::vector<Tracked> controls;
  };

  void RecordForm(FormState& state);
  void RecordControl(FormState& state, Tracked& tracked, const forms::Control& control);
  void RecordPlatform();
  std::string Describe(const forms::Control& control) const;
  std::string FileOf(const forms::PictureRef& picture);
  std::string Local(const std::string& path) const;  // the app folder shown as <app>
  void Line(const std::string& text);

  wobtest::Scenario& scenario_;
  const game::GameState& state_;
  std::vector<FormState> forms_;
  std::map<std::uint64_t, std::string> files_by_content_;
  std::map<const forms::Picture*, std::pair<forms::PictureRef, std::string>> known_;
  bool sound_switch_ = false;
  std::size_t programs_ = 0, installs_ = 0, removals_ = 0, plays_ = 0, boxes_ = 0;
  std::vector<std::string> lines_;
};

}  // namespace gametest
