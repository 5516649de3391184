// Settings through the Windows private profile functions.
#pragma once

#include <string>

#include "plugin/settings_store.h"

class ProfileSettingsStore : public SettingsStore {
  public:
    ProfileSettingsStore(std::string file, std::string section)
        : file_(std::move(file)), section_(std::move(section)) {}

    std::string read(std::string_view key, std::string_view default_value) override;
    void write(std::string_view key, std::string_view value) override;

  private:
    std::string file_;
    std::string section_;
};
