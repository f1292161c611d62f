// The Wayland compositor's shortcuts inhibitor, asked for by each game window on SDL's connection.
#include "game/forms/sdl/wayland_shortcuts.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <wayland-client.h>

#include <cstring>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

namespace forms {

namespace {

bool WaylandInfo(SDL_Window* window, SDL_SysWMinfo& info) {
  SDL_VERSION(&info.version);
  return window != nullptr && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
         info.subsystem == SDL_SYSWM_WAYLAND;
}

}  // namespace

WaylandShortcuts::WaylandShortcuts(SDL_Window* window) {
  SDL_SysWMinfo info;
  if (!WaylandInfo(window, info)) return;
  display_ = info.info.wl.display;
  queue_ = wl_display_create_queue(display_);
  // A wrapper puts the registry on the private queue; the round trip then runs only that queue.
  auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display_));
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue_);
  wl_registry* registry = wl_display_get_registry(wrapper);
  wl_proxy_wrapper_destroy(wrapper);
  static const wl_registry_listener kListener{&WaylandShortcuts::OnGlobal, nullptr};
  wl_registry_add_listener(registry, &kListener, this);
  wl_display_roundtrip_queue(display_, queue_);
  wl_registry_destroy(registry);
  // Inhibitors follow their manager onto SDL's queue, which SDL dispatches as it reads input.
  if (manager_ != nullptr) wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(manager_), nullptr);
}

WaylandShortcuts::~WaylandShortcuts() {
  if (manager_ != nullptr) zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
  if (seat_ != nullptr) wl_seat_destroy(seat_);
  if (queue_ != nullptr) wl_event_queue_destroy(queue_);
}

void WaylandShortcuts::OnGlobal(void* self, wl_registry* registry, unsigned name,
                                const char* interface, unsigned version) {
  auto* shortcuts = static_cast<WaylandShortcuts*>(self);
  const char* manager = zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name;
  if (std::strcmp(interface, manager) == 0 && shortcuts->manager_ == nullptr) {
    shortcuts->manager_ = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(
        wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
  } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && shortcuts->seat_ == nullptr) {
    // The seat's own events stay unread on the private queue: only its identity is needed.
    shortcuts->seat_ = static_cast<wl_seat*>(
        wl_registry_bind(registry, name, &wl_seat_interface, version < 5 ? version : 5));
  }
}

zwp_keyboard_shortcuts_inhibitor_v1* WaylandShortcuts::Inhibit(wl_surface* surface) {
  if (!Available() || surface == nullptr) return nullptr;
  return zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, surface, seat_);
}

WaylandInhibitor::WaylandInhibitor(WaylandShortcuts& shortcuts, SDL_Window* window, TraceLine trace)
    : shortcuts_(shortcuts), trace_(std::move(trace)) {
  SDL_SysWMinfo info;
  if (WaylandInfo(window, info)) surface_ = info.info.wl.surface;
}

WaylandInhibitor::~WaylandInhibitor() {
  Withdraw();
}

void WaylandInhibitor::Apply(ShortcutsInhibitPolicy::Action action) {
  using Action = ShortcutsInhibitPolicy::Action;
  if (action == Action::kWithdraw || action == Action::kRenew) Withdraw();
  if (action == Action::kRequest || action == Action::kRenew) Request();
}

void WaylandInhibitor::Request() {
  inhibitor_ = shortcuts_.Inhibit(surface_);
  if (inhibitor_ == nullptr) return;
  static const zwp_keyboard_shortcuts_inhibitor_v1_listener kListener{
      &WaylandInhibitor::OnActive, &WaylandInhibitor::OnInactive};
  zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor_, &kListener, this);
  trace_("shortcuts requested");
}

void WaylandInhibitor::Withdraw() {
  if (inhibitor_ == nullptr) return;
  zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor_);
  inhibitor_ = nullptr;
}

void WaylandInhibitor::OnActive(void* self, zwp_keyboard_shortcuts_inhibitor_v1*) {
  auto* inhibitor = static_cast<WaylandInhibitor*>(self);
  inhibitor->trace_("shortcuts inhibited");
  inhibitor->Apply(inhibitor->policy_.OnActive());
}

void WaylandInhibitor::OnInactive(void* self, zwp_keyboard_shortcuts_inhibitor_v1*) {
  auto* inhibitor = static_cast<WaylandInhibitor*>(self);
  inhibitor->trace_("shortcuts restored");
  inhibitor->Apply(inhibitor->policy_.OnInactive());
}

}  // namespace forms
