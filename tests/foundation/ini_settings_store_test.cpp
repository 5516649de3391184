// The shared settings table against the native INI store.
#include <gtest/gtest.h>

#include "platform/posix/ini_settings_store.h"
#include "tests/foundation/settings_cases.h"

TEST(IniSettingsStore, SharedSettingsTable) {
    for (const auto& c : settings_cases::cases())
        settings_cases::run(
            c, [] { return std::make_unique<IniSettingsStore>(kSettingsFile, kSettingsSection); });
}
