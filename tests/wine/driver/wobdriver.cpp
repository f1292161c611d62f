// wobdriver.exe: drives Windows programs under Wine the way a person would, for the Wine tests.
//
// Usage: wobdriver <command> [arguments]; exit code 0 on success, 1 when a window is not found
// or a wait timed out, 2 on bad usage. A window is named by CLASS and TITLE; "-" matches any.
// Timeouts are in milliseconds (default 10000).
//
//   wait CLASS TITLE [TIMEOUT]        wait until a top-level window exists; prints its handle
//   gone CLASS TITLE [TIMEOUT]        wait until no such top-level window exists
//   exists CLASS TITLE                exit 0 if the window exists now, 1 otherwise
//   count CLASS TITLE                 print how many top-level windows match
//   getcheck CLASS TITLE ID           print the check state (0, 1, 2) of dialog item ID
//   setcheck CLASS TITLE ID STATE     set the check state of dialog item ID
//   press CLASS TITLE ID              post WM_COMMAND ID to the window, as a button click does
//   click CLASS TITLE ID              post BM_CLICK to dialog item ID
//   text CLASS TITLE [ID]             print the window's title, or the text of dialog item ID
//   msgbox TITLE [TIMEOUT]            wait for a message box (#32770 with a static 65535),
//                                     print "caption|text|topmost" (topmost 1 or 0)
//   dismiss TITLE                     press OK in the message box with that caption
//   rect CLASS TITLE                  print "left top right bottom" of the window
//   list                              print every top-level window: class|title|rect|visible
//   foreground                        print "class|title" of the foreground window
//   activate CLASS TITLE              bring the window to the foreground
//   keys [-hold MS] VK[+VK...] ...    SendInput: press the keys of a chord in order, release
//                                     them in reverse; VK in hex (0x5B) or decimal; with -hold,
//                                     one key event every MS ms, as a person's hands would
//   mouse X Y [left|right]            SendInput: move to screen X Y and click
//   move X Y [X Y...]                 SendInput: move through the points without a button, one
//                                     event at a time so that each reaches the window
//   run PROGRAM [ARGS...]             start a program, wait for it, exit with its exit code
//   processes [NAME]                  print "pid|exe" of every process (of those whose file name
//                                     is NAME, ignoring case)
//   owner CLASS TITLE                 print the process id of every matching top-level window
//   close CLASS TITLE                 send WM_CLOSE to every matching top-level window
//   spy [TIMEOUT]                     show a window "WobSpy" in front until F12 goes down (or
//                                     TIMEOUT ms pass), then print the key downs it received
//                                     before, one "0xVK" a line; exit 1 on timeout
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kNotFound = 1;
constexpr int kUsage = 2;
constexpr DWORD kPollMs = 50;

const char* AnyOr(const char* text) {
  return std::strcmp(text, "-") == 0 ? nullptr : text;
}

struct Match {
  const char* cls;
  const char* title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectMatch(HWND window, LPARAM param) {
  Match* match = reinterpret_cast<Match*>(param);
  char cls[256] = {};
  char title[512] = {};
  GetClassNameA(window, cls, sizeof(cls));
  GetWindowTextA(window, title, sizeof(title));
  if ((match->cls == nullptr || lstrcmpiA(cls, match->cls) == 0) &&
      (match->title == nullptr || std::strcmp(title, match->title) == 0)) {
    match->found.push_back(window);
  }
  return TRUE;
}

// EnumWindows rather than FindWindow so that "any class" with "any title" works too.
std::vector<HWND> FindAll(const char* cls, const char* title) {
  Match match{AnyOr(cls), AnyOr(title), {}};
  EnumWindows(CollectMatch, reinterpret_cast<LPARAM>(&match));
  return match.found;
}

HWND FindOne(const char* cls, const char* title) {
  std::vector<HWND> all = FindAll(cls, title);
  return all.empty() ? nullptr : all.front();
}

DWORD Timeout(int argc, char** argv, int index) {
  return index < argc ? static_cast<DWORD>(std::strtoul(argv[index], nullptr, 0)) : 10000;
}

HWND WaitFor(const char* cls, const char* title, DWORD timeout) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindOne(cls, title)) return window;
    if (GetTickCount() - start >= timeout) return nullptr;
    Sleep(kPollMs);
  }
}

int Found(HWND window) {
  if (window == nullptr) {
    std::fprintf(stderr, "window not found\n");
    return kNotFound;
  }
  std::printf("%p\n", static_cast<void*>(window));
  return 0;
}

