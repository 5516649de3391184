// The contest engine through the real Stats.dll under Wine, with real files in a temporary
// folder that is the current directory, as in the host's process.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "tests/engine/report_session.h"
#include "tests/support/plugin_host.h"
#include "tests/support/temp_folder.h"

namespace {

const char kReportFile[] = "BadQSO_StatsTORV_03_02_2008.txt";
const std::string kTitle = "TORV Contest UBN file \r\n";

// 2008-02-02 at 13 h and the given minute.
HostDateTime at_minute(int minute) {
    return {39480.0 + (13 * 60 + minute) / 1440.0, 0};
}

std::string start_setting(const TempFolder& folder) {
    char value[100] = {};
    std::string ini = (folder.path() / "Plugins" / "TORV.ini").string();
    GetPrivateProfileStringA("Settings", "Start", "<missing>", value, sizeof value, ini.c_str());
    return value;
}

void write_start_setting(const TempFolder& folder, const char* value) {
    std::string ini = (folder.path() / "Plugins" / "TORV.ini").string();
    WritePrivateProfileStringA("Settings", "Start", value, ini.c_str());
}

BOOL CALLBACK cancel_dialog(HWND window, LPARAM) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (pid == GetCurrentProcessId() && std::string(name) == "#32770" && IsWindowVisible(window))
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

// Runs a session start that may show the modal Cabrillo header dialog, and cancels the dialog.
int reset_cancelling_dialogs(PluginHost& host, const HostSession& session) {
    std::atomic<bool> done{false};
    int result = -1;
    std::thread reset([&] {
        result = host.reset(session);
        done = true;
    });
    while (!done) {
        EnumWindows(cancel_dialog, 0);
        Sleep(20);
    }
    reset.join();
    return result;
}

class EngineDll : public ::testing::Test {
  protected:
    TempFolder folder;
    PluginHost host;
};

TEST_F(EngineDll, ASessionWritesTheSameReportBytesAsTheNativeCore) {
    ASSERT_EQ(host.reset(HostSession{}), 1);
    for (const auto& step : kReportSession) {
        SCOPED_TRACE(std::string(step.remove ? "remove " : "add ") + step.call + " " + step.mode +
                     " 13:" + std::to_string(step.minute));
        HostQso q;
        q.call = step.call;
        q.band = step.band;
        q.mode = step.mode;
        q.exchange_sent = step.exchange_sent;
        q.exchange_received = step.exchange_received;
        q.time = at_minute(step.minute);
        q.frequency_hz = step.frequency_hz;
        EXPECT_EQ(step.remove ? host.remove(q) : host.add(q), step.expected);
    }
    EXPECT_EQ(folder.read(kReportFile), kReportSessionBytes);
}

TEST_F(EngineDll, SessionStartCreatesTheReportFileAndEmptiesAnOldOne) {
    folder.write(kReportFile, "old lines\r\n");
    EXPECT_EQ(host.reset(HostSession{}), 1);
    EXPECT_EQ(folder.read(kReportFile), kTitle);
    HostSession later;
    later.end = {39482.75, 0};  // 2008-02-04 18:00
    EXPECT_EQ(host.reset(later), 1);
    EXPECT_EQ(folder.read("BadQSO_StatsTORV_04_02_2008.txt"), kTitle);
}

TEST_F(EngineDll, SessionStartsSwitchTheStartSetting) {
    struct Step {
        const char* name;
        int export_request;
        const char* after;
    };
    // No operator window is ever open in the DLL yet, so an ordinary start sets "Start" and
    // the next one clears it again.
    const Step steps[] = {
        {"first start", 0, "1"}, {"second start", 0, "0"},     {"third start", 0, "1"},
        {"export run", 1, "0"},  {"export run again", 1, "0"}, {"after the export", 0, "1"},
    };
    EXPECT_EQ(start_setting(folder), "<missing>");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        HostSession session;
        session.export_request = step.export_request;
        EXPECT_EQ(reset_cancelling_dialogs(host, session), 1);
        EXPECT_EQ(start_setting(folder), step.after);
        EXPECT_EQ(folder.read(kReportFile), kTitle);
    }
}

