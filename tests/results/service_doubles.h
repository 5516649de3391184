// Stand-ins for the services the platform cannot give natively: the operator window, the
// Cabrillo writer and the message boxes, each recording what the plug-in asked of it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "plugin/cabrillo_link.h"
#include "plugin/operator_window_link.h"
#include "plugin/settings_store.h"
#include "plugin/user_interface.h"

class FakeOperatorWindow : public OperatorWindowLink {
  public:
    bool is_open() override { return open; }
    void post_refresh() override { ++refreshes_posted; }
    void start() override {}
    void close_all() override {}

    bool open = false;
    int refreshes_posted = 0;
};

struct MessageBoxCall {
    std::string text;
    std::optional<std::string> caption;
    MessageIcon icon;
};

class RecordingUserInterface : public UserInterface {
  public:
    void message_box(std::string_view text, std::optional<std::string_view> caption,
                     MessageIcon icon) override {
        boxes.push_back({std::string(text),
                         caption ? std::optional<std::string>(*caption) : std::nullopt, icon});
        if (on_message_box)
            on_message_box();
    }
    bool edit_cabrillo_header(CabrilloDialogFields&) override { return true; }

    std::vector<MessageBoxCall> boxes;
    std::function<void()> on_message_box;  // runs while the box would be open
};

struct CabrilloQsoCall {
    std::string worked_call;
    std::uint32_t frequency_khz;
    std::string mode;
    double qso_days;
    std::string sent_report, sent_exchange, received_report, received_exchange;

    bool operator==(const CabrilloQsoCall&) const = default;
};

class RecordingCabrillo : public CabrilloLink {
  public:
    bool SetUpHeader(const std::string&, const OleDateTime&, const OleDateTime&) override {
        return true;
    }
    void AddQsoLine(const std::string& worked_call, std::uint32_t frequency_khz,
                    const std::string& mode_abbreviation, const OleDateTime& qso_time,
                    const std::string& sent_report, const std::string& sent_exchange,
                    const std::string& received_report,
                    const std::string& received_exchange) override {
        lines.push_back({worked_call, frequency_khz, mode_abbreviation, qso_time.days(),
                         sent_report, sent_exchange, received_report, received_exchange});
        if (on_call)
            on_call();
    }
    std::string WriteCabrilloFile(const std::string& host_version) override {
        files_written.push_back(host_version);
        if (on_call)
            on_call();
        return report;
    }

    std::vector<CabrilloQsoCall> lines;
    std::vector<std::string> files_written;  // the host version of each file
    std::string report = "Cabrillo file written: XX9OWN.cbr";
    std::function<void()> on_call;
};

// Settings kept in memory, for measurements that should not time the disk.
class MemorySettingsStore : public SettingsStore {
  public:
    std::string read(std::string_view key, std::string_view default_value) override {
        auto found = values.find(std::string(key));
        return found == values.end() ? std::string(default_value) : found->second;
    }
    void write(std::string_view key, std::string_view value) override {
        values[std::string(key)] = std::string(value);
    }

    std::map<std::string, std::string> values;
};
