#include <gtest/gtest.h>

#include <climits>

#include "plugin/settings_store.h"

TEST(SettingsNumber, PlainStringToIntegerConversion) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"", 0},   {"abc", 0},    {"1", 1},   {"  42", 42}, {"-7", -7},
                 {"+8", 8}, {"12abc", 12}, {"1 2", 1}, {"- 3", 0},   {"99999999999", INT_MAX},
                 {"\t5", 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parse_leading_int(c.text), c.value);
    }
}
