// Files on Linux, named as the host names them on Windows: a backslash separates folders.
#pragma once

#include "plugin/text_files.h"

class PosixTextFiles : public TextFiles {
  public:
    std::optional<std::vector<std::string>> read_lines(const std::string& name) override;
    FileResult write(const std::string& name, std::string_view bytes) override;
    FileResult append(const std::string& name, std::string_view bytes) override;
    FileResult replace(const std::string& name, std::string_view bytes) override;
    std::vector<std::string> find_files(const std::string& pattern) override;
};

// "Plugins\TORV.ini" as a Linux path: "Plugins/TORV.ini".
std::string native_path(const std::string& name);
