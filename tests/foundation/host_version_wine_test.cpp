// The host version lookup with the Windows file search (FindFirstFileA).
#include <gtest/gtest.h>

#include "platform/win32/win32_text_files.h"
#include "tests/foundation/host_version_cases.h"

TEST(HostVersion, LookUpInTheHostFolder) {
    Win32TextFiles files;
    for (const auto& c : host_version_cases::cases())
        host_version_cases::run(c, files);
}

TEST(HostVersion, UnreadableHostSettingsKeepTheOldValue) {
    // A folder named Norl2.ini matches the search but cannot be read as a file.
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "host" / "Norl2.ini");
    Win32TextFiles files;
    std::string version = "2.15";
    LookUpHostVersion(files, host_version_cases::host_folder_text(folder), version);
    EXPECT_EQ(version, "2.15");
}
