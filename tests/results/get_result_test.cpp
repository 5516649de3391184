// What a result call does besides its text: the claimed score, the side results kept in the
// session, the status integer and the export run.
#include <gtest/gtest.h>

#include "plugin/engine_calls.h"
#include "tests/results/results_test_app.h"

namespace {

const std::vector<LogEntry> kLog = {
    {.call = "XX1ABC",
     .band = "20m",
     .mode = "CW",
     .received = "LIRF",
     .minute = 0,
     .frequency_khz = 14025},
    {.call = "XX1ABC",
     .band = "20m",
     .mode = "CW",
     .received = "LIRF",
     .minute = 1,
     .dupe = true,
     .frequency_khz = 14026},
    {.call = "K1AB",
     .band = "40m",
     .mode = "SSB",
     .received = "005",
     .country = "K",
     .continent = "NA",
     .minute = 2,
     .frequency_khz = 7050},
    {.call = "JA1XX",
     .band = "40m",
     .mode = "RTTY",
     .received = "LIML",
     .minute = 3,
     .frequency_khz = 7040},
    {.call = "",
     .band = "40m",
     .mode = "BPSK63",
     .received = "012",
     .minute = 4,
     .frequency_khz = 7070},
};

TEST(GetResult, WritesTheClaimedScoreAtEveryCall) {
    ResultsTestApp t;
    GetResult(t.app, nullptr);
    EXPECT_EQ(t.folder.read("Plugins/TORV.ini"), "[Settings]\r\nClaimed=0\r\n");

    t.add(kLog);  // 10 + 3 + 10 points, 2 multipliers
    GetResult(t.app, nullptr);
    EXPECT_EQ(t.settings.read("Claimed", ""), "46");
    EXPECT_EQ(t.app.session().access()->claimed_score, 46);

    t.app.session().access()->html = true;
    GetResult(t.app, nullptr);
    EXPECT_EQ(t.settings.read("Claimed", ""), "46") << "also in the HTML form";
}

TEST(GetResult, CountsTheBadQsosOfTheSessionsReportFile) {
    ResultsTestApp t;
    SessionStartArgs start;
    start.own_call = "XX9OWN";
    start.contest_start = OleDateTime::from_days(39479.0);
    start.contest_end = OleDateTime::from_days(39481.0);
    start.own_country = "I";
    start.own_continent = "EU";
    ResetStats(t.app, start);
    QsoArgs q;
    q.own_call = "XX9OWN";
    q.call = "XX1ABC";
    q.qso_time = OleDateTime::from_days(kLogStartDays);
    q.mode = "CW";
    q.exchange_sent = q.exchange_received = "001";
    q.country = "DL";
    q.continent = "EU";
    for (const char* band : {"20m", "20m", "160m", "6m"}) {  // one dupe, two wrong bands
        q.band = band;
        AddQso(t.app, q);
    }
    q.band = "20m";
    q.mode = "BPSK31";
    AddQso(t.app, q);

    std::string text = GetResult(t.app, nullptr);
    EXPECT_NE(text.find("Dupe\t 1\r\nBad QSO\t 3\r\n"), std::string::npos) << text;
    EXPECT_EQ(t.app.session().access()->bad_qso_count, 3);

    t.app.session().access()->bad_qso_file = "missing.txt";
    EXPECT_NE(std::string(GetResult(t.app, nullptr)).find("Bad QSO\t 0\r\n"), std::string::npos);
    EXPECT_EQ(t.app.session().access()->bad_qso_count, 0);
}

TEST(GetResult, KeepsSortedBandsAndMultiplierListsInTheSession) {
    ResultsTestApp t;
    {
        auto session = t.app.session().access();
        session->multiplier_lists[0][5] = {"OLD1"};  // 10m, not worked in this log
        session->multiplier_lists[1][3] = {"OLD2"};  // 20m, refilled
    }
    t.add(kLog);
    GetResult(t.app, nullptr);
    auto session = t.app.session().access();
    EXPECT_EQ(session->worked_bands, (StringList{"40m", "20m"}));
    EXPECT_EQ(session->multiplier_lists[0][3], (StringList{"LIRF"}));
    EXPECT_TRUE(session->multiplier_lists[1][3].empty());
    EXPECT_EQ(session->multiplier_lists[2][2], (StringList{"LIML"}));
    EXPECT_EQ(session->multiplier_lists[0][5], (StringList{"OLD1"})) << "a band not worked";
}

TEST(GetResult, TextStaysValidUntilTheNextCall) {
    ResultsTestApp t;
    t.add(kLog);
    const char* first = GetResult(t.app, nullptr);
    const std::string copy = first;
    CheckCall(t.app, {});
    EXPECT_EQ(first, copy);
    EXPECT_EQ(first, t.app.session().access()->result_text.c_str());

    t.add({{.call = "DL1XX", .band = "10m"}});
    const char* second = GetResult(t.app, nullptr);
    EXPECT_NE(std::string(second), copy);
    EXPECT_NE(std::string(second).find("10m\t 1\t 2"), std::string::npos);
}

TEST(GetResult, LeavesTheStatusOfANormalSessionUntouched) {
    ResultsTestApp t;
    t.add(kLog);
    int status = 12345;
    GetResult(t.app, &status);
    EXPECT_EQ(status, 12345);
    t.app.session().access()->html = true;
    GetResult(t.app, &status);
    EXPECT_EQ(status, 12345);
    EXPECT_TRUE(t.cabrillo.lines.empty());
    EXPECT_TRUE(t.cabrillo.files_written.empty());
    EXPECT_TRUE(t.ui.boxes.empty());
}

struct ExportCase {
    const char* name;
    bool html;
    bool with_status;
};

TEST(ExportRun, HandsEveryRecordToTheWriterAndReportsTheFile) {
    const std::vector<CabrilloQsoCall> expected_lines = {
        {"XX1ABC", 14025, "CW", kLogStartDays, "599", "001", "599", "LIRF"},
        {"XX1ABC", 14026, "CW", kLogStartDays + 1 / 1440.0, "599", "001", "599", "LIRF"},
        {"K1AB", 7050, "PH", kLogStartDays + 2 / 1440.0, "599", "001", "599", "005"},
        {"JA1XX", 7040, "RY", kLogStartDays + 3 / 1440.0, "599", "001", "599", "LIML"},
        {"", 7070, "PM", kLogStartDays + 4 / 1440.0, "599", "001", "599", "012"},
    };
    for (const ExportCase& c : {ExportCase{"plain", false, true}, ExportCase{"html", true, true},
                                ExportCase{"null status", false, false}}) {
        SCOPED_TRACE(c.name);
        ResultsTestApp t;
        t.add(kLog);
        {
            auto session = t.app.session().access();
            session->export_run = session->export_confirmed = true;
            session->html = c.html;
            session->host_version = "2.21";
        }
        int status = 7;
        bool status_written_before_box = false;
        t.ui.on_message_box = [&] { status_written_before_box = status != 7; };

        std::string text = GetResult(t.app, c.with_status ? &status : nullptr);
        ASSERT_EQ(t.cabrillo.lines.size(), expected_lines.size());
        for (std::size_t i = 0; i < expected_lines.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(t.cabrillo.lines[i].worked_call, expected_lines[i].worked_call);
            EXPECT_EQ(t.cabrillo.lines[i].frequency_khz, expected_lines[i].frequency_khz);
            EXPECT_EQ(t.cabrillo.lines[i].mode, expected_lines[i].mode);
            EXPECT_DOUBLE_EQ(t.cabrillo.lines[i].qso_days, expected_lines[i].qso_days);
            EXPECT_EQ(t.cabrillo.lines[i].received_exchange, expected_lines[i].received_exchange);
        }
        EXPECT_EQ(t.cabrillo.files_written, (std::vector<std::string>{"2.21"}));
        ASSERT_EQ(t.ui.boxes.size(), 1u);
        EXPECT_EQ(t.ui.boxes[0].text, "Cabrillo file written: XX9OWN.cbr");
        EXPECT_EQ(t.ui.boxes[0].caption, "Output");
        EXPECT_EQ(t.ui.boxes[0].icon, MessageIcon::information);
        EXPECT_FALSE(status_written_before_box);
        EXPECT_EQ(status, c.with_status ? -1 : 7);
        EXPECT_EQ(t.settings.read("Claimed", ""), "46");
        if (!c.html) {
            EXPECT_EQ(text.find("Last QSO points"), std::string::npos);
        }

        // Every call of an export session exports again.
        status = 7;
        GetResult(t.app, c.with_status ? &status : nullptr);
        EXPECT_EQ(t.cabrillo.lines.size(), 2 * expected_lines.size());
        EXPECT_EQ(t.cabrillo.files_written.size(), 2u);
        EXPECT_EQ(t.ui.boxes.size(), 2u);
        EXPECT_EQ(status, c.with_status ? -1 : 7);
    }
}

TEST(ExportRun, UnknownModesGetQuestionMarks) {
    ResultsTestApp t;
    t.add({{.call = "A1", .mode = "FM"}, {.call = "A2", .mode = "rtty"}});
    {
        auto session = t.app.session().access();
        session->export_run = session->export_confirmed = true;
    }
    GetResult(t.app, nullptr);
    ASSERT_EQ(t.cabrillo.lines.size(), 2u);
    EXPECT_EQ(t.cabrillo.lines[0].mode, "??");
    EXPECT_EQ(t.cabrillo.lines[1].mode, "??");
}

TEST(ExportRun, CancelledHeaderStopsTheExportButNotTheScoring) {
    ResultsTestApp t;
    t.add(kLog);
    t.app.session().access()->export_run = true;  // the operator cancelled the header dialog
    int status = 7;
    std::string text = GetResult(t.app, &status);
    EXPECT_TRUE(t.cabrillo.lines.empty());
    EXPECT_TRUE(t.cabrillo.files_written.empty());
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(status, 7);
    EXPECT_EQ(t.settings.read("Claimed", ""), "46");
    EXPECT_NE(text.find("Score = 23 *  2 = 46 \r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("Score = 23 *  2 = 46 \r\n")) << "no rate block in an export run";
}

TEST(ExportRun, HoldsNoSessionLockWhileTheWriterRunsOrTheBoxIsOpen) {
    ResultsTestApp t;
    t.add(kLog);
    {
        auto session = t.app.session().access();
        session->export_run = session->export_confirmed = true;
    }
    std::vector<bool> free_during_calls;
    t.cabrillo.on_call = [&] { free_during_calls.push_back(t.session_lock_free()); };
    bool free_during_box = false;
    t.ui.on_message_box = [&] { free_during_box = t.session_lock_free(); };
    GetResult(t.app, nullptr);
    EXPECT_TRUE(free_during_box);
    EXPECT_EQ(free_during_calls, std::vector<bool>(kLog.size() + 1, true));
}

}  // namespace
