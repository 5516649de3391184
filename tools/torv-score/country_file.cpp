#include "tools/torv-score/country_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <unordered_map>
#include <vector>

#include "engine/contest_rules.h"
#include "tools/torv-score/portable_call.h"

namespace {

// Far beyond any real call; longer texts are not calls and get no country.
constexpr std::size_t kLongestCall = 64;
// The country file is a few hundred kilobytes; anything this large is the wrong file.
constexpr std::uintmax_t kLargestCountryFile = 64u << 20;

struct Entity {
    std::string prefix;
    std::string continent;
    std::string name;
    bool other_list_only = false;  // the prefix carried a '*' in the file
};

struct Entry {
    std::uint32_t entity = 0;
    std::string continent;  // the alias's own continent, empty when it has none
};

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};
using EntryMap = std::unordered_map<std::string, Entry, StringHash, std::equal_to<>>;

bool is_continent(std::string_view text) {
    static constexpr std::array<std::string_view, 7> kContinents = {"AF", "AN", "AS", "EU",
                                                                    "NA", "OC", "SA"};
    return std::find(kContinents.begin(), kContinents.end(), text) != kContinents.end();
}

std::string_view trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool is_call_text(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
    });
}

// One alias of an entity's list: "DL", "=DL0ABC", "R0(19)[33]", "=XX1A{EU}".
struct Alias {
    bool exact = false;
    std::string key;
    std::string continent;
};

std::optional<Alias> parse_alias(std::string_view text) {
    Alias alias;
    if (!text.empty() && text.front() == '=') {
        alias.exact = true;
        text.remove_prefix(1);
    }
    std::size_t overrides = std::min(text.find_first_of("([<{~"), text.size());
    alias.key = to_upper_ascii(text.substr(0, overrides));
    if (!is_call_text(alias.key)) {
        return std::nullopt;
    }
    text.remove_prefix(overrides);
    static constexpr std::string_view kOpen = "([<{~", kClose = ")]>}~";
    while (!text.empty()) {
        std::size_t kind = kOpen.find(text.front());
        if (kind == std::string_view::npos) {
            return std::nullopt;
        }
        std::size_t close = text.find(kClose[kind], 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        std::string_view value = text.substr(1, close - 1);
        if (text.front() == '{') {
            if (!is_continent(value)) {
                return std::nullopt;
            }
            alias.continent = std::string(value);
        }
        text.remove_prefix(close + 1);
    }
    return alias;
}

// The header of an entity: eight colon-terminated fields; `rest` gets what follows them.
std::optional<Entity> parse_header(std::string_view line, std::string_view& rest) {
    std::array<std::string_view, 8> fields;
    for (std::string_view& field : fields) {
        std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        field = trim(line.substr(0, colon));
        line.remove_prefix(colon + 1);
    }
    Entity entity;
    entity.name = std::string(fields[0]);
    entity.continent = std::string(fields[3]);
    std::string_view prefix = fields[7];
    if (!prefix.empty() && prefix.front() == '*') {
        entity.other_list_only = true;
        prefix.remove_prefix(1);
    }
    entity.prefix = std::string(prefix);
    if (entity.name.empty() || entity.prefix.empty() || !is_continent(entity.continent)) {
        return std::nullopt;
    }
    rest = line;
    return entity;
}

}  // namespace

struct CountryFile::Data {
    std::vector<Entity> entities;
    EntryMap exact_calls;
    EntryMap prefixes;
    std::size_t longest_prefix = 0;

    void add(const Alias& alias, std::uint32_t entity) {
        EntryMap& map = alias.exact ? exact_calls : prefixes;
        auto [it, added] = map.try_emplace(alias.key, Entry{entity, alias.continent});
        // A call listed both for an entity and for an other-list entity inside it (Shetland in
        // Scotland, the Vienna centre in Austria) belongs to the narrower one.
        if (!added && entities[entity].other_list_only &&
            !entities[it->second.entity].other_list_only) {
            it->second = Entry{entity, alias.continent};
        }
        if (!alias.exact) {
            longest_prefix = std::max(longest_prefix, alias.key.size());
        }
    }

