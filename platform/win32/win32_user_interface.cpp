#include "platform/win32/win32_user_interface.h"

#include <windows.h>

#include <string>

#include "platform/win32/cabrillo_dialog.h"

void Win32UserInterface::message_box(std::string_view text, std::optional<std::string_view> caption,
                                     MessageIcon icon) {
    std::string body(text);
    std::string title = caption ? std::string(*caption) : std::string();
    UINT style = MB_OK | (icon == MessageIcon::information ? MB_ICONINFORMATION : 0);
    // The plug-in has no main window of its own; the box belongs to the active window of the
    // calling thread, if any.
    MessageBoxA(GetActiveWindow(), body.c_str(), caption ? title.c_str() : nullptr, style);
}

bool Win32UserInterface::edit_cabrillo_header(CabrilloDialogFields& fields) {
    // Runs modally on the calling (host's) thread; a dialog that cannot be shown counts as
    // not confirmed.
    return Cabrillo(fields).DoModal(GetActiveWindow());
}
