// The contest's constant tables: bands, modes, mode classes, band slots and the own-country
// prefixes that switch the operator window to Russian texts.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A constant list of texts with a lookup that ignores ASCII letter case.
class CContestRules {
  public:
    CContestRules(std::initializer_list<const char*> texts)
        : entries_(texts.begin(), texts.end()) {}

    // True when some entry equals the text, ignoring letter case.
    bool Contains(std::string_view text) const { return find(text).has_value(); }
    // The table's own spelling of the text, if the table holds it ignoring letter case.
    std::optional<std::string> find(std::string_view text) const;

    std::size_t size() const { return entries_.size(); }
    const std::string& at(std::size_t index) const { return entries_.at(index); }

  private:
    std::vector<std::string> entries_;
};

// Slots 0 and 1 both hold "80m": 160m is not a contest band.
const CContestRules& band_table();
const CContestRules& mode_table();

// "DIGI" for exactly "RTTY" or "BPSK63", otherwise the mode text itself.
std::string mode_class(std::string_view mode);
enum class ModeClassIndex { cw = 0, ssb = 1, digi = 2 };
constexpr int kModeClassCount = 3;
constexpr int kBandSlotCount = 6;

// Slot of a band text in the per-band tables ("160m" 0 to "10m" 5), compared exactly; -1 for
// any other text.
int band_slot(std::string_view band);

// The own-country prefixes whose operators get the Russian window texts.
bool is_russian_prefix(std::string_view own_country);

// ASCII letter-case helpers shared by the engine's comparisons.
bool equals_ignoring_case(std::string_view a, std::string_view b);
bool begins_with_letter(std::string_view text);
std::string to_upper_ascii(std::string_view text);