std::string TextOf(HWND window) {
  char text[2048] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

// A message box is a dialog whose message text is the static item 65535.
HWND FindMessageBox(const char* title) {
  for (HWND window : FindAll("#32770", title)) {
    if (GetDlgItem(window, 0xFFFF) != nullptr) return window;
  }
  return nullptr;
}

int CmdMsgBox(const char* title, DWORD timeout) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND box = FindMessageBox(title)) {
      const bool topmost = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
      std::printf("%s|%s|%d\n", TextOf(box).c_str(), TextOf(GetDlgItem(box, 0xFFFF)).c_str(),
                  topmost ? 1 : 0);
      return 0;
    }
    if (GetTickCount() - start >= timeout) return Found(nullptr);
    Sleep(kPollMs);
  }
}

int CmdList() {
  for (HWND window : FindAll("-", "-")) {
    char cls[256] = {};
    GetClassNameA(window, cls, sizeof(cls));
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::printf("%s|%s|%ld %ld %ld %ld|%d\n", cls, TextOf(window).c_str(), rect.left, rect.top,
                rect.right, rect.bottom, IsWindowVisible(window) ? 1 : 0);
  }
  return 0;
}

WORD ParseKey(const char* text) {
  return static_cast<WORD>(std::strtoul(text, nullptr, 0));
}

// Each argument is one chord: keys go down left to right and come up right to left.
int CmdKeys(int count, char** chords) {
  DWORD hold_ms = 0;
  if (count >= 2 && std::strcmp(chords[0], "-hold") == 0) {
    hold_ms = static_cast<DWORD>(std::strtoul(chords[1], nullptr, 0));
    count -= 2;
    chords += 2;
  }
  for (int i = 0; i < count; ++i) {
    std::vector<WORD> keys;
    std::string chord = chords[i];
    for (std::size_t pos = 0; pos <= chord.size();) {
      std::size_t plus = chord.find('+', pos);
      if (plus == std::string::npos) plus = chord.size();
      keys.push_back(ParseKey(chord.substr(pos, plus - pos).c_str()));
      pos = plus + 1;
    }
    std::vector<INPUT> inputs;
    for (WORD vk : keys) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = vk;
      inputs.push_back(input);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = *it;
      input.ki.dwFlags = KEYEVENTF_KEYUP;
      inputs.push_back(input);
    }
    if (hold_ms == 0) {
      SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
      continue;
    }
    for (INPUT& input : inputs) {
      SendInput(1, &input, sizeof(INPUT));
      Sleep(hold_ms);
    }
  }
  return 0;
}

int CmdMouse(int x, int y, bool right) {
  SetCursorPos(x, y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
  return 0;
}

// Absolute coordinates of SendInput run from 0 to 65535 over the primary screen.
int CmdMove(int count, char** coordinates) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  for (int i = 0; i + 1 < count; i += 2) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(std::atoi(coordinates[i]), 65536, width);
    input.mi.dy = MulDiv(std::atoi(coordinates[i + 1]), 65536, height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    // Moves queued together are merged into one; a pause lets the program take each.
    Sleep(15);
  }
  return 0;
}

int CmdProcesses(const char* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return kNotFound;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (name == nullptr || lstrcmpiA(entry.szExeFile, name) == 0) {
      std::printf("%lu|%s\n", entry.th32ProcessID, entry.szExeFile);
    }
  }
  CloseHandle(snapshot);
  return 0;
}

std::vector<std::string> spied_keys;
bool spy_done = false;

