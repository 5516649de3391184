#include "platform/posix/posix_text_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.h"

TEST(PosixTextFiles, ReadsLinesWithoutTheirLineEnds) {
    TempFolder folder;
    folder.write("Plugins/list.txt", "A\r\nB\n\r\nC");
    auto lines = PosixTextFiles().read_lines("Plugins\\list.txt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{"A", "B", "", "C"}));
}

TEST(PosixTextFiles, AFolderOrAMissingFileCannotBeRead) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "Plugins" / "ICAO.sec");
    EXPECT_FALSE(PosixTextFiles().read_lines(".\\Plugins\\ICAO.sec").has_value());
    EXPECT_FALSE(PosixTextFiles().read_lines("missing.txt").has_value());
    EXPECT_FALSE(PosixTextFiles().read_lines("").has_value());
}
