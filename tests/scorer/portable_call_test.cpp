#include "tools/torv-score/portable_call.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* call;
    const char* home;
    std::vector<std::string> prefixes;
    char area_digit;
};

TEST(PortableCallTest, SplitsHomeCallCountryPartsAndCallArea) {
    const Case cases[] = {
        {"W1AW", "W1AW", {}, '\0'},
        {"DL/W1AW", "W1AW", {"DL"}, '\0'},
        {"W1AW/DL", "W1AW", {"DL"}, '\0'},
        {"VP2E/W1ABC", "W1ABC", {"VP2E"}, '\0'},  // both call-like: the shorter is the country
        {"W1ABC/VP2E", "W1ABC", {"VP2E"}, '\0'},
        {"DL1ABC/F1XYZ", "DL1ABC", {"F1XYZ"}, '\0'},  // equals: the first is the home call
        {"F/DL1ABC/P", "DL1ABC", {"F"}, '\0'},
        {"F/DL1ABC/F", "DL1ABC", {"F"}, '\0'},
        {"EA8/VE3/DL1ABC", "DL1ABC", {"EA8", "VE3"}, '\0'},
        {"W1AW/4/P/QRP", "W1AW", {}, '4'},
        {"W1AW/4/5", "W1AW", {}, '5'},  // the last digit counts
        {"W1AW/70/MM/AM/LH/QRPP", "W1AW", {}, '\0'},
        {"/W1AW//P/", "W1AW", {}, '\0'},
        {"P", "P", {}, '\0'},  // a lone part is the call, whatever it looks like
        {"4", "4", {}, '\0'},
        {"", "", {}, '\0'},
        {"///", "", {}, '\0'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        PortableCall split = split_portable_call(c.call);
        EXPECT_EQ(split.call, c.home);
        EXPECT_EQ(split.prefixes, c.prefixes);
        EXPECT_EQ(split.area_digit, c.area_digit);
    }
}

TEST(PortableCallTest, ReplacesTheLastDigitOfTheCallPrefix) {
    EXPECT_EQ(call_area_prefix("UA9ABC", '3'), "UA3");
    EXPECT_EQ(call_area_prefix("W1AW", '4'), "W4");
    EXPECT_EQ(call_area_prefix("3DA0BP", '5'), "3DA5");
    EXPECT_EQ(call_area_prefix("RAEM", '1'), "RAEM1");
}

}  // namespace
