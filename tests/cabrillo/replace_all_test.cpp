#include "cabrillo/replace_all.h"

#include <gtest/gtest.h>

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlap) {
    struct Case {
        const char* name;
        const char* text;
        const char* old_text;
        const char* new_text;
        const char* expected;
    };
    const Case cases[] = {
        {"every occurrence", "DL/K1ABC/P", "/", "_", "DL_K1ABC_P"},
        {"no overlap", "aaa", "aa", "b", "ba"},
        {"search goes on in the input", "aXa", "a", "aa", "aaXaa"},
        {"replacement not searched again", "<CR>", "<CR>", "<CR><CR>", "<CR><CR>"},
        {"old equals new", "a<LF>b", "<LF>", "<LF>", "a<LF>b"},
        {"not found", "K1ABC", "/", "_", "K1ABC"},
        {"empty text", "", "/", "_", ""},
        {"empty old text matches nothing", "abc", "", "x", "abc"},
        {"removal", "a<LF>b<LF>", "<LF>", "", "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReplaceAll(c.text, c.old_text, c.new_text), c.expected);
    }
}
