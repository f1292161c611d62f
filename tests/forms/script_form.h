// A test form whose design and handlers are set by each test, with a one-letter event log.
#pragma once

#include <functional>
#include <string>

#include "game/forms/application.h"
#include "game/forms/form.h"

namespace formtest {

// Log letters: D design, L load, R resize, K key down, P key press, U unload.
class ScriptForm : public forms::Form {
 public:
  explicit ScriptForm(forms::Application& app, bool maximised = true);

  std::function<void(ScriptForm&)> design, load, resize, unload;
  std::function<void(int key, int shift)> key_down;
  std::function<void(int ch)> key_press;
  std::string log;

  template <class T>
  T& AddControl(const std::string& name, forms::Container* parent = nullptr) {
    return Add<T>(name, parent);
  }

  void Form_Load() override;
  void Form_Resize() override;
  void Form_KeyDown(int key_code, int shift) override;
  void Form_KeyPress(int key_ascii) override;
  void Form_Unload() override;

 protected:
  void Design() override;
};

// A folder holding the label font, for tests that draw text.
std::string FontFolder();

}  // namespace formtest
