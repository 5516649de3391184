#include "engine/contest_rules.h"

#include <gtest/gtest.h>

TEST(ContestRules, BandTableIgnoresCaseAndLacks160m) {
    struct Case {
        const char* band;
        bool contained;
    } cases[] = {{"20m", true},   {"20M", true}, {"80m", true}, {"10m", true},
                 {"160m", false}, {"", false},   {"20", false}, {"6m", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.band);
        EXPECT_EQ(band_table().Contains(c.band), c.contained);
    }
    EXPECT_EQ(band_table().size(), 6u);
    EXPECT_EQ(band_table().at(0), "80m");
    EXPECT_EQ(band_table().at(1), "80m");
}

TEST(ContestRules, FindGivesTheTablesSpelling) {
    EXPECT_EQ(band_table().find("20M"), "20m");
    EXPECT_EQ(mode_table().find("rtty"), "RTTY");
    EXPECT_EQ(mode_table().find("bpsk63"), "BPSK63");
    EXPECT_FALSE(mode_table().find("BPSK31").has_value());
}

TEST(ContestRules, ModeClassFoldsOnlyTheExactDigitalModes) {
    struct Case {
        const char* mode;
        const char* mode_class;
    } cases[] = {{"CW", "CW"},       {"SSB", "SSB"},   {"RTTY", "DIGI"},
                 {"BPSK63", "DIGI"}, {"rtty", "rtty"}, {"BPSK31", "BPSK31"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(mode_class(c.mode), c.mode_class);
    }
    EXPECT_TRUE(mode_table().Contains("rtty"));
    EXPECT_FALSE(mode_table().Contains("BPSK31"));
}

TEST(ContestRules, BandSlotsCompareExactly) {
    EXPECT_EQ(band_slot("160m"), 0);
    EXPECT_EQ(band_slot("80m"), 1);
    EXPECT_EQ(band_slot("10m"), 5);
    EXPECT_EQ(band_slot("20M"), -1);
    EXPECT_EQ(band_slot(""), -1);
}

TEST(ContestRules, RussianPrefixesAreExactWholeTexts) {
    for (const char* prefix : {"UA", "UA2", "UA2/f", "UA9", "UN", "UR", "EU"}) {
        SCOPED_TRACE(prefix);
        EXPECT_TRUE(is_russian_prefix(prefix));
    }
    for (const char* other : {"ua", "UA1", "UA2/F", "", "I", "UR "}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(is_russian_prefix(other));
    }
}
