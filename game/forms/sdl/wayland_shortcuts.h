// The Wayland compositor's shortcuts inhibitor, asked for by each game window on SDL's connection.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "game/forms/sdl/shortcuts_inhibit_policy.h"

struct SDL_Window;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct wl_surface;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

namespace forms {

using TraceLine = std::function<void(const std::string&)>;

// The compositor's inhibit manager and seat, bound once on the connection SDL opened. SDL's own
// keyboard grab makes an inhibitor it never listens to, so a withdrawn inhibition would go
// unnoticed: the game makes its own and hears the compositor's "active" and "inactive".
class WaylandShortcuts {
 public:
  // Available() is false when the window is no Wayland one or the compositor has no manager.
  explicit WaylandShortcuts(SDL_Window* window);
  ~WaylandShortcuts();
  WaylandShortcuts(const WaylandShortcuts&) = delete;
  WaylandShortcuts& operator=(const WaylandShortcuts&) = delete;

  bool Available() const { return manager_ != nullptr && seat_ != nullptr; }
  zwp_keyboard_shortcuts_inhibitor_v1* Inhibit(wl_surface* surface);

 private:
  static void OnGlobal(void* self, wl_registry* registry, unsigned name, const char* interface,
                       unsigned version);

  wl_display* display_ = nullptr;
  wl_event_queue* queue_ = nullptr;  // the binding's own, so SDL's events stay SDL's
  zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
  wl_seat* seat_ = nullptr;
};

// One window's inhibitor, made and renewed as the policy says. The compositor's events arrive
// while SDL reads its connection, on SDL's queue, and are answered there at once.
class WaylandInhibitor {
 public:
  WaylandInhibitor(WaylandShortcuts& shortcuts, SDL_Window* window, TraceLine trace);
  ~WaylandInhibitor();
  WaylandInhibitor(const WaylandInhibitor&) = delete;
  WaylandInhibitor& operator=(const WaylandInhibitor&) = delete;

  void SetWanted(bool wanted) { Apply(policy_.SetWanted(wanted)); }
  void OnFocus(bool gained) { Apply(policy_.OnFocus(gained)); }

 private:
  static void OnActive(void* self, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);
  static void OnInactive(void* self, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);
  void Apply(ShortcutsInhibitPolicy::Action action);
  void Request();
  void Withdraw();

  WaylandShortcuts& shortcuts_;
  wl_surface* surface_ = nullptr;
  zwp_keyboard_shortcuts_inhibitor_v1* inhibitor_ = nullptr;
  ShortcutsInhibitPolicy policy_;
  TraceLine trace_;
};

}  // namespace forms
