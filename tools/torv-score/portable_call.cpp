#include "tools/torv-score/portable_call.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_letter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool is_operating_suffix(std::string_view part) {
    static constexpr std::array<std::string_view, 7> kSuffixes = {"P",   "M",    "MM", "AM",
                                                                  "QRP", "QRPP", "LH"};
    if (std::find(kSuffixes.begin(), kSuffixes.end(), part) != kSuffixes.end()) {
        return true;
    }
    // /A, /B and other single letters are operating marks, not countries; a country goes
    // before the call ("F/DL1ABC") or is given with more than one character.
    if (part.size() == 1 && is_letter(part[0])) {
        return true;
    }
    return part.size() > 1 && std::all_of(part.begin(), part.end(), is_digit);
}

bool is_call_like(std::string_view part) {
    for (std::size_t i = 0; i + 1 < part.size(); ++i) {
        if (is_digit(part[i]) && is_letter(part[i + 1])) {
            return true;
        }
    }
    return false;
}

std::vector<std::string_view> split_parts(std::string_view call) {
    std::vector<std::string_view> parts;
    while (!call.empty()) {
        std::size_t slash = call.find('/');
        std::string_view part = call.substr(0, slash);
        if (!part.empty()) {
            parts.push_back(part);
        }
        if (slash == std::string_view::npos) {
            break;
        }
        call.remove_prefix(slash + 1);
    }
    return parts;
}

}  // namespace

PortableCall split_portable_call(std::string_view call) {
    PortableCall result;
    std::vector<std::string_view> parts = split_parts(call);
    while (parts.size() > 1) {
        std::string_view last = parts.back();
        if (last.size() == 1 && is_digit(last[0])) {
            if (result.area_digit == '\0') {
                result.area_digit = last[0];
            }
        } else if (!is_operating_suffix(last)) {
            break;
        }
        parts.pop_back();
    }
    if (parts.empty()) {
        return result;
    }

    // The home call: the longest call-like part, the first of equals.
    auto home =
        std::max_element(parts.begin(), parts.end(), [](std::string_view a, std::string_view b) {
            return std::pair(is_call_like(a), a.size()) < std::pair(is_call_like(b), b.size());
        });
    result.call = std::string(*home);
    parts.erase(home);

    std::stable_sort(parts.begin(), parts.end(), [](std::string_view a, std::string_view b) {
        if (is_call_like(a) != is_call_like(b)) {
            return !is_call_like(a);
        }
        return a.size() < b.size();
    });
    for (std::string_view part : parts) {
        result.prefixes.emplace_back(part);
    }
    return result;
}

std::string call_area_prefix(std::string_view call, char area_digit) {
    std::size_t last_digit = call.find_last_of("0123456789");
    if (last_digit == std::string_view::npos) {
        return std::string(call) + area_digit;
    }
    std::string prefix(call.substr(0, last_digit + 1));
    prefix.back() = area_digit;
    return prefix;
}
