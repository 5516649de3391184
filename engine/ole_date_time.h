// The OLE automation date the host uses for QSO times and contest dates: a day count since
// 30 December 1899 with the time of day as the fraction, and a status.
#pragma once

#include <string>
#include <string_view>

struct CalendarFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    int day_of_week = 0;  // 0 = Sunday
    int day_of_year = 0;  // 1 = 1 January
};

class OleDateTime {
  public:
    enum class Status { valid = 0, invalid = 1, null = 2 };

    OleDateTime() = default;
    // A valid status with a day count that is not a number or lies outside the years 100 to
    // 9999 becomes invalid.
    OleDateTime(double days, Status status);
    static OleDateTime from_days(double days) { return {days, Status::valid}; }
    static OleDateTime null() { return {0.0, Status::null}; }
    // The value for a calendar date and time; invalid when the fields are out of range.
    static OleDateTime from_fields(int year, int month, int day, int hour, int minute, int second);

    double days() const { return days_; }
    Status status() const { return status_; }
    bool is_valid() const { return status_ == Status::valid; }

    // Calendar fields rounded to the nearest second; false for a value that is not valid or
    // lies outside the years 100 to 9999 (the last half second of 9999 rounds to 1 January
    // 10000, as the platform's conversion has it).
    bool fields(CalendarFields& out) const;

    // strftime-style text (%Y %m %d %H %M %S %y %j %%); "Invalid DateTime" for an invalid value
    // and the empty text for a null one.
    std::string Format(std::string_view format) const;

    // Two times are equal when both are valid with the same day count, or both are null.
    bool same_time(const OleDateTime& other) const;

  private:
    double days_ = 0.0;
    Status status_ = Status::valid;
};
