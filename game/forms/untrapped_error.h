// An error that no handler trapped: it passes every PassOver on its way to Application::Run.
#pragma once

#include <stdexcept>
#include <string>

#include "game/forms/errors.h"

namespace forms {

class UntrappedError : public std::runtime_error {
 public:
  explicit UntrappedError(const std::string& box_text) : std::runtime_error(box_text) {}
};

// Runs one event handler. Its own untrapped run-time error must end the program even when a
// tick that called DoEvents passes over its failing statements, so it leaves as UntrappedError.
template <class Handler>
void RunHandler(Handler&& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    throw UntrappedError(error.BoxText());
  }
}

}  // namespace forms
