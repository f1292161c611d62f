// MuzCfg.exe: the Quietbox settings dialog, nine check boxes over Muzzle.ini.
#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "resource.h"
#include "settings.h"

namespace {

constexpr char kDialogTitle[] = "Quietbox Setup";
constexpr char kDialogClass[] = "#32770";

struct Box {
  int id;
  blocker::Setting setting;
  HWND window;
};

// The nine boxes in id order, their windows filled when the dialog opens.
std::array<Box, 9> Boxes = {{
    {IDC_KILLWINKEY, blocker::Setting::kKillWinKey, nullptr},
    {IDC_KILLCTRLESC, blocker::Setting::kKillCtrlEsc, nullptr},
    {IDC_KILLWINKEYCOMBOS, blocker::Setting::kKillWinKeyCombos, nullptr},
    {IDC_KILLCONTEXTMENU, blocker::Setting::kKillContextMenu, nullptr},
    {IDC_KILLALLSYSKEYS, blocker::Setting::kKillAllSysKeys, nullptr},
    {IDC_HIDEFROMTASKLIST, blocker::Setting::kHideFromTaskList, nullptr},
    {IDC_SHUTDOWNMESSAGE, blocker::Setting::kShutdownMessage, nullptr},
    {IDC_SHUTDOWNWHENRUNAGAIN, blocker::Setting::kShutDownWhenRunAgain, nullptr},
    {IDC_IDLEPRIORITY, blocker::Setting::kIdlePriority, nullptr},
}};

std::string SettingsPath;

// A missing file or key shows the value the host would assume, so OK without a change keeps
// the host's behaviour.
BOOL OnInitDialog(HWND dialog) {
  const std::string module_path =
      blocker::ReadModulePath([](char* buffer, std::size_t size) -> std::size_t {
        return GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
      });
  if (!module_path.empty()) SettingsPath = blocker::SetupSettingsPath(module_path);
  for (Box& box : Boxes) {
    box.window = GetDlgItem(dialog, box.id);
    const blocker::SettingKey& key = blocker::KeyOf(box.setting);
    const UINT value = SettingsPath.empty()
                           ? key.default_value
                           : GetPrivateProfileIntA(blocker::kSettingsSection, key.name,
                                                   key.default_value, SettingsPath.c_str());
    if (value != 0) SendMessageA(box.window, BM_SETCHECK, BST_CHECKED, 0);
  }
  return TRUE;
}

bool WriteSettings() {
  if (SettingsPath.empty()) return false;
  for (const Box& box : Boxes) {
    const bool on = SendMessageA(box.window, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (!WritePrivateProfileStringA(blocker::kSettingsSection, blocker::KeyOf(box.setting).name,
                                    on ? "1" : "0", SettingsPath.c_str())) {
      return false;
    }
  }
  return true;
}

// A failed write keeps the dialog open so that the user knows nothing was saved.
void OnOk(HWND dialog) {
  if (WriteSettings()) {
    EndDialog(dialog, 0);
    return;
  }
  const std::string text = "The settings could not be saved to\n" + SettingsPath;
  MessageBoxA(dialog, text.c_str(), nullptr, MB_OK | MB_ICONWARNING | MB_TOPMOST);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(dialog);
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        OnOk(dialog);
      } else if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, 0);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (HWND open = FindWindowA(kDialogClass, kDialogTitle)) {
    SetForegroundWindow(open);
    ExitProcess(1);
  }
  ExitProcess(static_cast<UINT>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETUP), nullptr, DialogProc, 0)));
}
