#include "tools/torv-score/log_text.h"

#include <charconv>
#include <cmath>
#include <limits>

bool is_blank_or_control(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == 0x7f;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank_or_control(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank_or_control(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

// The value of a text of exactly `width` decimal digits.
std::optional<int> fixed_digits(std::string_view text, std::size_t width) {
    if (text.size() != width)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

unsigned frequency_hz_of(std::string_view text, double unit, double& as_mhz) {
    as_mhz = std::numeric_limits<double>::quiet_NaN();
    text = trimmed(text);
    double value = 0.0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return 0;
    as_mhz = value * unit / 1e6;
    double hz = std::round(value * unit);
    if (!(hz >= 1.0) || hz > static_cast<double>(std::numeric_limits<unsigned>::max()))
        return 0;
    return static_cast<unsigned>(hz);
}

std::optional<OleDateTime> time_of_digits(std::string_view date, std::string_view time) {
    if (date.size() != 8 || (time.size() != 4 && time.size() != 6))
        return std::nullopt;
    auto year = fixed_digits(date.substr(0, 4), 4);
    auto month = fixed_digits(date.substr(4, 2), 2);
    auto day = fixed_digits(date.substr(6, 2), 2);
    auto hour = fixed_digits(time.substr(0, 2), 2);
    auto minute = fixed_digits(time.substr(2, 2), 2);
    std::optional<int> second = time.size() == 6 ? fixed_digits(time.substr(4, 2), 2) : 0;
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    OleDateTime value = OleDateTime::from_fields(*year, *month, *day, *hour, *minute, *second);
    if (!value.is_valid())
        return std::nullopt;
    return value;
}

std::string shown(std::string_view text) {
    constexpr std::size_t kMost = 40;
    std::string out;
    for (char c : text.substr(0, kMost))
        out += is_blank_or_control(c) && c != ' ' ? '?' : c;
    if (text.size() > kMost)
        out += "...";
    return out;
}
