// Whole sessions through the real Stats.dll: the host starts a session, feeds its log and asks
// for the result, whose text must match byte for byte.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/results/expected_results.h"
#include "tests/support/plugin_host.h"
#include "tests/support/temp_folder.h"

namespace {

const double kStart = 39480.5;  // 2008-02-02 12:00

HostQso qso(const char* call, const char* band, const char* mode, const char* received,
            const char* country, const char* continent, double minute) {
    HostQso q;
    q.call = call;
    q.band = band;
    q.mode = mode;
    q.exchange_received = received;
    q.country = country;
    q.continent = continent;
    q.time = {kStart + minute / 1440.0, 0};
    return q;
}

// Own station XX9OWN in I, Europe. Three rejected QSOs and one dupe among them.
const std::vector<HostQso> kMixedHostLog = {
    qso("XX1ABC", "20m", "CW", "1", "DL", "EU", 0),
    qso("IK1AAA", "80m", "SSB", "2", "I", "EU", 5),
    qso("W1AW", "20m", "RTTY", "LIRF", "K", "NA", 10),
    qso("XX1ABC", "20m", "CW", "3", "DL", "EU", 12),
    qso("JA1XX", "10m", "BPSK63", "liml", "JA", "AS", 20),
    qso("VK2AA", "20m", "SSB", "LIRF", "VK", "OC", 30),
    qso("N1XX", "160m", "CW", "4", "K", "NA", 40),
    qso("N2XX", "20m", "BPSK31", "5", "K", "NA", 41),
    qso("N3XX", "20m", "CW", "", "K", "NA", 42),
    qso("ZS1A", "20m", "CW", "17", "ZS", "AF", 55),
};

struct SessionCase {
    const char* name;
    std::vector<HostQso> added;
    std::vector<HostQso> removed;
    std::string expected_after_header;
};

HostQso sent_icao(HostQso q) {
    q.exchange_sent = "LIRF";
    return q;
}

const SessionCase kSessionCases[] = {
    {"empty session",
     {},
     {},
     std::string("Total\t 0\t 0\t 0\t 0\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
                 "Score = 0 *  0 = 0 \r\n"
                 "Last QSO points\t 0\r\nQSO rate\t    0 (0)\r\nPoints rate\t    0 (0)\r\n") +
         kRateNote},
    {"mixed log with rejected QSOs and a dupe",
     kMixedHostLog,
     {},
     MixedLogTable(3) + kMixedLogRates},
    {"operator sends an ICAO code",
     {sent_icao(qso("K1AB", "40m", "CW", "LIML", "K", "NA", 0)),
      qso("DL1AB", "40m", "CW", "lira", "DL", "EU", 3),
      qso("I1AB", "40m", "SSB", "5", "I", "EU", 4)},
     {},
     std::string("40m\t 3\t 3\t 2\t 2\t 1\t 0\r\nTotal\t 3\t 3\t 2\t 2\t 1\t 0\r\n"
                 "Dupe\t 0\r\nBad QSO\t 0\r\n\r\nScore = 3 *  2 = 6 \r\n"
                 "Last QSO points\t 1\r\nQSO rate\t    3 (18)\r\nPoints rate\t    3 (18)\r\n") +
         kRateNote},
    {"9 minutes 59.6 seconds fall outside the ten minutes",
     {qso("A1", "15m", "CW", "1", "JA", "AS", 0),
      qso("A2", "15m", "CW", "2", "JA", "AS", 9 + 59.6 / 60)},
     {},
     std::string("15m\t 2\t 6\t 0\t 2\t 0\t 0\r\nTotal\t 2\t 6\t 0\t 2\t 0\t 0\r\n"
                 "Dupe\t 0\r\nBad QSO\t 0\r\n\r\nScore = 6 *  0 = 0 \r\n"
                 "Last QSO points\t 3\r\nQSO rate\t    2 (6)\r\nPoints rate\t    6 (18)\r\n") +
         kRateNote},
    {"9 minutes 59.4 seconds stay inside",
     {qso("A1", "15m", "CW", "1", "JA", "AS", 0),
      qso("A2", "15m", "CW", "2", "JA", "AS", 9 + 59.4 / 60)},
     {},
     std::string("15m\t 2\t 6\t 0\t 2\t 0\t 0\r\nTotal\t 2\t 6\t 0\t 2\t 0\t 0\r\n"
                 "Dupe\t 0\r\nBad QSO\t 0\r\n\r\nScore = 6 *  0 = 0 \r\n"
                 "Last QSO points\t 3\r\nQSO rate\t    2 (12)\r\nPoints rate\t    6 (36)\r\n") +
         kRateNote},
    {"the rates are those of the band of the last QSO",
     {qso("A1", "20m", "CW", "1", "DL", "EU", 58), qso("A2", "40m", "CW", "2", "K", "NA", 0),
      qso("A3", "40m", "CW", "3", "K", "NA", 59)},
     {},
     std::string("40m\t 2\t 6\t 0\t 2\t 0\t 0\r\n20m\t 1\t 2\t 0\t 1\t 0\t 0\r\n"
                 "Total\t 3\t 8\t 0\t 3\t 0\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
                 "Score = 8 *  0 = 0 \r\n"
                 "Last QSO points\t 3\r\nQSO rate\t    2 (6)\r\nPoints rate\t    6 (18)\r\n") +
         kRateNote},
    {"a removed band keeps its row of zeros",
     {qso("A1", "15m", "CW", "LIRF", "JA", "AS", 0), qso("A2", "10m", "SSB", "1", "I", "EU", 1)},
     {qso("A1", "15m", "CW", "LIRF", "JA", "AS", 0)},
     std::string("15m\t 0\t 0\t 0\t 0\t 0\t 0\r\n10m\t 1\t 1\t 0\t 0\t 1\t 0\r\n"
                 "Total\t 1\t 1\t 0\t 0\t 1\t 0\r\nDupe\t 0\r\nBad QSO\t 0\r\n\r\n"
                 "Score = 1 *  0 = 0 \r\n"
                 "Last QSO points\t 1\r\nQSO rate\t    1 (6)\r\nPoints rate\t    1 (6)\r\n") +
         kRateNote},
};

// The value the settings file holds for a key of section "Settings".
std::string setting(const char* key) {
    char value[64] = {};
    GetPrivateProfileStringA("Settings", key, "<none>", value, sizeof value,
                             ".\\Plugins\\TORV.ini");
    return value;
}

TEST(ResultSessionDll, WholeLogsGiveTheirTextsByteForByte) {
    for (const auto& c : kSessionCases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        PluginHost host;
        ASSERT_EQ(host.reset(HostSession{}), 1);
        for (const auto& q : c.added)
            host.add(q);
        for (const auto& q : c.removed)
            host.remove(q);
        int status = 12345;
        EXPECT_EQ(host.result(&status), kPlainHeader + c.expected_after_header);
        EXPECT_EQ(status, 12345) << "a normal session leaves the status alone";
    }
}

TEST(ResultSessionDll, ClaimedScoreFollowsEveryResult) {
    TempFolder folder;
    PluginHost host;
    host.reset(HostSession{});
    host.result();
    EXPECT_EQ(setting("Claimed"), "0");
    for (const auto& q : kMixedHostLog)
        host.add(q);
    host.result();
    EXPECT_EQ(setting("Claimed"), "108");
    host.remove(kMixedHostLog[4]);  // JA1XX: 10 points and a multiplier
    host.result();
    EXPECT_EQ(setting("Claimed"), std::to_string(26 * 2));
}

TEST(ResultSessionDll, HtmlOfTheMixedLogByteForByte) {
    TempFolder folder;
    PluginHost host;
    host.function<unsigned long(const char*)>("setVersion")(nullptr);
    host.reset(HostSession{});
    for (const auto& q : kMixedHostLog)
        host.add(q);
    EXPECT_EQ(host.result(), MixedLogHtml(3));

    // The form stays HTML in every later session.
    host.reset(HostSession{});
    EXPECT_TRUE(host.result().starts_with("<html><head><title>"));
}

TEST(ResultSessionDll, CallCheckFindsTheFedLog) {
    TempFolder folder;
    PluginHost host;
    host.reset(HostSession{});
    for (const auto& q : kMixedHostLog)
        host.add(q);
    EXPECT_EQ(host.check_call("W1AW", "BPSK63", "K", "20m", "20m"), 0);
    EXPECT_EQ(host.check_call("w1aw", "rtty", "K", "20M", "20m"), 0);
    EXPECT_EQ(host.check_call("W1AW", "CW", "K", "20m", "20m"), 1);
    EXPECT_EQ(host.check_call("N1XX", "CW", "K", "80m", "80m"), 1) << "rejected QSOs are no QSOs";
    EXPECT_EQ(host.check_call("W1AW", "RTTY", "", "20m", "20m"), 1);
    EXPECT_EQ(host.check_call("W1AW", "RTTY", "K", "160m", "160m"), 4);
}

// The first visible top-level window of this process.
BOOL CALLBACK find_own_window(HWND window, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

// Runs a host call on a thread of its own; a dialog it opens meanwhile is cancelled, as an
// operator would who does not want to export.
template <typename Call>
void run_cancelling_dialogs(Call call) {
    std::atomic<bool> done{false};
    std::thread caller([&] {
        call();
        done = true;
    });
    while (!done) {
        HWND found = nullptr;
        EnumWindows(find_own_window, reinterpret_cast<LPARAM>(&found));
        if (found)
            PostMessageA(found, WM_COMMAND, IDCANCEL, 0);
        Sleep(20);
    }
    caller.join();
}

TEST(ResultSessionDll, ExportRunWithTheHeaderCancelledScoresWithoutExporting) {
    TempFolder folder;
    PluginHost host;
    HostSession session;
    session.export_request = 1;
    run_cancelling_dialogs([&] { host.reset(session); });
    for (const auto& q : kMixedHostLog)
        host.add(q);
    int status = 12345;
    std::string text;
    run_cancelling_dialogs([&] { text = host.result(&status); });
    EXPECT_EQ(text, kPlainHeader + MixedLogTable(3)) << "no rate block in an export run";
    EXPECT_EQ(status, 12345);
    EXPECT_FALSE(folder.exists("XX9OWN.cbr"));
    EXPECT_EQ(setting("Claimed"), "108");
}

}  // namespace
