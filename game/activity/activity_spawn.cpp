// Picture spawning: key notes, the spawn steps of a tick and the search for a clear spot.
#include <algorithm>
#include <cmath>

#include "game/activity/activity_screen.h"

namespace activity {

void ActivityScreen::Form_KeyPress(int key_ascii) {
  std::string picture = PictureForKey(table_, key_ascii);
  if (!picture.empty()) PendingPicture = std::move(picture);
  ++PressCount;
}

void ActivityScreen::SpawnForPicker() {
  if (PickerChoice > 0) SpawnPicture(PickerChoice);
}

void ActivityScreen::SpawnForPresses() {
  if (PressCount > 0) SpawnPicture(App().Rng().Pick(kGroupCount));
}

void ActivityScreen::SpawnPicture(int group) {
  // With no clear spot left the spawn places nothing rather than cover a picture.
  if (!testDo()) return;
  const int slot = TakeFreeSlot();
  if (slot == 0) return;
  const std::string file = ChoosePicture(group);
  const std::string name = SlotName(slot);
  forms::Image& image = AddImage(name, &Get<forms::Frame>("Frame1"));
  try {
    PlacePicture(image, file);
  } catch (const forms::RuntimeError&) {
    // A half-made control would hold the slot's name while the slot stays free, and every
    // later spawn into the slot would fail on it; so it goes.
    Remove(name);
    throw;
  }
  slots_[slot].BornTick = TickCount;
  SayName(file);
}

// Each new picture says its name when the parent asked for names and the sound is on.
void ActivityScreen::SayName(const std::string& picture) {
  if (!game_.SoundSwitch || !game_.settings.speak_names) return;
  const std::string name = SpokenName(picture);
  if (name.empty()) return;
  sound_.Say(App().Path() + "\\voices\\" + game_.voice_language + "\\" + name + ".wav");
}

// The lowest free slot, or 0 when all are taken; the event loop gets a turn after each taken one.
int ActivityScreen::TakeFreeSlot() {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (slots_[slot].BornTick == 0) return slot;
    Turn();
  }
  return 0;
}

std::string ActivityScreen::ChoosePicture(int group) {
  if (table_.uses_pending && !PendingPicture.empty()) {
    std::string file = std::move(PendingPicture);
    PendingPicture.clear();
    return file;
  }
  const std::vector<std::string>& pictures = table_.groups[group];
  if (pictures.size() == 1) return pictures.front();
  App().Randomize();
  const int count = static_cast<int>(pictures.size());
  return pictures[std::min(App().Rng().Pick(count), count) - 1];
}

void ActivityScreen::PlacePicture(forms::Image& image, const std::string& file) {
  LoadInto(image, file);
  image.SetStretch(true);
  image.SetHeight(kDesignButton * HeightRatio);
  image.SetWidth(kDesignButton * WidthRatio);
  image.SetLeft(NewLeft);
  image.SetTop(NewTop);
  image.SetBorderStyle(0);
  image.SetAppearance(0);
  image.SetVisible(true);
}

namespace {
// The display holds positions in whole pixels. Rounding a candidate up to the next pixel keeps
// it at least 1 twip inside the frame and never past the frame's far edge (itself on a pixel),
// and the clearance test then judges the spot the picture will really take.
float SnapUp(float twips, int twips_per_pixel) {
  const float tpp = static_cast<float>(twips_per_pixel);
  return std::ceil(twips / tpp) * tpp;
}
}  // namespace

bool ActivityScreen::testDo() {
  App().Randomize();
  candidates_ = 0;
  while (candidates_ < kMaxCandidates) {
    ++candidates_;
    const auto& frame = Get<forms::Frame>("Frame1");
    const auto& size = Get<forms::Image>("cmdTriangle");
    const float h = size.Height(), w = size.Width();
    if (frame.Height() < h || frame.Width() < w) return false;  // no picture fits at all
    const int tpp = App().TwipsPerPixel();
    const float r1 = App().Rnd();
    NewTop = SnapUp(static_cast<float>(static_cast<int>((frame.Height() - h) * r1 + 1)), tpp);
    const float r2 = App().Rnd();
    NewLeft = SnapUp(static_cast<float>(static_cast<int>((frame.Width() - w) * r2 + 1)), tpp);
    Turn();
    if (CandidateClear()) return true;
  }
  // The search is bounded so that a full play area cannot hang the game.
  return false;
}

// Whether the candidate neither overlaps nor touches a picture present. A taken slot whose
// control is gone shows nothing, so it blocks nothing.
bool ActivityScreen::CandidateClear() {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    Turn();
    if (slots_[slot].BornTick <= 0) continue;
    const forms::Control* other = Find(SlotName(slot));
    if (other == nullptr) continue;
    const auto& size = Get<forms::Image>("cmdTriangle");
    const float h = size.Height(), w = size.Width();
    const float top = other->Top(), left = other->Left();
    if (!(NewTop < top - h || NewTop > top + h || NewLeft < left - w || NewLeft > left + w)) {
      return false;
    }
  }
  return true;
}

}  // namespace activity
