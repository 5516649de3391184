// The shared settings table against the native INI store.
#include <gtest/gtest.h>

#include <thread>

#include "platform/posix/ini_settings_store.h"
#include "tests/foundation/settings_cases.h"

TEST(IniSettingsStore, SharedSettingsTable) {
    for (const auto& c : settings_cases::cases())
        settings_cases::run(
            c, [] { return std::make_unique<IniSettingsStore>(kSettingsFile, kSettingsSection); });
}

TEST(IniSettingsStore, NumbersAsDecimalText) {
    TempFolder folder;
    folder.write(settings_cases::kFile, "[Settings]\r\nStart=abc\r\nSetup_x= -12px\r\n");
    IniSettingsStore store(kSettingsFile, kSettingsSection);
    EXPECT_EQ(store.read_int("Start"), 0);
    EXPECT_EQ(store.read_int("Setup_x"), -12);
    EXPECT_EQ(store.read_int("Setup_y"), 0);
    store.write_int("Claimed", -2147483647 - 1);
    EXPECT_EQ(store.read_int("Claimed"), -2147483647 - 1);
    EXPECT_EQ(folder.read(settings_cases::kFile),
              "[Settings]\r\nStart=abc\r\nSetup_x=-12px\r\nClaimed=-2147483648\r\n");
}

TEST(IniSettingsStore, TwoThreadsWritingKeepEveryValue) {
    TempFolder folder;
    IniSettingsStore store(kSettingsFile, kSettingsSection);
    auto writer = [&store](const std::string& prefix) {
        for (int i = 0; i < 50; ++i)
            store.write(prefix + std::to_string(i), std::to_string(i));
    };
    std::thread a(writer, "a"), b(writer, "b");
    a.join();
    b.join();
    for (int i = 0; i < 50; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(store.read_int("a" + std::to_string(i)), i);
        EXPECT_EQ(store.read_int("b" + std::to_string(i)), i);
    }
}
