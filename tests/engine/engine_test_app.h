// The engine on the native services in a fresh temporary folder, with doubles for the two links
// the native platform cannot give: the operator window and the Cabrillo header dialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/ole_date_time.h"
#include "platform/posix/console_user_interface.h"
#include "platform/posix/ini_settings_store.h"
#include "platform/posix/posix_text_files.h"
#include "plugin/engine_calls.h"
#include "tests/support/temp_folder.h"

class FakeOperatorWindow : public OperatorWindowLink {
  public:
    bool is_open() override { return open; }
    void post_refresh() override { ++refreshes; }
    void start() override { ++starts; }
    void close_all() override {}

    bool open = false;
    int starts = 0;
    int refreshes = 0;
};

class FakeCabrillo : public CabrilloLink {
  public:
    bool SetUpHeader(const std::string& own_call, const OleDateTime& contest_start,
                     const OleDateTime& contest_end) override {
        header_calls.push_back({own_call, contest_start, contest_end});
        if (during_header)
            during_header();
        return confirm;
    }
    void AddQsoLine(const std::string&, std::uint32_t, const std::string&, const OleDateTime&,
                    const std::string&, const std::string&, const std::string&,
                    const std::string&) override {}
    std::string WriteCabrilloFile(const std::string&) override { return {}; }

    struct HeaderCall {
        std::string own_call;
        OleDateTime start, end;
    };
    std::vector<HeaderCall> header_calls;
    bool confirm = true;
    std::function<void()> during_header;  // runs while the header dialog would be shown
};

inline OleDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return OleDateTime::from_fields(year, month, day, hour, minute, second);
}

// A contest from 1 to 3 February 2008, own call XX9OWN in I.
inline SessionStartArgs contest_session() {
    SessionStartArgs args;
    args.own_call = "XX9OWN";
    args.contest_start = at(2008, 2, 1);
    args.contest_end = at(2008, 2, 3);
    args.own_country = "I";
    args.own_continent = "EU";
    return args;
}

inline constexpr const char* kReportFile = "BadQSO_StatsTORV_03_02_2008.txt";

// A valid CW QSO with XX1ABC on 20m at 2008-02-02 13:42.
inline QsoArgs contest_qso() {
    QsoArgs q;
    q.own_call = "XX9OWN";
    q.call = "XX1ABC";
    q.qso_time = at(2008, 2, 2, 13, 42);
    q.frequency_hz = 14025000;
    q.mode = "CW";
    q.report_sent = "599";
    q.report_received = "599";
    q.exchange_sent = "001";
    q.exchange_received = "001";
    q.country = "DL";
    q.continent = "EU";
    q.band = "20m";
    return q;
}

class EngineTestApp {
  public:
    TempFolder folder;
    IniSettingsStore settings{kSettingsFile, kSettingsSection};
    PosixTextFiles files;
    ConsoleUserInterface ui;
    FakeOperatorWindow window;
    FakeCabrillo cabrillo;
    CTestApp app{{settings, files, ui, window, cabrillo}};

    int start(const SessionStartArgs& args = contest_session()) { return ResetStats(app, args); }
    int add(const QsoArgs& qso) { return AddQso(app, qso); }
    int remove(const QsoArgs& qso) { return RemoveQso(app, qso); }
    std::string report() const { return folder.read(kReportFile); }
    SessionState state() { return *app.session().access(); }
};
