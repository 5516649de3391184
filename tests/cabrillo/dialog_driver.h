// Drives the Cabrillo header dialog from a test thread while the thread under test runs it
// modally, as an operator would: reading and typing texts, picking list entries, pressing
// buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
  public:
    explicit DialogDriver(HWND dialog) : dialog_(dialog) {}
    HWND window() const { return dialog_; }
    HWND item(int id) const { return GetDlgItem(dialog_, id); }

    std::string text(int id) const;
    void type(int id, const std::string& text) const;
    // The selected entry of a combo box, or "<none>".
    std::string selection(int id) const;
    std::vector<std::string> entries(int id) const;
    // Picks the entry with exactly this text.
    void pick(int id, const std::string& entry) const;
    void press(int button) const;

  private:
    HWND dialog_;
};

// Runs call on a thread of its own, waits for the header dialog it opens, lets operate work
// on it (operate must end it) and returns what call returned. Fails the test when no dialog
// shows up.
bool with_header_dialog(const std::function<bool()>& call,
                        const std::function<void(DialogDriver&)>& operate);