TEST_F(EngineDll, AStartSettingOfTextReadsAsZero) {
    write_start_setting(folder, "abc");
    host.reset(HostSession{});
    EXPECT_EQ(start_setting(folder), "1");
}

TEST_F(EngineDll, AddDataAnswersByTheContestRules) {
    host.reset(HostSession{});
    struct Row {
        const char* name;
        const char* call;
        const char* band;
        const char* mode;
        const char* exchange_received;
        int expected;
        const char* line_end;  // the line's end, or nothing for no line
    };
    const Row rows[] = {
        {"accepted", "XX1ABC", "20m", "CW", "1", 1, nullptr},
        {"wrong band", "XX2ABC", "160m", "CW", "1", 0, "001  XX2ABC  599  1   WRONG BAND !!!"},
        {"wrong mode", "XX2ABC", "20m", "BPSK31", "1", 0, "   WRONG MODE !!!"},
        {"no exchange", "XX2ABC", "20m", "CW", "", 0, "XX2ABC  599     NO RX NUMBER !!!"},
        {"dupe in other letter case", "xx1abc", "20M", "cw", "2", 1,
         "  cw  2008-02-02 1342  XX9OWN  599  001  xx1abc  599  2   DUPE !!!"},
        {"other class", "XX1ABC", "20m", "SSB", "3", 1, nullptr},
        {"DIGI", "XX1ABC", "20m", "RTTY", "4", 1, nullptr},
        {"DIGI dupe", "XX1ABC", "20m", "bpsk63", "5", 1, "  5   DUPE !!!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string before = folder.read(kReportFile);
        HostQso q;
        q.call = row.call;
        q.band = row.band;
        q.mode = row.mode;
        q.exchange_received = row.exchange_received;
        EXPECT_EQ(host.add(q), row.expected);
        std::string added = folder.read(kReportFile).substr(before.size());
        if (!row.line_end) {
            EXPECT_EQ(added, "");
            continue;
        }
        std::string end = std::string(row.line_end) + "\r\n";
        ASSERT_GE(added.size(), end.size());
        EXPECT_EQ(added.substr(0, 6), "QSO:  ");
        EXPECT_EQ(added.substr(added.size() - end.size()), end);
        EXPECT_EQ(added.find('\n'), added.size() - 1) << "one line";
    }
}

TEST_F(EngineDll, RemoveDataTakesTheQsoAndItsLinesOut) {
    host.reset(HostSession{});
    HostQso q;
    EXPECT_EQ(host.add(q), 1);
    EXPECT_EQ(host.add(q), 1);  // dupe line
    q.call = "XX1ABCD";
    EXPECT_EQ(host.add(q), 1);
    EXPECT_EQ(host.add(q), 1);  // dupe line of another call
    HostQso removal;
    removal.call = "xx1abc";
    removal.band = "20M";
    EXPECT_EQ(host.remove(removal), 1);
    std::string report = folder.read(kReportFile);
    EXPECT_EQ(report.find("  XX1ABC  "), std::string::npos);
    EXPECT_NE(report.find("  XX1ABCD  599  001   DUPE !!!\r\n"), std::string::npos);
    EXPECT_EQ(report.substr(0, kTitle.size()), kTitle);
    // The dupe is still a dupe: one of the two XX1ABC records is left.
    HostQso again;
    again.time = at_minute(59);
    EXPECT_EQ(host.add(again), 1);
    EXPECT_NE(folder.read(kReportFile)
                  .find("2008-02-02 1359  XX9OWN  599  001  XX1ABC  599  001"
                        "   DUPE !!!\r\n"),
              std::string::npos);
}

TEST_F(EngineDll, TheExchangeCheckWaitsForTheOperatorWindowsDigitalMode) {
    folder.write("Plugins/ICAO.sec", "LIRF\r\n");
    host.reset(HostSession{});
    for (const char* exchange : {"123", "LIRF", "ABCD", "599", ""}) {
        SCOPED_TRACE(exchange);
        EXPECT_EQ(host.is_valid_exchange(exchange), 0);
    }
    using Check = int(const char*, const char*, const char*, const char*, int, int, int);
    EXPECT_EQ(host.function<Check>("?StatsIsValidExchg0@@YAHPBD000HHH@Z")("123", nullptr, nullptr,
                                                                          nullptr, 0, 0, 0),
              0);
}

TEST_F(EngineDll, NullTextsAreEmptyAndANullTimeIsWrittenEmpty) {
    host.reset(HostSession{});
    auto add = host.function<decltype(AddData0)>("AddData0");
    EXPECT_EQ(add(nullptr, "XX1ABC", nullptr, nullptr, nullptr, nullptr, 0, 7035000, "CW", nullptr,
                  nullptr, "001", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
                  "40m", nullptr),
              0);
    EXPECT_EQ(folder.read(kReportFile),
              kTitle + "QSO:  7035  CW        001  XX1ABC       NO RX NUMBER !!!\r\n");
    auto remove = host.function<decltype(RemoveData0)>("RemoveData0");
    EXPECT_EQ(remove(nullptr, "XX1ABC", nullptr, nullptr, nullptr, nullptr, 0, 0, "CW", nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0.0, 0.0, nullptr,
                     nullptr, nullptr, "40m", nullptr),
              1);
    EXPECT_EQ(folder.read(kReportFile), kTitle);
}

// The operator may keep the report open in a viewer that shares it.
TEST_F(EngineDll, AReaderThatSharesTheReportDoesNotStopItsLines) {
    host.reset(HostSession{});
    std::string path = (folder.path() / kReportFile).string();
    HANDLE viewer = CreateFileA(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
    HostQso q;
    EXPECT_EQ(host.add(q), 1);
    EXPECT_EQ(host.add(q), 1);
    q.time = at_minute(50);
    q.band = "160m";
    EXPECT_EQ(host.add(q), 0);
    HostQso removal;
    EXPECT_EQ(host.remove(removal), 1);
    CloseHandle(viewer);
    EXPECT_EQ(folder.read(kReportFile),
              kTitle +
                  "QSO:  14025  CW  2008-02-02 1350  XX9OWN  599  001  XX1ABC  599  001"
                  "   WRONG BAND !!!\r\n");
}

// A report file the plug-in cannot open changes nothing but the file: every QSO gets its usual
// answer and the session goes on.
TEST_F(EngineDll, AReportFileThatCannotBeOpenedStopsNothing) {
    HostQso accepted, rejected;
    rejected.band = "160m";
    EXPECT_EQ(host.add(accepted), 1) << "before the first session start";
    EXPECT_EQ(host.add(rejected), 0);
    EXPECT_EQ(host.remove(accepted), 1);
    EXPECT_FALSE(folder.exists(kReportFile));

    // A folder in the file's place.
    std::filesystem::create_directory(folder.path() / kReportFile);
    EXPECT_EQ(host.reset(HostSession{}), 1);
    EXPECT_EQ(host.add(accepted), 1);
    EXPECT_EQ(host.add(accepted), 1);
    EXPECT_EQ(host.add(rejected), 0);
    EXPECT_EQ(host.remove(accepted), 1);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / kReportFile));
    std::filesystem::remove(folder.path() / kReportFile);

    // A file held open without sharing.
    EXPECT_EQ(host.reset(HostSession{}), 1);
    std::string path = (folder.path() / kReportFile).string();
    HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(host.add(accepted), 1);
    EXPECT_EQ(host.add(accepted), 1);
    EXPECT_EQ(host.add(rejected), 0);
    EXPECT_EQ(host.remove(accepted), 1);
    EXPECT_EQ(host.reset(HostSession{}), 1);
    CloseHandle(locked);
    EXPECT_EQ(folder.read(kReportFile), kTitle);

    // Once the file can be written again, lines are written as before.
    EXPECT_EQ(host.add(accepted), 1);
    EXPECT_EQ(host.add(accepted), 1);
    EXPECT_NE(folder.read(kReportFile).find("   DUPE !!!\r\n"), std::string::npos);
}

}  // namespace
