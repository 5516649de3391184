#include "platform/posix/ini_settings_store.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "engine/contest_rules.h"
#include "platform/posix/posix_text_files.h"

// First version: one key per line, sections and keys compared ignoring case.
namespace {

std::string trim(std::string_view text) {
    auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    auto end = text.find_last_not_of(" \t\r");
    return std::string(text.substr(begin, end - begin + 1));
}

}  // namespace

std::string IniSettingsStore::read(std::string_view key, std::string_view default_value) {
    std::ifstream in(native_path(file_), std::ios::binary);
    std::string line;
    bool in_section = false;
    while (std::getline(in, line)) {
        std::string text = trim(line);
        if (!text.empty() && text[0] == '[') {
            auto close = text.find(']');
            in_section = equals_ignoring_case(text.substr(1, close - 1), section_);
            continue;
        }
        auto eq = text.find('=');
        if (in_section && eq != std::string::npos &&
            equals_ignoring_case(trim(text.substr(0, eq)), key))
            return trim(text.substr(eq + 1));
    }
    return std::string(default_value);
}

void IniSettingsStore::write(std::string_view key, std::string_view value) {
    std::ifstream in(native_path(file_), std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    in.close();
    bool in_section = false, written = false;
    std::size_t section_end = lines.size();
    bool section_found = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        std::string text = trim(lines[i]);
        if (!text.empty() && text[0] == '[') {
            if (in_section)
                section_end = i;
            auto close = text.find(']');
            in_section = equals_ignoring_case(text.substr(1, close - 1), section_);
            if (in_section)
                section_found = true;
            continue;
        }
        auto eq = text.find('=');
        if (in_section && eq != std::string::npos &&
            equals_ignoring_case(trim(text.substr(0, eq)), key)) {
            lines[i] = trim(text.substr(0, eq)) + "=" + std::string(value);
            written = true;
        }
    }
    if (!written) {
        if (!section_found) {
            lines.push_back("[" + section_ + "]");
            section_end = lines.size();
        }
        lines.insert(lines.begin() + static_cast<long>(section_end),
                     std::string(key) + "=" + std::string(value));
    }
    std::ostringstream out;
    for (const auto& l : lines)
        out << l << "\r\n";
    PosixTextFiles().write(file_, out.str());
}
