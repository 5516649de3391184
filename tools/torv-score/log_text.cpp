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

std::optional<OleDateTime> valid_time(int year, int month, int day, int hour, int minute,
                                      int second) {
    OleDateTime time = OleDateTime::from_fields(year, month, day, hour, minute, second);
    if (!time.is_valid())
        return std::nullopt;
    return time;
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
