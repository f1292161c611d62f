// The Linux platform: SDL2 windows, input and clock behind the forms Platform interface.
#include "game/forms/sdl/sdl_platform.h"

#include <SDL.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "game/forms/picture.h"
#include "game/forms/sdl/asset_folder.h"
#include "game/forms/sdl/posix_clock.h"
#include "game/forms/sdl/sdl_cursor_cache.h"
#include "game/forms/sdl/sdl_video_driver.h"
#include "game/forms/sdl/sdl_window.h"
#include "game/forms/sdl/wayland_shortcuts.h"
#include "game/forms/sdl/x11_errors.h"

namespace forms {

namespace {

constexpr int kTwipsPerPixel = 15;      // 96 DPI: X servers often report a bogus DPI
constexpr int kLongestWaitMs = 60'000;  // one wait's cap; a far deadline just loops
// A busy handler turns the event loop thousands of times a second; the display is asked for
// new input at most this often then, which nobody can tell from at once.
constexpr double kPumpSpacingMs = 1.0;
constexpr int kOwnMappingBytes = 128 * 1024;  // a 180 x 180 picture or more
// The desktop file's id: every window carries it as its Wayland app id and X11 class, so a
// desktop knows the game by its entry and GNOME keeps a parent's answer about its shortcuts.
constexpr char kAppId[] = "org.wobbleton.playboard";

double EpochMs() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration<double, std::milli>(now).count();
}

// Without a display SDL falls back to drivers that draw nowhere; the game is no use there
// unless someone asked for such a driver by name (SDL_VIDEODRIVER), as the tests do.
bool ShowsOnScreen(const char* driver) {
  const std::string name = driver != nullptr ? driver : "";
  const bool invisible = name == "offscreen" || name == "dummy" || name == "evdev";
  return !invisible || std::getenv("SDL_VIDEODRIVER") != nullptr;
}

// SDL's video start asks D-Bus for the session bus. Where there is none to be found (a bare X
// server, a kiosk session), libdbus would launch a bus daemon of its own: a third of a second
// before the first frame, and a daemon left behind. Tell it plainly that there is none.
void KeepDbusFromLaunchingABus() {
  if (std::getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr) return;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && access((std::string(runtime) + "/bus").c_str(), F_OK) == 0) return;
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
}

}  // namespace

SdlPlatform::SdlPlatform()
    : translator_([this](std::uint32_t sdl_window_id) { return FromSdlId(sdl_window_id); }) {
  const char* trace = std::getenv("WOB_TRACE");
  trace_ = trace != nullptr && std::string(trace) == "1";
  // The steps to the first frame, for the start-up benchmark: libraries loaded, video started.
  Trace("start");
  // SDL would turn Ctrl+C and SIGTERM into SDL_QUIT, which the game ignores on purpose;
  // leave the signals their ordinary effect so the program can still be stopped.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A child's first click on a window must count, focused or not.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // SDL would minimise a full-screen window at Alt+Tab even while it holds the keyboard.
  SDL_SetHint(SDL_HINT_ALLOW_ALT_TAB_WHILE_GRABBED, "0");
  // SDL 2.26 reads the app id and class from the environment when its video starts.
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", kAppId, 1);
  setenv("SDL_VIDEO_X11_WMCLASS", kAppId, 1);
  // Before SDL's start-up too: SDL's own handler passes errors on to the one it found.
  PassOverXErrors();
  KeepDbusFromLaunchingABus();
  // Decoded and scaled pictures are large and short-lived: each gets a mapping of its own that
  // goes back to the system when it is freed, instead of heap pages that stay resident.
  mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
  std::string& driver = video_driver_;
  try {
    driver = StartVideo(
        VideoDriverCandidates(std::getenv("WAYLAND_DISPLAY"), std::getenv("SDL_VIDEODRIVER")));
  } catch (const std::runtime_error& error) {
    throw std::runtime_error(std::string("Cannot open the display (is DISPLAY set?): ") +
                             error.what());
  }
  if (!ShowsOnScreen(driver.c_str())) {
    SDL_Quit();
    throw std::runtime_error("Cannot open the display (is DISPLAY set?): no display found");
  }
  // Set after SDL's own start-up, which installs a handler that defers to Xlib's fatal one.
  if (driver == "x11") PassOverXErrors();
  // The canvas is drawn in software already: on X11 the windows show it through the plain
  // framebuffer, which takes just the changed rectangles, not through a GL context that would
  // redraw the whole window in software for every dot. Wayland has no plain framebuffer in
  // SDL: there the window surface must come from a renderer, or nothing is ever shown.
  if (driver == "x11") SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_StartTextInput();
  counter_start_ = SDL_GetPerformanceCounter();
  counter_frequency_ = SDL_GetPerformanceFrequency();
  cursors_ = std::make_unique<SdlCursorCache>();
  Trace("video " + driver);
}

SdlPlatform::~SdlPlatform() {
  // Everything SDL made goes before SDL_Quit.
  windows_.clear();
  wayland_shortcuts_.reset();
  cursors_.reset();
  SDL_Quit();
}

