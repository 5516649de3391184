// A test host of our own: loads the real Stats.dll with LoadLibrary, as the logging host does,
// and calls its exports with host-like arguments. Each PluginHost loads the library afresh, so
// every test starts with the values the plug-in has at load.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/host_abi.h"

// One QSO as the host hands it over.
struct HostQso {
    std::string own_call = "XX9OWN";
    std::string call = "XX1ABC";
    HostDateTime time{39480.5708333333, 0};  // 2008-02-02 13:42
    unsigned frequency_hz = 14025000;
    std::string mode = "CW";
    std::string report_sent = "599";
    std::string report_received = "599";
    std::string exchange_sent = "001";
    std::string exchange_received = "001";
    std::string country = "DL";
    std::string continent = "EU";
    std::string band = "20m";
};

// The values of a session start.
struct HostSession {
    std::string host_folder;
    int export_request = 0;
    std::string own_call = "XX9OWN";
    HostDateTime start{39479.0, 0};  // 2008-02-01
    HostDateTime end{39481.0, 0};    // 2008-02-03
    std::string own_country = "I";
    std::string own_continent = "EU";
};

class PluginHost {
  public:
    PluginHost();
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    HMODULE module() const { return module_; }
    // The export under the given name; fails the test when it is missing.
    FARPROC proc(const char* name) const;
    template <typename F>
    F* function(const char* name) const {
        return reinterpret_cast<F*>(reinterpret_cast<void*>(proc(name)));
    }

    int reset(const HostSession& session);
    int add(const HostQso& qso);
    int remove(const HostQso& qso);
    // The call check as the host makes it: call, mode, country, continent, band, second band.
    int check_call(const char* call, const char* mode, const char* country, const char* band,
                   const char* second_band, const char* continent = "EU");
    int is_valid_exchange(const char* exchange);
    std::string result(int* status = nullptr);

  private:
    HMODULE module_ = nullptr;
};

// The folder of the running test program, with a trailing backslash.
std::string program_folder();
