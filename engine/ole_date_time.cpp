#include "engine/ole_date_time.h"

#include <cmath>
#include <cstdio>

namespace {

// Valid day counts lie strictly between these: every time of 1 January 100 to 31 December 9999.
constexpr double kBeforeFirstDay = -657435.0;
constexpr double kAfterLastDay = 2958466.0;
constexpr long kSecondsPerDay = 86400;
// Added to the time of day before it is cut into hours, minutes and seconds, so that a time
// stored a hair below a whole second (39480.5708333333 for 13:42:00) is not cut to the second
// before it.
constexpr double kTimeBias = 1e-11;

bool is_leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap(year) ? 29 : kDays[month - 1];
}

// Days from 1 January of year 1 (proleptic Gregorian) to the given date.
long days_from_civil(int year, int month, int day) {
    long y = year - 1;
    long days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m)
        days += days_in_month(year, m);
    return days + day - 1;
}

constexpr long kEpochOffset = 693593;  // days from 1 January 1 to 30 December 1899

void civil_from_days(long serial, CalendarFields& f) {
    // serial: days since 1 January of year 1.
    long n400 = serial / 146097, rest = serial % 146097;
    long n100 = rest / 36524;
    if (n100 == 4)
        n100 = 3;
    rest -= n100 * 36524;
    long n4 = rest / 1461;
    rest %= 1461;
    long n1 = rest / 365;
    if (n1 == 4)
        n1 = 3;
    rest -= n1 * 365;
    f.year = static_cast<int>(n400 * 400 + n100 * 100 + n4 * 4 + n1 + 1);
    f.day_of_year = static_cast<int>(rest) + 1;
    int month = 1;
    while (rest >= days_in_month(f.year, month))
        rest -= days_in_month(f.year, month++);
    f.month = month;
    f.day = static_cast<int>(rest) + 1;
    f.day_of_week = static_cast<int>((serial + 1) % 7);  // 1 January of year 1 was a Monday
}

void append_number(std::string& out, int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    out += buffer;
}

}  // namespace

OleDateTime::OleDateTime(double days, Status status) : days_(days), status_(status) {
    // NaN fails every comparison; the infinities lie outside the range.
    if (status_ == Status::valid && !(days_ > kBeforeFirstDay && days_ < kAfterLastDay))
        status_ = Status::invalid;
}

OleDateTime OleDateTime::from_fields(int year, int month, int day, int hour, int minute,
                                     int second) {
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > days_in_month(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        return {0.0, Status::invalid};
    }
    double date = static_cast<double>(days_from_civil(year, month, day) - kEpochOffset);
    double time = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
    // Before the epoch the fraction still counts forward from midnight.
    return from_days(date >= 0 ? date + time : date - time);
}

bool OleDateTime::fields(CalendarFields& out) const {
    if (!is_valid())
        return false;
    // A negative value counts its whole days backwards and its time of day forwards:
    // -1.25 is 29 December 1899 06:00.
    double whole = std::trunc(days_);
    double time = std::fabs(days_ - whole) + kTimeBias;
    if (time >= 1.0)
        time -= kTimeBias;
    // Cut the time as the platform does, unit by unit, so that the same day count gives the
    // same second; what is left below the second rounds to the nearest one.
    double rest = time * 24;
    int hour = static_cast<int>(rest);
    rest = (rest - hour) * 60;
    int minute = static_cast<int>(rest);
    rest = (rest - minute) * 60;
    int second = static_cast<int>(rest);
    long seconds = hour * 3600L + minute * 60L + second;
    if (rest - second > 0.5)
        ++seconds;
    long date = static_cast<long>(whole);
    if (seconds == kSecondsPerDay) {
        // The last half second of a day rounds to midnight of the next calendar day, also
        // before 1900, where the whole days count backwards.
        seconds = 0;
        ++date;
    }
    civil_from_days(date + kEpochOffset, out);
    out.hour = static_cast<int>(seconds / 3600);
    out.minute = static_cast<int>(seconds / 60 % 60);
    out.second = static_cast<int>(seconds % 60);
    return true;
}

std::string OleDateTime::Format(std::string_view format) const {
    if (status_ == Status::null)
        return {};
    CalendarFields f;
    if (!fields(f))
        return "Invalid DateTime";
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        switch (format[++i]) {
            case 'Y':
                append_number(out, f.year, 4);
                break;
            case 'y':
                append_number(out, f.year % 100, 2);
                break;
            case 'm':
                append_number(out, f.month, 2);
                break;
            case 'd':
                append_number(out, f.day, 2);
                break;
            case 'H':
                append_number(out, f.hour, 2);
                break;
            case 'M':
                append_number(out, f.minute, 2);
                break;
            case 'S':
                append_number(out, f.second, 2);
                break;
            case 'j':
                append_number(out, f.day_of_year, 3);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += '%';
                out += format[i];
        }
    }
    return out;
}

bool OleDateTime::same_time(const OleDateTime& other) const {
    if (status_ == Status::null || other.status_ == Status::null)
        return status_ == other.status_;
    return status_ == Status::valid && other.status_ == Status::valid && days_ == other.days_;
}
