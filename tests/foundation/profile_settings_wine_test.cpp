// The shared settings table against the Windows profile functions.
#include <gtest/gtest.h>

#include "platform/win32/profile_settings_store.h"
#include "tests/foundation/settings_cases.h"

TEST(ProfileSettingsStore, SharedSettingsTable) {
    for (const auto& c : settings_cases::cases())
        settings_cases::run(c, [] {
            return std::make_unique<ProfileSettingsStore>(kSettingsFile, kSettingsSection);
        });
}
