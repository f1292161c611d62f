// hookprobe.exe: loads a hook library, calls its "@Kill@4" with each given bit set and prints
// which hook handles the library's shared section then holds.
//
// Usage: hookprobe DLL [FLAGS...]   (FLAGS in hex or decimal)
// Without FLAGS it only reads the section as the processes that map the library share it:
// "shell=S message=M keyboard=K kill=KILLFLAGS". With FLAGS it prints per set: "FLAGS shell=S
// message=M keyboard=K kill=KILLFLAGS removed=R" where S, M, K are 1 when the handle field is
// non-zero and R is 1 when Kill(0) left all four fields as they were. Before each set the section
// is zeroed, as a freshly loaded library has it. Exit code 1 when the library, its export or its
// ".shared" section is missing.
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: hookprobe DLL FLAGS...\n");
    return 2;
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
  if (argc == 2) {
    std::printf("shell=%d message=%d keyboard=%d kill=0x%X\n", shared[0] != 0, shared[1] != 0,
                shared[2] != 0, shared[3]);
  }
  for (int i = 2; i < argc; ++i) {
    const auto flags = static_cast<std::uint32_t>(std::strtoul(argv[i], nullptr, 0));
    std::memset(shared, 0, 16);
    kill(flags);
    std::uint32_t installed[4];
    std::memcpy(installed, shared, sizeof(installed));
    kill(0);
    const bool kept = std::memcmp(installed, shared, sizeof(installed)) == 0;
    std::printf("0x%X shell=%d message=%d keyboard=%d kill=0x%X removed=%d\n", flags,
                installed[0] != 0, installed[1] != 0, installed[2] != 0, installed[3], kept);
  }
  FreeLibrary(library);
  std::fflush(stdout);
  return 0;
}
