#include "shell/Win32Dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/WideText.h"
#include "window/Captions.h"

namespace zf61::win32 {
namespace {

// Long enough for any path the wide API takes.
constexpr size_t kPathChars = 32768;

}  // namespace

void ShowMessageBox(HWND owner, std::string_view utf8) {
  // The information icon, as Qt's message box shows it.
  MessageBoxW(owner, Utf8ToWide(utf8).c_str(), Utf8ToWide(kApplicationTitle).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

std::optional<Colour> RunColourDialog(HWND owner, Colour initial) {
  static COLORREF custom[16] = {};  // the dialog's own custom colours, kept for the run
  CHOOSECOLORW dialog = {sizeof(CHOOSECOLORW)};
  dialog.hwndOwner = owner;
  dialog.rgbResult = initial;
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT;
  if (!ChooseColorW(&dialog)) return std::nullopt;
  return static_cast<Colour>(dialog.rgbResult & 0x00FFFFFFu);
}

std::wstring DialogFilter(std::string_view filter) {
  std::wstring wide = Utf8ToWide(filter);
  for (wchar_t& c : wide) {
    if (c == L'|') c = L'\0';
  }
  wide.push_back(L'\0');
  wide.push_back(L'\0');
  return wide;
}

std::optional<std::string> RunPictureFileDialog(HWND owner, std::string_view folder,
                                                std::string_view name) {
  std::wstring filter = DialogFilter(kPictureFilter);
  std::wstring initialFolder = Utf8ToWide(folder);
  std::vector<wchar_t> file(kPathChars, L'\0');
  std::wstring initialName = Utf8ToWide(name);
  initialName.copy(file.data(), std::min(initialName.size(), kPathChars - 1));
  OPENFILENAMEW dialog = {sizeof(OPENFILENAMEW)};
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  dialog.Flags =
      OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  return WideToUtf8(file.data());
}

}  // namespace zf61::win32
