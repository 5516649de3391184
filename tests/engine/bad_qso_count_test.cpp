// Counting the bad QSOs of a report file: only lines that end with a rejection reason count.
#include <gtest/gtest.h>

#include "engine/bad_qso_report.h"
#include "platform/posix/posix_text_files.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(BadQsoCount, CountsTheLinesThatEndWithARejectionReason) {
    struct Row {
        const char* name;
        std::string content;
        int expected;
    };
    const std::string title = "TORV Contest UBN file \r\n";
    const Row rows[] = {
        {"title alone", title, 0},
        {"empty file", "", 0},
        {"one of each reason",
         title + "QSO:  1830  CW  x   WRONG BAND !!!\r\nQSO:  7035  FT8  x   WRONG MODE !!!\r\n"
                 "QSO:  14025  CW  x   NO RX NUMBER !!!\r\n",
         3},
        {"dupes do not count", title + "QSO:  14025  CW  x   DUPE !!!\r\n", 0},
        {"a rejected call holding DUPE", title + "QSO:  1830  CW  DUPE1  x   WRONG BAND !!!\r\n",
         1},
        {"a rejected call holding UBN", title + "QSO:  1830  CW  UBN9  x   WRONG BAND !!!\r\n", 1},
        {"reason not at the end", title + "QSO:  1830  CW  x   WRONG BAND !!! later\r\n", 0},
        {"reason without its blanks", title + "QSO:  1830  CW  xWRONG BAND !!!\r\n", 0},
        {"LF line ends and no title", "a   WRONG MODE !!!\nb   WRONG MODE !!!", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        folder.write("report.txt", row.content);
        PosixTextFiles files;
        EXPECT_EQ(CountBadQsos(files, "report.txt"), row.expected);
    }
}

TEST(BadQsoCount, AFileThatCannotBeReadHoldsNoBadQso) {
    TempFolder folder;
    PosixTextFiles files;
    EXPECT_EQ(CountBadQsos(files, "missing.txt"), 0);
    EXPECT_EQ(CountBadQsos(files, ""), 0);
}

TEST(BadQsoFileName, NamesTheFileAfterTheContestEnd) {
    EXPECT_EQ(BadQsoFileName(OleDateTime::from_fields(2008, 2, 3, 23, 59, 59)),
              "BadQSO_StatsTORV_03_02_2008.txt");
    EXPECT_EQ(BadQsoFileName(OleDateTime::from_fields(1999, 12, 31, 0, 0, 0)),
              "BadQSO_StatsTORV_31_12_1999.txt");
}

}  // namespace