LRESULT CALLBACK SpyProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) {
    if (wparam == VK_F12) {
      spy_done = true;
      return 0;
    }
    char line[16];
    std::snprintf(line, sizeof(line), "0x%02X", static_cast<unsigned>(wparam));
    spied_keys.push_back(line);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// A window of the driver's own in front: the keys it gets are those no hook swallowed.
int CmdSpy(DWORD timeout) {
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = SpyProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "WobSpy";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "WobSpy", "spy", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                100, nullptr, nullptr, window_class.hInstance, nullptr);
  SetForegroundWindow(window);
  SetFocus(window);
  const DWORD start = GetTickCount();
  for (DWORD now = start; !spy_done && now - start < timeout; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout - (now - start), QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  DestroyWindow(window);
  for (const std::string& key : spied_keys) std::printf("%s\n", key.c_str());
  return spy_done ? 0 : kNotFound;
}

int CmdRun(int count, char** args) {
  std::string command_line;
  for (int i = 0; i < count; ++i) {
    if (i > 0) command_line += ' ';
    command_line += '"' + std::string(args[i]) + '"';
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (%lu)\n", args[0], GetLastError());
    return kNotFound;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::printf("%lu\n", code);
  return static_cast<int>(code);
}

// Commands that act on one existing window: argv[2] class, argv[3] title.
int CmdOnWindow(const std::string& command, int argc, char** argv) {
  if (argc < 4) return kUsage;
  HWND window = FindOne(argv[2], argv[3]);
  if (window == nullptr) return Found(nullptr);
  const int id = argc > 4 ? static_cast<int>(std::strtol(argv[4], nullptr, 0)) : 0;
  if (command == "getcheck" && argc > 4) {
    std::printf("%ld\n", static_cast<long>(SendDlgItemMessageA(window, id, BM_GETCHECK, 0, 0)));
  } else if (command == "setcheck" && argc > 5) {
    SendDlgItemMessageA(window, id, BM_SETCHECK, std::strtoul(argv[5], nullptr, 0), 0);
  } else if (command == "press" && argc > 4) {
    // Posted, not sent: the program may open a modal box while handling it.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
  } else if (command == "click" && argc > 4) {
    PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
  } else if (command == "text") {
    std::printf("%s\n", TextOf(argc > 4 ? GetDlgItem(window, id) : window).c_str());
  } else if (command == "rect") {
    RECT rect = {};
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
  } else if (command == "activate") {
    SetForegroundWindow(window);
  } else if (command == "owner" || command == "close") {
    for (HWND match : FindAll(argv[2], argv[3])) {
      DWORD process = 0;
      GetWindowThreadProcessId(match, &process);
      if (command == "owner") std::printf("%lu\n", process);
      if (command == "close") SendMessageA(match, WM_CLOSE, 0, 0);
    }
  } else {
    return kUsage;
  }
  return 0;
}

int Dispatch(int argc, char** argv) {
  const std::string command = argv[1];
  if (command == "wait" && argc >= 4)
    return Found(WaitFor(argv[2], argv[3], Timeout(argc, argv, 4)));
  if (command == "gone" && argc >= 4) {
    const DWORD start = GetTickCount();
    while (FindOne(argv[2], argv[3]) != nullptr) {
      if (GetTickCount() - start >= Timeout(argc, argv, 4)) return kNotFound;
      Sleep(kPollMs);
    }
    return 0;
  }
  if (command == "exists" && argc >= 4) return FindOne(argv[2], argv[3]) ? 0 : kNotFound;
  if (command == "count" && argc >= 4) {
    std::printf("%zu\n", FindAll(argv[2], argv[3]).size());
    return 0;
  }
  if (command == "msgbox" && argc >= 3) return CmdMsgBox(argv[2], Timeout(argc, argv, 3));
  if (command == "dismiss" && argc >= 3) {
    HWND box = FindMessageBox(argv[2]);
    if (box == nullptr) return Found(nullptr);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
  }
  if (command == "list") return CmdList();
  if (command == "foreground") {
    HWND window = GetForegroundWindow();
    char cls[256] = {};
    GetClassNameA(window, cls, sizeof(cls));
    std::printf("%s|%s\n", cls, TextOf(window).c_str());
    return 0;
  }
  if (command == "keys" && argc >= 3) return CmdKeys(argc - 2, argv + 2);
  if (command == "mouse" && argc >= 4) {
    return CmdMouse(std::atoi(argv[2]), std::atoi(argv[3]),
                    argc > 4 && !std::strcmp(argv[4], "right"));
  }
  if (command == "move" && argc >= 4) return CmdMove(argc - 2, argv + 2);
  if (command == "run" && argc >= 3) return CmdRun(argc - 2, argv + 2);
  if (command == "processes") return CmdProcesses(argc > 2 ? argv[2] : nullptr);
  if (command == "spy") return CmdSpy(Timeout(argc, argv, 2));
  return CmdOnWindow(command, argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wobdriver COMMAND [ARGS]; see the top of wobdriver.cpp\n");
    return kUsage;
  }
  const int code = Dispatch(argc, argv);
  if (code == kUsage) std::fprintf(stderr, "bad usage of %s\n", argv[1]);
  std::fflush(stdout);
  return code;
}
