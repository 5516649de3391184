// Band edges of the plan and the names it knows.
#include "tools/torv-score/band_plan.h"

#include <gtest/gtest.h>

#include <limits>

TEST(BandPlan, FindsTheBandWithinItsEdges) {
    const struct {
        double mhz;
        const char* band;
    } cases[] = {
        {1.8, "160m"},
        {2.0, "160m"},
        {2.0001, ""},
        {3.4999, ""},
        {3.5, "80m"},
        {4.0, "80m"},
        {7.0, "40m"},
        {7.3, "40m"},
        {7.3001, ""},
        {13.9999, ""},
        {14.0, "20m"},
        {14.35, "20m"},
        {21.0, "15m"},
        {21.45, "15m"},
        {28.0, "10m"},
        {29.7, "10m"},
        {29.7001, ""},
        {10.1, "30m"},
        {50.1, "6m"},
        {432.1, "70cm"},
        {0.0, ""},
        {-14.0, ""},
        {1e300, ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
        {std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mhz);
        EXPECT_EQ(band_of_frequency_mhz(c.mhz), c.band);
    }
}

TEST(BandPlan, GivesThePlansSpellingOfABandName) {
    const struct {
        const char* name;
        const char* band;
    } cases[] = {{"20m", "20m"}, {"20M", "20m"}, {"160M", "160m"}, {"70CM", "70cm"},
                 {"11m", ""},    {"20", ""},     {"", ""},         {"20m ", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(band_by_name(c.name), c.band);
    }
}
