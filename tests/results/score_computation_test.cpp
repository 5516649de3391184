// The score computation on its own: band order, points, multipliers, dupes and rate windows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "results/score_sheet.h"
#include "results/scoring_rules.h"
#include "tests/results/log_builder.h"

namespace {

struct Scored {
    ContestLog log;
    StringList bands;
    ScoreSheet sheet;
};

// Scores a log for an operator in I, Europe.
Scored score(const std::vector<LogEntry>& entries, bool export_run = false) {
    SessionState session;
    AppendToLog(session, entries);
    Scored result{session.log, session.worked_bands, {}};
    SortWorkedBands(result.bands);
    const std::string country = "I", continent = "EU";
    result.sheet = ComputeScore({result.log, result.bands, country, continent, export_run, 0});
    return result;
}

TEST(WorkedBandOrder, LongestWavelengthFirst) {
    struct Case {
        const char* name;
        StringList bands, expected;
    } cases[] = {
        {"three bands", {"20m", "80m", "10m"}, {"80m", "20m", "10m"}},
        {"all six",
         {"10m", "15m", "160m", "20m", "40m", "80m"},
         {"160m", "80m", "40m", "20m", "15m", "10m"}},
        {"capital M sorts after its band", {"15m", "20M", "20m"}, {"20m", "20M", "15m"}},
        {"empty list", {}, {}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        SortWorkedBands(c.bands);
        EXPECT_EQ(c.bands, c.expected);
    }
}

TEST(QsoPointsRule, FirstRuleThatAppliesGivesThePoints) {
    struct Case {
        const char* name;
        LogEntry qso;
        bool own_icao;
        int points;
    } cases[] = {
        {"ICAO exchange", {.received = "LIRF", .country = "K", .continent = "NA"}, false, 10},
        {"ICAO exchange from the own country", {.received = "LIRF", .country = "I"}, false, 10},
        {"small-letter ICAO exchange", {.received = "lirf"}, false, 10},
        {"ICAO exchange while the operator sends one", {.received = "LIRF"}, true, 1},
        {"own country", {.received = "005", .country = "I"}, false, 1},
        {"own country while the operator sends ICAO", {.received = "005", .country = "I"}, true, 1},
        {"own continent", {.received = "005", .country = "DL"}, false, 2},
        {"elsewhere", {.received = "005", .country = "K", .continent = "NA"}, false, 3},
        {"elsewhere while the operator sends ICAO",
         {.received = "005", .country = "K", .continent = "NA"},
         true,
         3},
        {"country compared with its letter case", {.received = "005", .country = "i"}, false, 2},
        {"continent compared with its letter case",
         {.received = "005", .country = "DL", .continent = "eu"},
         false,
         3},
        {"empty exchange does not begin with a letter", {.received = "", .country = "I"}, false, 1},
        {"exchange beginning with a blank", {.received = " LIRF", .country = "DL"}, false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QsoPoints(MakeRecord(c.qso), c.own_icao, "I", "EU"), c.points);
    }
}

// The operator sends an ICAO code when any record of the log, earlier or later, dupes included,
// has a sent exchange that begins with a letter; a log without one scores 10 again.
TEST(QsoPointsRule, OwnIcaoCodeIsTakenFromTheWholeLog) {
    const LogEntry icao_qso{.call = "K1B", .band = "40m", .received = "LIML"};
    struct Case {
        const char* name;
        std::vector<LogEntry> others;
        int icao_points;
    } cases[] = {
        {"no QSO with an ICAO code sent", {{.call = "K1A", .sent = "001"}}, 10},
        {"a later QSO with an ICAO code sent", {{.call = "K1A", .sent = "LIRF"}}, 1},
        {"a small-letter code sent", {{.call = "K1A", .sent = "lirf"}}, 1},
        {"a dupe with an ICAO code sent",
         {{.call = "K1A"}, {.call = "K1A", .sent = "LIRF", .dupe = true}},
         1},
        {"a sent exchange beginning with a digit", {{.call = "K1A", .sent = "1IRF"}}, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<LogEntry> log{icao_qso};
        log.insert(log.end(), c.others.begin(), c.others.end());
        Scored s = score(log);
        ASSERT_EQ(s.sheet.rows.front().band, "40m");
        EXPECT_EQ(s.sheet.rows.front().figures.points, c.icao_points);
    }
    // Nothing sticks from one log to the next.
    EXPECT_TRUE(SendsIcaoCode({MakeRecord({.sent = "LIRF"})}));
    EXPECT_FALSE(SendsIcaoCode({MakeRecord({.sent = "001"})}));
    EXPECT_FALSE(SendsIcaoCode({}));
}

TEST(Multipliers, CountPerBandAndModeClass) {
    Scored s = score({
        {.call = "A1", .band = "20m", .mode = "CW", .received = "LIRF"},
        {.call = "A2", .band = "20m", .mode = "SSB", .received = "LIRF"},
        {.call = "A3", .band = "20m", .mode = "CW", .received = "lirf"},
        {.call = "A4", .band = "40m", .mode = "CW", .received = "LIRF"},
        {.call = "A5", .band = "20m", .mode = "RTTY", .received = "LIML"},
        {.call = "A6", .band = "20m", .mode = "BPSK63", .received = "LIML"},
        {.call = "A7", .band = "20m", .mode = "CW", .received = "123"},
        {.call = "A8", .band = "20m", .mode = "CW", .received = "LIRA"},
    });
    ASSERT_EQ(s.sheet.rows.size(), 2u);
    EXPECT_EQ(s.sheet.rows[0].band, "40m");
    EXPECT_EQ(s.sheet.rows[0].figures.multipliers, 1);
    EXPECT_EQ(s.sheet.rows[1].band, "20m");
    EXPECT_EQ(s.sheet.rows[1].figures.multipliers, 4);  // LIRF CW, LIRF SSB, LIML DIGI, LIRA CW
    EXPECT_EQ(s.sheet.total.multipliers, 5);

    const int slot_20m = 3, slot_40m = 2;
    ASSERT_TRUE(s.sheet.refilled_slots[slot_20m]);
    const SlotMultipliers& lists = *s.sheet.refilled_slots[slot_20m];
    EXPECT_EQ(lists[0], (StringList{"LIRF", "LIRA"}));
    EXPECT_EQ(lists[1], (StringList{"LIRF"}));
    EXPECT_EQ(lists[2], (StringList{"LIML"}));
    ASSERT_TRUE(s.sheet.refilled_slots[slot_40m]);
    EXPECT_EQ((*s.sheet.refilled_slots[slot_40m])[0], (StringList{"LIRF"}));
    for (int slot : {0, 1, 4, 5})
        EXPECT_FALSE(s.sheet.refilled_slots[slot]) << "slot " << slot << " was not worked";
}

TEST(Multipliers, UnknownClassAndBandTextsFollowTheirNeighbours) {
    // "cw" in small letters is no class of its own: no mode column, and its key goes under the
    // class of the band's previous classified QSO. "20M" takes the slot of the row before it.
    Scored s = score({
        {.call = "A1", .band = "20m", .mode = "cw", .received = "LIRF"},
        {.call = "A2", .band = "20m", .mode = "SSB", .received = "005"},
        {.call = "A3", .band = "20m", .mode = "cw", .received = "LIML"},
        {.call = "A4", .band = "20M", .mode = "CW", .received = "EDDF"},
    });
    ASSERT_EQ(s.sheet.rows.size(), 2u);
    EXPECT_EQ(s.sheet.rows[0].band, "20m");
    EXPECT_EQ(s.sheet.rows[0].figures, (BandFigures{3, 22, 2, 0, 1, 0}));
    EXPECT_EQ(s.sheet.rows[1].band, "20M");
    EXPECT_EQ(s.sheet.rows[1].figures, (BandFigures{1, 10, 1, 1, 0, 0}));
    // The 20M row came last and replaced the 20m slot's lists.
    const SlotMultipliers& lists = *s.sheet.refilled_slots[3];
    EXPECT_EQ(lists[0], (StringList{"EDDF"}));
    EXPECT_TRUE(lists[1].empty());
    EXPECT_TRUE(lists[2].empty());

    Scored first = score({{.call = "A1", .band = "2m", .mode = "CW", .received = "LIRF"}});
    ASSERT_TRUE(first.sheet.refilled_slots[0]) << "a first unknown band takes slot 0";
    EXPECT_EQ((*first.sheet.refilled_slots[0])[0], (StringList{"LIRF"}));
}

TEST(Dupes, CountOnlyAsDupes) {
    Scored s = score({
        {.call = "A1", .band = "20m", .received = "LIRF", .minute = 0},
        {.call = "A2",
         .band = "20m",
         .received = "005",
         .country = "K",
         .continent = "NA",
         .minute = 1},
        {.call = "A2", .band = "20m", .received = "LIML", .minute = 2, .dupe = true},
        {.call = "", .band = "20m", .received = "LIRA", .minute = 3, .dupe = true},
        {.call = "", .band = "20m", .received = "LIRA", .minute = 3},
    });
    EXPECT_EQ(s.sheet.rows.front().figures, (BandFigures{2, 13, 1, 2, 0, 0}));
    EXPECT_EQ(s.sheet.dupes, 1) << "the record without a call is not even a dupe";
    EXPECT_EQ(s.sheet.last_qso_points, 3) << "the last counted QSO on the band";
    EXPECT_EQ(s.sheet.rates, (RateFigures{2, 2, 13, 13}));
    EXPECT_EQ((*s.sheet.refilled_slots[3])[0], (StringList{"LIRF"}));
}

TEST(LastQsoPoints, AreThoseOfTheLastCountedQsoOnTheLastBand) {
    struct Case {
        const char* name;
        std::vector<LogEntry> log;
        int points;
    } cases[] = {
        {"last record counted", {{.call = "A", .received = "LIRF"}, {.call = "B"}}, 2},
        {"last record a dupe",
         {{.call = "A", .received = "LIRF"}, {.call = "A", .dupe = true}},
         10},
        {"last record the band's only one, a dupe",
         {{.call = "A", .band = "40m"}, {.call = "A", .dupe = true}},
         0},
        {"earlier bands do not count",
         {{.call = "A", .band = "40m"}, {.call = "B", .band = "10m", .received = "LIRF"}},
         10},
        {"empty log", {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(score(c.log).sheet.last_qso_points, c.points);
    }
}

TEST(RateWindows, CountTheLastHourAndTenMinutesOnTheLastBand) {
    // Points: "DL" 2, "K" 3; the last record is the reference.
    struct Case {
        const char* name;
        std::vector<LogEntry> log;
        RateFigures rates;
    } cases[] = {
        {"a single QSO falls in both windows", {{.minute = 0}}, {1, 1, 2, 2}},
        {"QSOs 75, 30 and 5 minutes before the last",
         {{.call = "A", .minute = 0},
          {.call = "B", .minute = 45},
          {.call = "C", .minute = 70},
          {.call = "D", .country = "K", .continent = "NA", .minute = 75}},
         {3, 2, 7, 5}},
        {"QSOs on another band never count",
         {{.call = "A", .band = "20m", .minute = 59},
          {.call = "B", .band = "40m", .minute = 20},
          {.call = "C", .band = "40m", .minute = 60}},
         {2, 1, 4, 2}},
        {"9 minutes 59.6 seconds round up to 10",
         {{.call = "A", .minute = 0}, {.call = "B", .minute = 9 + 59.6 / 60}},
         {2, 1, 4, 2}},
        {"9 minutes 59.4 seconds stay 9",
         {{.call = "A", .minute = 0}, {.call = "B", .minute = 9 + 59.4 / 60}},
         {2, 2, 4, 4}},
        {"59 minutes 59.6 seconds leave the hour",
         {{.call = "A", .minute = 0}, {.call = "B", .minute = 59 + 59.6 / 60}},
         {1, 1, 2, 2}},
        {"exactly 60 minutes leave the hour",
         {{.call = "A", .minute = 0}, {.call = "B", .minute = 60}},
         {1, 1, 2, 2}},
        {"a QSO later than the last one falls in both windows",
         {{.call = "A", .minute = 500}, {.call = "B", .minute = 0}},
         {2, 2, 4, 4}},
        {"dupes do not count",
         {{.call = "A", .minute = 0}, {.call = "A", .minute = 1, .dupe = true}},
         {1, 1, 2, 2}},
        {"empty log", {}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(score(c.log).sheet.rates, c.rates);
    }
}

TEST(RateWindows, StayEmptyInAnExportRun) {
    Scored s = score({{.call = "A", .minute = 0}, {.call = "B", .received = "LIRF", .minute = 1}},
                     /*export_run=*/true);
    EXPECT_EQ(s.sheet.rates, (RateFigures{0, 0, 0, 0}));
    EXPECT_EQ(s.sheet.last_qso_points, 10);
}

TEST(RateWindows, TimesThatAreNoNumberFallInNoWindow) {
    SessionState session;
    AppendToLog(session, {{.call = "A"}, {.call = "B"}});
    session.log[0].qso_time = OleDateTime::from_days(std::numeric_limits<double>::quiet_NaN());
    session.log[1].qso_time = OleDateTime::from_days(1e300);
    const std::string country = "I", continent = "EU";
    ScoreSheet sheet = ComputeScore({session.log, session.worked_bands, country, continent});
    EXPECT_EQ(sheet.rates, (RateFigures{1, 1, 2, 2})) << "only the reference itself";
    EXPECT_TRUE(std::isnan(MinutesBefore(1.0, std::nan(""))));
    EXPECT_GT(MinutesBefore(1e300, 0.0), 60.0) << "a wild day count is no overflow";
}

TEST(Score, IsPointsTimesMultipliersAndHeldAtTheLargestIntOnOverflow) {
    Scored small = score({{.call = "A", .received = "LIRF"}, {.call = "B", .received = "LIML"}});
    EXPECT_EQ(small.sheet.score, 20 * 2);

    // 50,000 ICAO QSOs with distinct keys: 500,000 points x 50,000 multipliers.
    std::vector<LogEntry> log;
    for (int i = 0; i < 50000; ++i) {
        std::string key = {char('A' + i % 26), char('A' + i / 26 % 26), char('A' + i / 676 % 26),
                           char('A' + i / 17576 % 26)};
        log.push_back({.call = "A" + std::to_string(i), .received = key});
    }
    Scored big = score(log);
    EXPECT_EQ(big.sheet.total.points, 500000);
    EXPECT_EQ(big.sheet.total.multipliers, 50000);
    EXPECT_EQ(big.sheet.score, std::numeric_limits<int>::max());
}

}  // namespace
