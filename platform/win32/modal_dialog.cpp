#include "platform/win32/modal_dialog.h"

HINSTANCE this_module() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&this_module), &module);
    return module;
}

INT_PTR ModalDialog::run(int template_id, HWND owner) {
    return DialogBoxParamA(this_module(), MAKEINTRESOURCEA(template_id), owner, procedure,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR ModalDialog::on_message(UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            on_init();
            return TRUE;
        case WM_COMMAND:
            // Cancel, Escape and the system menu's Close all arrive as IDCANCEL.
            if (LOWORD(wparam) == IDOK) {
                on_ok();
                EndDialog(window_, IDOK);
                return TRUE;
            }
            if (LOWORD(wparam) == IDCANCEL) {
                EndDialog(window_, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK ModalDialog::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<ModalDialog*>(lparam);
        SetWindowLongPtrA(window, DWLP_USER, lparam);
        dialog->window_ = window;
    }
    if (!dialog)
        return FALSE;
    // No exception may unwind through the system's dialog manager; a dialog that fails ends
    // as cancelled.
    try {
        return dialog->on_message(message, wparam, lparam);
    } catch (...) {
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
}
