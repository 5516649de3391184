#include "engine/contest_rules.h"

#include <algorithm>
#include <array>

namespace {
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

bool begins_with_letter(std::string_view text) {
    return !text.empty() &&
           ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

std::string to_upper_ascii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::optional<std::string> CContestRules::find(std::string_view text) const {
    for (const auto& entry : entries_)
        if (equals_ignoring_case(entry, text))
            return entry;
    return std::nullopt;
}

const CContestRules& band_table() {
    static const CContestRules table{"80m", "80m", "40m", "20m", "15m", "10m"};
    return table;
}

const CContestRules& mode_table() {
    static const CContestRules table{"CW", "SSB", "RTTY", "BPSK63"};
    return table;
}

std::string mode_class(std::string_view mode) {
    if (mode == "RTTY" || mode == "BPSK63")
        return "DIGI";
    return std::string(mode);
}

int band_slot(std::string_view band) {
    static const std::array<std::string_view, kBandSlotCount> kSlots{"160m", "80m", "40m",
                                                                     "20m",  "15m", "10m"};
    for (int slot = 0; slot < kBandSlotCount; ++slot)
        if (kSlots[slot] == band)
            return slot;
    return -1;
}

bool is_russian_prefix(std::string_view own_country) {
    static const std::array<std::string_view, 7> kPrefixes{"UA", "UA2", "UA2/f", "UA9",
                                                           "UN", "UR",  "EU"};
    return std::find(kPrefixes.begin(), kPrefixes.end(), own_country) != kPrefixes.end();
}
