// Small text helpers the log readers share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/ole_date_time.h"

bool is_blank_or_control(char c);

// The text without blanks and control characters at either end.
std::string_view trimmed(std::string_view text);

// The value of a text of exactly `width` decimal digits; nothing for anything else.
std::optional<int> fixed_digits(std::string_view text, std::size_t width);

// The frequency in Hz of a decimal number of the given unit (1e6 for MHz, 1e3 for kHz),
// rounded; 0 for a text that is not a number or a value outside 1 Hz to the largest unsigned.
// `as_mhz` receives the value in MHz (not a number when the text is not one).
unsigned frequency_hz_of(std::string_view text, double unit, double& as_mhz);

// A time of the calendar date and time of day; nothing when either is out of range.
std::optional<OleDateTime> valid_time(int year, int month, int day, int hour, int minute,
                                      int second);

// The text shown in a reason: cut to a sensible length, control characters made '?'.
std::string shown(std::string_view text);
