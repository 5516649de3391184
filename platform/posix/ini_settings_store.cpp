#include "platform/posix/ini_settings_store.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "engine/contest_rules.h"
#include "platform/posix/posix_text_files.h"

// The file is read whole into sections of entries and, after a change, written whole again,
// as the profile functions do: every line trimmed, blank lines dropped, CR LF line ends.
namespace {

bool is_blank(char c) {
    // The profile functions take Ctrl-Z, the old end-of-file mark, for a blank too.
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

std::string_view trim_left(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trim(std::string_view text) {
    text = trim_left(text);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One line of a section: "name=value", or a line without '=' (a comment, say), which has a
// name and no value.
struct Entry {
    std::string name;
    std::optional<std::string> value;
};

struct Section {
    std::string name;  // empty for the lines before the first section header
    std::vector<Entry> entries;
};

std::vector<Section> parse(std::string_view text) {
    std::vector<Section> sections;
    std::size_t start = 0;
    while (start < text.size()) {
        // A line ends at CR or LF; the empty line between CR and LF is dropped as blank.
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty())
            continue;
        std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            sections.push_back({std::string(trim(line.substr(1, close - 1))), {}});
            continue;
        }
        if (sections.empty())
            sections.push_back({});
        Entry entry;
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            entry.name = line;
        } else {
            entry.name = trim(line.substr(0, equals));
            entry.value = std::string(trim_left(line.substr(equals + 1)));
        }
        // Of several lines in a row without a name ("=x") only the first is kept.
        auto& entries = sections.back().entries;
        if (entry.name.empty() && !entries.empty() && entries.back().name.empty())
            continue;
        entries.push_back(std::move(entry));
    }
    return sections;
}

std::string format(const std::vector<Section>& sections) {
    std::string text;
    for (const auto& section : sections) {
        if (!section.name.empty())
            text += "[" + section.name + "]\r\n";
        for (const auto& entry : section.entries) {
            text += entry.name;
            if (entry.value)
                text += "=" + *entry.value;
            text += "\r\n";
        }
    }
    return text;
}

// Only the first section of the name counts, and in it only the first entry of the key.
Section* find_section(std::vector<Section>& sections, std::string_view name) {
    for (auto& section : sections)
        if (equals_ignoring_case(section.name, name))
            return &section;
    return nullptr;
}

Entry* find_entry(Section& section, std::string_view key) {
    for (auto& entry : section.entries)
        if (equals_ignoring_case(entry.name, key))
            return &entry;
    return nullptr;
}

// A value wholly in double or single quotes is read without them.
std::string without_quotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::optional<std::string> read_file(const std::string& name) {
    std::ifstream in(native_path(name), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

std::string IniSettingsStore::read(std::string_view key, std::string_view default_value) {
    std::lock_guard lock(mutex_);
    if (auto text = read_file(file_)) {
        auto sections = parse(*text);
        if (Section* section = find_section(sections, section_))
            if (Entry* entry = find_entry(*section, key); entry && entry->value)
                return without_quotes(*entry->value);
    }
    // The default loses its trailing blanks (spaces only) and its quotes, as a stored value.
    while (!default_value.empty() && default_value.back() == ' ')
        default_value.remove_suffix(1);
    return without_quotes(default_value);
}

void IniSettingsStore::write(std::string_view key, std::string_view value) {
    std::lock_guard lock(mutex_);
    // The value is stored without leading blanks; its trailing blanks go at the next parse.
    std::string stored(trim_left(value));
    auto sections = parse(read_file(file_).value_or(std::string()));
    Section* section = find_section(sections, section_);
    if (!section) {
        sections.push_back({section_, {}});
        section = &sections.back();
    }
    if (Entry* entry = find_entry(*section, key)) {
        if (entry->value == stored)
            return;  // unchanged: the file keeps its bytes
        entry->value = std::move(stored);
    } else {
        section->entries.push_back({std::string(key), std::move(stored)});
    }
    // Written to a temporary file and renamed over the old one, so that a failed write never
    // leaves a cut settings file. A failure (no folder, say) changes nothing.
    PosixTextFiles().replace(file_, format(sections));
}