PixelRect SdlPlatform::DisplayBounds() {
  SDL_Rect bounds{};
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return {0, 0, 640, 480};
  return {bounds.x, bounds.y, bounds.w, bounds.h};
}

std::vector<PixelRect> SdlPlatform::Displays() {
  std::vector<PixelRect> displays;
  const int count = SDL_GetNumVideoDisplays();
  for (int i = 0; i < count; ++i) {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(i, &bounds) == 0)
      displays.push_back({bounds.x, bounds.y, bounds.w, bounds.h});
  }
  if (displays.empty()) displays.push_back(DisplayBounds());
  return displays;
}

int SdlPlatform::TwipsPerPixel() {
  return kTwipsPerPixel;
}

WindowId SdlPlatform::CreateWindow(const WindowSpec& spec) {
  auto window = std::make_unique<SdlWindow>(spec, DisplayBounds(), video_driver_ == "wayland");
  if (!window->Valid()) {
    Trace(std::string("no window: ") + SDL_GetError());
    return 0;
  }
  if (keyboard_grab_) window->SetKeyboardGrab(true);
  const WindowId id = next_window_++;
  if (video_driver_ == "wayland") InhibitShortcutsOf(*window, id);
  windows_[id] = std::move(window);
  const PixelRect place = PlaceWindow(spec, DisplayBounds());
  Trace("window id=" + std::to_string(id) + " w=" + std::to_string(place.w) +
        " h=" + std::to_string(place.h));
  return id;
}

void SdlPlatform::DestroyWindow(WindowId window) {
  if (windows_.erase(window) == 0) return;
  window_cursors_.erase(window);
  std::erase(shown_order_, window);
  FocusTopWindow();
}

void SdlPlatform::ShowWindow(WindowId window, bool visible) {
  SdlWindow* native = Find(window);
  if (native == nullptr) return;
  // A cover is never where the focus goes back to.
  if (native->IsCover()) return native->Show(visible);
  std::erase(shown_order_, window);
  if (visible) shown_order_.push_back(window);
  native->Show(visible);
  if (!visible) FocusTopWindow();
}

void SdlPlatform::FocusWindow(WindowId window) {
  SdlWindow* native = Find(window);
  if (native != nullptr && !native->IsCover() && native->Visible()) native->Show(true);
}

Canvas* SdlPlatform::FrameBuffer(WindowId window, int width, int height) {
  SdlWindow* native = Find(window);
  return native != nullptr ? native->Frame(width, height) : nullptr;
}

void SdlPlatform::ReleaseFrameBuffer(WindowId window) {
  // Only X11 gives a shrunk window's surface memory back at once and keeps the window's place.
  SdlWindow* native = Find(window);
  if (native == nullptr) return;
  const bool shrink = video_driver_ == "x11";
  // A window that gives its frame back as it leaves uncovers the ones it hid: they take their
  // size back first, so that the desktop never shows through before they are drawn.
  if (shrink) {
    for (auto& [id, other] : windows_) {
      if (id != window && other->Visible()) other->Regrow();
    }
  }
  native->ReleaseFrame(shrink);
}

void SdlPlatform::Present(WindowId window, const std::vector<PixelRect>& dirty) {
  SdlWindow* native = Find(window);
  if (native == nullptr || dirty.empty()) return;
  const double start = trace_ ? EpochMs() : 0;
  const long pixels = native->Present(dirty);
  if (!trace_) return;
  const double end = EpochMs();
  char timing[64];
  std::snprintf(timing, sizeof timing, " ms=%.3f", end - start);
  Trace("present id=" + std::to_string(window) + " pixels=" + std::to_string(pixels) + timing);
}

void SdlPlatform::SetCursor(WindowId window, const Picture* cursor) {
  if (Find(window) == nullptr) return;
  SDL_Cursor* native = cursors_->Get(cursor);
  window_cursors_[window] = native;
  // SDL has one cursor for the whole program: it changes now only when the pointer is over
  // this window (or over none of the game's); otherwise when the pointer enters it.
  SDL_Window* focus = SDL_GetMouseFocus();
  if (focus == nullptr || FromSdlId(SDL_GetWindowID(focus)) == window) SDL_SetCursor(native);
}

bool SdlPlatform::WaitEvent(Event& event, double deadline_ms) {
  while (pending_.empty()) {
    SDL_Event native;
    if (!NextNativeEvent(native, deadline_ms)) return false;
    Observe(native);
    if (!ShrinkOfHiddenWindow(native)) translator_.Translate(native, pending_);
  }
  event = pending_.front();
  pending_.pop_front();
  // Scripts see which keys the game's windows received.
  if (event.kind == Event::Kind::kKeyDown)
    Trace("key-down vk=" + std::to_string(event.key) + " shift=" + std::to_string(event.shift));
  return true;
}

