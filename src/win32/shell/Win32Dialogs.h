// The system's modal dialogs: the message box with the application title, the colour dialog
// and the save-picture dialog.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "model/Colour.h"

namespace zf61::win32 {

void ShowMessageBox(HWND owner, std::string_view utf8);

// ChooseColorW preset to `initial`; the chosen colour on OK.
std::optional<Colour> RunColourDialog(HWND owner, Colour initial);

// GetSaveFileNameW with the bitmap filter, starting in `folder` with `name` (UTF-8), asking
// before overwriting, requiring an existing folder, without the read-only box and without
// adding a suffix; the chosen full path (UTF-8) on OK.
std::optional<std::string> RunPictureFileDialog(HWND owner, std::string_view folder,
                                                std::string_view name);

// The filter "description|pattern" as the dialog takes it: each part ended by a NUL, the whole
// by another.
std::wstring DialogFilter(std::string_view filter);

}  // namespace zf61::win32
