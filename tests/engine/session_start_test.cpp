// The session start on the native services: session values, the ICAO list, the "Start" setting
// with the operator window and the export run, and a fresh bad-QSO report file.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <thread>

#include "engine/session_start.h"
#include "tests/engine/engine_test_app.h"

namespace {

class SessionStartTest : public ::testing::Test {
  protected:
    EngineTestApp t;
};

TEST_F(SessionStartTest, SetsTheContestTextsOwnValuesAndAnEmptyLog) {
    ASSERT_EQ(t.start(), 1);
    t.add(contest_qso());
    t.app.session().access()->multiplier_lists[0][3] = {"LIRF"};

    SessionStartArgs next = contest_session();
    next.own_call = "XX8NEW";
    next.own_country = "DL";
    next.own_continent = "EU";
    next.contest_start = at(2009, 12, 31, 12, 0);
    next.contest_end = at(2010, 1, 2, 23, 59);
    EXPECT_EQ(t.start(next), 1);

    SessionState s = t.state();
    EXPECT_EQ(s.contest_start_text, "31.12");
    EXPECT_EQ(s.contest_year_text, "2009");
    EXPECT_EQ(s.contest_end_text, "02.01.2010");
    EXPECT_EQ(s.own_call, "XX8NEW");
    EXPECT_EQ(s.own_country, "DL");
    EXPECT_EQ(s.own_continent, "EU");
    EXPECT_EQ(s.host_version, "Norl");  // no host settings file in the folder
    EXPECT_TRUE(s.log.empty());
    EXPECT_TRUE(s.worked_bands.empty());
    // The multiplier lists wait for the next result computation.
    EXPECT_EQ(s.multiplier_lists[0][3], StringList{"LIRF"});
    EXPECT_EQ(s.bad_qso_file, "BadQSO_StatsTORV_02_01_2010.txt");
}

TEST_F(SessionStartTest, BuildsThePreviousQsoGridFromTheBandTable) {
    t.app.session().access()->previous_qso_grid[3] = {"20m", "13:42", "-", "-", "001"};
    t.start();
    const char* bands[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
    SessionState s = t.state();
    for (int slot = 0; slot < kBandSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        std::array<std::string, 5> row{bands[slot], "-", "-", "-", "-"};
        EXPECT_EQ(s.previous_qso_grid[static_cast<std::size_t>(slot)], row);
    }
}

TEST_F(SessionStartTest, RussianTextsAreSwitchedOnByTheOwnCountryAndStayOn) {
    struct Row {
        const char* country;
        bool russian_after;
    };
    const Row rows[] = {{"I", false},    {"ua", false}, {"UA2/F", false},
                        {"UA2/f", true}, {"I", true},   {"DL", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.country);
        SessionStartArgs args = contest_session();
        args.own_country = row.country;
        t.start(args);
        EXPECT_EQ(t.state().russian_texts, row.russian_after);
    }
}

TEST_F(SessionStartTest, LoadsTheIcaoListAtEverySessionStart) {
    t.start();
    EXPECT_FALSE(t.state().icao_list_loaded);
    EXPECT_TRUE(t.state().icao_list.empty());

    // Lines are taken whole: blanks stay, empty lines count, CR LF is removed.
    t.folder.write("Plugins/ICAO.sec", "LIRF\r\nLIRA \r\n\r\nEDDF\n");
    t.start();
    EXPECT_TRUE(t.state().icao_list_loaded);
    EXPECT_EQ(t.state().icao_list, (StringList{"LIRF", "LIRA ", "", "EDDF"}));

    std::filesystem::remove(t.folder.path() / "Plugins/ICAO.sec");
    t.start();
    EXPECT_FALSE(t.state().icao_list_loaded);
    EXPECT_TRUE(t.state().icao_list.empty());
}

TEST_F(SessionStartTest, CreatesTheReportFileWithItsTitleAndEmptiesAnOldOne) {
    t.start();
    EXPECT_EQ(t.report(), "TORV Contest UBN file \r\n");
    QsoArgs wrong = contest_qso();
    wrong.band = "160m";
    t.add(wrong);
    ASSERT_NE(t.report(), "TORV Contest UBN file \r\n");
    t.start();
    EXPECT_EQ(t.report(), "TORV Contest UBN file \r\n");
}

TEST_F(SessionStartTest, AReportFileThatCannotBeCreatedStopsNothing) {
    std::filesystem::create_directory(t.folder.path() / kReportFile);
    EXPECT_EQ(t.start(), 1);
    EXPECT_EQ(t.state().bad_qso_file, kReportFile);
    EXPECT_EQ(t.state().previous_qso_grid[5][0], "10m");
    EXPECT_EQ(t.settings.read("Start", "?"), "1");
    EXPECT_TRUE(std::filesystem::is_directory(t.folder.path() / kReportFile));
}

// The "Start" setting, the operator window and the export run, as one session start sees them.
TEST_F(SessionStartTest, StartSettingDecidesWhetherTheOperatorWindowOpens) {
    struct Row {
        const char* name;
        std::optional<const char*> start_before;
        bool window_open;
        int export_request;
        int expected_starts;
        int expected_header_calls;
        std::optional<std::string> start_after;
    };
    const Row rows[] = {
        {"missing, closed", std::nullopt, false, 0, 1, 0, "1"},
        {"0, closed", "0", false, 0, 1, 0, "1"},
        {"abc reads as 0", "abc", false, 0, 1, 0, "1"},
        {"missing, open", std::nullopt, true, 0, 0, 0, std::nullopt},
        {"0, open", "0", true, 0, 0, 0, "0"},
        {"1, closed", "1", false, 0, 0, 0, "0"},
        {"-3, closed", "-3", false, 0, 0, 0, "0"},
        {"1, open", "1", true, 0, 0, 0, "0"},
        {"export, 0, closed", "0", false, 1, 0, 1, "0"},
        {"export, 1, open", "1", true, 1, 0, 1, "0"},
        {"export, any non-zero request", std::nullopt, false, -7, 0, 1, "0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EngineTestApp app;
        if (row.start_before)
            app.settings.write("Start", *row.start_before);
        app.window.open = row.window_open;
        SessionStartArgs args = contest_session();
        args.export_request = row.export_request;
        EXPECT_EQ(app.start(args), 1);
        EXPECT_EQ(app.window.starts, row.expected_starts);
        EXPECT_EQ(app.cabrillo.header_calls.size(),
                  static_cast<std::size_t>(row.expected_header_calls));
        EXPECT_EQ(app.state().export_run, row.export_request != 0);
        if (row.start_after)
            EXPECT_EQ(app.settings.read("Start", "<missing>"), *row.start_after);
        else
            EXPECT_EQ(app.settings.read("Start", "<missing>"), "<missing>");
    }
}

TEST_F(SessionStartTest, AfterTheWindowWasClosedTheSecondSessionStartOpensItAgain) {
    t.settings.write("Start", "1");
    t.start();
    EXPECT_EQ(t.window.starts, 0);
    EXPECT_EQ(t.settings.read("Start", ""), "0");
    t.start();
    EXPECT_EQ(t.window.starts, 1);
    EXPECT_EQ(t.settings.read("Start", ""), "1");
}

TEST(OperatorWindowDecision, HostVersionsThatGetNoWindow) {
    struct Row {
        const char* version;
        bool window;
    };
    const Row rows[] = {{"2.18", false}, {"2.17", false},  {"2.16", false}, {"2.15", false},
                        {"2.14", false}, {"2.14R", false}, {"2.14r", true}, {"2.19", true},
                        {"2.20", true},  {"Norl", true},   {"", true},      {" 2.18", true},
                        {"2.1", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.version);
        auto decision = decide_operator_window(0, false, row.version);
        EXPECT_EQ(decision.start_window, row.window);
        // The setting is set whether or not the version allows the window.
        EXPECT_EQ(decision.start_setting, std::optional<int>(1));
        EXPECT_FALSE(decide_operator_window(1, false, row.version).start_window);
    }
}

TEST_F(SessionStartTest, ExportRunAsksForTheHeaderWithTheOwnCallAndContestDates) {
    for (bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        EngineTestApp app;
        app.cabrillo.confirm = confirm;
        SessionStartArgs args = contest_session();
        args.export_request = 1;
        app.start(args);
        ASSERT_EQ(app.cabrillo.header_calls.size(), 1u);
        const auto& call = app.cabrillo.header_calls[0];
        EXPECT_EQ(call.own_call, "XX9OWN");
        EXPECT_EQ(call.start.Format("%Y-%m-%d"), "2008-02-01");
        EXPECT_EQ(call.end.Format("%Y-%m-%d"), "2008-02-03");
        EXPECT_TRUE(app.state().export_run);
        EXPECT_EQ(app.state().export_confirmed, confirm);
    }
    // A later session without export forgets the confirmation.
    t.cabrillo.confirm = true;
    SessionStartArgs args = contest_session();
    args.export_request = 1;
    t.start(args);
    t.start();
    EXPECT_FALSE(t.state().export_run);
    EXPECT_FALSE(t.state().export_confirmed);
}

// The header dialog is modal; meanwhile the operator window's thread must still reach the
// session, which by then already holds the new session's values.
TEST_F(SessionStartTest, TheSessionIsFreeWhileTheHeaderDialogIsShown) {
    t.start();
    t.add(contest_qso());
    std::optional<std::size_t> records_seen;
    std::promise<std::size_t> seen;
    std::thread reader;
    t.cabrillo.during_header = [&] {
        reader = std::thread([&] { seen.set_value(t.app.session().access()->log.size()); });
        auto answer = seen.get_future();
        if (answer.wait_for(std::chrono::seconds(10)) == std::future_status::ready)
            records_seen = answer.get();
    };
    SessionStartArgs args = contest_session();
    args.export_request = 1;
    t.start(args);
    reader.join();
    ASSERT_TRUE(records_seen.has_value()) << "the session stayed locked during the dialog";
    EXPECT_EQ(*records_seen, 0u);
}

}  // namespace
