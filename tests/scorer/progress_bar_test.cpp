#include "tools/torv-score/progress_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

std::string drawn(std::FILE* file) {
    std::rewind(file);
    std::string text;
    for (int c; (c = std::fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    return text;
}

TEST(ProgressBar, RedrawsOnlyWhenThePercentageChangesAndEndsItsLine) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ProgressBar bar(file, "Scoring");
    for (std::size_t done = 1; done <= 400; ++done)
        bar.update(done, 400);
    bar.finish();
    std::string text = drawn(file);
    std::fclose(file);

    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 101);  // 0% to 100%
    EXPECT_NE(text.find("\rScoring [#                             ]   4% 16/400 QSOs"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\r')),
              "\rScoring [##############################] 100% 400/400 QSOs\n");
}

TEST(ProgressBar, DrawsNothingForAnEmptyLog) {
    std::FILE* file = std::tmpfile();
    ProgressBar bar(file, "Scoring");
    bar.update(0, 0);
    bar.finish();
    EXPECT_EQ(drawn(file), "");
    std::fclose(file);
}

}  // namespace
