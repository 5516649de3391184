// The country file (cty.dat format) and the resolution of a call to its country prefix and
// continent, as a logger does it: exact-call entries first, then the longest matching prefix,
// with the entry's continent overrides.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct CountryOfCall {
    std::string prefix;     // the entity's primary prefix, "DL", "UA9", ...
    std::string continent;  // "EU", "AS", "AF", "NA", "SA", "OC", "AN"
    std::string name;       // "Fed. Rep. of Germany", ...
};

class CountryFile {
  public:
    // Reads the text of a country file; an entry that cannot be read is left out.
    static CountryFile parse(std::string_view text);

    // Reads a country file from disk. Nothing when it cannot be read or holds no entity, with
    // `error` telling a person why.
    static std::optional<CountryFile> load(const std::string& path, std::string& error);

    // The country of a call, with portable forms ("DL/XX1ABC", "XX1ABC/P") taken as a logger
    // takes them; nothing when no entry matches or the text holds other characters than letters,
    // digits and '/'. Letter case and surrounding blanks do not matter. In order: an exact-call
    // entry for the whole call; a country part of a portable form (split_portable_call); an
    // exact-call entry for the home call; the call area of a lone digit suffix ("UA9ABC/3" is in
    // European Russia); the home call's longest prefix.
    std::optional<CountryOfCall> resolve(std::string_view call) const;

    std::size_t entity_count() const;

  private:
    struct Data;
    std::shared_ptr<const Data> data_;
};

// The country file that Debian's hamradio-files package installs.
inline constexpr const char* kDefaultCountryFile = "/usr/share/hamradio-files/cty.dat";
