#include "platform/win32/profile_settings_store.h"

#include <windows.h>

#include <vector>

std::string ProfileSettingsStore::read(std::string_view key, std::string_view default_value) {
    const std::string key_text(key), default_text(default_value);
    // The profile function cuts a value that does not fit; grow the buffer until it fits, so
    // that values are always read whole.
    for (DWORD size = 256;; size *= 2) {
        std::vector<char> buffer(size);
        DWORD length =
            GetPrivateProfileStringA(section_.c_str(), key_text.c_str(), default_text.c_str(),
                                     buffer.data(), size, file_.c_str());
        if (length + 1 < size || size >= (1u << 26))
            return std::string(buffer.data(), length);
    }
}

void ProfileSettingsStore::write(std::string_view key, std::string_view value) {
    WritePrivateProfileStringA(section_.c_str(), std::string(key).c_str(),
                               std::string(value).c_str(), file_.c_str());
}
