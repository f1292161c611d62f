// A parent key combination that acts only when held: exactly Ctrl+Alt and one letter, kept down
// for two seconds with no other key pressed meanwhile. A child's palms can't hold that still.
#pragma once

namespace shell {

class HeldCombination {
 public:
  static constexpr double kHoldMs = 2000;

  void Start(int key_code, double now_ms);
  // A key down while a hold runs: the held key's own repeat, Ctrl and Alt keep it; any other
  // key cancels it.
  void KeyDown(int key_code);
  // Releasing the held key, Ctrl or Alt cancels the hold.
  void KeyUp(int key_code);
  void Cancel() { key_ = 0; }

  int Key() const { return key_; }  // the key being held, 0 when no hold runs
  // How much of the hold has passed, 0 to 1; 0 when no hold runs.
  float Progress(double now_ms) const;
  bool Complete(double now_ms) const { return key_ != 0 && now_ms - start_ms_ >= kHoldMs; }

 private:
  int key_ = 0;
  double start_ms_ = 0;  // platform clock
};

}  // namespace shell
