// The files the plug-in reads and writes, named as the host's process sees them: relative
// names are taken from the current directory and a backslash separates folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FileResult {
    bool ok = false;
    std::string error;  // what went wrong, for a person to read
};

class TextFiles {
  public:
    virtual ~TextFiles() = default;
    // The lines of a text file without their line ends (LF or CR LF), or nothing when the file
    // cannot be opened.
    virtual std::optional<std::vector<std::string>> read_lines(const std::string& name) = 0;
    // Writes the bytes as they are, creating or emptying the file first. Other programs may
    // read and write the file meanwhile.
    virtual FileResult write(const std::string& name, std::string_view bytes) = 0;
    // Appends the bytes, creating the file when it does not exist.
    virtual FileResult append(const std::string& name, std::string_view bytes) = 0;
    // Writes the bytes to a temporary file in the same folder and renames it over the name, so
    // that a failure never leaves a half-written file.
    virtual FileResult replace(const std::string& name, std::string_view bytes) = 0;
    // Names (without folder) of the files that match a pattern such as "C:\Host\*.ini".
    virtual std::vector<std::string> find_files(const std::string& pattern) = 0;
};
