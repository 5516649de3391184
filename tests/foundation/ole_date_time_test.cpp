#include "engine/ole_date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(OleDateTime, FormatsValidInvalidAndNullValues) {
    OleDateTime qso = OleDateTime::from_fields(2008, 2, 2, 13, 42, 0);
    EXPECT_EQ(qso.Format("%Y-%m-%d %H%M"), "2008-02-02 1342");
    EXPECT_EQ(qso.Format("%d.%m.%Y"), "02.02.2008");
    EXPECT_EQ(qso.Format("%d_%m_%Y"), "02_02_2008");
    EXPECT_EQ(OleDateTime(1.0, OleDateTime::Status::invalid).Format("%Y"), "Invalid DateTime");
    EXPECT_EQ(OleDateTime::null().Format("%Y"), "");
}

TEST(OleDateTime, NotANumberAndInfinityAreInvalid) {
    for (double days : {std::nan(""), std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(OleDateTime::from_days(days).Format("%Y"), "Invalid DateTime");
        EXPECT_EQ(OleDateTime(days, OleDateTime::Status::valid).status(),
                  OleDateTime::Status::invalid);
        EXPECT_FALSE(OleDateTime::from_days(days).same_time(OleDateTime::from_days(days)));
    }
}

TEST(OleDateTime, CalendarFieldsOfKnownDays) {
    struct Case {
        double days;
        const char* text;
    } cases[] = {
        {0.0, "1899-12-30 00:00:00"},
        {1.0, "1899-12-31 00:00:00"},
        {2.0, "1900-01-01 00:00:00"},
        {-1.25, "1899-12-29 06:00:00"},
        {39480.5708333333, "2008-02-02 13:42:00"},
        {36526.0, "2000-01-01 00:00:00"},
        {-657434.0, "0100-01-01 00:00:00"},
        {2958465.0, "9999-12-31 00:00:00"},
        // Rounded to the nearest second, carrying into the next calendar day.
        {1.0 - 0.4 / 86400, "1899-12-31 00:00:00"},
        {1.0 - 0.6 / 86400, "1899-12-30 23:59:59"},
        {-1.0 - 86399.7 / 86400, "1899-12-30 00:00:00"},
        {36585.0 + 86399.7 / 86400, "2000-03-01 00:00:00"},
        // The first and last day counts of the range, and just outside it.
        {-657434.5, "0100-01-01 12:00:00"},
        {-657434.9999, "0100-01-01 23:59:51"},
        {2958465.5, "9999-12-31 12:00:00"},
        {2958465.99999999, "10000-01-01 00:00:00"},
        {-657435.0, "Invalid DateTime"},
        {-657435.5, "Invalid DateTime"},
        {2958466.0, "Invalid DateTime"},
        {1e300, "Invalid DateTime"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.days);
        EXPECT_EQ(OleDateTime::from_days(c.days).Format("%Y-%m-%d %H:%M:%S"), c.text);
    }
}

TEST(OleDateTime, StatusFollowsTheRange) {
    EXPECT_EQ(OleDateTime::from_days(-657434.99).status(), OleDateTime::Status::valid);
    EXPECT_EQ(OleDateTime::from_days(-657435.0).status(), OleDateTime::Status::invalid);
    EXPECT_EQ(OleDateTime::from_days(2958465.99).status(), OleDateTime::Status::valid);
    EXPECT_EQ(OleDateTime::from_days(2958466.0).status(), OleDateTime::Status::invalid);
    // A null value stays null whatever its day count.
    EXPECT_EQ(OleDateTime(std::nan(""), OleDateTime::Status::null).Format("%Y"), "");
}

TEST(OleDateTime, FromFieldsRoundTrips) {
    OleDateTime t = OleDateTime::from_fields(2018, 3, 10, 12, 5, 59);
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2018-03-10 12:05:59");
    EXPECT_EQ(OleDateTime::from_fields(2018, 2, 30, 0, 0, 0).status(),
              OleDateTime::Status::invalid);
}

TEST(OleDateTime, SameTimeCompares) {
    auto a = OleDateTime::from_days(39480.5);
    EXPECT_TRUE(a.same_time(OleDateTime::from_days(39480.5)));
    EXPECT_FALSE(a.same_time(OleDateTime::from_days(39480.5 + 1.0 / 86400)));
    EXPECT_TRUE(OleDateTime::null().same_time(OleDateTime::null()));
    OleDateTime invalid(39480.5, OleDateTime::Status::invalid);
    EXPECT_FALSE(invalid.same_time(invalid));
    EXPECT_FALSE(a.same_time(OleDateTime::null()));
}
