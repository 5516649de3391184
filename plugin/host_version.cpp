#include "plugin/host_version.h"

#include <optional>

namespace {

// The first file of the search whose name holds "Norl2.ini" (compared case-sensitively, so
// that "norl2.ini" does not count).
std::optional<std::string> find_host_settings(TextFiles& files, const std::string& folder) {
    // The folder text ends with its own separator: nothing is put between it and the mask.
    for (const auto& name : files.find_files(folder + "*.ini"))
        if (name.find("Norl2.ini") != std::string::npos)
            return name;
    return std::nullopt;
}

}  // namespace

void LookUpHostVersion(TextFiles& files, const std::string& host_folder,
                       std::string& host_version) {
    auto name = find_host_settings(files, host_folder);
    if (!name) {
        host_version = "Norl";
        return;
    }
    // The file found is read where it was found, not by its bare name in whatever folder is
    // current.
    auto lines = files.read_lines(host_folder + *name);
    if (!lines)
        return;
    static constexpr std::string_view kVersionKey = "Norl=";
    for (const auto& line : *lines) {
        auto at = line.find(kVersionKey);
        if (at != std::string::npos) {
            // The version follows the key wherever the key stands in the line: " Norl=2.20"
            // is version 2.20.
            host_version = line.substr(at + kVersionKey.size());
            return;
        }
    }
}
