// hookprobe.exe: loads a hook library, calls its "@Kill@4" with each given bit set and prints
// which hook handles the library's shared section then holds.
//
// Usage: hookprobe DLL [-stale] [FLAGS...]   (FLAGS in hex or decimal)
//        hookprobe DLL -handles
// Without FLAGS it only reads the section as the processes that map the library share it:
// "shell=S message=M keyboard=K kill=KILLFLAGS", with S, M, K 1 when the field is non-zero, or
// with -handles the three handle values in hex. With FLAGS it prints per set: "FLAGS shell=S
// message=M keyboard=K kill=KILLFLAGS cleared=C" where S, M, K are 1 when the handle field holds
// a handle of this install and C is 1 when Kill(0) then left the three handle fields 0 and the
// bit set as it was. Before each set the section is zeroed, as a freshly loaded library has it;
// with -stale its handle fields hold instead the handles of a host that was killed, which are
// not counted as installed. Exit code 1 when the library, its export or its ".shared" section is
// missing.
//
//        hookprobe -hold DLL
// keeps the library mapped, as other programs do while its hooks run in them, until its hidden
// window "HookProbeHold" gets the close message.
//
//        hookprobe -post MESSAGE WPARAM LPARAM
// posts the message to a window of its own and prints "arrived" when the window got it, or
// "voided" when a message hook turned it into the null message on its way.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using KillProc = void(__stdcall*)(std::uint32_t);

// Finds the ".shared" section of a loaded module by walking its PE headers.
std::uint32_t* SharedSection(HMODULE module) {
  auto* base = reinterpret_cast<std::uint8_t*>(module);
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
    if (std::memcmp(section->Name, ".shared", 8) == 0 && section->Misc.VirtualSize >= 16) {
      return reinterpret_cast<std::uint32_t*>(base + section->VirtualAddress);
    }
  }
  return nullptr;
}

UINT posted_message = 0;
bool posted_arrived = false;

LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  if (posted_message != 0 && message == posted_message) posted_arrived = true;
  return DefWindowProcA(window, message, wparam, lparam);
}

HWND ProbeWindow(const char* class_name) {
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = ProbeWindowProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = class_name;
  RegisterClassA(&window_class);
  return CreateWindowExA(0, class_name, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         window_class.hInstance, nullptr);
}

std::uintptr_t Number(const char* text) {
  return static_cast<std::uintptr_t>(std::strtoull(text, nullptr, 0));
}

int Hold(const char* dll) {
  HMODULE library = LoadLibraryA(dll);
  if (library == nullptr) return 1;
  ProbeWindow("HookProbeHold");
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  FreeLibrary(library);
  return 0;
}

// A second posted message marks the end: everything before it has been fetched by then.
int Post(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = ProbeWindow("HookProbePost");
  posted_message = message;
  PostMessageA(window, message, wparam, lparam);
  PostMessageA(window, WM_APP, 0, 0);
  MSG fetched;
  while (GetMessageA(&fetched, nullptr, 0, 0) > 0 && fetched.message != WM_APP) {
    DispatchMessageA(&fetched);
  }
  std::printf("%s\n", posted_arrived ? "arrived" : "voided");
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: hookprobe DLL FLAGS...\n");
    return 2;
  }
  if (std::strcmp(argv[1], "-hold") == 0 && argc == 3) return Hold(argv[2]);
  if (std::strcmp(argv[1], "-post") == 0 && argc == 5) {
    return Post(static_cast<UINT>(Number(argv[2])), Number(argv[3]),
                static_cast<LPARAM>(Number(argv[4])));
  }
  // The wide call takes paths past 260 characters, which the narrow one cuts.
  wchar_t path[32768] = {};
  MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path, 32768);
  HMODULE library = LoadLibraryW(path);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load %s\n", argv[1]);
    return 1;
  }
  auto kill =
      reinterpret_cast<KillProc>(reinterpret_cast<void*>(GetProcAddress(library, "@Kill@4")));
  std::uint32_t* shared = SharedSection(library);
  if (kill == nullptr || shared == nullptr) {
    std::fprintf(stderr, "no @Kill@4 or no .shared section\n");
    return 1;
  }
  if (argc == 3 && std::strcmp(argv[2], "-handles") == 0) {
    std::printf("shell=0x%X message=0x%X keyboard=0x%X kill=0x%X\n", shared[0], shared[1],
                shared[2], shared[3]);
    return 0;
  }
  const bool stale = argc > 2 && std::strcmp(argv[2], "-stale") == 0;
  const int first_set = stale ? 3 : 2;
  // Values that no live hook of this test has: the handles a killed host left behind.
  const std::uint32_t stale_handles[3] = {0x7FFF0011, 0x7FFF0013, 0x7FFF0015};
  if (argc == 2) {
    std::printf("shell=%d message=%d keyboard=%d kill=0x%X\n", shared[0] != 0, shared[1] != 0,
                shared[2] != 0, shared[3]);
  }
  for (int i = first_set; i < argc; ++i) {
    const auto flags = static_cast<std::uint32_t>(std::strtoul(argv[i], nullptr, 0));
    std::memset(shared, 0, 16);
    if (stale) std::memcpy(shared, stale_handles, sizeof(stale_handles));
    kill(flags);
    int installed[3];
    for (int field = 0; field < 3; ++field) {
      installed[field] = shared[field] != 0 && !(stale && shared[field] == stale_handles[field]);
    }
    const std::uint32_t kill_flags = shared[3];
    kill(0);
    const bool cleared =
        shared[0] == 0 && shared[1] == 0 && shared[2] == 0 && shared[3] == kill_flags;
    std::printf("0x%X shell=%d message=%d keyboard=%d kill=0x%X cleared=%d\n", flags, installed[0],
                installed[1], installed[2], kill_flags, cleared);
  }
  FreeLibrary(library);
  std::fflush(stdout);
  return 0;
}
