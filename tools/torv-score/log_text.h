// Small text helpers the log readers share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/ole_date_time.h"

bool is_blank_or_control(char c);

// The text without blanks and control characters at either end.
std::string_view trimmed(std::string_view text);

// The frequency in Hz of a decimal number of the given unit (1e6 for MHz, 1e3 for kHz),
// rounded; 0 for a text that is not a number or a value outside 1 Hz to the largest unsigned.
// `as_mhz` receives the value in MHz (not a number when the text is not one).
unsigned frequency_hz_of(std::string_view text, double unit, double& as_mhz);

// The time of a date "YYYYMMDD" and a time "HHMM" or "HHMMSS"; nothing when they are not
// written so or name no valid time.
std::optional<OleDateTime> time_of_digits(std::string_view date, std::string_view time);

// The text shown in a reason: cut to a sensible length, control characters made '?'.
std::string shown(std::string_view text);
