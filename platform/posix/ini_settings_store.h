// An INI file store with the observable behaviour of the Windows profile functions
// (GetPrivateProfileStringA, WritePrivateProfileStringA) on one section of one file, so that
// the native build reads and writes the settings file exactly as the DLL does.
#pragma once

#include <mutex>
#include <string>

#include "plugin/settings_store.h"

class IniSettingsStore : public SettingsStore {
  public:
    // file is named as on Windows ("Plugins\TORV.ini"), relative to the current directory.
    IniSettingsStore(std::string file, std::string section)
        : file_(std::move(file)), section_(std::move(section)) {}

    std::string read(std::string_view key, std::string_view default_value) override;
    void write(std::string_view key, std::string_view value) override;

  private:
    std::string file_;
    std::string section_;
    // The host's thread and a window thread may both use the settings; a write reads and
    // rewrites the whole file, so one of them must not read it half-written by the other.
    std::mutex mutex_;
};
