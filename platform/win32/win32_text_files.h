// Files through the Windows file functions, opened so that other programs may read and write
// them meanwhile.
#pragma once

#include "plugin/text_files.h"

class Win32TextFiles : public TextFiles {
  public:
    std::optional<std::vector<std::string>> read_lines(const std::string& name) override;
    FileResult write(const std::string& name, std::string_view bytes) override;
    FileResult append(const std::string& name, std::string_view bytes) override;
    FileResult replace(const std::string& name, std::string_view bytes) override;
    std::vector<std::string> find_files(const std::string& pattern) override;
};
