// The plug-in's settings: text values in one section of its own INI file.
#pragma once

#include <string>
#include <string_view>

inline constexpr const char* kSettingsFile = "Plugins\\TORV.ini";
inline constexpr const char* kSettingsSection = "Settings";

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The whole stored value, or the default when the file or key does not exist.
    virtual std::string read(std::string_view key, std::string_view default_value) = 0;
    // Creates the file and the section when needed; a failed write changes nothing.
    virtual void write(std::string_view key, std::string_view value) = 0;

    // Numbers are decimal text read with the plain string-to-integer conversion: leading
    // blanks, an optional sign, digits up to the first other character; 0 when there are none.
    int read_int(std::string_view key);
    void write_int(std::string_view key, int value);
};

int parse_leading_int(std::string_view text);