bool SdlPlatform::NextNativeEvent(SDL_Event& native, double deadline_ms) {
  for (;;) {
    const double remaining = deadline_ms - NowMs();
    if (!(remaining > 0)) {
      if (NowMs() - last_pump_ms_ >= kPumpSpacingMs) {
        SDL_PumpEvents();
        last_pump_ms_ = NowMs();
      }
      return SDL_PeepEvents(&native, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1;
    }
    const int timeout =
        remaining >= kLongestWaitMs ? kLongestWaitMs : static_cast<int>(std::ceil(remaining));
    if (SDL_WaitEventTimeout(&native, timeout) == 1) return true;
  }
}

void SdlPlatform::Observe(const SDL_Event& native) {
  if (native.type == SDL_KEYUP) return ObserveKeyUp(native.key);
  if (native.type != SDL_WINDOWEVENT) return;
  const WindowId window = FromSdlId(native.window.windowID);
  const bool gained = native.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
  if (gained || native.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
    if (SdlWindow* focused = Find(window)) focused->OnFocus(gained);
    if (gained && keyboard_grab_) Trace("focus id=" + std::to_string(window));
  }
  // A shown X11 window is managed: it says now that it may grab the keyboard under Xwayland,
  // well before its focus, so the grab SDL takes at the focus already counts.
  if (native.window.event == SDL_WINDOWEVENT_SHOWN && video_driver_ == "x11") {
    if (SdlWindow* shown = Find(window)) shown->AllowGrab();
  }
  if (native.window.event == SDL_WINDOWEVENT_EXPOSED) {
    if (SdlWindow* cover = Find(window); cover != nullptr && cover->IsCover()) cover->PaintBlack();
  }
  if (native.window.event == SDL_WINDOWEVENT_ENTER) {
    auto found = window_cursors_.find(window);
    SDL_SetCursor(found != window_cursors_.end() ? found->second : SDL_GetDefaultCursor());
  }
}

// GNOME's Super+Escape gives the desktop back its shortcuts and ends an Xwayland window's grab
// without a word to the window, so the grab is taken anew as that chord's Windows key comes up.
void SdlPlatform::ObserveKeyUp(const SDL_KeyboardEvent& key) {
  const SDL_Scancode code = key.keysym.scancode;
  if (video_driver_ != "x11" || !keyboard_grab_) return;
  if (code != SDL_SCANCODE_LGUI && code != SDL_SCANCODE_RGUI) return;
  if (SdlWindow* window = Find(FromSdlId(key.windowID))) window->GrabAfresh();
}

// A window shrunk while hidden keeps its form's size: the form hears nothing of it.
bool SdlPlatform::ShrinkOfHiddenWindow(const SDL_Event& native) {
  if (native.type != SDL_WINDOWEVENT || native.window.event != SDL_WINDOWEVENT_SIZE_CHANGED) {
    return false;
  }
  const SdlWindow* window = Find(FromSdlId(native.window.windowID));
  return window != nullptr && window->Shrunk();
}

double SdlPlatform::NowMs() {
  const std::uint64_t ticks = SDL_GetPerformanceCounter() - counter_start_;
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(counter_frequency_);
}

double SdlPlatform::SecondsSinceMidnight() {
  return LocalSecondsSinceMidnight();
}

std::string SdlPlatform::AppFolder() {
  char* base = SDL_GetBasePath();
  if (base == nullptr) return ".";
  std::string folder = base;
  SDL_free(base);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return AssetFolderFor(folder);
}

void SdlPlatform::MessageBox(const std::string& caption, const std::string& text) {
  // There may be no window manager to show the box, so the text goes to stderr as well.
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
  // The box is a window of its own: it needs the keyboard the lockdown holds.
  if (keyboard_grab_) GrabWindows(false);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), nullptr);
  if (keyboard_grab_) GrabWindows(true);
}

void SdlPlatform::SetKeyboardGrab(bool grab) {
  keyboard_grab_ = grab;
  GrabWindows(grab);
}

SdlWindow* SdlPlatform::Find(WindowId window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second.get();
}

WindowId SdlPlatform::FromSdlId(std::uint32_t sdl_window_id) {
  if (sdl_window_id == 0) return TopWindow();
  for (const auto& [id, window] : windows_) {
    if (window->SdlId() == sdl_window_id) return id;
  }
  return 0;
}

WindowId SdlPlatform::TopWindow() const {
  return shown_order_.empty() ? 0 : shown_order_.back();
}

void SdlPlatform::FocusTopWindow() {
  // X11 gives the focus to no window when the focused one goes; the window below must
  // take it, or no key would reach the game any more.
  if (SdlWindow* top = Find(TopWindow())) top->TakeFocus();
}

void SdlPlatform::GrabWindows(bool grab) {
  for (const auto& [id, window] : windows_) window->SetKeyboardGrab(grab);
}

void SdlPlatform::InhibitShortcutsOf(SdlWindow& window, WindowId id) {
  if (!wayland_shortcuts_) wayland_shortcuts_ = std::make_unique<WaylandShortcuts>(window.Native());
  window.InhibitThrough(*wayland_shortcuts_, [this, id](const std::string& line) {
    Trace(line + " id=" + std::to_string(id));
  });
}

void SdlPlatform::Trace(const std::string& line) {
  if (!trace_) return;
  std::fprintf(stderr, "wob-trace t=%.3f %s\n", EpochMs(), line.c_str());
  std::fflush(stderr);
}

}  // namespace forms
