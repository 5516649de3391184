// A fresh folder for one test, made the current directory while the test runs, because the
// plug-in names its files relative to the current directory as the host's process does.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Reads a whole file of the folder as bytes; empty when it does not exist.
    std::string read(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;
    bool exists(const std::string& name) const;

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};
