// Win32Platform: display, windows and the blocking message loop.
#include "game/forms/win32/win32_platform.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/forms/win32/win32_api.h"
#include "game/forms/win32/win32_cover.h"
#include "game/forms/win32/win32_text.h"
#include "game/forms/win32/win32_window.h"

namespace forms {

Win32Platform::Win32Platform() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  ms_per_count_ = 1000.0 / static_cast<double>(frequency.QuadPart);
}

Win32Platform::~Win32Platform() = default;

PixelRect Win32Platform::DisplayBounds() {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (!GetMonitorInfoA(monitor, &info)) {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  const RECT& r = info.rcMonitor;
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoA(monitor, &info)) return TRUE;
  const RECT& r = info.rcMonitor;
  auto& displays = *reinterpret_cast<std::vector<PixelRect>*>(list);
  const PixelRect bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
  // The primary display comes first.
  if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
    displays.insert(displays.begin(), bounds);
  } else {
    displays.push_back(bounds);
  }
  return TRUE;
}

}  // namespace

std::vector<PixelRect> Win32Platform::Displays() {
  std::vector<PixelRect> displays;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&displays));
  if (displays.empty()) displays.push_back(DisplayBounds());
  return displays;
}

int Win32Platform::TwipsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (dpi <= 0) return 15;
  return std::max(1, static_cast<int>(std::lround(1440.0 / dpi)));
}

WindowId Win32Platform::CreateWindow(const WindowSpec& spec) {
  if (spec.cover) {
    auto cover = std::make_unique<Win32Cover>(
        next_window_, spec.place, [this](const Event& event) { events_.push_back(event); });
    if (!cover->Valid()) return 0;
    covers_[next_window_] = std::move(cover);
    return next_window_++;
  }
  const PixelRect display = DisplayBounds();
  PixelRect bounds = display;
  if (!spec.maximised) {
    bounds.w = spec.width;
    bounds.h = spec.height;
    if (spec.centred) {
      bounds.x = display.x + (display.w - spec.width) / 2;
      bounds.y = display.y + (display.h - spec.height) / 2;
    }
  }
  const WindowId id = next_window_;
  auto window =
      std::make_unique<Win32Window>(id, Utf8ToAnsi(spec.caption), bounds,
                                    [this](const Event& event) { events_.push_back(event); });
  if (!window->Valid()) return 0;
  ++next_window_;
  windows_[id] = std::move(window);
  return id;
}

void Win32Platform::DestroyWindow(WindowId window) {
  windows_.erase(window);
  covers_.erase(window);
  // Input that was meant for the window goes with it.
  std::erase_if(events_, [window](const Event& event) { return event.window == window; });
}

void Win32Platform::ShowWindow(WindowId window, bool visible) {
  if (Win32Window* found = Find(window)) found->Show(visible);
  if (auto cover = covers_.find(window); cover != covers_.end()) cover->second->Show(visible);
}

void Win32Platform::FocusWindow(WindowId window) {
  if (Win32Window* found = Find(window)) found->Show(true);
}

Canvas* Win32Platform::FrameBuffer(WindowId window, int width, int height) {
  Win32Window* found = Find(window);
  return found != nullptr ? &found->Frame(width, height) : nullptr;
}

void Win32Platform::Present(WindowId window, const std::vector<PixelRect>& dirty) {
  if (Win32Window* found = Find(window)) found->Present(dirty);
}

void Win32Platform::ReleaseFrameBuffer(WindowId window) {
  if (Win32Window* found = Find(window)) found->ReleaseFrame();
}

void Win32Platform::SetCursor(WindowId window, const Picture* cursor) {
  if (Win32Window* found = Find(window)) found->SetCursorPicture(cursor);
}

Win32Window* Win32Platform::Find(WindowId window) {
  auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : found->second.get();
}

bool Win32Platform::WaitEvent(Event& event, double deadline_ms) {
  for (;;) {
    // A busy handler turns the event loop thousands of times a second; the message queue is
    // looked at most once a millisecond then, which nobody can tell from at once.
    const double now = NowMs();
    if (events_.empty() && (now < deadline_ms || now - last_pump_ms_ >= kPumpSpacingMs)) {
      last_pump_ms_ = now;
      while (events_.empty() && PumpOne()) {
      }
    }
    if (!events_.empty()) {
      event = events_.front();
      events_.pop_front();
      return true;
    }
    if (NowMs() >= deadline_ms) return false;
    WaitForInput(deadline_ms);
  }
}

bool Win32Platform::PumpOne() {
  MSG message;
  if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  // WM_QUIT is never posted by the game; the runtime ends when its last form unloads.
  TranslateMessage(&message);  // posts WM_CHAR after a key down that makes a character
  DispatchMessageA(&message);
  return true;
}

// Blocks without spinning until input arrives or the deadline passes.
void Win32Platform::WaitForInput(double deadline_ms) {
  DWORD timeout = INFINITE;
  if (deadline_ms < std::numeric_limits<double>::max()) {
    // Rounded up, so a wake-up never comes a little before the deadline and spins.
    const double remaining = std::ceil(deadline_ms - NowMs());
    timeout = static_cast<DWORD>(std::clamp(remaining, 0.0, static_cast<double>(INFINITE - 1)));
  }
  MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

double Win32Platform::NowMs() {
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * ms_per_count_;
}

}  // namespace forms
