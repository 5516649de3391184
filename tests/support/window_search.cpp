#include "tests/support/window_search.h"

#include <string>

namespace {

struct WindowSearch {
    const char* class_name;
    const char* caption;
    HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[64] = {}, caption[256] = {};
    GetClassNameA(window, name, sizeof name);
    GetWindowTextA(window, caption, sizeof caption);
    if (pid == GetCurrentProcessId() && std::string(name) == search->class_name &&
        (!search->caption || std::string(caption) == search->caption) && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND wait_for_window(const char* class_name, const char* caption) {
    for (int i = 0; i < 200; ++i) {
        WindowSearch search{class_name, caption, nullptr};
        EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(10);
    }
    return nullptr;
}
