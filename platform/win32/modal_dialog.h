// A modal dialog from a template of this module, with its dialog procedure turned into member
// calls. A derived dialog fills its controls in on_init and reads them back in on_ok.
#pragma once

#include <windows.h>

class ModalDialog {
  public:
    virtual ~ModalDialog() = default;
    // Runs the dialog until it ends; its result (IDOK, IDCANCEL), or -1 when it could not be
    // created.
    INT_PTR run(int template_id, HWND owner);

  protected:
    HWND window() const { return window_; }
    virtual void on_init() {}
    // Takes the controls' texts back; the dialog then ends with IDOK.
    virtual void on_ok() {}
    virtual INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    HWND window_ = nullptr;
};

// The module this code is linked into (Stats.dll in the host's process), which holds the
// dialog templates.
HINSTANCE this_module();