    // Adds the aliases of a piece of an alias list; false once the list's ';' is reached.
    bool add_aliases(std::string_view text, std::uint32_t entity) {
        while (!text.empty()) {
            std::size_t end = text.find_first_of(",;");
            std::string_view item = trim(text.substr(0, end));
            if (!item.empty()) {
                if (std::optional<Alias> alias = parse_alias(item)) {
                    add(*alias, entity);
                }
            }
            if (end == std::string_view::npos) {
                return true;
            }
            if (text[end] == ';') {
                return false;
            }
            text.remove_prefix(end + 1);
        }
        return true;
    }

    std::optional<CountryOfCall> country(const Entry& entry) const {
        const Entity& entity = entities[entry.entity];
        return CountryOfCall{entity.prefix,
                             entry.continent.empty() ? entity.continent : entry.continent,
                             entity.name};
    }

    std::optional<CountryOfCall> exact(std::string_view call) const {
        auto it = exact_calls.find(call);
        if (it == exact_calls.end()) {
            return std::nullopt;
        }
        return country(it->second);
    }

    std::optional<CountryOfCall> longest_prefix_of(std::string_view call) const {
        for (std::size_t size = std::min(call.size(), longest_prefix); size > 0; --size) {
            auto it = prefixes.find(call.substr(0, size));
            if (it != prefixes.end()) {
                return country(it->second);
            }
        }
        return std::nullopt;
    }
};

CountryFile CountryFile::parse(std::string_view text) {
    auto data = std::make_shared<Data>();
    bool in_alias_list = false;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        // Alias lists never hold a colon, so a line with one starts an entity or is broken;
        // either way the list before it has ended.
        if (line.find(':') != std::string_view::npos) {
            std::string_view rest;
            std::optional<Entity> entity = parse_header(line, rest);
            in_alias_list = entity.has_value();
            if (!entity) {
                continue;
            }
            data->entities.push_back(std::move(*entity));
            line = rest;
        }
        if (in_alias_list) {
            in_alias_list =
                data->add_aliases(line, static_cast<std::uint32_t>(data->entities.size() - 1));
        }
    }
    CountryFile file;
    file.data_ = std::move(data);
    return file;
}

std::optional<CountryFile> CountryFile::load(const std::string& path, std::string& error) {
    std::error_code failure;
    if (!std::filesystem::is_regular_file(path, failure)) {
        error = "country file " + path + " does not exist or is not a file";
        return std::nullopt;
    }
    std::uintmax_t size = std::filesystem::file_size(path, failure);
    if (failure || size > kLargestCountryFile) {
        error = "country file " + path + " is too large to be a country file";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
        error = "country file " + path + " cannot be read";
        return std::nullopt;
    }
    CountryFile file = parse(text);
    if (file.entity_count() == 0) {
        error = "country file " + path + " holds no country entries";
        return std::nullopt;
    }
    return file;
}

std::optional<CountryOfCall> CountryFile::resolve(std::string_view call) const {
    call = trim(call);
    if (!data_ || call.empty() || call.size() > kLongestCall) {
        return std::nullopt;
    }
    std::string upper = to_upper_ascii(call);
    if (!is_call_text(upper)) {
        return std::nullopt;
    }
    if (auto country = data_->exact(upper)) {
        return country;
    }
    PortableCall portable = split_portable_call(upper);
    for (const std::string& prefix : portable.prefixes) {
        if (auto country = data_->longest_prefix_of(prefix)) {
            return country;
        }
    }
    if (portable.call.empty()) {
        return std::nullopt;
    }
    if (auto country = data_->exact(portable.call)) {
        return country;
    }
    if (portable.area_digit != '\0') {
        if (auto country =
                data_->longest_prefix_of(call_area_prefix(portable.call, portable.area_digit))) {
            return country;
        }
    }
    return data_->longest_prefix_of(portable.call);
}

std::size_t CountryFile::entity_count() const {
    return data_ ? data_->entities.size() : 0;
}
