// The call check: which QSO counts as worked, when the check does not apply, and the pending
// refresh of the operator window.
#include <gtest/gtest.h>

#include "plugin/engine_calls.h"
#include "tests/results/results_test_app.h"

namespace {

CallCheckArgs query(std::string call, std::string mode, std::optional<std::string> band,
                    std::optional<std::string> second_band, std::string country = "DL") {
    CallCheckArgs args;
    args.call = std::move(call);
    args.mode = std::move(mode);
    args.country = std::move(country);
    args.continent = "EU";
    args.band = std::move(band);
    args.second_band = std::move(second_band);
    return args;
}

struct CallCheckCase {
    const char* name;
    std::string host_version;
    CallCheckArgs args;
    int expected;
};

TEST(CallCheck, AnswersByCallBandAndModeClass) {
    // Worked: XX1ABC on 20m in BPSK63 and in CW, YY1AA on 40m as a dupe.
    const std::vector<LogEntry> log = {
        {.call = "XX1ABC", .band = "20m", .mode = "BPSK63"},
        {.call = "XX1ABC", .band = "20m", .mode = "CW"},
        {.call = "YY1AA", .band = "40m", .mode = "SSB"},
        {.call = "YY1AA", .band = "40m", .mode = "SSB", .dupe = true},
        {.call = "ZZ1ZZ", .band = "15m", .mode = "SSB"},
    };
    const CallCheckCase cases[] = {
        {"same call, band and mode", "2.21", query("XX1ABC", "CW", "20m", "20m"), 0},
        {"RTTY finds a BPSK63 QSO: both are DIGI", "", query("XX1ABC", "RTTY", "20m", "20m"), 0},
        {"SSB does not find a CW QSO", "", query("XX1ABC", "SSB", "20m", "20m"), 1},
        {"other band", "", query("XX1ABC", "CW", "40m", "40m"), 1},
        {"call in small letters finds it", "", query("xx1abc", "CW", "20m", "20m"), 0},
        {"band 20M finds a QSO on 20m", "", query("XX1ABC", "CW", "20M", "20m"), 0},
        {"mode rtty finds a DIGI QSO", "", query("XX1ABC", "rtty", "20m", "20m"), 0},
        {"a log holding a dupe answers worked", "", query("YY1AA", "SSB", "40m", "40m"), 0},
        {"empty country answers not worked", "", query("XX1ABC", "CW", "20m", "20m", ""), 1},
        {"160m is no contest band", "", query("XX1ABC", "CW", "160m", "160m"), 4},
        {"160m with host 2.19", "2.19", query("XX1ABC", "CW", "160m", "160m"), 1},
        {"160m with host 2.20", "2.20", query("XX1ABC", "CW", "160m", "160m"), 1},
        {"host version compared exactly", "2.20 ", query("XX1ABC", "CW", "160m", "160m"), 4},
        {"empty second band differs", "", query("XX1ABC", "CW", "20m", ""), 4},
        {"empty second band with host 2.19", "2.19", query("XX1ABC", "CW", "20m", ""), 1},
        {"second bands compared ignoring case", "", query("XX1ABC", "CW", "20m", "20M"), 0},
        {"null second band skips the comparison", "", query("XX1ABC", "CW", "20m", std::nullopt),
         0},
        {"null band", "", query("XX1ABC", "CW", std::nullopt, "20m"), 4},
        {"unknown mode", "", query("XX1ABC", "BPSK31", "20m", "20m"), 4},
        {"empty mode with host 2.20", "2.20", query("XX1ABC", "", "20m", "20m"), 1},
        {"the check applies before the country is looked at", "",
         query("XX1ABC", "FM", "20m", "20m", ""), 4},
        {"empty call", "", query("", "SSB", "15m", "15m"), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResultsTestApp t;
        t.add(log);
        t.app.session().access()->host_version = c.host_version;
        EXPECT_EQ(CheckCall(t.app, c.args), c.expected);
        EXPECT_EQ(t.app.session().access()->log.size(), log.size());
    }
}

TEST(CallCheck, AnswersOnAnEmptySessionBeforeAnyStart) {
    ResultsTestApp t;
    EXPECT_EQ(CheckCall(t.app, query("XX1ABC", "CW", "20m", "20m")), 1);
    EXPECT_EQ(CheckCall(t.app, query("XX1ABC", "CW", "2m", "2m")), 4);
}

TEST(CallCheck, PostsAPendingRefreshOnceWhileTheWindowIsOpen) {
    ResultsTestApp t;
    t.operator_window.open = true;
    CheckCall(t.app, query("XX1ABC", "CW", "20m", "20m"));
    CheckCall(t.app, query("XX1ABC", "CW", "20m", "20m"));
    EXPECT_EQ(t.operator_window.refreshes_posted, 1);
    EXPECT_FALSE(t.app.session().access()->refresh_pending);

    // Posted whatever the answer, also for a query outside the contest.
    t.app.session().access()->refresh_pending = true;
    EXPECT_EQ(CheckCall(t.app, query("XX1ABC", "CW", "160m", "160m")), 4);
    EXPECT_EQ(t.operator_window.refreshes_posted, 2);
}

TEST(CallCheck, KeepsTheRefreshPendingUntilTheWindowIsOpen) {
    ResultsTestApp t;
    CheckCall(t.app, query("XX1ABC", "CW", "20m", "20m"));
    EXPECT_EQ(t.operator_window.refreshes_posted, 0);
    EXPECT_TRUE(t.app.session().access()->refresh_pending);

    t.operator_window.open = true;
    CheckCall(t.app, query("XX1ABC", "CW", "20m", "20m"));
    EXPECT_EQ(t.operator_window.refreshes_posted, 1);
}

}  // namespace
