// Our calendar fields against the platform's own conversion (oleaut32's
// VariantTimeToSystemTime), which is what the host's date-time class prints from.
#include <windows.h>
// after windows.h, which it needs
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/ole_date_time.h"

namespace {

constexpr double kSecond = 1.0 / 86400;

std::string describe(double days) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", days);
    return text;
}

std::string platform_text(double days) {
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(days, &st))
        return "invalid";
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", st.wYear, st.wMonth, st.wDay,
                  st.wHour, st.wMinute, st.wSecond);
    return text;
}

std::string our_text(double days) {
    CalendarFields f;
    if (!OleDateTime::from_days(days).fields(f))
        return "invalid";
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", f.year, f.month, f.day,
                  f.hour, f.minute, f.second);
    return text;
}

void expect_same_as_platform(const std::vector<double>& days) {
    for (double d : days) {
        SCOPED_TRACE(describe(d));
        EXPECT_EQ(our_text(d), platform_text(d));
    }
}

}  // namespace

TEST(OleDateTimeAgainstPlatform, EpochNegativeAndFractionalDays) {
    expect_same_as_platform({
        0.0,
        1.0,
        2.0,
        -1.0,
        -1.25,
        -0.25,
        -0.5,
        0.25,
        0.5,
        0.75,
        -1.5,
        -2.75,
        -0.75,
        -365.0,
        -365.5,
        -36522,
        59.0,
        60.0,
        61.0,
        60.5,
        36526,
        36585,
        36586,
        39480.5708333333,
        -693593 + 693593.5,
        -10000.125,
        -109571.0,
        -109572.0,
        -146097.25,
        146097.75,
        1.0e-12,
        -1.0e-12,
    });
}

TEST(OleDateTimeAgainstPlatform, RoundsToTheNearestSecond) {
    std::vector<double> days;
    for (double base : {0.0, 1.0, 39480.0, -1.0, -39480.0, -2.0}) {
        for (double seconds :
             {0.4, 0.5, 0.6, 0.49, 0.51, 0.499999, 0.500001, 59.4, 59.5, 59.6, 3599.5, 43199.5,
              86399.4, 86399.49, 86399.5, 86399.51, 86399.6, 86399.99, 86399.9999}) {
            days.push_back(base + seconds * kSecond);
            days.push_back(base - seconds * kSecond);
        }
        days.push_back(base + 0.99999999);
        days.push_back(base - 0.99999999);
        days.push_back(base + 0.9999999999);
        days.push_back(base - 0.9999999999);
    }
    // Last half seconds of a month, of February in a leap year and of a year; the last one of
    // 9999 rounds into 1 January 10000, as the platform has it.
    for (double base : {36585.0, 36891.0, 36950.0, 36556.0, 2958464.0, 2958465.0, -657404.0})
        days.push_back(base + 86399.7 * kSecond);
    expect_same_as_platform(days);
}

TEST(OleDateTimeAgainstPlatform, RangeLimitsAndBeyond) {
    expect_same_as_platform({
        -657434.0,        -657434.25,        -657434.5, -657434.99,      -657434.99999,
        -657434.9999999,  -657434.999999999, -657435.0, -657435.0000001, -657436.0,
        -657433.99999999, 2958465.0,         2958465.5, 2958465.99,      2958465.99999,
        2958465.9999999,  2958465.999999999, 2958466.0, 2958466.5,       2958467.0,
        1.0e10,           -1.0e10,           DBL_MAX,   -DBL_MAX,
    });
}

TEST(OleDateTimeAgainstPlatform, SweepOfTheValidRange) {
    // A fixed pseudo-random sweep, so that a failure names a day count that can be replayed.
    std::vector<double> days;
    unsigned long long state = 88172645463325252ull;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        double unit = static_cast<double>(state >> 11) / 9007199254740992.0;
        days.push_back(-657435.0 + unit * (2958466.0 + 657435.0));
    }
    expect_same_as_platform(days);
}

TEST(OleDateTimeAgainstPlatform, LastHalfSecondOfNovemberRoundsIntoDecember) {
    // Wine's conversion carries 30 November 23:59:59.7 into 1 January of the next year; the
    // time is plainly 1 December 00:00:00, and that is what we print.
    struct Case {
        double days;
        const char* text;
    } cases[] = {
        {36860.0 + 86399.7 * kSecond, "2000-12-01 00:00:00"},
        {2958434.0 + 86399.7 * kSecond, "9999-12-01 00:00:00"},
        {-657101.0 - 86399.7 * kSecond, "0100-12-01 00:00:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.days));
        EXPECT_EQ(our_text(c.days), c.text);
    }
}
