// The host version lookup on real files in a temporary folder, run with the native files and
// with the Windows file search under Wine.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "plugin/host_version.h"
#include "tests/support/temp_folder.h"

namespace host_version_cases {

struct File {
    std::string name;  // relative to the current directory, '/' between folders
    std::string bytes;
};

struct Case {
    std::string name;
    std::vector<File> files;
    std::string before;  // the host version before the lookup
    std::string after;
};

// The host folder is "host" in the current directory; a file "Norl2.ini" in the current
// directory itself must never be taken for the host's.
inline std::vector<Case> cases() {
    return {
        {"FolderWithoutIniFilesGivesNorl", {{"host/Norl2.txt", "Norl=2.20\r\n"}}, "2.19", "Norl"},
        {"MissingFolderGivesNorl", {}, "2.19", "Norl"},
        {"OtherIniFilesGiveNorl",
         {{"host/Other.ini", "Norl=2.20\r\n"}, {"host/norl2.ini", "Norl=2.20\r\n"}},
         "",
         "Norl"},
        {"VersionFromTheHostFolder", {{"host/Norl2.ini", "Norl=2.20\r\n"}}, "", "2.20"},
        {"FileInTheCurrentFolderIsNotTheHosts",
         {{"host/Norl2.ini", "Norl=2.18\r\n"}, {"Norl2.ini", "Norl=9.99\r\n"}},
         "",
         "2.18"},
        {"OnlyTheCurrentFolderHoldsNorl2GivesNorl",
         {{"host/Other.ini", "x=1\r\n"}, {"Norl2.ini", "Norl=9.99\r\n"}},
         "2.20",
         "Norl"},
        {"NameHoldingNorl2IniCounts", {{"host/OldNorl2.ini", "Norl=2.17\r\n"}}, "", "2.17"},
        {"BlankBeforeTheKey", {{"host/Norl2.ini", "[Main]\r\n Norl=2.20\r\n"}}, "", "2.20"},
        {"KeyInsideTheLine", {{"host/Norl2.ini", "OldNorl=2.14R\n"}}, "", "2.14R"},
        {"FirstLineWithTheKeyWins",
         {{"host/Norl2.ini", "[Main]\r\nVersion=1\r\nNorl=2.19\r\nNorl=2.20\r\n"}},
         "",
         "2.19"},
        {"FirstKeyOfTheLineWins", {{"host/Norl2.ini", "Norl=Norl=2\r\n"}}, "", "Norl=2"},
        {"EmptyVersion", {{"host/Norl2.ini", "Norl=\r\n"}}, "2.20", ""},
        {"NoVersionLineKeepsTheOldValue",
         {{"host/Norl2.ini", "[Main]\r\nnorl=2.20\r\nNorl 2.20\r\n"}},
         "2.16",
         "2.16"},
        {"EmptyFileKeepsTheOldValue", {{"host/Norl2.ini", ""}}, "", ""},
    };
}

// The folder text as the host passes it: ending with the platform's separator.
inline std::string host_folder_text(const TempFolder& folder) {
    return (folder.path() / "host").string() +
           static_cast<char>(std::filesystem::path::preferred_separator);
}

inline void run(const Case& c, TextFiles& files) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    if (c.name != "MissingFolderGivesNorl")
        std::filesystem::create_directories(folder.path() / "host");
    for (const auto& file : c.files)
        folder.write(file.name, file.bytes);
    std::string version = c.before;
    LookUpHostVersion(files, host_folder_text(folder), version);
    EXPECT_EQ(version, c.after);
}

}  // namespace host_version_cases
